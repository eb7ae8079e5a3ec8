#include "scaling/calendar_ticks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvx {
namespace {

// 2026-12-07 23:15:26, a Monday.
constexpr double monday = 1796685326.0;
constexpr double day = 86400.0;

std::vector<std::string> labels(double min, double max, CalendarStep& step)
{
    step = calendarStep(max - min, 6.0);
    std::vector<std::string> out;
    for (const double t : calendarTicks(min, max, step, 1000)) {
        out.push_back(calendarLabel(t, step));
    }
    return out;
}

TEST(CalendarTicks, EachStepLabelsItsTicksWithTheDateWhereTheDayChanges)
{
    struct Case {
        double width;
        CalendarStep step;
        std::vector<std::string> labels;
    };
    const std::vector<Case> cases{
        {20.0, {5, 0}, {"23:15:30", "23:15:35", "23:15:40", "23:15:45"}},
        {3600.0, {600, 0}, {"23:20", "23:30", "23:40", "23:50", "Dec 08 00:00", "00:10"}},
        {day, {21600, 0}, {"Dec 08 00:00", "06:00", "12:00", "18:00"}},
        {20 * day, {7 * 86400, 0}, {"Dec 14", "Dec 21"}},
        {200 * day, {0, 3}, {"2027-01", "2027-04"}},
        {30 * 365.25 * day, {0, 60}, {"2030", "2035", "2040", "2045", "2050", "2055"}},
    };
    for (const Case& c : cases) {
        CalendarStep step;
        EXPECT_EQ(labels(monday, monday + c.width, step), c.labels) << c.width;
        EXPECT_EQ(step, c.step) << c.width;
    }
    // Sub-ticks divide the labelled step.
    EXPECT_EQ(calendarSubStep({600, 0}), (CalendarStep{300, 0}));
    EXPECT_EQ(calendarSubStep({0, 3}), (CalendarStep{0, 1}));
    EXPECT_EQ(calendarSubStep({0, 60}), (CalendarStep{0, 12}));
    // Before 1970 the calendar runs on; beyond its reach there are no ticks.
    EXPECT_EQ(timeText(monday), "2026-12-07 23:15:26");
    EXPECT_EQ(timeText(-1.0), "1969-12-31 23:59:59");
    EXPECT_TRUE(calendarTicks(1e300, 2e300, {0, 12}, 1000).empty());
}

}  // namespace
}  // namespace kvx
