#include "relations/relatives.h"

#include <QHash>
#include <QSet>
#include <algorithm>

#include "relations/family_links.h"
#include "relations/relation_texts.h"
#include "store/family_index.h"

namespace kinvale {

namespace {

enum GroupIndex {
  kSpouses,
  kAncestors,
  kSiblings,
  kDescendants,
  kUncles,
  kNephews,
  kCousins,
  kInLaws
};

GroupIndex GroupOf(const Kinship& k) {
  if (k.Spouses()) return kSpouses;
  if (k.marriage != Marriage::kNone) return kInLaws;
  if (k.relative_up == 0) return kAncestors;
  if (k.self_up == 0) return kDescendants;
  if (k.self_up == 1 && k.relative_up == 1) return kSiblings;
  if (k.relative_up == 1) return kUncles;
  return k.self_up == 1 ? kNephews : kCousins;
}

// The nearest kinship found so far for each person reached.
class Nearest {
 public:
  void Offer(int row, const Kinship& kinship) {
    const auto it = found_.find(row);
    if (it == found_.end()) {
      found_.insert(row, kinship);
      order_.push_back(row);
    } else if (kinship < it.value()) {
      it.value() = kinship;
    }
  }
  // Replaces what was found for the row with the same kinship better described.
  void Describe(int row, const Kinship& kinship) { found_[row] = kinship; }
  const Kinship& Of(int row) const { return *found_.constFind(row); }
  const std::vector<int>& Rows() const { return order_; }  // in the order first reached

 private:
  QHash<int, Kinship> found_;
  std::vector<int> order_;
};

// The rows a walk up through parents (or down through children) reaches within the generations,
// each with the generation that first reaches them, the start first. Each row is reached once,
// so cyclic records end like any others.
std::vector<std::pair<int, int>> WalkGenerations(const FamilyLinks& links, int start,
                                                 int generations, bool upwards) {
  std::vector<std::pair<int, int>> reached{{start, 0}};
  QSet<int> seen{start};
  for (std::size_t i = 0; i < reached.size(); ++i) {
    const auto [row, depth] = reached[i];
    if (depth == generations) continue;
    auto visit = [&](int next) {
      if (!seen.contains(next)) {
        seen.insert(next);
        reached.emplace_back(next, depth + 1);
      }
    };
    if (upwards) {
      for (const ParentLink parent : links.ParentsOf(row)) visit(parent.row);
    } else {
      for (const int child : links.ChildrenOf(row)) visit(child);
    }
  }
  return reached;
}

// The blood relatives of the person: for each ancestor (the person included) each descendant,
// at most the given generations away on either side.
Nearest BloodRelatives(const FamilyLinks& links, int person, int generations) {
  Nearest nearest;
  for (const auto& [ancestor, up] : WalkGenerations(links, person, generations, true)) {
    for (const auto& [relative, down] : WalkGenerations(links, ancestor, generations, false)) {
      if (relative == person) continue;
      Kinship kinship;
      kinship.self_up = up;
      kinship.relative_up = down;
      nearest.Offer(relative, kinship);
    }
  }
  // The words of parents and siblings depend on the groups that list them.
  for (const int row : nearest.Rows()) {
    Kinship kinship = nearest.Of(row);
    kinship.self_parent_father = links.IsFatherOf(row, person);
    for (const ParentLink parent : links.ParentsOf(person)) {
      if (links.IsParentOf(parent.row, row)) {
        (parent.father ? kinship.same_father : kinship.same_mother) = true;
      }
    }
    nearest.Describe(row, kinship);
  }
  return nearest;
}

}  // namespace

std::vector<RelativeGroup> RelativesOf(const FamilyLinks& links, int person, int max_degree) {
  const int row = links.RowOf(person);
  if (row < 0) return {};
  const int generations = std::clamp(max_degree, 0, kRelativesDegreeLimit) + 1;
  const Nearest blood = BloodRelatives(links, row, generations);
  Nearest all = blood;
  auto offer_in_law = [&](int in_law, Kinship kinship, Marriage marriage) {
    if (in_law == row) return;
    kinship.marriage = marriage;
    all.Offer(in_law, kinship);
  };
  for (const int relative : blood.Rows()) {
    for (const int spouse : links.SpousesOf(relative)) {
      offer_in_law(spouse, blood.Of(relative), Marriage::kRelative);
    }
  }
  for (const int spouse : links.SpousesOf(row)) {
    offer_in_law(spouse, Kinship{}, Marriage::kRelative);
    const Nearest theirs = BloodRelatives(links, spouse, generations);
    for (const int relative : theirs.Rows()) {
      offer_in_law(relative, theirs.Of(relative), Marriage::kSelf);
    }
  }

  std::vector<RelativeGroup> groups(kRelativeGroupTitles.size());
  for (const int relative : all.Rows()) {
    const Kinship& kinship = all.Of(relative);
    const GenderWords words = WordsForGender(links.index().row(relative).gender);
    groups[GroupOf(kinship)].relatives.push_back(
        {links.NumberOf(relative), KinshipWords(kinship, words), kinship});
  }
  std::vector<RelativeGroup> shown;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (groups[i].relatives.empty()) continue;
    std::stable_sort(groups[i].relatives.begin(), groups[i].relatives.end(),
                     [](const Relative& a, const Relative& b) { return a.kinship < b.kinship; });
    groups[i].title = kRelativeGroupTitles[i];
    shown.push_back(std::move(groups[i]));
  }
  return shown;
}

}  // namespace kinvale
