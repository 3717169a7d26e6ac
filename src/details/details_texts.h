// The texts of the "Update Personal Information" window: captions, the name entry prompts of its
// buttons, and its messages.
#pragma once

#include <QString>
#include <QStringList>

#include "store/prompter.h"  // the "Apply" and "Cancel" captions

namespace kinvale {

inline const QString kUpdatePersonTitle = QStringLiteral("Update Personal Information");
inline const QString kNewMemberCaption = QStringLiteral("Enter Name of New Family Member:");
inline const QString kNameHint = QStringLiteral("(First Middle Last)");
inline const QString kSelectMemberCaption = QStringLiteral("Or Select Existing Family Member:");
inline const QString kChangeNameCaption = QStringLiteral("Change Name");
inline const QString kNewEntryCaption = QStringLiteral("New Entry");
inline const QString kAddEntryCaption = QStringLiteral("+");
inline const QString kRemoveEntryCaption = QStringLiteral("-");

// The gender selector's choices, in order; any other text may be typed.
inline const QStringList kGenderChoices = {QStringLiteral("Male"), QStringLiteral("Female")};

inline const QString kNewNamePrompt = QStringLiteral("Enter New Name");
inline const QString kConfirmChangeTitle = QStringLiteral("Confirm Change");
inline QString ConfirmChangeText(const QString& old_name, const QString& new_name) {
  return QStringLiteral("Change ") + old_name + QStringLiteral(" to ") + new_name + u'?';
}

// Followed by the path of the record that is missing.
inline const QString kErrorReadingFile = QStringLiteral("Error reading file ");
inline const QString kSystemErrorTitle = QStringLiteral("System Error");

// %1 the name typed, %2 the person of the family it matches.
inline const QString kLooseNameMatchMessage = QStringLiteral(
    "\"%1\" is already in the family as \"%2\". Select %2 in the list, or type the name "
    "exactly as it is listed.");
// %1 the person.
inline const QString kPartialRecordMessage =
    QStringLiteral("The record of %1 could not be read to its end, so it was left as it is.");

// %1 the person: the question asked before typed changes are left behind.
inline const QString kSaveChangesQuestion = QStringLiteral("Save the changes to %1?");
inline const QString kUnsavedChangesTitle = QStringLiteral("Unsaved Changes");
// The name box's person when it holds a name nobody has yet.
inline const QString kNewPersonLabel = QStringLiteral("a new person");

// The names of the editor's changes in the undo history.
inline QString EditStepName(const QString& name) { return QStringLiteral("Edit ") + name; }
inline QString CreateStepName(const QString& name) { return QStringLiteral("Create ") + name; }
inline QString RenameStepName(const QString& old_name, const QString& new_name) {
  return QStringLiteral("Rename %1 to %2").arg(old_name, new_name);
}

}  // namespace kinvale
