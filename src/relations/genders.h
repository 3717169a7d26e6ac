// Genders as the relation finder reads them: from the person's record file as it stands when
// the question is asked, and the three sets of words the relation sentences choose from.
#pragma once

#include <QHash>
#include <QString>
#include <QStringView>
#include <functional>

namespace kinvale {

struct LoadedFamily;

enum class GenderWords { kMale, kFemale, kNeutral };

// "Male" and "Female" exactly; any other text, empty or not, takes the gender-neutral words.
GenderWords WordsForGender(QStringView gender);
// A gender that is empty once blanks are removed is missing: the finder warns about it.
bool IsGenderMissing(QStringView gender);

// The gender of a named person, however the caller obtains it.
using GenderLookup = std::function<QString(const QString& name)>;

// The gender line of the record of the person the name names (the line after the record's
// first "***" line); empty when the name has no row or the record cannot be read. The record
// is found from the index row's own name, so a name typed in another case or spacing reads the
// same record as the name listed.
QString GenderOf(const LoadedFamily& family, const QString& name);

// A GenderLookup that reads each person's record once however often it is asked: one query or
// one save reads every record it needs a single time.
class RecordGenders {
 public:
  explicit RecordGenders(const LoadedFamily& family) : family_(family) {}
  QString operator()(const QString& name);
  GenderLookup AsLookup() {
    return [this](const QString& name) { return (*this)(name); };
  }

 private:
  const LoadedFamily& family_;
  QHash<int, QString> by_row_;
};

}  // namespace kinvale
