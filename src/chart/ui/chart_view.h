// The scrolling, zooming picture of a family chart: drag to move it, wheel to zoom, arrow keys
// to walk from box to box. It tells which person was chosen (click, Enter) or opened
// (double-click) by their index row.
#pragma once

#include <QGraphicsView>

#include "chart/chart_layout.h"

namespace kinvale {

class ChartItem;
class ChartPictures;

class ChartView : public QGraphicsView {
  Q_OBJECT

 public:
  ChartView(ChartPictures& pictures, QWidget* parent = nullptr);

  // Shows the layout (kept by the caller while shown) with the box selected and in sight.
  void ShowLayout(const ChartLayout* layout, int selected_box);
  int selected_box() const { return selected_box_; }
  void SelectBox(int box);
  double zoom() const { return transform().m11(); }
  void ZoomBy(double factor);
  void FitToWindow();
  // The zoom a new window opens with: the whole chart when it fits at 60 % or more, else 60 %,
  // never above 100 %; the selected box in the middle.
  void ZoomToOpen();

 signals:
  void personChosen(int row);
  void personOpened(int row);

 protected:
  void wheelEvent(QWheelEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  const ChartLayout* layout_ = nullptr;
  ChartItem* item_ = nullptr;
  int selected_box_ = -1;
  QPoint press_position_;
  bool double_clicked_ = false;  // the release that ends a double-click is no click
  int clicked_row_ = -1;         // the person of the last click, whom a double-click opens
};

}  // namespace kinvale
