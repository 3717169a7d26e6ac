#include "editing/link_assembly.h"

#include "editing/add_person.h"
#include "editing/shown_people.h"
#include "session/session.h"
#include "store/link_string.h"
#include "store/person_number.h"

namespace kinvale {

namespace {

// "F", the fathers, "M", the mothers, "S": the middle of a link string, as the lists show it.
QString ParentGroupsShown(const Session& session) {
  return u'F' + FatherGroupFromList(session) + u'M' + MotherGroupFromList(session) + u'S';
}

}  // namespace

QString FatherGroupFromList(const Session& session) {
  return GroupOfNumbers(session.view.fathers.numbers);
}

QString MotherGroupFromList(const Session& session) {
  return GroupOfNumbers(session.view.mothers.numbers);
}

QString SiblingGroupFromList(const Session& session, SiblingGroupMode mode, int new_sibling) {
  const std::vector<int>& siblings = session.view.siblings.numbers;
  if (siblings.empty()) return kNobody;
  if (mode == SiblingGroupMode::kAll) return GroupOfNumbers(siblings);
  QString group = NumberOfRow(session.index, PoiRow(session));
  for (int sibling : siblings) {
    if (sibling != new_sibling) group += FormatPersonNumber(sibling);
  }
  return group;
}

QString LinkSpouses(Session& session) {
  FamilyIndex& index = session.index;
  const int poi = PoiRow(session);
  const int spouse = SpouseRow(session);
  if (poi < 0 || spouse < 0) return kNobody;
  const QString spouse_link = index.row(spouse).link;
  index.SetLink(spouse, WithSpouse(spouse_link, OwnNumber(index.row(poi).link)));
  return OwnNumber(spouse_link).toString();
}

QString AssembleLinkString(Session& session, int row, AssemblyMode mode) {
  FamilyIndex& index = session.index;
  const int poi = PoiRow(session);
  if (mode == AssemblyMode::kDependent) {
    if (poi < 0 || row < 0) return {};
    const QString link = DependentLink(session, NumberOfRow(index, row));
    index.SetLink(row, link);
    return link;
  }
  const QString groups =
      ParentGroupsShown(session) + SiblingGroupFromList(session, SiblingGroupMode::kAll);
  if (poi < 0) return session.NextPersonNumber() + kNobody + groups;
  // The spouse is linked back first, as the spouse number is taken from it.
  const QString spouse = LinkSpouses(session);
  const QString link = NumberOfRow(index, poi) + spouse + groups;
  index.SetLink(poi, link);
  return link;
}

void LinkNewSibling(Session& session, int row) {
  FamilyIndex& index = session.index;
  const QString parents = ParentGroupsShown(session);
  const int new_sibling = row < 0 ? 0 : NumberValue(OwnNumber(index.row(row).link));
  // Own number and spouse stay; parents and siblings are those shown.
  auto relink = [&](int target, SiblingGroupMode mode) {
    if (target < 0) return;
    const QString& link = index.row(target).link;
    index.SetLink(target,
                  link.left(8) + parents + SiblingGroupFromList(session, mode, new_sibling));
  };
  relink(row, SiblingGroupMode::kNewSibling);
  relink(PoiRow(session), SiblingGroupMode::kAll);
}

void LinkChildrenAsSiblings(Session& session) {
  FamilyIndex& index = session.index;
  RelativeList& children = session.view.children;
  const std::vector<int>& numbers = children.numbers;
  for (size_t k = 0; k < numbers.size(); ++k) {
    const int row = index.RowOfNumber(numbers[k]);
    if (row < 0) continue;
    QString others;
    for (int other : numbers) {
      if (other != numbers[k]) others += FormatPersonNumber(other);
    }
    const QString link = index.row(row).link;
    const qsizetype marker = link.indexOf(u'S');
    if (marker < 0) continue;  // no sibling group to rewrite
    index.SetLink(row, link.left(marker + 1) + (others.isEmpty() ? kNobody : others));
  }
  // The pass walks the list by selecting each child in turn, so the last one stays selected.
  children.selected = static_cast<int>(numbers.size()) - 1;
}

}  // namespace kinvale
