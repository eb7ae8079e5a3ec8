#include "render/zoom_band.h"

#include <algorithm>

#include "scaling/zoom.h"
#include "settings/keywords.h"

namespace kvx {
namespace {

// The plain black pen and the brush that fills nothing.
const Pen blackPen{};
const Brush hollowBrush{true, 0};

// The length of the marks across each end of a bar.
constexpr int endMark = 5;

void line(Surface& surface, int x0, int y0, int x1, int y1)
{
    surface.moveTo(x0, y0);
    surface.lineTo(x1, y1);
}

// The outline covering both corners: rectangles exclude their right and
// bottom edge, so both are widened by one pixel.
void outline(Surface& surface, int x1, int y1, int x2, int y2)
{
    surface.selectPen(blackPen);
    surface.selectBrush(hollowBrush);
    surface.rectangle(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 1, std::max(y1, y2) + 1);
}

// The device y of the far edge of a ZOOM_XKR band: the band shows what the
// release would zoom to.
int keptRatioDeviceY(const PlotModel& plot, const PlotView& view, DevicePoint anchor, DevicePoint current)
{
    const DeviceTransform t = DeviceTransform::of(view);
    const DoublePoint a = t.deviceToWorld(anchor.x, anchor.y);
    const DoublePoint b = t.deviceToWorld(current.x, current.y);
    return truncatedPx(t.worldToDevice(b.x, keptRatioY(plot, a.x, b.x, a.y, b.y)).y);
}

}  // namespace

void drawZoomBand(Surface& surface, const PlotModel& plot, const PlotView& view, DevicePoint anchor, DevicePoint current)
{
    const int x1 = anchor.x;
    const int y1 = anchor.y;
    const int x2 = current.x;
    const int y2 = current.y;
    surface.setInvertMode(true);
    switch (plot.zoomMode()) {
    case ZOOM_XY:
        outline(surface, x1, y1, x2, y2);
        break;
    case ZOOM_XKR:
        outline(surface, x1, y1, x2, keptRatioDeviceY(plot, view, anchor, current));
        break;
    case ZOOM_X:
    case ZOOM_XARY:
        surface.selectPen(blackPen);
        line(surface, x1, y1 - endMark, x1, y1 + endMark);
        line(surface, x1, y1, x2, y1);
        line(surface, x2, y1 - endMark, x2, y1 + endMark);
        break;
    case ZOOM_Y:
    case ZOOM_YARX:
        surface.selectPen(blackPen);
        line(surface, x1 - endMark, y1, x1 + endMark, y1);
        line(surface, x1, y1, x1, y2);
        line(surface, x1 - endMark, y2, x1 + endMark, y2);
        break;
    default:
        break;
    }
    surface.setInvertMode(false);
}

void drawMeasureLine(Surface& surface, DevicePoint anchor, DevicePoint current)
{
    surface.setInvertMode(true);
    surface.selectPen(blackPen);
    line(surface, anchor.x, anchor.y, current.x, current.y);
    surface.setInvertMode(false);
}

}  // namespace kvx
