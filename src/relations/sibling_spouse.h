// The two simplest relation kinds: siblings, as the second person's link string lists them,
// and spouses, as the second person's spouse number names them.
#pragma once

#include <QString>

namespace kinvale {

class RelationGraph;

// a + " and " + b + " are siblings", the parents they share, "."; or "No relation found.". Only
// b's sibling group is read: a counts as b's sibling when b's link string lists a.
QString SiblingRelation(RelationGraph& graph, const QString& a, const QString& b);
// a + " is a spouse of " + b + "." when a is exactly the name b's spouse number gives.
QString SpouseRelation(RelationGraph& graph, const QString& a, const QString& b);

}  // namespace kinvale
