#include "scaling/layout_transform.h"

#include <gtest/gtest.h>

#include <cmath>

#include "scaling/device_transform.h"
#include "settings/keywords.h"
#include "window/plot.h"

namespace kvx {
namespace {

// A 640 x 480 client area with margins up 40, down 75, left 85, right 35.
class LayoutTransformTest : public testing::Test {
protected:
    LayoutTransformTest()
    {
        p.setClientSize(640, 480);
        p.settings().activeIndents = Indents{40, 75, 85, 35};
        p.axes().setRange(0, 10, 0, 10, false);
    }
    const DeviceRect& rect() const { return p.view().plotRect; }

    Plot p{"p"};
};

void expectPoint(DoublePoint got, double x, double y)
{
    EXPECT_DOUBLE_EQ(got.x, x);
    EXPECT_DOUBLE_EQ(got.y, y);
}

TEST_F(LayoutTransformTest, RectangleFromIndentsAndScalesFromTheRange)
{
    layoutTransform(p);
    EXPECT_EQ(rect(), (DeviceRect{85, 40, 605, 405}));
    EXPECT_DOUBLE_EQ(p.view().x.scale, 52);
    EXPECT_DOUBLE_EQ(p.view().y.scale, 36.5);
    expectPoint(worldToDevice(p, 0, 0), 85, 405);
    expectPoint(worldToDevice(p, 10, 10), 605, 40);

    p.axes().setRange(-5, 5, 100, 200, false);
    layoutTransform(p);
    EXPECT_DOUBLE_EQ(p.view().x.offset, 85 + 5 * 52);
    expectPoint(worldToDevice(p, -5, 200), 85, 40);
    expectPoint(worldToDevice(p, 5, 100), 605, 405);
}

TEST_F(LayoutTransformTest, LegendReserveNarrowsTheRectangle)
{
    layoutTransform(p, 100);
    EXPECT_EQ(rect().right, 640 - 35 - 100);
    EXPECT_DOUBLE_EQ(p.view().x.scale, 42);
}

TEST_F(LayoutTransformTest, WindowSmallerThanItsMarginsStillScalesPositively)
{
    p.setClientSize(50, 50);
    layoutTransform(p);
    EXPECT_EQ(rect(), (DeviceRect{85, 40, 15, -25}));
    EXPECT_DOUBLE_EQ(p.view().x.scale, 7);
    EXPECT_DOUBLE_EQ(p.view().y.scale, 6.5);
}

TEST_F(LayoutTransformTest, AxesEqualSquaresTheRectangleTowardTopLeft)
{
    p.setAspectRatio(AXES_EQUAL);
    layoutTransform(p);  // wider than tall
    EXPECT_EQ(rect(), (DeviceRect{85, 40, 450, 405}));
    EXPECT_EQ(rect().right - rect().left, rect().bottom - rect().top);
    EXPECT_DOUBLE_EQ(p.view().x.scale, p.view().y.scale);
    expectPoint(worldToDevice(p, 10, 10), 450, 40);

    p.setClientSize(400, 800);  // taller than wide
    layoutTransform(p);
    EXPECT_EQ(rect(), (DeviceRect{85, 40, 365, 320}));
    EXPECT_DOUBLE_EQ(p.view().y.scale, 28);
    expectPoint(worldToDevice(p, 0, 0), 85, 320);
}

TEST_F(LayoutTransformTest, AxesEqualTruncatesTheShrunkSide)
{
    p.setAspectRatio(AXES_EQUAL);
    p.axes().setRange(0, 7, 0, 3, false);
    layoutTransform(p);
    // 520 / 7 pixels per unit, 3 units: 222.86 pixels.
    EXPECT_EQ(rect().bottom, 40 + 222);
    EXPECT_DOUBLE_EQ(p.view().y.scale, 520.0 / 7);

    p.setAspectRatio(AXES_SCALED);
    layoutTransform(p);
    EXPECT_EQ(rect().bottom, 405);
}

TEST_F(LayoutTransformTest, TransformsRoundTrip)
{
    p.axes().setRange(-3.3, 17.1, 0.25, 0.75, false);
    layoutTransform(p);
    const DeviceTransform t = DeviceTransform::of(p.view());
    for (double X = 80; X <= 610; X += 7) {
        for (double Y = 35; Y <= 410; Y += 11) {
            const DoublePoint w = t.deviceToWorld(X, Y);
            expectPoint(t.worldToDevice(w.x, w.y), X, Y);
        }
    }
    // World points come back within half a pixel (and a rounding error).
    const double slack = 1 + 1e-9;
    for (double x = -3.3; x <= 17.1; x += 0.37) {
        for (double y = 0.25; y <= 0.75; y += 0.0625) {
            const DoublePoint d = t.worldToDevice(x, y);
            EXPECT_EQ(d.x, std::floor(d.x));
            EXPECT_EQ(d.y, std::floor(d.y));
            const DoublePoint w = t.deviceToWorld(d.x, d.y);
            EXPECT_LE(std::fabs(w.x - x), slack * 0.5 / t.x.scale);
            EXPECT_LE(std::fabs(w.y - y), slack * 0.5 / t.y.scale);
        }
    }
    expectPoint(deviceToWorld(p, 300, 200), t.deviceToWorld(300, 200).x, t.deviceToWorld(300, 200).y);
}

TEST(RoundHalfUp, RoundsHalvesUpAlsoBelowZero)
{
    EXPECT_EQ(roundHalfUp(2.5), 3);
    EXPECT_EQ(roundHalfUp(2.4999), 2);
    EXPECT_EQ(roundHalfUp(3), 3);
    EXPECT_EQ(roundHalfUp(-2.5), -2);
    EXPECT_EQ(roundHalfUp(-2.6), -3);
    EXPECT_EQ(roundHalfUp(-2.4), -2);
    EXPECT_EQ(roundHalfUp(-0.5), 0);
    EXPECT_EQ(roundHalfUp(-3), -3);
    // Just below one half: floor(v + 0.5) would give 1.
    EXPECT_EQ(roundHalfUp(0.49999999999999994), 0);
}

TEST(DeviceTransform, RoundsDeviceCoordinatesHalfUpWithYDownward)
{
    const DeviceTransform t{{2.0, 10.25}, {4.0, 100.0}};
    expectPoint(t.worldToDevice(0, 0), 10, 100);
    expectPoint(t.worldToDevice(0.125, 0.125), 11, 100);    // 10.5 up, 99.5 up
    expectPoint(t.worldToDevice(-5.375, -0.125), 0, 101);   // -0.5 up to 0, 100.5 up
    expectPoint(t.deviceToWorld(12.25, 96), 1, 1);
}

}  // namespace
}  // namespace kvx
