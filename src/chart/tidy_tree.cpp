#include "chart/tidy_tree.h"

#include <algorithm>
#include <limits>
#include <utility>

namespace kinvale {

namespace {

struct Extent {
  double left;
  double right;
};

// The left and right edges of a subtree on each of its rows. The deepest row comes first so a
// parent adds its own row at the back, and every edge is stored less `shift` so that moving a
// whole subtree sideways costs one addition.
struct Contour {
  std::vector<Extent> rows;
  double shift = 0;

  std::size_t size() const { return rows.size(); }
  // The edges of the row `down` rows below the subtree's root.
  Extent Row(std::size_t down) const {
    const Extent& e = rows[rows.size() - 1 - down];
    return {e.left + shift, e.right + shift};
  }
};

// How far right the subtree `right_side` must sit so that it keeps the gap from `left_side` on
// every row they share.
double SeparationNeeded(const Contour& left_side, const Contour& right_side, double gap) {
  double needed = std::numeric_limits<double>::lowest();
  const std::size_t shared = std::min(left_side.size(), right_side.size());
  for (std::size_t down = 0; down < shared; ++down) {
    needed = std::max(needed, left_side.Row(down).right + gap - right_side.Row(down).left);
  }
  return needed;
}

// Widens `into` by `from` on the rows they share. Whichever is deeper keeps its vector, so the
// work is the depth of the shallower one; the other is left empty.
void Merge(Contour& into, Contour& from) {
  if (from.size() > into.size()) std::swap(into, from);
  for (std::size_t down = 0; down < from.size(); ++down) {
    Extent& edge = into.rows[into.size() - 1 - down];
    const Extent other = from.Row(down);
    edge.left = std::min(edge.left, other.left - into.shift);
    edge.right = std::max(edge.right, other.right - into.shift);
  }
  from = {};
}

}  // namespace

std::vector<double> TidyTreeCentres(const std::vector<TidyNode>& nodes, double gap) {
  const int count = static_cast<int>(nodes.size());
  std::vector<double> offset(count, 0);  // a node's centre less its parent's centre
  std::vector<Contour> contours(count);
  // Children come after their parent, so going backwards finishes every subtree first.
  for (int i = count - 1; i >= 0; --i) {
    const TidyNode& node = nodes[i];
    Contour own;
    if (node.child_count > 0) {
      const int first = node.first_child;
      const int last = first + node.child_count - 1;
      own = std::move(contours[first]);
      for (int child = first + 1; child <= last; ++child) {
        Contour& next = contours[child];
        offset[child] = SeparationNeeded(own, next, gap);
        next.shift += offset[child];
        Merge(own, next);
      }
      const double middle = offset[last] / 2;  // the first child sits at 0
      for (int child = first; child <= last; ++child) offset[child] -= middle;
      own.shift -= middle;
    }
    own.rows.push_back({-node.width / 2 - own.shift, node.width / 2 - own.shift});
    contours[i] = std::move(own);
  }
  std::vector<double> centres(count, 0);
  for (int i = 0; i < count; ++i) {
    const TidyNode& node = nodes[i];
    for (int child = node.first_child; child < node.first_child + node.child_count; ++child) {
      centres[child] = centres[i] + offset[child];
    }
  }
  return centres;
}

}  // namespace kinvale
