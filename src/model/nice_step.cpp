#include "model/nice_step.h"

#include <cmath>
#include <cstdint>

namespace kvx {

double niceStep(double v)
{
    if (v == 0.0 || !std::isfinite(v)) {
        return v;
    }
    const auto e = static_cast<int16_t>(std::floor(std::log10(std::fabs(v))));
    const double b = std::pow(10.0, e);
    const double c = v / b;
    if (c <= 1.3) {
        return b;
    }
    if (c <= 3.0) {
        return 2.0 * b;
    }
    if (c <= 6.6) {
        return 5.0 * b;
    }
    return 10.0 * b;
}

}  // namespace kvx
