#pragma once
// The zooms of a plot: the band dragged with the mouse in each zoom mode,
// "In" and "Out", the wheel, and "Axes Equal". Each returns whether the
// range or the ticks changed, so that the window knows to repaint.

#include <cstdint>

#include "model/plot_model.h"
#include "scaling/device_transform.h"

namespace kvx {

// The zoom of the plot's zoomMode to the band from (xa, ya) to (xb, yb) in
// world coordinates; the range before it becomes "Last". A band that
// setRange refuses, or an unknown zoom mode, changes nothing.
bool zoomToBand(PlotModel& plot, double xa, double xb, double ya, double yb);

// The world y that ends a ZOOM_XKR band from (xa, ya) toward (xb, yb): the
// band's height keeps the range's ratio of width to height and goes to the
// side of yb.
double keptRatioY(const PlotModel& plot, double xa, double xb, double ya, double yb);

// The band released at `current` after it was started at `anchor` (client
// pixels of the view): zoomToBand on the world points, then new automatic ticks. A
// release where the button went down, or a band that zooms nothing, leaves
// range, ticks and "Last" alone.
bool zoomToDeviceBand(PlotModel& plot, const PlotView& view, DevicePoint anchor, DevicePoint current);

// "In" and "Out": the range narrowed or widened by the plot's zoomFactor
// about its centre, then new automatic ticks. Not remembered as "Last".
bool zoomIn(PlotModel& plot);
bool zoomOut(PlotModel& plot);

// A wheel turn: toward the user (negative delta) widens by zoomFactor,
// otherwise narrows. With `aboutPointer` the view is centred on the world
// point under `pointer` (client pixels), else it keeps its centre. Then new
// automatic ticks.
bool zoomByWheel(PlotModel& plot, const PlotView& view, int16_t delta, bool aboutPointer, DevicePoint pointer);

// "Axes Equal": AXES_EQUAL with equal ticks, or back to AXES_SCALED with
// independent ones. Without a coordinate system the zoom mode becomes
// ZOOM_XKR.
void toggleAxesEqual(PlotModel& plot);

}  // namespace kvx
