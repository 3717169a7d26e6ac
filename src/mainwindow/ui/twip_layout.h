// A layout that places each widget at a fixed rectangle of a design drawn in twips and scales
// the whole design with the space it is given, so the arrangement survives any window size. It
// never asks for less room than gives every widget its minimum size hint: a large font enlarges
// the whole design rather than clipping a caption.
#pragma once

#include <QLayout>
#include <QList>
#include <QRect>
#include <QSize>
#include <QSizeF>

namespace kinvale {

class TwipLayout : public QLayout {
 public:
  // design: the size of the whole design in twips; at 15 twips a pixel it is the preferred size
  // (unless the widgets need more).
  explicit TwipLayout(QSize design, QWidget* parent = nullptr);
  ~TwipLayout() override;

  void AddWidget(QWidget* widget, QRect twips);

  void addItem(QLayoutItem* item) override;  // placed over the whole design
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  int count() const override { return static_cast<int>(items_.size()); }
  QSize sizeHint() const override;
  QSize minimumSize() const override;
  void setGeometry(const QRect& rect) override;

 private:
  // The smallest scale per axis, against the preferred size, at which every widget's rectangle
  // holds its minimum size hint.
  QSizeF HintScale() const;
  // The design's size in pixels at the given scale, or larger where the hints need it.
  QSize SizeAtScale(double floor) const;

  struct Item {
    QLayoutItem* item;
    QRect twips;
  };
  QSize design_;
  QList<Item> items_;
};

}  // namespace kinvale
