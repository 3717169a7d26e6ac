// The texts of the program-wide screen state: start-up titles, the spouse caption, the undo
// and redo items, the family chooser's messages.
#pragma once

#include "store/text.h"

namespace kinvale {

// The window titles start-up shows on its way.
inline constexpr Text kTitleLoading{QT_TRANSLATE_NOOP("Kinvale", "Loading Kinvale ...")};
inline constexpr Text kTitleSettingUp{QT_TRANSLATE_NOOP("Kinvale", "Setting up main screen ...")};
inline constexpr Text kTitleReady{QT_TRANSLATE_NOOP("Kinvale", "Kinvale")};
// The spouse button while the person of interest has no spouse.
inline constexpr Text kNoSpouseCaption{QT_TRANSLATE_NOOP("Kinvale", "Spouse")};
// The Edit menu's items while there is no step to take back or make again.
inline constexpr Text kUndoItem{QT_TRANSLATE_NOOP("Kinvale", "Undo")};
inline constexpr Text kRedoItem{QT_TRANSLATE_NOOP("Kinvale", "Redo")};
// The family chooser's "Create" with no name typed.
inline constexpr Text kFamilyNameMissingMessage{
    QT_TRANSLATE_NOOP("Kinvale", "Type the new family's name in the box first.")};

}  // namespace kinvale
