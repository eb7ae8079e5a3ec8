#include "scaling/zoom.h"

#include <cmath>

#include "scaling/auto_range.h"
#include "settings/keywords.h"

namespace kvx {
namespace {

bool equalTicks(const PlotModel& plot)
{
    return plot.aspectRatio() == AXES_EQUAL;
}

// Runs a zoom that does not remember "Last" and follows it with the ticks
// of the new range; true when anything of the current range changed.
template <typename Zoom>
bool zoomWithTicks(PlotModel& plot, Zoom zoom)
{
    const RangeSet before = plot.axes().currentRange();
    zoom(plot.axes());
    plot.axes().autoTicks(equalTicks(plot));
    return plot.axes().currentRange() != before;
}

}  // namespace

double keptRatioY(const PlotModel& plot, double xa, double xb, double ya, double yb)
{
    // The ratio is one of axis coordinates: decades on a logarithmic axis.
    const AxesSystem& axes = plot.axes();
    const double h = std::fabs(axes.x().toAxis(xb) - axes.x().toAxis(xa)) / axes.rangeRatio();
    const double v = axes.y().toAxis(ya);
    return axes.y().fromAxis(yb > ya ? v + h : v - h);
}

bool zoomToBand(PlotModel& plot, double xa, double xb, double ya, double yb)
{
    AxesSystem& axes = plot.axes();
    const RangeSet r = axes.currentRange();
    switch (plot.zoomMode()) {
    case ZOOM_XY:
        return axes.setRange(xa, xb, ya, yb, true);
    case ZOOM_X:
        return axes.setRange(xa, xb, r.y.min, r.y.max, true);
    case ZOOM_Y:
        return axes.setRange(r.x.min, r.x.max, ya, yb, true);
    case ZOOM_XARY:
        // The automatic y range does not remember in this mode, so "Last"
        // goes back to the range before the band, not to the one between.
        if (!axes.setRange(xa, xb, r.y.min, r.y.max, true)) {
            return false;
        }
        autoRangeY(plot);
        return true;
    case ZOOM_YARX:
        if (!axes.setRange(r.x.min, r.x.max, ya, yb, true)) {
            return false;
        }
        autoRangeX(plot);
        return true;
    case ZOOM_XKR:
        return axes.setRange(xa, xb, ya, keptRatioY(plot, xa, xb, ya, yb), true);
    default:
        return false;
    }
}

bool zoomToDeviceBand(PlotModel& plot, const PlotView& view, DevicePoint anchor, DevicePoint current)
{
    if (current == anchor) {
        return false;
    }
    const DeviceTransform t = DeviceTransform::of(view);
    const DoublePoint a = t.deviceToWorld(anchor.x, anchor.y);
    const DoublePoint b = t.deviceToWorld(current.x, current.y);
    // New ticks after a refused band would overwrite the ticks of "Last".
    if (!zoomToBand(plot, a.x, b.x, a.y, b.y)) {
        return false;
    }
    plot.axes().autoTicks(equalTicks(plot));
    return true;
}

bool zoomIn(PlotModel& plot)
{
    const double f = 1.0 / plot.settings().zoomFactor;
    return zoomWithTicks(plot, [f](AxesSystem& axes) { axes.zoomAboutCentre(f); });
}

bool zoomOut(PlotModel& plot)
{
    const double f = plot.settings().zoomFactor;
    return zoomWithTicks(plot, [f](AxesSystem& axes) { axes.zoomAboutCentre(f); });
}

bool zoomByWheel(PlotModel& plot, const PlotView& view, int16_t delta, bool aboutPointer, DevicePoint pointer)
{
    const double zoomFactor = plot.settings().zoomFactor;
    const double f = delta < 0 ? zoomFactor : 1.0 / zoomFactor;
    if (!aboutPointer) {
        return zoomWithTicks(plot, [f](AxesSystem& axes) { axes.zoomAboutCentre(f); });
    }
    const DoublePoint centre = DeviceTransform::of(view).deviceToWorld(pointer.x, pointer.y);
    return zoomWithTicks(plot, [f, centre](AxesSystem& axes) { axes.zoomAbout(f, centre.x, centre.y); });
}

void toggleAxesEqual(PlotModel& plot)
{
    const bool equal = plot.aspectRatio() != AXES_EQUAL;
    plot.setAspectRatio(equal ? AXES_EQUAL : AXES_SCALED);
    plot.axes().autoTicks(equal);
}

}  // namespace kvx
