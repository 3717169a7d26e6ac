// The texts of the relation finder and the descendants window: the pieces every relation
// sentence is built from, the warnings, and the captions of the two windows.
#pragma once

#include <QLocale>
#include <QString>

#include <QStringList>
#include "store/prompter.h"  // the shared button captions

namespace kinvale {

// The answer of every relation kind that does not apply, and the signal to try the next kind.
inline const QString kNoRelationFound = QStringLiteral("No relation found.");

// Siblings and spouses.
inline const QString kAreSiblings = QStringLiteral(" are siblings");
inline const QString kWithSameFather = QStringLiteral(" with the same father");
inline const QString kWithSameMother = QStringLiteral(" with the same mother");
inline const QString kPartJoiner = QStringLiteral(" and");
inline const QString kNamesJoiner = QStringLiteral(" and ");
inline const QString kIsSpouseOf = QStringLiteral(" is a spouse of ");
inline const QString kFullStop = QStringLiteral(".");

// Direct line.
inline const QString kIsFatherOf = QStringLiteral(" is a father of ");
inline const QString kIsMotherOf = QStringLiteral(" is a mother of ");
inline const QString kIsA = QStringLiteral(" is a");
inline const QString kGreat = QStringLiteral(" great");
inline const QString kGrand = QStringLiteral(" grand");
inline const QString kFatherWord = QStringLiteral("father");
inline const QString kMotherWord = QStringLiteral("mother");
inline const QString kParentWord = QStringLiteral("parent");
inline const QString kOf = QStringLiteral(" of ");
// " great" once for every generation beyond the nearest.
inline QString Greats(int count) { return kGreat.repeated(count); }

// Uncles, aunts, great-uncles and great-aunts.
inline const QString kIsAn = QStringLiteral(" is an ");
inline const QString kIsAnUncle = QStringLiteral(" is an uncle");
inline const QString kIsAnAunt = QStringLiteral(" is an aunt");
inline const QString kUncle = QStringLiteral(" uncle");
inline const QString kAunt = QStringLiteral(" aunt");
inline const QString kByMarriage = QStringLiteral(" by marriage");
inline const QString kIsSpouseTo = QStringLiteral(" is a spouse to ");
inline const QString kWhoIsSiblingOf = QStringLiteral(" who is a sibling of ");
inline const QString kIsSiblingOf = QStringLiteral(" is a sibling of ");
inline const QString kPossessiveFather = QStringLiteral("'s father.");
inline const QString kPossessiveMother = QStringLiteral("'s mother.");
inline const QString kPossessive = QStringLiteral("'s");
inline const QString kGrandparent = QStringLiteral(" grandparent");

// Cousins.
inline const QString kIsFirstCousinOf = QStringLiteral(" is a first cousin of ");
inline const QString kCousinIsA = QStringLiteral(" is a ");
inline const QString kCousinOf = QStringLiteral(" cousin of ");
inline const QString kThrough = QStringLiteral(" through ");
// Same-generation cousins by level, from level 2 ("eigth" is the program's spelling).
inline const QStringList kCousinOrdinals = {
    QStringLiteral("second"), QStringLiteral("third"), QStringLiteral("fourth"),
    QStringLiteral("fifth"),  QStringLiteral("sixth"), QStringLiteral("seventh"),
    QStringLiteral("eigth"),  QStringLiteral("ninth"), QStringLiteral("tenth")};
inline const QString kOverTenth = QStringLiteral("over tenth");
// Cousin degrees by the nearer generation of the common ancestor, from generation 2.
inline const QStringList kCousinDegrees = {
    QStringLiteral("first cousin"),   QStringLiteral("second cousin"),
    QStringLiteral("third cousin"),   QStringLiteral("fourth cousin"),
    QStringLiteral("fifth cousin"),   QStringLiteral("sixth cousin"),
    QStringLiteral("seventh cousin"), QStringLiteral("eigth cousin"),
    QStringLiteral("ninth cousin"),   QStringLiteral("tenth cousin")};
// Removals by the difference of the two generations, from 1.
inline const QStringList kCousinRemovals = {
    QStringLiteral("once removed"),        QStringLiteral("twice removed"),
    QStringLiteral("thrice removed"),      QStringLiteral("four times removed"),
    QStringLiteral("five times removed"),  QStringLiteral("six times removed"),
    QStringLiteral("seven times removed"), QStringLiteral("eight times removed"),
    QStringLiteral("nine times removed"),  QStringLiteral("ten times removed")};

// Relationships and relatives: the steps of a path and the words for a relative of any kind,
// beside the relation finder's own words above.
inline const QString kFatherOfStep = QStringLiteral("father of");
inline const QString kMotherOfStep = QStringLiteral("mother of");
inline const QString kChildOfStep = QStringLiteral("child of");
inline const QString kSpouseOfStep = QStringLiteral("spouse of");
inline const QString kParentsOfStep = QStringLiteral("parents of");
inline const QString kSonWord = QStringLiteral("son");
inline const QString kDaughterWord = QStringLiteral("daughter");
inline const QString kChildWord = QStringLiteral("child");
inline const QString kSiblingWord = QStringLiteral("sibling");
inline const QString kSpouseWord = QStringLiteral("spouse");
inline const QString kNephewWord = QStringLiteral(" nephew");
inline const QString kNieceWord = QStringLiteral(" niece");
inline const QString kSiblingOfA = QStringLiteral("sibling of a");
inline const QString kSiblingOfParent = QStringLiteral("sibling of a parent");
inline const QString kOfASibling = QStringLiteral(" of a sibling");
inline const QString kAreSiblingsByMarriage = QStringLiteral(" are siblings by marriage.");
// The groups of the relatives list, in the order shown.
inline const QStringList kRelativeGroupTitles = {
    QStringLiteral("Spouses"),          QStringLiteral("Parents and grandparents"),
    QStringLiteral("Siblings"),         QStringLiteral("Children and grandchildren"),
    QStringLiteral("Uncles and aunts"), QStringLiteral("Nieces and nephews"),
    QStringLiteral("Cousins"),          QStringLiteral("In-laws")};

// The relation finder.
inline const QString kWarningTitle = QStringLiteral("Warning");
inline const QString kGenderMissingStart = QStringLiteral("Gender attribute is missing for ");
inline const QString kGenderMissingEnd = QStringLiteral(". Results may be inaccurate.");
inline QString GenderMissingWarning(const QString& name) {
  return kGenderMissingStart + name + kGenderMissingEnd;
}
inline QString NotInFamilyWarning(const QString& name) {
  return QStringLiteral("\"%1\" is not a person of this family.").arg(name);
}
inline QString SamePersonAnswer(const QString& first, const QString& second) {
  return first + kNamesJoiner + second + QStringLiteral(" are the same person.");
}

// The "Relation Search" window.
inline const QString kRelationSearchTitle = QStringLiteral("Relation Search");
inline const QString kFindRelationCaption = QStringLiteral("Find Relation");
inline const QString kNoPictureCaption = QStringLiteral("No Picture Available");

// The "Relatives" window.
inline const QString kRelativesTitle = QStringLiteral("Relatives");
inline const QString kUpToCousinsCaption = QStringLiteral("Up to cousins of degree");
inline const QStringList kRelativesColumns = {QStringLiteral("Name"), QStringLiteral("Number"),
                                              QStringLiteral("Relationship")};
inline QString NobodyNamedInFamily(const QString& name) {
  return QStringLiteral("There is nobody named \"%1\" in this family.").arg(name);
}

// The "Descendants" window and its save file.
inline const QString kDescendantsTitle = QStringLiteral("Descendants");
inline const QString kIncludeRelationsCaption =
    QStringLiteral("Include relationship of descendants in Save file.");
inline const QString kDescendantsFilePart = QStringLiteral("_Descendants_");
inline const QString kDateSeparator = QStringLiteral("-");
inline const QString kTextFileEnding = QStringLiteral(".txt");
inline const QString kDescendantsOf = QStringLiteral("Descendants of ");
inline const QString kNameRelationSeparator = QStringLiteral(" : ");
inline const QString kFileSaved = QStringLiteral("File Saved");
inline const QString kSaveStatusTitle = QStringLiteral("Save Status");
inline const QString kProblemSaving = QStringLiteral("Problem saving file.");
// Asked before a save replaces a file; %1 the file.
inline const QString kReplaceFileQuestion = QStringLiteral("%1 already exists. Replace it?");

inline QString NobodyNamedMessage(const QString& name) {
  return QStringLiteral(
             "There is nobody named \"%1\" in this family, so there are no "
             "descendants to list.")
      .arg(name);
}
inline QString OwnAncestorMessage(const QString& name) {
  return QStringLiteral(
             "%1 is recorded as their own ancestor, so the descendants repeat without "
             "end. The list stops before the repeat.")
      .arg(name);
}
inline QString DescendantsLimitMessage(int limit) {
  return QStringLiteral(
             "The list stops at %1 entries: a descendant is listed once for every "
             "line of descent, and this family has more lines than that.")
      .arg(QLocale(QLocale::English).toString(limit));
}

}  // namespace kinvale
