#pragma once
// Where a value stands along an axis. A linear axis takes the value as it
// is; a logarithmic one (base 10) its logarithm, so that ranges, zooms and
// moves of such an axis are computed in decades. Values that a logarithmic
// axis cannot show (zero, negative, not finite) have no place there: NaN,
// which every drawing and range computation passes over.

#include <cmath>
#include <cstdint>
#include <limits>

namespace kvx {

// The kinds of axis. A time axis is linear in seconds since 1970-01-01
// 00:00 and ticks at calendar steps.
enum class AxisKind : uint8_t { Linear, Logarithmic, Time };

inline AxisKind axisKind(bool log)
{
    return log ? AxisKind::Logarithmic : AxisKind::Linear;
}

inline double toAxis(double v, AxisKind kind)
{
    if (kind != AxisKind::Logarithmic) {
        return v;
    }
    return v > 0.0 && v <= std::numeric_limits<double>::max() ? std::log10(v)
                                                             : std::numeric_limits<double>::quiet_NaN();
}

inline double fromAxis(double u, AxisKind kind)
{
    return kind == AxisKind::Logarithmic ? std::pow(10.0, u) : u;
}

}  // namespace kvx
