// The relation finder: the order in which the relation kinds are tried, the warnings shown
// before the answer, and what the "Relation Search" window lists and shows.
#pragma once

#include <QString>
#include <QStringList>

#include "relations/genders.h"

namespace kinvale {

class FamilyIndex;
class Prompter;
class RelationGraph;
struct LoadedFamily;
struct Session;

struct RelationFinding {
  QStringList warnings;  // in the order they are shown, the first person's first
  QString answer;
};

// Direct line, then collateral, then cousins: the first answer other than "No relation found.".
// The kinds the descendants window tries for a descendant a of the chosen person b.
QString AncestryRelation(RelationGraph& graph, const GenderLookup& gender_of, const QString& a,
                         const QString& b);

// The finder. A warning for each of the two names that names nobody of the family, or whose
// gender is missing; then siblings, spouses and the ancestry kinds, the first that applies. One
// person chosen twice is answered with a sentence saying so.
RelationFinding FindRelation(RelationGraph& graph, const GenderLookup& gender_of,
                             const QString& first, const QString& second);
// The same with the genders read from the records as they are now, each warning shown in a box
// titled "Warning" before the answer is given.
QString FindRelation(const Session& session, RelationGraph& graph, Prompter& prompter,
                     const QString& first, const QString& second);

// The names the window lists: the person's name from each family file, backup copies (a name
// holding "copy" in any case) left out, in file-list order. A name that several people carry is
// told apart by number and dates, and the relation kinds take that text for the one person.
QStringList RelationPersonNames(const FamilyIndex& index, const QStringList& family_files);

// The photo to show for a person: line 7 of their record when it names a file that exists;
// empty when there is none to show.
QString PhotoToShow(const LoadedFamily& family, const QString& name);

}  // namespace kinvale
