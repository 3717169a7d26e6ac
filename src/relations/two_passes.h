// The two passes of every walking relation kind: first with b as the candidate relative of a,
// then with the two exchanged. A name that names nobody has no relatives.
#pragma once

#include <QString>
#include <optional>

#include "relations/relation_graph.h"
#include "relations/relation_texts.h"

namespace kinvale {

// pass(a, person a, b, person b) gives the sentence, or nullopt when b is not such a relative.
template <typename Pass>
QString InBothDirections(RelationGraph& graph, const QString& a, const QString& b, Pass pass) {
  const RelationGraph::Person* person_a = graph.PersonNamed(a);
  const RelationGraph::Person* person_b = graph.PersonNamed(b);
  if (!person_a || !person_b) return kNoRelationFound;
  if (std::optional<QString> answer = pass(a, *person_a, b, *person_b)) return *answer;
  if (std::optional<QString> answer = pass(b, *person_b, a, *person_a)) return *answer;
  return kNoRelationFound;
}

}  // namespace kinvale
