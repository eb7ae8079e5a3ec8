#pragma once
// Lays out the plot rectangle in the window and derives the world/device
// transform from it; runs at the start of every painting and after every
// client-size change for printing or export.

#include <cstdint>

#include "model/plot_model.h"
#include "model/plot_view.h"

namespace kvx {

// Sets the view's plotRect and its axes' scales and offsets from its
// size, the plot's active indents and its current range. The rectangle is
// narrowed on the right by the legend's rightReserve (the legend outside
// right). Under AXES_EQUAL the rectangle shrinks toward its top-left corner
// so that one world unit has the same length on both axes.
void layoutTransform(const PlotModel& plot, PlotView& view);

}  // namespace kvx
