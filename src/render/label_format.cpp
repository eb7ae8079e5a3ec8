#include "render/label_format.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

namespace kvx {

namespace {

// A double tells at most this many significant digits apart.
constexpr int mostSignificant = 17;

int16_t floorLog10(double v)
{
    const double l = std::floor(std::log10(v));
    if (!std::isfinite(l)) {
        return 0;
    }
    return static_cast<int16_t>(std::clamp(l, -32768.0, 32767.0));
}

bool neighboursDiffer(const std::vector<double>& ticks, const LabelFormat& format)
{
    std::string before;
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        std::string label = tickLabel(ticks[i], format);
        if (i > 0 && label == before) {
            return false;
        }
        before = std::move(label);
    }
    return true;
}

struct CommonPart {
    double value;
    std::string text;
};

// The roundest number from min to max, the multiple of the highest power
// of ten there: 1.7e9 for 1699999820 to 1700003780. What is left of the
// values is then at most the width of the range. None at zero.
std::optional<CommonPart> commonPart(double min, double max)
{
    if (!(max > min) || !(min > 0.0 || max < 0.0)) {
        return std::nullopt;
    }
    int unitExponent = floorLog10(std::max(std::fabs(min), std::fabs(max)));
    double units = 0.0;
    for (;; --unitExponent) {
        const double unit = std::pow(10.0, unitExponent);
        units = std::ceil(min / unit);
        if (units * unit <= max || unitExponent < floorLog10(max - min)) {
            break;
        }
    }
    if (units == 0.0 || !(std::fabs(units) < 1e17)) {
        return std::nullopt;
    }
    char buffer[32];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(units), std::chars_format::fixed, 0);
    if (ec != std::errc()) {
        return std::nullopt;
    }
    std::string digits(buffer, end);
    const int exponent = unitExponent + static_cast<int>(digits.size()) - 1;
    digits.erase(digits.find_last_not_of('0') + 1);
    std::string magnitude = digits.substr(0, 1);
    if (digits.size() > 1) {
        magnitude += "." + digits.substr(1);
    }
    magnitude += "e" + std::to_string(exponent);
    // The value from its text, so that what is taken off is what is written.
    double value = 0.0;
    std::from_chars(magnitude.data(), magnitude.data() + magnitude.size(), value);
    return units < 0.0 ? CommonPart{-value, "-" + magnitude} : CommonPart{value, "+" + magnitude};
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

LabelFormat distinctLabelFormat(const std::vector<double>& ticks, double min, double max, double tick,
                                int16_t maxDigits)
{
    LabelFormat f = labelFormat(min, max, tick, maxDigits);
    if (neighboursDiffer(ticks, f)) {
        return f;
    }
    if (f.exponent != 0) {
        if (const auto common = commonPart(min, max)) {
            f = labelFormat(min - common->value, max - common->value, tick, maxDigits);
            f.offset = common->value;
            f.offsetText = common->text;
            if (neighboursDiffer(ticks, f)) {
                return f;
            }
        }
    }
    const double largest = std::max(std::fabs(min - f.offset), std::fabs(max - f.offset)) / std::pow(10.0, f.exponent);
    const int mostDecimals = std::min(mostSignificant - 1 - floorLog10(largest), 100);
    while (f.decimals < mostDecimals && !neighboursDiffer(ticks, f)) {
        ++f.decimals;
        ++f.significant;
    }
    return f;
}

std::string tickLabel(double v, const LabelFormat& format)
{
    const double value = (v - format.offset) / std::pow(10.0, format.exponent);
    char buffer[400];
    const int decimals = std::clamp<int>(format.decimals, 0, 100);
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (ec != std::errc()) {
        return "?";
    }
    std::string label(buffer, end);
    // A value a rounding below zero reads as zero, without a sign.
    if (label.front() == '-' && label.find_first_not_of("0.", 1) == std::string::npos) {
        label.erase(0, 1);
    }
    return label;
}

}  // namespace kvx
