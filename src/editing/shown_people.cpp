#include "editing/shown_people.h"

#include "mainwindow/main_view.h"
#include "store/family_index.h"
#include "store/link_string.h"
#include "store/person_number.h"

namespace kinvale {

QString PoiName(const MainView& view) {
  return view.HasPerson() ? view.person_of_interest : QString();
}

QString SpouseName(const MainView& view) {
  return view.spouse == kNoSpouseCaption ? QString() : view.spouse;
}

int RowOfPerson(const FamilyIndex& index, const QString& name) {
  if (name.isEmpty()) return -1;
  const int exact = index.FindRowExact(name);
  return exact >= 0 ? exact : index.FindRow(name);
}

QString NumberOfPerson(const FamilyIndex& index, const QString& name) {
  const int row = RowOfPerson(index, name);
  return row < 0 ? kNobody : OwnNumber(index.row(row).link).toString();
}

bool SamePerson(const FamilyIndex& index, const QString& a, const QString& b) {
  if (a == b) return true;
  const int row = RowOfPerson(index, a);
  return row >= 0 && row == RowOfPerson(index, b);
}

}  // namespace kinvale
