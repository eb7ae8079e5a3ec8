#pragma once
// Ticks and texts of a time axis. Its values are seconds since 1970-01-01
// 00:00 and are shown as written, without a time zone: the clock times of
// the file. The labelled ticks stand at calendar steps (seconds, minutes,
// hours, days, weeks, months, years), and a label grows a date where the
// day changes, so that no two labels read the same.

#include <cstdint>
#include <string>
#include <vector>

namespace kvx {

// A step of whole seconds or of whole months (years are twelve months).
struct CalendarStep {
    int64_t seconds = 0;
    int32_t months = 0;
    friend bool operator==(const CalendarStep&, const CalendarStep&) = default;
};

// Whether the calendar reaches from min to max (some ten thousand years
// about 1970); beyond it a time axis ticks like a linear one.
bool onCalendar(double min, double max);
// The smallest calendar step that puts at most `divisor` labelled ticks on
// a width of `width` seconds.
CalendarStep calendarStep(double width, double divisor);
// The step of the sub-ticks under `major`: a smaller step that divides it,
// or none (zero) when there is no such step.
CalendarStep calendarSubStep(CalendarStep major);
// The times in [min, max] that lie on whole steps: multiples of the step
// since 1970 for seconds (weeks begin on Monday), the first of a month
// whose number since year 0 the step divides. None when they would be more
// than `pixels`.
std::vector<double> calendarTicks(double min, double max, CalendarStep step, int pixels);
// The number of whole steps from the calendar's origin (1970, its first
// Monday for weeks, year 0 for months) to `tick`, one of calendarTicks.
int64_t calendarIndex(double tick, CalendarStep step);
// "23:15:26" or "23:15" below a day, with the date in front where the
// day changes since the tick before ("Dec 08 00:00"); "Dec 08" for days and
// weeks, "2026-12" for months, "2026" for years.
std::string calendarLabel(double value, CalendarStep step);
// A time in full, to the second: "2026-12-07 23:15:26"; with `exact` a
// fraction of the second follows where there is one (to the microsecond).
std::string timeText(double value, bool exact = false);

}  // namespace kvx
