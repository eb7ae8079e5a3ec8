#include "model/axes_system.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/axis_scale.h"
#include "model/nice_step.h"

namespace kvx {

void AxesSystem::setTickCounts(int16_t numTicks, int16_t numSubTicks)
{
    numTicks_ = numTicks;
    numSubTicks_ = numSubTicks;
    xTicksSet_ = false;
    yTicksSet_ = false;
}

bool AxesSystem::acceptsBounds(double first, double second)
{
    // Bounds that are not finite, or so far apart that the width is not,
    // or so close that the scale is not, would make every transform of the
    // plot meaningless.
    const double width = std::fabs(second - first);
    if (!std::isfinite(width) || !(width >= minWidth)) {
        return false;
    }
    // An infinite quotient (a bound of 0) passes; not-a-number does not.
    return std::fabs((second - first) / second) >= minRelativeWidth;
}

bool AxesSystem::acceptsBounds(double first, double second, bool log)
{
    if (!log) {
        return acceptsBounds(first, second);
    }
    const double a = toAxis(first, true);
    const double b = toAxis(second, true);
    return !std::isnan(a) && !std::isnan(b) && acceptsBounds(a, b);
}

double AxesSystem::uMin() const
{
    return toAxis(currentRange_.xMin, xLog_);
}

double AxesSystem::uMax() const
{
    return toAxis(currentRange_.xMax, xLog_);
}

double AxesSystem::vMin() const
{
    return toAxis(currentRange_.yMin, yLog_);
}

double AxesSystem::vMax() const
{
    return toAxis(currentRange_.yMax, yLog_);
}

bool AxesSystem::setAxisRange(double uMin, double uMax, double vMin, double vMax, bool rememberLast)
{
    return setRange(fromAxis(uMin, xLog_), fromAxis(uMax, xLog_), fromAxis(vMin, yLog_), fromAxis(vMax, yLog_),
                    rememberLast);
}

bool AxesSystem::setRange(double xMin, double xMax, double yMin, double yMax, bool rememberLast)
{
    if (!acceptsBounds(xMin, xMax, xLog_) || !acceptsBounds(yMin, yMax, yLog_)) {
        return false;
    }
    if (rememberLast) {
        lastRange_.xMin = currentRange_.xMin;
        lastRange_.xMax = currentRange_.xMax;
        lastRange_.yMin = currentRange_.yMin;
        lastRange_.yMax = currentRange_.yMax;
    }
    if (xMax < xMin) {
        std::swap(xMin, xMax);
    }
    if (yMax < yMin) {
        std::swap(yMin, yMax);
    }
    currentRange_.xMin = xMin;
    currentRange_.xMax = xMax;
    currentRange_.yMin = yMin;
    currentRange_.yMax = yMax;
    rangeRatio_ = (uMax() - uMin()) / (vMax() - vMin());
    return true;
}

namespace {

// The bounds of one axis in a range set, with their ticks.
struct AxisPart {
    double RangeSet::*min;
    double RangeSet::*max;
    double RangeSet::*tick;
    double RangeSet::*subTick;
};

constexpr AxisPart xPart{&RangeSet::xMin, &RangeSet::xMax, &RangeSet::xTick, &RangeSet::xSubTick};
constexpr AxisPart yPart{&RangeSet::yMin, &RangeSet::yMax, &RangeSet::yTick, &RangeSet::ySubTick};

// A remembered range that the axis can no longer show would come back by
// "Last", "Original" or "Restore" without the checks of setRange.
void fitRemembered(RangeSet& set, const RangeSet& current, const AxisPart& part, bool log)
{
    if (AxesSystem::acceptsBounds(set.*part.min, set.*part.max, log)) {
        return;
    }
    set.*part.min = current.*part.min;
    set.*part.max = current.*part.max;
    set.*part.tick = current.*part.tick;
    set.*part.subTick = current.*part.subTick;
}

}  // namespace

bool AxesSystem::setRangeAndKinds(double xMin, double xMax, double yMin, double yMax, bool xLog, bool yLog,
                                  bool rememberLast)
{
    if (!acceptsBounds(xMin, xMax, xLog) || !acceptsBounds(yMin, yMax, yLog)) {
        return false;
    }
    xLog_ = xLog;
    yLog_ = yLog;
    setRange(xMin, xMax, yMin, yMax, rememberLast);
    for (RangeSet* set : {&lastRange_, &originalRange_, &storedRange_}) {
        fitRemembered(*set, currentRange_, xPart, xLog);
        fitRemembered(*set, currentRange_, yPart, yLog);
    }
    return true;
}

Ticks AxesSystem::ticks() const
{
    return {currentRange_.xTick, currentRange_.yTick, currentRange_.xSubTick, currentRange_.ySubTick};
}

void AxesSystem::setXTicks(double t, double s)
{
    lastRange_.xTick = currentRange_.xTick;
    lastRange_.xSubTick = currentRange_.xSubTick;
    currentRange_.xTick = t;
    currentRange_.xSubTick = s;
    xTicksSet_ = true;
}

void AxesSystem::setXTick(double t)
{
    setXTicks(t, t / subTickDivisor());
}

void AxesSystem::setYTicks(double t, double s)
{
    lastRange_.yTick = currentRange_.yTick;
    lastRange_.ySubTick = currentRange_.ySubTick;
    currentRange_.yTick = t;
    currentRange_.ySubTick = s;
    yTicksSet_ = true;
}

void AxesSystem::setYTick(double t)
{
    setYTicks(t, t / subTickDivisor());
}

void AxesSystem::setTicks(double xTick, double yTick, double xSubTick, double ySubTick)
{
    setXTicks(xTick, xSubTick);
    setYTicks(yTick, ySubTick);
}

double AxesSystem::autoTickSpacing(double min, double max, bool log) const
{
    const double width = std::fabs(toAxis(max, log) - toAxis(min, log));
    const double step = niceStep(width / tickDivisor());
    // On a logarithmic axis a range of a decade or more ticks at whole decades.
    return log && width >= 1.0 ? std::max(step, 1.0) : step;
}

void AxesSystem::autoXTicks()
{
    setXTick(autoTickSpacing(currentRange_.xMin, currentRange_.xMax, xLog_));
}

void AxesSystem::autoYTicks()
{
    setYTick(autoTickSpacing(currentRange_.yMin, currentRange_.yMax, yLog_));
}

void AxesSystem::autoTicks(bool equal)
{
    autoXTicks();
    autoYTicks();
    if (!equal) {
        return;
    }
    Ticks t = ticks();
    equalizeTicks(t);
    RangeSet& r = currentRange_;
    r.xTick = t.xTick;
    r.xSubTick = t.xSubTick;
    r.yTick = t.yTick;
    r.ySubTick = t.ySubTick;
}

void AxesSystem::equalizeTicks(Ticks& t)
{
    if (t.xTick > t.yTick) {
        t.yTick = t.xTick;
        t.ySubTick = t.xSubTick;
    } else {
        t.xTick = t.yTick;
        t.xSubTick = t.ySubTick;
    }
}

void AxesSystem::autoTicksIfUnset()
{
    if (!xTicksSet_) {
        autoXTicks();
    }
    if (!yTicksSet_) {
        autoYTicks();
    }
}

void AxesSystem::restoreOriginalX()
{
    currentRange_.xMin = originalRange_.xMin;
    currentRange_.xMax = originalRange_.xMax;
    currentRange_.xTick = originalRange_.xTick;
    currentRange_.xSubTick = originalRange_.xSubTick;
}

void AxesSystem::restoreOriginalY()
{
    currentRange_.yMin = originalRange_.yMin;
    currentRange_.yMax = originalRange_.yMax;
    currentRange_.yTick = originalRange_.yTick;
    currentRange_.ySubTick = originalRange_.ySubTick;
}

void AxesSystem::shift(double dx, double dy)
{
    const double x0 = fromAxis(uMin() + dx, xLog_);
    const double x1 = fromAxis(uMax() + dx, xLog_);
    const double y0 = fromAxis(vMin() + dy, yLog_);
    const double y1 = fromAxis(vMax() + dy, yLog_);
    if (!acceptsBounds(x0, x1, xLog_) || !acceptsBounds(y0, y1, yLog_)) {
        return;
    }
    RangeSet& r = currentRange_;
    r.xMin = x0;
    r.xMax = x1;
    r.yMin = y0;
    r.yMax = y1;
}

void AxesSystem::shiftBySubTicks(int nx, int ny)
{
    shift(nx * currentRange_.xSubTick, ny * currentRange_.ySubTick);
}

void AxesSystem::shiftByTicks(int nx, int ny)
{
    shift(nx * currentRange_.xTick, ny * currentRange_.yTick);
}

void AxesSystem::shiftByRanges(int nx, int ny)
{
    shift(nx * (uMax() - uMin()), ny * (vMax() - vMin()));
}

void AxesSystem::zoomAboutCentre(double f)
{
    const double e = (f - 1.0) * (uMax() - uMin()) / 2.0;
    const double c = (f - 1.0) * (vMax() - vMin()) / 2.0;
    setAxisRange(uMin() - e, uMax() + e, vMin() - c, vMax() + c, false);
}

void AxesSystem::zoomAbout(double f, double cx, double cy)
{
    const double hx = (uMax() - uMin()) / 2.0;
    const double hy = (vMax() - vMin()) / 2.0;
    const double u = toAxis(cx, xLog_);
    const double v = toAxis(cy, yLog_);
    setAxisRange(u - f * hx, u + f * hx, v - f * hy, v + f * hy, false);
}

}  // namespace kvx
