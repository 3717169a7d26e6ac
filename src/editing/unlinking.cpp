#include "editing/unlinking.h"

#include "editing/shown_people.h"
#include "session/session.h"
#include "store/link_string.h"
#include "store/person_number.h"

namespace kinvale {

namespace {

// The position of the first 4-character entry of group_text equal to number; -1 when none.
qsizetype EntryPosition(QStringView group_text, QStringView number) {
  for (qsizetype at = 0; at + kEntryWidth <= group_text.size(); at += kEntryWidth) {
    if (group_text.mid(at, kEntryWidth) == number) return at;
  }
  return -1;
}

void RemoveFromSiblingGroupOf(FamilyIndex& index, int row, const QString& number) {
  if (row >= 0) index.SetLink(row, RemoveFromSiblingGroup(index.row(row).link, number));
}

void RemoveFromSiblingGroupsOf(FamilyIndex& index, const std::vector<int>& people,
                               const QString& number) {
  for (int person : people) RemoveFromSiblingGroupOf(index, index.RowOfNumber(person), number);
}

}  // namespace

QString RemoveFromSiblingGroup(QStringView link, QStringView number) {
  QString group = GroupText(link, Group::kSibling).toString();
  const qsizetype at = EntryPosition(group, number);
  if (at >= 0) group.remove(at, kEntryWidth);
  if (group.size() < kEntryWidth) group = kNobody;
  return ReplaceGroup(link, Group::kSibling, group);
}

void RemoveParentEntry(Session& session, const QString& number) {
  FamilyIndex& index = session.index;
  const int poi = PoiRow(session);
  if (poi < 0) return;
  const QString link = index.row(poi).link;
  for (Group group : {Group::kFather, Group::kMother}) {
    QString text = GroupText(link, group).toString();
    const qsizetype at = EntryPosition(text, number);
    if (at < 0) continue;
    const RelativeList& list =
        group == Group::kFather ? session.view.fathers : session.view.mothers;
    if (list.numbers.empty()) {
      text.replace(at, kEntryWidth, kNobody);
    } else {
      text.remove(at, kEntryWidth);
    }
    index.SetLink(poi, ReplaceGroup(link, group, text));
    return;
  }
}

void RemoveSibling(Session& session, int number) {
  FamilyIndex& index = session.index;
  const int row = index.RowOfNumber(number);
  if (row < 0) return;
  const QString own = NumberOfRow(index, row);
  index.SetLink(row, NewLinkString(own));
  RemoveFromSiblingGroupsOf(index, session.view.siblings.numbers, own);
  RemoveFromSiblingGroupOf(index, PoiRow(session), own);
}

void RemoveChild(Session& session, int number) {
  FamilyIndex& index = session.index;
  const int row = index.RowOfNumber(number);
  if (row < 0) return;
  const QString link = index.row(row).link;
  index.SetLink(row, link.left(8) + QStringLiteral("F0000M0000S0000"));
  RemoveFromSiblingGroupsOf(index, session.view.children.numbers, OwnNumber(link).toString());
}

}  // namespace kinvale
