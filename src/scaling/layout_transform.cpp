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
    const Indents& in = plot.settings().activeIndents;
    DeviceRect& rect = view.plotRect;

    rect.top = in.up;
    rect.bottom = px(view.height - in.down);
    rect.left = in.left;
    rect.right = px(view.width - px(in.right + view.legend.rightReserve));

    // Along a logarithmic axis the picture is linear in decades.
    const AxesSystem& axes = plot.axes();
    view.x.kind = axes.x().kind();
    view.y.kind = axes.y().kind();
    const double uMin = axes.x().axisMin();
    const double vMax = axes.y().axisMax();
    const double dx = axes.x().axisMax() - uMin;
    const double dy = vMax - axes.y().axisMin();
    view.x.scale = std::abs(px(rect.right - rect.left)) / dx;
    view.y.scale = std::abs(px(rect.top - rect.bottom)) / dy;

    if (plot.settings().aspectRatio == AXES_EQUAL) {
        if (view.y.scale > view.x.scale) {
            view.y.scale = view.x.scale;
            rect.bottom = px(rect.top + truncatedPx(view.x.scale * dy));
        } else if (view.y.scale < view.x.scale) {
            view.x.scale = view.y.scale;
            rect.right = px(rect.left + truncatedPx(view.y.scale * dx));
        }
    }

    view.x.offset = rect.left - uMin * view.x.scale;
    view.y.offset = rect.top + vMax * view.y.scale;
}

}  // namespace kvx
