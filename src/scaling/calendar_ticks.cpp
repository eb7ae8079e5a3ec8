#include "scaling/calendar_ticks.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>

#include "model/nice_step.h"

namespace kvx {

namespace {

using std::chrono::days;
using std::chrono::floor;
using std::chrono::sys_days;
using std::chrono::sys_seconds;

constexpr int64_t minute = 60;
constexpr int64_t hour = 3600;
constexpr int64_t day = 86400;
constexpr int64_t week = 7 * day;
// 1970-01-01 was a Thursday; weeks begin on Monday, 1970-01-05.
constexpr int64_t firstMonday = 4 * day;
// About ten thousand years each side of 1970, well inside the calendar's
// years and exactly representable as doubles.
constexpr double calendarReach = 3.2e11;

constexpr std::array<int64_t, 20> secondSteps{1,          2,          5,          10,        15,       30,
                                              minute,     2 * minute, 5 * minute, 10 * minute, 15 * minute,
                                              30 * minute, hour,      3 * hour,   6 * hour,  12 * hour,
                                              day,        2 * day,    week,       2 * week};
constexpr std::array<int32_t, 3> monthSteps{1, 3, 6};

constexpr std::array<const char*, 12> monthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};

// The average month, for choosing a step only.
constexpr double monthSeconds = 365.2425 * day / 12.0;

struct CivilTime {
    int year;
    unsigned month;
    unsigned day;
    int64_t secondOfDay;
};

CivilTime civil(double value)
{
    const sys_seconds t{std::chrono::seconds{static_cast<int64_t>(std::floor(value))}};
    const sys_days d = floor<days>(t);
    const std::chrono::year_month_day ymd{d};
    return {static_cast<int>(ymd.year()), static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
            (t - d).count()};
}

int64_t monthIndex(const CivilTime& c)
{
    return int64_t{c.year} * 12 + (c.month - 1);
}

double firstOfMonth(int64_t index)
{
    const int64_t y = index >= 0 ? index / 12 : -((-index + 11) / 12);
    const auto m = static_cast<unsigned>(index - y * 12 + 1);
    const sys_days d{std::chrono::year{static_cast<int>(y)} / std::chrono::month{m} / 1};
    return static_cast<double>(d.time_since_epoch().count()) * day;
}

std::string format(const char* pattern, auto... values)
{
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), pattern, values...);
    return text.data();
}

std::string clock(int64_t secondOfDay, bool withSeconds)
{
    const auto h = static_cast<int>(secondOfDay / hour);
    const auto m = static_cast<int>(secondOfDay % hour / minute);
    const auto s = static_cast<int>(secondOfDay % minute);
    return withSeconds ? format("%02d:%02d:%02d", h, m, s) : format("%02d:%02d", h, m);
}

std::string monthDay(const CivilTime& c)
{
    return format("%s %02u", monthNames[c.month - 1], c.day);
}

}  // namespace

bool onCalendar(double min, double max)
{
    return std::fabs(min) <= calendarReach && std::fabs(max) <= calendarReach && min <= max;
}

CalendarStep calendarStep(double width, double divisor)
{
    for (const int64_t s : secondSteps) {
        if (width / static_cast<double>(s) <= divisor) {
            return {s, 0};
        }
    }
    for (const int32_t m : monthSteps) {
        if (width / (m * monthSeconds) <= divisor) {
            return {0, m};
        }
    }
    const double years = niceStep(width / (12.0 * monthSeconds) / divisor);
    return {0, 12 * static_cast<int32_t>(std::max(1.0, std::ceil(years)))};
}

CalendarStep calendarSubStep(CalendarStep major)
{
    if (major.months >= 12) {
        // Years come in nice steps: 1, 2, 5 and their tens.
        const int32_t years = major.months / 12;
        if (years == 1) {
            return {0, 3};
        }
        int32_t lead = years;
        while (lead >= 10) {
            lead /= 10;
        }
        return {0, 12 * (years <= 5 ? 1 : (lead == 5 ? years / 5 : years / 2))};
    }
    if (major.months > 1) {
        return {0, 1};
    }
    if (major.months == 1) {
        return {};
    }
    for (auto s = secondSteps.rbegin(); s != secondSteps.rend(); ++s) {
        if (*s < major.seconds && major.seconds % *s == 0 && major.seconds / *s <= 6) {
            return {*s, 0};
        }
    }
    return {};
}

std::vector<double> calendarTicks(double min, double max, CalendarStep step, int pixels)
{
    std::vector<double> ticks;
    if (!onCalendar(min, max) || (step.seconds <= 0 && step.months <= 0)) {
        return ticks;
    }
    if (step.seconds > 0) {
        const auto s = static_cast<double>(step.seconds);
        const double offset = step.seconds % week == 0 ? firstMonday : 0.0;
        const double first = std::ceil((min - offset) / s);
        const double last = std::floor((max - offset) / s);
        if (!(last - first < pixels)) {
            return ticks;
        }
        for (double i = first; i <= last; ++i) {
            ticks.push_back(i * s + offset);
        }
        return ticks;
    }
    int64_t index = monthIndex(civil(min));
    index += (step.months - index % step.months) % step.months;
    for (double t = firstOfMonth(index); t <= max; t = firstOfMonth(index += step.months)) {
        if (t >= min) {
            ticks.push_back(t);
        }
        if (static_cast<int>(ticks.size()) > pixels) {
            return {};
        }
    }
    return ticks;
}

int64_t calendarIndex(double tick, CalendarStep step)
{
    if (step.seconds > 0) {
        const double offset = step.seconds % week == 0 ? firstMonday : 0.0;
        return std::llround((tick - offset) / static_cast<double>(step.seconds));
    }
    if (step.months > 0) {
        return monthIndex(civil(tick)) / step.months;
    }
    return 0;
}

std::string calendarLabel(double value, CalendarStep step)
{
    const CivilTime c = civil(value);
    if (step.months >= 12 && step.months % 12 == 0) {
        return format("%d", c.year);
    }
    if (step.months > 0) {
        return format("%d-%02u", c.year, c.month);
    }
    if (step.seconds >= day) {
        return monthDay(c);
    }
    const std::string time = clock(c.secondOfDay, step.seconds < minute);
    const CivilTime before = civil(value - static_cast<double>(step.seconds));
    if (before.day != c.day || before.month != c.month || before.year != c.year) {
        return monthDay(c) + " " + time;
    }
    return time;
}

std::string timeText(double value, bool exact)
{
    if (!onCalendar(value, value)) {
        return "?";
    }
    const CivilTime c = civil(value);
    std::string text = format("%d-%02u-%02u ", c.year, c.month, c.day) + clock(c.secondOfDay, true);
    const double fraction = value - std::floor(value);
    if (exact && fraction > 0.0) {
        std::string digits = format("%.6f", fraction).substr(1);  // ".250000"
        digits.erase(digits.find_last_not_of('0') + 1);
        if (digits != ".") {
            text += digits;
        }
    }
    return text;
}

}  // namespace kvx
