// How the fields of a person record are written in GEDCOM and read back from a file this
// program exported: the custom tags of the fields GEDCOM has no tag for, the NAME value of a
// person name, the SEX code of a gender, the education levels, and GEDCOM dates.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <vector>

#include "store/record.h"

namespace kinvale {

// The header's "1 SOUR" value that marks a file as this program's own.
inline const QString kGedcomSourceName = QStringLiteral("Kinvale");

// Tags of the fields GEDCOM has none for.
namespace custom_tag {
inline const QString kLink = QStringLiteral("_LINK");         // the link string
inline const QString kExactName = QStringLiteral("_NAME");    // under NAME, when needed
inline const QString kGender = QStringLiteral("_GENDER");     // a gender SEX cannot say
inline const QString kDateMarried = QStringLiteral("_MARR");  // when the family's differs
inline const QString kReligiousName = QStringLiteral("_RELIGIOUS_NAME");
inline const QString kEmployer = QStringLiteral("_EMPLOYER");
// E-mail and home-page addresses: GEDCOM 5.5, the version the header names, has no tag for
// them (5.5.1's EMAIL and WWW belong to an address structure).
inline const QString kEmail = QStringLiteral("_EMAIL");
inline const QString kHomepage = QStringLiteral("_WWW");
}  // namespace custom_tag

// The NAME value of a person name: the words before the last blank as given names, the last
// word as surname ("Mary Ann Lee" gives "Mary Ann /Lee/", "Anna" gives "Anna //").
QString GedcomNameValue(const QString& name);
// The person name a NAME value of that form stands for: given names, a blank and the surname,
// or the given names alone when the surname is empty.
QString PersonNameOfGedcomValue(QStringView value);

// "M" for Male, "F" for Female (letter case and surrounding blanks ignored), "U" otherwise.
QString GedcomSexCode(const QString& gender);
// The gender text of a SEX code: "Male", "Female", or empty.
QString GenderOfSexCode(QStringView code);
// True when the SEX code does not give the gender back, so that it needs a line of its own. A
// gender of one blank comes back from "U": the record stores an empty gender as one blank.
bool GenderNeedsOwnLine(const QString& gender);

// The school lists and the EDUC TYPE each is written with; a school without a TYPE of this
// table is a university.
struct EducationLevel {
  QStringList PersonDetails::*list;
  QString type;
};
const std::vector<EducationLevel>& EducationLevels();
QStringList* SchoolListOfType(PersonDetails& details, QStringView type);

// A date the way GEDCOM writes it: "6 DEC 2026".
QString GedcomDate(const QDate& date);

// The lines a text block is written as: its lines, none for a block that holds nothing but
// line breaks (the reading of a minimal record gives its burial as two empty lines).
QList<QStringView> ExportedBlockLines(QStringView block);
// A text block as the record holds it: every line followed by CR LF.
QString BlockOfLines(const QStringList& lines);

}  // namespace kinvale
