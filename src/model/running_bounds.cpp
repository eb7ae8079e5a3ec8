#include "model/running_bounds.h"

#include <cmath>

namespace kvx {

namespace {

void include(RunningBounds::Bounds& b, double value)
{
    if (!b.any) {
        b.lo = b.hi = value;
        b.any = true;
    } else if (value < b.lo) {
        b.lo = value;
    } else if (value > b.hi) {
        b.hi = value;
    }
}

}  // namespace

void RunningBounds::extend(const double* v, int32_t from, int32_t to)
{
    for (int32_t i = from; i < to; ++i) {
        const double value = v[i];
        if (!std::isfinite(value)) {
            continue;
        }
        include(finite_, value);
        if (value > 0.0) {
            include(positive_, value);
        }
    }
}

}  // namespace kvx
