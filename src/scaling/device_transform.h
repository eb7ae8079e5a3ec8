#pragma once
// The transforms between world coordinates (data units, y upward) and
// device coordinates (pixels, y downward) of the picture last laid out.
// They run once per point when large graphs are drawn, so the transform is
// a small value copied out of the plot once per drawing, with inline
// methods: two multiply-adds and two roundings per point.

#include <cmath>
#include <cstdint>

#include "model/axis_scale.h"
#include "model/plot_view.h"

namespace kvx {

struct DoublePoint {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const DoublePoint&, const DoublePoint&) = default;
};

// floor(v) + 1 when the fraction is at least one half, else floor(v): -2.5
// goes to -2, 2.5 to 3. Unlike floor(v + 0.5) it never rounds a value just
// below one half upward through the addition. The comparison is added as a
// number rather than branched on: the fractions of drawn points are random,
// and a mispredicted branch per coordinate costs more than the transform.
inline double roundHalfUp(double v)
{
    const double f = std::floor(v);
    return f + static_cast<double>(v - f >= 0.5);
}

// A pixel coordinate from a double, truncated toward zero into 16 bits.
// Values beyond the 16-bit range saturate: converting them directly would be
// undefined, and a band or length far off the window stays off it.
inline int16_t truncatedPx(double v)
{
    if (!(std::fabs(v) < 32768.0)) {
        return v > 0.0 ? INT16_MAX : (v < 0.0 ? INT16_MIN : 0);
    }
    return static_cast<int16_t>(v);
}

// A point of the window's client area in 16-bit device pixels.
struct DevicePoint {
    int16_t x = 0;
    int16_t y = 0;
    friend bool operator==(const DevicePoint&, const DevicePoint&) = default;
};

// World coordinates are data values; on a logarithmic axis the scale and
// offset apply to their logarithms (toAxis), and a value that axis cannot
// show becomes NaN, which no drawing shows.
struct DeviceTransform {
    AxisTransform x{1.0};
    AxisTransform y{1.0};

    static DeviceTransform of(const PlotView& v) { return {v.x, v.y}; }

    // Whole pixels, as doubles: large world values stay representable
    // until clipping brings them into the surface's integer range.
    DoublePoint worldToDevice(double wx, double wy) const
    {
        return {roundHalfUp(toAxis(wx, x.kind) * x.scale + x.offset), deviceY(wy)};
    }
    double deviceY(double wy) const { return roundHalfUp(y.offset - toAxis(wy, y.kind) * y.scale); }
    // worldToDevice when both axes are known to be linear: loops over the
    // points of large graphs decide that once, not per point.
    DoublePoint linearToDevice(double wx, double wy) const
    {
        return {roundHalfUp(wx * x.scale + x.offset), roundHalfUp(y.offset - wy * y.scale)};
    }
    bool linear() const { return !x.log() && !y.log(); }
    DoublePoint deviceToWorld(double X, double Y) const
    {
        return {fromAxis((X - x.offset) / x.scale, x.kind), fromAxis((y.offset - Y) / y.scale, y.kind)};
    }
};

}  // namespace kvx
