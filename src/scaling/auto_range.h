#pragma once
// The automatic ranges of the "Auto Range" menu: both axes from all graphs,
// or one axis from the points inside the band of the other.

#include <optional>
#include <utility>

#include "model/plot_model.h"

namespace kvx {

// Both ranges around all points of all graphs, widened by the plot's
// autoRangeExcess (bars and stems include 0). A constant value v gives
// v * 0.99 - 1 to v * 1.01 + 1. An axis without a finite value keeps its
// range. The old bounds are remembered as "Last". True when the range was
// set: a plot without points, or a range that setRange refuses, changes
// nothing.
bool autoRangeXY(PlotModel& plot);

// The x range around the points whose y lies in the current y range. With
// fewer than two such points the pieces of the graphs' segments inside the
// band decide. With none of either the range stays. The old bounds are
// remembered unless the zoom mode is ZOOM_YARX, whose zoom remembers them
// itself before it calls this.
bool autoRangeX(PlotModel& plot);

// The bounds that autoRangeXY gives the x axis (or the y axis) of the plot
// when that axis is logarithmic or linear as `log` says; nothing when no
// value has a place on such an axis.
std::optional<std::pair<double, double>> autoAxisBounds(const PlotModel& plot, bool xAxis, AxisKind kind);

// The mirror image of autoRangeX: the y range from the current x band;
// nothing is remembered under ZOOM_XARY.
bool autoRangeY(PlotModel& plot);

}  // namespace kvx
