#include "files/plot_file.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "files/data_file_reader.h"
#include "files/data_file_test_support.h"
#include "files/data_file_writer.h"
#include "model/app_context.h"
#include "scaling/log_axes.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace kvx {
namespace {

std::vector<int> styleOf(const Graph& g)
{
    return {g.type(), g.lineType(), g.colorNum(), g.markerType(), g.lineWidth(), g.pointsSize(),
            g.markerSize(), g.showLines(), g.showPoints(), g.showMarker(), g.linesDrawRate(),
            g.pointsDrawRate(), g.markerDrawRate()};
}

std::tuple<std::string, int, int, int, int, std::string, std::string, std::string> windowOf(const Plot& p)
{
    return {p.windowTitle(), p.xWinPos(), p.yWinPos(), p.xWinSize(), p.yWinSize(),
            p.xLable(), p.yLable(), p.axesTitle()};
}

std::vector<int> switchesOf(const Plot& p)
{
    return {p.showGrid(), p.showCoorSystem(), p.showLegend(), p.aspectRatio(), p.colorScheme(),
            p.colorPalette(), p.numColors()};
}

class PlotFileTest : public testing::Test {
protected:
    bool readText(Plot& plot, std::string_view text, int32_t start = 1)
    {
        test::writeFile(plt, text);
        return readPlotFile(plot, plt, PLOT_PART_ALL, start);
    }
    // Saves `saved` as the file commands do and opens it in `opened`.
    void saveAndOpen(Plot& saved, Plot& opened)
    {
        ASSERT_TRUE(writeData(saved, dat));
        ASSERT_TRUE(writePlotFile(saved, plt));
        ASSERT_TRUE(readPlotFile(opened, plt, PLOT_PART_ALL, 1));
        ASSERT_TRUE(readData(opened, dat, 1));
        EXPECT_TRUE(desktop.boxes.empty());
    }

    test::RecordingDesktop desktop;
    AppContext context_{desktop};
    test::TempDir dir;
    const std::string plt = dir.file("plot.plt");
    const std::string dat = dir.file("plot.dat");
};

TEST_F(PlotFileTest, SavingAndReopeningRestoresThePlot)
{
    Plot saved("Measurements");
    saved.setPosition(33, 44);
    saved.setSize(700, 480);
    saved.setLables("Time [s]", "  U 'in' V", "Run 7");
    saved.axes().setRange(-0.5, 10.25, -3.0, 0.001, true);
    saved.axes().setTicks({{2.0, 0.25}, {0.5, 0.125}});
    saved.setShowGrid(HIDE);
    saved.setShowCoorSystem(SHOW_HALF);
    saved.setShowLegend(SHOW_UPLEFT);
    saved.setAspectRatio(AXES_EQUAL);
    saved.setColorScheme(PAPER);
    saved.setColorPalette(HEAT_SCALE, 12);
    saved.ensureGraphs(3);
    saved.graph(1).append(0.1, -0.0);
    saved.graph(1).append(1.0 / 3.0, 1e300);
    saved.setLable("Voltage", 2);
    saved.setType(STAIRS, 2);
    saved.setLineType(DASH, 2);
    saved.setColorNum(5, 2);
    saved.setMarkerType(STAR, 2);
    saved.setLineWidth(3, 2);
    saved.setPointsSize(4, 2);
    saved.setMarkerSize(9, 2);
    saved.setShowLines(HIDE, 2);
    saved.setShowPoints(SHOW_BEGIN_END, 2);
    saved.setShowMarker(SHOW, 2);
    saved.setLinesDrawRate(2, 2);
    saved.setPointsDrawRate(3, 2);
    saved.setMarkerDrawRate(4, 2);
    saved.graph(2).append(5.0, 6.0);
    saved.graph(3).append(7.0, 8.0);
    saved.graph(3).appendIsolated(9.0, 10.0);
    Plot opened("Kurvex");
    saveAndOpen(saved, opened);

    EXPECT_EQ(opened.files().readMode, saved.files().readMode);
    EXPECT_EQ(windowOf(opened), windowOf(saved));
    EXPECT_EQ(opened.axes().currentRange(), saved.axes().currentRange());
    EXPECT_EQ(switchesOf(opened), switchesOf(saved));
    EXPECT_EQ(opened.settings().plotColor, saved.settings().plotColor);
    ASSERT_EQ(opened.numGraphs(), 3);
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE("graph " + std::to_string(k));
        EXPECT_EQ(opened.graph(k).lable(), saved.graph(k).lable());
        EXPECT_EQ(styleOf(opened.graph(k)), styleOf(saved.graph(k)));
        test::expectSamePoints(opened.graph(k), saved.graph(k));
    }
}

TEST_F(PlotFileTest, AnEmptyGraphKeepsItsStyleAwayFromTheNextGraphsPoints)
{
    // Graphs of unequal lengths are stored one block each; an empty graph
    // has no block to hold its place.
    Plot saved("Saved");
    saved.ensureGraphs(3);
    saved.setLable("Empty", 1);
    saved.setLineWidth(5, 1);
    saved.graph(2).append(1.0, 2.0);
    saved.graph(2).append(3.0, 4.0);
    saved.graph(3).append(5.0, 6.0);
    Plot opened("Opened");
    saveAndOpen(saved, opened);
    ASSERT_EQ(opened.numGraphs(), 3);
    const int stored[] = {2, 3, 1};
    for (int k = 1; k <= 3; ++k) {
        const Graph& s = saved.graph(stored[k - 1]);
        EXPECT_EQ(opened.graph(k).lable(), s.lable());
        EXPECT_EQ(styleOf(opened.graph(k)), styleOf(s));
        test::expectSamePoints(opened.graph(k), s);
    }
}

TEST_F(PlotFileTest, ADefaultPlotIsWrittenInTheFileLayout)
{
    Plot plot("Kurvex");
    plot.setPosition(20, 20);
    plot.ensureGraphs(2);
    plot.graph(1).append(0.0, 1.0);
    plot.graph(1).append(1.0, 2.0);
    plot.graph(2).append(0.0, 3.0);
    plot.graph(2).append(1.0, -4.0);
    plot.axes().setRange(0.0, 1.0, -4.0, 3.0, true);
    plot.axes().setTicks({{0.2, 0.1}, {1.0, 0.5}});
    ASSERT_TRUE(writeData(plot, dat));
    ASSERT_TRUE(writePlotFile(plot, plt));
    EXPECT_EQ(test::readFile(plt), R"([Plot]
windowTitle= 'Kurvex'
xWinPos= 20
yWinPos= 20
xWinSize= 640
yWinSize= 520

[AxesSystem]
axesTitle= ''
xLable= ''
yLable= ''
xMin= 0
xMax= 1
yMin= -4
yMax= 3
xTick= 0.2
yTick= 1
xSubTick= 0.1
ySubTick= 0.5
showGrid= SHOW
showCoorSystem= SHOW
showLegend= HIDE
aspectRatio= AXES_SCALED
colorScheme= DARK
colorPalette= MIXED_COLORS_I
numColors= 7
zoomMode= ZOOM_XY
numGraphs= 2

[Graphs]
readMode= XYY

[Graph1]
lable= 'Graph 1'
type= LINES
colorNum= 1
markerType= TRIANGLE
lineWidth= 1
pointsSize= 3
markerSize= 7
showLines= SHOW
showPoints= HIDE
showMarker= HIDE
linesDrawRate= 1
pointsDrawRate= 1
markerDrawRate= 1

[Graph2]
lable= 'Graph 2'
type= LINES
colorNum= 2
markerType= SQUARE
lineWidth= 1
pointsSize= 3
markerSize= 7
showLines= SHOW
showPoints= HIDE
showMarker= HIDE
linesDrawRate= 1
pointsDrawRate= 1
markerDrawRate= 1
)");
}

TEST_F(PlotFileTest, MissingKeysKeepOrDefaultTheirFields)
{
    Plot plot("Kept");
    plot.setLables("x", "y", "title");
    const RangeSet before = plot.axes().currentRange();
    const int16_t xPos = plot.xWinPos();
    ASSERT_TRUE(readText(plot, "[Plot]\nwindowTitle= ''\nxWinPos= 5\n"
                               "[AxesSystem]\nxMin= 2\nxTick= 2\nshowGrid= hide\nnumGraphs= 3\n"
                               "[Graphs]\nshowPoints= SHOW\nlineWidth= 4\n"
                               "[Graph2]\nshowPoints= HIDE\n"));
    EXPECT_EQ(plot.windowTitle(), "Kept");
    EXPECT_EQ(plot.xWinPos(), xPos);
    EXPECT_EQ(plot.xLable() + plot.yLable() + plot.axesTitle(), "");
    const RangeSet r = plot.axes().currentRange();
    EXPECT_EQ(r.x.min, 2.0);
    EXPECT_EQ(r.x.max, 1000.0);
    EXPECT_EQ(r.y.min, -1000.0);
    // The sub-tick follows the tick by the number of sub-ticks (2).
    EXPECT_EQ(r.x.tick, 2.0);
    EXPECT_EQ(r.x.subTick, 1.0);
    EXPECT_EQ(r.y.tick, before.y.tick);
    // A keyword the table does not know counts as missing.
    EXPECT_EQ(plot.showGrid(), SHOW);
    ASSERT_EQ(plot.numGraphs(), 3);
    EXPECT_EQ(plot.graph(1).showPoints(), SHOW);
    EXPECT_EQ(plot.graph(2).showPoints(), HIDE);
    EXPECT_EQ(plot.graph(3).showPoints(), SHOW);
    EXPECT_EQ(plot.graph(2).lineWidth(), 4);
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(PlotFileTest, WithoutNumGraphsTheDataIsReadInTheCallersMode)
{
    test::WindowedPlot plot;
    plot.files().readMode = XYXY;
    ASSERT_TRUE(readText(plot, "[AxesSystem]\nxLable= 't'\n[Graphs]\nreadMode= YY\n[Graph1]\nlable= 'Lost'\n"));
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text, "Required [AxesSystem] Parameter 'numGraphs' \nmissing in " + plt + " !\n");
    EXPECT_EQ(plot.xLable(), "t");
    EXPECT_EQ(plot.files().readMode, XYXY);
    test::writeFile(dat, "1 2 3 4\n");
    ASSERT_TRUE(readData(plot, dat, 1));
    ASSERT_EQ(plot.numGraphs(), 2);
    EXPECT_EQ(plot.graph(1).lable(), "Graph 1");
    EXPECT_EQ(test::pointsOf(plot.graph(2)), (test::Points{{3.0, 4.0, ATT_NEW_LINE}}));
}

TEST_F(PlotFileTest, AHostileFileIsHeldWithinTheLimits)
{
    Plot plot("Plot");
    plot.ensureGraphs(2);
    const RangeSet before = plot.axes().currentRange();
    // Far more graphs than fit after the plot's two, an infinite range, a
    // window larger than any screen.
    ASSERT_TRUE(readText(plot, "[Plot]\nxWinSize= 30000\nyWinSize= -4\n"
                               "[AxesSystem]\nxMin= -1e999\nxMax= 1e999\nnumGraphs= 32767\n"
                               "[Graph1]\nlable= 'First'\n", 3));
    EXPECT_EQ(plot.xWinSize(), 16000);
    EXPECT_EQ(plot.yWinSize(), 1);
    EXPECT_EQ(plot.axes().currentRange(), before);
    EXPECT_EQ(plot.numGraphs(), Plot::maxGraphs);
    EXPECT_EQ(plot.graph(3).lable(), "First");

    Plot none("None");
    ASSERT_TRUE(readText(none, "[AxesSystem]\nnumGraphs= -5\n[Graph1]\nlable= 'x'\n"));
    EXPECT_EQ(none.numGraphs(), 0);
}

TEST_F(PlotFileTest, AFailedWriteKeepsThePreviousFileAndSaysWhy)
{
    test::writeFile(plt, "[Plot]\nwindowTitle= 'Old'\n");
    Plot plot("New");
    std::string reason;
    {
        const test::FileSizeLimit limit(100);
        EXPECT_FALSE(writePlotFile(plot, plt, &reason));
    }
    EXPECT_EQ(reason, "File too large");
    EXPECT_EQ(test::readFile(plt), "[Plot]\nwindowTitle= 'Old'\n");
    EXPECT_FALSE(readPlotFile(plot, dir.file("missing.plt"), PLOT_PART_ALL, 1));
}

TEST_F(PlotFileTest, ACarriageReturnInATextReadsAsTheBlankItIsSavedAs)
{
    Plot plot("Read");
    ASSERT_TRUE(readText(plot, "[AxesSystem]\nnumGraphs= 1\n[Graph1]\nlable= 'a\rb'\n"));
    EXPECT_EQ(plot.graph(1).lable(), "a b");
}

TEST_F(PlotFileTest, ARangeAsNarrowAsTheAxesTakeReopensAsSaved)
{
    // 16 digits would read these bounds back too close together.
    Plot saved("Narrow");
    ASSERT_TRUE(saved.axes().setRange(1.098476544106946, 1.0984765441069346, -1.0, 1.0, true));
    ASSERT_TRUE(writePlotFile(saved, plt));
    Plot opened("Opened");
    ASSERT_TRUE(readPlotFile(opened, plt, PLOT_PART_ALL, 1));
    EXPECT_EQ(opened.axes().currentRange(), saved.axes().currentRange());
}

}  // namespace
}  // namespace kvx

namespace kvx {
namespace {

TEST_F(PlotFileTest, LogarithmicAxesAreNamedAndReopenAsSaved)
{
    Plot saved("decades");
    saved.axes().setRangeAndKinds(1e-3, 1e3, -2.0, 5.0, AxisKind::Logarithmic, AxisKind::Linear, true);
    saved.axes().setTicks({{2.0, 1.0}, {1.0, 0.5}});
    saved.ensureGraphs(1);
    saved.graph(1).append(1e-3, 1.0);
    Plot opened("Kurvex");
    saveAndOpen(saved, opened);
    EXPECT_TRUE(opened.axes().x().log());
    EXPECT_FALSE(opened.axes().y().log());
    EXPECT_EQ(opened.axes().currentRange(), saved.axes().currentRange());
    const std::string text = test::readFile(plt);
    EXPECT_NE(text.find("xLog"), std::string::npos);
    EXPECT_EQ(text.find("yLog"), std::string::npos);

    // A file of linear axes makes a logarithmic plot linear again.
    Plot linear("linear");
    linear.ensureGraphs(1);
    linear.graph(1).append(-1.0, 1.0);
    saveAndOpen(linear, opened);
    EXPECT_FALSE(opened.axes().x().log());
    EXPECT_EQ(opened.axes().currentRange(), linear.axes().currentRange());
    EXPECT_EQ(test::readFile(plt).find("xTime"), std::string::npos);

    // A time axis is named too, and comes back as one.
    ASSERT_TRUE(setTimeAxis(linear, true));
    saveAndOpen(linear, opened);
    EXPECT_EQ(opened.axes().x().kind(), AxisKind::Time);
    EXPECT_NE(test::readFile(plt).find("xTime"), std::string::npos);
}

}  // namespace
}  // namespace kvx
