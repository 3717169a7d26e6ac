#include "relations/direct_line.h"

#include <algorithm>
#include <optional>

#include "relations/generation_walk.h"
#include "relations/kinship.h"
#include "relations/relation_graph.h"
#include "relations/relation_texts.h"
#include "relations/two_passes.h"

namespace kinvale {

namespace {

using Person = RelationGraph::Person;

bool Holds(std::span<const Code> codes, Code code) {
  return std::find(codes.begin(), codes.end(), code) != codes.end();
}

// The generation count (0 for the grandparents) at which the target first occurs among the
// person's ancestors; nullopt when it does not within the limit.
std::optional<int> AncestorGeneration(RelationGraph& graph, const Person& person, Code target) {
  for (GenerationWalk walk(graph, person, GenerationWalk::Repeats::kFirstReachOnly);
       !walk.AtEnd() && walk.level() < kDirectLineGenerationLimit; walk.Advance()) {
    if (Holds(walk.generation(), target)) return walk.level();
  }
  return std::nullopt;
}

// One pass: b the candidate ancestor, a the descendant.
std::optional<QString> DirectLinePass(RelationGraph& graph, const GenderLookup& gender_of,
                                      const QString& a, const Person& person_a, const QString& b,
                                      const Person& person_b) {
  const Code target = person_b.own;
  if (Holds(person_a.fathers, target)) return b + kIsFatherOf + a + kFullStop;
  if (Holds(person_a.mothers, target)) return b + kIsMotherOf + a + kFullStop;
  const std::optional<int> generation = AncestorGeneration(graph, person_a, target);
  if (!generation) return std::nullopt;
  return b + kIsA + Greats(*generation) + kGrand + ParentWord(WordsForGender(gender_of(b))) + kOf +
         a + kFullStop;
}

}  // namespace

QString DirectLineRelation(RelationGraph& graph, const GenderLookup& gender_of, const QString& a,
                           const QString& b) {
  return InBothDirections(
      graph, a, b, [&](const QString& x, const Person& px, const QString& y, const Person& py) {
        return DirectLinePass(graph, gender_of, x, px, y, py);
      });
}

}  // namespace kinvale
