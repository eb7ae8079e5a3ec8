#include "scaling/ticks_for_range.h"

#include <cmath>

#include "model/nice_step.h"

namespace kvx {

Ticks ticksForRange(const AxesSystem& axes, double xMin, double xMax, double yMin, double yMax,
                    bool equalize)
{
    Ticks t{};
    t.xTick = niceStep(std::fabs(xMax - xMin) / axes.tickDivisor());
    t.xSubTick = t.xTick / axes.subTickDivisor();
    t.yTick = niceStep(std::fabs(yMax - yMin) / axes.tickDivisor());
    t.ySubTick = t.yTick / axes.subTickDivisor();
    if (equalize) {
        AxesSystem::equalizeTicks(t);
    }
    return t;
}

}  // namespace kvx
