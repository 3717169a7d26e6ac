// Draws a family chart with a QPainter: one routine for the window, the picture and document
// files and the printer. Coordinates are chart units; the caller's transform scales them.
#pragma once

#include <QHash>
#include <QImage>
#include <QRectF>
#include <QString>

#include "chart/chart_layout.h"

class QPainter;

namespace kinvale {

class FamilyIndex;

// Thumbnails of the photos the boxes show, read from the records the first time a box is
// drawn and kept, so a chart of thousands of people reads only the records it shows.
class ChartPictures {
 public:
  ChartPictures(const FamilyIndex& index, QString family_folder)
      : index_(index), family_folder_(std::move(family_folder)) {}

  // The person's thumbnail; a null image when there is no photo.
  const QImage& Of(const ChartBox& box);

 private:
  const FamilyIndex& index_;
  QString family_folder_;
  QHash<int, QImage> by_row_;
};

struct ChartPaintOptions {
  QRectF exposed;  // only what meets it is drawn; a null rectangle draws everything
  int selected_box = -1;
  // Texts and photos even where a box is too small on the device to read them (files, which
  // are zoomed after they are written).
  bool full_detail = false;
};

void PaintChart(QPainter& painter, const ChartLayout& layout, ChartPictures& pictures,
                const ChartPaintOptions& options);

// The whole chart in full detail, as large as fits into the target (device coordinates) without
// distortion and no larger than one device unit a chart unit times the given limit, in its top
// left corner. Gives the scale used.
double PaintWholeChart(QPainter& painter, const ChartLayout& layout, ChartPictures& pictures,
                       const QRectF& target, double largest_scale = 1);

}  // namespace kinvale
