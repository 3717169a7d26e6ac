// The descendants search: everyone descended from a chosen person, generation by generation and
// once for every line of descent; each descendant's relation to that person; the save file.
#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

#include "relations/genders.h"

namespace kinvale {

class FamilyIndex;
class RelationGraph;

inline constexpr int kDescendantsLimit = 1000000;
inline constexpr int kDescendantsGenerationLimit = 10000;

struct DescendantsList {
  QStringList names;             // children first, then grandchildren, and so on; a shared name is
                                 // told apart by number and dates
  std::vector<int> rows;         // the person behind each name
  std::vector<int> generations;  // the generation of each name: 1 for a child, 2 for a grandchild
  QString problem;  // why the list is empty or stopped early; empty when it is complete
};

// The descendants of the person the name names: the rows naming that person's number as father
// or mother, in index order, then theirs, and so on. Stops, with a problem saying why, when a
// person recorded as their own ancestor comes round again, and after limit entries.
DescendantsList FindDescendants(const FamilyIndex& index, const QString& name,
                                int limit = kDescendantsLimit);

// The sentence a click on each descendant gives (AncestryRelation(descendant, person)), worked
// out once for each name however often it is listed.
QStringList DescendantRelations(RelationGraph& graph, const GenderLookup& gender_of,
                                const QString& person, const QStringList& descendants);

// The save file's default name: the person, "_Descendants_", the date (2026-12-06), ".txt".
QString DescendantsFileName(const QString& person, const QDate& date);

// Writes the list atomically: "Descendants of " and the person, then one line per descendant,
// followed by " : " and the relation when relations are given (one for each name). False with
// the reason in error when the file cannot be written.
bool SaveDescendantsFile(const QString& path, const QString& person, const QStringList& names,
                         const QStringList& relations, QString* error);

}  // namespace kinvale
