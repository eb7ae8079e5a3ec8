#pragma once
// Where a decimal number begins in a text, as the readers of numbers typed
// or stored by users take it: after leading blanks and one sign, and only
// when a digit, or a point and a digit, follows. Words such as "inf" and
// "nan" and hexadecimal are no numbers here.

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

}  // namespace kvx
