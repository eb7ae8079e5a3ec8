#include "files/time_stamp.h"

#include <chrono>
#include <cstdint>

namespace kvx {

namespace {

// Reads the text from its start, one part at a time; every part says
// whether it was there.
class StampScanner {
public:
    explicit StampScanner(std::string_view text) : text_(text) {}

    bool atEnd() const { return pos_ == text_.size(); }
    bool peek(char c) const { return pos_ < text_.size() && text_[pos_] == c; }
    bool take(char c)
    {
        if (!peek(c)) {
            return false;
        }
        ++pos_;
        return true;
    }
    // Exactly `count` digits.
    bool digits(int count, int& value)
    {
        value = 0;
        for (int i = 0; i < count; ++i) {
            if (pos_ == text_.size() || text_[pos_] < '0' || text_[pos_] > '9') {
                return false;
            }
            value = value * 10 + (text_[pos_++] - '0');
        }
        return true;
    }
    // A fraction after the point: at least one digit.
    bool fraction(double& value)
    {
        value = 0.0;
        double scale = 0.1;
        const std::size_t start = pos_;
        while (pos_ < text_.size() && text_[pos_] >= '0' && text_[pos_] <= '9') {
            value += (text_[pos_++] - '0') * scale;
            scale /= 10.0;
        }
        return pos_ > start;
    }

private:
    std::string_view text_;
    std::size_t pos_ = 0;
};

struct ClockTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    double fraction = 0.0;
};

// hh:mm, hh:mm:ss or hh:mm:ss.fff
bool scanClock(StampScanner& in, ClockTime& t)
{
    if (!in.digits(2, t.hour) || !in.take(':') || !in.digits(2, t.minute)) {
        return false;
    }
    if (in.take(':')) {
        if (!in.digits(2, t.second)) {
            return false;
        }
        if ((in.take('.') || in.take(',')) && !in.fraction(t.fraction)) {
            return false;
        }
    }
    return t.hour < 24 && t.minute < 60 && t.second < 60;
}

// "Z", or +hh, +hhmm, +hh:mm (or -), as seconds east of UTC.
bool scanZone(StampScanner& in, int& offset)
{
    offset = 0;
    if (in.take('Z')) {
        return true;
    }
    const bool east = in.take('+');
    if (!east && !in.take('-')) {
        return true;  // no zone
    }
    int hours = 0;
    int minutes = 0;
    if (!in.digits(2, hours)) {
        return false;
    }
    if (!in.atEnd()) {
        in.take(':');
        if (!in.digits(2, minutes)) {
            return false;
        }
    }
    if (hours > 23 || minutes > 59) {
        return false;
    }
    offset = (east ? 1 : -1) * (hours * 3600 + minutes * 60);
    return true;
}

// 2026-12-07, 2026/12/07 or 07.12.2026; `iso` for the first, after which a
// T, a fraction and a zone may follow.
bool scanDate(std::string_view text, StampScanner& in, int& year, int& month, int& day, bool& iso)
{
    if (text.size() > 2 && text[2] == '.') {
        return in.digits(2, day) && in.take('.') && in.digits(2, month) && in.take('.') && in.digits(4, year);
    }
    if (!in.digits(4, year)) {
        return false;
    }
    iso = in.peek('-');
    const char separator = iso ? '-' : '/';
    return in.take(separator) && in.digits(2, month) && in.take(separator) && in.digits(2, day);
}

}  // namespace

std::optional<double> parseTimeStamp(std::string_view text)
{
    int year = 0;
    int month = 0;
    int day = 0;
    bool iso = false;
    StampScanner in(text);
    if (!scanDate(text, in, year, month, day, iso)) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                                           std::chrono::day{static_cast<unsigned>(day)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    ClockTime clock;
    int offset = 0;
    if (!in.atEnd()) {
        if (!(in.take(' ') || (iso && in.take('T'))) || !scanClock(in, clock)) {
            return std::nullopt;
        }
        if (iso && !scanZone(in, offset)) {
            return std::nullopt;
        }
    }
    if (!in.atEnd()) {
        return std::nullopt;
    }
    const int64_t days = std::chrono::sys_days{date}.time_since_epoch().count();
    const int64_t seconds = days * 86400 + clock.hour * 3600 + clock.minute * 60 + clock.second - offset;
    return static_cast<double>(seconds) + clock.fraction;
}

}  // namespace kvx
