#pragma once
// Clipping of line segments to a rectangle: the automatic ranges clip the
// data's segments to the band, the graph drawing clips segments that leave
// the plot rectangle before any large coordinate reaches the surface.

#include <optional>

#include "settings/plot_settings.h"

namespace kvx {

struct Segment {
    double x0 = 0.0;
    double y0 = 0.0;
    double x1 = 0.0;
    double y1 = 0.0;
    friend bool operator==(const Segment&, const Segment&) = default;
};

// The part of `s` inside the closed rectangle [a, b] x [c, d], or nothing
// when no part lies inside. The end points may come back exchanged (the
// clipping orders them by x, then by y). A segment that is not parallel to
// an edge and reaches the rectangle with only one end point on that edge
// counts as outside. Coordinates that are not numbers give nothing.
std::optional<Segment> clipSegment(const Segment& s, double a, double b, double c, double d);

// clipSegment on device coordinates against the plot rectangle (x from
// `left` to `right`, y from `top` to `bottom`); the clipped segment runs in
// the direction of the given one.
std::optional<Segment> clipToPlotRect(const DeviceRect& plotRect, const Segment& s);

}  // namespace kvx
