// Drawing a graph with its pixel-column runs merged, and large graphs by
// pixel column from their summary, must give exactly the picture of drawing
// every segment.

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <limits>
#include <random>
#include <string_view>
#include <tuple>
#include <vector>

#include "platform/qt/qt_image_surface.h"
#include "render/output_dress.h"
#include "render/page_scale.h"
#include "render/plot_painter.h"
#include "scaling/auto_range.h"
#include "model/app_context.h"
#include "settings/keywords.h"
#include "support/recording_surface.h"
#include "window/plot.h"
#include "window/window_drawing.h"

namespace kvx {
namespace {

QImage paint(Plot& plot, bool merge, int width = 640, int height = 520)
{
    QtImageSurface surface(width, height);
    surface.setTextBackgroundOpaque(false);
    PlotPainter painter(surface, plot, clientView(plot));
    painter.setMergeColumns(merge);
    painter.paintPlot();
    return surface.image().copy();
}

int differingPixels(const QImage& a, const QImage& b)
{
    EXPECT_EQ(a.size(), b.size());
    int differing = 0;
    for (int yy = 0; yy < a.height(); ++yy) {
        for (int xx = 0; xx < a.width(); ++xx) {
            if (a.pixel(xx, yy) != b.pixel(xx, yy) && ++differing <= 5) {
                ADD_FAILURE() << "pixel " << xx << "," << yy << " differs";
            }
        }
    }
    return differing;
}

class MergedColumnsTest : public testing::TestWithParam<int16_t> {
protected:
    AppContext context_;
};

TEST_P(MergedColumnsTest, PictureIsIdenticalToDrawingEverySegment)
{
    Plot plot("pixels");
    plot.setClientSize(640, 520);
    std::mt19937 random(1234 + GetParam());
    std::uniform_real_distribution<double> y(-1.0, 1.0);
    std::uniform_int_distribution<int> breaks(0, 60);
    plot.ensureGraphs(3);
    for (int16_t g = 1; g <= 3; ++g) {
        double x = 0;
        for (int i = 0; i < 4000; ++i) {
            // Mostly small steps in x, so that many points share a column.
            x += (i % 97 == 0) ? 3.0 : 0.05;
            if (breaks(random) == 0) {
                plot.graph(g).startNewLine();
            }
            if (breaks(random) == 1) {
                plot.graph(g).appendIsolated(x, y(random) * g);
            } else {
                plot.graph(g).append(x, y(random) * g + std::sin(x / 10));
            }
        }
    }
    plot.setType(GetParam(), 0);
    plot.setShowPoints(SHOW, 2);
    plot.setShowMarker(SHOW, 3);
    plot.setMarkerDrawRate(50, 3);
    autoRangeXY(plot);
    plot.axes().autoTicks(false);
    // Zoomed in a little, so that segments also leave the rectangle.
    plot.axes().zoomAboutCentre(0.8);

    EXPECT_EQ(differingPixels(paint(plot, true), paint(plot, false)), 0);
}

// Large graphs whose x never decreases: dense and sparse stretches, runs of
// equal x, breaks, isolated points, NaN and huge values, both line types.
void fillLargeGraphs(Plot& plot, double direction = 1.0)
{
    std::mt19937 random(99);
    std::uniform_int_distribution<int> event(0, 9999);
    std::normal_distribution<double> noise(0.0, 0.2);
    plot.ensureGraphs(3);
    for (int16_t g = 1; g <= 3; ++g) {
        Graph& graph = plot.graph(g);
        double x = 0.0;
        for (int i = 0; i < 3 * Graph::summaryThreshold; ++i) {
            const int e = event(random);
            x += e < 3000 ? 0.0 : (e < 9990 ? 0.001 * g : 0.5);
            double y = std::sin(x * 3.0 + g) * g + noise(random);
            if (g == 2 && e < 4) {
                y = e < 2 ? std::nan("") : (e == 2 ? 1e300 : -std::numeric_limits<double>::infinity());
            }
            if (g != 1 && e >= 9995) {
                graph.startNewLine();
            }
            if (g == 3 && e == 9994) {
                graph.appendIsolated(direction * x, y);
            } else {
                graph.append(direction * x, y);
            }
        }
    }
    plot.setType(STAIRS, 3);
}

// How many surface calls a painting makes, of those that start with `prefix`.
std::size_t surfaceCalls(Plot& plot, bool merge, std::string_view prefix = "")
{
    test::RecordingSurface surface;
    PlotPainter painter(surface, plot, clientView(plot));
    painter.setMergeColumns(merge);
    painter.paintPlot();
    return surface.only(prefix).size();
}

// Paints the plot by column and segment by segment in views that zoom,
// pan, cut the y range and switch to a logarithmic axis, and compares.
void compareViews(Plot& plot, int width, int height)
{
    plot.setClientSize(width, height);
    // The huge values stay off the picture.
    autoRangeXY(plot);
    const RangeSet automatic = plot.axes().currentRange();
    plot.axes().setRange(automatic.x.min, automatic.x.max, -3.5, 3.5, false);
    plot.axes().autoTicks(false);
    // Points appended later go on from where the drawing of each graph
    // ended, so that state must match too.
    const auto endStates = [&] {
        std::vector<std::tuple<double, double, bool>> states;
        for (const Graph& g : plot.graphs()) {
            const GraphDrawState& st = plot.view().drawState(g);
            states.emplace_back(st.prevX, st.prevY, st.prevVisible);
        }
        return states;
    };
    const auto check = [&](const char* view) {
        SCOPED_TRACE(testing::Message() << width << "x" << height << ", " << view);
        const QImage byColumn = paint(plot, true, width, height);
        const auto columnStates = endStates();
        EXPECT_EQ(differingPixels(byColumn, paint(plot, false, width, height)), 0);
        EXPECT_EQ(columnStates, endStates());
    };
    check("whole");
    const RangeSet whole = plot.axes().currentRange();
    plot.axes().setRange(whole.x.min, whole.x.max, -0.7, 6.0, false);
    check("cut below");
    plot.axes().setRange(whole.x.min, whole.x.max, -0.3, 0.4, false);
    check("cut above and below");
    const double middle = (whole.x.min + whole.x.max) / 2.0;
    for (const double part : {1.0 / 1000.0, 1.0 / 40.0}) {
        const double half = (whole.x.max - whole.x.min) * part / 2.0;
        plot.axes().setRange(middle - half, middle + half, whole.y.min, whole.y.max, false);
        check("x zoomed in");
        plot.axes().shift(3.3 * half, 0.0);
        check("panned");
    }
    plot.axes().setRange(whole.x.min, whole.x.max, whole.y.min, whole.y.max, false);
    plot.axes().zoomAboutCentre(1.0 / 1000.0);
    check("both zoomed in");
    plot.axes().zoomAbout(5000.0, 0.0, 0.0);
    check("zoomed out about the origin");
    // The negative values have no place on a logarithmic y axis.
    ASSERT_TRUE(plot.axes().setRangeAndKinds(whole.x.min, whole.x.max, 0.01, 10.0, AxisKind::Linear,
                                             AxisKind::Logarithmic, false));
    check("logarithmic y");
    ASSERT_TRUE(plot.axes().setRangeAndKinds(whole.x.min, whole.x.max, whole.y.min, whole.y.max, AxisKind::Linear,
                                             AxisKind::Linear, false));
}

TEST(ColumnDrawingTest, LargeGraphsLookAsIfDrawnSegmentBySegment)
{
    Plot plot("columns");
    fillLargeGraphs(plot);
    ASSERT_TRUE(plot.graph(1).summary() && plot.graph(1).xNonDecreasing());
    for (const auto& [width, height] : {std::pair{640, 520}, {257, 143}, {1021, 700}}) {
        compareViews(plot, width, height);
    }
}

// Graph 1 alone, at the y range of the others: drawn by column, not point by
// point (the others have breaks, which a draw rate leaves to the drawing
// point by point).
void expectDrawnByColumn(Plot& plot)
{
    const RangeSet r = plot.axes().currentRange();
    plot.axes().setRange(r.x.min, r.x.max, -3.5, 3.5, false);
    const Graph& g = plot.graph(1);
    const int16_t lines = g.showLines(), markers = g.showMarker(), dots = g.showPoints();
    for (const int16_t other : {2, 3}) {
        plot.setShowLines(HIDE, other);
        plot.setShowMarker(HIDE, other);
        plot.setShowPoints(HIDE, other);
    }
    EXPECT_LT(surfaceCalls(plot, true) * 2, surfaceCalls(plot, false));
    plot.setShowLines(lines, 0);
    plot.setShowMarker(markers, 0);
    plot.setShowPoints(dots, 0);
}

TEST(ColumnDrawingTest, EveryStyleLooksAsIfDrawnSegmentBySegment)
{
    Plot plot("styles");
    fillLargeGraphs(plot);
    // Graph 1 has no breaks, so its thinned points go by column too.
    const struct {
        const char* name;
        int16_t type, width, rate, lines, markers, dots, size;
        int16_t lineType = SOLID;
    } styles[] = {{"stairs", STAIRS, 1, 1, SHOW, HIDE, HIDE, 3},
                  {"bars", BARS, 1, 1, SHOW, HIDE, HIDE, 3},
                  {"stems", STEMS, 1, 1, SHOW, HIDE, HIDE, 3},
                  {"draw rate 7", LINES, 1, 7, SHOW, HIDE, HIDE, 3},
                  {"width 3", LINES, 3, 1, SHOW, HIDE, HIDE, 3},
                  {"stems, draw rate 3", STEMS, 1, 3, SHOW, HIDE, HIDE, 3},
                  {"markers", LINES, 1, 1, SHOW, SHOW, HIDE, 3},
                  {"markers, width 2, draw rate 2", LINES, 2, 2, SHOW, SHOW, HIDE, 3},
                  {"markers without lines", LINES, 1, 1, HIDE, SHOW, HIDE, 3},
                  {"dots", LINES, 1, 1, SHOW, HIDE, SHOW, 3},
                  {"dots of size 5, stairs", STAIRS, 1, 1, SHOW, HIDE, SHOW, 5},
                  {"dots of size 1 without lines", LINES, 1, 1, HIDE, HIDE, SHOW, 1},
                  {"dashed, with dots", LINES, 1, 1, SHOW, HIDE, SHOW, 3, DASH},
                  {"dash-dotted", LINES, 1, 1, SHOW, HIDE, HIDE, 3, DASHDOT}};
    // Smooth curves, whose steps stay below a row in the whole view (above
    // zero, so that the logarithmic view ends on a point too).
    Plot smooth("smooth");
    smooth.ensureGraphs(2);
    for (int i = 0; i < 3 * Graph::summaryThreshold; ++i) {
        smooth.graph(1).append(i * 0.001, 2.0 + std::sin(i * 0.001));
        smooth.graph(2).append(i * 0.001, 2.0 + 0.3 * std::cos(i * 0.0007));
    }
    smooth.setClientSize(640, 520);
    Plot decreasing("decreasing x");
    fillLargeGraphs(decreasing, -1.0);
    decreasing.setClientSize(640, 520);
    ASSERT_TRUE(decreasing.graph(1).xNonIncreasing() && !decreasing.graph(1).xNonDecreasing());
    for (const auto& style : styles) {
        SCOPED_TRACE(style.name);
        const auto restyle = [&](Plot& p) {
            p.setType(style.type, 0);
            p.setLineWidth(style.width, 0);
            p.setLinesDrawRate(style.rate, 0);
            p.setShowLines(style.lines, 0);
            p.setShowMarker(style.markers, 0);
            p.setShowPoints(style.dots, 0);
            p.setPointsSize(style.size, 0);
            p.setLineType(style.lineType, 0);
        };
        if (style.dots == SHOW || style.lineType != SOLID) {
            SCOPED_TRACE("smooth");
            restyle(smooth);
            compareViews(smooth, 640, 520);
        }
        if ((style.type == STEMS || style.markers == SHOW || style.dots == SHOW) && style.lineType == SOLID) {
            SCOPED_TRACE("decreasing x");
            restyle(decreasing);
            autoRangeXY(decreasing);
            expectDrawnByColumn(decreasing);
            compareViews(decreasing, 640, 520);
        }
        restyle(plot);
        plot.setClientSize(640, 520);
        autoRangeXY(plot);
        // Bars within a column draw nothing anyway; dashes go by block
        // where the points rise or fall, which the noisy graphs seldom do.
        if (style.type != BARS && style.lineType == SOLID) {
            expectDrawnByColumn(plot);
        }
        compareViews(plot, 640, 520);
    }
}

TEST(ColumnDrawingTest, DashesThatRiseOrFallInAColumnGoABlockAtATime)
{
    // A zigzag of 128 points up and 128 down, each point four rows from the
    // one before, about 150 points to a column: a block or part of one at a
    // time where each point is a piece of its own segment by segment.
    Plot plot("zigzag");
    plot.ensureGraphs(1);
    for (int i = 0; i < 3 * Graph::summaryThreshold; ++i) {
        const int k = i % 256;
        plot.graph(1).append(i * 1e-5, 1.0 + (k < 128 ? k : 255 - k));
    }
    for (const int16_t type : {DASH, DOT, DASHDOT}) {
        SCOPED_TRACE(type);
        plot.setLineType(type, 0);
        compareViews(plot, 640, 520);
        autoRangeXY(plot);
        EXPECT_LT(surfaceCalls(plot, true, "lineTo") * 5, surfaceCalls(plot, false, "lineTo"));
    }
    // Smoothed, every piece is drawn.
    plot.settings().antiAlias = SHOW;
    EXPECT_EQ(differingPixels(paint(plot, true), paint(plot, false)), 0);
}

TEST(ColumnDrawingTest, SmoothedDrawsThePixelsOfDrawingSegmentBySegment)
{
    // Smoothed pieces, dots and markers that overlap add up their edges'
    // coverage, so drawn once instead of many times some edge pixels come
    // out lighter: the same pixels are drawn, some in other shades (dense
    // dots have edges everywhere).
    Plot plot("smoothed");
    fillLargeGraphs(plot);
    plot.settings().antiAlias = SHOW;
    plot.setClientSize(640, 520);
    autoRangeXY(plot);
    plot.axes().setRange(plot.axes().currentRange().x.min, plot.axes().currentRange().x.max, -3.5, 3.5, false);
    for (const auto& [name, markers, dots, width, shades] :
         {std::tuple{"lines", HIDE, HIDE, 1, 50}, {"markers", SHOW, HIDE, 1, 50}, {"dots", HIDE, SHOW, 1, 5},
          {"width 3", HIDE, HIDE, 3, 50}}) {
        SCOPED_TRACE(name);
        plot.setShowMarker(markers, 0);
        plot.setShowPoints(dots, 0);
        plot.setLineWidth(static_cast<int16_t>(width), 0);
        const QImage byColumn = paint(plot, true);
        const QImage bySegment = paint(plot, false);
        const QRgb background = bySegment.pixel(320, 2);
        int drawn = 0, drawnInOne = 0, shaded = 0;
        for (int y = 0; y < bySegment.height(); ++y) {
            for (int x = 0; x < bySegment.width(); ++x) {
                const QRgb a = byColumn.pixel(x, y);
                const QRgb b = bySegment.pixel(x, y);
                drawn += b != background;
                drawnInOne += (a == background) != (b == background);
                shaded += a != b;
            }
        }
        EXPECT_EQ(drawnInOne, 0);
        EXPECT_LT(shaded * shades, drawn);
    }
}

TEST(ColumnDrawingTest, APrintedPageLooksAsIfDrawnSegmentBySegment)
{
    // A window of 640 x 520 on a page three times as fine, its lines
    // thickened as printing does: wide round-capped lines by pixel column.
    const int width = 1920, height = 1560;
    Plot plot("page");
    plot.setClientSize(width, height);
    fillLargeGraphs(plot);
    autoRangeXY(plot);
    const RangeSet automatic = plot.axes().currentRange();
    plot.axes().setRange(automatic.x.min, automatic.x.max, -3.5, 3.5, false);
    plot.axes().autoTicks(false);
    const OutputDress dress(plot, OUTPUT_COLORED);
    scaleLines(plot, 3.0);
    ASSERT_EQ(plot.graph(1).lineWidth(), 3);
    // Drawn by column at all: a few pieces per column, not one per point.
    EXPECT_LT(surfaceCalls(plot, true, "lineTo") * 5, surfaceCalls(plot, false, "lineTo"));
    const QImage byColumn = paint(plot, true, width, height);
    EXPECT_EQ(differingPixels(byColumn, paint(plot, false, width, height)), 0);
    plot.axes().zoomAboutCentre(1.0 / 50.0);
    EXPECT_EQ(differingPixels(paint(plot, true, width, height), paint(plot, false, width, height)), 0);
}

INSTANTIATE_TEST_SUITE_P(GraphTypes, MergedColumnsTest,
                         testing::Values(int16_t{LINES}, int16_t{STAIRS}, int16_t{STEMS}, int16_t{BARS}));

}  // namespace
}  // namespace kvx
