#include "scaling/auto_range.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <limits>
#include <utility>

#include "settings/keywords.h"

namespace kvx {
namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

using Points = std::initializer_list<std::pair<double, double>>;

int16_t addGraph(PlotModel& p, Points points, int16_t type = LINES)
{
    const int16_t n = p.addGraph();
    p.setType(type, n);
    for (const auto& [x, y] : points) p.append(x, y, n);
    return n;
}

void expectRange(const PlotModel& p, double xMin, double xMax, double yMin, double yMax)
{
    const RangeSet r = p.axes().currentRange();
    EXPECT_DOUBLE_EQ(r.x.min, xMin);
    EXPECT_DOUBLE_EQ(r.x.max, xMax);
    EXPECT_DOUBLE_EQ(r.y.min, yMin);
    EXPECT_DOUBLE_EQ(r.y.max, yMax);
}

TEST(AutoRangeXY, WidensTheDataByHalfTheExcessOnEachSide)
{
    PlotModel p;
    addGraph(p, {{0, 2}, {10, 3}, {4, 4}});
    EXPECT_TRUE(autoRangeXY(p));
    expectRange(p, -0.25, 10.25, 1.95, 4.05);
    EXPECT_EQ(p.axes().x().last().min, -1000);  // "Last" goes back

    p.settings().autoRangeExcess = 0;
    addGraph(p, {{-5, 1}, {2, 8}});  // all graphs count
    autoRangeXY(p);
    expectRange(p, -5, 10, 1, 8);
}

TEST(AutoRangeXY, ConstantValuesGetAWindowAroundThem)
{
    PlotModel p;
    addGraph(p, {{0, 3}, {10, 3}});
    autoRangeXY(p);
    expectRange(p, -0.25, 10.25, 1.97, 4.03);

    PlotModel q;
    addGraph(q, {{-200, 7}});  // one point: both axes constant
    autoRangeXY(q);
    // Below -100 the two ends cross over; setRange puts them in order.
    expectRange(q, -201, -199, 5.93, 8.07);
}

TEST(AutoRangeXY, ConstantMinusHundredIsAnEmptyRangeAndChangesNothing)
{
    PlotModel p;
    p.axes().setRange(-1, 1, -2, 2, false);
    addGraph(p, {{0, -100}, {10, -100}});
    EXPECT_FALSE(autoRangeXY(p));
    expectRange(p, -1, 1, -2, 2);
    EXPECT_EQ(p.axes().x().last().min, -1000);
    EXPECT_TRUE(std::isfinite(p.axes().rangeRatio()));
}

// The range that auto ranging gives can be laid out and ticked: a finite
// width that setRange accepts, with finite ticks.
void expectUsableRange(const PlotModel& p)
{
    const RangeSet r = p.axes().currentRange();
    EXPECT_TRUE(Axis::acceptsBounds(r.x.min, r.x.max)) << r.x.min << " " << r.x.max;
    EXPECT_TRUE(Axis::acceptsBounds(r.y.min, r.y.max)) << r.y.min << " " << r.y.max;
}

TEST(AutoRangeXY, ValuesTooCloseForARangeGetAWindowAroundThem)
{
    PlotModel p;
    addGraph(p, {{0, 0}, {1, 1e-307}});  // a denormal spread
    EXPECT_TRUE(autoRangeXY(p));
    expectUsableRange(p);
    EXPECT_DOUBLE_EQ(p.axes().y().current().min, -1.0);
    EXPECT_DOUBLE_EQ(p.axes().y().current().max, 1.0);

    PlotModel q;
    addGraph(q, {{0, 5}, {1, 5 + 1e-14}});  // below the relative resolution
    EXPECT_TRUE(autoRangeXY(q));
    expectUsableRange(q);
    EXPECT_LT(q.axes().y().current().min, 5);
    EXPECT_GT(q.axes().y().current().max, 5 + 1e-14);
}

TEST(AutoRangeXY, ValuesNearTheLargestDoubleGiveAFiniteRange)
{
    PlotModel p;
    addGraph(p, {{-1e308, 1e308}, {1e308, 1.78e308}});  // x spans more than a double
    EXPECT_TRUE(autoRangeXY(p));
    expectUsableRange(p);
    const RangeSet r = p.axes().currentRange();
    EXPECT_LT(r.x.min, 0);  // centred on the data
    EXPECT_GT(r.x.max, 0);
    EXPECT_DOUBLE_EQ(r.x.min, -r.x.max);
    EXPECT_DOUBLE_EQ(r.y.max, std::numeric_limits<double>::max());  // the excess would overflow

    PlotModel q;
    addGraph(q, {{0, 1.7e308}, {1, 1.7e308}});  // a constant value times 1.01
    EXPECT_TRUE(autoRangeXY(q));
    expectUsableRange(q);
}

TEST(AutoRangeXY, BarsReachDownToZero)
{
    PlotModel p;
    addGraph(p, {{0, 2}, {1, 5}}, BARS);
    autoRangeXY(p);
    EXPECT_DOUBLE_EQ(p.axes().y().current().min, -5 * 0.025);
    EXPECT_DOUBLE_EQ(p.axes().y().current().max, 5.125);
}

TEST(AutoRangeXY, WithoutPointsNothingChanges)
{
    PlotModel p;
    EXPECT_FALSE(autoRangeXY(p));
    addGraph(p, {});
    addGraph(p, {}, BARS);
    EXPECT_FALSE(autoRangeXY(p));
    expectRange(p, -1000, 1000, -1000, 1000);
}

TEST(AutoRangeXY, ValuesThatAreNotFiniteAreIgnored)
{
    PlotModel p;
    p.settings().autoRangeExcess = 0;
    addGraph(p, {{nan, 3.5}, {1, 2}, {inf, -inf}, {3, nan}, {2, 4}});
    EXPECT_TRUE(autoRangeXY(p));
    expectRange(p, 1, 3, 2, 4);

    // An axis without any finite value keeps its range.
    PlotModel q;
    q.settings().autoRangeExcess = 0;
    addGraph(q, {{0, nan}, {5, inf}});
    EXPECT_TRUE(autoRangeXY(q));
    expectRange(q, 0, 5, -1000, 1000);
}

TEST(AutoRangeX, TakesThePointsInsideTheYBand)
{
    PlotModel p;
    p.axes().setRange(-100, 100, 4, 6, false);
    addGraph(p, {{1, 4}, {3, 6}, {100, 100}, {-50, 3.99}});  // band ends count
    EXPECT_TRUE(autoRangeX(p));
    expectRange(p, 0.95, 3.05, 4, 6);
    EXPECT_EQ(p.axes().x().last().min, -100);
}

TEST(AutoRangeX, FewerThanTwoPointsUseTheCrossingSegments)
{
    PlotModel p;
    p.settings().autoRangeExcess = 0;
    p.axes().setRange(-100, 100, 4, 6, false);
    addGraph(p, {{0, 0}, {10, 10}});  // no point in the band
    EXPECT_TRUE(autoRangeX(p));
    expectRange(p, 4, 6, 4, 6);

    PlotModel q;
    q.axes().setRange(-100, 100, 4, 6, false);
    addGraph(q, {{0, 0}, {5, 5}, {10, 10}});  // one point in the band
    autoRangeX(q);
    expectRange(q, 3.95, 6.05, 4, 6);  // the default excess
}

TEST(AutoRangeX, NothingInsideTheBandLeavesTheRange)
{
    PlotModel p;
    p.axes().setRange(-100, 100, 4, 6, false);
    addGraph(p, {{0, 0}, {1, 1}, {2, 2}}, BARS);
    addGraph(p, {{0, 7}, {0, 8}});
    EXPECT_FALSE(autoRangeX(p));
    expectRange(p, -100, 100, 4, 6);
    EXPECT_EQ(p.axes().x().last().min, -1000);  // nothing remembered

    PlotModel q;
    EXPECT_FALSE(autoRangeX(q));
    EXPECT_FALSE(autoRangeY(q));
}

TEST(AutoRangeX, ConstantXGetsAWindowAroundIt)
{
    PlotModel p;
    p.axes().setRange(-100, 100, 4, 6, false);
    addGraph(p, {{3, 4.5}, {3, 5.5}});
    autoRangeX(p);
    expectRange(p, 1.97, 4.03, 4, 6);
}

TEST(AutoRangeX, ValuesThatAreNotFiniteAreIgnored)
{
    PlotModel p;
    p.settings().autoRangeExcess = 0;
    p.axes().setRange(-100, 100, 4, 6, false);
    addGraph(p, {{nan, 5}, {1, 5}, {inf, 5}, {2, 5}, {7, nan}});
    EXPECT_TRUE(autoRangeX(p));
    expectRange(p, 1, 2, 4, 6);

    PlotModel q;
    q.axes().setRange(-100, 100, 4, 6, false);
    addGraph(q, {{0, 0}, {nan, nan}, {10, 10}, {inf, 5}});
    EXPECT_FALSE(autoRangeX(q));
    expectRange(q, -100, 100, 4, 6);
}

TEST(AutoRangeY, TakesThePointsInsideTheXBand)
{
    PlotModel p;
    p.axes().setRange(4, 6, -100, 100, false);
    addGraph(p, {{4.5, 1}, {5.5, 3}, {7, 50}});
    EXPECT_TRUE(autoRangeY(p));
    expectRange(p, 4, 6, 0.95, 3.05);

    PlotModel q;
    q.settings().autoRangeExcess = 0;
    q.axes().setRange(4, 6, -100, 100, false);
    addGraph(q, {{0, 2}, {10, 4}}, BARS);  // crosses the band only
    EXPECT_TRUE(autoRangeY(q));
    expectRange(q, 4, 6, 2.8, 3.2);
}

TEST(AutoRange, BandZoomModesRememberTheRangeThemselves)
{
    PlotModel p;
    addGraph(p, {{0, 0}, {1, 1}, {2, 2}});
    p.axes().setRange(-10, 10, -10, 10, false);
    p.setZoomMode(ZOOM_YARX);
    autoRangeX(p);
    EXPECT_EQ(p.axes().x().last().min, -1000);
    autoRangeY(p);
    EXPECT_EQ(p.axes().y().last().min, -10);

    p.axes().setRange(-20, 20, -20, 20, false);
    p.setZoomMode(ZOOM_XARY);
    autoRangeY(p);
    EXPECT_EQ(p.axes().y().last().min, -10);  // still from before
    autoRangeX(p);
    EXPECT_EQ(p.axes().x().last().min, -20);
}

}  // namespace
}  // namespace kvx
