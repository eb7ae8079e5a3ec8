#include "model/axes_system.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "model/nice_step.h"

namespace kvx {
namespace {

TEST(NiceStep, RoundsToOneTwoFiveOrTenTimesAPowerOfTen)
{
    EXPECT_DOUBLE_EQ(niceStep(0.13), 0.1);
    EXPECT_DOUBLE_EQ(niceStep(0.26), 0.2);
    EXPECT_DOUBLE_EQ(niceStep(4.1), 5);
    EXPECT_DOUBLE_EQ(niceStep(7), 10);
    EXPECT_DOUBLE_EQ(niceStep(130), 100);
    EXPECT_DOUBLE_EQ(niceStep(1.3), 1);
    EXPECT_DOUBLE_EQ(niceStep(1.31), 2);
    EXPECT_DOUBLE_EQ(niceStep(6.6), 5);
    EXPECT_DOUBLE_EQ(niceStep(6.61), 10);
    EXPECT_DOUBLE_EQ(niceStep(10.0 / 6.0), 2);
    EXPECT_DOUBLE_EQ(niceStep(3e-9), 2e-9);
    EXPECT_EQ(niceStep(0.0), 0.0);
    EXPECT_TRUE(std::isinf(niceStep(std::numeric_limits<double>::infinity())));
}

TEST(AxesSystem, SetRangeGuardsAndOrders)
{
    AxesSystem a;
    ASSERT_TRUE(a.setRange(0, 10, 0, 1, true));
    EXPECT_FALSE(a.setRange(5, 5, 0, 1, true));
    EXPECT_FALSE(a.setRange(1, 1 + 1e-15, 0, 1, true));
    EXPECT_FALSE(a.setRange(0, 0, 0, 1, true));  // 0 / 0
    EXPECT_FALSE(a.setRange(0, 1, 2, std::nan(""), true));
    EXPECT_FALSE(a.setRange(-std::numeric_limits<double>::infinity(), 1, 0, 1, true));
    EXPECT_FALSE(a.setRange(-1e308, 1e308, 0, 1, true));  // the width overflows
    EXPECT_EQ(a.x().current().max, 10);
    EXPECT_EQ(a.x().last().max, 1000);  // refused ranges remember nothing

    ASSERT_TRUE(a.setRange(3, 1, 7, -1, false));
    EXPECT_EQ(a.x().current().min, 1);
    EXPECT_EQ(a.x().current().max, 3);
    EXPECT_EQ(a.y().current().min, -1);
    EXPECT_EQ(a.y().current().max, 7);
    EXPECT_DOUBLE_EQ(a.rangeRatio(), 0.25);
    EXPECT_EQ(a.x().last().max, 1000);

    EXPECT_TRUE(a.setRange(-1, 0, 0, 1, false));  // infinite quotient passes
    EXPECT_TRUE(a.setRange(1e-300, 2e-300, 0, 1, false));  // narrow but relatively wide
}

TEST(AxesSystem, RangesTooNarrowForAFiniteScaleAreRefused)
{
    AxesSystem a;
    ASSERT_TRUE(a.setRange(0, 1, 0, 1, false));
    EXPECT_FALSE(a.setRange(0, 1, 0, 1e-307, false));   // relatively wide, but denormal ticks
    EXPECT_FALSE(a.setRange(0, 1, -1e-302, 1e-302, false));
    EXPECT_FALSE(a.setRange(0, 5e-324, 0, 1, false));
    EXPECT_EQ(a.y().current().max, 1);
    EXPECT_TRUE(Axis::acceptsBounds(0, Axis::minWidth));
    EXPECT_TRUE(Axis::acceptsBounds(-8e307, 8e307));
}

TEST(AxesSystem, AShiftThatWouldLoseTheRangeIsRefused)
{
    AxesSystem a;
    a.setRange(0, 1, 0, 1, false);
    a.setTicks({{1e20, 1e20}, {0.5, 0.25}});  // ticks typed far beyond the range
    a.shiftByTicks(1, 0);                // 1e20 + 1 rounds to 1e20: empty
    EXPECT_EQ(a.x().current().min, 0);
    EXPECT_EQ(a.x().current().max, 1);
    a.setRange(1e308, 1.5e308, 0, 1, false);
    a.shiftByRanges(1, 0);               // past the largest double
    EXPECT_EQ(a.x().current().max, 1.5e308);
    a.shiftByTicks(0, 1);                // y alone still moves
    EXPECT_EQ(a.y().current().min, 0.5);
}

TEST(AxesSystem, RememberLastKeepsBoundsTickSettersKeepTicks)
{
    AxesSystem a;
    a.setTicks({{2, 1}, {0.5, 0.25}});
    a.setRange(0, 10, 0, 2, true);
    a.setRange(20, 30, 4, 6, true);
    EXPECT_EQ(a.x().last().min, 0);
    EXPECT_EQ(a.y().last().max, 2);
    EXPECT_EQ(a.x().last().tick, 500);  // untouched by setRange

    a.setTick(a.x(), 4);
    EXPECT_EQ(a.x().last().tick, 2);
    EXPECT_EQ(a.x().last().subTick, 1);
    EXPECT_EQ(a.x().last().min, 0);
    EXPECT_EQ(a.x().current().subTick, 2);  // 4 / numSubTicks
    EXPECT_TRUE(a.x().ticksSet());

    a.restoreLast();
    EXPECT_EQ(a.x().current().min, 0);
    EXPECT_EQ(a.x().current().tick, 2);
}

TEST(AxesSystem, AutomaticTicks)
{
    AxesSystem a;
    a.setTickCounts(6, 2);
    a.setRange(0, 10, 0, 3, false);
    a.autoTicks(false);
    EXPECT_DOUBLE_EQ(a.x().current().tick, 2);
    EXPECT_DOUBLE_EQ(a.x().current().subTick, 1);
    EXPECT_DOUBLE_EQ(a.y().current().tick, 0.5);
    EXPECT_DOUBLE_EQ(a.y().current().subTick, 0.25);

    a.autoTicks(true);  // the larger tick wins on both axes
    EXPECT_DOUBLE_EQ(a.y().current().tick, 2);
    EXPECT_DOUBLE_EQ(a.y().current().subTick, 1);
    EXPECT_DOUBLE_EQ(a.x().current().tick, 2);

    a.setTickCounts(5, 4);
    EXPECT_FALSE(a.x().ticksSet());
    EXPECT_FALSE(a.y().ticksSet());
    a.y().setTicks(9, 3);
    a.autoTicksIfUnset();
    EXPECT_DOUBLE_EQ(a.x().current().tick, 2);
    EXPECT_DOUBLE_EQ(a.x().current().subTick, 0.5);
    EXPECT_DOUBLE_EQ(a.y().current().tick, 9);  // given, so kept

    // Tick counts of 0 from a damaged settings file give finite ticks.
    a.setTickCounts(0, 0);
    a.autoTicks(false);
    EXPECT_TRUE(std::isfinite(a.x().current().tick));
    EXPECT_TRUE(std::isfinite(a.x().current().subTick));
}

TEST(AxesSystem, FreshRangeSetsAreNeverEmpty)
{
    AxesSystem a;
    for (const RangeSet& r : {a.originalRange(), a.storedRange(), a.lastRange()}) {
        EXPECT_LT(r.x.min, r.x.max);
        EXPECT_LT(r.y.min, r.y.max);
        EXPECT_GT(r.x.tick, 0);
        EXPECT_GT(r.y.subTick, 0);
    }
    a.setRange(0, 1, 0, 1, false);
    a.restoreOriginal();
    EXPECT_LT(a.x().current().min, a.x().current().max);
    a.restoreStored();
    EXPECT_LT(a.y().current().min, a.y().current().max);
}

TEST(AxesSystem, OriginalStoredAndTheirHalves)
{
    AxesSystem a;
    a.setRange(0, 10, 0, 20, false);
    a.setTicks({{2, 1}, {4, 2}});
    a.keepAsOriginal();
    a.store();
    a.setRange(100, 110, 200, 220, false);
    a.setTicks({{5, 1}, {5, 1}});
    a.x().restoreOriginal();
    EXPECT_EQ(a.x().current().min, 0);
    EXPECT_EQ(a.x().current().tick, 2);
    EXPECT_EQ(a.y().current().min, 200);
    EXPECT_EQ(a.y().current().tick, 5);
    a.y().restoreOriginal();
    EXPECT_EQ(a.currentRange(), a.originalRange());
    a.setRange(-5, 5, -5, 5, false);
    a.restoreStored();
    EXPECT_EQ(a.currentRange(), a.storedRange());
    EXPECT_EQ(a.y().current().max, 20);
}

TEST(AxesSystem, ShiftsAndZooms)
{
    AxesSystem a;
    a.setRange(0, 10, 0, 4, false);
    a.setTicks({{2, 1}, {1, 0.5}});
    a.shiftBySubTicks(1, -2);
    EXPECT_EQ(a.x().current().min, 1);
    EXPECT_EQ(a.y().current().max, 3);
    a.shiftByTicks(-1, 1);
    EXPECT_EQ(a.x().current().min, -1);
    EXPECT_EQ(a.y().current().min, 0);
    a.shiftByRanges(1, 0);
    EXPECT_EQ(a.x().current().min, 9);
    EXPECT_EQ(a.x().current().max, 19);

    a.setRange(0, 10, 0, 4, true);
    const RangeSet before = a.lastRange();
    a.zoomAboutCentre(2);
    EXPECT_EQ(a.x().current().min, -5);
    EXPECT_EQ(a.x().current().max, 15);
    EXPECT_EQ(a.y().current().min, -2);
    EXPECT_EQ(a.y().current().max, 6);
    EXPECT_EQ(a.lastRange(), before);  // zooms remember nothing themselves

    a.setRange(0, 10, 0, 4, false);
    a.zoomAbout(0.5, 2, 0);
    EXPECT_EQ(a.x().current().min, -0.5);
    EXPECT_EQ(a.x().current().max, 4.5);
    EXPECT_EQ(a.y().current().min, -1);
    EXPECT_EQ(a.y().current().max, 1);
}

}  // namespace
}  // namespace kvx
