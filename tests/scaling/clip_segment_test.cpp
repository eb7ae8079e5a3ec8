#include "scaling/clip_segment.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

namespace kvx {
namespace {

// The rectangle [0, 10] x [0, 10].
std::optional<Segment> clip(Segment s)
{
    return clipSegment(s, 0, 10, 0, 10);
}

void expectSegment(const std::optional<Segment>& got, Segment want)
{
    ASSERT_TRUE(got.has_value());
    EXPECT_DOUBLE_EQ(got->x0, want.x0);
    EXPECT_DOUBLE_EQ(got->y0, want.y0);
    EXPECT_DOUBLE_EQ(got->x1, want.x1);
    EXPECT_DOUBLE_EQ(got->y1, want.y1);
}

TEST(ClipSegment, InsideStaysWhole)
{
    expectSegment(clip({1, 2, 3, 9}), {1, 2, 3, 9});
    expectSegment(clip({0, 0, 10, 10}), {0, 0, 10, 10});  // the diagonal, edges included
    expectSegment(clip({4, 4, 4, 4}), {4, 4, 4, 4});      // a single point
}

TEST(ClipSegment, OutsideGivesNothing)
{
    EXPECT_FALSE(clip({-5, 1, -1, 9}));   // left
    EXPECT_FALSE(clip({11, 1, 20, 9}));   // right
    EXPECT_FALSE(clip({1, 11, 9, 20}));   // above
    EXPECT_FALSE(clip({1, -1, 9, -20}));  // below
    EXPECT_FALSE(clip({-5, 8, 3, 16}));   // past the corner
    EXPECT_FALSE(clip({20, 20, 20, 20}));
    // A slanted segment that reaches the rectangle only with an end point.
    EXPECT_FALSE(clip({-5, 5, 0, 5}));
    EXPECT_FALSE(clip({10, 5, 15, 7}));
}

TEST(ClipSegment, CrossingIsCutAtTheEdges)
{
    expectSegment(clip({-10, -10, 20, 20}), {0, 0, 10, 10});
    expectSegment(clip({-5, 0, 5, 10}), {0, 5, 5, 10});
    expectSegment(clip({2, -10, 4, 10}), {3, 0, 4, 10});
    // The end points come back ordered.
    expectSegment(clip({15, 5, -5, 5}), {0, 5, 10, 5});
    expectSegment(clip({5, 15, 5, -5}), {5, 0, 5, 10});
}

TEST(ClipSegment, VerticalAndHorizontal)
{
    expectSegment(clip({5, -5, 5, 15}), {5, 0, 5, 10});
    expectSegment(clip({10, 2, 10, 3}), {10, 2, 10, 3});  // on the edge: inside
    EXPECT_FALSE(clip({11, 0, 11, 5}));
    EXPECT_FALSE(clip({-1, 0, -1, 5}));
    EXPECT_FALSE(clip({5, 11, 5, 20}));

    expectSegment(clip({-5, 5, 15, 5}), {0, 5, 10, 5});
    expectSegment(clip({2, 0, 8, 0}), {2, 0, 8, 0});
    EXPECT_FALSE(clip({2, 11, 8, 11}));
    EXPECT_FALSE(clip({2, -0.5, 8, -0.5}));
}

TEST(ClipSegment, NotANumberGivesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_FALSE(clip({nan, 5, 5, 5}));
    EXPECT_FALSE(clip({5, 5, nan, 5}));
    EXPECT_FALSE(clip({2, nan, 8, 5}));
    EXPECT_FALSE(clip({5, 5, 5, nan}));
    EXPECT_FALSE(clip({-inf, 5, 5, 5}));
}

TEST(ClipToPlotRect, KeepsTheDirectionOfTheSegment)
{
    const DeviceRect rect{/*left*/ 0, /*top*/ 0, /*right*/ 10, /*bottom*/ 10};
    expectSegment(clipToPlotRect(rect, {15, 5, -5, 5}), {10, 5, 0, 5});
    expectSegment(clipToPlotRect(rect, {5, 15, 5, -5}), {5, 10, 5, 0});
    expectSegment(clipToPlotRect(rect, {15, 15, -5, -5}), {10, 10, 0, 0});
    // Exchanged once for x and once for y: back in the given direction.
    expectSegment(clipToPlotRect(rect, {15, -5, -5, 15}), {10, 0, 0, 10});
    expectSegment(clipToPlotRect(rect, {-5, 15, 15, -5}), {0, 10, 10, 0});
    expectSegment(clipToPlotRect(rect, {-5, 5, 15, 5}), {0, 5, 10, 5});
    EXPECT_FALSE(clipToPlotRect(rect, {-5, -5, -1, 20}));
}

TEST(ClipToPlotRect, UsesThePlotRectangle)
{
    const DeviceRect rect{/*left*/ 85, /*top*/ 40, /*right*/ 605, /*bottom*/ 445};
    expectSegment(clipToPlotRect(rect, {300, 500, 300, 0}), {300, 445, 300, 40});
    expectSegment(clipToPlotRect(rect, {0, 100, 1000, 100}), {85, 100, 605, 100});
    EXPECT_FALSE(clipToPlotRect(rect, {0, 100, 84, 100}));
    EXPECT_FALSE(clipToPlotRect(rect, {300, 446, 400, 500}));
}

TEST(ClipToPlotRect, FarEndPointsKeepTheirDirection)
{
    const DeviceRect rect{/*left*/ 0, /*top*/ 0, /*right*/ 100, /*bottom*/ 100};
    const double inf = std::numeric_limits<double>::infinity();
    // Straight up from (50, 50), however far: the top edge at x = 50.
    for (const double far : {-4e17, -1e20, -1e300, -inf}) {
        expectSegment(clipToPlotRect(rect, {50, 50, 50, far}), {50, 50, 50, 0});
        expectSegment(clipToPlotRect(rect, {50, far, 50, 50}), {50, 0, 50, 50});
    }
    // Across the whole rectangle from far left to far right, with a slope:
    // both ends are known only to their last digit, some hundred pixels.
    const auto across = clipToPlotRect(rect, {-1e18, 50 - 1e16, 1e18, 50 + 1e16});
    ASSERT_TRUE(across);
    EXPECT_EQ(across->x0, 0);
    EXPECT_NEAR(across->y0, 50, 1);
    EXPECT_EQ(across->x1, 100);
    EXPECT_NEAR(across->y1, 51, 1);
    expectSegment(clipToPlotRect(rect, {-1e308, 20, 1e308, 20}), {0, 20, 100, 20});
    // Both ends far beyond the same side: nothing.
    EXPECT_FALSE(clipToPlotRect(rect, {-1e300, 20, -1e20, 80}));
    EXPECT_FALSE(clipToPlotRect(rect, {-1e300, -1e299, 50, -1e300}));
}

}  // namespace
}  // namespace kvx
