#include "relations/genders.h"

#include "relations/relation_primitives.h"
#include "store/loaded_family.h"
#include "store/record.h"
#include "store/record_reader.h"

namespace kinvale {

GenderWords WordsForGender(QStringView gender) {
  if (gender == kMaleGender) return GenderWords::kMale;
  if (gender == kFemaleGender) return GenderWords::kFemale;
  return GenderWords::kNeutral;
}

bool IsGenderMissing(QStringView gender) { return gender.trimmed().isEmpty(); }

namespace {

QString GenderOfRow(const LoadedFamily& family, int row) {
  return ReadGenderLine(family.RecordPathOfRow(row));
}

}  // namespace

QString GenderOf(const LoadedFamily& family, const QString& name) {
  const int row = RowOfName(family.index, name);
  return row < 0 ? QString() : GenderOfRow(family, row);
}

QString RecordGenders::operator()(const QString& name) {
  const int row = RowOfName(family_.index, name);
  if (row < 0) return {};
  auto it = by_row_.find(row);
  if (it == by_row_.end()) it = by_row_.insert(row, GenderOfRow(family_, row));
  return it.value();
}

}  // namespace kinvale
