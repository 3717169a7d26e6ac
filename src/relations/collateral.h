// Collateral relations: uncles and aunts (a sibling of a parent, or the spouse of one, "by
// marriage") and great-uncles and great-aunts of any degree (a sibling of a grandparent or of
// a more distant ancestor, or the spouse of one).
#pragma once

#include <QString>

#include "relations/genders.h"

namespace kinvale {

class RelationGraph;

// The most distant generation the great-uncle walk examines.
inline constexpr int kCollateralGenerationLimit = 1000;

// First with b as the candidate uncle or aunt of a, then the other way round. The words follow
// b's gender; with a gender other than "Male" and "Female" a blood uncle or aunt reads b +
// " is a sibling of " + a + "'s father." (or "'s mother."). "No relation found." otherwise.
QString CollateralRelation(RelationGraph& graph, const GenderLookup& gender_of, const QString& a,
                           const QString& b);

}  // namespace kinvale
