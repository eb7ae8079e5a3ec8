#include "render/axis_ticks.h"

#include <cmath>

#include "app/general_format.h"
#include "model/axis_scale.h"
#include "model/nice_step.h"

namespace kvx {

namespace {

// The multiples i * step in [min, max], i from ceil(min / step) to
// floor(max / step). A spacing that would put more ticks on the axis than
// it has pixels (a tiny tick typed into the range dialog, or a range too
// narrow for its doubles) gives none: they would only fill the axis.
std::vector<double> multiples(double min, double max, double step, int pixels)
{
    std::vector<double> values;
    if (!(step > 0) || !std::isfinite(step)) {
        return values;
    }
    // "+ 0.0" turns a -0 from ceil(-0.1) into 0, which labels as "0", not "-0".
    const double first = std::ceil(min / step) + 0.0;
    const double last = std::floor(max / step) + 0.0;
    if (!std::isfinite(first) || !std::isfinite(last) || !(last - first < pixels)) {
        return values;
    }
    for (double i = first; i <= last; ++i) {
        values.push_back(i * step);
    }
    return values;
}

// Decades this wide in pixels carry sub-ticks at 2 to 9, or at 2 and 5.
constexpr double allSubTicks = 60.0;
constexpr double someSubTicks = 25.0;
// Sub-ticks at whole decades between the labelled ones need this many.
constexpr double decadeSubTicks = 4.0;

void logTicks(const TickedAxis& axis, double uMin, double uMax, AxisTicks& t)
{
    const double decades = uMax - uMin;
    const double perDecade = axis.pixels / decades;
    const double step = std::max(1.0, std::round(axis.range.tick));
    t.step = step;
    for (const double u : multiples(uMin, uMax, step, axis.pixels)) {
        t.major.push_back(fromAxis(u, AxisKind::Logarithmic));
    }
    t.powers = decades >= 2.0;
    t.plain = !t.powers;
    if (step > 1.0) {
        if (perDecade >= decadeSubTicks) {
            for (const double u : multiples(uMin, uMax, 1.0, axis.pixels)) {
                if (std::fmod(u, step) != 0.0) {
                    t.minor.push_back(fromAxis(u, AxisKind::Logarithmic));
                }
            }
        }
        return;
    }
    if (perDecade < someSubTicks) {
        return;
    }
    const bool all = perDecade >= allSubTicks;
    for (double d = std::floor(uMin); d <= uMax; ++d) {
        const double decade = fromAxis(d, AxisKind::Logarithmic);
        for (int m = 2; m <= 9; ++m) {
            const double v = m * decade;
            if ((all || m == 2 || m == 5) && axis.range.min <= v && v <= axis.range.max) {
                t.minor.push_back(v);
            }
        }
    }
}

}  // namespace

AxisTicks axisTicks(const TickedAxis& axis)
{
    AxisTicks t;
    if (axis.kind == AxisKind::Time && onCalendar(axis.range.min, axis.range.max)) {
        t.time = true;
        t.calendar = calendarStep(axis.range.max - axis.range.min, axis.tickDivisor);
        t.major = calendarTicks(axis.range.min, axis.range.max, t.calendar, axis.pixels);
        t.minor = calendarTicks(axis.range.min, axis.range.max, calendarSubStep(t.calendar), axis.pixels);
        return t;
    }
    if (axis.kind != AxisKind::Logarithmic) {
        t.major = multiples(axis.range.min, axis.range.max, axis.range.tick, axis.pixels);
        t.minor = multiples(axis.range.min, axis.range.max, axis.range.subTick, axis.pixels);
        t.step = axis.range.tick;
        t.format = distinctLabelFormat(t.major, axis.range.min, axis.range.max, axis.range.tick, axis.maxDigits);
        return t;
    }
    const double uMin = toAxis(axis.range.min, AxisKind::Logarithmic);
    const double uMax = toAxis(axis.range.max, AxisKind::Logarithmic);
    if (!(uMax - uMin >= 1.0)) {
        // Within a decade, nice steps of the values themselves.
        const double step = niceStep((axis.range.max - axis.range.min) / axis.tickDivisor);
        t.major = multiples(axis.range.min, axis.range.max, step, axis.pixels);
        t.minor = multiples(axis.range.min, axis.range.max, step / axis.subTickDivisor, axis.pixels);
        t.step = step;
        t.format = distinctLabelFormat(t.major, axis.range.min, axis.range.max, step, axis.maxDigits);
        return t;
    }
    logTicks(axis, uMin, uMax, t);
    return t;
}

bool labelled(const AxisTicks& ticks, double value)
{
    if (ticks.labelEvery <= 1) {
        return true;
    }
    int64_t index = 0;
    if (ticks.time) {
        index = calendarIndex(value, ticks.calendar);
    } else if (ticks.powers || ticks.plain) {
        index = std::llround(toAxis(value, AxisKind::Logarithmic) / ticks.step);
    } else if (ticks.step > 0.0) {
        index = std::llround(value / ticks.step);
    }
    return index % ticks.labelEvery == 0;
}

std::string axisTickLabel(const AxisTicks& ticks, double value, std::string& exponent)
{
    exponent.clear();
    if (ticks.powers) {
        exponent = std::to_string(std::lround(toAxis(value, AxisKind::Logarithmic)));
        return "10";
    }
    if (ticks.time) {
        // A thinned axis reads as one of the longer step: the date comes
        // where the day changes since the label before.
        const CalendarStep labelStep{ticks.calendar.seconds * ticks.labelEvery,
                                     ticks.calendar.months * ticks.labelEvery};
        return calendarLabel(value, labelStep);
    }
    return ticks.plain ? formatGeneral(value) : tickLabel(value, ticks.format);
}

}  // namespace kvx
