// The texts of the family chart: what its boxes say, its window's captions and its messages.
#pragma once

#include <QString>

namespace kinvale {

inline const QString kFamilyChartTitle = QStringLiteral("Family Chart");
inline const QString kBornPrefix = QStringLiteral("b. ");
inline const QString kDiedPrefix = QStringLiteral("d. ");
inline const QString kNumberPrefix = QStringLiteral("#");
inline const QString kRepeatMark = QStringLiteral("Also shown elsewhere");

inline const QString kAncestorsMode = QStringLiteral("Ancestors");
inline const QString kDescendantsMode = QStringLiteral("Descendants");
inline const QString kBothMode = QStringLiteral("Ancestors and descendants");
inline const QString kGenerationsCaption = QStringLiteral("Generations:");
inline const QString kAllGenerationsText = QStringLiteral("All");
inline const QString kChartZoomInCaption = QStringLiteral("Zoom In");
inline const QString kChartZoomOutCaption = QStringLiteral("Zoom Out");
inline const QString kChartFitCaption = QStringLiteral("Fit to Window");
inline const QString kChartExportCaption = QStringLiteral("Export...");
inline const QString kChartPrintCaption = QStringLiteral("Print...");
inline const QString kExportChartTitle = QStringLiteral("Export Chart");
inline const QString kSvgFileKind = QStringLiteral("SVG picture");
inline const QString kPngFileKind = QStringLiteral("PNG picture");
inline const QString kPdfFileKind = QStringLiteral("PDF document");
inline const QString kChartFileName = QStringLiteral("%1 chart");
inline const QString kChartHint = QStringLiteral(
    "Click a person to put them in the centre; double-click for their information. Drag to "
    "move, wheel or Ctrl+plus and minus to zoom.");

inline const QString kChartFormatMessage =
    QStringLiteral("A chart can be saved as an .svg, .png or .pdf file, not as \"%1\".");
inline const QString kChartWriteMessage = QStringLiteral("The chart could not be drawn into %1.");

}  // namespace kinvale
