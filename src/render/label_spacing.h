#pragma once
// Which major ticks of an axis carry a label: all of them where the labels
// leave room between them, else every 2nd, 5th, 10th, 20th ... tick, the
// fewest left out that lets them stand apart.

#include <functional>

#include "render/axis_ticks.h"

namespace kvx {

// The pixels a label covers along its axis, from `from` to `to`, the room
// it wants before its neighbour included; either way round.
struct LabelSpan {
    int from = 0;
    int to = 0;
};

using LabelSpanOf = std::function<LabelSpan(const AxisTicks& ticks, double value)>;

// The labelEvery for `ticks` with which no two labels cover the same
// pixels; `spanOf` gives the span of the label of a major tick as the
// ticks (with a trial labelEvery) would write it.
int labelEvery(const AxisTicks& ticks, const LabelSpanOf& spanOf);

}  // namespace kvx
