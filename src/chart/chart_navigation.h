// Finding boxes of a family chart: under a point, and the one an arrow key leads to.
#pragma once

#include <QPointF>

#include "chart/chart_layout.h"

namespace kinvale {

// The box under the point; -1 when there is none.
int ChartBoxAt(const ChartLayout& layout, QPointF point);

enum class ChartStep { kLeft, kRight, kUp, kDown };

// The box an arrow key leads to from box `from`: left and right, the nearest box of the same
// generation on that side; up and down, the box of the next generation that way whose centre is
// nearest. `from` itself when there is none.
int ChartBoxAfterStep(const ChartLayout& layout, int from, ChartStep step);

}  // namespace kinvale
