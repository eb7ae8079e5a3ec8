#pragma once
// Drawing on a plot's own window: its view at the client size for a painter,
// and points drawn one by one as they are appended.

#include <cstdint>

#include "model/plot_view.h"
#include "platform/surface.h"
#include "window/plot.h"

namespace kvx {

// The window's view, sized to its client area, for a painter of the window.
PlotView& clientView(Plot& plot);

// Appends (x, y) to graph `index` of the plot and, with a surface, draws at
// once what the new point adds; on the plot's window it shows at once.
void appendAndDrawPoint(Plot& plot, Surface* surface, double x, double y, int16_t index);
// The same on the plot's own window, if it has one.
void appendAndDrawPoint(Plot& plot, double x, double y, int16_t index);

}  // namespace kvx
