#include "scaling/clip_segment.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace kvx {
namespace {

void exchangeEnds(Segment& s)
{
    std::swap(s.x0, s.x1);
    std::swap(s.y0, s.y1);
}

// Parametric clipping, x first, then y. `reversed` tells whether the end
// points of `s` are now exchanged against the given segment.
bool clip(Segment& s, double a, double b, double c, double d, bool& reversed)
{
    reversed = false;
    if (s.x0 != s.x1) {
        if (s.x0 > s.x1) {
            exchangeEnds(s);
            reversed = !reversed;
        }
        double t = (a - s.x0) / (s.x1 - s.x0);
        if (t >= 1.0) {
            return false;  // left of the rectangle
        }
        if (t > 0.0) {
            s.x0 += t * (s.x1 - s.x0);
            s.y0 += t * (s.y1 - s.y0);
        }
        t = (b - s.x0) / (s.x1 - s.x0);
        if (!(t > 0.0)) {
            return false;  // right of it, or not a number
        }
        if (t < 1.0) {
            s.x1 = s.x0 + t * (s.x1 - s.x0);
            s.y1 = s.y0 + t * (s.y1 - s.y0);
        }
    } else if (s.x0 > b || s.x0 < a) {
        return false;
    }

    if (s.y0 != s.y1) {
        if (s.y0 > s.y1) {
            exchangeEnds(s);
            reversed = !reversed;
        }
        double t = (c - s.y0) / (s.y1 - s.y0);
        if (t >= 1.0) {
            return false;
        }
        if (t > 0.0) {
            s.x0 += t * (s.x1 - s.x0);
            s.y0 += t * (s.y1 - s.y0);
        }
        t = (d - s.y0) / (s.y1 - s.y0);
        if (!(t > 0.0)) {
            return false;
        }
        if (t < 1.0) {
            s.x1 = s.x0 + t * (s.x1 - s.x0);
            s.y1 = s.y0 + t * (s.y1 - s.y0);
        }
        return true;
    }
    return c <= s.y0 && s.y0 <= d;
}

// Moves end point p of the segment from q to p back along it until it lies
// in the box [a, b] x [c, d], computed from q so that the far coordinates of
// p cost no precision, and in halves so that no difference overflows. False
// when q lies beyond the same side of the box, so that the segment misses it.
bool pullIn(double& px, double& py, double qx, double qy, double a, double b, double c, double d)
{
    const double hx = px / 2 - qx / 2;
    const double hy = py / 2 - qy / 2;
    double f = 1.0;  // the part of q -> p that is kept
    if (px < a || px > b) {
        f = std::min(f, ((px < a ? a : b) / 2 - qx / 2) / hx);
    }
    if (py < c || py > d) {
        f = std::min(f, ((py < c ? c : d) / 2 - qy / 2) / hy);
    }
    if (!(f >= 0.0)) {
        return false;
    }
    if (f < 1.0) {
        px = qx + f * hx + f * hx;
        py = qy + f * hy + f * hy;
    }
    return true;
}

}  // namespace

std::optional<Segment> clipSegment(const Segment& s, double a, double b, double c, double d)
{
    Segment out = s;
    bool reversed = false;
    if (!clip(out, a, b, c, d, reversed)) {
        return std::nullopt;
    }
    return out;
}

std::optional<Segment> clipToPlotRect(const DeviceRect& plotRect, const Segment& s)
{
    // Far outside the rectangle the parametric steps below would lose the
    // segment in rounding (a point at 1e18 pixels moves by hundreds), so
    // far end points are first pulled in along the segment to within
    // `reach` of the rectangle. An infinite coordinate counts as the
    // largest double.
    constexpr double reach = 1048576.0;
    constexpr double largest = std::numeric_limits<double>::max();
    Segment out = s;
    for (double* v : {&out.x0, &out.y0, &out.x1, &out.y1}) {
        if (std::isnan(*v)) {
            return std::nullopt;
        }
        *v = std::clamp(*v, -largest, largest);
    }
    const double a = plotRect.left - reach;
    const double b = plotRect.right + reach;
    const double c = plotRect.top - reach;
    const double d = plotRect.bottom + reach;
    if (!pullIn(out.x0, out.y0, out.x1, out.y1, a, b, c, d) || !pullIn(out.x1, out.y1, out.x0, out.y0, a, b, c, d)) {
        return std::nullopt;
    }
    bool reversed = false;
    if (!clip(out, plotRect.left, plotRect.right, plotRect.top, plotRect.bottom, reversed)) {
        return std::nullopt;
    }
    if (reversed) {
        exchangeEnds(out);
    }
    return out;
}

}  // namespace kvx
