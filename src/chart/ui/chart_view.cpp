#include "chart/ui/chart_view.h"

#include <QApplication>
#include <QGraphicsItem>
#include <QKeyEvent>
#include <QStyleOptionGraphicsItem>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <utility>

#include "chart/chart_navigation.h"
#include "chart/paint/chart_painter.h"

namespace kinvale {

namespace {

constexpr double kSmallestZoom = 0.0002;  // a chart of 24,000 boxes still fits a window
constexpr double kLargestZoom = 4;
constexpr double kWheelStep = 1.25;  // the zoom of one wheel notch
constexpr double kSmallestOpeningZoom = 0.6;

}  // namespace

// The whole chart as one scene item, drawn by the shared routine for the exposed area only.
class ChartItem : public QGraphicsItem {
 public:
  explicit ChartItem(ChartPictures& pictures) : pictures_(pictures) {
    setFlag(ItemUsesExtendedStyleOption);
  }

  void Show(const ChartLayout* layout, int selected_box) {
    prepareGeometryChange();
    layout_ = layout;
    selected_box_ = selected_box;
    update();
  }
  void Select(int box) {
    selected_box_ = box;
    update();
  }

  QRectF boundingRect() const override { return layout_ ? layout_->bounds : QRectF(); }
  void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget*) override {
    if (layout_) PaintChart(*painter, *layout_, pictures_, {option->exposedRect, selected_box_});
  }

 private:
  ChartPictures& pictures_;
  const ChartLayout* layout_ = nullptr;
  int selected_box_ = -1;
};

ChartView::ChartView(ChartPictures& pictures, QWidget* parent)
    : QGraphicsView(parent), item_(new ChartItem(pictures)) {
  setObjectName(QStringLiteral("chartView"));
  setScene(new QGraphicsScene(this));
  scene()->addItem(item_);
  setBackgroundBrush(Qt::white);
  setDragMode(ScrollHandDrag);
  setRenderHint(QPainter::Antialiasing);
  setFocusPolicy(Qt::StrongFocus);
}

void ChartView::ShowLayout(const ChartLayout* layout, int selected_box) {
  layout_ = layout;
  selected_box_ = selected_box;
  item_->Show(layout, selected_box);
  scene()->setSceneRect(layout->bounds);
  if (selected_box >= 0) centerOn(layout->boxes[selected_box].rect.center());
}

void ChartView::SelectBox(int box) {
  selected_box_ = box;
  item_->Select(box);
  if (box >= 0) ensureVisible(layout_->boxes[box].rect, 40, 40);
}

void ChartView::ZoomBy(double factor) {
  const double wanted = std::clamp(zoom() * factor, kSmallestZoom, kLargestZoom);
  scale(wanted / zoom(), wanted / zoom());
}

void ChartView::FitToWindow() {
  if (!layout_ || layout_->empty()) return;
  fitInView(layout_->bounds, Qt::KeepAspectRatio);
  ZoomBy(1);  // back inside the zoom limits
}

void ChartView::ZoomToOpen() {
  if (!layout_ || layout_->empty()) return;
  const QSizeF area = viewport()->size();
  const QSizeF chart = layout_->bounds.size();
  const double fit = std::min(area.width() / chart.width(), area.height() / chart.height());
  ZoomBy(std::clamp(fit, kSmallestOpeningZoom, 1.0) / zoom());
  centerOn(layout_->boxes[std::max(selected_box_, 0)].rect.center());
}

void ChartView::wheelEvent(QWheelEvent* event) {
  const int notches = event->angleDelta().y() / 120;
  if (notches == 0) return;
  setTransformationAnchor(AnchorUnderMouse);
  ZoomBy(std::pow(kWheelStep, notches));
  setTransformationAnchor(AnchorViewCenter);
  event->accept();
}

void ChartView::mousePressEvent(QMouseEvent* event) {
  press_position_ = event->position().toPoint();
  QGraphicsView::mousePressEvent(event);
}

void ChartView::mouseReleaseEvent(QMouseEvent* event) {
  QGraphicsView::mouseReleaseEvent(event);
  if (std::exchange(double_clicked_, false)) return;
  const bool dragged = (event->position().toPoint() - press_position_).manhattanLength() >=
                       QApplication::startDragDistance();
  if (dragged || event->button() != Qt::LeftButton || !layout_) return;
  const int box = ChartBoxAt(*layout_, mapToScene(event->position().toPoint()));
  clicked_row_ = box >= 0 ? layout_->boxes[box].row : -1;
  // Choosing draws a new chart around the person; the signal goes last.
  if (box >= 0) emit personChosen(clicked_row_);
}

void ChartView::mouseDoubleClickEvent(QMouseEvent* event) {
  // The first click has already put the person in the centre, so the box under the pointer
  // may now be somebody else: the person of that click is the one to open.
  event->accept();
  double_clicked_ = true;
  if (event->button() == Qt::LeftButton && clicked_row_ >= 0) emit personOpened(clicked_row_);
}

void ChartView::keyPressEvent(QKeyEvent* event) {
  static const std::pair<int, ChartStep> kSteps[] = {{Qt::Key_Left, ChartStep::kLeft},
                                                     {Qt::Key_Right, ChartStep::kRight},
                                                     {Qt::Key_Up, ChartStep::kUp},
                                                     {Qt::Key_Down, ChartStep::kDown}};
  if (!layout_ || selected_box_ < 0) return QGraphicsView::keyPressEvent(event);
  for (const auto& [key, step] : kSteps) {
    if (event->key() != key) continue;
    SelectBox(ChartBoxAfterStep(*layout_, selected_box_, step));
    return event->accept();
  }
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    emit personChosen(layout_->boxes[selected_box_].row);
    return event->accept();
  }
  QGraphicsView::keyPressEvent(event);
}

}  // namespace kinvale
