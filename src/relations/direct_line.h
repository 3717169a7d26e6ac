// Direct-line relations: whether one of two people is a parent, grandparent or more distant
// ancestor of the other, named father, mother, grandfather ... with one " great" a generation.
#pragma once

#include <QString>

#include "relations/genders.h"

namespace kinvale {

class RelationGraph;

// The most distant generation a direct-line walk examines (the count of " great" words).
inline constexpr int kDirectLineGenerationLimit = 10000;

// First with b as the candidate ancestor of a, then the other way round: b + " is a father of "
// + a + ".", " is a mother of ", or " is a" + greats + " grand" + father/mother/parent (by the
// ancestor's gender) + " of " + a + "."; "No relation found." otherwise.
QString DirectLineRelation(RelationGraph& graph, const GenderLookup& gender_of, const QString& a,
                           const QString& b);

}  // namespace kinvale
