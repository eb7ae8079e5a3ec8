#include "files/number_scanner.h"

#include <array>
#include <charconv>

#include "settings/profile.h"

namespace kvx {

namespace {

enum CharClass : uint8_t { Other, Separator, NumberStart };

constexpr std::array<uint8_t, 256> makeClasses()
{
    std::array<uint8_t, 256> classes{};
    for (const char c : {' ', '\t', ',', ';'}) {
        classes[static_cast<unsigned char>(c)] = Separator;
    }
    for (char c = '0'; c <= '9'; ++c) {
        classes[static_cast<unsigned char>(c)] = NumberStart;
    }
    classes['+'] = NumberStart;
    classes['-'] = NumberStart;
    return classes;
}

constexpr std::array<uint8_t, 256> classes = makeClasses();

uint8_t classOf(char c)
{
    return classes[static_cast<unsigned char>(c)];
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isSign(char c)
{
    return c == '+' || c == '-';
}

// Whether a token that starts at a digit or a sign holds a decimal number:
// digits after the optional sign, or a point and a digit (so "-.5" is -0.5).
bool startsDecimal(std::string_view token)
{
    std::size_t i = isSign(token[0]) ? 1 : 0;
    if (i < token.size() && isDigit(token[i])) {
        return true;
    }
    return i + 1 < token.size() && token[i] == '.' && isDigit(token[i + 1]);
}

}  // namespace

bool NumberScanner::findStart()
{
    while (pos_ < line_.size() && classOf(line_[pos_]) != NumberStart) {
        ++pos_;
    }
    return pos_ < line_.size();
}

void NumberScanner::skipToken()
{
    while (pos_ < line_.size() && classOf(line_[pos_]) != Separator) {
        ++pos_;
    }
}

bool NumberScanner::isSeparator(char c)
{
    return classOf(c) == Separator;
}

bool NumberScanner::convertsAtOnce(const char* first, const char* end, double& value, const char*& stop)
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

bool NumberScanner::quickReal(double& value)
{
    const char* const end = line_.data() + line_.size();
    const char* stop = nullptr;
    double v = 0.0;
    if (!convertsAtOnce(line_.data() + pos_, end, v, stop) || (stop != end && !isSeparator(*stop))) {
        return false;
    }
    value = v;
    pos_ = static_cast<std::size_t>(stop - line_.data());
    return true;
}

NumberScanner::Result NumberScanner::nextReal(double& value)
{
    if (!findStart()) {
        return Result::Missing;
    }
    if (quickReal(value)) {
        return Result::Converted;
    }
    const std::size_t start = pos_;
    skipToken();
    const std::string_view token = line_.substr(start, pos_ - start);
    if (!startsDecimal(token)) {
        return Result::Unconvertible;
    }
    value = leadingReal(token);
    return Result::Converted;
}

NumberScanner::Result NumberScanner::nextInteger(int32_t& value)
{
    if (!findStart()) {
        return Result::Missing;
    }
    const std::size_t start = pos_;
    std::size_t end = isSign(line_[start]) ? start + 1 : start;
    const std::size_t digits = end;
    while (end < line_.size() && isDigit(line_[end])) {
        ++end;
    }
    if (end == digits) {
        skipToken();
        return Result::Unconvertible;
    }
    value = leadingLong(line_.substr(start, end - start));
    pos_ = end;
    return Result::Converted;
}

std::size_t NumberScanner::count(std::string_view line)
{
    NumberScanner scanner(line);
    std::size_t n = 0;
    while (scanner.findStart()) {
        ++n;
        scanner.skipToken();
    }
    return n;
}

}  // namespace kvx
