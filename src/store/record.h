// The person record file: the link string and every detail of one person, one field per line
// or block of lines under "***" section headers, in a fixed order.
#pragma once

#include <QString>
#include <QStringList>

#include "store/store_texts.h"  // kNoDate, shown for an empty date line

namespace kinvale {

// Every field of a record but the link string and the date last changed. Text blocks (burial,
// addresses, notes, sources) hold their lines each followed by CR LF, as they are read.
struct PersonDetails {
  QString ssn;
  QString prefix;
  QString suffix;
  QString date_married;
  QString religious_name;
  QString photo_path;
  QString birth_date;
  QString birth_place;
  QString death_date;
  QString death_place;
  QString burial;
  QString gender;
  QStringList occupations;
  QString residential_addresses;
  QString business_addresses;
  QString homepage;
  QString email_addresses;
  QStringList elementary;
  QStringList intermediate;
  QStringList high;
  QStringList universities;
  QStringList employers;
  QString religion;
  QString notes;
  QString sources;
  QString immigration_date;
  QString immigration_place;

  bool operator==(const PersonDetails&) const = default;
};

struct PersonRecord {
  QString link;
  QString date_changed;  // line 2 as stored
  PersonDetails details;
};

// The two genders the relations and the chart read from a record's gender line; any other text
// is kept as typed and counts as neither. Stored values, so never translated.
inline const QString kMaleGender = QStringLiteral("Male");
inline const QString kFemaleGender = QStringLiteral("Female");

// The section headers, in file order.
namespace header {
inline const QString kGender = QStringLiteral("***Gender***");
inline const QString kOccupation = QStringLiteral("***Occupation***");
inline const QString kResidential = QStringLiteral("***Residential Addresses***");
inline const QString kBusiness = QStringLiteral("***Business Addresses***");
inline const QString kHomepage = QStringLiteral("***HomePage Address***");
inline const QString kEmail = QStringLiteral("***E-Mail Addresses***");
inline const QString kElementary = QStringLiteral("***Elementary***");
inline const QString kIntermediate = QStringLiteral("***Intermediate***");
inline const QString kHigh = QStringLiteral("***High***");
inline const QString kUniversities = QStringLiteral("***Universtities***");
inline const QString kEmployers = QStringLiteral("***Employers***");
inline const QString kReligion = QStringLiteral("***Religion***");
inline const QString kNotes = QStringLiteral("***Notes***");
inline const QString kSources = QStringLiteral("***Sources***");
inline const QString kImmigration = QStringLiteral("***Immigration***");
inline const QString kAddresses = QStringLiteral("***Addresses***");  // minimal records only
}  // namespace header

inline bool IsSectionHeader(QStringView line) { return line.startsWith(u"***"); }

inline const QString kLineBreak = QStringLiteral("\r\n");

inline const QString kRecordSuffix = QStringLiteral(".dat");
// The record file name of a person: name, "_", number, ".dat".
QString RecordFileName(const QString& name, const QString& number);
// The same into a buffer that keeps its memory, for passes over every person.
void SetRecordFileName(QString& buffer, QStringView name, QStringView number);

}  // namespace kinvale
