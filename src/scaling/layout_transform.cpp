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

void layoutTransform(const PlotModel& plot, PlotView& view)
{
    const RangeSet& r = plot.axes().currentRange();
    const Indents& in = plot.settings().activeIndents;
    DeviceRect& rect = view.plotRect;

    rect.top = in.up;
    rect.bottom = px(view.height - in.down);
    rect.left = in.left;
    rect.right = px(view.width - px(in.right + view.legend.rightReserve));

    // Along a logarithmic axis the picture is linear in decades.
    const AxesSystem& axes = plot.axes();
    view.xLog = axes.xLog();
    view.yLog = axes.yLog();
    const double uMin = toAxis(r.xMin, view.xLog);
    const double vMax = toAxis(r.yMax, view.yLog);
    const double dx = toAxis(r.xMax, view.xLog) - uMin;
    const double dy = vMax - toAxis(r.yMin, view.yLog);
    view.xScale = std::abs(px(rect.right - rect.left)) / dx;
    view.yScale = std::abs(px(rect.top - rect.bottom)) / dy;

    if (plot.settings().aspectRatio == AXES_EQUAL) {
        if (view.yScale > view.xScale) {
            view.yScale = view.xScale;
            rect.bottom = px(rect.top + truncatedPx(view.xScale * dy));
        } else if (view.yScale < view.xScale) {
            view.xScale = view.yScale;
            rect.right = px(rect.left + truncatedPx(view.yScale * dx));
        }
    }

    view.xOffset = rect.left - uMin * view.xScale;
    view.yOffset = rect.top + vMax * view.yScale;
}

}  // namespace kvx
