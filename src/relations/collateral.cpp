#include "relations/collateral.h"

#include <algorithm>
#include <optional>

#include "relations/generation_walk.h"
#include "relations/relation_graph.h"
#include "relations/relation_texts.h"
#include "relations/two_passes.h"

namespace kinvale {

namespace {

using Person = RelationGraph::Person;

enum class Side { kFather, kMother };

QString Suffix(bool by_marriage) { return by_marriage ? kByMarriage : QString(); }

QString UncleSentence(const QString& a, const QString& b, GenderWords words, Side side,
                      const QString& sibling_name, bool by_marriage) {
  switch (words) {
    case GenderWords::kMale:
      return b + kIsAnUncle + Suffix(by_marriage) + kOf + a + kFullStop;
    case GenderWords::kFemale:
      return b + kIsAnAunt + Suffix(by_marriage) + kOf + a + kFullStop;
    case GenderWords::kNeutral:
      break;
  }
  const QString parent = side == Side::kFather ? kPossessiveFather : kPossessiveMother;
  if (by_marriage) return b + kIsSpouseTo + sibling_name + kWhoIsSiblingOf + a + parent;
  return b + kIsSiblingOf + a + parent;
}

QString GreatSentence(const QString& a, const QString& b, GenderWords words, int level,
                      bool by_marriage) {
  switch (words) {
    case GenderWords::kMale:
      return b + kIsA + Greats(level) + kGreat + kUncle + Suffix(by_marriage) + kOf + a + kFullStop;
    case GenderWords::kFemale:
      return b + kIsA + Greats(level) + kGreat + kAunt + Suffix(by_marriage) + kOf + a + kFullStop;
    case GenderWords::kNeutral:
      break;
  }
  return b + kIsSiblingOf + a + kPossessive + Greats(level) + kGrandparent + Suffix(by_marriage) +
         kFullStop;
}

class CollateralPass {
 public:
  CollateralPass(RelationGraph& graph, const GenderLookup& gender_of, const QString& a,
                 const Person& person_a, const QString& b, const Person& person_b)
      : graph_(graph),
        gender_of_(gender_of),
        a_(a),
        person_a_(person_a),
        b_(b),
        target_(person_b.own) {
    for (Code sibling : person_b.siblings) siblings_of_b_.Insert(sibling);
  }

  std::optional<QString> Run() {
    if (auto answer = UncleOrAunt(Side::kFather)) return answer;
    if (auto answer = UncleOrAunt(Side::kMother)) return answer;
    return GreatUncleOrAunt();
  }

 private:
  bool MarriedToTarget(Code code) { return graph_.PersonOf(code).spouse == target_; }

  // b among the siblings of a's parents on one side, or married to one of them.
  std::optional<QString> UncleOrAunt(Side side) {
    for (Code parent : side == Side::kFather ? person_a_.fathers : person_a_.mothers) {
      for (Code sibling : graph_.PersonOf(parent).siblings) {
        const bool by_marriage = MarriedToTarget(sibling);
        if (sibling != target_ && !by_marriage) continue;
        return UncleSentence(a_, b_, Words(), side, graph_.NameOf(sibling), by_marriage);
      }
    }
    return std::nullopt;
  }

  // The sibling test of great-uncles reads b's own sibling group (SiblingRelation).
  bool ListedAsSiblingOfB(Code ancestor) {
    const Person& person = graph_.PersonOf(ancestor);
    return person.somebody && siblings_of_b_.Contains(person.own);
  }

  bool HasSiblingMarriedToB(Code ancestor) {
    const std::span<const Code> siblings = graph_.PersonOf(ancestor).siblings;
    return std::any_of(siblings.begin(), siblings.end(),
                       [this](Code sibling) { return MarriedToTarget(sibling); });
  }

  // The grandparents' blood siblings come first, then generation by generation each ancestor's
  // blood sibling before the spouse of a sibling.
  std::optional<QString> GreatUncleOrAunt() {
    GenerationWalk walk(graph_, person_a_, GenerationWalk::Repeats::kFirstReachOnly);
    const std::vector<Code>& grandparents = walk.generation();
    if (std::any_of(grandparents.begin(), grandparents.end(),
                    [this](Code code) { return ListedAsSiblingOfB(code); })) {
      return GreatSentence(a_, b_, Words(), 0, false);
    }
    for (; !walk.AtEnd() && walk.level() < kCollateralGenerationLimit; walk.Advance()) {
      for (Code ancestor : walk.generation()) {
        if (ListedAsSiblingOfB(ancestor))
          return GreatSentence(a_, b_, Words(), walk.level(), false);
        if (HasSiblingMarriedToB(ancestor)) {
          return GreatSentence(a_, b_, Words(), walk.level(), true);
        }
      }
    }
    return std::nullopt;
  }

  GenderWords Words() const { return WordsForGender(gender_of_(b_)); }

  RelationGraph& graph_;
  const GenderLookup& gender_of_;
  const QString& a_;
  const Person& person_a_;
  const QString& b_;
  const Code target_;
  CodeSet siblings_of_b_;
};

}  // namespace

QString CollateralRelation(RelationGraph& graph, const GenderLookup& gender_of, const QString& a,
                           const QString& b) {
  return InBothDirections(
      graph, a, b, [&](const QString& x, const Person& px, const QString& y, const Person& py) {
        return CollateralPass(graph, gender_of, x, px, y, py).Run();
      });
}

}  // namespace kinvale
