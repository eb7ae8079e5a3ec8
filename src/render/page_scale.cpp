#include "render/page_scale.h"

#include <cmath>

#include "scaling/device_transform.h"

namespace kvx {

namespace {

// Toward zero, and held within 16 bits: a large factor on a fine printer
// must not wrap a width around to a negative one.
void scale16(int16_t& value, double scale)
{
    value = truncatedPx(value * scale);
}

}  // namespace

double PageScale::lineScale(double factor) const
{
    return std::sqrt(200.0 / pageMm) * t * factor;
}

PageScale pageScale(int clientWidth, int clientHeight, const DeviceSize& page)
{
    PageScale s;
    if (clientWidth <= 0 || clientHeight <= 0) {
        return s;  // nothing to enlarge: a minimised window
    }
    const double tx = static_cast<double>(page.widthPixels) / clientWidth;
    const double ty = static_cast<double>(page.heightPixels) / clientHeight;
    if (tx >= ty) {
        s.t = ty;
        s.pageMm = page.heightMm;
    } else {
        s.t = tx;
        s.pageMm = page.widthMm;
    }
    s.width = truncatedPx(clientWidth * s.t);
    s.height = truncatedPx(clientHeight * s.t);
    return s;
}

void scaleLines(PlotModel& plot, double scale)
{
    PlotSettings& s = plot.settings();
    for (int16_t* value : {&s.frameLineWidth, &s.gridLineWidth, &s.dashLineWidth, &s.ticksSize, &s.subTicksSize,
                           &s.valueDistance, &s.axesTitleDistance, &s.xLableDistance, &s.yLableDistance,
                           &s.activeIndents.up, &s.activeIndents.down, &s.activeIndents.left,
                           &s.activeIndents.right, &s.fontSize, &s.legendBorderDistance,
                           &s.legendInnerDistance, &s.legendLineSampleLength}) {
        scale16(*value, scale);
    }
    for (Graph& g : plot.graphs()) {
        int16_t width = g.lineWidth();
        int16_t points = g.pointsSize();
        int16_t marker = g.markerSize();
        scale16(width, scale);
        scale16(points, scale);
        scale16(marker, scale);
        g.setPen(g.lineType(), width, g.colorNum());
        g.setPointsSize(points);
        g.setMarkerSize(marker);
    }
}

}  // namespace kvx
