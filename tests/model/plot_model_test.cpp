#include "model/plot_model.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/graph_clipboard.h"
#include "model/app_context.h"
#include "settings/keywords.h"

namespace kvx {
namespace {

class PlotModelTest : public testing::Test {
protected:
    AppContext context_;

    static std::vector<std::string> lables(const PlotModel& p)
    {
        std::vector<std::string> out;
        for (const Graph& g : p.graphs()) out.push_back(g.lable());
        return out;
    }
    static void fill(Graph& g, int n, double base)
    {
        for (int i = 0; i < n; ++i) g.append(i, base + i);
    }
};

using Lables = std::vector<std::string>;

TEST_F(PlotModelTest, NewPlotCopiesThePlotDefaults)
{
    plotDefaults().colorScheme = PAPER;
    plotDefaults().xWinSize = 800;
    plotDefaults().numTicks = 4;
    PlotModel p;
    EXPECT_EQ(p.colorScheme(), PAPER);
    EXPECT_EQ(p.settings().xWinSize, 800);
    EXPECT_EQ(p.numGraphs(), 0);
    EXPECT_EQ(p.axes().numTicks(), 4);
    EXPECT_FALSE(p.axes().x().ticksSet());
    EXPECT_EQ(p.axes().x().current().min, -1000);
    EXPECT_EQ(p.axes().y().current().max, 1000);
    EXPECT_EQ(p.xLable(), "");
    // A later change of the defaults does not reach an existing plot.
    plotDefaults().colorScheme = SCOPE;
    EXPECT_EQ(p.colorScheme(), PAPER);
}

TEST_F(PlotModelTest, AddedGraphsAreNumberedAndLabelled)
{
    PlotModel p;
    EXPECT_EQ(p.addGraph(), 1);
    p.ensureGraphs(3);
    p.ensureGraphs(2);
    EXPECT_EQ(p.numGraphs(), 3);
    EXPECT_EQ(lables(p), (Lables{"Graph 1", "Graph 2", "Graph 3"}));
    EXPECT_EQ(p.graph(3).colorNum(), 3);
    EXPECT_EQ(p.graph(3).markerType(), 903);
    p.removeAllGraphs();
    EXPECT_EQ(p.numGraphs(), 0);
    EXPECT_EQ(p.addGraph(), 1);
    EXPECT_EQ(p.graph(1).lable(), "Graph 1");
}

TEST_F(PlotModelTest, InsertAndRemoveRenumber)
{
    PlotModel p;
    p.ensureGraphs(3);
    p.setLable("A", 1);
    p.setLable("B", 2);
    p.setLable("C", 3);
    fill(p.graph(2), 70, 200);

    EXPECT_EQ(p.insertEmptyGraph(2), 2);
    EXPECT_EQ(lables(p), (Lables{"A", "", "B", "C"}));
    EXPECT_EQ(p.graph(2).colorNum(), 0);
    EXPECT_EQ(p.graph(2).markerType(), 900);
    EXPECT_EQ(p.graph(2).numPoints(), 0);
    EXPECT_EQ(p.graph(3).numPoints(), 70);
    EXPECT_EQ(p.graph(3).yData()[69], 269);
    EXPECT_EQ(p.graph(3).colorNum(), 2);  // B keeps its colour

    EXPECT_EQ(p.insertEmptyGraph(9), 5);
    EXPECT_EQ(p.graph(5).lable(), "Graph 5");

    p.removeGraph(2);
    EXPECT_EQ(lables(p), (Lables{"A", "B", "C", "Graph 5"}));
    p.removeGraph(7);
    EXPECT_EQ(p.numGraphs(), 4);
    p.removeGraph(1);
    EXPECT_EQ(lables(p), (Lables{"B", "C", "Graph 5"}));
    EXPECT_EQ(p.graph(1).numPoints(), 70);
}

TEST_F(PlotModelTest, PerGraphSettersAddressOneOrAll)
{
    PlotModel p;
    p.ensureGraphs(3);
    p.setLineWidth(3, 2);
    EXPECT_EQ(p.graph(1).lineWidth(), 1);
    EXPECT_EQ(p.graph(2).lineWidth(), 3);
    p.setShowPoints(SHOW, 0);
    p.setMarkerDrawRate(5, -1);
    p.setLineType(DASH, 0);
    p.setColorNum(9, 3);
    for (int16_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(p.graph(i).showPoints(), SHOW);
        EXPECT_EQ(p.graph(i).markerDrawRate(), 5);
        EXPECT_EQ(p.graph(i).markerCount(), 5);
        EXPECT_EQ(p.graph(i).lineType(), DASH);
    }
    EXPECT_EQ(p.colorNum(3), 9);
    EXPECT_EQ(p.graph(3).lineType(), DASH);  // the pen setter keeps the others
    EXPECT_EQ(p.graph(2).lineWidth(), 3);
}

TEST_F(PlotModelTest, WidthsSizesAndRatesStayWithinTheirSettingBounds)
{
    PlotModel p;
    p.ensureGraphs(2);
    p.setLineWidth(32767, 0);
    p.setPointsSize(32767, 1);
    p.setMarkerSize(-5, 2);
    p.setLinesDrawRate(0, 0);
    p.setPointsDrawRate(-3, 0);
    EXPECT_EQ(p.graph(1).lineWidth(), 100);
    EXPECT_EQ(p.graph(2).lineWidth(), 100);
    EXPECT_EQ(p.graph(1).pointsSize(), 100);
    EXPECT_EQ(p.graph(2).markerSize(), 1);
    EXPECT_EQ(p.graph(1).linesDrawRate(), 1);
    EXPECT_EQ(p.graph(2).pointsDrawRate(), 1);
    p.setMarkerSize(30, 0);  // the largest size of the menu passes unchanged
    EXPECT_EQ(p.graph(1).markerSize(), 30);
}

TEST_F(PlotModelTest, CommonValues)
{
    graphDefaults().lineWidth = 4;
    PlotModel p;
    EXPECT_EQ(p.commonValue(GraphAttribute::LineWidth).value, 4);
    EXPECT_TRUE(p.commonValue(GraphAttribute::LineWidth).common);
    graphDefaults().lineWidth = 1;
    p.ensureGraphs(3);
    p.setLineWidth(2, 3);
    const CommonValue w = p.commonValue(GraphAttribute::LineWidth);
    EXPECT_EQ(w.value, 1);
    EXPECT_FALSE(w.common);
    p.setType(STEMS, 0);
    EXPECT_EQ(p.commonValue(GraphAttribute::Type).value, STEMS);
    EXPECT_TRUE(p.commonValue(GraphAttribute::Type).common);
    p.setPointsDrawRate(2, 1);
    EXPECT_FALSE(p.commonValue(GraphAttribute::PointsDrawRate).common);
    EXPECT_TRUE(p.commonValue(GraphAttribute::MarkerDrawRate).common);
}

TEST_F(PlotModelTest, SettersWithSideEffects)
{
    PlotModel p;
    p.setZoomMode(ZOOM_X);
    p.setShowCoorSystem(HIDE);
    EXPECT_EQ(p.settings().activeIndents, (Indents{0, 20, 0, 1}));
    EXPECT_EQ(p.zoomMode(), ZOOM_X);  // axes scaled: the zoom mode stays
    p.setAspectRatio(AXES_SCALED);      // any value while hidden
    EXPECT_EQ(p.zoomMode(), ZOOM_XKR);

    p.setZoomMode(ZOOM_Y);
    p.setShowCoorSystem(SHOW_HALF);
    EXPECT_EQ(p.settings().activeIndents, (Indents{40, 75, 85, 35}));
    p.setAspectRatio(AXES_EQUAL);
    EXPECT_EQ(p.zoomMode(), ZOOM_Y);  // shown: stays
    p.setShowCoorSystem(SHOW);        // any value while equal
    EXPECT_EQ(p.zoomMode(), ZOOM_XKR);

    p.setColorPalette(MIXED_COLORS_II, 5);
    EXPECT_EQ(p.numColors(), 16);
    p.setColorPalette(MIXED_COLORS_I, 30);
    EXPECT_EQ(p.numColors(), 7);
    p.setColorPalette(HEAT_SCALE, 12);
    EXPECT_EQ(p.colorPalette(), HEAT_SCALE);
    EXPECT_EQ(p.numColors(), 12);
}

TEST_F(PlotModelTest, ACopyHasIndependentGraphs)
{
    PlotModel source;
    source.ensureGraphs(3);
    fill(source.graph(2), 60, 10);
    source.setLables("t [s]", "U [V]", "Run");
    source.setColorScheme(FANCY);
    source.axes().setRange(0, 5, 0, 6, false);

    PlotModel clone(source);
    EXPECT_EQ(clone.numGraphs(), 3);
    EXPECT_EQ(clone.graph(2).numPoints(), 60);
    EXPECT_EQ(clone.xLable(), "t [s]");
    EXPECT_EQ(clone.colorScheme(), FANCY);
    EXPECT_EQ(clone.axes().currentRange(), source.axes().currentRange());

    clone.graph(2).append(99, 99);
    clone.setLable("mine", 1);
    clone.removeGraph(3);
    EXPECT_EQ(source.graph(2).numPoints(), 60);
    EXPECT_EQ(source.graph(1).lable(), "Graph 1");
    EXPECT_EQ(source.numGraphs(), 3);
}

TEST_F(PlotModelTest, ClipboardHoldsDeepCopies)
{
    GraphClipboard& clip = GraphClipboard::instance();
    PlotModel a;
    a.ensureGraphs(3);
    a.setLable("P", 1);
    a.setColorNum(6, 1);
    fill(a.graph(1), 10, 0);
    for (int k = 0; k < 2; ++k) {  // Copy All twice
        for (const Graph& g : a.graphs()) clip.appendCopy(g);
    }
    EXPECT_EQ(clip.count(), 6);

    a.graph(1).append(100, 100);
    a.setLable("changed", 1);
    EXPECT_EQ(clip.graph(1).numPoints(), 10);
    EXPECT_EQ(clip.graph(1).lable(), "P");

    PlotModel b;
    b.addGraph();
    for (const Graph& g : clip.graphs()) b.addGraphCopy(g);  // Paste All
    EXPECT_EQ(b.numGraphs(), 7);
    EXPECT_EQ(b.graph(2).lable(), "P");  // not "Graph 2"
    EXPECT_EQ(b.graph(2).colorNum(), 6);
    b.graph(2).append(-1, -1);
    EXPECT_EQ(clip.graph(1).numPoints(), 10);

    clip.remove(1);
    EXPECT_EQ(clip.count(), 5);
    EXPECT_EQ(clip.graph(1).lable(), "Graph 2");
    clip.remove(9);
    EXPECT_EQ(clip.count(), 5);
    clip.clear();
    EXPECT_EQ(clip.count(), 0);
}

TEST(PlotModelDeathTest, The32768thGraphEndsTheProgram)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            PlotModel p;
            p.ensureGraphs(PlotModel::maxGraphs);
            std::fprintf(stderr, "reached %d\n", p.numGraphs());
            p.addGraph();
        },
        testing::ExitedWithCode(0), "reached 32767\nError: Process terminated ! Too many graphs");
}

}  // namespace
}  // namespace kvx
