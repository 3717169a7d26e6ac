#include "relations/cousin.h"

#include <QStringList>
#include <cstdlib>
#include <optional>
#include <vector>

#include "relations/generation_walk.h"
#include "relations/relation_graph.h"
#include "relations/relation_texts.h"
#include "relations/two_passes.h"

namespace kinvale {

namespace {

using Person = RelationGraph::Person;

// Notices when the pair of generation lists comes back to a pair it held before (Brent's
// method). On cyclic data the lists then repeat for ever and no later level can match.
class RepeatWatch {
 public:
  bool Repeats(const std::vector<Code>& a, const std::vector<Code>& b) {
    if (have_saved_ && a == saved_a_ && b == saved_b_) return true;
    if (steps_ == power_) {
      saved_a_ = a;
      saved_b_ = b;
      have_saved_ = true;
      power_ *= 2;
      steps_ = 0;
    }
    ++steps_;
    return false;
  }

 private:
  std::vector<Code> saved_a_, saved_b_;
  bool have_saved_ = false;
  long power_ = 1;
  long steps_ = 1;
};

class CousinPass {
 public:
  CousinPass(RelationGraph& graph, const QString& a, const Person& person_a, const QString& b,
             const Person& person_b)
      : graph_(graph), a_(a), person_a_(person_a), b_(b), person_b_(person_b) {}

  std::optional<QString> Run() {
    if (FirstCousins()) return b_ + kIsFirstCousinOf + a_;
    if (auto answer = SameGenerationCousins()) return answer;
    return CommonAncestorCousins();
  }

 private:
  // A sibling of one of b's parents is one of a's parents.
  bool FirstCousins() {
    CodeSet parents_of_a;
    for (const std::span<const Code> group : {person_a_.fathers, person_a_.mothers}) {
      for (Code parent : group) parents_of_a.Insert(parent);
    }
    for (const std::span<const Code> group : {person_b_.fathers, person_b_.mothers}) {
      for (Code parent : group) {
        for (Code sibling : graph_.PersonOf(parent).siblings) {
          if (sibling != kNobodyCode && parents_of_a.Contains(sibling)) return true;
        }
      }
    }
    return false;
  }

  // Level by level from the grandparents: an ancestor of a whose sibling group lists an
  // ancestor of b of the same level.
  std::optional<QString> SameGenerationCousins() {
    using Repeats = GenerationWalk::Repeats;
    GenerationWalk walk_a(graph_, person_a_, Repeats::kWholeGenerations);
    GenerationWalk walk_b(graph_, person_b_, Repeats::kWholeGenerations);
    RepeatWatch watch;
    CodeSet level_of_b;
    for (int level = 2; !walk_a.AtEnd() && !walk_b.AtEnd() && level < kCousinLevelLimit;
         ++level, walk_a.Advance(), walk_b.Advance()) {
      if (watch.Repeats(walk_a.generation(), walk_b.generation())) break;
      level_of_b.Clear();
      for (Code code : walk_b.generation()) level_of_b.Insert(code);
      for (Code ancestor : walk_a.generation()) {
        for (Code sibling : graph_.PersonOf(ancestor).siblings) {
          if (!level_of_b.Contains(sibling)) continue;
          return b_ + kCousinIsA + CousinOrdinal(level) + kCousinOf + a_ + kThrough +
                 graph_.NameOf(ancestor) + kNamesJoiner + graph_.NameOf(sibling);
        }
      }
    }
    return std::nullopt;
  }

  // Each ancestor with the generation that first reaches them (2 for a grandparent, up to 10).
  std::vector<std::pair<Code, int>> AncestorsWithGeneration(const Person& person) {
    std::vector<std::pair<Code, int>> ancestors;
    GenerationWalk walk(graph_, person, GenerationWalk::Repeats::kFirstReachOnly);
    for (; !walk.AtEnd() && walk.level() + 2 <= kCommonAncestorGenerationLimit; walk.Advance()) {
      for (Code code : walk.generation()) ancestors.emplace_back(code, walk.level() + 2);
    }
    return ancestors;
  }

  // The first ancestor of a, nearest generation first, who is an ancestor of b too.
  std::optional<QString> CommonAncestorCousins() {
    CodeSet generation_on_b_side;
    for (const auto& [code, generation] : AncestorsWithGeneration(person_b_)) {
      generation_on_b_side.Insert(code, generation);
    }
    for (const auto& [code, generation] : AncestorsWithGeneration(person_a_)) {
      const int generation_b = generation_on_b_side.ValueOf(code);
      if (generation_b < 0) continue;
      return b_ + kCousinIsA + CousinName(generation, generation_b) + kOf + a_ + kThrough +
             graph_.NameOf(code);
    }
    return std::nullopt;
  }

  RelationGraph& graph_;
  const QString& a_;
  const Person& person_a_;
  const QString& b_;
  const Person& person_b_;
};

}  // namespace

QString CousinOrdinal(int level) {
  return level > 10 ? kOverTenth : kCousinOrdinals.value(level - 2);
}

QString CousinName(int d1, int d2) {
  const QString degree = kCousinDegrees.value(std::min(d1, d2) - 2);
  // At the same generation on both sides the two are cousins of that degree, not removed.
  if (d1 == d2) return degree;
  return degree + u' ' + kCousinRemovals.value(std::abs(d1 - d2) - 1);
}

QString CousinRelation(RelationGraph& graph, const QString& a, const QString& b) {
  return InBothDirections(
      graph, a, b, [&](const QString& x, const Person& px, const QString& y, const Person& py) {
        return CousinPass(graph, x, px, y, py).Run();
      });
}

}  // namespace kinvale
