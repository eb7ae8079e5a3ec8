#include "scaling/clip_segment.h"

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
    Segment out = s;
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
