#include "render/markers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/keywords.h"
#include "support/recording_surface.h"

namespace kvx {
namespace {

using Calls = std::vector<std::string>;

Calls draw(int16_t type, int s, int x = 100, int y = 50)
{
    test::RecordingSurface surface;
    drawMarkerShape(surface, type, x, y, s, Brush{false, rgb(1, 2, 3)});
    return surface.calls;
}

TEST(Markers, ClosedShapesAreStrokedPaths)
{
    EXPECT_EQ(draw(TRIANGLE, 7), (Calls{"beginPath", "moveTo 95 53", "lineTo 105 53", "lineTo 100 44",
                                        "closeFigure", "endPath", "strokePath"}));
    EXPECT_EQ(draw(TRIANGLE_DOWN, 7), (Calls{"beginPath", "moveTo 95 47", "lineTo 105 47", "lineTo 100 56",
                                             "closeFigure", "endPath", "strokePath"}));
    EXPECT_EQ(draw(TRIANGLE_RIGHT, 7), (Calls{"beginPath", "moveTo 97 45", "lineTo 97 55", "lineTo 106 50",
                                              "closeFigure", "endPath", "strokePath"}));
    EXPECT_EQ(draw(TRIANGLE_LEFT, 7), (Calls{"beginPath", "moveTo 103 45", "lineTo 103 55", "lineTo 94 50",
                                             "closeFigure", "endPath", "strokePath"}));
    EXPECT_EQ(draw(SQUARE, 7), (Calls{"beginPath", "moveTo 97 47", "lineTo 97 53", "lineTo 103 53",
                                      "lineTo 103 47", "closeFigure", "endPath", "strokePath"}));
    EXPECT_EQ(draw(DIAMOND, 7), (Calls{"beginPath", "moveTo 95 50", "lineTo 100 45", "lineTo 105 50",
                                       "lineTo 100 55", "closeFigure", "endPath", "strokePath"}));
}

TEST(Markers, LinesOfPlusCrossAndStar)
{
    // s = 7: M = 11, arms of 5; the diagonals reach 0.707 * 5 = 3.
    EXPECT_EQ(draw(PLUS, 7), (Calls{"beginPath", "moveTo 95 50", "lineTo 105 50", "moveTo 100 55",
                                    "lineTo 100 45", "endPath", "strokePath"}));
    EXPECT_EQ(draw(CROSS, 7), (Calls{"beginPath", "moveTo 97 47", "lineTo 103 53", "moveTo 97 53",
                                     "lineTo 103 47", "endPath", "strokePath"}));
    const Calls star = draw(STAR, 7);
    ASSERT_EQ(star.size(), 11u);
    EXPECT_EQ(star[1], "moveTo 95 50");
    EXPECT_EQ(star[5], "moveTo 97 47");
}

TEST(Markers, CircleIsHollowPointIsFilled)
{
    EXPECT_EQ(draw(CIRCLE, 7), (Calls{"brush hollow", "ellipse 96 46 105 55", "brush #010203"}));
    EXPECT_EQ(draw(POINT, 7), (Calls{"ellipse 97 47 104 54"}));
    // r = 0: the box ends before it begins, an empty ellipse that no
    // surface may turn round into one pixel.
    EXPECT_TRUE(draw(POINT, 1).empty());
    EXPECT_TRUE(draw(CIRCLE, 1).empty());
}

TEST(Markers, DegenerateAndUnknownTypes)
{
    EXPECT_EQ(draw(TRIANGLE, 1), (Calls{"beginPath", "moveTo 100 50", "lineTo 100 50", "lineTo 100 50",
                                        "closeFigure", "endPath", "strokePath"}));
    for (int16_t type : {int16_t{NOMARKER}, int16_t{899}, int16_t{912}, int16_t{0}}) {
        EXPECT_TRUE(draw(type, 7).empty()) << type;
    }
}

}  // namespace
}  // namespace kvx
