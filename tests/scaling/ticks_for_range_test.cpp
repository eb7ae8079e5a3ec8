#include "scaling/ticks_for_range.h"

#include <gtest/gtest.h>

namespace kvx {
namespace {

TEST(TicksForRange, GivesWhatAutoTicksWouldWithoutChangingTheAxes)
{
    AxesSystem axes;
    axes.setRange(0, 10, -1, 2, true);
    const RangeSet before = axes.currentRange();

    const Ticks t = ticksForRange(axes, 0, 10, -1, 2, false);
    EXPECT_DOUBLE_EQ(t.x.tick, 2);  // 10 / 6 = 1.67
    EXPECT_DOUBLE_EQ(t.x.subTick, 1);
    EXPECT_DOUBLE_EQ(t.y.tick, 0.5);
    EXPECT_DOUBLE_EQ(t.y.subTick, 0.25);
    EXPECT_EQ(axes.currentRange(), before);
    EXPECT_FALSE(axes.x().ticksSet());

    for (const bool equal : {false, true}) {
        AxesSystem copy = axes;
        copy.autoTicks(equal);
        const Ticks expected = copy.ticks();
        const Ticks got = ticksForRange(axes, 0, 10, -1, 2, equal);
        EXPECT_EQ(got.x.tick, expected.x.tick) << equal;
        EXPECT_EQ(got.x.subTick, expected.x.subTick) << equal;
        EXPECT_EQ(got.y.tick, expected.y.tick) << equal;
        EXPECT_EQ(got.y.subTick, expected.y.subTick) << equal;
    }
}

TEST(TicksForRange, UsesTheWidthWhateverTheOrderAndTheGuardedCounts)
{
    AxesSystem axes;
    const Ticks reversed = ticksForRange(axes, 10, 0, 3, 0, true);
    EXPECT_DOUBLE_EQ(reversed.x.tick, 2);  // the larger tick wins
    EXPECT_DOUBLE_EQ(reversed.y.tick, 2);
    EXPECT_DOUBLE_EQ(reversed.y.subTick, 1);

    axes.setTickCounts(4, 5);
    const Ticks four = ticksForRange(axes, 0, 10, 0, 10, false);
    EXPECT_DOUBLE_EQ(four.x.tick, 2);  // 2.5 rounds to 2
    EXPECT_DOUBLE_EQ(four.x.subTick, 0.4);

    // Counts below 1 act as 1 instead of giving infinite spacings.
    axes.setTickCounts(0, -2);
    const Ticks guarded = ticksForRange(axes, 0, 10, 0, 10, false);
    EXPECT_DOUBLE_EQ(guarded.x.tick, 10);
    EXPECT_DOUBLE_EQ(guarded.x.subTick, 10);
}

}  // namespace
}  // namespace kvx
