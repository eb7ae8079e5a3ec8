#include "model/running_bounds.h"

#include <cmath>
#include <limits>

namespace kvx {

namespace {

constexpr double infinity = std::numeric_limits<double>::infinity();

void include(RunningBounds::Bounds& b, double lo, double hi)
{
    if (lo > hi) {
        return;  // nothing came
    }
    if (!b.any) {
        b.lo = lo;
        b.hi = hi;
        b.any = true;
        return;
    }
    b.lo = lo < b.lo ? lo : b.lo;
    b.hi = hi > b.hi ? hi : b.hi;
}

}  // namespace

void RunningBounds::extend(const double* v, int32_t from, int32_t to)
{
    // Without branches on the values, which come in any order.
    double finiteLo = infinity;
    double finiteHi = -infinity;
    double positiveLo = infinity;
    double positiveHi = -infinity;
    for (int32_t i = from; i < to; ++i) {
        const double value = v[i];
        const bool finite = std::fabs(value) < infinity;  // false for NaN
        const bool positive = finite && value > 0.0;
        finiteLo = finite && value < finiteLo ? value : finiteLo;
        finiteHi = finite && value > finiteHi ? value : finiteHi;
        positiveLo = positive && value < positiveLo ? value : positiveLo;
        positiveHi = positive && value > positiveHi ? value : positiveHi;
    }
    include(finite_, finiteLo, finiteHi);
    include(positive_, positiveLo, positiveHi);
}

}  // namespace kvx
