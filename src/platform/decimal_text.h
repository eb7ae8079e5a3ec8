#pragma once
// Where a decimal number begins in a text, as the readers of numbers typed
// or stored by users take it: after leading blanks and one sign, and only
// when a digit, or a point and a digit, follows. Words such as "inf" and
// "nan" and hexadecimal are no numbers here.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kvx {

inline bool isAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

inline bool isAsciiBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

struct DecimalStart {
    bool negative = false;
    std::string_view digits;  // from the first digit or point to the text's end
};

inline std::optional<DecimalStart> decimalStart(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isAsciiBlank(text[i])) {
        ++i;
    }
    DecimalStart start;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        start.negative = text[i] == '-';
        ++i;
    }
    start.digits = text.substr(i);
    const std::string_view d = start.digits;
    if (d.empty() || !(isAsciiDigit(d[0]) || (d[0] == '.' && d.size() > 1 && isAsciiDigit(d[1])))) {
        return std::nullopt;
    }
    return start;
}

// A finite number truncated toward zero, of which the low 16 bits count as
// a signed number (70000 gives 4464). fmod is exact, so any magnitude works.
inline int16_t lowSixteenBits(double value)
{
    const double low = std::fmod(std::trunc(value), 65536.0);
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<int32_t>(low)));
}

}  // namespace kvx
