#include "chart/paint/chart_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

#include "chart/chart_photos.h"
#include "chart/chart_texts.h"
#include "store/family_index.h"
#include "store/person_number.h"

namespace kinvale {

namespace {

constexpr double kPadding = 6;
constexpr QSizeF kPhotoSize(40, 52);
// Below this height on the device a box's texts cannot be read: the box is only filled.
constexpr double kLegibleBoxHeight = 24;

struct GenderColours {
  QColor fill;
  QColor border;
};

GenderColours ColoursOf(ChartGender gender) {
  switch (gender) {
    case ChartGender::kMale:
      return {QColor(0xdb, 0xe8, 0xf7), QColor(0x3f, 0x6f, 0xa8)};
    case ChartGender::kFemale:
      return {QColor(0xf8, 0xdf, 0xe8), QColor(0xa8, 0x45, 0x72)};
    case ChartGender::kOther:
      break;
  }
  return {QColor(0xee, 0xee, 0xee), QColor(0x80, 0x80, 0x80)};
}

QFont FontOfSize(double pixels, bool bold = false, bool italic = false) {
  QFont font;
  font.setPixelSize(static_cast<int>(pixels));
  font.setBold(bold);
  font.setItalic(italic);
  return font;
}

class BoxPainter {
 public:
  BoxPainter(QPainter& painter, ChartPictures& pictures) : painter_(painter), pictures_(pictures) {}

  void Outline(const ChartBox& box, bool selected) {
    const GenderColours colours = ColoursOf(box.gender);
    QPen pen(selected ? QColor(0xe0, 0x7b, 0x00) : colours.border, selected ? 3 : 1.2);
    if (box.repeated) pen.setStyle(Qt::DashLine);
    painter_.setPen(pen);
    painter_.setBrush(colours.fill);
    painter_.drawRoundedRect(box.rect, 6, 6);
  }

  void Contents(const ChartBox& box) {
    QRectF text = box.rect.adjusted(kPadding, 4, -kPadding, -4);
    const QImage& photo = pictures_.Of(box);
    if (!photo.isNull()) {
      const QRectF frame(text.topLeft(), kPhotoSize);
      QSizeF size = photo.size();
      size.scale(kPhotoSize, Qt::KeepAspectRatio);
      QRectF place(QPointF(), size);
      place.moveCenter(frame.center());
      painter_.drawImage(place, photo);
      text.setLeft(frame.right() + kPadding);
    }
    painter_.setPen(Qt::black);
    Line(text, 0, 16, name_font_, name_metrics_, box.name, Qt::AlignLeft);
    double y = 17;
    if (!box.birth_date.isEmpty()) {
      Line(text, y, 13, date_font_, date_metrics_, kBornPrefix + box.birth_date, Qt::AlignLeft);
      y += 13;
    }
    if (!box.death_date.isEmpty()) {
      Line(text, y, 13, date_font_, date_metrics_, kDiedPrefix + box.death_date, Qt::AlignLeft);
    }
    painter_.setPen(QColor(0x60, 0x60, 0x60));
    const double bottom = text.height() - 13;
    Line(text, bottom, 13, date_font_, date_metrics_,
         kNumberPrefix + FormatPersonNumber(box.number), Qt::AlignRight);
    if (box.repeated) Line(text, bottom, 13, mark_font_, mark_metrics_, kRepeatMark, Qt::AlignLeft);
  }

 private:
  void Line(const QRectF& area, double y, double height, const QFont& font,
            const QFontMetricsF& metrics, const QString& text, Qt::Alignment alignment) {
    painter_.setFont(font);
    const QRectF line(area.left(), area.top() + y, area.width(), height);
    painter_.drawText(line, alignment | Qt::AlignVCenter,
                      metrics.elidedText(text, Qt::ElideRight, line.width()));
  }

  QPainter& painter_;
  ChartPictures& pictures_;
  QFont name_font_ = FontOfSize(12, true);
  QFont date_font_ = FontOfSize(11);
  QFont mark_font_ = FontOfSize(10, false, true);
  QFontMetricsF name_metrics_{name_font_};
  QFontMetricsF date_metrics_{date_font_};
  QFontMetricsF mark_metrics_{mark_font_};
};

bool Meets(const QRectF& exposed, const QRectF& rect) {
  return exposed.isNull() || exposed.intersects(rect);
}

}  // namespace

const QImage& ChartPictures::Of(const ChartBox& box) {
  auto found = by_row_.constFind(box.row);
  if (found != by_row_.constEnd()) return *found;
  QImage thumbnail;
  const QString path = ChartPhotoPath(family_folder_, index_.row(box.row));
  if (!path.isEmpty() && thumbnail.load(path)) {
    // Twice the frame, so the photo stays sharp when the chart is zoomed in.
    thumbnail =
        thumbnail.scaled((kPhotoSize * 2).toSize(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
  }
  return *by_row_.insert(box.row, thumbnail);
}

void PaintChart(QPainter& painter, const ChartLayout& layout, ChartPictures& pictures,
                const ChartPaintOptions& options) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(QColor(0x55, 0x55, 0x55), 1.5));
  for (const ChartLine& line : layout.lines) {
    // A level line has no height, so its rectangle is widened to meet the exposed area.
    const QRectF area = QRectF(line.line.p1(), line.line.p2()).normalized().adjusted(-3, -3, 3, 3);
    if (!Meets(options.exposed, area)) continue;
    if (line.kind == ChartLineKind::kMarriage) {  // a double line, as "=" joins a couple
      painter.drawLine(line.line.translated(0, -2));
      painter.drawLine(line.line.translated(0, 2));
    } else {
      painter.drawLine(line.line);
    }
  }
  const double device_height = kChartBoxHeight * painter.worldTransform().m22();
  const bool legible = options.full_detail || device_height >= kLegibleBoxHeight;
  BoxPainter boxes(painter, pictures);
  for (std::size_t i = 0; i < layout.boxes.size(); ++i) {
    const ChartBox& box = layout.boxes[i];
    if (!Meets(options.exposed, box.rect)) continue;
    boxes.Outline(box, static_cast<int>(i) == options.selected_box);
    if (legible) boxes.Contents(box);
  }
  painter.restore();
}

double PaintWholeChart(QPainter& painter, const ChartLayout& layout, ChartPictures& pictures,
                       const QRectF& target, double largest_scale) {
  const QSizeF size = layout.bounds.size();
  const double scale =
      std::min({largest_scale, target.width() / size.width(), target.height() / size.height()});
  painter.save();
  painter.translate(target.topLeft());
  painter.scale(scale, scale);
  painter.translate(-layout.bounds.topLeft());
  ChartPaintOptions options;
  options.full_detail = true;
  PaintChart(painter, layout, pictures, options);
  painter.restore();
  return scale;
}

}  // namespace kinvale
