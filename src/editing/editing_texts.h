// The texts of family editing: the name entry prompts of the add buttons and the messages of the
// checks that keep a family sound.
#pragma once

#include <QString>

namespace kinvale {

// The relatives the add and remove buttons work on, named as the command line names them.
enum class Relative { kFather, kMother, kSpouse, kSibling, kDependent };

inline const QString kFatherPrompt = QStringLiteral("Enter Father's Name");
inline const QString kMotherPrompt = QStringLiteral("Enter Mother's Name");
inline const QString kSpousePrompt = QStringLiteral("Enter Spouse's Name");
inline const QString kSiblingPrompt = QStringLiteral("Enter Sibling's Name");
inline const QString kDependentPrompt = QStringLiteral("Enter Dependent's Name");

inline const QString kNoFamilyOpenMessage =
    QStringLiteral("No family is open. Choose one with \"Load Family Tree\" first.");
// %1 the person of interest, %2 the relative's word ("father", "spouse", ...).
inline const QString kSelfRelationMessage = QStringLiteral("%1 cannot be their own %2.");
// %1 the relative, %2 the person of interest, %3 the relative's word.
inline const QString kOwnAncestorMessage =
    QStringLiteral("%1 cannot be %2's %3: %1 would become their own ancestor.");
// %1 the folder.
inline const QString kFamilyFolderNotCreatedMessage =
    QStringLiteral("The family folder %1 cannot be created, so no record was saved.");
// Followed by one "name: reason" line per record.
inline const QString kRecordsNotSavedMessage =
    QStringLiteral("These records could not be brought up to date; the next change tries again:");

// The reason given for the other records of a change that one record's failure stopped.
inline const QString kLeftAsItWasReason =
    QStringLiteral("left as it was, so that the family stays consistent");

// "father", "mother", "spouse", "sibling" or "dependent".
QString RelativeWord(Relative relative);

// The names of the changes in the undo history: "Add father John Smith", "Remove sibling Ann".
QString AddStepName(Relative relative, const QString& name);
QString RemoveStepName(Relative relative, const QString& name);

}  // namespace kinvale
