#include "relations/sibling_spouse.h"

#include <algorithm>

#include "relations/relation_graph.h"
#include "relations/relation_primitives.h"
#include "relations/relation_texts.h"
#include "store/family_index.h"
#include "store/link_string.h"
#include "store/person_number.h"

namespace kinvale {

QString SiblingRelation(RelationGraph& graph, const QString& a, const QString& b) {
  const RelationGraph::Person* person_a = graph.PersonNamed(a);
  if (!person_a || !graph.PersonNamed(b)) return kNoRelationFound;
  const FamilyIndex& index = graph.index();
  const QString siblings_of_b = SiblingNumbersOf(index, b);
  const std::vector<QStringView> pieces = GroupPieces(siblings_of_b);
  const QStringView number_a = OwnNumber(index.row(person_a->row).link);
  if (std::find(pieces.begin(), pieces.end(), number_a) == pieces.end()) return kNoRelationFound;

  const bool same_father = SameFather(index, a, b) != kNobody;
  const bool same_mother = SameMother(index, a, b) != kNobody;
  return a + kNamesJoiner + b + kAreSiblings + (same_father ? kWithSameFather : QString()) +
         (same_father && same_mother ? kPartJoiner : QString()) +
         (same_mother ? kWithSameMother : QString()) + kFullStop;
}

QString SpouseRelation(RelationGraph& graph, const QString& a, const QString& b) {
  if (!graph.PersonNamed(a) || !graph.PersonNamed(b)) return kNoRelationFound;
  const FamilyIndex& index = graph.index();
  if (a != index.NameOfNumber(SpouseNumberOf(index, b))) return kNoRelationFound;
  return a + kIsSpouseOf + b + kFullStop;
}

}  // namespace kinvale
