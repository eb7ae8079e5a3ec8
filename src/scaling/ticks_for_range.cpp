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
    Ticks t{axes.autoSpacing(xMin, xMax, xKind), axes.autoSpacing(yMin, yMax, yKind)};
    if (equalize) {
        AxesSystem::equalizeTicks(t);
    }
    return t;
}

}  // namespace kvx
