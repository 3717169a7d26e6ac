#include "editing/link_assembly.h"

#include <vector>

#include "editing/add_person.h"
#include "editing/shown_people.h"
#include "store/link_string.h"
#include "store/person_number.h"
#include "store/session.h"

namespace kinvale {

namespace {

// The numbers of the names, concatenated; "0000" when that is empty.
QString GroupOf(const FamilyIndex& index, const QStringList& names) {
  QString group;
  for (const QString& name : names) group += NumberOfPerson(index, name);
  return group.isEmpty() ? kNobody : group;
}

// "F", the fathers, "M", the mothers, "S": the middle of a link string, as the lists show it.
QString ParentGroupsShown(const Session& session) {
  return u'F' + FatherGroupFromList(session) + u'M' + MotherGroupFromList(session) + u'S';
}

}  // namespace

QString FatherGroupFromList(const Session& session) {
  return GroupOf(session.index, session.view.fathers.names);
}

QString MotherGroupFromList(const Session& session) {
  return GroupOf(session.index, session.view.mothers.names);
}

QString SiblingGroupFromList(const Session& session, SiblingGroupMode mode) {
  const FamilyIndex& index = session.index;
  const QStringList& siblings = session.view.siblings.names;
  if (siblings.isEmpty()) return kNobody;
  if (mode == SiblingGroupMode::kAll) return GroupOf(index, siblings);
  QString group = NumberOfPerson(index, PoiName(session.view));
  for (const QString& sibling : siblings) {
    if (!SamePerson(index, sibling, session.pending_name)) group += NumberOfPerson(index, sibling);
  }
  return group;
}

QString LinkSpouses(Session& session) {
  FamilyIndex& index = session.index;
  const int poi = RowOfPerson(index, PoiName(session.view));
  const int spouse = RowOfPerson(index, SpouseName(session.view));
  if (poi < 0 || spouse < 0) return kNobody;
  const QString spouse_link = index.row(spouse).link;
  index.SetLink(spouse, WithSpouse(spouse_link, OwnNumber(index.row(poi).link)));
  return OwnNumber(spouse_link).toString();
}

void AssembleLinkString(Session& session, const QString& name, AssemblyMode mode) {
  FamilyIndex& index = session.index;
  const int poi = RowOfPerson(index, PoiName(session.view));
  if (mode == AssemblyMode::kDependent) {
    const int dependent = RowOfPerson(index, name);
    if (poi < 0 || dependent < 0) return;
    index.SetLink(dependent,
                  DependentLink(session, OwnNumber(index.row(dependent).link).toString()));
    return;
  }
  const QString groups =
      ParentGroupsShown(session) + SiblingGroupFromList(session, SiblingGroupMode::kAll);
  if (poi < 0) {
    session.last_assembled_link = session.NextPersonNumber() + kNobody + groups;
    return;
  }
  // The spouse is linked back first, as the spouse number is taken from it.
  const QString spouse = LinkSpouses(session);
  session.last_assembled_link = NumberOfPerson(index, name) + spouse + groups;
  index.SetLink(poi, session.last_assembled_link);
}

void LinkNewSibling(Session& session, const QString& name) {
  FamilyIndex& index = session.index;
  const QString parents = ParentGroupsShown(session);
  // Own number and spouse stay; parents and siblings are those shown.
  auto relink = [&](int row, SiblingGroupMode mode) {
    if (row < 0) return;
    const QString& link = index.row(row).link;
    index.SetLink(row, link.left(8) + parents + SiblingGroupFromList(session, mode));
  };
  relink(RowOfPerson(index, name), SiblingGroupMode::kNewSibling);
  relink(RowOfPerson(index, PoiName(session.view)), SiblingGroupMode::kAll);
}

void LinkChildrenAsSiblings(Session& session) {
  FamilyIndex& index = session.index;
  RelativeList& children = session.view.children;
  const qsizetype count = children.names.size();
  std::vector<int> rows(count);
  QStringList numbers;
  for (qsizetype i = 0; i < count; ++i) {
    rows[i] = RowOfPerson(index, children.names[i]);
    numbers.append(rows[i] < 0 ? kNobody : OwnNumber(index.row(rows[i]).link).toString());
  }
  auto same_child = [&](qsizetype a, qsizetype b) {
    return children.names[a] == children.names[b] || (rows[a] >= 0 && rows[a] == rows[b]);
  };
  for (qsizetype k = 0; k < count; ++k) {
    if (rows[k] < 0) continue;
    QString others;
    for (qsizetype j = 0; j < count; ++j) {
      if (!same_child(j, k)) others += numbers[j];
    }
    const QString link = index.row(rows[k]).link;
    const qsizetype marker = link.indexOf(u'S');
    if (marker < 0) continue;  // no sibling group to rewrite
    index.SetLink(rows[k], link.left(marker + 1) + (others.isEmpty() ? kNobody : others));
  }
  // The pass walks the list by selecting each child in turn, so the last one stays selected.
  children.selected = count - 1;
}

}  // namespace kinvale
