#include "mainwindow/ui/photo_view.h"

#include <QImageReader>
#include <QPainter>
#include <QPainterPath>

#include "mainwindow/window_texts.h"

namespace kinvale {

PhotoView::PhotoView(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent, false);
}

bool PhotoView::Load(const QString& path) {
  QImageReader reader(path);
  reader.setAutoTransform(true);            // camera pictures carry their orientation separately
  reader.setDecideFormatFromContent(true);  // photos are stored with the extension "pic"
  image_ = reader.read();
  update();
  return !image_.isNull();
}

void PhotoView::paintEvent(QPaintEvent*) {
  if (image_.isNull()) return;
  QPainter painter(this);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  const QSize size = image_.size().scaled(this->size() - QSize(6, 6), Qt::KeepAspectRatio);
  QRect target(QPoint(0, 0), size);
  target.moveCenter(rect().center());
  // A thin white mount with a soft edge, like a print on the page.
  painter.fillRect(target.adjusted(-3, -3, 3, 3), palette().color(QPalette::Mid));
  painter.fillRect(target.adjusted(-2, -2, 2, 2), Qt::white);
  painter.drawImage(target, image_);
}

PhotoPlaceholder::PhotoPlaceholder(QWidget* parent) : QWidget(parent) {}

void PhotoPlaceholder::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  // A portrait-shaped card, as tall as the space and three quarters as wide.
  const int height = this->height() - 6;
  QRect card(0, 0, std::min(this->width() - 6, height * 3 / 4), height);
  card.moveCenter(rect().center());
  const QColor line = palette().color(QPalette::Mid);
  painter.setPen(QPen(line, 1, Qt::DashLine));
  painter.setBrush(palette().color(QPalette::Base));
  painter.drawRoundedRect(card, 6, 6);

  // A head-and-shoulders silhouette above the caption.
  const int caption_height = fontMetrics().height() + 12;
  const QRect figure_area = card.adjusted(1, 1, -1, -caption_height);
  const int unit = std::min(figure_area.width(), figure_area.height()) / 8;
  const QPoint head(figure_area.center().x(), figure_area.top() + figure_area.height() * 2 / 5);
  painter.setPen(Qt::NoPen);
  painter.setBrush(palette().color(QPalette::Midlight).darker(110));
  painter.drawEllipse(head, unit * 13 / 10, unit * 13 / 10);
  QPainterPath body;
  body.addRoundedRect(QRect(head.x() - unit * 3, head.y() + unit * 19 / 10, unit * 6, unit * 4),
                      unit * 16 / 10, unit * 16 / 10);
  QPainterPath area;
  area.addRect(QRect(figure_area.left(), figure_area.top(), figure_area.width(),
                     head.y() + unit * 19 / 10 + unit * 3 - figure_area.top()));
  painter.drawPath(body.intersected(area));

  painter.setPen(palette().color(QPalette::PlaceholderText));
  painter.drawText(QRect(card.left(), card.bottom() - caption_height, card.width(), caption_height),
                   Qt::AlignCenter, kNoPhotoCaption);
}

}  // namespace kinvale
