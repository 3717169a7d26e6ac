#include "chart/paint/chart_painter.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>
#include <optional>
#include <vector>

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

bool Meets(const QRectF& exposed, const QRectF& rect) {
  return exposed.isNull() || exposed.intersects(rect);
}

// The text as it fits into the width, cut short with an ellipsis when it is too long, and its
// width. Most texts fit by the sum of their characters' advances, which needs no shaping of the
// text (shaping only brings the letters of names and dates closer); the others are measured.
std::pair<QString, double> Fitted(const QFontMetricsF& metrics, const QString& text, double width) {
  double advance = 0;
  for (const QChar c : text) advance += c.isSurrogate() ? width : metrics.horizontalAdvance(c);
  if (advance <= width) return {text, advance};
  QString elided = metrics.elidedText(text, Qt::ElideRight, width);
  return {elided, metrics.horizontalAdvance(elided)};
}

struct TextLine {
  double top;  // below the top of the box's text area
  QString text;
};

// Draws the boxes in passes, each with one pen, brush and font for every box, so that a picture
// file changes its drawing state a handful of times rather than for every box.
class BoxPasses {
 public:
  BoxPasses(QPainter& painter, const ChartLayout& layout, ChartPictures& pictures,
            std::vector<int> boxes)
      : painter_(painter), layout_(layout), pictures_(pictures), boxes_(std::move(boxes)) {}

  void Outlines(int selected_box) {
    for (const ChartGender gender :
         {ChartGender::kMale, ChartGender::kFemale, ChartGender::kOther}) {
      for (const bool repeated : {false, true}) {
        const GenderColours colours = ColoursOf(gender);
        painter_.setPen(QPen(colours.border, 1.2, repeated ? Qt::DashLine : Qt::SolidLine));
        painter_.setBrush(colours.fill);
        for (int i : boxes_) {
          const ChartBox& box = layout_.boxes[i];
          if (box.gender == gender && box.repeated == repeated && i != selected_box) Outline(box);
        }
      }
    }
    if (std::find(boxes_.begin(), boxes_.end(), selected_box) == boxes_.end()) return;
    const ChartBox& selected = layout_.boxes[selected_box];
    painter_.setPen(QPen(QColor(0xe0, 0x7b, 0x00), 3));
    painter_.setBrush(ColoursOf(selected.gender).fill);
    Outline(selected);
  }

  void Contents() {
    for (int i : boxes_) {
      const ChartBox& box = layout_.boxes[i];
      const QImage& photo = pictures_.Of(box);
      if (photo.isNull()) continue;
      QSizeF size = photo.size();
      size.scale(kPhotoSize, Qt::KeepAspectRatio);
      QRectF place(QPointF(), size);
      place.moveCenter(PhotoFrame(box).center());
      painter_.drawImage(place, photo);
    }
    const QColor black(Qt::black), grey(0x60, 0x60, 0x60);
    TextPass(FontOfSize(12, true), black, Qt::AlignLeft, [](const ChartBox& box) {
      return TextLine{0, box.name};
    });
    TextPass(FontOfSize(11), black, Qt::AlignLeft, [](const ChartBox& box) {
      return box.birth_date.isEmpty() ? std::nullopt
                                      : std::optional(TextLine{17, kBornPrefix + box.birth_date});
    });
    TextPass(FontOfSize(11), black, Qt::AlignLeft, [](const ChartBox& box) {
      const double top = box.birth_date.isEmpty() ? 17 : 30;
      return box.death_date.isEmpty() ? std::nullopt
                                      : std::optional(TextLine{top, kDiedPrefix + box.death_date});
    });
    TextPass(FontOfSize(11), grey, Qt::AlignRight, [](const ChartBox& box) {
      return std::optional(TextLine{kBottomLine, kNumberPrefix + FormatPersonNumber(box.number)});
    });
    TextPass(FontOfSize(10, false, true), grey, Qt::AlignLeft, [](const ChartBox& box) {
      return box.repeated ? std::optional(TextLine{kBottomLine, kRepeatMark}) : std::nullopt;
    });
  }

 private:
  static constexpr double kLineHeight = 13;
  static constexpr double kBottomLine = kChartBoxHeight - 8 - kLineHeight;

  void Outline(const ChartBox& box) { painter_.drawRoundedRect(box.rect, 6, 6); }

  QRectF PhotoFrame(const ChartBox& box) const {
    return QRectF(box.rect.topLeft() + QPointF(kPadding, 4), kPhotoSize);
  }

  // Where a box's texts go: right of the photo when there is one.
  QRectF TextArea(const ChartBox& box) {
    QRectF area = box.rect.adjusted(kPadding, 4, -kPadding, -4);
    if (!pictures_.Of(box).isNull()) area.setLeft(PhotoFrame(box).right() + kPadding);
    return area;
  }

  template <typename LineOf>
  void TextPass(const QFont& font, const QColor& colour, Qt::Alignment alignment,
                const LineOf& line_of) {
    painter_.setFont(font);
    painter_.setPen(colour);
    const QFontMetricsF metrics(font);
    // Drawing at a baseline spares the text layout a rectangle would need for every box.
    const double baseline = (kLineHeight + metrics.ascent() - metrics.descent()) / 2;
    for (int i : boxes_) {
      const ChartBox& box = layout_.boxes[i];
      const std::optional<TextLine> line = line_of(box);
      if (!line) continue;
      const QRectF area = TextArea(box);
      const auto [text, width] = Fitted(metrics, line->text, area.width());
      const double x = alignment == Qt::AlignRight ? area.right() - width : area.left();
      painter_.drawText(QPointF(x, area.top() + line->top + baseline), text);
    }
  }

  QPainter& painter_;
  const ChartLayout& layout_;
  ChartPictures& pictures_;
  std::vector<int> boxes_;
};

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
  std::vector<int> shown;
  for (std::size_t i = 0; i < layout.boxes.size(); ++i) {
    if (Meets(options.exposed, layout.boxes[i].rect)) shown.push_back(static_cast<int>(i));
  }
  BoxPasses boxes(painter, layout, pictures, std::move(shown));
  boxes.Outlines(options.selected_box);
  const double device_height = kChartBoxHeight * painter.worldTransform().m22();
  if (options.full_detail || device_height >= kLegibleBoxHeight) boxes.Contents();
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
