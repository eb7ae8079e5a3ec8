#include "model/graph.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "model/app_context.h"
#include "support/sanitizers.h"

namespace kvx {
namespace {

class GraphTest : public testing::Test {
protected:
    AppContext context_;
};

TEST_F(GraphTest, NewGraphTakesItsNumberAndTheDefaults)
{
    graphDefaults().type = 803;
    graphDefaults().pointsDrawRate = 4;
    const Graph g7(7);
    EXPECT_EQ(g7.colorNum(), 7);
    EXPECT_EQ(g7.markerType(), 901);  // 7 mod 6 = 1: TRIANGLE
    EXPECT_EQ(g7.type(), 803);
    EXPECT_EQ(g7.lineType(), 7000);
    EXPECT_EQ(g7.pointsDrawRate(), 4);
    EXPECT_EQ(g7.dotCount(), 4);
    EXPECT_EQ(g7.markerCount(), 1);
    EXPECT_EQ(g7.lable(), "");
    EXPECT_EQ(g7.numPoints(), 0);
    EXPECT_EQ(g7.capacity(), 50);
    EXPECT_EQ(g7.lastAtt(), ATT_NEW_LINE);
    EXPECT_EQ(Graph(6).markerType(), 900);
    EXPECT_EQ(Graph(11).markerType(), 905);
}

TEST_F(GraphTest, CapacityDoublesWhenThe50thPointArrives)
{
    Graph g(1);
    for (int i = 0; i < 49; ++i) {
        g.append(i, -i);
    }
    EXPECT_EQ(g.capacity(), 50);
    g.append(49, -49);
    EXPECT_EQ(g.capacity(), 100);
    for (int i = 50; i < 199; ++i) {
        g.appendIsolated(i, -i);
    }
    EXPECT_EQ(g.capacity(), 200);
    EXPECT_LT(g.numPoints(), g.capacity());
    // Values survive every growth.
    for (int i = 0; i < g.numPoints(); ++i) {
        double x = 0, y = 0;
        uint8_t att = 9;
        ASSERT_TRUE(g.getPoint(i, x, y, att));
        ASSERT_EQ(x, i);
        ASSERT_EQ(y, -i);
        ASSERT_EQ(att, i == 0 ? ATT_NEW_LINE : i < 50 ? ATT_CONNECTED : ATT_ISOLATED) << i;
    }
    for (int i = g.numPoints(); i < g.capacity(); ++i) {
        ASSERT_EQ(g.attData()[i], 0) << i;
    }
}

TEST_F(GraphTest, AttributesFollowStartNewLine)
{
    Graph g(1);
    g.append(0, 0);
    EXPECT_EQ(g.lastAtt(), ATT_NEW_LINE);
    g.append(1, 1);
    EXPECT_EQ(g.lastAtt(), ATT_CONNECTED);
    g.startNewLine();
    EXPECT_EQ(g.lastAtt(), ATT_NEW_LINE);
    g.append(2, 2);
    g.append(3, 3);
    g.appendIsolated(4, 4);
    g.append(5, 5);
    const uint8_t expected[] = {1, 0, 1, 0, 2, 0};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(g.attData()[i], expected[i]) << i;
    }
    // startNewLine at the end of a full array must not write past it.
    Graph full(1);
    for (int i = 0; i < 49; ++i) {
        full.append(i, i);
    }
    full.startNewLine();
    full.append(49, 49);
    EXPECT_EQ(full.attData()[49], ATT_NEW_LINE);
}

TEST_F(GraphTest, GetPointOutsideLeavesTheOutputs)
{
    Graph g(1);
    g.append(1.5, 2.5);
    double x = 7, y = 8;
    uint8_t att = 9;
    EXPECT_FALSE(g.getPoint(-1, x, y, att));
    EXPECT_FALSE(g.getPoint(1, x, y, att));
    EXPECT_EQ(x, 7);
    EXPECT_EQ(y, 8);
    EXPECT_EQ(att, 9);
}

TEST_F(GraphTest, OnlyConnected)
{
    Graph g(1);
    EXPECT_TRUE(g.onlyConnected());
    g.append(0, 0);
    EXPECT_TRUE(g.onlyConnected());
    g.append(1, 0);
    EXPECT_TRUE(g.onlyConnected());
    g.startNewLine();
    EXPECT_TRUE(g.onlyConnected());  // the waiting attribute is no point yet
    g.append(2, 0);
    EXPECT_FALSE(g.onlyConnected());
    Graph iso(1);
    iso.append(0, 0);
    iso.appendIsolated(1, 1);
    EXPECT_FALSE(iso.onlyConnected());
}

TEST_F(GraphTest, LablesAreCutTo79CharactersNeverInsideACharacter)
{
    Graph g(1);
    g.setLable(std::string(100, 'a'));
    EXPECT_EQ(g.lable(), std::string(79, 'a'));
    // 78 ASCII characters and a two-byte character that would end at 80.
    g.setLable(std::string(78, 'b') + "\xC3\xA4" + "tail");
    EXPECT_EQ(g.lable(), std::string(78, 'b'));
    g.setLable("Temperature \xC2\xB0" "C");
    EXPECT_EQ(g.lable(), "Temperature \xC2\xB0" "C");
}

TEST_F(GraphTest, CopiesAreIndependentOfTheirSource)
{
    Graph source(3);
    source.setLable("source");
    source.setPen(7001, 2, 5);
    source.setMarkerDrawRate(3);
    for (int i = 0; i < 120; ++i) {
        if (i == 60) source.startNewLine();
        source.append(i, i * i);
    }
    source.startNewLine();

    Graph copy(9);
    copy.copyFrom(source);
    EXPECT_EQ(copy.lable(), "source");
    EXPECT_EQ(copy.colorNum(), 5);
    EXPECT_EQ(copy.lineType(), 7001);
    EXPECT_EQ(copy.markerType(), 903);  // copied from graph 3
    EXPECT_EQ(copy.markerCount(), 3);
    EXPECT_EQ(copy.numPoints(), 120);
    EXPECT_EQ(copy.capacity(), source.capacity());
    EXPECT_EQ(copy.attData()[60], ATT_NEW_LINE);
    EXPECT_EQ(copy.attData()[120], ATT_NEW_LINE);  // the waiting attribute comes along

    copy.append(-1, -1);
    copy.setLable("changed");
    copy.setPen(7000, 1, 1);
    EXPECT_EQ(source.numPoints(), 120);
    EXPECT_EQ(source.lable(), "source");
    EXPECT_EQ(source.colorNum(), 5);
    source.append(500, 500);
    EXPECT_EQ(copy.yData()[120], -1);
}

TEST_F(GraphTest, CopyOfAShortGraphIntoALongOneLeavesNoStaleAttributes)
{
    Graph longer(1);
    for (int i = 0; i < 300; ++i) {
        longer.startNewLine();
        longer.append(i, i);
    }
    Graph shorter(2);
    shorter.append(0, 0);
    shorter.append(1, 1);
    longer.copyFrom(shorter);
    EXPECT_EQ(longer.numPoints(), 2);
    for (int i = 0; i < 200; ++i) {
        longer.append(i, i);
    }
    EXPECT_TRUE(longer.onlyConnected());
}

TEST_F(GraphTest, ResetMakesGraphNumberZero)
{
    Graph g(4);
    g.setLable("x");
    for (int i = 0; i < 100; ++i) g.append(i, i);
    g.reset();
    EXPECT_EQ(g.lable(), "");
    EXPECT_EQ(g.colorNum(), 0);
    EXPECT_EQ(g.markerType(), 900);
    EXPECT_EQ(g.numPoints(), 0);
    EXPECT_EQ(g.capacity(), 50);
    g.append(1, 1);
    EXPECT_EQ(g.attData()[0], ATT_NEW_LINE);
}

TEST_F(GraphTest, SaveAndRestoreStyle)
{
    Graph g(2);
    g.setPen(7002, 3, 4);
    g.setPointsSize(5);
    g.setMarkerSize(9);
    g.saveStyle();
    g.setPen(7000, 1, 0);
    g.setPointsSize(1);
    g.setMarkerSize(1);
    g.restoreStyle();
    EXPECT_EQ(g.lineType(), 7002);
    EXPECT_EQ(g.lineWidth(), 3);
    EXPECT_EQ(g.colorNum(), 4);
    EXPECT_EQ(g.pointsSize(), 5);
    EXPECT_EQ(g.markerSize(), 9);
}

// Runs in the child of a death test: with 256 MB of address space, 100
// million points (1.7 GB) cannot be had.
void appendBeyondTheMemoryLimit()
{
    rlimit limit{};
    limit.rlim_cur = limit.rlim_max = 256u << 20;
    setrlimit(RLIMIT_AS, &limit);
    Graph g(1);
    for (int i = 0; i < 100'000'000; ++i) {
        g.append(i, i);
    }
}

// The summary's answer for points [from, to), found by looking at each.
PointSummary::Span summaryByHand(const Graph& g, int32_t from, int32_t to)
{
    PointSummary::Span s;
    s.low = std::numeric_limits<double>::infinity();
    s.high = -s.low;
    for (int32_t i = from; i < to; ++i) {
        const double y = g.yData()[i];
        s.empty = false;
        s.notNumber = s.notNumber || std::isnan(y);
        s.breaks = s.breaks || g.attData()[i] != ATT_CONNECTED;
        if (!std::isnan(y)) {
            s.low = std::min(s.low, y);
            s.high = std::max(s.high, y);
        }
    }
    return s;
}

TEST_F(GraphTest, SummaryAnswersEveryRangeAsTheirPointsDo)
{
    Graph g(1);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> kind(0, 999);
    std::normal_distribution<double> value(0.0, 1e3);
    const int32_t n = Graph::summaryThreshold * 3 + 77;
    for (int32_t i = 0; i < n; ++i) {
        const int k = kind(random);
        const double y = k == 0 ? std::nan("") : k == 1 ? -1e308 : value(random);
        if (k == 2) {
            g.startNewLine();
        }
        if (k == 3) {
            g.appendIsolated(i, y);
        } else {
            g.append(k == 4 ? i - 2 : i, y);  // a step back in x now and then
        }
        ASSERT_EQ(g.summary() != nullptr, i + 1 >= Graph::summaryThreshold) << i;
    }
    EXPECT_FALSE(g.xNonDecreasing());

    Graph copy(2);
    copy.copyFrom(g);
    std::uniform_int_distribution<int32_t> index(0, n);
    for (int r = 0; r < 2000; ++r) {
        int32_t from = index(random);
        int32_t to = r % 4 == 0 ? from + r % 300 : index(random);
        to = std::min(to, n);
        if (from > to) {
            std::swap(from, to);
        }
        for (const Graph* graph : {&g, &copy}) {
            const auto got = graph->summary()->span(graph->yData(), graph->attData(), from, to);
            const auto want = summaryByHand(*graph, from, to);
            ASSERT_EQ(got.empty, want.empty) << from << ".." << to;
            if (!want.empty) {
                ASSERT_EQ(got.breaks, want.breaks) << from << ".." << to;
                ASSERT_EQ(got.notNumber, want.notNumber) << from << ".." << to;
                ASSERT_EQ(got.low, want.low) << from << ".." << to;
                ASSERT_EQ(got.high, want.high) << from << ".." << to;
            }
        }
    }
    g.reset();
    EXPECT_EQ(g.summary(), nullptr);
    EXPECT_TRUE(g.xNonDecreasing());
    g.append(1.0, 0.0);
    g.append(std::nan(""), 0.0);
    EXPECT_FALSE(g.xNonDecreasing());
}

// A reader's guess that falls short: past it the arrays grow by an eighth
// (while their pages are warmed ahead), and every point, its attribute and
// the bounds taken in along the way come through.
TEST_F(GraphTest, LargeArraysOutgrowAShortReserveByAnEighthKeepingTheirPoints)
{
    Graph g(1);
    g.reserve(1 << 20);
    const int32_t reserved = g.capacity();
    const int32_t n = reserved + reserved / 4;
    const auto yOf = [](int32_t i) { return i % 1001 == 0 ? std::nan("") : (i % 7 - 3) * 0.25 * i; };
    double low = 0.0;
    double high = 0.0;
    for (int32_t i = 0; i < n; ++i) {
        if (i % 999 == 0) {
            g.startNewLine();
        }
        const double y = yOf(i);
        g.append(i, y);
        low = std::min(low, std::isnan(y) ? low : y);
        high = std::max(high, std::isnan(y) ? high : y);
    }
    EXPECT_GT(g.capacity(), n);
    EXPECT_LE(g.capacity(), n + n / 8 + 1);
    for (int32_t i = 0; i < n; ++i) {
        double x = 0.0;
        double y = 0.0;
        uint8_t att = 9;
        ASSERT_TRUE(g.getPoint(i, x, y, att));
        ASSERT_EQ(x, i);
        ASSERT_TRUE(y == yOf(i) || (std::isnan(y) && std::isnan(yOf(i)))) << i;
        ASSERT_EQ(att, i % 999 == 0 ? ATT_NEW_LINE : ATT_CONNECTED) << i;
    }
    EXPECT_EQ(g.xBounds().finite().hi, n - 1);
    EXPECT_EQ(g.yBounds().finite().lo, low);
    EXPECT_EQ(g.yBounds().finite().hi, high);
}

TEST(GraphDeathTest, GrowthThatCannotBeAllocatedIsErrorTwenty)
{
    if (test::addressSanitizer) {
        GTEST_SKIP() << "the sanitizer's own memory needs more address space than the limit leaves";
    }
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(appendBeyondTheMemoryLimit(), testing::ExitedWithCode(0),
                "Error: Process terminated ! Out of memory");
}

}  // namespace
}  // namespace kvx

namespace kvx {
namespace {

// The bounds a graph keeps while points arrive in bursts, asked for between
// them, against those of a copy that reads all its points at once.
TEST(GraphBounds, KeptWhileAppendingTheyEqualThoseReadAtOnceAndStartAfreshWhenPointsGo)
{
    const auto expectSame = [](const RunningBounds::Bounds& a, const RunningBounds::Bounds& b) {
        EXPECT_EQ(a.any, b.any);
        EXPECT_EQ(a.lo, b.lo);
        EXPECT_EQ(a.hi, b.hi);
    };
    Graph kept(1);
    const double inf = std::numeric_limits<double>::infinity();
    const std::vector<std::vector<double>> bursts{{std::nan("")}, {-3.0, 0.0, inf}, {2.5}, {-inf, 7.0, -8.0, 0.5}};
    for (const auto& burst : bursts) {
        for (const double v : burst) {
            kept.append(v, -v);
        }
        Graph once(2);
        once.copyFrom(kept);
        expectSame(kept.xBounds().finite(), once.xBounds().finite());
        expectSame(kept.xBounds().positive(), once.xBounds().positive());
        expectSame(kept.yBounds().finite(), once.yBounds().finite());
        expectSame(kept.yBounds().positive(), once.yBounds().positive());
    }
    EXPECT_EQ(kept.xBounds().finite().lo, -8.0);
    EXPECT_EQ(kept.xBounds().positive().lo, 0.5);
    EXPECT_EQ(kept.yBounds().finite().hi, 8.0);

    kept.clearPoints();
    kept.append(1.0, 1.0);
    EXPECT_EQ(kept.xBounds().finite().lo, 1.0);
    EXPECT_EQ(kept.yBounds().positive().hi, 1.0);
}

}  // namespace
}  // namespace kvx
