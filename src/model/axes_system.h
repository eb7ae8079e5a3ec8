#pragma once
// The x and y ranges of a plot with their tick steps, and three remembered
// copies behind "Last", "Original" and "Store"/"Restore".

#include <cstdint>

namespace kvx {

struct RangeSet {
    double xMin = -1000.0;
    double xMax = 1000.0;
    double yMin = -1000.0;
    double yMax = 1000.0;
    double xTick = 500.0;  // labelled ticks
    double xSubTick = 250.0;
    double yTick = 500.0;
    double ySubTick = 250.0;
    friend bool operator==(const RangeSet&, const RangeSet&) = default;
};

struct Ticks {
    double xTick;
    double yTick;
    double xSubTick;
    double ySubTick;
};

// Every range set starts as the plot's first range, -1000 to 1000 on both
// axes with the ticks that the default tick counts give, so that "Original",
// "Restore" and "Last" on a plot into which nothing was loaded show that
// range rather than an empty one.
//
// Bounds are data values on either kind of axis. On a logarithmic axis the
// widths, zooms and moves are taken in decades, and so are its tick
// spacings: a tick of 1 is one decade.
class AxesSystem {
public:
    // The smallest relative width that setRange accepts.
    static constexpr double minRelativeWidth = 1e-14;
    // The smallest width: across it a picture of 32767 pixels still has a
    // finite scale, and its ticks and sub-ticks are normal doubles.
    static constexpr double minWidth = 1e-300;
    // Whether setRange takes `first` and `second` as the bounds of an axis:
    // a finite width of at least minWidth and minRelativeWidth.
    static bool acceptsBounds(double first, double second);
    // The same on an axis of either kind: a logarithmic one takes positive
    // bounds whose logarithms acceptsBounds takes.
    static bool acceptsBounds(double first, double second, bool log);

    bool xLog() const { return xLog_; }
    bool yLog() const { return yLog_; }
    // Sets the kind of both axes (logarithmic or linear) with a range that
    // suits them, as setRange does; refused, with nothing changed, when a
    // bound does not suit its axis. Remembered ranges whose bounds the new
    // kind cannot show take the new bounds and ticks of that axis.
    bool setRangeAndKinds(double xMin, double xMax, double yMin, double yMax, bool xLog, bool yLog,
                          bool rememberLast);
    // The automatic tick spacing of a range: in decades on a logarithmic
    // axis, at least one when the range spans a decade or more.
    double autoTickSpacing(double min, double max, bool log) const;

    const RangeSet& currentRange() const { return currentRange_; }
    const RangeSet& lastRange() const { return lastRange_; }
    const RangeSet& originalRange() const { return originalRange_; }
    const RangeSet& storedRange() const { return storedRange_; }
    double rangeRatio() const { return rangeRatio_; }
    int16_t numTicks() const { return numTicks_; }
    int16_t numSubTicks() const { return numSubTicks_; }
    bool xTicksSet() const { return xTicksSet_; }
    bool yTicksSet() const { return yTicksSet_; }

    void setTickCounts(int16_t numTicks, int16_t numSubTicks);
    // Ignores ranges that acceptsBounds refuses for the axes' kinds and
    // orders the bounds; rememberLast keeps the old bounds (not the ticks)
    // in lastRange. False when the range was refused.
    bool setRange(double xMin, double xMax, double yMin, double yMax, bool rememberLast);
    Ticks ticks() const;

    void setXTick(double t);
    void setXTicks(double t, double s);
    void setYTick(double t);
    void setYTicks(double t, double s);
    void setTicks(double xTick, double yTick, double xSubTick, double ySubTick);

    void autoXTicks();
    void autoYTicks();
    // With `equal` both axes take the larger tick and its sub-tick.
    void autoTicks(bool equal);
    void autoTicksIfUnset();
    // The tick counts as divisors: a count below 1 (a damaged settings
    // file) would give infinite ticks.
    double tickDivisor() const { return numTicks_ < 1 ? 1.0 : numTicks_; }
    double subTickDivisor() const { return numSubTicks_ < 1 ? 1.0 : numSubTicks_; }
    // Both axes take the larger tick and its sub-tick.
    static void equalizeTicks(Ticks& t);

    void keepAsOriginal() { originalRange_ = currentRange_; }
    void restoreOriginal() { currentRange_ = originalRange_; }
    void restoreOriginalX();
    void restoreOriginalY();
    void store() { storedRange_ = currentRange_; }
    void restoreStored() { currentRange_ = storedRange_; }
    void keepAsLast() { lastRange_ = currentRange_; }
    void restoreLast() { currentRange_ = lastRange_; }

    // Nothing moves when the shifted range would not be accepted by setRange
    // (a step far larger than the range loses it in rounding).
    void shift(double dx, double dy);
    void shiftBySubTicks(int nx, int ny);
    void shiftByTicks(int nx, int ny);
    void shiftByRanges(int nx, int ny);
    // f > 1 widens the view about its centre, f < 1 narrows it.
    void zoomAboutCentre(double f);
    // Centres the view on (cx, cy), scaled by f.
    void zoomAbout(double f, double cx, double cy);

private:
    // The axis coordinates of the current bounds (their logarithms on a
    // logarithmic axis).
    double uMin() const;
    double uMax() const;
    double vMin() const;
    double vMax() const;
    bool setAxisRange(double uMin, double uMax, double vMin, double vMax, bool rememberLast);

    RangeSet originalRange_;
    RangeSet storedRange_;
    RangeSet lastRange_;
    RangeSet currentRange_;
    double rangeRatio_ = 1.0;
    int16_t numTicks_ = 6;
    int16_t numSubTicks_ = 2;
    bool xTicksSet_ = false;
    bool yTicksSet_ = false;
    bool xLog_ = false;
    bool yLog_ = false;
};

}  // namespace kvx
