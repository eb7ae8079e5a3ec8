// The interface through which the editions' start-ups drive the system:
// defaults, the run state, the handed-over file commands and the plot
// operations, on the recording desktop.

#include <gtest/gtest.h>

#include <cmath>

#include "app/commands.h"
#include "editions/application.h"
#include "editions/plot_handle.h"
#include "model/app_context.h"
#include "platform/window_messages.h"
#include "settings/default_records.h"
#include "settings/keywords.h"
#include "support/recording_desktop.h"
#include "support/recording_native_window.h"
#include "window/file_commands.h"

namespace kvx {
namespace {

class ApplicationInterfaceTest : public testing::Test {
protected:
    ApplicationInterfaceTest() { setRunState(RUN_RUNNING); }
    ~ApplicationInterfaceTest() override { setRunState(RUN_RUNNING); }

    test::RecordingDesktop desktop_;
    AppContext context_{desktop_};
};

TEST_F(ApplicationInterfaceTest, DefaultParametersReachNewPlotsAndWrongOnesAreRefused)
{
    EXPECT_EQ(setDefaultParameter("showPoints", 101.0), 101.0);
    EXPECT_EQ(setDefaultParameter("numSubTicks", 5.7), 5.7);
    setDefaultParameter("zoomFactor", 1.25);
    setDefaultParameter("indentLeft", 70.9);
    EXPECT_TRUE(desktop_.boxes.empty());
    EXPECT_EQ(graphDefaults().showPoints, SHOW);
    EXPECT_EQ(plotDefaults().activeIndents.left, 70);
    PlotHandle handle("Fresh");
    handle.ensureGraphs(2);
    EXPECT_EQ(handle.plot().graph(2).showPoints(), SHOW);
    EXPECT_EQ(handle.plot().settings().numSubTicks, 5);
    EXPECT_EQ(handle.plot().settings().zoomFactor, 1.25);

    // A name in other letters, a width no pen can have, a word that is no
    // keyword and a value that is no number change nothing.
    const DefaultRecords before = defaultRecords();
    setDefaultParameter("ShowPoints", 100.0);
    setDefaultParameter("lineWidth", 30000.0);
    setDefaultParameter("showGrid", 4711.0);
    setDefaultParameter("zoomFactor", std::nan(""));
    setDefaultParameter("userInterface", 7.0);
    ASSERT_EQ(desktop_.boxes.size(), 5u);
    for (const MessageBoxRequest& box : desktop_.boxes) {
        EXPECT_EQ(box.text, "Undefined 'Default Parameter' or wrong format!\n");
    }
    EXPECT_EQ(graphDefaults().showPoints, before.graphDefaults.showPoints);
    EXPECT_EQ(graphDefaults().lineWidth, before.graphDefaults.lineWidth);
    EXPECT_EQ(plotDefaults().showGrid, before.plotDefaults.showGrid);
    EXPECT_EQ(plotDefaults().zoomFactor, 1.25);
    setDefaultParameter("userInterface", HIDE);
    EXPECT_EQ(plotDefaults().userInterface, HIDE);
}

TEST_F(ApplicationInterfaceTest, ABreakIsSeenOnce)
{
    EXPECT_EQ(takeRunState(), RUN_RUNNING);
    setRunState(RUN_BREAK);
    EXPECT_EQ(takeRunState(), RUN_BREAK);
    EXPECT_EQ(takeRunState(), RUN_RUNNING);
    setRunState(RUN_QUIT);
    EXPECT_EQ(takeRunState(), RUN_QUIT);
    EXPECT_EQ(takeRunState(), RUN_QUIT);
}

TEST_F(ApplicationInterfaceTest, HandedOverFileCommandsWaitForTheEditionAndNewIsOff)
{
    PlotHandle handle("Conconi Test");
    handle.show();
    auto& window = static_cast<test::RecordingNativeWindow&>(*handle.plot().nativeWindow());
    EXPECT_EQ(handle.takePendingFileCommand(), 1);
    handle.setFileCommandMask(FILE_DATA + FILE_OPEN + FILE_ADD);
    EXPECT_EQ(window.itemStates.at(CMD_NEW), ItemState::Grayed);

    handle.issueFileCommand(FILE_OPEN + FILE_DATA);
    EXPECT_EQ(handle.takePendingFileCommand(), 20);
    handle.plot().handleMessage(MSG_COMMAND, CMD_DATA_FILE_OPEN, 0);
    handle.plot().handleMessage(MSG_COMMAND, CMD_DATA_FILE_ADD, 0);
    EXPECT_TRUE(desktop_.fileDialogs.empty());
    EXPECT_EQ(handle.takePendingFileCommand(), 18);  // the last one wins
    EXPECT_EQ(handle.takePendingFileCommand(), 1);   // and is taken once

    // What is not handed over works as usual.
    handle.plot().handleMessage(MSG_COMMAND, CMD_DATA_FILE_SAVE, 0);
    handle.plot().handleMessage(MSG_COMMAND, CMD_PLOT_FILE_OPEN, 0);
    EXPECT_EQ(desktop_.fileDialogs.size(), 2u);
    EXPECT_EQ(handle.takePendingFileCommand(), 1);

    desktop_.fileAnswers.push_back("/data/run.dat");
    EXPECT_EQ(handle.askOpenFileName("Conconi File", "Conconi Data Files", "dat", false), "/data/run.dat");
    const FileDialogRequest& asked = desktop_.fileDialogs.back();
    EXPECT_EQ(asked.title, "Conconi File");
    ASSERT_EQ(asked.filters.size(), 2u);
    EXPECT_EQ(asked.filters[0].description, "Conconi Data Files (*.dat)");
    EXPECT_EQ(asked.filters[0].patterns, "*.dat");
    EXPECT_EQ(asked.filters[1].patterns, "*.*");
    EXPECT_EQ(asked.proposal, "");
    EXPECT_FALSE(asked.save);
    EXPECT_EQ(handle.askOpenFileName("Conconi File", "Conconi Data Files", "dat", true), std::nullopt);

    handle.setFileCommandMask(1);
    EXPECT_EQ(window.itemStates.at(CMD_NEW), ItemState::Enabled);
}

TEST_F(ApplicationInterfaceTest, GraphOperationsAddressOneGraphAllOfThemOrNone)
{
    PlotHandle handle("Samples");
    handle.ensureGraphs(3);
    handle.setGraphColor(4, 0);
    handle.setGraphMarker(SQUARE, 2);
    handle.setGraphLable("beyond", 9);  // no such graph: nothing happens
    handle.addPoint(1.0, 2.0, 3);
    handle.addPoint(5.0, 6.0, 4);
    handle.addPoint(5.0, 6.0, 0);
    Plot& plot = handle.plot();
    for (const Graph& graph : plot.graphs()) {
        EXPECT_EQ(graph.colorNum(), 4);
        EXPECT_NE(graph.lable(), "beyond");
    }
    EXPECT_EQ(plot.graph(2).markerType(), SQUARE);
    EXPECT_EQ(plot.graph(3).numPoints(), 1);
    EXPECT_EQ(plot.graph(1).numPoints() + plot.graph(2).numPoints(), 0);
    handle.addPoint(3.0, 10.0, 3);
    handle.autoRange();
    EXPECT_LE(plot.axes().x().current().min, 1.0);
    EXPECT_GE(plot.axes().y().current().max, 10.0);
}

}  // namespace
}  // namespace kvx
