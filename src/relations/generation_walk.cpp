#include "relations/generation_walk.h"

namespace kinvale {

GenerationWalk::GenerationWalk(RelationGraph& graph, const RelationGraph::Person& person,
                               Repeats repeats)
    : graph_(graph), repeats_(repeats) {
  for (const std::span<const Code> group : {person.fathers, person.mothers}) {
    for (Code parent : group) AddParentsOf(graph_.PersonOf(parent));
  }
  current_.swap(next_);
}

void GenerationWalk::AddParentsOf(const RelationGraph::Person& person) {
  for (const std::span<const Code> group : {person.fathers, person.mothers}) {
    for (Code parent : group) {
      if (parent != kNobodyCode && seen_.Insert(parent)) next_.push_back(parent);
    }
  }
}

void GenerationWalk::Advance() {
  if (repeats_ == Repeats::kWholeGenerations) seen_.Clear();
  next_.clear();
  for (Code code : current_) AddParentsOf(graph_.PersonOf(code));
  current_.swap(next_);
  ++level_;
}

}  // namespace kinvale
