#include "scaling/layout_transform.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "scaling/device_transform.h"
#include "settings/keywords.h"

namespace kvx {
namespace {

// Device coordinates are 16-bit; arithmetic on them wraps like the
// platform's pixel values do.
int16_t px(int v)
{
    return static_cast<int16_t>(v);
}

}  // namespace

void layoutTransform(Plot& plot, int16_t legendRightReserve)
{
    PlotSettings& s = plot.settings();
    const RangeSet& r = plot.axes().currentRange();
    const Indents& in = s.activeIndents;
    DeviceRect& rect = s.plotRect;

    rect.top = in.up;
    rect.bottom = px(plot.clientHeight() - in.down);
    rect.left = in.left;
    rect.right = px(plot.clientWidth() - px(in.right + legendRightReserve));

    const double dx = r.xMax - r.xMin;
    const double dy = r.yMax - r.yMin;
    s.xScale = std::abs(px(rect.right - rect.left)) / dx;
    s.yScale = std::abs(px(rect.top - rect.bottom)) / dy;

    if (s.aspectRatio == AXES_EQUAL) {
        if (s.yScale > s.xScale) {
            s.yScale = s.xScale;
            rect.bottom = px(rect.top + truncatedPx(s.xScale * dy));
        } else if (s.yScale < s.xScale) {
            s.xScale = s.yScale;
            rect.right = px(rect.left + truncatedPx(s.yScale * dx));
        }
    }

    s.xOffset = rect.left - r.xMin * s.xScale;
    s.yOffset = rect.top + r.yMax * s.yScale;
}

}  // namespace kvx
