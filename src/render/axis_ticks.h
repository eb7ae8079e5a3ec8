#pragma once
// Where the ticks of one axis stand and how their labels read. A linear
// axis ticks at the multiples of its tick spacing. A logarithmic one ticks
// at whole decades (every `tick` decades) with sub-ticks at 2 to 9 times a
// decade where a decade is wide enough for them; its labels read 10 with a
// raised exponent, or as plain numbers on a range of less than two decades.
// A logarithmic range of less than one decade ticks like a linear one. A
// time axis ticks at calendar steps. Where the labels of all major ticks
// would run into each other, only every second, fifth, tenth ... tick
// carries one (`labelEvery`, set by whoever measures them): those whose
// number of steps from zero is a multiple of it, so that the labelled ticks
// stay where they are when the range moves.

#include <string>
#include <vector>

#include "model/axis.h"
#include "render/label_format.h"
#include "scaling/calendar_ticks.h"

namespace kvx {

struct AxisTicks {
    std::vector<double> major;  // labelled ticks, as data values
    std::vector<double> minor;
    bool powers = false;   // labels as 10 to the power of major's logarithm
    LabelFormat format;    // the labels otherwise
    bool plain = false;    // plain numbers ("%g") instead of `format`
    CalendarStep calendar;  // on a time axis: the step of the labelled ticks
    bool time = false;      // labels as calendarLabel
    double step = 0.0;      // between major ticks; in decades for powers and plain numbers
    int labelEvery = 1;     // the major ticks whose index is a multiple of it carry labels
};

struct TickedAxis {
    AxisRange range{0.0, 0.0, 0.0, 0.0};  // spacings in decades on a logarithmic axis
    AxisKind kind = AxisKind::Linear;
    int pixels = 1;  // the axis's length
    double tickDivisor = 6.0;  // the tick counts, for a short logarithmic range
    double subTickDivisor = 2.0;
    int16_t maxDigits = 6;
};

AxisTicks axisTicks(const TickedAxis& axis);

// Whether the major tick at `value` carries a label.
bool labelled(const AxisTicks& ticks, double value);

// The label of a major tick; with `powers` the exponent goes to `exponent`
// and the label is the base "10".
std::string axisTickLabel(const AxisTicks& ticks, double value, std::string& exponent);

}  // namespace kvx
