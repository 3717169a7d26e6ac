// The texts of the relation finder and the descendants window: the pieces every relation
// sentence is built from, the warnings, and the captions of the two windows.
#pragma once

#include <QString>

#include "store/prompter.h"  // the shared button captions
#include "store/text.h"

namespace kinvale {

// The answer of every relation kind that does not apply, and the signal to try the next kind.
inline constexpr Text kNoRelationFound{QT_TRANSLATE_NOOP("Kinvale", "No relation found.")};

// Siblings and spouses.
inline constexpr Text kAreSiblings{QT_TRANSLATE_NOOP("Kinvale", " are siblings")};
inline constexpr Text kWithSameFather{QT_TRANSLATE_NOOP("Kinvale", " with the same father")};
inline constexpr Text kWithSameMother{QT_TRANSLATE_NOOP("Kinvale", " with the same mother")};
inline constexpr Text kPartJoiner{QT_TRANSLATE_NOOP("Kinvale", " and")};
inline constexpr Text kNamesJoiner{QT_TRANSLATE_NOOP("Kinvale", " and ")};
inline constexpr Text kIsSpouseOf{QT_TRANSLATE_NOOP("Kinvale", " is a spouse of ")};
inline constexpr Text kFullStop{QT_TRANSLATE_NOOP("Kinvale", ".")};

// Direct line.
inline constexpr Text kIsFatherOf{QT_TRANSLATE_NOOP("Kinvale", " is a father of ")};
inline constexpr Text kIsMotherOf{QT_TRANSLATE_NOOP("Kinvale", " is a mother of ")};
inline constexpr Text kIsA{QT_TRANSLATE_NOOP("Kinvale", " is a")};
inline constexpr Text kGreat{QT_TRANSLATE_NOOP("Kinvale", " great")};
inline constexpr Text kGrand{QT_TRANSLATE_NOOP("Kinvale", " grand")};
inline constexpr Text kFatherWord{QT_TRANSLATE_NOOP("Kinvale", "father")};
inline constexpr Text kMotherWord{QT_TRANSLATE_NOOP("Kinvale", "mother")};
inline constexpr Text kParentWord{QT_TRANSLATE_NOOP("Kinvale", "parent")};
inline constexpr Text kOf{QT_TRANSLATE_NOOP("Kinvale", " of ")};
// " great" once for every generation beyond the nearest.
inline QString Greats(int count) { return kGreat.ToString().repeated(count); }

// Uncles, aunts, great-uncles and great-aunts.
inline constexpr Text kIsAn{QT_TRANSLATE_NOOP("Kinvale", " is an ")};
inline constexpr Text kIsAnUncle{QT_TRANSLATE_NOOP("Kinvale", " is an uncle")};
inline constexpr Text kIsAnAunt{QT_TRANSLATE_NOOP("Kinvale", " is an aunt")};
inline constexpr Text kUncle{QT_TRANSLATE_NOOP("Kinvale", " uncle")};
inline constexpr Text kAunt{QT_TRANSLATE_NOOP("Kinvale", " aunt")};
inline constexpr Text kByMarriage{QT_TRANSLATE_NOOP("Kinvale", " by marriage")};
inline constexpr Text kIsSpouseTo{QT_TRANSLATE_NOOP("Kinvale", " is a spouse to ")};
inline constexpr Text kWhoIsSiblingOf{QT_TRANSLATE_NOOP("Kinvale", " who is a sibling of ")};
inline constexpr Text kIsSiblingOf{QT_TRANSLATE_NOOP("Kinvale", " is a sibling of ")};
inline constexpr Text kPossessiveFather{QT_TRANSLATE_NOOP("Kinvale", "'s father.")};
inline constexpr Text kPossessiveMother{QT_TRANSLATE_NOOP("Kinvale", "'s mother.")};
inline constexpr Text kPossessive{QT_TRANSLATE_NOOP("Kinvale", "'s")};
inline constexpr Text kGrandparent{QT_TRANSLATE_NOOP("Kinvale", " grandparent")};

// Cousins.
inline constexpr Text kIsFirstCousinOf{QT_TRANSLATE_NOOP("Kinvale", " is a first cousin of ")};
inline constexpr Text kCousinIsA{QT_TRANSLATE_NOOP("Kinvale", " is a ")};
inline constexpr Text kCousinOf{QT_TRANSLATE_NOOP("Kinvale", " cousin of ")};
inline constexpr Text kThrough{QT_TRANSLATE_NOOP("Kinvale", " through ")};
// Same-generation cousins by level, from level 2 ("eigth" is the program's spelling).
inline constexpr TextList<9> kCousinOrdinals{
    {Text{QT_TRANSLATE_NOOP("Kinvale", "second")}, Text{QT_TRANSLATE_NOOP("Kinvale", "third")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "fourth")}, Text{QT_TRANSLATE_NOOP("Kinvale", "fifth")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "sixth")}, Text{QT_TRANSLATE_NOOP("Kinvale", "seventh")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "eigth")}, Text{QT_TRANSLATE_NOOP("Kinvale", "ninth")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "tenth")}}};
inline constexpr Text kOverTenth{QT_TRANSLATE_NOOP("Kinvale", "over tenth")};
// Cousin degrees by the nearer generation of the common ancestor, from generation 2.
inline constexpr TextList<10> kCousinDegrees{{Text{QT_TRANSLATE_NOOP("Kinvale", "first cousin")},
                                              Text{QT_TRANSLATE_NOOP("Kinvale", "second cousin")},
                                              Text{QT_TRANSLATE_NOOP("Kinvale", "third cousin")},
                                              Text{QT_TRANSLATE_NOOP("Kinvale", "fourth cousin")},
                                              Text{QT_TRANSLATE_NOOP("Kinvale", "fifth cousin")},
                                              Text{QT_TRANSLATE_NOOP("Kinvale", "sixth cousin")},
                                              Text{QT_TRANSLATE_NOOP("Kinvale", "seventh cousin")},
                                              Text{QT_TRANSLATE_NOOP("Kinvale", "eigth cousin")},
                                              Text{QT_TRANSLATE_NOOP("Kinvale", "ninth cousin")},
                                              Text{QT_TRANSLATE_NOOP("Kinvale", "tenth cousin")}}};
// Removals by the difference of the two generations, from 1.
inline constexpr TextList<10> kCousinRemovals{
    {Text{QT_TRANSLATE_NOOP("Kinvale", "once removed")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "twice removed")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "thrice removed")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "four times removed")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "five times removed")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "six times removed")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "seven times removed")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "eight times removed")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "nine times removed")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "ten times removed")}}};

// Relationships and relatives: the steps of a path and the words for a relative of any kind,
// beside the relation finder's own words above.
inline constexpr Text kFatherOfStep{QT_TRANSLATE_NOOP("Kinvale", "father of")};
inline constexpr Text kMotherOfStep{QT_TRANSLATE_NOOP("Kinvale", "mother of")};
inline constexpr Text kChildOfStep{QT_TRANSLATE_NOOP("Kinvale", "child of")};
inline constexpr Text kSpouseOfStep{QT_TRANSLATE_NOOP("Kinvale", "spouse of")};
inline constexpr Text kParentsOfStep{QT_TRANSLATE_NOOP("Kinvale", "parents of")};
inline constexpr Text kSonWord{QT_TRANSLATE_NOOP("Kinvale", "son")};
inline constexpr Text kDaughterWord{QT_TRANSLATE_NOOP("Kinvale", "daughter")};
inline constexpr Text kChildWord{QT_TRANSLATE_NOOP("Kinvale", "child")};
inline constexpr Text kSiblingWord{QT_TRANSLATE_NOOP("Kinvale", "sibling")};
inline constexpr Text kSpouseWord{QT_TRANSLATE_NOOP("Kinvale", "spouse")};
inline constexpr Text kNephewWord{QT_TRANSLATE_NOOP("Kinvale", " nephew")};
inline constexpr Text kNieceWord{QT_TRANSLATE_NOOP("Kinvale", " niece")};
inline constexpr Text kSiblingOfA{QT_TRANSLATE_NOOP("Kinvale", "sibling of a")};
inline constexpr Text kSiblingOfParent{QT_TRANSLATE_NOOP("Kinvale", "sibling of a parent")};
inline constexpr Text kOfASibling{QT_TRANSLATE_NOOP("Kinvale", " of a sibling")};
inline constexpr Text kAreSiblingsByMarriage{
    QT_TRANSLATE_NOOP("Kinvale", " are siblings by marriage.")};
// The groups of the relatives list, in the order shown.
inline constexpr TextList<8> kRelativeGroupTitles{
    {Text{QT_TRANSLATE_NOOP("Kinvale", "Spouses")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "Parents and grandparents")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "Siblings")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "Children and grandchildren")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "Uncles and aunts")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "Nieces and nephews")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "Cousins")}, Text{QT_TRANSLATE_NOOP("Kinvale", "In-laws")}}};

// The relation finder.
inline constexpr Text kWarningTitle{QT_TRANSLATE_NOOP("Kinvale", "Warning")};
inline constexpr Text kGenderMissingStart{
    QT_TRANSLATE_NOOP("Kinvale", "Gender attribute is missing for ")};
inline constexpr Text kGenderMissingEnd{
    QT_TRANSLATE_NOOP("Kinvale", ". Results may be inaccurate.")};
inline QString GenderMissingWarning(const QString& name) {
  return kGenderMissingStart + name + kGenderMissingEnd;
}
inline constexpr Text kNotInFamilyWarning{
    QT_TRANSLATE_NOOP("Kinvale", "\"%1\" is not a person of this family.")};
inline QString NotInFamilyWarning(const QString& name) { return kNotInFamilyWarning.arg(name); }
inline constexpr Text kAreSamePerson{QT_TRANSLATE_NOOP("Kinvale", " are the same person.")};
inline QString SamePersonAnswer(const QString& first, const QString& second) {
  return first + kNamesJoiner + second + kAreSamePerson;
}

// The "Relation Search" window.
inline constexpr Text kRelationSearchTitle{QT_TRANSLATE_NOOP("Kinvale", "Relation Search")};
inline constexpr Text kFindRelationCaption{QT_TRANSLATE_NOOP("Kinvale", "Find Relation")};
inline constexpr Text kNoPictureCaption{QT_TRANSLATE_NOOP("Kinvale", "No Picture Available")};

// The "Relatives" window.
inline constexpr Text kRelativesTitle{QT_TRANSLATE_NOOP("Kinvale", "Relatives")};
inline constexpr Text kUpToCousinsCaption{QT_TRANSLATE_NOOP("Kinvale", "Up to cousins of degree")};
inline constexpr TextList<3> kRelativesColumns{
    {Text{QT_TRANSLATE_NOOP("Kinvale", "Name")}, Text{QT_TRANSLATE_NOOP("Kinvale", "Number")},
     Text{QT_TRANSLATE_NOOP("Kinvale", "Relationship")}}};
inline constexpr Text kNobodyNamedInFamily{
    QT_TRANSLATE_NOOP("Kinvale", "There is nobody named \"%1\" in this family.")};
inline QString NobodyNamedInFamily(const QString& name) { return kNobodyNamedInFamily.arg(name); }

// The "Descendants" window and its save file.
inline constexpr Text kDescendantsTitle{QT_TRANSLATE_NOOP("Kinvale", "Descendants")};
inline constexpr Text kIncludeRelationsCaption{
    QT_TRANSLATE_NOOP("Kinvale", "Include relationship of descendants in Save file.")};
// The first line of the save file, followed by the person.
inline constexpr Text kDescendantsOf{QT_TRANSLATE_NOOP("Kinvale", "Descendants of ")};
inline constexpr Text kFileSaved{QT_TRANSLATE_NOOP("Kinvale", "File Saved")};
inline constexpr Text kSaveStatusTitle{QT_TRANSLATE_NOOP("Kinvale", "Save Status")};
inline constexpr Text kProblemSaving{QT_TRANSLATE_NOOP("Kinvale", "Problem saving file.")};
// Asked before a save replaces a file; %1 the file.
inline constexpr Text kReplaceFileQuestion{
    QT_TRANSLATE_NOOP("Kinvale", "%1 already exists. Replace it?")};

// %1 the name.
inline constexpr Text kNobodyNamedMessage{QT_TRANSLATE_NOOP(
    "Kinvale",
    "There is nobody named \"%1\" in this family, so there are no descendants to list.")};
inline constexpr Text kOwnAncestorListMessage{QT_TRANSLATE_NOOP(
    "Kinvale",
    "%1 is recorded as their own ancestor, so the descendants repeat without end. The list "
    "stops before the repeat.")};
// %1 the limit, written with a thousands separator.
inline constexpr Text kDescendantsLimitMessage{QT_TRANSLATE_NOOP(
    "Kinvale",
    "The list stops at %1 entries: a descendant is listed once for every line of descent, and "
    "this family has more lines than that.")};

}  // namespace kinvale
