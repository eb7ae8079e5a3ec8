// The Distribution dialog: the bins it counts, the window it draws them in
// and the numbers it refuses.

#include "dialogs/distribution_box.h"

#include "dialogs/histogram.h"

#include <gtest/gtest.h>

#include "dialogs/control_ids.h"

#include <limits>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "app/run_state.h"
#include "app/session_list.h"
#include "app/window_keeper.h"
#include "window/plot.h"
#include "model/app_context.h"
#include "settings/keywords.h"
#include "support/recording_desktop.h"

namespace kvx {
namespace {

using test::RecordingDialogControls;
using Points = std::vector<std::pair<double, double>>;

Points points(const Graph& g)
{
    Points out;
    for (int32_t i = 0; i < g.numPoints(); ++i) {
        out.emplace_back(g.xData()[i], g.yData()[i]);
    }
    return out;
}

class DistributionBoxTest : public testing::Test {
protected:
    DistributionBoxTest()
    {
        plot_.setLables("time", "level", "Run");
        plot_.setColorPalette(HEAT_SCALE, 12);
        const int16_t g = plot_.addGraph();
        plot_.setLable("Curve", g);
        plot_.setColorNum(5, g);
        for (int i = 0; i <= 10; ++i) {
            plot_.append(100 + i, i, g);
        }
    }
    int16_t addGraph(const std::vector<double>& ys)
    {
        const int16_t g = plot_.addGraph();
        for (const double y : ys) {
            plot_.append(0, y, g);
        }
        return g;
    }
    // The histogram window made by the last "Plot".
    static Plot& histogramWindow()
    {
        const SessionList& list = sessionList();
        return *static_cast<Plot*>(list.windowOf(list.numberAt(list.count() - 1)));
    }
    static Points histogram() { return points(histogramWindow().graph(1)); }

    test::RecordingDesktop desktop_;
    AppContext context_{desktop_};
    Plot& plot_ = []() -> Plot& {
        setRunState(RUN_RUNNING);
        Plot& kept = static_cast<Plot&>(keepWindow(std::make_unique<Plot>("Data")));
        kept.createWindow();
        return kept;
    }();
};

TEST_F(DistributionBoxTest, CountsEqualBinsOrBinsOfAWidthIntoABarGraphInANewWindow)
{
    desktop_.dialogScripts.push_back([](RecordingDialogControls& c, DialogHandler& box) {
        EXPECT_EQ(c.control(IDC_GRAPH_LIST).selection, std::vector<int>{0});
        EXPECT_TRUE(c.control(IDC_BY_NUM_BINS).checked);
        EXPECT_EQ(c.control(IDC_NUM_BINS).text, "30");
        EXPECT_EQ(c.control(IDC_BINS_WIDTH).text, "1.0");
        EXPECT_FALSE(c.control(IDC_NUM_BINS).readOnly);
        EXPECT_TRUE(c.control(IDC_BINS_WIDTH).readOnly);

        c.type(IDC_NUM_BINS, "10");
        c.press(box, IDC_PLOT);
        EXPECT_FALSE(c.ended());
        // The value 10 is the upper edge of the last bin and not counted.
        EXPECT_EQ(histogram(), (Points{{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {6, 1}, {7, 1}, {8, 1},
                                       {9, 1}, {10, 1}}));

        c.press(box, IDC_BY_BINS_WIDTH);
        EXPECT_TRUE(c.control(IDC_NUM_BINS).readOnly);
        EXPECT_FALSE(c.control(IDC_BINS_WIDTH).readOnly);
        EXPECT_EQ(c.control(IDC_NUM_BINS).text, "10");
        c.type(IDC_BINS_WIDTH, "0.3");
        c.press(box, IDC_PLOT_AND_CLOSE);
        EXPECT_TRUE(c.ended());
    });
    showDistributionBox(plot_);
    ASSERT_EQ(sessionList().count(), 3);

    // 34 bins up to 10.2: now 10 is counted in the last one.
    const Points bins = histogram();
    ASSERT_EQ(bins.size(), 35u);
    double counted = 0;
    for (int i = 0; i < 34; ++i) {
        EXPECT_EQ(bins[i].first, i * 0.3);
        counted += bins[i].second;
    }
    EXPECT_EQ(counted, 11);
    EXPECT_EQ(bins[33].second, 1);
    EXPECT_EQ(bins[34], (std::pair<double, double>{34 * 0.3, 1}));

    const Plot& h = histogramWindow();
    EXPECT_EQ(h.windowTitle(), "Data - Curve - Distribution");
    EXPECT_EQ(h.xLable(), "level");
    EXPECT_EQ(h.yLable(), "Number of Points");
    EXPECT_EQ(h.axesTitle(), "Distribution");
    EXPECT_EQ(h.showGrid(), HIDE);
    EXPECT_EQ(h.showLegend(), SHOW_OUTRIGHT);
    EXPECT_EQ(h.colorPalette(), HEAT_SCALE);
    EXPECT_EQ(h.numColors(), 12);
    ASSERT_EQ(h.numGraphs(), 1);
    EXPECT_EQ(h.graph(1).lable(), "Curve");
    EXPECT_EQ(h.graph(1).colorNum(), 5);
    EXPECT_EQ(h.graph(1).type(), BARS);
    // The ranges were set to the bars.
    EXPECT_GE(h.axes().x().current().max, 10.2);
    EXPECT_LT(h.axes().x().current().max, 100.0);
    EXPECT_EQ(distributionGraphIndex(), 1);
}

TEST_F(DistributionBoxTest, BinNumbersAre16BitCountsAndUnusableNumbersWarnAndCreateNothing)
{
    addGraph({0, 1e300});
    const auto warnings = [this] {
        std::vector<std::string> texts;
        for (const MessageBoxRequest& box : desktop_.boxes) {
            EXPECT_EQ(box.owner, plot_.nativeWindow());
            texts.push_back(box.text);
        }
        desktop_.boxes.clear();
        return texts;
    };
    const std::string numBins = "Data out of expected range: 'Num Bins'\n";
    const std::string binsWidth = "Data invalid or out of expected range: 'Bins Width'\n";

    desktop_.dialogScripts.push_back([&](RecordingDialogControls& c, DialogHandler& box) {
        const std::vector<std::pair<std::string, std::size_t>> taken{{"2.9", 3}, {"70000", 4465}};
        for (const auto& [text, size] : taken) {
            c.type(IDC_NUM_BINS, text);
            c.press(box, IDC_PLOT);
            EXPECT_EQ(histogram().size(), size) << text;
        }
        const int windows = sessionList().count();
        for (const std::string text : {"0", "-3", "40000", "x"}) {
            c.type(IDC_NUM_BINS, text);
            c.press(box, IDC_PLOT_AND_CLOSE);
            EXPECT_EQ(warnings(), std::vector<std::string>{numBins}) << text;
        }
        EXPECT_TRUE(c.control(IDC_NUM_BINS).textSelected);
        c.press(box, IDC_BY_BINS_WIDTH);
        c.type(IDC_BINS_WIDTH, "0");
        c.press(box, IDC_PLOT);
        c.type(IDC_BINS_WIDTH, "-1");
        c.press(box, IDC_PLOT);
        // 1e300 in bins of 1e-300 needs more bins than a 16-bit count holds.
        c.choose(box, IDC_GRAPH_LIST, {1});
        c.type(IDC_BINS_WIDTH, "1e-300");
        c.press(box, IDC_PLOT_AND_CLOSE);
        EXPECT_EQ(warnings(), (std::vector<std::string>{binsWidth, binsWidth, binsWidth}));
        EXPECT_EQ(sessionList().count(), windows);
        EXPECT_FALSE(c.ended());
    });
    showDistributionBox(plot_);
}

TEST_F(DistributionBoxTest, EqualValuesGiveEmptyBinsAtTheirValueAndAGraphWithoutValuesNothing)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    addGraph({4, 4, 4});
    addGraph({nan, std::numeric_limits<double>::infinity()});
    distributionGraphIndex() = 2;

    desktop_.dialogScripts.push_back([&](RecordingDialogControls& c, DialogHandler& box) {
        c.type(IDC_NUM_BINS, "3");
        c.press(box, IDC_PLOT);
        EXPECT_EQ(histogram(), (Points{{4, 0}, {4, 0}, {4, 0}, {4, 0}}));
        // No bin of any width: a single closing point at the value.
        c.press(box, IDC_BY_BINS_WIDTH);
        c.press(box, IDC_PLOT);
        EXPECT_EQ(histogram(), (Points{{4, 0}}));
        const int windows = sessionList().count();

        // Nothing chosen: neither button does anything.
        c.choose(box, IDC_GRAPH_LIST, {});
        c.press(box, IDC_PLOT_AND_CLOSE);
        EXPECT_FALSE(c.ended());
        EXPECT_EQ(distributionGraphIndex(), 0);

        // No finite y value: the fields are checked first, then a message
        // says why nothing is counted, and "Plot && Close" closes.
        c.choose(box, IDC_GRAPH_LIST, {2});
        c.type(IDC_BINS_WIDTH, "abc");
        c.press(box, IDC_PLOT);
        ASSERT_EQ(desktop_.boxes.size(), 1u);
        EXPECT_EQ(desktop_.boxes[0].text, "Data invalid or out of expected range: 'Bins Width'\n");
        c.type(IDC_BINS_WIDTH, "1");
        c.press(box, IDC_PLOT_AND_CLOSE);
        ASSERT_EQ(desktop_.boxes.size(), 2u);
        EXPECT_EQ(desktop_.boxes[1].text, "Graph 3 has no finite values: there is nothing to plot.\n");
        EXPECT_TRUE(c.ended());
        EXPECT_EQ(sessionList().count(), windows);
    });
    showDistributionBox(plot_);
    EXPECT_EQ(distributionGraphIndex(), 3);
}

TEST(BinCounter, CountsAsCountInBinDoesLowerEdgeInUpperEdgeOutNaNNever)
{
    Graph g(1);
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const double y : {nan, 1.0, -inf, 0.5, 0.0, inf, 1.0, 0.5}) {
        g.append(0, y);
    }
    const BinCounter counter(g);
    const std::vector<std::tuple<double, double, int32_t>> bins{
        {0, 1, 3},    {0.5, 1, 2}, {0, 0.5, 1},  {1, 2, 2},   {0.5, 0.5, 0}, {1, 0, 0},
        {-inf, 0, 1}, {1, inf, 2}, {-inf, inf, 6}, {nan, 1, 0}, {0, nan, 0}};
    for (const auto& [lo, hi, expected] : bins) {
        EXPECT_EQ(countInBin(g, lo, hi), expected) << lo << " " << hi;
        EXPECT_EQ(counter.count(lo, hi), expected) << lo << " " << hi;
    }
}

}  // namespace
}  // namespace kvx
