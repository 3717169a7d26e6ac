#include "relations/family_links.h"

#include <algorithm>

#include "store/family_index.h"
#include "store/link_string.h"
#include "store/person_number.h"

namespace kinvale {

namespace {

void AddOnce(std::vector<int>& rows, int row) {
  if (std::find(rows.begin(), rows.end(), row) == rows.end()) rows.push_back(row);
}

// The row the person's spouse entry names; -1 for nobody and for the person themself.
int SpouseEntryOf(const FamilyIndex& index, int row) {
  const int spouse = index.RowOfNumber(SpouseNumber(index.row(row).link));
  return spouse == row ? -1 : spouse;
}

}  // namespace

FamilyLinks::FamilyLinks(const FamilyIndex& index)
    : index_(index), parents_(index.size()), children_(index.size()), spouses_(index.size()) {
  for (int row = 0; row < size(); ++row) {
    // A row whose number an earlier row carries, or that carries none, cannot be named by
    // number: no walk reaches it.
    if (RowOf(NumberOf(row)) != row) continue;
    const QString& link = index.row(row).link;
    for (const Group group : {Group::kFather, Group::kMother}) {
      for (const QString& entry : GroupEntries(link, group)) {
        const int parent = index.RowOfNumber(entry);
        if (parent < 0 || IsParentOf(parent, row)) continue;
        parents_[row].push_back({parent, group == Group::kFather});
        children_[parent].push_back(row);
      }
    }
    const int spouse = SpouseEntryOf(index, row);
    if (spouse >= 0) spouses_[row].push_back(spouse);
  }
  // A spouse link may be written on one side only; both people count it.
  for (int row = 0; row < size(); ++row) {
    const int spouse = RowOf(NumberOf(row)) == row ? SpouseEntryOf(index, row) : -1;
    if (spouse >= 0) AddOnce(spouses_[spouse], row);
  }
}

int FamilyLinks::RowOf(int number) const { return index_.RowOfNumber(number); }

int FamilyLinks::NumberOf(int row) const { return NumberValue(OwnNumber(index_.row(row).link)); }

const ParentLink* FamilyLinks::LinkTo(int parent, int child) const {
  const std::span<const ParentLink> parents = ParentsOf(child);
  const auto it = std::find_if(parents.begin(), parents.end(),
                               [parent](ParentLink p) { return p.row == parent; });
  return it == parents.end() ? nullptr : &*it;
}

bool FamilyLinks::IsParentOf(int parent, int child) const { return LinkTo(parent, child); }

bool FamilyLinks::IsFatherOf(int parent, int child) const {
  const ParentLink* link = LinkTo(parent, child);
  return link && link->father;
}

}  // namespace kinvale
