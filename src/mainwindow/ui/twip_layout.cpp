#include "mainwindow/ui/twip_layout.h"

#include <QWidget>
#include <cmath>

namespace kinvale {

namespace {

constexpr double kTwipsPerPixel = 15.0;
// Below this share of the preferred size the buttons and lists stop being usable.
constexpr double kMinimumScale = 0.8;

QSize Scaled(QSize design, double factor) {
  return QSize(static_cast<int>(std::lround(design.width() * factor / kTwipsPerPixel)),
               static_cast<int>(std::lround(design.height() * factor / kTwipsPerPixel)));
}

}  // namespace

QPoint TwipMapping::Map(QPoint twips) const {
  const double x = static_cast<double>(twips.x()) * target_.width() / design_.width();
  const double y = static_cast<double>(twips.y()) * target_.height() / design_.height();
  return target_.topLeft() +
         QPoint(static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
}

QRect TwipMapping::Map(QRect twips) const {
  // Mapping both corners keeps neighbouring rectangles from overlapping through rounding.
  const QPoint top_left = Map(twips.topLeft());
  const QPoint bottom_right = Map(twips.topLeft() + QPoint(twips.width(), twips.height()));
  return QRect(top_left, bottom_right - QPoint(1, 1));
}

TwipLayout::TwipLayout(QSize design, QWidget* parent) : QLayout(parent), design_(design) {}

TwipLayout::~TwipLayout() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

void TwipLayout::AddWidget(QWidget* widget, QRect twips) {
  addChildWidget(widget);
  items_.append({new QWidgetItem(widget), twips});
  invalidate();
}

void TwipLayout::addItem(QLayoutItem* item) { items_.append({item, QRect(QPoint(0, 0), design_)}); }

QLayoutItem* TwipLayout::itemAt(int index) const {
  return index >= 0 && index < items_.size() ? items_[index].item : nullptr;
}

QLayoutItem* TwipLayout::takeAt(int index) {
  if (index < 0 || index >= items_.size()) return nullptr;
  return items_.takeAt(index).item;
}

QSize TwipLayout::sizeHint() const { return Scaled(design_, 1.0); }

QSize TwipLayout::minimumSize() const { return Scaled(design_, kMinimumScale); }

void TwipLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  const TwipMapping mapping(design_, rect.marginsRemoved(contentsMargins()));
  for (const Item& entry : items_) {
    // A widget fills its rectangle exactly, whatever its own size policy would allow, so the
    // design's proportions (and the lines drawn between the widgets) hold at every size.
    if (QWidget* widget = entry.item->widget()) {
      widget->setGeometry(mapping.Map(entry.twips));
    } else {
      entry.item->setGeometry(mapping.Map(entry.twips));
    }
  }
}

}  // namespace kinvale
