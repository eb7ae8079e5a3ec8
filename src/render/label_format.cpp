#include "render/label_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace kvx {

namespace {

int16_t floorLog10(double v)
{
    const double l = std::floor(std::log10(v));
    if (!std::isfinite(l)) {
        return 0;
    }
    return static_cast<int16_t>(std::clamp(l, -32768.0, 32767.0));
}

}  // namespace

LabelFormat labelFormat(double min, double max, double tick, int16_t maxDigits)
{
    const int16_t E = floorLog10(std::max(std::fabs(min), std::fabs(max)));
    const int16_t T = floorLog10(tick);
    const int D = maxDigits;
    LabelFormat f;
    f.significant = static_cast<int16_t>(std::min(E - T + 1, D));
    f.exponent = E;
    f.decimals = static_cast<int16_t>(f.significant - 1);
    if (E + 1 < 1) {
        if (-T < D) {
            f.exponent = 0;
            f.decimals = static_cast<int16_t>(-T);
        }
    } else if (E + 1 <= D) {
        f.exponent = 0;
        f.decimals = static_cast<int16_t>(std::min(std::max(0, -T), D - (E + 1)));
    }
    if (f.decimals < 0) {
        f.decimals = 0;
    }
    return f;
}

std::string tickLabel(double v, const LabelFormat& format)
{
    const double value = v / std::pow(10.0, format.exponent);
    char buffer[400];
    const int decimals = std::clamp<int>(format.decimals, 0, 100);
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) {
        return "?";
    }
    return std::string(buffer, end);
}

}  // namespace kvx
