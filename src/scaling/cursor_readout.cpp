#include "scaling/cursor_readout.h"

#include <cmath>

#include "app/general_format.h"
#include "scaling/calendar_ticks.h"
#include "settings/keywords.h"

namespace kvx {
namespace {

// The widest texts the parts are made for, each with the two terminating
// zero characters measured as characters. The toolkit gives a zero
// character the advance of the font's missing-glyph box, so the parts keep
// room for about two characters more than the zeros alone.
constexpr std::string_view widePartSample{" X:  000000000000000\0\0", 22};
constexpr std::string_view narrowPartSample{" X:  00000000\0\0", 15};

// The digits that one pixel resolves at v, whose neighbour one pixel on is
// `next`: two more than the decimal places of the relative pixel step.
int pixelPrecision(double v, double next)
{
    constexpr int maxPrecision = 16;
    if (v == next) {
        return maxPrecision;
    }
    const double r = v != 0.0 ? (next - v) / v : (v - next) / next;
    const double p = 2.0 - std::trunc(std::log10(std::fabs(r)));
    // A step too small to have a logarithm, or not a number, gives all digits.
    if (!(p <= maxPrecision)) {
        return maxPrecision;
    }
    // A step larger than the value itself: printf takes a negative precision
    // as the default of six digits.
    return p < 0.0 ? -1 : static_cast<int>(p);
}

}  // namespace

StatusPartsLayout layoutStatusParts(const TextWidth& textWidth, bool measureMode, int16_t aspectRatio,
                                    int left, AxisKind yKind)
{
    const int w1 = textWidth(widePartSample);
    const int w2 = textWidth(narrowPartSample);
    StatusPartsLayout layout;
    layout.rightEdges = {left + w1,
                         left + 2 * w1,
                         left + 2 * w1 + w2,
                         left + 2 * w1 + 2 * w2,
                         left + 2 * w1 + 3 * w2,
                         left + 2 * w1 + 4 * w2,
                         left + 2 * w1 + 5 * w2};
    if (!measureMode) {
        layout.numParts = 2;
    } else {
        layout.numParts = static_cast<int16_t>((aspectRatio == AXES_EQUAL ? 6 : 5) + (yKind == AxisKind::Logarithmic ? 1 : 0));
    }
    return layout;
}

StatusPartsLayout layoutStatusParts(Surface& surface, const PlotModel& plot, int left)
{
    return layoutStatusParts([&surface](std::string_view text) { return surface.textExtent(text).width; },
                             plot.settings().measureMode != 0, plot.aspectRatio(), left, plot.axes().y().kind());
}

std::array<std::string, 2> cursorPositionTexts(const PlotView& view, int16_t x, int16_t y)
{
    const DeviceTransform t = DeviceTransform::of(view);
    const DoublePoint w = t.deviceToWorld(x, y);
    const DoublePoint next = t.deviceToWorld(x + 1, y + 1);
    if (view.x.kind == AxisKind::Time) {
        return {" X:  " + timeText(w.x), " Y:  " + formatGeneral(w.y, pixelPrecision(w.y, next.y))};
    }
    return {" X:  " + formatGeneral(w.x, pixelPrecision(w.x, next.x)),
            " Y:  " + formatGeneral(w.y, pixelPrecision(w.y, next.y))};
}

std::vector<std::string> distanceTexts(const PlotModel& plot, const PlotView& view, DevicePoint anchor,
                                       DevicePoint current)
{
    const DeviceTransform t = DeviceTransform::of(view);
    const DoublePoint a = t.deviceToWorld(anchor.x, anchor.y);
    const DoublePoint c = t.deviceToWorld(current.x, current.y);
    const double dx = c.x - a.x;
    const double dy = c.y - a.y;
    std::vector<std::string> texts{"d X:  " + formatGeneral(dx), "d Y:  " + formatGeneral(dy)};
    if (plot.aspectRatio() == AXES_EQUAL) {
        texts.push_back(" r:  " + formatGeneral(std::sqrt(dx * dx + dy * dy)));
        texts.push_back(dx != 0.0 || dy != 0.0
                            ? " phi:  " + formatGeneral(std::atan2(dy, dx) * 180.0 / 3.141592653589793)
                            : std::string(" phi:  Undefined"));
    } else if (dx != 0.0) {
        texts.push_back(" m:  " + formatGeneral(dy / dx));
    } else if (dy > 0.0) {
        texts.push_back(" m:  Infinity");
    } else if (dy < 0.0) {
        texts.push_back(" m:  -Infinity");
    } else {
        texts.push_back(" m:  Undefined");
    }
    if (plot.axes().y().log()) {
        // Along a logarithmic axis a distance is a factor.
        texts.push_back(" y2/y1:  " + formatGeneral(c.y / a.y));
    }
    return texts;
}

}  // namespace kvx
