// The texts of the family chart: what its boxes say, its window's captions and its messages.
#pragma once

#include "store/text.h"

namespace kinvale {

inline constexpr Text kFamilyChartTitle{QT_TRANSLATE_NOOP("Kinvale", "Family Chart")};
inline constexpr Text kBornPrefix{QT_TRANSLATE_NOOP("Kinvale", "b. ")};
inline constexpr Text kDiedPrefix{QT_TRANSLATE_NOOP("Kinvale", "d. ")};
inline constexpr Text kNumberPrefix{QT_TRANSLATE_NOOP("Kinvale", "#")};
inline constexpr Text kRepeatMark{QT_TRANSLATE_NOOP("Kinvale", "Also shown elsewhere")};

inline constexpr Text kAncestorsMode{QT_TRANSLATE_NOOP("Kinvale", "Ancestors")};
inline constexpr Text kDescendantsMode{QT_TRANSLATE_NOOP("Kinvale", "Descendants")};
inline constexpr Text kBothMode{QT_TRANSLATE_NOOP("Kinvale", "Ancestors and descendants")};
inline constexpr Text kGenerationsCaption{QT_TRANSLATE_NOOP("Kinvale", "Generations:")};
inline constexpr Text kAllGenerationsText{QT_TRANSLATE_NOOP("Kinvale", "All")};
inline constexpr Text kChartZoomInCaption{QT_TRANSLATE_NOOP("Kinvale", "Zoom In")};
inline constexpr Text kChartZoomOutCaption{QT_TRANSLATE_NOOP("Kinvale", "Zoom Out")};
inline constexpr Text kChartFitCaption{QT_TRANSLATE_NOOP("Kinvale", "Fit to Window")};
inline constexpr Text kChartExportCaption{QT_TRANSLATE_NOOP("Kinvale", "Export...")};
inline constexpr Text kChartPrintCaption{QT_TRANSLATE_NOOP("Kinvale", "Print...")};
inline constexpr Text kExportChartTitle{QT_TRANSLATE_NOOP("Kinvale", "Export Chart")};
inline constexpr Text kSvgFileKind{QT_TRANSLATE_NOOP("Kinvale", "SVG picture")};
inline constexpr Text kPngFileKind{QT_TRANSLATE_NOOP("Kinvale", "PNG picture")};
inline constexpr Text kPdfFileKind{QT_TRANSLATE_NOOP("Kinvale", "PDF document")};
inline constexpr Text kChartFileName{QT_TRANSLATE_NOOP("Kinvale", "%1 chart")};
inline constexpr Text kChartHint{QT_TRANSLATE_NOOP(
    "Kinvale",
    "Click a person to put them in the centre; double-click for their information. Drag to "
    "move, wheel or Ctrl+plus and minus to zoom.")};

inline constexpr Text kChartFormatMessage{QT_TRANSLATE_NOOP(
    "Kinvale", "A chart can be saved as an .svg, .png or .pdf file, not as \"%1\".")};
inline constexpr Text kChartWriteMessage{
    QT_TRANSLATE_NOOP("Kinvale", "The chart could not be drawn into %1.")};

}  // namespace kinvale
