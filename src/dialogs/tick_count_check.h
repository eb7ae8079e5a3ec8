#pragma once
// Whether a range with its tick and sub-tick spacings leaves fewer tick
// intervals on each axis than the plot's frame has pixels across it.

#include "model/plot_view.h"

namespace kvx {

// Measured against the plot rectangle of the window's last painting. A
// spacing of 0, or one that gives no finite count, fails.
bool tickCountCheck(const PlotView& view, double xMin, double xMax, double yMin, double yMax,
                    double xTick, double xSubTick, double yTick, double ySubTick);

}  // namespace kvx
