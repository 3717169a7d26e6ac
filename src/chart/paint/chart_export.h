// Writes a family chart whole into a picture or document file: SVG, PNG or PDF by the file
// name's ending, drawn by the same routine as the window.
#pragma once

#include <QString>
#include <optional>

#include "chart/chart_layout.h"

namespace kinvale {

class ChartPictures;

enum class ChartFileFormat { kSvg, kPng, kPdf };

// The format a file name asks for by its ending, capitals or not; nullopt for any other.
std::optional<ChartFileFormat> ChartFileFormatOf(const QString& path);

// Writes the chart to path in one step: an earlier file of that name is replaced only when the
// new one is complete. A PNG is scaled down to at most 32000 pixels a side and 100 million
// pixels; a PDF is one page, scaled down to at most 200 inches a side. False with the reason in
// error.
bool ExportChart(const ChartLayout& layout, ChartPictures& pictures, const QString& path,
                 QString* error);

}  // namespace kinvale
