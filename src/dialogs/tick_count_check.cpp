#include "dialogs/tick_count_check.h"

#include <algorithm>
#include <cmath>

#include "dialogs/dialog_plot.h"

namespace kvx {

namespace {

// The intervals of `step` between the bounds. The bounds are ordered first:
// the range is stored ordered, so a range typed high to low gets as many
// ticks as the same range typed low to high.
double intervals(double first, double second, double step)
{
    const double low = std::min(first, second);
    const double high = std::max(first, second);
    return std::floor(high / step) - std::ceil(low / step);
}

bool fitsAxis(int pixels, double min, double max, double tick, double subTick)
{
    const double ticks = intervals(min, max, tick);
    const double subTicks = intervals(min, max, subTick);
    return std::isfinite(ticks) && std::isfinite(subTicks) && pixels > ticks && pixels > subTicks;
}

}  // namespace

bool tickCountCheck(const PlotView& view, double xMin, double xMax, double yMin, double yMax,
                    double xTick, double xSubTick, double yTick, double ySubTick)
{
    const DeviceRect& frame = view.plotRect;
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;
    return fitsAxis(width, xMin, xMax, xTick, xSubTick) && fitsAxis(height, yMin, yMax, yTick, ySubTick);
}

}  // namespace kvx
