#include "model/axes_system.h"

namespace kvx {

void AxesSystem::setTickCounts(int16_t numTicks, int16_t numSubTicks)
{
    numTicks_ = numTicks;
    numSubTicks_ = numSubTicks;
    x_.forgetTicksSet();
    y_.forgetTicksSet();
}

bool AxesSystem::setAxisRange(double uMin, double uMax, double vMin, double vMax, bool rememberLast)
{
    return setRange(x_.fromAxis(uMin), x_.fromAxis(uMax), y_.fromAxis(vMin), y_.fromAxis(vMax), rememberLast);
}

bool AxesSystem::setRange(double xMin, double xMax, double yMin, double yMax, bool rememberLast)
{
    if (!x_.accepts(xMin, xMax) || !y_.accepts(yMin, yMax)) {
        return false;
    }
    x_.setBounds(xMin, xMax, rememberLast);
    y_.setBounds(yMin, yMax, rememberLast);
    rangeRatio_ = x_.axisWidth() / y_.axisWidth();
    return true;
}

bool AxesSystem::setRangeAndKinds(double xMin, double xMax, double yMin, double yMax, AxisKind xKind,
                                  AxisKind yKind, bool rememberLast)
{
    if (!Axis::acceptsBounds(xMin, xMax, xKind) || !Axis::acceptsBounds(yMin, yMax, yKind)) {
        return false;
    }
    x_.setKindAndBounds(xKind, xMin, xMax, rememberLast);
    y_.setKindAndBounds(yKind, yMin, yMax, rememberLast);
    rangeRatio_ = x_.axisWidth() / y_.axisWidth();
    return true;
}

Ticks AxesSystem::ticks() const
{
    return {{x_.current().tick, x_.current().subTick}, {y_.current().tick, y_.current().subTick}};
}

void AxesSystem::setTicks(const Ticks& t)
{
    x_.setTicks(t.x.tick, t.x.subTick);
    y_.setTicks(t.y.tick, t.y.subTick);
}

void AxesSystem::setTick(Axis& axis, double tick)
{
    axis.setTicks(tick, tick / subTickDivisor());
}

TickSpacing AxesSystem::autoSpacing(double min, double max, AxisKind kind) const
{
    const double tick = Axis::autoTickSpacing(min, max, kind, tickDivisor());
    return {tick, tick / subTickDivisor()};
}

void AxesSystem::autoTicks(Axis& axis)
{
    const TickSpacing s = autoSpacing(axis.current().min, axis.current().max, axis.kind());
    axis.setTicks(s.tick, s.subTick);
}

void AxesSystem::autoTicks(bool equal)
{
    const auto spacing = [this](const Axis& axis) {
        return autoSpacing(axis.current().min, axis.current().max, axis.kind());
    };
    Ticks t{spacing(x_), spacing(y_)};
    if (equal) {
        equalizeTicks(t);
    }
    setTicks(t);
}

void AxesSystem::equalizeTicks(Ticks& t)
{
    if (t.x.tick > t.y.tick) {
        t.y = t.x;
    } else {
        t.x = t.y;
    }
}

void AxesSystem::autoTicksIfUnset()
{
    if (!x_.ticksSet()) {
        autoTicks(x_);
    }
    if (!y_.ticksSet()) {
        autoTicks(y_);
    }
}

void AxesSystem::keepAsOriginal()
{
    x_.keepAsOriginal();
    y_.keepAsOriginal();
}

void AxesSystem::restoreOriginal()
{
    x_.restoreOriginal();
    y_.restoreOriginal();
}

void AxesSystem::store()
{
    x_.store();
    y_.store();
}

void AxesSystem::restoreStored()
{
    x_.restoreStored();
    y_.restoreStored();
}

void AxesSystem::keepAsLast()
{
    x_.keepAsLast();
    y_.keepAsLast();
}

void AxesSystem::restoreLast()
{
    x_.restoreLast();
    y_.restoreLast();
}

void AxesSystem::shift(double dx, double dy)
{
    const double x0 = x_.fromAxis(x_.axisMin() + dx);
    const double x1 = x_.fromAxis(x_.axisMax() + dx);
    const double y0 = y_.fromAxis(y_.axisMin() + dy);
    const double y1 = y_.fromAxis(y_.axisMax() + dy);
    if (!x_.accepts(x0, x1) || !y_.accepts(y0, y1)) {
        return;
    }
    x_.setBounds(x0, x1, false);
    y_.setBounds(y0, y1, false);
}

void AxesSystem::shiftBySubTicks(int nx, int ny)
{
    shift(nx * x_.current().subTick, ny * y_.current().subTick);
}

void AxesSystem::shiftByTicks(int nx, int ny)
{
    shift(nx * x_.current().tick, ny * y_.current().tick);
}

void AxesSystem::shiftByRanges(int nx, int ny)
{
    shift(nx * x_.axisWidth(), ny * y_.axisWidth());
}

void AxesSystem::zoomAboutCentre(double f)
{
    const double e = (f - 1.0) * x_.axisWidth() / 2.0;
    const double c = (f - 1.0) * y_.axisWidth() / 2.0;
    setAxisRange(x_.axisMin() - e, x_.axisMax() + e, y_.axisMin() - c, y_.axisMax() + c, false);
}

void AxesSystem::zoomAbout(double f, double cx, double cy)
{
    const double hx = x_.axisWidth() / 2.0;
    const double hy = y_.axisWidth() / 2.0;
    const double u = x_.toAxis(cx);
    const double v = y_.toAxis(cy);
    setAxisRange(u - f * hx, u + f * hx, v - f * hy, v + f * hy, false);
}

}  // namespace kvx
