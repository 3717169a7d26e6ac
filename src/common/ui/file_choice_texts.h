// The texts of the file choices: the kinds of file the file dialog offers and the rows of the
// windows that show the file chosen.
#pragma once

#include "store/text.h"

namespace kinvale {

// %1: the patterns of every picture format the program reads ("*.bmp *.gif *.jpg ...").
inline constexpr Text kPictureFilter{QT_TRANSLATE_NOOP("Kinvale", "Pictures (%1)")};
inline constexpr Text kGedcomFilter{QT_TRANSLATE_NOOP("Kinvale", "GEDCOM files (*.ged)")};
inline constexpr Text kTextFilter{QT_TRANSLATE_NOOP("Kinvale", "Text files (*.txt)")};
inline constexpr Text kAllFilesFilter{QT_TRANSLATE_NOOP("Kinvale", "All files (*)")};

inline constexpr Text kGedcomFileCaption{QT_TRANSLATE_NOOP("Kinvale", "&GEDCOM file:")};
inline constexpr Text kChooseFileCaption{QT_TRANSLATE_NOOP("Kinvale", "&Choose File...")};
inline constexpr Text kNoFileChosen{QT_TRANSLATE_NOOP("Kinvale", "(no file chosen)")};

}  // namespace kinvale
