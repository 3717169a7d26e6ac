// Tidy drawing of a tree whose levels are rows: every parent centred over its children, no two
// nodes of a row closer than the gap, and each subtree pushed as close to the subtrees on its
// left as its rows allow. The same tree always gives the same positions.
#pragma once

#include <vector>

namespace kinvale {

struct TidyNode {
  double width = 0;
  int first_child = 0;  // the children are nodes first_child .. first_child + child_count - 1
  int child_count = 0;
};

// The horizontal centre of every node, the root's at 0. The nodes come in breadth-first order:
// node 0 is the root and every node's children are consecutive and come after it. Runs in time
// proportional to the number of nodes, whatever the tree's depth, without recursion.
std::vector<double> TidyTreeCentres(const std::vector<TidyNode>& nodes, double gap);

}  // namespace kinvale
