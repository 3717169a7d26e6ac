// A person's ancestors generation by generation, from the grandparents up, in the order the
// generation lists of the relation kinds hold them: for each entry in order, the numbers of
// its father group, then of its mother group. Entries "0000" are left out, since they name
// nobody and lead nowhere, and so are repeats, as the walk's kind allows.
#pragma once

#include <vector>

#include "relations/relation_graph.h"

namespace kinvale {

class GenerationWalk {
 public:
  enum class Repeats {
    // Each ancestor once, at the first generation that reaches them. The direct-line and
    // collateral tests of an entry do not depend on its generation, so an ancestor examined
    // at an earlier generation cannot match at a later one; on cyclic data the walk ends.
    kFirstReachOnly,
    // Each generation whole, repeats inside it dropped: the same-generation cousin test pairs
    // the two sides' lists level by level, so an ancestor belongs to every level reaching it.
    kWholeGenerations,
  };

  GenerationWalk(RelationGraph& graph, const RelationGraph::Person& person, Repeats repeats);

  // The current generation, grandparents at level 0, in first-occurrence order.
  const std::vector<Code>& generation() const { return current_; }
  int level() const { return level_; }
  // True once a generation holds nobody.
  bool AtEnd() const { return current_.empty(); }
  void Advance();

 private:
  void AddParentsOf(const RelationGraph::Person& person);

  RelationGraph& graph_;
  Repeats repeats_;
  CodeSet seen_;
  std::vector<Code> current_;
  std::vector<Code> next_;
  int level_ = 0;
};

}  // namespace kinvale
