#include "settings/profile.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "platform/decimal_text.h"
#include "filesystem/regular_file.h"
#include "filesystem/replacing_file.h"
#include "platform/utf8_text.h"
#include "settings/keywords.h"

namespace kvx {

namespace {

// A line break inside a value would end its line and corrupt the file.
std::string oneLine(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        if (c == '\n' || c == '\r') {
            c = ' ';
        }
    }
    return out;
}

// Whether a decimal number that from_chars found out of range is too large
// (rather than too small): its decimal magnitude is positive.
bool overflows(std::string_view number)
{
    long long magnitude = 0;
    std::size_t i = 0;
    bool seenNonZero = false;
    for (; i < number.size() && isAsciiDigit(number[i]); ++i) {
        if (number[i] != '0') seenNonZero = true;
        if (seenNonZero) ++magnitude;
    }
    if (i < number.size() && number[i] == '.') {
        for (++i; i < number.size() && isAsciiDigit(number[i]); ++i) {
            if (seenNonZero) continue;
            if (number[i] != '0') seenNonZero = true;
            else --magnitude;
        }
    }
    long long exponent = 0;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        ++i;
        bool negative = false;
        if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
            negative = number[i] == '-';
            ++i;
        }
        for (; i < number.size() && isAsciiDigit(number[i]); ++i) {
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (number[i] - '0');
        }
        if (negative) exponent = -exponent;
    }
    return magnitude + exponent > 0;
}

// The decimal text of to_chars in the general form: with the precision
// given, or the shortest that reads back.
template <typename... Precision>
std::string realText(double value, Precision... precision)
{
    char buffer[64];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value,
                                         std::chars_format::general, precision...);
    if (ec != std::errc()) {
        return "0";
    }
    return std::string(buffer, end);
}

}  // namespace

double leadingReal(std::string_view text)
{
    const auto start = decimalStart(text);
    if (!start) {
        return 0.0;
    }
    const bool negative = start->negative;
    const std::string_view rest = start->digits;
    // A hexadecimal prefix reads as its leading zero.
    double value = 0.0;
    const auto [end, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), value,
                                           std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        const std::string_view number(rest.data(), static_cast<std::size_t>(end - rest.data()));
        value = overflows(number) ? std::numeric_limits<double>::max() : 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

int32_t leadingLong(std::string_view text)
{
    std::size_t i = 0;
    while (i < text.size() && isAsciiBlank(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    int64_t value = 0;
    constexpr int64_t limit = int64_t{std::numeric_limits<int32_t>::max()} + 1;
    for (; i < text.size() && isAsciiDigit(text[i]); ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) {
            value = limit;
        }
    }
    if (negative) {
        value = -value;
    }
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

std::string formatReal(double value)
{
    return realText(value, 16);
}

std::string formatExactReal(double value)
{
    return realText(value);
}

Profile::Profile(std::string path, bool keepCache) : path_(std::move(path)), keepCache_(keepCache)
{
}

Profile::~Profile()
{
    flush();
}

ProfileDocument& Profile::document()
{
    if (!document_) {
        // A file that cannot be read, or is no regular file, reads as empty.
        const std::optional<std::string> text = readRegularFile(path_);
        readable_ = text.has_value();
        document_.emplace(text.value_or(std::string()));
    }
    return *document_;
}

bool Profile::readable()
{
    document();
    return readable_;
}

void Profile::startFrom(std::string_view text)
{
    document_.emplace(text);
    dirty_ = true;
}

std::string Profile::profileString(std::string_view section, std::string_view key)
{
    const auto raw = document().value(section, key);
    if (!raw) {
        return std::string(absentMarker);
    }
    // A carriage return inside a line reads as the blank that the writer
    // stores for it, so that a text read and saved reads back the same.
    const std::string line = oneLine(*raw);
    std::string_view v = trimBlanks(line);
    if (v.size() >= 2 && (v.front() == '\'' || v.front() == '"') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    return std::string(cutAtCharacter(v, maxValueLength));
}

std::optional<std::string> Profile::presentValue(std::string_view section, std::string_view key)
{
    std::string v = profileString(section, key);
    if (v == absentMarker) {
        return std::nullopt;
    }
    return v;
}

bool Profile::readKeyword(std::string_view section, std::string_view key, int16_t& value)
{
    const auto v = presentValue(section, key);
    return v && keywordToValue(*v, value);
}

bool Profile::readText(std::string_view section, std::string_view key, std::string& text)
{
    auto v = presentValue(section, key);
    if (!v) {
        return false;
    }
    text = std::move(*v);
    return true;
}

bool Profile::readReal(std::string_view section, std::string_view key, double& value)
{
    const auto v = presentValue(section, key);
    if (!v) {
        return false;
    }
    value = leadingReal(*v);
    return true;
}

bool Profile::readShort(std::string_view section, std::string_view key, int16_t& value)
{
    const auto v = presentValue(section, key);
    if (!v) {
        return false;
    }
    // The low 16 bits, as a 16-bit field takes a wider number.
    value = static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(leadingLong(*v))));
    return true;
}

void Profile::writeEntry(std::string_view section, std::string_view key, std::string_view value)
{
    document().setValue(section, key, oneLine(value));
    dirty_ = true;
}

bool Profile::writeKeyword(std::string_view section, std::string_view key, int16_t value)
{
    std::string keyword;
    valueToKeyword(value, keyword);
    writeEntry(section, key, " " + keyword);
    return true;
}

bool Profile::writeText(std::string_view section, std::string_view key, std::string_view text)
{
    writeEntry(section, key, " " + std::string(text));
    return true;
}

bool Profile::writeQuotedText(std::string_view section, std::string_view key, std::string_view text)
{
    writeEntry(section, key, " '" + std::string(text) + "'");
    return true;
}

bool Profile::writeReal(std::string_view section, std::string_view key, double value)
{
    writeEntry(section, key, " " + formatReal(value));
    return true;
}

bool Profile::writeShort(std::string_view section, std::string_view key, int16_t value)
{
    writeEntry(section, key, " " + std::to_string(value));
    return true;
}

bool Profile::writeLong(std::string_view section, std::string_view key, int32_t value)
{
    writeEntry(section, key, " " + std::to_string(value));
    return true;
}

bool Profile::flush(std::string* reason)
{
    if (!dirty_) {
        return true;
    }
    ReplacingFile file(path_);
    if (!writeTo(file) || !file.commit()) {
        if (reason) {
            *reason = file.error();
        }
        dirty_ = true;
        return false;
    }
    return true;
}

bool Profile::writeTo(ReplacingFile& file)
{
    if (!file.write(document().text())) {
        return false;
    }
    dirty_ = false;
    return true;
}

void Profile::discard()
{
    dirty_ = false;
}

}  // namespace kvx
