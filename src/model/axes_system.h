#pragma once
// The two axes of a plot, what changes both at once (a range is taken only
// when both axes accept it), and the tick counts from which automatic tick
// spacings follow.

#include <cstdint>

#include "model/axis.h"

namespace kvx {

// The ranges of both axes at one time.
struct RangeSet {
    AxisRange x;
    AxisRange y;
    friend bool operator==(const RangeSet&, const RangeSet&) = default;
};

struct TickSpacing {
    double tick;
    double subTick;
};

struct Ticks {
    TickSpacing x;
    TickSpacing y;
};

class AxesSystem {
public:
    const Axis& x() const { return x_; }
    const Axis& y() const { return y_; }
    // Ticks and remembered ranges of one axis; bounds and kinds change
    // through the axes system, which checks both axes.
    Axis& x() { return x_; }
    Axis& y() { return y_; }

    // Sets the kinds of both axes with a range that suits them, as setRange
    // does; refused, with nothing changed, when a bound does not suit its
    // axis.
    bool setRangeAndKinds(double xMin, double xMax, double yMin, double yMax, AxisKind xKind, AxisKind yKind,
                          bool rememberLast);

    RangeSet currentRange() const { return {x_.current(), y_.current()}; }
    RangeSet lastRange() const { return {x_.last(), y_.last()}; }
    RangeSet originalRange() const { return {x_.original(), y_.original()}; }
    RangeSet storedRange() const { return {x_.stored(), y_.stored()}; }
    double rangeRatio() const { return rangeRatio_; }
    int16_t numTicks() const { return numTicks_; }
    int16_t numSubTicks() const { return numSubTicks_; }

    void setTickCounts(int16_t numTicks, int16_t numSubTicks);
    // Ignores ranges that the axes do not accept and orders the bounds;
    // rememberLast keeps the old bounds (not the ticks) as the last ones.
    // False when the range was refused.
    bool setRange(double xMin, double xMax, double yMin, double yMax, bool rememberLast);
    Ticks ticks() const;
    void setTicks(const Ticks& t);

    // A tick spacing with the sub-ticks that the tick counts give.
    void setTick(Axis& axis, double tick);
    // The spacings that the tick counts give for a range from min to max on
    // an axis of `kind`.
    TickSpacing autoSpacing(double min, double max, AxisKind kind) const;
    // The spacing that the tick counts give for the axis's range.
    void autoTicks(Axis& axis);
    // With `equal` both axes take the larger tick and its sub-tick.
    void autoTicks(bool equal);
    void autoTicksIfUnset();
    // The tick counts as divisors: a count below 1 (a damaged settings
    // file) would give infinite ticks.
    double tickDivisor() const { return numTicks_ < 1 ? 1.0 : numTicks_; }
    double subTickDivisor() const { return numSubTicks_ < 1 ? 1.0 : numSubTicks_; }
    // Both axes take the larger tick and its sub-tick.
    static void equalizeTicks(Ticks& t);

    void keepAsOriginal();
    void restoreOriginal();
    void store();
    void restoreStored();
    void keepAsLast();
    void restoreLast();

    // Nothing moves when the shifted range would not be accepted by setRange
    // (a step far larger than the range loses it in rounding). The steps are
    // in axis coordinates.
    void shift(double dx, double dy);
    void shiftBySubTicks(int nx, int ny);
    void shiftByTicks(int nx, int ny);
    void shiftByRanges(int nx, int ny);
    // f > 1 widens the view about its centre, f < 1 narrows it.
    void zoomAboutCentre(double f);
    // Centres the view on (cx, cy), scaled by f.
    void zoomAbout(double f, double cx, double cy);

private:
    bool setAxisRange(double uMin, double uMax, double vMin, double vMax, bool rememberLast);

    Axis x_;
    Axis y_;
    double rangeRatio_ = 1.0;
    int16_t numTicks_ = 6;
    int16_t numSubTicks_ = 2;
};

}  // namespace kvx
