// The texts of family editing: the name entry prompts of the add buttons and the messages of the
// checks that keep a family sound.
#pragma once

#include <QString>

#include "store/text.h"

namespace kinvale {

// The relatives the add and remove buttons work on.
enum class Relative { kFather, kMother, kSpouse, kSibling, kDependent };

inline constexpr Text kFatherPrompt{QT_TRANSLATE_NOOP("Kinvale", "Enter Father's Name")};
inline constexpr Text kMotherPrompt{QT_TRANSLATE_NOOP("Kinvale", "Enter Mother's Name")};
inline constexpr Text kSpousePrompt{QT_TRANSLATE_NOOP("Kinvale", "Enter Spouse's Name")};
inline constexpr Text kSiblingPrompt{QT_TRANSLATE_NOOP("Kinvale", "Enter Sibling's Name")};
inline constexpr Text kDependentPrompt{QT_TRANSLATE_NOOP("Kinvale", "Enter Dependent's Name")};

inline constexpr Text kNoFamilyOpenMessage{
    QT_TRANSLATE_NOOP("Kinvale", "No family is open. Choose one with \"Load Family Tree\" first.")};
// %1 the person of interest, %2 the relative's word ("father", "spouse", ...).
inline constexpr Text kSelfRelationMessage{
    QT_TRANSLATE_NOOP("Kinvale", "%1 cannot be their own %2.")};
// %1 the relative, %2 the person of interest, %3 the relative's word.
inline constexpr Text kOwnAncestorMessage{
    QT_TRANSLATE_NOOP("Kinvale", "%1 cannot be %2's %3: %1 would become their own ancestor.")};
// %1 the folder.
inline constexpr Text kFamilyFolderNotCreatedMessage{QT_TRANSLATE_NOOP(
    "Kinvale", "The family folder %1 cannot be created, so no record was saved.")};
// Followed by one "name: reason" line per record.
inline constexpr Text kRecordsNotSavedMessage{QT_TRANSLATE_NOOP(
    "Kinvale", "These records could not be brought up to date; the next change tries again:")};

// The reason given for the other records of a change that one record's failure stopped.
inline constexpr Text kLeftAsItWasReason{
    QT_TRANSLATE_NOOP("Kinvale", "left as it was, so that the family stays consistent")};

// "father", "mother", "spouse", "sibling" or "dependent".
QString RelativeWord(Relative relative);

// The names of the changes in the undo history: "Add father John Smith", "Remove sibling Ann".
QString AddStepName(Relative relative, const QString& name);
QString RemoveStepName(Relative relative, const QString& name);

}  // namespace kinvale
