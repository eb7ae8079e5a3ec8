#pragma once
// How a window's picture goes onto a printed page: enlarged by one factor t
// until it fills the page in the limiting direction, keeping its
// proportions, and with its lines, sizes and distances thickened so that
// they look on paper as they look on the screen.

#include <cstdint>

#include "model/plot_model.h"
#include "platform/surface.h"

namespace kvx {

struct PageScale {
    double t = 0.0;           // page pixels per window pixel
    double pageMm = 0.0;      // the page's extent in the limiting direction
    int16_t width = 0;        // the picture on the page, in page pixels
    int16_t height = 0;

    // A picture of at least one pixel each way on a page of some size.
    bool fits() const { return width > 0 && height > 0 && pageMm > 0.0; }
    // sqrt(200 / pageMm) * t * factor.
    double lineScale(double factor) const;
};

// The scale of a window's client area of clientWidth x clientHeight on a
// page of `page`'s pixels and millimetres.
PageScale pageScale(int clientWidth, int clientHeight, const DeviceSize& page);

// Multiplies every printed width, size and distance of `plot` by `scale`,
// truncated toward zero: frame and grid lines, dashed graph lines (their
// width and with it their dashes, as the grid's), ticks and subticks, the
// label and title distances, the active indents, the font size, each
// graph's line width, dot size and marker size, and the legend's distances
// and sample length. OutputDress puts them back.
void scaleLines(PlotModel& plot, double scale);

}  // namespace kvx
