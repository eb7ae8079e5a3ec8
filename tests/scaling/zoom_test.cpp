#include "scaling/zoom.h"

#include <gtest/gtest.h>

#include "scaling/layout_transform.h"
#include "settings/keywords.h"
#include "window/plot.h"

namespace kvx {
namespace {

// A plot without coordinate system whose world coordinates map to pixels as
// (x, 100 - y) inside the rectangle 0..100 x 0..100, showing 0..100 on both
// axes with its automatic ticks (20 and 10).
class ZoomTest : public testing::Test {
protected:
    ZoomTest()
    {
        plot.setShowCoorSystem(HIDE);
        plot.setClientSize(101, 120);
        plot.axes().setRange(0, 100, 0, 100, false);
        plot.axes().autoTicks(false);
        plot.axes().keepAsLast();
        layoutTransform(plot);
        plot.setZoomMode(ZOOM_XY);
    }

    RangeSet range() const { return plot.axes().currentRange(); }
    RangeSet last() const { return plot.axes().lastRange(); }
    void expectRange(double xMin, double xMax, double yMin, double yMax) const
    {
        EXPECT_DOUBLE_EQ(range().x.min, xMin);
        EXPECT_DOUBLE_EQ(range().x.max, xMax);
        EXPECT_DOUBLE_EQ(range().y.min, yMin);
        EXPECT_DOUBLE_EQ(range().y.max, yMax);
    }
    // The points (0, 0), (10, 10) ... (100, 100).
    void addDiagonal()
    {
        const int16_t n = plot.addGraph();
        for (int i = 0; i <= 10; ++i) plot.append(10 * i, 10 * i, n);
    }

    Plot plot{"zoom"};
};

TEST_F(ZoomTest, XYTakesBothSidesOfTheBandInAnyDirection)
{
    EXPECT_TRUE(zoomToBand(plot, 30, 10, 60, 20));
    expectRange(10, 30, 20, 60);
    EXPECT_DOUBLE_EQ(last().x.max, 100);
    EXPECT_DOUBLE_EQ(plot.axes().rangeRatio(), 0.5);
}

TEST_F(ZoomTest, XAndYZoomOneAxisAndKeepTheOther)
{
    plot.setZoomMode(ZOOM_X);
    EXPECT_TRUE(zoomToBand(plot, 40, 15, 70, 90));  // dragged right to left
    expectRange(15, 40, 0, 100);
    plot.axes().restoreLast();
    EXPECT_TRUE(zoomToBand(plot, 15, 40, 90, 70));
    expectRange(15, 40, 0, 100);

    plot.setZoomMode(ZOOM_Y);
    EXPECT_TRUE(zoomToBand(plot, 1, 2, 70, 90));
    expectRange(15, 40, 70, 90);
    EXPECT_DOUBLE_EQ(last().x.min, 15);
    EXPECT_DOUBLE_EQ(last().y.max, 100);
}

TEST_F(ZoomTest, XAutorangeYIsRememberedOnce)
{
    addDiagonal();
    plot.setZoomMode(ZOOM_XARY);
    EXPECT_TRUE(zoomToBand(plot, 40, 20, 3, 4));
    // The y range comes from the points at x 20, 30 and 40, widened by 5 %.
    expectRange(20, 40, 19.5, 40.5);
    plot.axes().restoreLast();
    expectRange(0, 100, 0, 100);
}

TEST_F(ZoomTest, YAutorangeXIsRememberedOnce)
{
    addDiagonal();
    plot.setZoomMode(ZOOM_YARX);
    EXPECT_TRUE(zoomToBand(plot, 3, 4, 60, 80));
    expectRange(59.5, 80.5, 60, 80);
    plot.axes().restoreLast();
    expectRange(0, 100, 0, 100);
}

TEST_F(ZoomTest, KeepRatioKeepsTheRatioOfTheLastSetRange)
{
    plot.axes().setRange(0, 100, 0, 50, false);
    plot.setZoomMode(ZOOM_XKR);
    EXPECT_TRUE(zoomToBand(plot, 10, 30, 10, 12));  // upward: y from ya up
    expectRange(10, 30, 10, 20);
    EXPECT_TRUE(zoomToBand(plot, 30, 20, 15, 0));  // downward: y from ya down
    expectRange(20, 30, 10, 15);
    EXPECT_DOUBLE_EQ(plot.axes().rangeRatio(), 2);

    // Restoring copies the range but not its ratio.
    plot.axes().restoreOriginal();
    EXPECT_TRUE(zoomToBand(plot, 0, 10, 0, 1));
    expectRange(0, 10, 0, 5);
}

TEST_F(ZoomTest, RefusedOrUnknownZoomsChangeNothing)
{
    addDiagonal();  // an automatic range would change the other axis
    const RangeSet before = range();
    const RangeSet lastBefore = last();
    for (int16_t mode : {ZOOM_XY, ZOOM_X, ZOOM_XARY, ZOOM_XKR}) {
        plot.setZoomMode(mode);
        EXPECT_FALSE(zoomToBand(plot, 50, 50 + 1e-13, 10, 20)) << mode;
    }
    for (int16_t mode : {ZOOM_Y, ZOOM_YARX}) {
        plot.setZoomMode(mode);
        EXPECT_FALSE(zoomToBand(plot, 10, 20, 50, 50)) << mode;
    }
    for (int16_t mode : {int16_t{300}, int16_t{307}, int16_t{0}}) {
        plot.setZoomMode(mode);
        EXPECT_FALSE(zoomToBand(plot, 10, 20, 10, 20)) << mode;
    }
    EXPECT_EQ(range(), before);
    EXPECT_EQ(last(), lastBefore);
}

TEST_F(ZoomTest, DeviceBandZoomsToItsWorldPointsWithNewTicks)
{
    EXPECT_TRUE(zoomToDeviceBand(plot, plot.view(), {10, 60}, {30, 20}));
    expectRange(10, 30, 40, 80);
    EXPECT_DOUBLE_EQ(range().x.tick, 5);  // 20 / 6 rounded to a nice step
    EXPECT_DOUBLE_EQ(range().y.tick, 10);  // 40 / 6 = 6.67 rounds up
    EXPECT_DOUBLE_EQ(last().x.tick, 20);  // "Last" brings the old ticks back too
    plot.axes().restoreLast();
    expectRange(0, 100, 0, 100);

    plot.setAspectRatio(AXES_EQUAL);
    plot.setZoomMode(ZOOM_XY);
    layoutTransform(plot);
    EXPECT_TRUE(zoomToDeviceBand(plot, plot.view(), {0, 100}, {10, 0}));
    EXPECT_DOUBLE_EQ(range().x.tick, 20);  // the larger tick on both axes
    EXPECT_DOUBLE_EQ(range().y.tick, 20);
}

TEST_F(ZoomTest, DeviceBandReleasedInPlaceOrTooNarrowChangesNothing)
{
    EXPECT_FALSE(zoomToDeviceBand(plot, plot.view(), {40, 40}, {40, 40}));
    EXPECT_EQ(range().x.max, 100);

    // One pixel is 1e-9 of a range at 1e6: below the relative width limit.
    plot.axes().setRange(1e6, 1e6 + 1e-7, 1e6, 1e6 + 1e-7, true);
    plot.axes().setTicks({{1, 1}, {1, 1}});
    layoutTransform(plot);
    const RangeSet before = range();
    const RangeSet lastBefore = last();
    EXPECT_FALSE(zoomToDeviceBand(plot, plot.view(), {10, 10}, {11, 11}));
    EXPECT_EQ(range(), before);
    EXPECT_EQ(last(), lastBefore);
}

TEST_F(ZoomTest, InAndOutReturnAboutTheCentreWithoutBeingRemembered)
{
    plot.axes().setRange(0, 10, 0, 10, true);  // "Last" is 0..100
    EXPECT_TRUE(zoomOut(plot));
    expectRange(-2.5, 12.5, -2.5, 12.5);
    EXPECT_DOUBLE_EQ(range().x.tick, 2);  // 15 / 6 rounded
    EXPECT_TRUE(zoomIn(plot));
    EXPECT_NEAR(range().x.min, 0, 1e-12);
    EXPECT_NEAR(range().x.max, 10, 1e-12);
    EXPECT_TRUE(zoomIn(plot));
    EXPECT_NEAR(range().x.max - range().x.min, 10 / 1.5, 1e-12);
    EXPECT_NEAR(range().y.min + range().y.max, 10, 1e-12);

    plot.axes().restoreLast();
    EXPECT_EQ(range().x.min, 0);
    EXPECT_EQ(range().x.max, 100);
}

TEST_F(ZoomTest, InAndOutGiveEqualTicksUnderAxesEqual)
{
    plot.axes().setRange(0, 10, 0, 100, false);
    plot.setAspectRatio(AXES_EQUAL);
    zoomOut(plot);
    EXPECT_DOUBLE_EQ(range().x.tick, 20);  // 150 / 6 rounded, taken from y
    EXPECT_DOUBLE_EQ(range().y.tick, 20);
}

TEST_F(ZoomTest, WheelZoomsAboutTheCentreOrThePointUnderThePointer)
{
    plot.settings().zoomFactor = 2;
    EXPECT_TRUE(zoomByWheel(plot, plot.view(), -120, false, {0, 0}));  // toward the user: out
    expectRange(-50, 150, -50, 150);
    EXPECT_TRUE(zoomByWheel(plot, plot.view(), 120, false, {0, 0}));
    expectRange(0, 100, 0, 100);

    // The pointer at (20, 70) is the world point (20, 30).
    EXPECT_TRUE(zoomByWheel(plot, plot.view(), 120, true, {20, 70}));
    expectRange(-5, 45, 5, 55);
    EXPECT_DOUBLE_EQ(range().x.tick, 10);
    EXPECT_DOUBLE_EQ(last().x.max, 100);  // not remembered
}

TEST(ToggleAxesEqual, SwitchesTheAspectWithItsTicks)
{
    Plot plot("p");
    plot.axes().setRange(0, 10, 0, 100, false);
    toggleAxesEqual(plot);
    EXPECT_EQ(plot.aspectRatio(), AXES_EQUAL);
    EXPECT_DOUBLE_EQ(plot.axes().x().current().tick, 20);
    EXPECT_DOUBLE_EQ(plot.axes().x().current().subTick, 10);
    EXPECT_EQ(plot.zoomMode(), ZOOM_XY);  // the coordinate system is shown

    toggleAxesEqual(plot);
    EXPECT_EQ(plot.aspectRatio(), AXES_SCALED);
    EXPECT_DOUBLE_EQ(plot.axes().x().current().tick, 2);
    EXPECT_DOUBLE_EQ(plot.axes().y().current().tick, 20);

    plot.setShowCoorSystem(HIDE);
    toggleAxesEqual(plot);
    EXPECT_EQ(plot.zoomMode(), ZOOM_XKR);
}

}  // namespace
}  // namespace kvx
