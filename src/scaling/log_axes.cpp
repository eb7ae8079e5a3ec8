#include "scaling/log_axes.h"

#include "scaling/auto_range.h"

namespace kvx {

bool setAxisLog(PlotModel& plot, bool xAxis, bool log)
{
    AxesSystem& axes = plot.axes();
    if ((xAxis ? axes.xLog() : axes.yLog()) == log) {
        return true;
    }
    const RangeSet r = axes.currentRange();
    double lo = xAxis ? r.xMin : r.yMin;
    double hi = xAxis ? r.xMax : r.yMax;
    if (const auto bounds = autoAxisBounds(plot, xAxis, log)) {
        lo = bounds->first;
        hi = bounds->second;
    } else if (log) {
        return false;
    }
    const bool xLog = xAxis ? log : axes.xLog();
    const bool yLog = xAxis ? axes.yLog() : log;
    const bool set = xAxis ? axes.setRangeAndKinds(lo, hi, r.yMin, r.yMax, xLog, yLog, true)
                           : axes.setRangeAndKinds(r.xMin, r.xMax, lo, hi, xLog, yLog, true);
    if (set) {
        xAxis ? axes.autoXTicks() : axes.autoYTicks();
    }
    return set;
}

std::string noPositiveValues(bool xAxis)
{
    return std::string("No positive ") + (xAxis ? "x" : "y") +
           " values to show on a logarithmic axis:\nthe axis stays linear.";
}

}  // namespace kvx
