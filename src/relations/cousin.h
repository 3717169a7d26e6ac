// Cousin relations: first cousins, cousins of the same generation through two sibling
// ancestors, and cousins of any degree and removal through a common ancestor.
#pragma once

#include <QString>

namespace kinvale {

class RelationGraph;

// The highest level of the same-generation method (2 for grandparents), and the most distant
// generation of the common-ancestor lists.
inline constexpr int kCousinLevelLimit = 1000;
inline constexpr int kCommonAncestorGenerationLimit = 10;

// The ordinal of a same-generation cousin at level L: "second" for 2 ... "tenth" for 10 ("eigth"
// for 8), "over tenth" above.
QString CousinOrdinal(int level);
// The degree and removal of cousins whose common ancestor is at generation d1 on one side and
// d2 on the other (2 for a grandparent): "first cousin once removed" for 2 and 3. At the same
// generation on both sides the degree alone ("second cousin" for 3 and 3).
QString CousinName(int d1, int d2);

// First with b as the subject, then the other way round: b + " is a first cousin of " + a, b +
// " is a " + ordinal + " cousin of " + a + " through " + two ancestors, or b + " is a " +
// CousinName + " of " + a + " through " + the common ancestor (no full stop); else
// "No relation found.".
QString CousinRelation(RelationGraph& graph, const QString& a, const QString& b);

}  // namespace kinvale
