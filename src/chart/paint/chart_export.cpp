#include "chart/paint/chart_export.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <algorithm>
#include <cmath>

#include "chart/chart_texts.h"
#include "chart/paint/chart_painter.h"
#include "store/atomic_file.h"

namespace kinvale {

namespace {

constexpr double kLargestPngSide = 32000;
constexpr double kLargestPngArea = 100e6;
constexpr double kLargestPdfSide = 200 * 72;  // points; what PDF readers accept

QByteArray SvgBytes(const ChartLayout& layout, ChartPictures& pictures) {
  const QRectF area(QPointF(), layout.bounds.size());
  QBuffer buffer;
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setTitle(kFamilyChartTitle);
  svg.setSize(area.size().toSize());
  svg.setViewBox(area);
  QPainter painter(&svg);
  PaintWholeChart(painter, layout, pictures, area);
  painter.end();
  return buffer.data();
}

QByteArray PngBytes(const ChartLayout& layout, ChartPictures& pictures) {
  const QSizeF size = layout.bounds.size();
  const double scale =
      std::min({1.0, kLargestPngSide / size.width(), kLargestPngSide / size.height(),
                std::sqrt(kLargestPngArea / (size.width() * size.height()))});
  QImage image((size * scale).toSize(), QImage::Format_RGB32);
  if (image.isNull()) return {};  // not enough memory for the picture
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintWholeChart(painter, layout, pictures, image.rect());
  painter.end();
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return buffer.data();
}

QByteArray PdfBytes(const ChartLayout& layout, ChartPictures& pictures) {
  const QSizeF size = layout.bounds.size();
  const double fit =
      std::min({1.0, kLargestPdfSide / size.width(), kLargestPdfSide / size.height()});
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter pdf(&buffer);
  pdf.setCreator(kFamilyChartTitle);
  pdf.setPageMargins({});
  pdf.setPageSize(QPageSize(size * fit, QPageSize::Point));
  QPainter painter(&pdf);
  // Chart units are points; the writer counts in its own dots.
  const double dots_per_point = pdf.resolution() / 72.0;
  PaintWholeChart(painter, layout, pictures, QRectF(QPointF(), size * fit * dots_per_point),
                  dots_per_point);
  painter.end();
  return buffer.data();
}

}  // namespace

std::optional<ChartFileFormat> ChartFileFormatOf(const QString& path) {
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == u"svg") return ChartFileFormat::kSvg;
  if (suffix == u"png") return ChartFileFormat::kPng;
  if (suffix == u"pdf") return ChartFileFormat::kPdf;
  return std::nullopt;
}

bool ExportChart(const ChartLayout& layout, ChartPictures& pictures, const QString& path,
                 QString* error) {
  const std::optional<ChartFileFormat> format = ChartFileFormatOf(path);
  if (!format) {
    *error = kChartFormatMessage.arg(QFileInfo(path).fileName());
    return false;
  }
  QByteArray bytes;
  if (!layout.empty()) {
    switch (*format) {
      case ChartFileFormat::kSvg:
        bytes = SvgBytes(layout, pictures);
        break;
      case ChartFileFormat::kPng:
        bytes = PngBytes(layout, pictures);
        break;
      case ChartFileFormat::kPdf:
        bytes = PdfBytes(layout, pictures);
        break;
    }
  }
  if (bytes.isEmpty()) {
    *error = kChartWriteMessage.arg(path);
    return false;
  }
  // A picture of the family, not the family itself: a crash of the program still leaves the old
  // file or the new one, and sparing the flush to disk saves seconds on a large chart.
  return WriteFileAtomically(path, bytes, error, Durability::kBuffered);
}

}  // namespace kinvale
