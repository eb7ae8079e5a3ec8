#include "scaling/cursor_readout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scaling/layout_transform.h"
#include "settings/keywords.h"
#include "support/recording_surface.h"
#include "window/plot.h"

namespace kvx {
namespace {

using Texts = std::vector<std::string>;

// A plot without coordinate system on a 500 x 500 pixel rectangle.
class CursorReadoutTest : public testing::Test {
protected:
    CursorReadoutTest()
    {
        plot.setShowCoorSystem(HIDE);
        plot.setClientSize(501, 520);
        show(0, 1, 0, 1);
    }

    void show(double xMin, double xMax, double yMin, double yMax)
    {
        ASSERT_TRUE(plot.axes().setRange(xMin, xMax, yMin, yMax, false));
        layoutTransform(plot);
    }

    Plot plot{"readout"};
};

TEST(StatusPartsLayout, TwoWidePartsThenFourNarrowOnes)
{
    // Ten pixels per byte: the sample texts count their two zero characters.
    const TextWidth tenPerByte = [](std::string_view text) { return static_cast<int>(text.size()) * 10; };
    StatusPartsLayout layout = layoutStatusParts(tenPerByte, false, AXES_SCALED);
    EXPECT_EQ(layout.numParts, 2);
    EXPECT_EQ(layout.rightEdges, (std::array<int, 7>{220, 440, 590, 740, 890, 1040, 1190}));

    layout = layoutStatusParts(tenPerByte, true, AXES_SCALED, 3);
    EXPECT_EQ(layout.numParts, 5);
    EXPECT_EQ(layout.rightEdges, (std::array<int, 7>{223, 443, 593, 743, 893, 1043, 1193}));

    EXPECT_EQ(layoutStatusParts(tenPerByte, true, AXES_EQUAL).numParts, 6);
    EXPECT_EQ(layoutStatusParts(tenPerByte, false, AXES_EQUAL).numParts, 2);
    // A logarithmic y axis adds the ratio of the y values.
    EXPECT_EQ(layoutStatusParts(tenPerByte, true, AXES_SCALED, 0, AxisKind::Logarithmic).numParts, 6);
    EXPECT_EQ(layoutStatusParts(tenPerByte, true, AXES_EQUAL, 0, AxisKind::Logarithmic).numParts, 7);

    // The samples themselves: what is measured decides the widths.
    std::vector<std::string> measured;
    layoutStatusParts([&measured](std::string_view text) {
        measured.emplace_back(text);
        return 0;
    }, false, AXES_SCALED);
    EXPECT_EQ(measured, (std::vector<std::string>{std::string(" X:  000000000000000\0\0", 22),
                                                  std::string(" X:  00000000\0\0", 15)}));
}

TEST(StatusPartsLayout, MeasuresOnTheSurfaceForThePlotsModes)
{
    Plot plot("p");
    test::RecordingSurface surface;  // eight pixels per byte at 17 pixels
    plot.settings().measureMode = 1;
    plot.setAspectRatio(AXES_EQUAL);
    const StatusPartsLayout layout = layoutStatusParts(surface, plot);
    EXPECT_EQ(layout.numParts, 6);
    EXPECT_EQ(layout.rightEdges[0], 176);
    EXPECT_EQ(layout.rightEdges[5], 2 * 176 + 4 * 120);
}

TEST_F(CursorReadoutTest, ShowsTheDigitsThatOnePixelResolves)
{
    // Pixels of 0.002 near 0.83 and 0.5: a relative step of about 0.003,
    // so four significant digits.
    show(1.0 / 3, 4.0 / 3, 0, 1);
    EXPECT_EQ(cursorPositionTexts(plot.view(), 250, 250), (std::array<std::string, 2>{" X:  0.8333", " Y:  0.5"}));

    // Near a million the same pixel needs ten digits where "%g" gives six.
    show(1e6, 1e6 + 1, 0, 1);
    EXPECT_EQ(cursorPositionTexts(plot.view(), 250, 100)[0], " X:  1000000.5");
    // At world 0 the step is taken relative to the next pixel: two digits.
    EXPECT_EQ(cursorPositionTexts(plot.view(), 0, 500)[1], " Y:  0");
}

TEST_F(CursorReadoutTest, PrecisionIsAtMostSixteenAndDefaultsForHugeSteps)
{
    // A step of 2e-16 relative would ask for 17 digits, which would show
    // the 10000000000000.002 of the pixel as it is stored.
    show(1e13, 1e13 + 1, 0, 1);
    EXPECT_EQ(cursorPositionTexts(plot.view(), 1, 0)[0], " X:  10000000000000");
    EXPECT_EQ(cursorPositionTexts(plot.view(), 125, 0)[0], " X:  10000000000000.25");
    // A value far smaller than one pixel: printf's default of six digits.
    show(-1 + 1e-9, 1 + 1e-9, 0, 1);
    const std::string x = cursorPositionTexts(plot.view(), 250, 0)[0];
    EXPECT_EQ(x.substr(0, 7), " X:  1e");
    EXPECT_LE(x.size(), std::string(" X:  1.00001e-09").size());
}

TEST_F(CursorReadoutTest, PointerLeftOfTheWindowGivesSmallerWorldX)
{
    EXPECT_EQ(cursorPositionTexts(plot.view(), -50, 250)[0], " X:  -0.1");
    EXPECT_EQ(distanceTexts(plot, plot.view(), {100, 250}, {-50, 250}), (Texts{"d X:  -0.3", "d Y:  0", " m:  -0"}));
}

TEST_F(CursorReadoutTest, SlopeOfVerticalMovesIsInfiniteOrUndefined)
{
    EXPECT_EQ(distanceTexts(plot, plot.view(), {100, 250}, {100, 200}), (Texts{"d X:  0", "d Y:  0.1", " m:  Infinity"}));
    EXPECT_EQ(distanceTexts(plot, plot.view(), {100, 250}, {100, 300})[2], " m:  -Infinity");
    EXPECT_EQ(distanceTexts(plot, plot.view(), {100, 250}, {100, 250})[2], " m:  Undefined");
    EXPECT_EQ(distanceTexts(plot, plot.view(), {100, 250}, {200, 200}), (Texts{"d X:  0.2", "d Y:  0.1", " m:  0.5"}));
}

TEST_F(CursorReadoutTest, EqualAxesShowLengthAndAngle)
{
    plot.setAspectRatio(AXES_EQUAL);
    show(0, 50, 0, 50);  // ten pixels per unit
    // (10, 400) is world (1, 10); three units right and four up is (40, 360).
    EXPECT_EQ(distanceTexts(plot, plot.view(), {10, 400}, {40, 360}),
              (Texts{"d X:  3", "d Y:  4", " r:  5", " phi:  53.1301"}));
    EXPECT_EQ(distanceTexts(plot, plot.view(), {40, 360}, {10, 400})[3], " phi:  -126.87");
    EXPECT_EQ(distanceTexts(plot, plot.view(), {40, 360}, {20, 360})[3], " phi:  180");
    EXPECT_EQ(distanceTexts(plot, plot.view(), {40, 360}, {40, 360}), (Texts{"d X:  0", "d Y:  0", " r:  0", " phi:  Undefined"}));
}

}  // namespace
}  // namespace kvx
