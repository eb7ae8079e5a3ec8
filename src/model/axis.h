#pragma once
// One axis of a plot: its kind, its range and tick spacings with the three
// remembered copies behind "Last", "Original" and "Store"/"Restore", and the
// way between data values and axis coordinates (their logarithms on a
// logarithmic axis). Bounds are data values on either kind of axis; widths,
// zooms, moves and tick spacings are in axis coordinates: on a logarithmic
// axis a tick of 1 is one decade.

#include "model/axis_scale.h"

namespace kvx {

struct AxisRange {
    double min = -1000.0;
    double max = 1000.0;
    double tick = 500.0;  // labelled ticks
    double subTick = 250.0;
    friend bool operator==(const AxisRange&, const AxisRange&) = default;
};

// Every range starts as the plot's first one, -1000 to 1000 with the ticks
// that the default tick counts give, so that "Original", "Restore" and
// "Last" on a plot into which nothing was loaded show that range rather
// than an empty one.
class Axis {
public:
    // The smallest relative width that the axes accept.
    static constexpr double minRelativeWidth = 1e-14;
    // The smallest width: across it a picture of 32767 pixels still has a
    // finite scale, and its ticks and sub-ticks are normal doubles.
    static constexpr double minWidth = 1e-300;
    // Whether `first` and `second` can bound a linear axis: a finite width
    // of at least minWidth and minRelativeWidth.
    static bool acceptsBounds(double first, double second);
    // The same on an axis of `kind`: a logarithmic one takes positive
    // bounds whose logarithms a linear axis takes.
    static bool acceptsBounds(double first, double second, AxisKind kind);
    bool accepts(double first, double second) const { return acceptsBounds(first, second, kind_); }

    AxisKind kind() const { return kind_; }
    bool log() const { return kind_ == AxisKind::Logarithmic; }
    double toAxis(double v) const { return kvx::toAxis(v, kind_); }
    double fromAxis(double u) const { return kvx::fromAxis(u, kind_); }

    const AxisRange& current() const { return current_; }
    const AxisRange& last() const { return last_; }
    const AxisRange& original() const { return original_; }
    const AxisRange& stored() const { return stored_; }
    // The current bounds in axis coordinates.
    double axisMin() const { return toAxis(current_.min); }
    double axisMax() const { return toAxis(current_.max); }
    double axisWidth() const { return axisMax() - axisMin(); }

    // Whether the tick spacings were set rather than left to the tick counts.
    bool ticksSet() const { return ticksSet_; }
    void forgetTicksSet() { ticksSet_ = false; }
    // The old spacings become the last ones.
    void setTicks(double tick, double subTick);

    // Bounds that accepts() takes, in either order; rememberLast keeps the
    // old bounds (not the ticks) as the last ones.
    void setBounds(double min, double max, bool rememberLast);
    // A new kind with bounds that it accepts; remembered ranges that the new
    // kind cannot show take the new bounds and ticks.
    void setKindAndBounds(AxisKind kind, double min, double max, bool rememberLast);
    // The automatic tick spacing of the range from min to max for `divisor`
    // ticks on an axis of `kind`: at least one decade on a logarithmic axis
    // that spans one.
    static double autoTickSpacing(double min, double max, AxisKind kind, double divisor);

    void keepAsOriginal() { original_ = current_; }
    void restoreOriginal() { current_ = original_; }
    void store() { stored_ = current_; }
    void restoreStored() { current_ = stored_; }
    void keepAsLast() { last_ = current_; }
    void restoreLast() { current_ = last_; }

private:
    void fitRemembered(AxisRange& range) const;

    AxisRange current_;
    AxisRange last_;
    AxisRange original_;
    AxisRange stored_;
    AxisKind kind_ = AxisKind::Linear;
    bool ticksSet_ = false;
};

}  // namespace kvx
