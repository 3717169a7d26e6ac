// Texts every part of the program shares: its title and the captions of the common buttons.
#pragma once

#include "store/text.h"

namespace kinvale {

inline constexpr Text kApplicationTitle{QT_TRANSLATE_NOOP("Kinvale", "Kinvale")};
// The one-line name entry dialog that answers LineEntry in the window program.
inline constexpr Text kLineEntryTitle{QT_TRANSLATE_NOOP("Kinvale", "Enter Name")};
inline constexpr Text kApplyCaption{QT_TRANSLATE_NOOP("Kinvale", "Apply")};
inline constexpr Text kCancelCaption{QT_TRANSLATE_NOOP("Kinvale", "Cancel")};
// The button that closes most windows.
inline constexpr Text kReturnCaption{QT_TRANSLATE_NOOP("Kinvale", "Return")};
// The button that makes the person a window shows the person of interest, saving nothing.
inline constexpr Text kGoToCaption{QT_TRANSLATE_NOOP("Kinvale", "Go to")};
inline constexpr Text kSaveCaption{QT_TRANSLATE_NOOP("Kinvale", "Save")};
inline constexpr Text kSearchCaption{QT_TRANSLATE_NOOP("Kinvale", "Search")};

// The title of the dialog that chooses a file to save.
inline constexpr Text kSaveAsTitle{QT_TRANSLATE_NOOP("Kinvale", "Save As")};
inline constexpr Text kCloseCaption{QT_TRANSLATE_NOOP("Kinvale", "Close")};

}  // namespace kinvale
