#include "scaling/log_axes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/general_format.h"
#include "scaling/auto_range.h"
#include "scaling/cursor_readout.h"
#include "scaling/device_transform.h"
#include "scaling/layout_transform.h"
#include "scaling/zoom.h"
#include "window/plot.h"

namespace kvx {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

// 1/x over 1e-3 .. 1e3, and values no logarithmic axis can show.
void fillReciprocal(Plot& p)
{
    const int16_t g = p.addGraph();
    for (int i = 0; i <= 60; ++i) {
        const double x = std::pow(10.0, -3.0 + i * 0.1);
        p.append(x, 1.0 / x, g);
    }
    p.append(0.0, 5.0, g);
    p.append(-4.0, -2.0, g);
    p.append(nan, 0.0, g);
}

void expectBounds(const Plot& p, double xMin, double xMax, double yMin, double yMax)
{
    const RangeSet r = p.axes().currentRange();
    EXPECT_NEAR(r.x.min / xMin, 1.0, 1e-12);
    EXPECT_NEAR(r.x.max / xMax, 1.0, 1e-12);
    EXPECT_NEAR(r.y.min / yMin, 1.0, 1e-12);
    EXPECT_NEAR(r.y.max / yMax, 1.0, 1e-12);
}

TEST(LogAxes, SwitchingGivesTheDecadesOfThePositiveValues)
{
    Plot p("p");
    fillReciprocal(p);
    autoRangeXY(p);
    const RangeSet linear = p.axes().currentRange();

    ASSERT_TRUE(setAxisLog(p, true, true));
    ASSERT_TRUE(setAxisLog(p, false, true));
    expectBounds(p, 1e-3, 1e3, 1e-3, 1e3);
    EXPECT_EQ(p.axes().x().current().tick, 1.0);  // a decade
    EXPECT_EQ(p.axes().x().last().min, p.axes().x().current().min)
        << "a remembered range with bounds a logarithmic axis cannot show is not kept";
    autoRangeXY(p);
    expectBounds(p, 1e-3, 1e3, 1e-3, 1e3);

    // The zero, the negative value and NaN are left out, and a line breaks there.
    p.setClientSize(640, 520);
    layoutTransform(p);
    EXPECT_TRUE(std::isnan(worldToDevice(p, 0.0, 1.0).x));
    EXPECT_TRUE(std::isnan(worldToDevice(p, 1.0, -2.0).y));
    const double X1 = worldToDevice(p, 1.0, 1.0).x;
    const double decade = worldToDevice(p, 10.0, 1.0).x - X1;
    EXPECT_NEAR(worldToDevice(p, 100.0, 1.0).x - worldToDevice(p, 10.0, 1.0).x, decade, 1.0);
    EXPECT_NEAR(decade, p.view().x.scale, 1.0);
    EXPECT_NEAR(deviceToWorld(p, X1, 0).x, 1.0, 0.02);

    // Back to linear: the automatic linear range again, everything as before.
    ASSERT_TRUE(setAxisLog(p, true, false));
    ASSERT_TRUE(setAxisLog(p, false, false));
    EXPECT_EQ(p.axes().x().current().min, linear.x.min);
    EXPECT_EQ(p.axes().y().current().max, linear.y.max);
}

TEST(LogAxes, AnAxisWithoutPositiveValuesStaysLinear)
{
    Plot p("p");
    const int16_t g = p.addGraph();
    p.append(-1.0, 0.0, g);
    p.append(0.0, -3.0, g);
    autoRangeXY(p);
    const RangeSet before = p.axes().currentRange();
    EXPECT_FALSE(setAxisLog(p, true, true));
    EXPECT_FALSE(setAxisLog(p, false, true));
    EXPECT_FALSE(p.axes().x().log());
    EXPECT_FALSE(p.axes().y().log());
    EXPECT_EQ(p.axes().currentRange(), before);
}

TEST(LogAxes, AutomaticRangesOfFewAndManyDecades)
{
    const auto rangeOf = [](double lo, double hi) {
        Plot p("p");
        const int16_t g = p.addGraph();
        p.append(1.0, lo, g);
        p.append(2.0, hi, g);
        EXPECT_TRUE(setAxisLog(p, false, true));
        return p.axes().currentRange();
    };
    // One decade and more: whole decades.
    RangeSet r = rangeOf(1.0, 10.0);
    EXPECT_NEAR(r.y.min, 1.0, 1e-15);
    EXPECT_NEAR(r.y.max, 10.0, 1e-14);
    r = rangeOf(1e-300, 1e300);
    EXPECT_NEAR(std::log10(r.y.min), -300.0, 1e-9);
    EXPECT_NEAR(std::log10(r.y.max), 300.0, 1e-9);
    r = rangeOf(3e-300, 2e307);  // whole decades, as far as doubles reach
    EXPECT_NEAR(std::log10(r.y.min), -300.0, 1e-9);
    EXPECT_NEAR(std::log10(r.y.max), 308.0, 1e-9);
    // Less than a decade: the extent with half the excess on each side, in decades.
    r = rangeOf(2.0, 5.0);
    const double w = std::log10(5.0) - std::log10(2.0);
    EXPECT_NEAR(std::log10(r.y.min), std::log10(2.0) - w * 0.025, 1e-12);
    EXPECT_NEAR(std::log10(r.y.max), std::log10(5.0) + w * 0.025, 1e-12);
    EXPECT_LT(r.y.tick, 1.0);
}

TEST(LogAxes, ZoomsMovesAndBandsWorkInDecades)
{
    Plot p("p");
    fillReciprocal(p);
    ASSERT_TRUE(setAxisLog(p, true, true));
    ASSERT_TRUE(setAxisLog(p, false, true));
    AxesSystem& axes = p.axes();
    axes.setRange(1.0, 1000.0, 1.0, 1000.0, true);
    axes.autoTicks(false);
    axes.shiftByTicks(1, -1);  // a tick is a decade
    expectBounds(p, 10.0, 1e4, 0.1, 100.0);
    axes.shiftByRanges(-1, 0);
    expectBounds(p, 0.01, 10.0, 0.1, 100.0);
    axes.zoomAboutCentre(2.0);  // about the middle in decades
    expectBounds(p, std::pow(10.0, -3.5), std::pow(10.0, 2.5), std::pow(10.0, -2.5), std::pow(10.0, 3.5));
    axes.zoomAbout(0.5, 1.0, 10.0);
    expectBounds(p, std::pow(10.0, -1.5), std::pow(10.0, 1.5), std::pow(10.0, -0.5), std::pow(10.0, 2.5));

    // A band dragged over the picture zooms to the values under its corners.
    p.setClientSize(640, 520);
    axes.setRange(1.0, 1e4, 1.0, 1e4, false);
    layoutTransform(p);
    const DoublePoint a = worldToDevice(p, 10.0, 1000.0);
    const DoublePoint b = worldToDevice(p, 100.0, 10.0);
    ASSERT_TRUE(zoomToDeviceBand(p, p.view(), DevicePoint{static_cast<int16_t>(a.x), static_cast<int16_t>(a.y)},
                                 DevicePoint{static_cast<int16_t>(b.x), static_cast<int16_t>(b.y)}));
    const RangeSet r = axes.currentRange();
    EXPECT_NEAR(std::log10(r.x.min), 1.0, 0.01);
    EXPECT_NEAR(std::log10(r.x.max), 2.0, 0.01);
    EXPECT_NEAR(std::log10(r.y.min), 1.0, 0.01);
    EXPECT_NEAR(std::log10(r.y.max), 3.0, 0.01);
    axes.restoreLast();
    expectBounds(p, 1.0, 1e4, 1.0, 1e4);
}

TEST(LogAxes, MeasuringShowsTheRatioAndTheReadoutOnePixelsDigits)
{
    Plot p("p");
    fillReciprocal(p);
    ASSERT_TRUE(setAxisLog(p, false, true));
    p.axes().setRange(0.0, 10.0, 1.0, 1e6, false);
    p.setClientSize(640, 520);
    layoutTransform(p);
    const DoublePoint a = worldToDevice(p, 2.0, 10.0);
    const DoublePoint b = worldToDevice(p, 4.0, 1e4);
    const auto texts = distanceTexts(p, p.view(), DevicePoint{static_cast<int16_t>(a.x), static_cast<int16_t>(a.y)},
                                     DevicePoint{static_cast<int16_t>(b.x), static_cast<int16_t>(b.y)});
    ASSERT_EQ(texts.size(), 4u);
    EXPECT_EQ(texts[3].substr(0, 9), " y2/y1:  ");
    EXPECT_NEAR(std::stod(texts[3].substr(9)), 1000.0, 1000.0 * 0.05);
    // Six decades on about 400 pixels: a pixel is about 3.5 %, three digits.
    const auto position = cursorPositionTexts(p.view(), static_cast<int16_t>(a.x), static_cast<int16_t>(a.y));
    EXPECT_EQ(position[1], " Y:  " + formatGeneral(deviceToWorld(p, a.x, a.y).y, 3));
}

}  // namespace
}  // namespace kvx
