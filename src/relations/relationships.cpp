#include "relations/relationships.h"

#include <QHash>
#include <algorithm>
#include <numeric>
#include <optional>
#include <span>

#include "relations/family_links.h"
#include "relations/relation_texts.h"
#include "store/family_index.h"

namespace kinvale {

namespace {

// Lines of ascent kept from one person at most: with two parents a person ten generations deep
// has 2,046; only link strings listing many parents come near this.
constexpr std::size_t kLineLimit = 1 << 16;

struct LineNode {
  int row;
  int below;  // the node of the child this ancestor was reached from; -1 for the person
  int depth;
};

// Every line of ascent from one person up to the generation limit, nearest generation first.
// No line passes the same person twice, so cyclic records end like any others.
class AncestorLines {
 public:
  AncestorLines(const FamilyLinks& links, int person) {
    nodes_.push_back({person, -1, 0});
    for (std::size_t i = 0; i < nodes_.size(); ++i) {
      const LineNode node = nodes_[i];
      if (node.depth == kRelationshipGenerationLimit) continue;
      for (const ParentLink parent : links.ParentsOf(node.row)) {
        if (nodes_.size() < kLineLimit && !OnLine(static_cast<int>(i), parent.row)) {
          nodes_.push_back({parent.row, static_cast<int>(i), node.depth + 1});
        }
      }
    }
    by_row_.resize(nodes_.size());
    std::iota(by_row_.begin(), by_row_.end(), 0);
    std::stable_sort(by_row_.begin(), by_row_.end(),
                     [this](int a, int b) { return nodes_[a].row < nodes_[b].row; });
    for (const int i : by_row_) sorted_rows_.push_back(nodes_[i].row);
  }

  const LineNode& node(int index) const { return nodes_[index]; }

  // The nodes reaching the row, nearest first.
  std::span<const int> NodesOf(int row) const {
    const auto [begin, end] = std::equal_range(sorted_rows_.begin(), sorted_rows_.end(), row);
    return std::span<const int>(by_row_).subspan(begin - sorted_rows_.begin(), end - begin);
  }

  // Each person the lines reach, once.
  template <typename Visit>
  void ForEachRow(Visit visit) const {
    for (std::size_t i = 0; i < sorted_rows_.size(); ++i) {
      if (i == 0 || sorted_rows_[i] != sorted_rows_[i - 1]) visit(sorted_rows_[i]);
    }
  }

  // The rows from the node down to the person.
  std::vector<int> RowsDown(int index) const {
    std::vector<int> rows;
    for (int i = index; i >= 0; i = nodes_[i].below) rows.push_back(nodes_[i].row);
    return rows;
  }

 private:
  bool OnLine(int index, int row) const {
    for (int i = index; i >= 0; i = nodes_[i].below) {
      if (nodes_[i].row == row) return true;
    }
    return false;
  }

  std::vector<LineNode> nodes_;
  std::vector<int> by_row_;       // node indexes ordered by row, nearest first within a row
  std::vector<int> sorted_rows_;  // the row of each of those nodes
};

// True when the two lines share nobody below the ancestor they both end at.
bool MeetOnlyAtTop(const AncestorLines& x, int x_node, const AncestorLines& y, int y_node) {
  for (int i = x.node(x_node).below; i >= 0; i = x.node(i).below) {
    for (int j = y.node(y_node).below; j >= 0; j = y.node(j).below) {
      if (x.node(i).row == y.node(j).row) return false;
    }
  }
  return true;
}

// A blood relationship: the rows from one person up to where the lines meet and down to the
// other, and the ancestors met there.
struct BloodTie {
  std::vector<int> rows;
  int top = 0;  // the index in rows of the first ancestor
  std::vector<int> ancestors;
  Kinship kinship;
};

Kinship BloodKinship(const FamilyLinks& links, const BloodTie& tie) {
  const std::vector<int>& rows = tie.rows;
  const int top = tie.top;
  Kinship k;
  k.self_up = top;
  k.relative_up = static_cast<int>(rows.size()) - 1 - top;
  k.self_parent_father = top > 0 && links.IsFatherOf(rows[1], rows[0]);
  k.relative_parent_father =
      k.relative_up > 0 && links.IsFatherOf(rows[rows.size() - 2], rows.back());
  for (const int ancestor : tie.ancestors) {
    (links.IsFatherOf(ancestor, rows.front()) ? k.same_father : k.same_mother) = true;
  }
  return k;
}

BloodTie MakeTie(std::vector<int> rows, int top) {
  BloodTie tie{std::move(rows), top, {}, {}};
  tie.ancestors.push_back(tie.rows[top]);
  return tie;
}

// The nearest line from one person up to an ancestor, at any depth; empty when there is none.
std::vector<int> NearestLineUp(const FamilyLinks& links, int from, int to) {
  std::vector<int> reached_from(links.size(), -1);
  std::vector<int> queue{from};
  reached_from[from] = from;
  for (std::size_t i = 0; i < queue.size(); ++i) {
    for (const ParentLink parent : links.ParentsOf(queue[i])) {
      if (reached_from[parent.row] >= 0) continue;
      reached_from[parent.row] = queue[i];
      if (parent.row == to) {
        std::vector<int> rows{to};
        while (rows.back() != from) rows.push_back(reached_from[rows.back()]);
        std::reverse(rows.begin(), rows.end());
        return rows;
      }
      queue.push_back(parent.row);
    }
  }
  return {};
}

// The nearest pair of lines from x and y to the ancestor that share nobody else.
std::optional<BloodTie> NearestTieThrough(const AncestorLines& x, const AncestorLines& y,
                                          int ancestor) {
  std::optional<std::pair<int, int>> best;
  Kinship best_kinship;
  for (const int x_node : x.NodesOf(ancestor)) {
    for (const int y_node : y.NodesOf(ancestor)) {
      Kinship kinship;
      kinship.self_up = x.node(x_node).depth;
      kinship.relative_up = y.node(y_node).depth;
      if (best && !(kinship < best_kinship)) continue;
      if (!MeetOnlyAtTop(x, x_node, y, y_node)) continue;
      best = {x_node, y_node};
      best_kinship = kinship;
    }
  }
  if (!best) return std::nullopt;
  std::vector<int> rows = x.RowsDown(best->first);
  std::reverse(rows.begin(), rows.end());
  const int top = static_cast<int>(rows.size()) - 1;
  const std::vector<int> down = y.RowsDown(best->second);
  rows.insert(rows.end(), down.begin() + 1, down.end());
  return MakeTie(std::move(rows), top);
}

// Two ancestors who are both parents of the two people the lines come down through are one
// couple: the later joins the earlier, whose lines the path follows. Both are as near, the lines
// below them being the same.
void JoinCouples(const FamilyLinks& links, std::vector<BloodTie>& ties) {
  QHash<int, int> tie_of_ancestor;
  for (int i = 0; i < static_cast<int>(ties.size()); ++i) {
    tie_of_ancestor.insert(ties[i].ancestors.front(), i);
  }
  std::vector<bool> joined(ties.size(), false);
  for (int i = 0; i < static_cast<int>(ties.size()); ++i) {
    BloodTie& tie = ties[i];
    if (joined[i] || tie.top == 0 || tie.top + 1 == static_cast<int>(tie.rows.size())) continue;
    const int x_child = tie.rows[tie.top - 1];
    const int y_child = tie.rows[tie.top + 1];
    for (const ParentLink parent : links.ParentsOf(x_child)) {
      const int other = tie_of_ancestor.value(parent.row, -1);
      if (other <= i || joined[other] || !links.IsParentOf(parent.row, y_child)) continue;
      joined[other] = true;
      tie.ancestors.push_back(parent.row);
    }
  }
  std::vector<BloodTie> kept;
  for (std::size_t i = 0; i < ties.size(); ++i) {
    if (!joined[i]) kept.push_back(std::move(ties[i]));
  }
  ties = std::move(kept);
}

// Every blood relationship of x and y, nearest first.
std::vector<BloodTie> BloodTies(const FamilyLinks& links, int x, int y) {
  std::vector<BloodTie> ties;
  if (std::vector<int> up = NearestLineUp(links, x, y); !up.empty()) {
    const int top = static_cast<int>(up.size()) - 1;
    ties.push_back(MakeTie(std::move(up), top));
  }
  if (std::vector<int> up = NearestLineUp(links, y, x); !up.empty()) {
    std::reverse(up.begin(), up.end());
    ties.push_back(MakeTie(std::move(up), 0));
  }
  const AncestorLines x_lines(links, x);
  const AncestorLines y_lines(links, y);
  x_lines.ForEachRow([&](int ancestor) {
    if (ancestor == x || ancestor == y) return;
    if (auto tie = NearestTieThrough(x_lines, y_lines, ancestor)) {
      ties.push_back(std::move(*tie));
    }
  });
  for (BloodTie& tie : ties) tie.kinship = BloodKinship(links, tie);
  std::stable_sort(ties.begin(), ties.end(),
                   [](const BloodTie& a, const BloodTie& b) { return a.kinship < b.kinship; });
  JoinCouples(links, ties);
  // A couple's shared parents name the siblings' halves.
  for (BloodTie& tie : ties) tie.kinship = BloodKinship(links, tie);
  return ties;
}

// Where a marriage stands in a relationship: the husband or wife at one end and the blood relative
// they stand in for.
struct MarriageEnd {
  Marriage side = Marriage::kNone;
  int spouse_row = -1;  // the blood relative
};

class RelationshipMaker {
 public:
  RelationshipMaker(const FamilyLinks& links, int first, int second)
      : links_(links), index_(links.index()), first_(first), second_(second) {}

  Relationship Spouses() const {
    Kinship kinship;
    kinship.marriage = Marriage::kRelative;
    return Make({first_, second_}, {PathStep::kSpouseOf}, kinship, {}, {});
  }

  // The tie's rows run from the first person, or from the first person's husband or wife, to the
  // second person or theirs.
  Relationship FromTie(const BloodTie& tie, MarriageEnd marriage) const {
    std::vector<int> rows = tie.rows;
    std::vector<PathStep> steps;
    for (int i = 0; i + 1 < static_cast<int>(rows.size()); ++i) {
      steps.push_back(i < tie.top                               ? PathStep::kChildOf
                      : links_.IsFatherOf(rows[i], rows[i + 1]) ? PathStep::kFatherOf
                                                                : PathStep::kMotherOf);
    }
    if (marriage.side == Marriage::kSelf) {
      rows.insert(rows.begin(), first_);
      steps.insert(steps.begin(), PathStep::kSpouseOf);
    } else if (marriage.side == Marriage::kRelative) {
      rows.push_back(second_);
      steps.push_back(PathStep::kSpouseOf);
    }
    Kinship kinship = tie.kinship;
    kinship.marriage = marriage.side;
    return Make(rows, steps, kinship, tie.ancestors, marriage);
  }

 private:
  GenderWords WordsOf(int row) const { return WordsForGender(index_.row(row).gender); }
  const QString& NameOf(int row) const { return index_.row(row).name; }

  Relationship Make(const std::vector<int>& rows, std::vector<PathStep> steps,
                    const Kinship& kinship, const std::vector<int>& ancestors,
                    MarriageEnd marriage) const {
    SentencePeople people{
        NameOf(first_), NameOf(second_), WordsOf(first_), WordsOf(second_), {}, {}, {}};
    if (marriage.side == Marriage::kSelf) people.self_spouse = NameOf(marriage.spouse_row);
    if (marriage.side == Marriage::kRelative) people.relative_spouse = NameOf(marriage.spouse_row);
    Relationship relationship;
    for (const int row : ancestors) {
      people.ancestors.append(NameOf(row));
      relationship.ancestors.push_back(links_.NumberOf(row));
    }
    for (const int row : rows) relationship.people.push_back(links_.NumberOf(row));
    relationship.sentence = KinshipSentence(kinship, people);
    relationship.kinship = kinship;
    relationship.steps = std::move(steps);
    return relationship;
  }

  const FamilyLinks& links_;
  const FamilyIndex& index_;
  const int first_;
  const int second_;
};

template <typename Rows>
bool Holds(const Rows& rows, int row) {
  return std::find(rows.begin(), rows.end(), row) != rows.end();
}

}  // namespace

std::vector<Relationship> AllRelationships(const FamilyLinks& links, int first, int second) {
  const int a = links.RowOf(first);
  const int b = links.RowOf(second);
  if (a < 0 || b < 0 || a == b) return {};
  const RelationshipMaker maker(links, a, b);
  std::vector<Relationship> found;
  const std::span<const int> spouses_of_a = links.SpousesOf(a);
  if (Holds(spouses_of_a, b)) found.push_back(maker.Spouses());
  for (const BloodTie& tie : BloodTies(links, a, b)) found.push_back(maker.FromTie(tie, {}));
  // Through a's husband or wife. A tie running through a, or down from a's husband or wife
  // through a child a shares, is a's own blood relationship already.
  for (const int spouse : spouses_of_a) {
    if (spouse == b) continue;
    for (const BloodTie& tie : BloodTies(links, spouse, b)) {
      if (Holds(tie.rows, a) || (tie.top == 0 && links.IsParentOf(a, tie.rows[1]))) continue;
      found.push_back(maker.FromTie(tie, {Marriage::kSelf, spouse}));
    }
  }
  for (const int spouse : links.SpousesOf(b)) {
    if (spouse == a) continue;
    for (const BloodTie& tie : BloodTies(links, a, spouse)) {
      const int last = static_cast<int>(tie.rows.size()) - 1;
      if (Holds(tie.rows, b) || (tie.top == last && links.IsParentOf(b, tie.rows[last - 1]))) {
        continue;
      }
      found.push_back(maker.FromTie(tie, {Marriage::kRelative, spouse}));
    }
  }
  std::stable_sort(found.begin(), found.end(), [](const Relationship& x, const Relationship& y) {
    return x.kinship < y.kinship;
  });
  return found;
}

QString PathStepText(PathStep step) {
  switch (step) {
    case PathStep::kFatherOf:
      return kFatherOfStep;
    case PathStep::kMotherOf:
      return kMotherOfStep;
    case PathStep::kChildOf:
      return kChildOfStep;
    case PathStep::kSpouseOf:
      break;
  }
  return kSpouseOfStep;
}

}  // namespace kinvale
