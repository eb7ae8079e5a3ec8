#include "model/axis.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/nice_step.h"

namespace kvx {

bool Axis::acceptsBounds(double first, double second)
{
    // Bounds that are not finite, or so far apart that the width is not,
    // or so close that the scale is not, would make every transform of the
    // plot meaningless.
    const double width = std::fabs(second - first);
    if (!std::isfinite(width) || !(width >= minWidth)) {
        return false;
    }
    // An infinite quotient (a bound of 0) passes; not-a-number does not.
    return std::fabs((second - first) / second) >= minRelativeWidth;
}

bool Axis::acceptsBounds(double first, double second, AxisKind kind)
{
    if (kind != AxisKind::Logarithmic) {
        return acceptsBounds(first, second);
    }
    const double a = kvx::toAxis(first, kind);
    const double b = kvx::toAxis(second, kind);
    return !std::isnan(a) && !std::isnan(b) && acceptsBounds(a, b);
}

void Axis::setTicks(double tick, double subTick)
{
    last_.tick = current_.tick;
    last_.subTick = current_.subTick;
    current_.tick = tick;
    current_.subTick = subTick;
    ticksSet_ = true;
}

void Axis::setBounds(double min, double max, bool rememberLast)
{
    if (rememberLast) {
        last_.min = current_.min;
        last_.max = current_.max;
    }
    if (max < min) {
        std::swap(min, max);
    }
    current_.min = min;
    current_.max = max;
}

// A remembered range that the axis can no longer show would come back by
// "Last", "Original" or "Restore" without the checks of the axes.
void Axis::fitRemembered(AxisRange& range) const
{
    if (!accepts(range.min, range.max)) {
        range = current_;
    }
}

void Axis::setKindAndBounds(AxisKind kind, double min, double max, bool rememberLast)
{
    kind_ = kind;
    setBounds(min, max, rememberLast);
    fitRemembered(last_);
    fitRemembered(original_);
    fitRemembered(stored_);
}

double Axis::autoTickSpacing(double min, double max, AxisKind kind, double divisor)
{
    const double width = std::fabs(kvx::toAxis(max, kind) - kvx::toAxis(min, kind));
    const double step = niceStep(width / divisor);
    // On a logarithmic axis a range of a decade or more ticks at whole decades.
    return kind == AxisKind::Logarithmic && width >= 1.0 ? std::max(step, 1.0) : step;
}

}  // namespace kvx
