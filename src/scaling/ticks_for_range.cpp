#include "scaling/ticks_for_range.h"

namespace kvx {

Ticks ticksForRange(const AxesSystem& axes, double xMin, double xMax, double yMin, double yMax,
                    bool equalize)
{
    return ticksForRange(axes, xMin, xMax, yMin, yMax, equalize, axes.x().kind(), axes.y().kind());
}

Ticks ticksForRange(const AxesSystem& axes, double xMin, double xMax, double yMin, double yMax,
                    bool equalize, AxisKind xKind, AxisKind yKind)
{
    const double xTick = Axis::autoTickSpacing(xMin, xMax, xKind, axes.tickDivisor());
    const double yTick = Axis::autoTickSpacing(yMin, yMax, yKind, axes.tickDivisor());
    Ticks t{{xTick, xTick / axes.subTickDivisor()}, {yTick, yTick / axes.subTickDivisor()}};
    if (equalize) {
        AxesSystem::equalizeTicks(t);
    }
    return t;
}

}  // namespace kvx
