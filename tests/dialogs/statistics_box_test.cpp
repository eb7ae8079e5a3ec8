// The Statistics dialog: what it shows of a graph and the reference lines it
// draws, in a new window or after the graph in its own plot.

#include "dialogs/statistics_box.h"

#include <gtest/gtest.h>

#include "dialogs/control_ids.h"

#include <cmath>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "app/run_state.h"
#include "app/session_list.h"
#include "app/window_keeper.h"
#include "dialogs/dialog_templates.h"
#include "window/plot.h"
#include "model/app_context.h"
#include "settings/keywords.h"
#include "support/recording_desktop.h"
#include "support/recording_native_window.h"

namespace kvx {
namespace {

using test::RecordingDialogControls;

struct Point {
    double x;
    double y;
    uint8_t att;
    bool operator==(const Point&) const = default;
};

std::vector<Point> points(const Graph& g)
{
    std::vector<Point> out;
    for (int32_t i = 0; i < g.numPoints(); ++i) {
        out.push_back({g.xData()[i], g.yData()[i], g.attData()[i]});
    }
    return out;
}

std::vector<std::string> fieldTexts(const RecordingDialogControls& c)
{
    std::vector<std::string> out;
    for (const int id : {IDC_FIELD_X_MIN, IDC_FIELD_X_MAX, IDC_FIELD_X_MEAN, IDC_FIELD_X_STD, IDC_FIELD_X_RANGE,
        IDC_FIELD_Y_MIN, IDC_FIELD_Y_MAX, IDC_FIELD_Y_MEAN, IDC_FIELD_Y_STD, IDC_FIELD_Y_RANGE,
        IDC_FIELD_NUM_POINTS}) {
        out.push_back(c.control(id).text);
    }
    return out;
}

class StatisticsBoxTest : public testing::Test {
protected:
    StatisticsBoxTest() { setRunState(RUN_RUNNING); }

    Plot& makeWindow(const char* title)
    {
        Plot& kept = static_cast<Plot&>(keepWindow(std::make_unique<Plot>(title)));
        kept.createWindow();
        return kept;
    }
    static int16_t addGraph(Plot& p, const std::vector<std::pair<double, double>>& xy)
    {
        const int16_t g = p.addGraph();
        for (const auto& [x, y] : xy) {
            p.graph(g).append(x, y);
        }
        return g;
    }
    static Plot& window(int position)
    {
        return *static_cast<Plot*>(sessionList().windowOf(sessionList().numberAt(position)));
    }

    test::RecordingDesktop desktop_;
    AppContext context_{desktop_};
};

TEST_F(StatisticsBoxTest, ShowsTheChosenGraphOverItsFiniteValuesAndRemembersItAcrossPlots)
{
    Plot& p = makeWindow("Data");
    addGraph(p, {{0, 1}, {1, 3}, {2, 5}});
    addGraph(p, {});
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    addGraph(p, {{1, nan}, {inf, 2}, {3, 4}});
    addGraph(p, {{1e300, -1e300}, {3e300, 1e300}});

    StatisticsBox box(p);
    RecordingDialogControls c(*dialogTemplate("StatisticsBox"));
    box.opened(c);
    EXPECT_EQ(c.control(IDC_GRAPH_LIST).entries, (std::vector<std::string>{"1\tGraph 1", "2\tGraph 2", "3\tGraph 3", "4\tGraph 4"}));
    EXPECT_EQ(c.control(IDC_GRAPH_LIST).selection, std::vector<int>{0});
    EXPECT_EQ(fieldTexts(c), (std::vector<std::string>{"0", "2", "1", "0.816497", "2", "1", "5", "3", "1.63299",
                                                       "4", "3"}));
    for (const int id : {IDC_CHECK_Y_MIN, IDC_CHECK_Y_MAX, IDC_CHECK_Y_MEAN, IDC_CHECK_Y_STD}) {
        EXPECT_TRUE(c.control(id).checked) << id;
    }
    for (const int id : {IDC_CHECK_X_MIN, IDC_CHECK_X_MAX, IDC_CHECK_X_MEAN, IDC_CHECK_X_STD, IDC_SAME_COLOR,
        IDC_SAME_PLOT}) {
        EXPECT_FALSE(c.control(id).checked) << id;
    }
    EXPECT_TRUE(c.control(IDC_PLOT).enabled);

    c.choose(box, IDC_GRAPH_LIST, {1});
    EXPECT_EQ(statisticsGraphIndex(), 2);
    EXPECT_EQ(fieldTexts(c), (std::vector<std::string>{"1e+100", "-1e+100", "0", "0", "-2e+100", "1e+100", "-1e+100",
                                                       "0", "0", "-2e+100", "0"}));
    // A graph without finite values gives nothing to plot, and says so.
    const int windows = sessionList().count();
    c.press(box, IDC_PLOT);
    EXPECT_EQ(sessionList().count(), windows);
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(desktop_.boxes[0].text, "Graph 2 has no finite values: there is nothing to plot.\n");
    desktop_.boxes.clear();
    // Values that are not finite stay out of every statistic but count as points.
    c.choose(box, IDC_GRAPH_LIST, {2});
    EXPECT_EQ(fieldTexts(c), (std::vector<std::string>{"1", "3", "2", "1", "2", "2", "4", "3", "1", "2", "3"}));
    // Values near the limits of a double neither overflow the mean nor the deviation.
    c.choose(box, IDC_GRAPH_LIST, {3});
    EXPECT_EQ(fieldTexts(c), (std::vector<std::string>{"1e+300", "3e+300", "2e+300", "1e+300", "2e+300", "-1e+300",
                                                       "1e+300", "0", "1e+300", "2e+300", "2"}));
    EXPECT_EQ(statisticsGraphIndex(), 4);

    // A plot with fewer graphs opens without a selection and shows nothing.
    Plot& q = makeWindow("Other");
    addGraph(q, {{0, 0}});
    StatisticsBox other(q);
    RecordingDialogControls d(*dialogTemplate("StatisticsBox"));
    other.opened(d);
    EXPECT_TRUE(d.control(IDC_GRAPH_LIST).selection.empty());
    EXPECT_EQ(d.control(IDC_FIELD_X_MIN).text, "");
    EXPECT_EQ(statisticsGraphIndex(), 0);
    d.press(other, IDC_PLOT);
    EXPECT_EQ(sessionList().count(), 2);
    d.press(other, IDC_PLOT_AND_CLOSE);
    EXPECT_TRUE(d.ended());
    EXPECT_EQ(sessionList().count(), 2);

    // Without graphs there is nothing to plot.
    Plot& empty = makeWindow("Empty");
    StatisticsBox none(empty);
    RecordingDialogControls e(*dialogTemplate("StatisticsBox"));
    none.opened(e);
    EXPECT_FALSE(e.control(IDC_PLOT).enabled);
    EXPECT_FALSE(e.control(IDC_PLOT_AND_CLOSE).enabled);
}

TEST_F(StatisticsBoxTest, PlotOpensAWindowWithACopyOfTheGraphAndItsStatisticsInTheNextColours)
{
    Plot& p = makeWindow("Data");
    p.setColorPalette(HEAT_SCALE, 12);
    p.setColorScheme(DARK);
    p.setAspectRatio(AXES_EQUAL);
    p.setLables("time", "level", "Run");
    addGraph(p, {{5, 5}});
    const int16_t g = addGraph(p, {{0, 1}, {1, 3}, {2, 5}});
    p.setLable("Curve", g);
    p.setColorNum(4, g);
    p.setLineType(DASH, g);
    p.startNewLine(g);
    p.append(3, 2, g);
    statisticsGraphIndex() = 2;

    desktop_.dialogScripts.push_back([](RecordingDialogControls& c, DialogHandler& box) {
        c.press(box, IDC_PLOT);
        EXPECT_FALSE(c.ended());
        // No statistic chosen: "Plot && Close" only closes.
        for (const int id : {IDC_CHECK_Y_MIN, IDC_CHECK_Y_MAX, IDC_CHECK_Y_MEAN, IDC_CHECK_Y_STD}) {
            c.press(box, id);
        }
        c.press(box, IDC_PLOT_AND_CLOSE);
        EXPECT_TRUE(c.ended());
    });
    showStatisticsBox(p);
    ASSERT_EQ(desktop_.dialogRuns.size(), 1u);
    ASSERT_EQ(sessionList().count(), 2);

    Plot& s = window(1);
    EXPECT_EQ(s.windowTitle(), "Data - Curve - Statistics");
    EXPECT_EQ(s.showGrid(), HIDE);
    EXPECT_EQ(s.colorPalette(), HEAT_SCALE);
    EXPECT_EQ(s.numColors(), 12);
    EXPECT_EQ(s.colorScheme(), DARK);
    EXPECT_EQ(s.aspectRatio(), AXES_EQUAL);
    EXPECT_EQ(s.showLegend(), SHOW_OUTRIGHT);
    EXPECT_EQ(s.xLable(), "time");
    EXPECT_EQ(s.yLable(), "level");
    EXPECT_EQ(s.axesTitle(), "Run");
    ASSERT_EQ(s.numGraphs(), 4);
    EXPECT_EQ(s.graph(1).lable(), "Curve");
    EXPECT_EQ(s.graph(1).lineType(), DASH);
    EXPECT_EQ(points(s.graph(1)), points(p.graph(g)));

    // x from 0 to 3, y from 1 to 5; y mean 2.75.
    struct Expected {
        const char* lable;
        int16_t colour;
        int16_t lineType;
        std::vector<Point> points;
    };
    const double yStd = std::sqrt((1.75 * 1.75 + 0.25 * 0.25 + 2.25 * 2.25 + 0.75 * 0.75) / 4);
    const std::vector<Expected> expected{
        {"  y-Min/Max", 5, DOT, {{0, 1, 1}, {3, 1, 0}, {0, 5, 1}, {3, 5, 0}}},
        {"  y-Mean", 6, DASH, {{0, 2.75, 1}, {3, 2.75, 0}}},
        {"  y-Std", 7, DASHDOT, {{0, 2.75 + yStd, 1}, {3, 2.75 + yStd, 0}, {0, 2.75 - yStd, 1}, {3, 2.75 - yStd, 0}}},
    };
    for (int i = 0; i < 3; ++i) {
        const Graph& made = s.graph(i + 2);
        EXPECT_EQ(made.lable(), expected[i].lable);
        EXPECT_EQ(made.colorNum(), expected[i].colour) << made.lable();
        EXPECT_EQ(made.lineType(), expected[i].lineType) << made.lable();
        EXPECT_EQ(made.markerType(), NOMARKER) << made.lable();
        EXPECT_EQ(made.showPoints(), HIDE) << made.lable();
        EXPECT_EQ(points(made), expected[i].points) << made.lable();
    }
    // The new window's ranges were set to its graphs.
    const RangeSet r = s.axes().currentRange();
    EXPECT_LE(r.x.min, 0.0);
    EXPECT_GE(r.x.max, 3.0);
    EXPECT_LT(r.x.max, 100.0);
    EXPECT_EQ(p.numGraphs(), 2);
}

TEST_F(StatisticsBoxTest, SamePlotInsertsAfterTheSourceInItsColourAndTheListFollows)
{
    Plot& p = makeWindow("Data");
    addGraph(p, {{0, 1}, {1, 3}, {2, 5}});
    const int16_t g = addGraph(p, {{0, 1}, {1, 3}, {2, 5}});
    p.setColorNum(9, g);
    addGraph(p, {{7, 7}});
    addGraph(p, {});
    statisticsGraphIndex() = 2;
    test::RecordingSurface& surface = static_cast<test::RecordingNativeWindow*>(p.nativeWindow())->recording;
    surface.clear();

    desktop_.dialogScripts.push_back([](RecordingDialogControls& c, DialogHandler& box) {
        for (const int id : {IDC_CHECK_Y_MIN, IDC_CHECK_Y_MAX, IDC_CHECK_Y_MEAN, IDC_CHECK_Y_STD, IDC_CHECK_X_MEAN,
            IDC_SAME_COLOR, IDC_SAME_PLOT}) {
            c.press(box, id);
        }
        c.press(box, IDC_PLOT);
        EXPECT_EQ(c.control(IDC_GRAPH_LIST).entries,
                  (std::vector<std::string>{"1\tGraph 1", "2\tGraph 2", "3\t  x-Mean", "4\tGraph 3", "5\tGraph 4"}));
        EXPECT_EQ(c.control(IDC_GRAPH_LIST).selection, std::vector<int>{1});
        // An empty graph has no extent to draw lines across.
        c.choose(box, IDC_GRAPH_LIST, {4});
        c.press(box, IDC_PLOT_AND_CLOSE);
    });
    showStatisticsBox(p);

    EXPECT_EQ(sessionList().count(), 1);
    ASSERT_EQ(p.numGraphs(), 5);
    const Graph& mean = p.graph(3);
    EXPECT_EQ(mean.colorNum(), 9);
    EXPECT_EQ(mean.lineType(), DASH);
    EXPECT_EQ(points(mean), (std::vector<Point>{{1, 1, 1}, {1, 5, 0}}));
    EXPECT_EQ(points(p.graph(4)), (std::vector<Point>{{7, 7, 1}}));
    // The whole plot was painted again, not only the new lines drawn.
    EXPECT_FALSE(surface.only("fillRect").empty());
}

}  // namespace
}  // namespace kvx
