#pragma once
// Lays out the plot rectangle in the window and derives the world/device
// transform from it; runs at the start of every painting and after every
// client-size change for printing or export.

#include <cstdint>

#include "model/plot.h"

namespace kvx {

// Sets the plot's plotRect, xScale, yScale, xOffset and yOffset from its
// client size, its active indents and its current range. The rectangle is
// narrowed on the right by `legendRightReserve` (the legend outside right).
// Under AXES_EQUAL the rectangle shrinks toward its top-left corner so that
// one world unit has the same length on both axes.
void layoutTransform(Plot& plot, int16_t legendRightReserve = 0);

}  // namespace kvx
