#include "scaling/auto_range.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "model/axis_scale.h"
#include "scaling/clip_segment.h"
#include "scaling/graph_extent.h"
#include "settings/keywords.h"

namespace kvx {
namespace {

// One axis's accumulated bounds, from the start values +1e100 / -1e100.
struct Bounds {
    double lo = Extent::startMin;
    double hi = Extent::startMax;

    bool empty() const { return lo > hi; }
    void include(double v)
    {
        if (!std::isfinite(v)) {
            return;
        }
        if (empty()) {
            lo = hi = v;
        } else {
            lo = std::min(lo, v);
            hi = std::max(hi, v);
        }
    }
};

// The extent over all graphs that have points, in the coordinates of axes
// of the given kinds; empty axes when none has.
Extent dataExtent(const PlotModel& plot, AxisKind xKind, AxisKind yKind, bool& anyPoints)
{
    Extent all;
    anyPoints = false;
    for (const Graph& g : plot.graphs()) {
        if (g.numPoints() > 0) {
            anyPoints = true;
            all.merge(axisExtentForRange(g, xKind, yKind));
        }
    }
    return all;
}

// A range that reaches beyond the largest double, or is wider than it,
// keeps its middle part, so that the width and the scale stay finite.
void keepFinite(double& lo, double& hi)
{
    constexpr double largest = std::numeric_limits<double>::max();
    if (std::isfinite(hi - lo)) {
        return;
    }
    lo = std::max(lo, -largest);
    hi = std::min(hi, largest);
    if (std::isfinite(hi - lo)) {
        return;
    }
    const double centre = lo / 2 + hi / 2;
    lo = centre - 0.49 * largest;
    hi = centre + 0.49 * largest;
}

// Widens [lo, hi] by the excess, half on each side; a single value becomes
// v * 0.99 - 1 to v * 1.01 + 1, and so do values too close together for a
// range of their own (a denormal spread, or below the relative resolution).
void widen(double& lo, double& hi, double excess)
{
    const double d = hi - lo;
    if (std::isfinite(d)) {
        hi += d * excess * 0.5;
        lo -= d * excess * 0.5;
        if (d == 0.0 || (std::isfinite(hi - lo) && !Axis::acceptsBounds(lo, hi))) {
            lo = lo * 0.99 - 1.0;
            hi = hi * 1.01 + 1.0;
        }
    }
    keepFinite(lo, hi);
}

// The decades that doubles reach: a wider logarithmic range would have
// bounds of 0 or infinity.
constexpr double lowestDecade = -307.0;
constexpr double highestDecade = 308.0;

// widen on axis coordinates: a logarithmic range of a decade or more spans
// whole decades.
void widenOnAxis(double& lo, double& hi, double excess, AxisKind kind)
{
    if (kind != AxisKind::Logarithmic) {
        widen(lo, hi, excess);
        return;
    }
    if (hi - lo >= 1.0) {
        lo = std::floor(lo);
        hi = std::ceil(hi);
    } else {
        widen(lo, hi, excess);
    }
    lo = std::clamp(lo, lowestDecade, highestDecade);
    hi = std::clamp(hi, lowestDecade, highestDecade);
}

// The automatic bounds, as data values, of an axis whose values span
// [lo, hi] in axis coordinates.
void boundsOnAxis(double lo, double hi, double excess, AxisKind kind, double& min, double& max)
{
    widenOnAxis(lo, hi, excess, kind);
    min = fromAxis(lo, kind);
    max = fromAxis(hi, kind);
}

enum class Along { X, Y };

// autoRangeX (axis X: x range from the y band) and autoRangeY (axis Y).
bool autoRangeAlong(PlotModel& plot, Along axis)
{
    if (plot.numGraphs() == 0) {
        return false;
    }
    const RangeSet r = plot.axes().currentRange();
    const bool alongX = axis == Along::X;
    const AxisKind xKind = plot.axes().x().kind();
    const AxisKind yKind = plot.axes().y().kind();
    const AxisKind kindAlong = alongX ? xKind : yKind;
    const AxisKind kindAcross = alongX ? yKind : xKind;
    // Everything in axis coordinates, where the segments are straight.
    const double bandLo = toAxis(alongX ? r.y.min : r.x.min, kindAcross);
    const double bandHi = toAxis(alongX ? r.y.max : r.x.max, kindAcross);

    bool anyPoints = false;
    Bounds b;
    int32_t count = 0;
    for (const Graph& g : plot.graphs()) {
        anyPoints = anyPoints || g.numPoints() > 0;
        const double* along = alongX ? g.xData() : g.yData();
        const double* across = alongX ? g.yData() : g.xData();
        for (int32_t k = 0; k < g.numPoints(); ++k) {
            const double a = toAxis(along[k], kindAlong);
            const double c = toAxis(across[k], kindAcross);
            if (bandLo <= c && c <= bandHi && std::isfinite(a)) {
                ++count;
                b.include(a);
            }
        }
    }
    if (!anyPoints) {
        return false;
    }

    if (count < 2) {
        // Too few points in the band: the pieces of the segments that
        // cross it say where the graphs run inside it.
        bool unused = false;
        const Extent data = dataExtent(plot, xKind, yKind, unused);
        b = Bounds{};
        const bool dataAlong = alongX ? data.hasX() : data.hasY();
        for (int16_t i = 1; dataAlong && i <= plot.numGraphs(); ++i) {
            const Graph& g = plot.graph(i);
            const double* x = g.xData();
            const double* y = g.yData();
            for (int32_t k = 1; k < g.numPoints(); ++k) {
                const Segment s{toAxis(x[k - 1], xKind), toAxis(y[k - 1], yKind), toAxis(x[k], xKind),
                                toAxis(y[k], yKind)};
                const auto inside = alongX ? clipSegment(s, data.xMin, data.xMax, bandLo, bandHi)
                                           : clipSegment(s, bandLo, bandHi, data.yMin, data.yMax);
                if (inside) {
                    b.include(alongX ? inside->x0 : inside->y0);
                    b.include(alongX ? inside->x1 : inside->y1);
                }
            }
        }
    }
    if (b.empty()) {
        return false;  // nothing inside the band: the range stays
    }

    double lo = 0.0;
    double hi = 0.0;
    boundsOnAxis(b.lo, b.hi, plot.settings().autoRangeExcess, kindAlong, lo, hi);
    const int16_t selfRemembering = alongX ? ZOOM_YARX : ZOOM_XARY;
    const bool rememberLast = plot.zoomMode() != selfRemembering;
    return alongX ? plot.axes().setRange(lo, hi, r.y.min, r.y.max, rememberLast)
                  : plot.axes().setRange(r.x.min, r.x.max, lo, hi, rememberLast);
}

}  // namespace

bool autoRangeXY(PlotModel& plot)
{
    bool anyPoints = false;
    const Extent e = dataExtent(plot, plot.axes().x().kind(), plot.axes().y().kind(), anyPoints);
    if (!anyPoints) {
        return false;
    }
    const AxesSystem& axes = plot.axes();
    const RangeSet r = axes.currentRange();
    const double excess = plot.settings().autoRangeExcess;
    double xMin = r.x.min;
    double xMax = r.x.max;
    double yMin = r.y.min;
    double yMax = r.y.max;
    if (e.hasX()) {
        boundsOnAxis(e.xMin, e.xMax, excess, axes.x().kind(), xMin, xMax);
    }
    if (e.hasY()) {
        boundsOnAxis(e.yMin, e.yMax, excess, axes.y().kind(), yMin, yMax);
    }
    return plot.axes().setRange(xMin, xMax, yMin, yMax, true);
}

std::optional<std::pair<double, double>> autoAxisBounds(const PlotModel& plot, bool xAxis, AxisKind kind)
{
    bool anyPoints = false;
    const Extent e = dataExtent(plot, xAxis ? kind : AxisKind::Linear, xAxis ? AxisKind::Linear : kind, anyPoints);
    if (!(xAxis ? e.hasX() : e.hasY())) {
        return std::nullopt;
    }
    std::pair<double, double> bounds;
    boundsOnAxis(xAxis ? e.xMin : e.yMin, xAxis ? e.xMax : e.yMax, plot.settings().autoRangeExcess, kind,
                 bounds.first, bounds.second);
    return bounds;
}

bool autoRangeX(PlotModel& plot)
{
    return autoRangeAlong(plot, Along::X);
}

bool autoRangeY(PlotModel& plot)
{
    return autoRangeAlong(plot, Along::Y);
}

}  // namespace kvx
