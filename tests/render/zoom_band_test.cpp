#include "render/zoom_band.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "scaling/layout_transform.h"
#include "scaling/zoom.h"
#include "settings/keywords.h"
#include "support/recording_surface.h"
#include "window/plot.h"

namespace kvx {
namespace {

using Calls = std::vector<std::string>;

// World coordinates map to pixels as (x, 100 - y) inside 0..100 x 0..100.
class ZoomBandTest : public testing::Test {
protected:
    ZoomBandTest()
    {
        plot.setShowCoorSystem(HIDE);
        plot.setClientSize(101, 120);
        plot.axes().setRange(0, 100, 0, 100, false);
        layoutTransform(plot);
    }

    Calls band(int16_t mode, DevicePoint anchor, DevicePoint current)
    {
        plot.setZoomMode(mode);
        surface.clear();
        drawZoomBand(surface, plot, plot.view(), anchor, current);
        return surface.calls;
    }

    Plot plot{"band"};
    test::RecordingSurface surface;
};

TEST_F(ZoomBandTest, RectangleCoversBothCornersWhicheverWayItIsDragged)
{
    const Calls expected{"invert on", "pen solid 1 #000000", "brush hollow", "rectangle 10 20 31 41", "invert off"};
    EXPECT_EQ(band(ZOOM_XY, {30, 40}, {10, 20}), expected);
    EXPECT_EQ(band(ZOOM_XY, {10, 20}, {30, 40}), expected);
    EXPECT_EQ(band(ZOOM_XY, {10, 40}, {30, 20}), expected);
    // Not yet moved: a single pixel.
    EXPECT_EQ(band(ZOOM_XY, {5, 6}, {5, 6})[3], "rectangle 5 6 6 7");
}

TEST_F(ZoomBandTest, XBarsStayAtTheAnchorsHeight)
{
    const Calls expected{"invert on",       "pen solid 1 #000000", "moveTo 10 45", "lineTo 10 55",
                         "moveTo 10 50",    "lineTo 40 50",        "moveTo 40 45", "lineTo 40 55",
                         "invert off"};
    EXPECT_EQ(band(ZOOM_X, {10, 50}, {40, 70}), expected);
    EXPECT_EQ(band(ZOOM_XARY, {10, 50}, {40, 70}), expected);
}

TEST_F(ZoomBandTest, YBarsStayAtTheAnchorsX)
{
    const Calls expected{"invert on",    "pen solid 1 #000000", "moveTo 5 50", "lineTo 15 50",
                         "moveTo 10 50", "lineTo 10 30",        "moveTo 5 30", "lineTo 15 30",
                         "invert off"};
    EXPECT_EQ(band(ZOOM_Y, {10, 50}, {40, 30}), expected);
    EXPECT_EQ(band(ZOOM_YARX, {10, 50}, {40, 30}), expected);
}

TEST_F(ZoomBandTest, KeepRatioBandShowsWhatTheReleaseZoomsTo)
{
    // x 0..100 and y 0..50 on the square: two pixels per y unit, ratio 2.
    plot.axes().setRange(0, 100, 0, 50, false);
    layoutTransform(plot);
    // From world (10, 10) toward (30, 15): the height is 20 / 2 = 10 units,
    // upward, whatever the pointer's own height.
    EXPECT_EQ(band(ZOOM_XKR, {10, 80}, {30, 70}),
              (Calls{"invert on", "pen solid 1 #000000", "brush hollow", "rectangle 10 60 31 81", "invert off"}));
    EXPECT_EQ(band(ZOOM_XKR, {10, 80}, {30, 20})[3], "rectangle 10 60 31 81");
    EXPECT_EQ(band(ZOOM_XKR, {10, 80}, {30, 90})[3], "rectangle 10 80 31 101");
    EXPECT_EQ(band(ZOOM_XKR, {30, 80}, {10, 90})[3], "rectangle 10 80 31 101");

    EXPECT_TRUE(zoomToDeviceBand(plot, plot.view(), {10, 80}, {30, 70}));
    const RangeSet r = plot.axes().currentRange();
    EXPECT_DOUBLE_EQ(r.y.min, 10);
    EXPECT_DOUBLE_EQ(r.y.max, 20);
}

TEST_F(ZoomBandTest, KeepRatioBandFarOffTheWindowSaturates)
{
    // The ratio of a range set earlier stays after "Restore": a band 20
    // pixels wide would be 2e7 pixels high.
    plot.axes().store();
    plot.axes().setRange(0, 1e-4, 0, 100, false);
    plot.axes().restoreStored();
    EXPECT_EQ(band(ZOOM_XKR, {10, 80}, {30, 70})[3], "rectangle 10 -32768 31 81");
    EXPECT_EQ(band(ZOOM_XKR, {10, 80}, {30, 90})[3], "rectangle 10 80 31 32768");
}

TEST_F(ZoomBandTest, OtherModesDrawNothingButLeaveInvertModeOff)
{
    EXPECT_EQ(band(307, {10, 50}, {40, 30}), (Calls{"invert on", "invert off"}));
    EXPECT_FALSE(surface.invert);
}

TEST(MeasureLine, InvertsTheLineFromAnchorToPointer)
{
    test::RecordingSurface surface;
    drawMeasureLine(surface, {-20, 30}, {40, 10});
    EXPECT_EQ(surface.calls,
              (Calls{"invert on", "pen solid 1 #000000", "moveTo -20 30", "lineTo 40 10", "invert off"}));
}

}  // namespace
}  // namespace kvx
