// The texts of the window program's own command line and of a start that fails.
#pragma once

#include "store/text.h"

namespace kinvale {

inline constexpr Text kAppDescription{
    QT_TRANSLATE_NOOP("Kinvale", "Kinvale, a family tree program.")};
inline constexpr Text kDataDirOptionHelp{QT_TRANSLATE_NOOP(
    "Kinvale", "Keep the families and settings in DIR instead of the usual folder.")};
inline constexpr Text kScreenshotOptionHelp{QT_TRANSLATE_NOOP(
    "Kinvale", "Start as usual, save a picture of the main window to FILE and exit.")};
inline constexpr Text kChartOptionHelp{
    QT_TRANSLATE_NOOP("Kinvale", "Open the family chart of the person of interest at start.")};
inline constexpr Text kGedcomArgumentHelp{QT_TRANSLATE_NOOP(
    "Kinvale", "A GEDCOM file to import: the \"Import From GEDCOM\" window opens on it.")};
inline constexpr Text kOneGedcomFileAtMost{
    QT_TRANSLATE_NOOP("Kinvale", "Give one GEDCOM file at most.")};
// %1 the reason.
inline constexpr Text kCannotStartMessage{QT_TRANSLATE_NOOP("Kinvale", "Kinvale cannot start: %1")};

}  // namespace kinvale
