#include "relations/genders.h"

#include "relations/relation_primitives.h"
#include "session/session.h"
#include "store/record_reader.h"

namespace kinvale {

GenderWords WordsForGender(QStringView gender) {
  if (gender == u"Male") return GenderWords::kMale;
  if (gender == u"Female") return GenderWords::kFemale;
  return GenderWords::kNeutral;
}

bool IsGenderMissing(QStringView gender) { return gender.trimmed().isEmpty(); }

namespace {

QString GenderOfRow(const Session& session, int row) {
  return ReadGenderLine(session.RecordPathOfRow(row));
}

}  // namespace

QString GenderOf(const Session& session, const QString& name) {
  const int row = RowOfName(session.index, name);
  return row < 0 ? QString() : GenderOfRow(session, row);
}

QString RecordGenders::operator()(const QString& name) {
  const int row = RowOfName(session_.index, name);
  if (row < 0) return {};
  auto it = by_row_.find(row);
  if (it == by_row_.end()) it = by_row_.insert(row, GenderOfRow(session_, row));
  return it.value();
}

}  // namespace kinvale
