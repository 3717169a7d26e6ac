#include "editing/shown_people.h"

#include "session/main_view.h"
#include "session/session.h"
#include "store/family_index.h"
#include "store/link_string.h"
#include "store/person_number.h"

namespace kinvale {

int PoiRow(const Session& session) { return PersonOfInterestRow(session.view, session.index); }

int SpouseRow(const Session& session) {
  return session.index.RowOfNumber(session.view.spouse_number);
}

QString NumberOfRow(const FamilyIndex& index, int row) {
  return row < 0 ? kNobody : OwnNumber(index.row(row).link).toString();
}

QString GroupOfNumbers(const std::vector<int>& numbers) {
  QString group;
  for (int number : numbers) group += FormatPersonNumber(number);
  return group.isEmpty() ? kNobody : group;
}

}  // namespace kinvale
