#include "window/print_commands.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "model/color_scheme.h"
#include "window/plot.h"
#include "platform/window_messages.h"
#include "render/output_dress.h"
#include "model/app_context.h"
#include "settings/keywords.h"
#include "support/recording_desktop.h"
#include "support/recording_native_window.h"
#include "window/command_dispatcher.h"
#include "app/commands.h"

namespace kvx {
namespace {

using Texts = std::vector<std::string>;

class PrintCommandsTest : public testing::Test {
protected:
    PrintCommandsTest() { desktop_.printerPage = DeviceSize{4800, 6600, 200.0, 280.0}; }

    // A window of 640 x 520 client pixels with two graphs.
    Plot& makeWindow(const char* title = "Kurvex")
    {
        plots_.push_back(std::make_unique<Plot>(title));
        Plot& p = *plots_.back();
        p.ensureGraphs(2);
        p.append(0, 0, 1);
        p.append(10, 5, 1);
        p.createWindow();
        p.axes().setRange(0, 10, 0, 5, false);
        p.axes().setTicks({{2, 1}, {1, 0.5}});
        native(p).client = {0, 0, 640, 520};
        p.readClientSize();
        p.redraw();
        return p;
    }
    static test::RecordingNativeWindow& native(Plot& p)
    {
        return static_cast<test::RecordingNativeWindow&>(*p.nativeWindow());
    }
    static Texts fonts(const test::RecordingSurface& s) { return s.only("font"); }

    test::RecordingDesktop desktop_;
    AppContext context_{desktop_};
    std::vector<std::unique_ptr<Plot>> plots_;
};

TEST_F(PrintCommandsTest, APageOfAWindowFillsThePageWidthAndTheWindowKeepsItsPicture)
{
    Plot& p = makeWindow();
    const PlotSettings settings = p.settings();
    const DeviceRect windowRect = p.view().plotRect;
    native(p).recording.clear();
    p.redraw();
    const Texts windowPicture = native(p).recording.calls;
    native(p).recording.clear();
    bool disabledWhilePrinting = false;
    desktop_.waitingMessages.push_back([&] { disabledWhilePrinting = !native(p).enabled; });

    p.handleMessage(MSG_COMMAND, CMD_PRINT_BLACK_WHITE, 0);

    ASSERT_EQ(desktop_.printedDocuments.size(), 1u);
    const test::PrintedDocument& doc = desktop_.printedDocuments[0];
    EXPECT_EQ(doc.name, "Kurvex #" + std::to_string(p.plotNumber()));
    EXPECT_EQ(doc.steps, (Texts{"startPage", "endPage", "finish"}));
    // t = 7.5 (the width limits), B = sqrt(200 / 200) * 7.5: the picture is
    // 4800 x 3900, the indents 40, 75, 85, 35 become 300, 562, 637, 262.
    const Texts fills = doc.page.only("fillRect");
    ASSERT_GE(fills.size(), 2u);
    EXPECT_EQ(fills[0], "fillRect 0 0 4800 3900 " + test::colorText(schemeColors(PAPER).margin));
    EXPECT_EQ(fills[1], "fillRect 637 300 4539 3339 " + test::colorText(schemeColors(PAPER).plot));
    EXPECT_EQ(fonts(doc.page).front(), "font 127");
    EXPECT_EQ(doc.page.only("textColor").front(), "textColor " + test::colorText(schemeColors(PAPER).text));
    EXPECT_NE(std::find(doc.page.calls.begin(), doc.page.calls.end(),
                        "pen solid 7 " + test::colorText(schemeColors(PAPER).frame)),
              doc.page.calls.end());

    EXPECT_TRUE(disabledWhilePrinting);
    ASSERT_EQ(desktop_.cancelBoxes.size(), 1u);
    EXPECT_EQ(desktop_.cancelBoxes[0].caption, "Kurvex");
    EXPECT_FALSE(desktop_.cancelBoxes[0].shown);
    EXPECT_TRUE(native(p).enabled);
    // The plot, its window's view and its picture (repainted after the
    // print) are those of before.
    EXPECT_EQ(p.settings(), settings);
    EXPECT_EQ(p.colorScheme(), DARK);
    EXPECT_EQ(p.clientWidth(), 640);
    EXPECT_EQ(p.view().width, 640);
    EXPECT_EQ(p.view().plotRect, windowRect);
    EXPECT_EQ(native(p).recording.calls, windowPicture);
}

TEST_F(PrintCommandsTest, ThePrintFactorScalesEveryWidthAndGraphsComeBack)
{
    Plot& p = makeWindow();
    p.settings().printFactor = 2.0;  // B = 15
    p.setLineWidth(3, 1);
    p.setMarkerSize(5, 2);
    EXPECT_FALSE(printPlot(p, OUTPUT_COLORED, p.settings().printFactor));
    const test::RecordingSurface& page = desktop_.printedDocuments.at(0).page;
    EXPECT_EQ(fonts(page).front(), "font 255");
    EXPECT_EQ(page.only("textColor").front(), "textColor " + test::colorText(schemeColors(DARK).text));
    const Texts pens = page.only("pen solid 45 ");
    EXPECT_FALSE(pens.empty());  // graph 1's line of width 3
    EXPECT_EQ(p.graph(1).lineWidth(), 3);
    EXPECT_EQ(p.graph(2).markerSize(), 5);
}

TEST_F(PrintCommandsTest, ADashedGraphIsAsWideAsTheGridOnPaperAndOnePixelOnTheScreen)
{
    Plot& p = makeWindow();
    p.setLineType(DASH, 1);
    p.redraw();
    const std::string screenPen = "pen dash 1 ";
    EXPECT_FALSE(native(p).recording.only(screenPen).empty());
    EXPECT_FALSE(printPlot(p, OUTPUT_COLORED, 1.0));
    // B = 7.5: the dotted grid's dashes are 3 x 7 pixels on 7-pixel lines;
    // the graph's pen is 7 pixels wide, its dashes enlarged with it.
    const test::RecordingSurface& page = desktop_.printedDocuments.at(0).page;
    const std::string gridPen = "pen solid 7 " + test::colorText(p.settings().gridColor);
    const auto grid = std::find(page.calls.begin(), page.calls.end(), gridPen);
    ASSERT_NE(grid, page.calls.end());
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    ASSERT_EQ(std::sscanf(grid[1].c_str(), "moveTo %d %d", &x0, &y0), 2) << grid[1];
    ASSERT_EQ(std::sscanf(grid[2].c_str(), "lineTo %d %d", &x1, &y1), 2) << grid[2];
    EXPECT_EQ(std::abs(x1 - x0) + std::abs(y1 - y0), 3 * 7);
    EXPECT_FALSE(page.only("pen dash 7 ").empty());
    EXPECT_TRUE(page.only(screenPen).empty());
    EXPECT_EQ(p.settings().dashLineWidth, 1);
}

TEST_F(PrintCommandsTest, EveryPlotOfTheSessionIsADocumentNamedAfterItsTitle)
{
    Plot& first = makeWindow();
    Plot& second = makeWindow("Velocity");
    EXPECT_TRUE(dispatchCommand(second, CMD_SESSION_PRINT_COLORED));
    ASSERT_EQ(desktop_.printedDocuments.size(), 2u);
    EXPECT_EQ(desktop_.printedDocuments[0].name, "Kurvex #" + std::to_string(first.plotNumber()));
    EXPECT_EQ(desktop_.printedDocuments[1].name,
              "Kurvex #" + std::to_string(second.plotNumber()) + ": Velocity");
    EXPECT_EQ(desktop_.cancelBoxes.at(1).owner, second.nativeWindow());
}

TEST_F(PrintCommandsTest, WithoutADefaultPrinterTheUserIsToldAndNothingElseHappens)
{
    Plot& p = makeWindow();
    desktop_.printerPage.reset();
    const PlotSettings settings = p.settings();
    EXPECT_TRUE(printPlot(p, OUTPUT_BLACK_WHITE, 1.0));
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(desktop_.boxes[0].text, "No default printer available!");
    EXPECT_EQ(desktop_.boxes[0].caption, "Kurvex");
    EXPECT_TRUE(desktop_.cancelBoxes.empty());
    EXPECT_TRUE(native(p).enabled);
    EXPECT_EQ(p.settings(), settings);
}

TEST_F(PrintCommandsTest, CancelOrARefusedStepAbortsTheDocumentAndRestoresThePlot)
{
    Plot& p = makeWindow();
    const PlotSettings settings = p.settings();
    desktop_.waitingMessages.push_back([&] { desktop_.cancelBoxes.back().cancelled = true; });
    EXPECT_TRUE(printPlot(p, OUTPUT_BLACK_WHITE, 1.0));
    EXPECT_EQ(desktop_.printedDocuments.at(0).steps, (Texts{"startPage", "abort"}));
    EXPECT_FALSE(desktop_.cancelBoxes.at(0).shown);
    EXPECT_TRUE(native(p).enabled);
    EXPECT_EQ(p.settings(), settings);

    desktop_.refusedPrintStep = "endPage";
    EXPECT_TRUE(printPlot(p, OUTPUT_BLACK_WHITE, 1.0));
    EXPECT_EQ(desktop_.printedDocuments.at(1).steps, (Texts{"startPage", "endPage", "abort"}));
    EXPECT_TRUE(desktop_.boxes.empty());
    EXPECT_EQ(p.settings(), settings);
    EXPECT_EQ(p.colorScheme(), DARK);
}

TEST_F(PrintCommandsTest, AnEmptyClientAreaPrintsNothingAndFails)
{
    Plot& p = makeWindow();
    native(p).client = {0, 0, 0, 0};
    p.readClientSize();
    EXPECT_TRUE(printPlot(p, OUTPUT_COLORED, 1.0));
    EXPECT_EQ(desktop_.printedDocuments.at(0).steps, (Texts{"startPage", "abort"}));
}

}  // namespace
}  // namespace kvx
