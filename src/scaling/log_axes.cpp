#include "scaling/log_axes.h"

#include "scaling/auto_range.h"

namespace kvx {

bool setAxisLog(PlotModel& plot, bool xAxis, bool log)
{
    AxesSystem& axes = plot.axes();
    if ((xAxis ? axes.x().log() : axes.y().log()) == log) {
        return true;
    }
    const AxisKind kind = axisKind(log);
    const RangeSet r = axes.currentRange();
    double lo = xAxis ? r.x.min : r.y.min;
    double hi = xAxis ? r.x.max : r.y.max;
    if (const auto bounds = autoAxisBounds(plot, xAxis, kind)) {
        lo = bounds->first;
        hi = bounds->second;
    } else if (log) {
        return false;
    }
    const bool set = xAxis ? axes.setRangeAndKinds(lo, hi, r.y.min, r.y.max, kind, axes.y().kind(), true)
                           : axes.setRangeAndKinds(r.x.min, r.x.max, lo, hi, axes.x().kind(), kind, true);
    if (set) {
        xAxis ? axes.autoTicks(axes.x()) : axes.autoTicks(axes.y());
    }
    return set;
}

bool setTimeAxis(PlotModel& plot, bool time)
{
    AxesSystem& axes = plot.axes();
    if ((axes.x().kind() == AxisKind::Time) == time) {
        return true;
    }
    const RangeSet r = axes.currentRange();
    const AxisKind kind = time ? AxisKind::Time : AxisKind::Linear;
    if (!axes.setRangeAndKinds(r.x.min, r.x.max, r.y.min, r.y.max, kind, axes.y().kind(), true)) {
        return false;
    }
    axes.autoTicks(axes.x());
    return true;
}

std::string noPositiveValues(bool xAxis)
{
    return std::string("No positive ") + (xAxis ? "x" : "y") +
           " values to show on a logarithmic axis:\nthe axis stays linear.";
}

}  // namespace kvx
