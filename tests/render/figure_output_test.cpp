// Figures on the recording desktop: their size, their colours, the dialog
// that names them, and the window they leave as it was.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "window/plot.h"
#include "render/figure_output.h"
#include "model/app_context.h"
#include "settings/keywords.h"
#include "dialogs/control_ids.h"
#include "support/recording_desktop.h"
#include "support/recording_dialog_controls.h"
#include "window/command_dispatcher.h"
#include "app/commands.h"

namespace kvx {
namespace {

TEST(FigureSize, TheLargerSideTakesTheSizeAndTheOtherFollows)
{
    EXPECT_EQ(figureSize(640, 520, 1025).width, 1025);
    EXPECT_EQ(figureSize(640, 520, 1025).height, 832);
    EXPECT_EQ(figureSize(520, 640, 1025).width, 832);
    EXPECT_EQ(figureSize(500, 500, 1025).height, 1025);
    EXPECT_EQ(figureSize(640, 520, 0).width, 640);
    EXPECT_EQ(pictureFormatOf("a.b/Fig.SVG"), PictureFormat::Svg);
    EXPECT_EQ(pictureFormatOf("a.png/fig"), std::nullopt);
}

TEST(FigureOutput, SaveFigureDrawsInBlackAndWhiteAndLeavesTheWindowAsItWas)
{
    test::RecordingDesktop desktop;
    desktop.workingDir = "/home/u";
    AppContext context(desktop);
    auto plot = std::make_unique<Plot>("Kurvex");
    plot->createWindow();
    plot->setColorScheme(DARK);
    plot->addGraph();
    plot->graph(1).append(0, 0);
    plot->graph(1).append(1, 1);
    plot->redraw();
    const PlotSettings settings = plot->settings();
    const PlotView view = plot->view();

    desktop.fileAnswers = {std::string("/tmp/fig")};
    sendCommand(*plot, CMD_SAVE_FIGURE_BLACK_WHITE);
    desktop.fileAnswers = {std::string("/tmp/wide.SVG")};
    sendCommand(*plot, CMD_SAVE_FIGURE_FULL_SCREEN);

    ASSERT_EQ(desktop.fileDialogs.size(), 2u);
    EXPECT_EQ(desktop.fileDialogs[0].title, "Save Figure");
    EXPECT_EQ(desktop.fileDialogs[0].filters[0].patterns, "*.emf");
    EXPECT_EQ(desktop.fileDialogs[0].proposal, "/home/u/Kurvex.emf");
    ASSERT_EQ(desktop.finishedPictures.size(), 2u);
    const test::RecordedPicture& paper = desktop.finishedPictures[0];
    EXPECT_EQ(paper.format, PictureFormat::Emf);
    EXPECT_EQ(paper.title, "Kvx - Kurvex");
    EXPECT_EQ(paper.width, plot->clientWidth());
    // Black and white: the paper scheme's white margin, black lines.
    const auto fill = std::find_if(paper.calls.begin(), paper.calls.end(),
                                   [](const std::string& call) { return call.starts_with("fillRect"); });
    ASSERT_NE(fill, paper.calls.end());
    EXPECT_TRUE(fill->ends_with("#ffffff")) << *fill;
    const test::RecordedPicture& wide = desktop.finishedPictures[1];
    EXPECT_EQ(wide.format, PictureFormat::Svg);
    EXPECT_EQ(wide.width, plot->screenWidth());

    EXPECT_EQ(plot->settings(), settings);
    EXPECT_EQ(plot->view().x.scale, view.x.scale);
    EXPECT_EQ(plot->view().plotRect, view.plotRect);
    EXPECT_TRUE(desktop.boxes.empty());
}

// "On Paper ...": a wrong size is named and the box stays; the size typed
// gives the pixels at the dots per inch for PNG, at 96 for vector files,
// and the box offers it again next time.
TEST(FigureOutput, OnPaperAsksForASizeThenAFileAndRemembersTheSize)
{
    test::RecordingDesktop desktop;
    AppContext context(desktop);
    auto plot = std::make_unique<Plot>("Kurvex");
    plot->createWindow();
    plot->addGraph();
    plot->graph(1).append(0, 0);
    plot->graph(1).append(1, 1);
    plot->redraw();

    desktop.dialogScripts.push_back([](test::RecordingDialogControls& c, DialogHandler& handler) {
        EXPECT_EQ(c.control(IDC_FIGURE_SIZE).text, "90x60mm");
        EXPECT_EQ(c.control(IDC_FIGURE_DPI).text, "300");
        c.type(IDC_FIGURE_SIZE, "90x60cm");
        c.press(handler, IDOK);
        c.type(IDC_FIGURE_SIZE, "3.5x2.5in");
        c.type(IDC_FIGURE_DPI, "150");
        c.press(handler, IDOK);
    });
    desktop.fileAnswers = {std::string("/tmp/fig.png")};
    sendCommand(*plot, CMD_SAVE_FIGURE_ON_PAPER);
    desktop.dialogScripts.push_back([](test::RecordingDialogControls& c, DialogHandler& handler) {
        EXPECT_EQ(c.control(IDC_FIGURE_SIZE).text, "88.9x63.5mm");
        EXPECT_EQ(c.control(IDC_FIGURE_DPI).text, "150");
        c.press(handler, IDOK);
    });
    desktop.fileAnswers = {std::string("/tmp/fig.svg")};
    sendCommand(*plot, CMD_SAVE_FIGURE_ON_PAPER);

    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_NE(desktop.boxes[0].text.find("90x60mm or 3.5x2.5in"), std::string::npos);
    ASSERT_EQ(desktop.finishedPictures.size(), 2u);
    EXPECT_EQ(desktop.finishedPictures[0].width, 525);  // 3.5 in at 150 dpi
    EXPECT_EQ(desktop.finishedPictures[0].height, 375);
    EXPECT_EQ(desktop.finishedPictures[1].width, 336);  // at 96 dpi
    EXPECT_EQ(desktop.finishedPictures[1].height, 240);
}

}  // namespace
}  // namespace kvx
