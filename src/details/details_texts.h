// The texts of the "Update Personal Information" window: captions, the name entry prompts of its
// buttons, and its messages.
#pragma once

#include <QString>

#include "store/text.h"

namespace kinvale {

inline constexpr Text kUpdatePersonTitle{
    QT_TRANSLATE_NOOP("Kinvale", "Update Personal Information")};
// Over the name box while it holds someone new; kEditingMemberCaption while it holds a person of
// the family (%1).
inline constexpr Text kNewMemberCaption{
    QT_TRANSLATE_NOOP("Kinvale", "Enter Name of New Family Member:")};
inline constexpr Text kEditingMemberCaption{
    QT_TRANSLATE_NOOP("Kinvale", "Editing Family Member: %1")};
inline constexpr Text kNameHint{QT_TRANSLATE_NOOP("Kinvale", "(First Middle Last)")};
inline constexpr Text kSelectMemberCaption{
    QT_TRANSLATE_NOOP("Kinvale", "Or Select Existing Family Member:")};
inline constexpr Text kChangeNameCaption{QT_TRANSLATE_NOOP("Kinvale", "Change Name")};
inline constexpr Text kNewEntryCaption{QT_TRANSLATE_NOOP("Kinvale", "New Entry")};

inline constexpr Text kNewNamePrompt{QT_TRANSLATE_NOOP("Kinvale", "Enter New Name")};
inline constexpr Text kConfirmChangeTitle{QT_TRANSLATE_NOOP("Kinvale", "Confirm Change")};
inline QString ConfirmChangeText(const QString& old_name, const QString& new_name) {
  return QStringLiteral("Change ") + old_name + QStringLiteral(" to ") + new_name + u'?';
}

// Followed by the path of the record that is missing.
inline constexpr Text kErrorReadingFile{QT_TRANSLATE_NOOP("Kinvale", "Error reading file ")};
inline constexpr Text kSystemErrorTitle{QT_TRANSLATE_NOOP("Kinvale", "System Error")};

// %1 the name typed, %2 the person of the family it matches.
inline constexpr Text kLooseNameMatchMessage{QT_TRANSLATE_NOOP(
    "Kinvale",
    "\"%1\" is already in the family as \"%2\". Select %2 in the list, or type the name "
    "exactly as it is listed.")};
// %1 the person.
inline constexpr Text kPartialRecordMessage{QT_TRANSLATE_NOOP(
    "Kinvale", "The record of %1 could not be read to its end, so it was left as it is.")};

// %1 the person: the question asked before typed changes are left behind.
inline constexpr Text kSaveChangesQuestion{QT_TRANSLATE_NOOP("Kinvale", "Save the changes to %1?")};
inline constexpr Text kUnsavedChangesTitle{QT_TRANSLATE_NOOP("Kinvale", "Unsaved Changes")};
// The name box's person when it holds a name nobody has yet.
inline constexpr Text kNewPersonLabel{QT_TRANSLATE_NOOP("Kinvale", "a new person")};

// The names of the editor's changes in the undo history.
inline QString EditStepName(const QString& name) { return QStringLiteral("Edit ") + name; }
inline QString CreateStepName(const QString& name) { return QStringLiteral("Create ") + name; }
inline QString RenameStepName(const QString& old_name, const QString& new_name) {
  return QStringLiteral("Rename %1 to %2").arg(old_name, new_name);
}

}  // namespace kinvale
