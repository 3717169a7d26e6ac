// The links of the open family as the relationship walks follow them: each person's fathers,
// mothers, children and spouses, every person found by their person number (a row whose number
// an earlier row carries has no links). Built once from the
// family index and valid while it is unchanged (the relation windows keep one while open).
#pragma once

#include <span>
#include <vector>

namespace kinvale {

class FamilyIndex;

struct ParentLink {
  int row = -1;
  bool father = false;  // listed in the child's father group, else in the mother group
};

class FamilyLinks {
 public:
  explicit FamilyLinks(const FamilyIndex& index);

  const FamilyIndex& index() const { return index_; }
  int size() const { return static_cast<int>(parents_.size()); }

  // The row of the person the number names; -1 for nobody.
  int RowOf(int number) const;
  int NumberOf(int row) const;

  // Each parent once, fathers first, as the link string lists them; entries that name nobody
  // are left out.
  std::span<const ParentLink> ParentsOf(int row) const { return parents_[row]; }
  // The rows listing this person as father or mother, in row order.
  std::span<const int> ChildrenOf(int row) const { return children_[row]; }
  // The person's own spouse entry, then everyone whose spouse entry names the person.
  std::span<const int> SpousesOf(int row) const { return spouses_[row]; }
  bool IsParentOf(int parent, int child) const;
  // True when the child lists the parent in the father group.
  bool IsFatherOf(int parent, int child) const;

 private:
  const ParentLink* LinkTo(int parent, int child) const;

  const FamilyIndex& index_;
  std::vector<std::vector<ParentLink>> parents_;
  std::vector<std::vector<int>> children_;
  std::vector<std::vector<int>> spouses_;
};

}  // namespace kinvale
