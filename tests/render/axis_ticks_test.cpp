#include "render/axis_ticks.h"
#include "render/label_spacing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace kvx {
namespace {

std::vector<std::string> labels(const AxisTicks& t)
{
    std::vector<std::string> out;
    for (const double v : t.major) {
        std::string exponent;
        const std::string base = axisTickLabel(t, v, exponent);
        out.push_back(exponent.empty() ? base : base + "^" + exponent);
    }
    return out;
}

TickedAxis logAxis(double min, double max, double tick, int pixels)
{
    TickedAxis s;
    s.range = {min, max, tick, tick / 2};
    s.kind = AxisKind::Logarithmic;
    s.pixels = pixels;
    return s;
}

TEST(AxisTicks, LogarithmicAxesTickAtDecadesWithSubTicksWhereThereIsRoom)
{
    // Six decades on 500 pixels: every decade labelled, 2 to 9 in each.
    AxisTicks t = axisTicks(logAxis(1e-3, 1e3, 1.0, 500));
    EXPECT_EQ(labels(t), (std::vector<std::string>{"10^-3", "10^-2", "10^-1", "10^0", "10^1", "10^2", "10^3"}));
    EXPECT_EQ(t.minor.size(), 6u * 8u);
    EXPECT_DOUBLE_EQ(t.minor.front(), 2e-3);
    // On 200 pixels a decade has room for 2 and 5 only.
    t = axisTicks(logAxis(1e-3, 1e3, 1.0, 200));
    EXPECT_EQ(t.minor.size(), 6u * 2u);
    // 600 decades: every 100th labelled, sub-ticks at no decade (under 4 pixels each).
    t = axisTicks(logAxis(1e-300, 1e300, 100.0, 500));
    EXPECT_EQ(labels(t).front(), "10^-300");
    EXPECT_EQ(labels(t).back(), "10^300");
    EXPECT_EQ(t.major.size(), 7u);
    EXPECT_TRUE(t.minor.empty());
    // 20 decades, every 5th labelled: the other decades are sub-ticks.
    t = axisTicks(logAxis(1e-10, 1e10, 5.0, 500));
    EXPECT_EQ(t.major.size(), 5u);
    EXPECT_EQ(t.minor.size(), 16u);
}

TEST(AxisTicks, ShortLogarithmicRangesReadAsPlainNumbers)
{
    // One decade: its ends as plain numbers, 2 to 9 between them.
    AxisTicks t = axisTicks(logAxis(1.0, 10.0, 1.0, 400));
    EXPECT_EQ(labels(t), (std::vector<std::string>{"1", "10"}));
    EXPECT_EQ(t.minor.size(), 8u);
    // Part of a decade: nice steps of the values, labelled as on a linear axis.
    t = axisTicks(logAxis(2.0, 5.0, 0.05, 400));
    EXPECT_EQ(labels(t), (std::vector<std::string>{"2.0", "2.5", "3.0", "3.5", "4.0", "4.5", "5.0"}));
    EXPECT_EQ(t.minor.size(), 13u);
}

TEST(AxisTicks, ThinnedTimeLabelsStayOnWholeDaysAndKeepTheirDates)
{
    // 2026-12-07 09:00 to 12-09 15:00 ticks every 12 hours; labels 100
    // pixels wide, 80 pixels apart, fit on every second tick: the midnights, as days.
    TickedAxis axis;
    axis.range = {1796634000.0, 1796828400.0, 0.0, 0.0};
    axis.kind = AxisKind::Time;
    axis.pixels = 320;
    AxisTicks t = axisTicks(axis);
    ASSERT_EQ(t.calendar.seconds, 43200);
    ASSERT_EQ(t.major.size(), 5u);
    t.labelEvery = labelEvery(t, [&t](const AxisTicks&, double v) {
        const int x = static_cast<int>((v - t.major.front()) / 43200 * 80);
        return LabelSpan{x - 50, x + 50};
    });
    EXPECT_EQ(t.labelEvery, 2);
    std::vector<std::string> shown;
    for (const double v : t.major) {
        std::string exponent;
        if (labelled(t, v)) {
            shown.push_back(axisTickLabel(t, v, exponent));
        }
    }
    EXPECT_EQ(shown, (std::vector<std::string>{"Dec 08", "Dec 09"}));
}

}  // namespace
}  // namespace kvx
