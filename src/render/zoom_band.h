#pragma once
// The zoom band and the measuring line shown while the mouse drags over a
// plot window. Both invert the pixels under them, so drawing the same band
// or line a second time erases it; they are never part of the picture.

#include "model/plot_model.h"
#include "platform/surface.h"
#include "scaling/device_transform.h"

namespace kvx {

// The band of the plot's zoom mode from `anchor` (where the button went
// down) to `current`: a rectangle for ZOOM_XY, a rectangle of the kept
// ratio for ZOOM_XKR (through the transform last laid out), a horizontal
// bar with end marks at the anchor's y for ZOOM_X and ZOOM_XARY, a vertical
// one at the anchor's x for ZOOM_Y and ZOOM_YARX; nothing for other modes.
void drawZoomBand(Surface& surface, const PlotModel& plot, const PlotView& view, DevicePoint anchor, DevicePoint current);

// The line of the measuring mode from `anchor` to `current`.
void drawMeasureLine(Surface& surface, DevicePoint anchor, DevicePoint current);

}  // namespace kvx
