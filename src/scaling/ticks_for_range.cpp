#include "scaling/ticks_for_range.h"

namespace kvx {

Ticks ticksForRange(const AxesSystem& axes, double xMin, double xMax, double yMin, double yMax,
                    bool equalize)
{
    return ticksForRange(axes, xMin, xMax, yMin, yMax, equalize, axes.xLog(), axes.yLog());
}

Ticks ticksForRange(const AxesSystem& axes, double xMin, double xMax, double yMin, double yMax,
                    bool equalize, bool xLog, bool yLog)
{
    Ticks t{};
    t.xTick = axes.autoTickSpacing(xMin, xMax, xLog);
    t.xSubTick = t.xTick / axes.subTickDivisor();
    t.yTick = axes.autoTickSpacing(yMin, yMax, yLog);
    t.ySubTick = t.yTick / axes.subTickDivisor();
    if (equalize) {
        AxesSystem::equalizeTicks(t);
    }
    return t;
}

}  // namespace kvx
