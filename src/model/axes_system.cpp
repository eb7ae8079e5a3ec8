#include "model/axes_system.h"

#include <cmath>
#include <utility>

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

bool AxesSystem::setRange(double xMin, double xMax, double yMin, double yMax, bool rememberLast)
{
    if (!acceptsBounds(xMin, xMax) || !acceptsBounds(yMin, yMax)) {
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
    rangeRatio_ = (xMax - xMin) / (yMax - yMin);
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

void AxesSystem::autoXTicks()
{
    setXTick(niceStep((currentRange_.xMax - currentRange_.xMin) / tickDivisor()));
}

void AxesSystem::autoYTicks()
{
    setYTick(niceStep((currentRange_.yMax - currentRange_.yMin) / tickDivisor()));
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
    RangeSet& r = currentRange_;
    if (!acceptsBounds(r.xMin + dx, r.xMax + dx) || !acceptsBounds(r.yMin + dy, r.yMax + dy)) {
        return;
    }
    r.xMin += dx;
    r.xMax += dx;
    r.yMin += dy;
    r.yMax += dy;
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
    shift(nx * (currentRange_.xMax - currentRange_.xMin), ny * (currentRange_.yMax - currentRange_.yMin));
}

void AxesSystem::zoomAboutCentre(double f)
{
    const RangeSet& r = currentRange_;
    const double e = (f - 1.0) * (r.xMax - r.xMin) / 2.0;
    const double c = (f - 1.0) * (r.yMax - r.yMin) / 2.0;
    setRange(r.xMin - e, r.xMax + e, r.yMin - c, r.yMax + c, false);
}

void AxesSystem::zoomAbout(double f, double cx, double cy)
{
    const RangeSet& r = currentRange_;
    const double hx = (r.xMax - r.xMin) / 2.0;
    const double hy = (r.yMax - r.yMin) / 2.0;
    setRange(cx - f * hx, cx + f * hx, cy - f * hy, cy + f * hy, false);
}

}  // namespace kvx
