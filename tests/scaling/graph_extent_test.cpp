#include "scaling/graph_extent.h"

#include <gtest/gtest.h>

#include <limits>

#include "settings/keywords.h"

namespace kvx {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

TEST(GraphExtent, EmptyGraphKeepsTheStartValues)
{
    const Graph g(1);
    const Extent e = graphExtent(g);
    EXPECT_EQ(e.xMin, 1e100);
    EXPECT_EQ(e.xMax, -1e100);
    EXPECT_EQ(e.yMin, 1e100);
    EXPECT_EQ(e.yMax, -1e100);
    EXPECT_FALSE(e.hasX());
    EXPECT_FALSE(e.hasY());
}

TEST(GraphExtent, MinimaAndMaximaOfBothAxes)
{
    Graph g(1);
    g.append(3, -2);
    g.append(-1, 7);
    g.append(2, 0.5);
    const Extent e = graphExtent(g);
    EXPECT_EQ(e.xMin, -1);
    EXPECT_EQ(e.xMax, 3);
    EXPECT_EQ(e.yMin, -2);
    EXPECT_EQ(e.yMax, 7);
}

TEST(GraphExtent, ValuesBeyondTheStartValuesAreExact)
{
    Graph g(1);
    g.append(2e100, -5e100);
    g.append(3e100, -4e100);
    const Extent e = graphExtent(g);
    EXPECT_EQ(e.xMin, 2e100);
    EXPECT_EQ(e.xMax, 3e100);
    EXPECT_EQ(e.yMin, -5e100);
    EXPECT_EQ(e.yMax, -4e100);
}

TEST(GraphExtent, ValuesThatAreNotFiniteAreLeftOut)
{
    Graph g(1);
    g.append(nan, 4);
    g.append(1, nan);
    g.append(inf, -inf);
    g.append(5, 2);
    const Extent e = graphExtent(g);
    EXPECT_EQ(e.xMin, 1);
    EXPECT_EQ(e.xMax, 5);
    EXPECT_EQ(e.yMin, 2);
    EXPECT_EQ(e.yMax, 4);

    Graph allNan(2);
    allNan.append(nan, 1);
    EXPECT_FALSE(graphExtent(allNan).hasX());
    EXPECT_TRUE(graphExtent(allNan).hasY());
}

TEST(GraphExtent, BarsAndStemsIncludeZero)
{
    Graph g(1);
    g.append(0, 2);
    g.append(1, 5);
    EXPECT_EQ(graphExtentForRange(g).yMin, 2);  // lines stay as they are

    g.setType(BARS);
    Extent e = graphExtentForRange(g);
    EXPECT_EQ(e.yMin, 0);
    EXPECT_EQ(e.yMax, 5);

    Graph below(2);
    below.setType(STEMS);
    below.append(0, -3);
    below.append(1, -1);
    e = graphExtentForRange(below);
    EXPECT_EQ(e.yMin, -3);
    EXPECT_EQ(e.yMax, 0);

    Graph across(3);
    across.setType(BARS);
    across.append(0, -3);
    across.append(1, 4);
    e = graphExtentForRange(across);
    EXPECT_EQ(e.yMin, -3);
    EXPECT_EQ(e.yMax, 4);

    // A bar graph without y values has no y extent to widen.
    Graph empty(4);
    empty.setType(BARS);
    EXPECT_FALSE(graphExtentForRange(empty).hasY());
}

TEST(GraphExtent, MergeSkipsAxesWithoutValues)
{
    Extent all;
    Extent a;
    a.xMin = -3e100;  // beyond the start values on purpose
    a.xMax = -2e100;
    all.merge(a);
    EXPECT_EQ(all.xMin, -3e100);
    EXPECT_EQ(all.xMax, -2e100);
    EXPECT_FALSE(all.hasY());

    Extent b;
    b.xMin = 1;
    b.xMax = 2;
    b.yMin = 0;
    b.yMax = 1;
    all.merge(b);
    EXPECT_EQ(all.xMin, -3e100);
    EXPECT_EQ(all.xMax, 2);
    EXPECT_EQ(all.yMin, 0);
    EXPECT_EQ(all.yMax, 1);
}

}  // namespace
}  // namespace kvx
