// kurvex-conconi on the recording desktop: the plot it sets up, the Conconi
// dialog that its passes show for the handed-over open and add, and the
// end of its loop.

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/commands.h"
#include "editions/conconi_edition.h"
#include "platform/window_messages.h"
#include "model/app_context.h"
#include "settings/keywords.h"
#include "support/recording_desktop.h"
#include "support/recording_native_window.h"
#include "render/plot_painter.h"
#include "support/recording_surface.h"
#include "support/temp_dir.h"
#include "window/file_commands.h"
#include "window/window_drawing.h"

namespace kvx {
namespace {

class ConconiEditionTest : public testing::Test {
protected:
    ConconiEditionTest()
    {
        setRunState(RUN_RUNNING);
        test::writeFile(runnerA_, "# comment\nAthlete 'Runner A'\n200\n60 120\n50 130\n");
        test::writeFile(runnerB_, "'Runner B'\n400\n96 140\n80 150\n72 160\n");
        test::writeFile(noLength_, "'Runner C'\n0\n60 120\n");
    }
    ~ConconiEditionTest() override
    {
        desktop_.runTasks();
        setRunState(RUN_RUNNING);
    }

    // One pass that finds `command` handed over and is given `answer` in
    // the Conconi dialog.
    RunState passWith(PlotHandle& handle, int command, std::optional<std::string> answer)
    {
        handle.plot().handleMessage(MSG_COMMAND, static_cast<uintptr_t>(command), 0);
        desktop_.fileAnswers.push_back(std::move(answer));
        return runConconiPass(handle);
    }
    // The Conconi plot with runner A opened and runner B added, as a user
    // would have it.
    std::unique_ptr<PlotHandle> plotOfBothRunners()
    {
        setConconiDefaults();
        std::unique_ptr<PlotHandle> handle = makeConconiPlot();
        desktop_.fileAnswers.push_back(runnerA_);
        runConconiPass(*handle);
        passWith(*handle, CMD_DATA_FILE_ADD, runnerB_);
        return handle;
    }

    test::RecordingDesktop desktop_;
    AppContext context_{desktop_};
    test::TempDir dir_;
    std::string runnerA_ = dir_.path() + "/runner_a.dat";
    std::string runnerB_ = dir_.path() + "/runner_b.dat";
    std::string noLength_ = dir_.path() + "/no_length.dat";
};

TEST_F(ConconiEditionTest, ThePlotIsSetUpForHeartRateAgainstVelocityAndTheFirstPassAsksForAFile)
{
    setConconiDefaults();
    const std::unique_ptr<PlotHandle> handle = makeConconiPlot();
    Plot& plot = handle->plot();
    ASSERT_EQ(desktop_.windows.size(), 1u);
    const test::RecordingNativeWindow& window = *desktop_.windows.front();
    EXPECT_TRUE(window.shown);
    EXPECT_EQ(window.caption, "#" + std::to_string(plot.plotNumber()) + ": Conconi Test");
    EXPECT_EQ(plot.xLable(), "Velocity  [ km/h ]");
    EXPECT_EQ(plot.yLable(), "Heart Beat  [ 1/min ]");
    EXPECT_EQ(plot.axesTitle(), "Conconi Test");
    const RangeSet range = plot.axes().currentRange();
    EXPECT_EQ((std::array{range.x.min, range.x.max, range.y.min, range.y.max}), (std::array{8.0, 20.0, 120.0, 200.0}));
    EXPECT_EQ((std::array{range.x.tick, range.y.tick, range.x.subTick, range.y.subTick}),
              (std::array{1.0, 5.0, 0.1, 1.0}));
    EXPECT_EQ(plot.showCoorSystem(), SHOW_HALF);
    EXPECT_EQ(plot.showGrid(), SHOW_YAXIS);
    EXPECT_EQ(plot.showLegend(), SHOW_DOWNRIGHT);
    EXPECT_EQ(plot.settings().numSubTicks, 5);
    EXPECT_EQ(plot.settings().fileCommandMask, FILE_DATA + FILE_OPEN + FILE_ADD);
    EXPECT_EQ(window.itemStates.at(CMD_NEW), ItemState::Grayed);
    EXPECT_TRUE(desktop_.fileDialogs.empty());

    desktop_.fileAnswers.push_back(runnerA_);
    EXPECT_EQ(runConconiPass(*handle), RUN_RUNNING);
    ASSERT_EQ(desktop_.fileDialogs.size(), 1u);
    const FileDialogRequest& asked = desktop_.fileDialogs.front();
    EXPECT_EQ(asked.title, "Conconi File");
    ASSERT_EQ(asked.filters.size(), 2u);
    EXPECT_EQ(asked.filters[0].description, "Conconi Data Files (*.dat)");
    EXPECT_EQ(asked.proposal, "");
    ASSERT_EQ(plot.numGraphs(), 1);
    const Graph& graph = plot.graph(1);
    EXPECT_EQ(graph.lable(), "Runner A");
    EXPECT_EQ(graph.showPoints(), SHOW);
    ASSERT_EQ(graph.numPoints(), 2);
    EXPECT_DOUBLE_EQ(graph.xData()[1], 14.4);
    EXPECT_EQ(graph.yData()[1], 130.0);
    // The range comes from the data, the ticks are those after a load.
    const RangeSet loaded = plot.axes().currentRange();
    EXPECT_LE(loaded.x.min, 12.0);
    EXPECT_GE(loaded.x.max, 14.4);
    EXPECT_LT(loaded.x.max, 20.0);
    EXPECT_EQ((std::array{loaded.x.tick, loaded.y.tick, loaded.x.subTick, loaded.y.subTick}),
              (std::array{0.5, 5.0, 0.1, 1.0}));
    // "Last" goes back to the view of the start.
    const RangeSet last = plot.axes().lastRange();
    EXPECT_EQ((std::array{last.x.min, last.x.max, last.y.min, last.y.max}), (std::array{8.0, 20.0, 120.0, 200.0}));
    EXPECT_TRUE(desktop_.boxes.empty());

    // Nothing handed over: no dialog, one message step.
    const int processed = desktop_.processedMessages;
    EXPECT_EQ(runConconiPass(*handle), RUN_RUNNING);
    EXPECT_EQ(desktop_.fileDialogs.size(), 1u);
    EXPECT_EQ(desktop_.processedMessages, processed + 1);
}

TEST_F(ConconiEditionTest, OpenReplacesAddKeepsAndWhatGivesNoPointChangesNothing)
{
    const std::unique_ptr<PlotHandle> handle = plotOfBothRunners();
    Plot& plot = handle->plot();
    ASSERT_EQ(plot.numGraphs(), 2);
    EXPECT_EQ(plot.graph(1).lable(), "Runner A");
    EXPECT_EQ(plot.graph(2).lable(), "Runner B");
    EXPECT_EQ(plot.graph(2).numPoints(), 3);
    EXPECT_GE(plot.axes().x().current().max, 20.0);  // 400 m in 72 s
    const RangeSet before = plot.axes().currentRange();

    // Cancelled, a file without a stage length, one that is not there: the
    // graphs and the range stay; the two files are named in a warning.
    passWith(*handle, CMD_DATA_FILE_OPEN, std::nullopt);
    passWith(*handle, CMD_DATA_FILE_OPEN, noLength_);
    passWith(*handle, CMD_DATA_FILE_ADD, dir_.path() + "/gone.dat");
    EXPECT_EQ(desktop_.fileDialogs.size(), 5u);
    EXPECT_EQ(plot.numGraphs(), 2);
    EXPECT_EQ(plot.graph(1).numPoints() + plot.graph(2).numPoints(), 5);
    EXPECT_EQ(plot.axes().currentRange(), before);
    ASSERT_EQ(desktop_.boxes.size(), 2u);
    EXPECT_NE(desktop_.boxes[0].text.find("stage length"), std::string::npos);
    EXPECT_NE(desktop_.boxes[0].text.find(noLength_), std::string::npos);
    EXPECT_TRUE(desktop_.boxes[1].text.starts_with("Can't open file \n" + dir_.path() + "/gone.dat !"));

    passWith(*handle, CMD_DATA_FILE_OPEN, runnerB_);
    ASSERT_EQ(plot.numGraphs(), 1);
    EXPECT_EQ(plot.graph(1).lable(), "Runner B");

    // Closing the last window, a message dispatched by a pass, ends the loop.
    desktop_.waitingMessages.push_back([&plot] { plot.handleMessage(MSG_CLOSE, 0, 0); });
    EXPECT_EQ(runConconiPass(*handle), RUN_QUIT);
}

TEST_F(ConconiEditionTest, TheVelocityLabelsOfHalfKilometresAnHourStandApartAtTheDefaultSize)
{
    const std::unique_ptr<PlotHandle> handle = plotOfBothRunners();
    Plot& plot = handle->plot();
    ASSERT_EQ(plot.axes().x().current().tick, 0.5);
    ASSERT_GE(plot.axes().x().current().max - plot.axes().x().current().min, 8.0);

    test::RecordingSurface surface;
    PlotPainter(surface, plot, clientView(plot)).paintPlot();
    // The x labels come first, all on one line: each ends a space or more
    // before the next begins, and no two read the same.
    struct Label {
        int x, y;
        std::string text;
    };
    std::vector<Label> labels;
    for (const std::string& call : surface.only("text ")) {
        Label l{};
        char text[64] = {};
        ASSERT_EQ(std::sscanf(call.c_str(), "text %d %d %63s", &l.x, &l.y, text), 3) << call;
        l.text = text;
        if (!labels.empty() && l.y != labels.front().y) {
            break;
        }
        labels.push_back(l);
    }
    ASSERT_GE(labels.size(), 4u);
    const int space = surface.textExtent(" ").width;
    for (std::size_t i = 1; i < labels.size(); ++i) {
        const int end = labels[i - 1].x + surface.textExtent(labels[i - 1].text).width / 2;
        const int begin = labels[i].x - surface.textExtent(labels[i].text).width / 2;
        EXPECT_GE(begin - end, space) << labels[i - 1].text << " " << labels[i].text;
        EXPECT_NE(labels[i - 1].text, labels[i].text);
    }
}

}  // namespace
}  // namespace kvx
