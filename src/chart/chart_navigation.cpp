#include "chart/chart_navigation.h"

#include <cmath>
#include <limits>

namespace kinvale {

int ChartBoxAt(const ChartLayout& layout, QPointF point) {
  for (std::size_t i = 0; i < layout.boxes.size(); ++i) {
    if (layout.boxes[i].rect.contains(point)) return static_cast<int>(i);
  }
  return -1;
}

int ChartBoxAfterStep(const ChartLayout& layout, int from, ChartStep step) {
  const ChartBox& start = layout.boxes[from];
  const bool sideways = step == ChartStep::kLeft || step == ChartStep::kRight;
  const int direction = step == ChartStep::kLeft || step == ChartStep::kUp ? -1 : 1;
  const int generation = sideways ? start.generation : start.generation + direction;
  const double x = start.rect.center().x();
  int best = from;
  double best_distance = std::numeric_limits<double>::max();
  for (std::size_t i = 0; i < layout.boxes.size(); ++i) {
    const ChartBox& box = layout.boxes[i];
    if (box.generation != generation || static_cast<int>(i) == from) continue;
    const double dx = box.rect.center().x() - x;
    if (sideways && dx * direction <= 0) continue;
    if (std::abs(dx) < best_distance) {
      best_distance = std::abs(dx);
      best = static_cast<int>(i);
    }
  }
  return best;
}

}  // namespace kinvale
