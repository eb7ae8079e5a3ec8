#pragma once
// Finds the numbers of one data-file line. Numbers are separated by blanks,
// tabs, commas or semicolons; any other text in front of a number is
// skipped. A number starts at a digit, at a point before a digit, or at a
// sign before either, and its token runs to the next separator. A sign that
// stands alone between separators marks a value as missing; any other sign
// without a digit after it is text.

#include <charconv>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <system_error>

namespace kvx {

class NumberScanner {
public:
    enum class Result {
        Missing,        // no number left on the line
        Converted,      // the value was set
        Blank,          // a lone "+" or "-" holds the value's place; the value is untouched
    };

    explicit NumberScanner(std::string_view line) : line_(line) {}

    // The longest leading decimal number (with an optional exponent) of the
    // next token; the rest of the token is skipped. Values beyond the range
    // of doubles saturate at the largest finite value, tiny ones become 0.
    Result nextReal(double& value);

    // The next number as a decimal integer (saturated to 32 bits); its text
    // ends at the first character that is not a digit, so "1.0" is the
    // integer 1 followed by the number 0. A number that starts with its
    // point, as ".5", is the integer 0 and takes its whole token.
    Result nextInteger(int32_t& value);

    // The next number as nextInteger gives it when `integer`, else as
    // nextReal gives it.
    Result nextValue(bool integer, double& value);

    // How many numbers the line holds, lone signs included.
    static std::size_t count(std::string_view line);

    static constexpr bool isDigit(char c) { return c >= '0' && c <= '9'; }
    static constexpr bool isSeparator(char c) { return c == ' ' || c == '\t' || c == ',' || c == ';'; }
    // The common token, a digit or "-" and a digit at `first`, converted
    // with one call; `stop` is where the conversion ended. The value is the
    // token's when the token also ends there (at a separator or the line's
    // end); false for any other start or a failed conversion. Inline: it
    // runs for every number of a large file.
    static bool convertsAtOnce(const char* first, const char* end, double& value, const char*& stop)
    {
        // Neither a separator nor the line's end can belong to a number, so a
        // conversion that stops there took the whole token and gives what the
        // full rules give; "+5", "1-2" or "1e999" take the full rules.
        const char c = *first;
        if (!isDigit(c) && !(c == '-' && first + 1 < end && isDigit(first[1]))) {
            return false;
        }
        const auto result = std::from_chars(first, end, value, std::chars_format::general);
        stop = result.ptr;
        return result.ec == std::errc();
    }
    // The same for an integer: digits, or "-" and digits, that fit in 32
    // bits; `stop` is where the digits end.
    static bool integerAtOnce(const char* first, const char* end, int32_t& value, const char*& stop);

private:
    // Moves to the next number start; false when there is none.
    bool findStart();
    // Whether the sign or point at the position starts a number.
    bool startsHere() const;
    // Whether the position holds a sign with separators or the line's ends on both sides.
    bool lone() const;
    // Moves past the rest of the current token.
    void skipToken();
    // The common token converted at once; false, with nothing changed,
    // when it needs the full rules.
    bool quickReal(double& value);

    std::string_view line_;
    std::size_t pos_ = 0;
};

}  // namespace kvx
