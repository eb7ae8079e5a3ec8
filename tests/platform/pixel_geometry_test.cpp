#include "platform/pixel_geometry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvx {
namespace {

TEST(DashCursor, AdvancingByManyPixelsIsAdvancingOneByOne)
{
    for (PenStyle style : {PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot}) {
        for (int jump : {0, 1, 5, 17, 18, 24, 25, 1000}) {
            DashCursor stepped(dashPattern(style));
            DashCursor jumped(dashPattern(style));
            for (int k = 0; k < jump; ++k) {
                stepped.advanceOne();
            }
            jumped.advance(jump);
            for (int k = 0; k < 48; ++k) {
                ASSERT_EQ(stepped.on(), jumped.on()) << jump << " + " << k;
                stepped.advanceOne();
                jumped.advanceOne();
            }
        }
    }
    DashCursor solid;
    solid.advance(7);
    EXPECT_TRUE(solid.on());
}

// The pixels of a line as a picture, one character per pixel.
std::vector<std::string> picture(int x0, int y0, int x1, int y1, PixelBox limit, PenStyle style)
{
    std::vector<std::string> rows(12, std::string(40, '.'));
    DashCursor dash(dashPattern(style));
    rasterizeLine(x0, y0, x1, y1, limit, dash, [&](int x, int y, int w, int h) {
        for (int yy = y; yy < y + h; ++yy) {
            for (int xx = x; xx < x + w; ++xx) {
                if (yy >= 0 && yy < 12 && xx >= 0 && xx < 40) {
                    rows[yy][xx] = '#';
                }
            }
        }
    });
    return rows;
}

TEST(RasterizeLine, TheLimitSkipsStepsWithoutChangingThePixelsOrTheDashes)
{
    const PixelBox all{-100000, -100000, 100000, 100000};
    const PixelBox window{0, 0, 40, 12};
    for (PenStyle style : {PenStyle::Solid, PenStyle::Dash, PenStyle::DashDot}) {
        EXPECT_EQ(picture(-50, -3, 90, 15, all, style), picture(-50, -3, 90, 15, window, style));
        EXPECT_EQ(picture(90, 15, -50, -3, all, style), picture(90, 15, -50, -3, window, style));
        EXPECT_EQ(picture(7, -30, 9, 40, all, style), picture(7, -30, 9, 40, window, style));
    }
    // A line entirely outside draws nothing.
    EXPECT_EQ(picture(50, 3, 90, 5, window, PenStyle::Solid), std::vector<std::string>(12, std::string(40, '.')));
}

TEST(EllipseRows, ErosionTakesAwayTheOutline)
{
    // A 5 x 5 disc: the outline of width 1 leaves the inner 3 x 3.
    const std::vector<RowSpan> rows = ellipseRows(5, 5);
    const std::vector<RowSpan> inside = erodeRows(rows, 1);
    ASSERT_EQ(inside.size(), 5u);
    EXPECT_TRUE(inside[0].empty());
    EXPECT_EQ(inside[1], (RowSpan{1, 4}));
    EXPECT_EQ(inside[2], (RowSpan{1, 4}));
    EXPECT_TRUE(inside[4].empty());
    EXPECT_TRUE(erodeRows(rows, 3)[2].empty());
    EXPECT_EQ(erodeRows(rows, 0), rows);
}

}  // namespace
}  // namespace kvx
