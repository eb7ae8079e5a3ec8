#include "render/plot_painter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "render/label_format.h"
#include "model/app_context.h"
#include "settings/keywords.h"
#include "support/recording_surface.h"
#include "window/window_drawing.h"

namespace kvx {
namespace {

using Texts = std::vector<std::string>;

TEST(LabelFormat, PlainDecimalAndFactoredForms)
{
    LabelFormat f = labelFormat(0, 10, 2, 6);
    EXPECT_EQ(f.exponent, 0);
    EXPECT_EQ(tickLabel(4, f), "4");
    f = labelFormat(0, 0.5, 0.1, 6);
    EXPECT_EQ(f.exponent, 0);
    EXPECT_EQ(tickLabel(0.30000000000000004, f), "0.3");
    EXPECT_EQ(tickLabel(0, f), "0.0");
    f = labelFormat(0, 1e7, 2e6, 6);
    EXPECT_EQ(f.exponent, 7);
    EXPECT_EQ(tickLabel(2e6, f), "0.2");
    EXPECT_EQ(tickLabel(1e7, f), "1.0");
    f = labelFormat(-0.003, 0.002, 0.001, 6);
    EXPECT_EQ(f.exponent, 0);
    EXPECT_EQ(tickLabel(-0.002, f), "-0.002");
    f = labelFormat(0, 1e-8, 2e-9, 6);  // too small for plain decimals
    EXPECT_EQ(f.exponent, -8);
    EXPECT_EQ(tickLabel(4e-9, f), "0.4");
    f = labelFormat(1000, 1001, 0.5, 6);
    EXPECT_EQ(f.exponent, 0);
    EXPECT_EQ(tickLabel(1000.5, f), "1000.5");
    f = labelFormat(100000, 100001, 0.5, 6);  // no digit left for decimals
    EXPECT_EQ(tickLabel(100000.5, f), "100000");
}

class PlotPainterTest : public testing::Test {
protected:
    PlotPainterTest()
    {
        plot.setClientSize(640, 520);
        plot.axes().setRange(0, 10, 0, 5, false);
        plot.axes().setTicks({{2, 1}, {1, 0.5}});
    }
    AppContext context_;

    void paint()
    {
        surface.clear();
        PlotPainter(surface, plot, clientView(plot)).paintPlot();
    }
    Texts texts() const
    {
        Texts out;
        for (const std::string& call : surface.only("text ")) {
            out.push_back(call.substr(call.find(' ', call.find(' ', 5) + 1) + 1));
        }
        return out;
    }

    Plot plot{"paint"};
    test::RecordingSurface surface;
};

TEST_F(PlotPainterTest, LaysOutTheRectangleAndLabelsEveryTick)
{
    paint();
    EXPECT_EQ(plot.view().plotRect, (DeviceRect{85, 40, 605, 445}));
    const Texts t = texts();
    const Texts expected = {"0", "2", "4", "6", "8", "10", "0", "1", "2", "3", "4", "5", "", "", ""};
    EXPECT_EQ(t, expected);
    // The whole client area in the margin colour first, then the plot area.
    const auto fills = surface.only("fillRect");
    ASSERT_GE(fills.size(), 2u);
    EXPECT_EQ(fills[0], "fillRect 0 0 640 520 #404040");
    EXPECT_EQ(fills[1], "fillRect 85 40 606 446 #000000");
}

TEST_F(PlotPainterTest, ZeroIsNeverLabelledNegative)
{
    plot.axes().setRange(-0.5, 20.5, -0.4, 5, false);
    plot.axes().setTicks({{5, 2.5}, {1, 0.5}});
    paint();
    const Texts t = texts();
    EXPECT_EQ(t[0], "0");
    EXPECT_EQ(std::find(t.begin(), t.end(), "-0"), t.end());
}

TEST_F(PlotPainterTest, TicksAtTheRangeEndsGetLabelsButNoMarks)
{
    // x ticks at 0, 2, ..., 10: the marks of 0 and 10 would lie on the frame.
    paint();
    const auto lines = surface.calls;
    const std::string markAt0 = "lineTo 85 " + std::to_string(445 - 1 - 7);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), markAt0), 0);
    const std::string markAt2 = "lineTo 189 " + std::to_string(445 - 1 - 7);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), markAt2), 2);  // drawn again over the graphs
}

TEST_F(PlotPainterTest, FrameLinesOfEachScheme)
{
    plot.setShowGrid(HIDE);
    plot.axes().setTicks({{20, 20}, {20, 20}});  // no tick inside: only frame lines
    // The frame's corners: (L, B) = (85, 445), (R, T) = (605, 40).
    auto frame = [this] {
        PlotPainter(surface, plot, clientView(plot)).paintFrameAndGrid();
        std::vector<std::string> lines;
        for (std::size_t i = 0; i + 1 < surface.calls.size(); ++i) {
            if (surface.calls[i].rfind("moveTo", 0) == 0 && surface.calls[i + 1].rfind("lineTo", 0) == 0) {
                lines.push_back(surface.calls[i].substr(7) + " " + surface.calls[i + 1].substr(7));
            }
        }
        surface.clear();
        return lines;
    };
    using Lines = std::vector<std::string>;
    paint();
    surface.clear();
    EXPECT_EQ(frame(), (Lines{"85 445 606 445", "605 445 605 39", "85 444 85 39", "85 40 605 40"}));
    plot.setColorScheme(PAPER);
    EXPECT_EQ(frame(), (Lines{"85 445 606 445", "605 445 605 39", "85 444 85 39", "85 40 605 40",
                              "84 446 607 446", "606 446 606 38", "84 445 84 38", "84 39 606 39"}));
    plot.setShowCoorSystem(SHOW_HALF);
    EXPECT_EQ(frame(), (Lines{"85 445 606 445", "85 445 85 39", "84 446 606 446", "84 446 84 39"}));
    plot.setColorScheme(DARK);
    EXPECT_EQ(frame(), (Lines{"85 445 606 445", "85 445 85 39"}));
    plot.setColorScheme(FANCY);  // the sunken bevel, whatever the mode
    const Lines fancy = frame();
    ASSERT_EQ(fancy.size(), 8u);
    EXPECT_EQ(fancy[0], "85 445 606 445");
    EXPECT_EQ(fancy[2], "84 446 607 446");
    EXPECT_EQ(fancy[7], "84 39 606 39");
    plot.setShowCoorSystem(HIDE);
    EXPECT_EQ(frame().size(), 0u);
}

TEST_F(PlotPainterTest, HiddenCoordinateSystemFillsTheWindowWithThePlotColour)
{
    plot.setShowCoorSystem(HIDE);
    plot.setLables("x", "y", "title");
    paint();
    EXPECT_TRUE(texts().empty());
    EXPECT_EQ(surface.only("fillRect").front(), "fillRect 0 0 640 520 #000000");
}

TEST_F(PlotPainterTest, FactorTextsForLargeValues)
{
    plot.axes().setRange(0, 1e7, 0, 5, false);
    plot.axes().setTicks({{2e6, 1e6}, {1, 0.5}});
    paint();
    const Texts t = texts();
    EXPECT_EQ(t[0], "0.0");
    EXPECT_EQ(t[5], "1.0");
    EXPECT_NE(std::find(t.begin(), t.end(), " 7"), t.end());
    EXPECT_NE(std::find(t.begin(), t.end(), "x 10"), t.end());
}

TEST_F(PlotPainterTest, HalfSystemHasTicksOnlyBottomAndLeft)
{
    plot.setShowGrid(HIDE);
    // Marks hanging down from the top edge (y 40) end at 40 + 1 + the mark's length.
    auto topMarks = [this] {
        int count = 0;
        for (const std::string& call : surface.only("lineTo")) {
            int x = 0, y = 0;
            std::sscanf(call.c_str(), "lineTo %d %d", &x, &y);
            count += (y == 40 + 1 + 7 || y == 40 + 1 + 4) ? 1 : 0;
        }
        return count;
    };
    paint();
    EXPECT_GT(topMarks(), 0);
    plot.setShowCoorSystem(SHOW_HALF);
    paint();
    EXPECT_EQ(topMarks(), 0);
    EXPECT_FALSE(texts().empty());
}

TEST_F(PlotPainterTest, LegendFitsOrIsLeftOut)
{
    plot.ensureGraphs(2);
    plot.setShowLegend(SHOW_UPRIGHT);
    paint();
    Texts t = texts();
    EXPECT_NE(std::find(t.begin(), t.end(), "Graph 2"), t.end());
    const LegendLayout& legend = plot.view().legend;
    EXPECT_EQ(legend.width, 3 * 6 + 30 + 7 * 8);
    EXPECT_EQ(legend.height, 2 * legend.lineHeight + 12);
    EXPECT_EQ(legend.rightReserve, 0);

    plot.setClientSize(200, 520);  // too narrow for the box inside
    paint();
    t = texts();
    EXPECT_EQ(std::find(t.begin(), t.end(), "Graph 2"), t.end());

    plot.setShowLegend(SHOW_OUTRIGHT);  // always drawn, beside the rectangle
    paint();
    t = texts();
    EXPECT_NE(std::find(t.begin(), t.end(), "Graph 2"), t.end());
    EXPECT_EQ(plot.view().legend.rightReserve, plot.view().legend.width);
    EXPECT_EQ(plot.view().plotRect.right, 200 - 35 - plot.view().legend.width);
}

TEST_F(PlotPainterTest, AbsurdTickSpacingsDrawNoTicksInsteadOfHanging)
{
    plot.axes().setRange(0, 1e9, 0, 5, false);
    plot.axes().setTicks({{1e-9, 1e-9}, {1, 0.5}});
    paint();
    for (const std::string& text : texts()) {
        EXPECT_TRUE(text.empty() || text.find_first_of("0123456789") != std::string::npos);
    }
    EXPECT_LT(surface.calls.size(), 1000u);
}

TEST_F(PlotPainterTest, NoAxisGetsMoreTicksOrGridLinesThanItHasPixels)
{
    // The x axis runs over the 521 pixels 85 to 605, the y axis over 406.
    const auto count = [this](const std::string& prefix) { return surface.only(prefix).size(); };
    plot.setShowCoorSystem(SHOW_HALF);
    plot.axes().setRange(0, 520, 0, 5, false);
    plot.axes().setTicks({{1, 1}, {10, 10}});  // 521 x ticks: one a pixel
    paint();
    // Labels on every 50th tick only (0, 50, ... 500): more would run into
    // each other; with the y label at 0 and the titles.
    EXPECT_EQ(count("text "), 11u + 1u + 3u);
    const std::size_t oneAPixel = count("lineTo");
    EXPECT_GT(oneAPixel, 1000u);  // grid lines and marks

    plot.axes().setRange(0, 521, 0, 5, false);  // 522 ticks: more than pixels
    paint();
    EXPECT_EQ(count("text "), 1u + 3u);
    EXPECT_LT(count("lineTo"), 100u);
}

TEST_F(PlotPainterTest, LabelsThatWouldRunIntoEachOtherStandOnEverySecondOrFifthTick)
{
    // Half a km/h on 520 pixels, a tenth on 405: labelled where they fit,
    // at whole multiples of the label step; every tick keeps its mark.
    plot.axes().setRange(8, 20, 0, 5, false);
    plot.axes().setTicks({{0.5, 0.1}, {0.1, 0.05}});
    paint();
    const Texts expected = {"8.0",  "9.0",  "10.0", "11.0", "12.0", "13.0", "14.0", "15.0", "16.0",
                            "17.0", "18.0", "19.0", "20.0", "0.0",  "0.5",  "1.0",  "1.5",  "2.0",
                            "2.5",  "3.0",  "3.5",  "4.0",  "4.5",  "5.0",  "",     "",     ""};
    EXPECT_EQ(texts(), expected);
    const std::string xMarkAt8_5 = "lineTo 107 " + std::to_string(445 - 1 - 7);  // 85 + 520 / 24, rounded
    EXPECT_EQ(std::count(surface.calls.begin(), surface.calls.end(), xMarkAt8_5), 2);
    // Where they fit, every tick is labelled, as before.
    plot.axes().setTicks({{1, 0.5}, {0.5, 0.1}});
    paint();
    EXPECT_EQ(texts().size(), 13u + 11u + 3u);
}

TEST_F(PlotPainterTest, NeighbouringLabelsNeverReadAlike)
{
    // Air pressure to the hundredth: a third decimal, not three "1013.26".
    plot.axes().setRange(0, 10, 1013.25, 1013.26, false);
    plot.axes().setTicks({{2, 1}, {0.002, 0.001}});
    paint();
    Texts t = texts();
    EXPECT_EQ(Texts(t.begin() + 6, t.begin() + 12),
              (Texts{"1013.250", "1013.252", "1013.254", "1013.256", "1013.258", "1013.260"}));
    // An hour of Unix times: their common part once beside the axis, where
    // a factor would stand, not six "1.70000".
    plot.axes().setRange(1699999820, 1700003780, 0, 5, false);
    plot.axes().setTicks({{500, 100}, {1, 0.5}});
    paint();
    t = texts();
    EXPECT_EQ(Texts(t.begin(), t.begin() + 8), (Texts{"0", "500", "1000", "1500", "2000", "2500", "3000", "3500"}));
    ASSERT_EQ(surface.only("text 605 ").size(), 1u);  // right-aligned at the plot's right
    EXPECT_EQ(surface.only("text 605 ").front(), "text 605 " + std::to_string(445 + 50) + " +1.7e9");
    EXPECT_EQ(std::find(t.begin(), t.end(), "x 10"), t.end());
    // The same below zero, on the y axis: above it, where its factor would stand.
    plot.axes().setRange(0, 10, -1700003600, -1700000000, false);
    plot.axes().setTicks({{2, 1}, {1000, 500}});
    paint();
    t = texts();
    EXPECT_EQ(Texts(t.begin() + 6, t.begin() + 10), (Texts{"-3000", "-2000", "-1000", "0"}));
    EXPECT_NE(std::find(t.begin(), t.end(), "-1.7e9"), t.end());
}

}  // namespace
}  // namespace kvx
