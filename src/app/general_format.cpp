#include "app/general_format.h"

#include <charconv>
#include <cmath>

namespace kvx {
namespace {

constexpr int maxUsefulPrecision = 800;

}  // namespace

std::string formatGeneral(double value, int precision)
{
    if (precision < 0) {
        precision = 6;
    }
    // A double has at most 767 significant decimal digits and "%g" drops
    // trailing zeros, so a larger precision writes the same text.
    if (precision > maxUsefulPrecision) {
        precision = maxUsefulPrecision;
    }
    // to_chars writes its NaN without a sign; printf keeps the sign bit.
    if (std::isnan(value)) {
        return std::signbit(value) ? "-nan" : "nan";
    }
    // At most `precision` significant digits, a sign, a point, "0.000" before
    // a small value's first digit or an exponent such as "e+308".
    std::string text(static_cast<std::size_t>(precision) + 16, '\0');
    const auto result = std::to_chars(text.data(), text.data() + text.size(), value,
                                      std::chars_format::general, precision);
    text.resize(static_cast<std::size_t>(result.ptr - text.data()));
    return text;
}

}  // namespace kvx
