#include "files/number_scanner.h"

#include <array>
#include <charconv>

#include "settings/profile.h"

namespace kvx {

namespace {

enum CharClass : uint8_t { Other, Separator, Digit, Sign, Point };

constexpr std::array<uint8_t, 256> makeClasses()
{
    std::array<uint8_t, 256> classes{};
    for (int c = 0; c < 256; ++c) {
        if (NumberScanner::isSeparator(static_cast<char>(c))) {
            classes[static_cast<std::size_t>(c)] = Separator;
        }
    }
    for (char c = '0'; c <= '9'; ++c) {
        classes[static_cast<unsigned char>(c)] = Digit;
    }
    classes['+'] = Sign;
    classes['-'] = Sign;
    classes['.'] = Point;
    return classes;
}

constexpr std::array<uint8_t, 256> classes = makeClasses();

uint8_t classOf(char c)
{
    return classes[static_cast<unsigned char>(c)];
}

bool isSign(char c)
{
    return c == '+' || c == '-';
}

}  // namespace

inline bool NumberScanner::findStart()
{
    for (; pos_ < line_.size(); ++pos_) {
        const uint8_t c = classOf(line_[pos_]);
        if (c == Digit || (c >= Sign && startsHere())) {
            return true;
        }
    }
    return false;
}

// Out of line, so that the loop over digits and separators stays small
// enough to be inlined.
[[gnu::noinline]] bool NumberScanner::startsHere() const
{
    const auto at = [this](std::size_t i) {
        return i < line_.size() ? classOf(line_[i]) : static_cast<uint8_t>(Separator);
    };
    const uint8_t next = at(pos_ + 1);
    if (classOf(line_[pos_]) == Point) {
        return next == Digit;
    }
    return next == Digit || (next == Point && at(pos_ + 2) == Digit) || lone();
}

bool NumberScanner::lone() const
{
    const bool after = pos_ + 1 == line_.size() || classOf(line_[pos_ + 1]) == Separator;
    return after && isSign(line_[pos_]) && (pos_ == 0 || classOf(line_[pos_ - 1]) == Separator);
}

void NumberScanner::skipToken()
{
    while (pos_ < line_.size() && classOf(line_[pos_]) != Separator) {
        ++pos_;
    }
}

bool NumberScanner::integerAtOnce(const char* first, const char* end, int32_t& value, const char*& stop)
{
    // A value beyond 32 bits saturates by the full rules.
    const char c = *first;
    if (!isDigit(c) && !(c == '-' && first + 1 < end && isDigit(first[1]))) {
        return false;
    }
    const auto result = std::from_chars(first, end, value);
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
    if (lone()) {
        ++pos_;
        return Result::Blank;
    }
    const std::size_t start = pos_;
    skipToken();
    value = leadingReal(line_.substr(start, pos_ - start));
    return Result::Converted;
}

NumberScanner::Result NumberScanner::nextInteger(int32_t& value)
{
    if (!findStart()) {
        return Result::Missing;
    }
    if (lone()) {
        ++pos_;
        return Result::Blank;
    }
    const std::size_t start = pos_;
    std::size_t end = isSign(line_[start]) ? start + 1 : start;
    const std::size_t digits = end;
    while (end < line_.size() && isDigit(line_[end])) {
        ++end;
    }
    if (end == digits) {
        // A point comes first: no integer digits.
        value = 0;
        skipToken();
        return Result::Converted;
    }
    value = leadingLong(line_.substr(start, end - start));
    pos_ = end;
    return Result::Converted;
}

NumberScanner::Result NumberScanner::nextValue(bool integer, double& value)
{
    if (!integer) {
        return nextReal(value);
    }
    int32_t att = 0;
    const Result result = nextInteger(att);
    value = att;
    return result;
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
