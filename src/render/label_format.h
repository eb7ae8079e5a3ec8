#pragma once
// How the tick values of one axis are written: the power of ten that is
// factored out ("x 10" and its exponent) and the number of decimals.

#include <cstdint>
#include <string>

namespace kvx {

struct LabelFormat {
    int16_t exponent = 0;  // 0: no factor
    int16_t decimals = 0;
    int16_t significant = 0;  // G: the digits between range and tick, at most maxDigits
};

// The format for an axis from min to max with the given tick spacing.
LabelFormat labelFormat(double min, double max, double tick, int16_t maxDigits);

// The label of tick value v: v / 10^exponent with that many decimals.
std::string tickLabel(double v, const LabelFormat& format);

}  // namespace kvx
