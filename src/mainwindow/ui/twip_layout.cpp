#include "mainwindow/ui/twip_layout.h"

#include <QWidget>
#include <cmath>

namespace kinvale {

namespace {

constexpr double kTwipsPerPixel = 15.0;
// The design may shrink to this share of its preferred size while every widget still fits.
constexpr double kMinimumScale = 0.8;

QSize Scaled(QSize design, QSizeF factor) {
  return QSize(static_cast<int>(std::ceil(design.width() * factor.width() / kTwipsPerPixel)),
               static_cast<int>(std::ceil(design.height() * factor.height() / kTwipsPerPixel)));
}

// What the item needs at the least: a widget's own minimum size hint (or the minimum set on it).
QSize Needed(QLayoutItem* item) {
  if (const QWidget* widget = item->widget()) {
    return widget->minimumSizeHint().expandedTo(widget->minimumSize());
  }
  return item->minimumSize();
}

// Maps design coordinates (twips) onto a pixel rectangle, x and y scaled separately.
class TwipMapping {
 public:
  TwipMapping(QSize design, QRect target) : design_(design), target_(target) {}
  QPoint Map(QPoint twips) const;
  QRect Map(QRect twips) const;

 private:
  QSize design_;
  QRect target_;
};

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

}  // namespace

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

QSizeF TwipLayout::HintScale() const {
  QSizeF scale(0, 0);
  for (const Item& entry : items_) {
    const QSize needed = Needed(entry.item);
    // One pixel more than the hint: mapping the corners separately may round a pixel away.
    if (needed.width() > 0) {
      scale.setWidth(
          std::max(scale.width(), (needed.width() + 1) * kTwipsPerPixel / entry.twips.width()));
    }
    if (needed.height() > 0) {
      scale.setHeight(
          std::max(scale.height(), (needed.height() + 1) * kTwipsPerPixel / entry.twips.height()));
    }
  }
  return scale;
}

QSize TwipLayout::SizeAtScale(double floor) const {
  const QMargins margins = contentsMargins();
  return Scaled(design_, HintScale().expandedTo(QSizeF(floor, floor))) +
         QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
}

QSize TwipLayout::sizeHint() const { return SizeAtScale(1.0); }

QSize TwipLayout::minimumSize() const { return SizeAtScale(kMinimumScale); }

void TwipLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  const TwipMapping mapping(design_, rect.marginsRemoved(contentsMargins()));
  for (const Item& entry : items_) {
    // A widget fills its rectangle exactly, whatever its own size policy would allow, so the
    // design's proportions hold at every size; minimumSize() keeps each rectangle large enough.
    if (QWidget* widget = entry.item->widget()) {
      widget->setGeometry(mapping.Map(entry.twips));
    } else {
      entry.item->setGeometry(mapping.Map(entry.twips));
    }
  }
}

}  // namespace kinvale
