#include "render/graph_drawer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include "scaling/layout_transform.h"
#include "model/app_context.h"
#include "settings/keywords.h"
#include "support/recording_surface.h"
#include "window/window_drawing.h"

namespace kvx {
namespace {

using Calls = std::vector<std::string>;

// A plot whose world coordinates map to pixels as (x, 100 - y) inside the
// rectangle 0..100 x 0..100.
class GraphDrawerTest : public testing::Test {
protected:
    GraphDrawerTest()
    {
        plot.setShowCoorSystem(HIDE);
        plot.setClientSize(101, 120);
        plot.axes().setRange(0, 100, 0, 100, false);
        layoutTransform(plot);
        plot.addGraph();
    }
    AppContext context_;

    Graph& graph() { return plot.graph(1); }
    Calls draw()
    {
        surface.clear();
        GraphDrawer drawer(surface, plot, plot.view());
        drawer.setMergeColumns(false);
        drawer.drawGraph(graph());
        return surface.calls;
    }
    // Only the drawing calls (moves, lines, shapes, pixels).
    static Calls geometry(const Calls& calls)
    {
        Calls out;
        for (const auto& c : calls) {
            if (c.rfind("moveTo", 0) == 0 || c.rfind("lineTo", 0) == 0 || c.rfind("ellipse", 0) == 0 ||
                c.rfind("rectangle", 0) == 0 || c.rfind("setPixel", 0) == 0 || c.rfind("beginPath", 0) == 0) {
                out.push_back(c);
            }
        }
        return out;
    }

    Plot plot{"test"};
    test::RecordingSurface surface;
};

TEST_F(GraphDrawerTest, LayoutMapsWorldToPixels)
{
    const DeviceRect& r = plot.view().plotRect;
    EXPECT_EQ(r, (DeviceRect{0, 0, 100, 100}));
    EXPECT_EQ(worldToDevice(plot, 10, 30), (DoublePoint{10, 70}));
}

TEST_F(GraphDrawerTest, LinesDrawRateKeepsEveryKthPointAndTheLast)
{
    for (int i = 0; i < 10; ++i) graph().append(10 * i, 50);
    graph().setLinesDrawRate(3);
    EXPECT_EQ(geometry(draw()), (Calls{"moveTo 0 50", "lineTo 30 50", "lineTo 60 50", "lineTo 90 50"}));
}

TEST_F(GraphDrawerTest, NewLineBreaksThePolylineAndKeepsThePointBefore)
{
    for (int i = 0; i < 5; ++i) graph().append(10 * i, 10);
    graph().startNewLine();
    for (int i = 5; i < 8; ++i) graph().append(10 * i, 20);
    graph().setLinesDrawRate(4);
    EXPECT_EQ(geometry(draw()), (Calls{"moveTo 0 90", "lineTo 40 90", "moveTo 50 80", "lineTo 70 80"}));
}

TEST_F(GraphDrawerTest, IsolatedPointsAreSinglePixelsInTheGraphColour)
{
    graph().append(10, 10);
    graph().appendIsolated(20, 20);
    graph().append(30, 30);
    graph().setShowLines(HIDE);
    const Calls calls = geometry(draw());
    EXPECT_EQ(calls, (Calls{"moveTo 10 90", "setPixel 20 80 #0000ff", "moveTo 20 80"}));
}

TEST_F(GraphDrawerTest, PointsOnTheSamePixelDrawNothingMore)
{
    plot.setShowPoints(SHOW, 1);
    graph().append(10, 10);
    graph().append(10.2, 10.2);
    graph().append(20, 10);
    const Calls calls = geometry(draw());
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("ellipse", 0) == 0; }), 2);
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("lineTo", 0) == 0; }), 1);
}

TEST_F(GraphDrawerTest, DotsAndTheirHighlight)
{
    plot.setShowPoints(SHOW, 1);
    graph().append(50, 50);
    EXPECT_EQ(geometry(draw()), (Calls{"moveTo 50 50", "ellipse 48 48 53 53", "setPixel 49 49 #ffffff"}));
    plot.setPointsSize(5, 1);
    EXPECT_EQ(geometry(draw()), (Calls{"moveTo 50 50", "ellipse 46 46 55 55", "setPixel 49 49 #ffffff"}));
    // Dashed graphs show no dots, markers only.
    plot.setLineType(DASH, 1);
    plot.setShowMarker(SHOW, 1);
    draw();
    EXPECT_TRUE(surface.only("ellipse").empty());
    EXPECT_EQ(surface.only("beginPath").size(), 1u);
}

TEST_F(GraphDrawerTest, DrawRatesThinDotsAndMarkers)
{
    for (int i = 0; i < 9; ++i) graph().append(10 * i, 50);
    plot.setShowPoints(SHOW, 1);
    plot.setPointsDrawRate(3, 1);
    plot.setShowMarker(SHOW, 1);
    plot.setMarkerDrawRate(4, 1);
    plot.setMarkerType(SQUARE, 1);
    draw();
    // The first point has both; then every third dot and every fourth marker.
    EXPECT_EQ(surface.only("ellipse"), (Calls{"ellipse -2 48 3 53", "ellipse 28 48 33 53", "ellipse 58 48 63 53"}));
    EXPECT_EQ(surface.only("beginPath").size(), 3u);  // points 0, 4, 8
}

TEST_F(GraphDrawerTest, BarsShowEitherBarsOrPointsAndAreOutlinedByScheme)
{
    plot.setType(BARS, 1);
    plot.setShowPoints(SHOW, 1);
    graph().append(10, 30);
    graph().append(20, 50);
    graph().append(30, 40);
    plot.setColorScheme(DARK);
    Calls calls = draw();
    EXPECT_EQ(geometry(calls), (Calls{"moveTo 10 70", "rectangle 10 70 21 101", "rectangle 20 50 31 101"}));
    EXPECT_EQ(surface.only("pen").front(), "pen solid 1 #ffffff");
    plot.setColorScheme(PAPER);
    draw();
    EXPECT_EQ(surface.only("pen").front(), "pen solid 1 #000000");

    plot.setShowLines(HIDE, 1);
    calls = geometry(draw());
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("rectangle", 0) == 0; }), 0);
    EXPECT_EQ(std::count_if(calls.begin(), calls.end(), [](const std::string& c) { return c.rfind("ellipse", 0) == 0; }), 3);
}

TEST_F(GraphDrawerTest, FlatBarsAreALineOnTheZeroLine)
{
    plot.axes().setRange(0, 100, -50, 50, false);
    layoutTransform(plot);
    plot.setType(BARS, 1);
    graph().append(10, 0);
    graph().append(20, 0);
    EXPECT_EQ(geometry(draw()), (Calls{"moveTo 10 50", "moveTo 10 50", "lineTo 21 50"}));
}

TEST_F(GraphDrawerTest, StairsAndStems)
{
    graph().append(10, 10);
    graph().append(20, 30);
    plot.setType(STAIRS, 1);
    EXPECT_EQ(geometry(draw()), (Calls{"moveTo 10 90", "lineTo 20 90", "lineTo 20 70"}));
    plot.setType(STEMS, 1);
    EXPECT_EQ(geometry(draw()), (Calls{"moveTo 10 90", "lineTo 10 100", "moveTo 20 70", "lineTo 20 100"}));
}

TEST_F(GraphDrawerTest, FarPointsAreClippedBeforeTheyReachTheSurface)
{
    graph().append(50, 50);
    graph().append(60, 1e300);
    graph().append(70, -1e300);
    for (const std::string& call : geometry(draw())) {
        int x = 0, y = 0;
        ASSERT_EQ(std::sscanf(call.c_str(), "%*s %d %d", &x, &y), 2) << call;
        EXPECT_GE(x, 0) << call;
        EXPECT_LE(x, 100) << call;
        EXPECT_GE(y, 0) << call;
        EXPECT_LE(y, 100) << call;
    }
}

TEST_F(GraphDrawerTest, ABarFarBelowTheRangeIsDrawnDownwardToTheEdge)
{
    plot.axes().setRange(0, 100, -50, 50, false);  // the zero line at y = 50
    layoutTransform(plot);
    plot.setType(BARS, 1);
    graph().append(10, -1e10);
    graph().append(20, 1e10);
    graph().append(30, 0);
    draw();
    EXPECT_EQ(surface.only("rectangle"), (Calls{"rectangle 10 50 21 101", "rectangle 20 0 31 51"}));
}

TEST_F(GraphDrawerTest, StemsAndLinesToFarValuesReachTheEdge)
{
    // Far away, clipping in one step would lose the segment in rounding.
    for (const double far : {1e17, 1e20, 1e300}) {
        graph().reset();
        graph().append(50, 50);
        graph().append(60, far);
        plot.setType(LINES, 1);
        EXPECT_EQ(geometry(draw()), (Calls{"moveTo 50 50", "lineTo 50 0"})) << far;
        plot.setType(STEMS, 1);
        EXPECT_EQ(geometry(draw()), (Calls{"moveTo 50 50", "lineTo 50 100", "moveTo 60 0", "lineTo 60 100"}))
            << far;
    }
}

TEST_F(GraphDrawerTest, FarValuesOfEveryTypeStayInsideThePicture)
{
    const double far[] = {1e10, -1e10, 1e300, -1e300, 3e4, -3e4};
    graph().append(-1e300, 50);
    for (int i = 0; i < 12; ++i) graph().append(10 * i, far[i % 6]);
    graph().append(50, 50);
    plot.setShowPoints(SHOW, 1);
    plot.setShowMarker(SHOW, 1);
    for (const int16_t type : {LINES, STAIRS, BARS, STEMS}) {
        plot.setType(type, 1);
        for (const std::string& call : draw()) {
            int v[4] = {};
            const int n = std::sscanf(call.c_str(), "%*s %d %d %d %d", &v[0], &v[1], &v[2], &v[3]);
            // A move may stand far off; what is drawn stays inside the
            // rectangle, rectangles one pixel beyond it, dots and markers
            // their size beyond it.
            const bool move = call.rfind("moveTo", 0) == 0;
            for (int i = 0; i < n; ++i) {
                EXPECT_GE(v[i], move ? INT16_MIN : -7) << type << " " << call;
                EXPECT_LE(v[i], move ? INT16_MAX : 108) << type << " " << call;
            }
        }
    }
}

TEST_F(GraphDrawerTest, SampleOfEachType)
{
    plot.setShowMarker(SHOW, 1);
    plot.setMarkerType(CIRCLE, 1);
    surface.clear();
    GraphDrawer(surface, plot, plot.view()).drawSample(graph(), 10, 20, 30, 14);
    EXPECT_EQ(geometry(surface.calls), (Calls{"moveTo 10 20", "lineTo 40 20", "ellipse 21 16 30 25"}));
    plot.setType(BARS, 1);
    surface.clear();
    GraphDrawer(surface, plot, plot.view()).drawSample(graph(), 10, 20, 30, 14);
    EXPECT_EQ(geometry(surface.calls), (Calls{"rectangle 10 13 41 28"}));
}

TEST_F(GraphDrawerTest, IncrementalPointsDrawWhatTheyAdd)
{
    plot.setShowPoints(SHOW, 1);
    appendAndDrawPoint(plot, &surface, 10, 10, 1);
    GraphDrawer(surface, plot, plot.view());  // nothing drawn by construction
    surface.clear();
    appendAndDrawPoint(plot, &surface, 20, 20, 1);
    EXPECT_EQ(geometry(surface.calls), (Calls{"moveTo 10 90", "lineTo 20 80", "ellipse 18 78 23 83",
                                              "setPixel 19 79 #ffffff"}));
    appendAndDrawPoint(plot, nullptr, 30, 30, 1);
    EXPECT_EQ(graph().numPoints(), 3);
}

}  // namespace
}  // namespace kvx
