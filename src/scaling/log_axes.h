#pragma once
// Switching an axis of a plot between linear and logarithmic, and the x axis
// to and from a time axis.

#include <string>

#include "model/plot_model.h"

namespace kvx {

// Makes the x axis (or the y axis) of the plot logarithmic or linear, with
// the automatic range of that axis in its new kind and new ticks; the range
// before it becomes "Last". False, with nothing changed, when no value of
// the graphs has a place on a logarithmic axis (none is positive).
bool setAxisLog(PlotModel& plot, bool xAxis, bool log);

// The warning when an axis cannot become logarithmic.
std::string noPositiveValues(bool xAxis);

// Makes the x axis a time axis, or a linear one again, with the range it
// has; a logarithmic x axis becomes a time axis. The x ticks become the
// automatic ones. False when the range does not suit the new kind.
bool setTimeAxis(PlotModel& plot, bool time);

}  // namespace kvx
