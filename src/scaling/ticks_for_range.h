#pragma once
// The tick spacings that the automatic ticks would give for a range the
// plot does not show yet (the "Auto Ticks" button of the range dialog).

#include "model/axes_system.h"

namespace kvx {

// The four spacings for x from xMin to xMax and y from yMin to yMax, with
// the tick counts of `axes`; the bounds may come in either order. With
// `equalize` both axes take the larger tick, as autoTicks(true) does. On
// axes of the kinds xKind and yKind (those of `axes` unless given): in decades
// on a logarithmic one. Nothing is changed.
Ticks ticksForRange(const AxesSystem& axes, double xMin, double xMax, double yMin, double yMax,
                    bool equalize);
Ticks ticksForRange(const AxesSystem& axes, double xMin, double xMax, double yMin, double yMax,
                    bool equalize, AxisKind xKind, AxisKind yKind);

}  // namespace kvx
