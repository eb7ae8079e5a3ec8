#include "window/data_following.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "app/commands.h"
#include "app/run_state.h"
#include "app/window_keeper.h"
#include "files/plot_file.h"
#include "platform/window_messages.h"
#include "settings/default_records.h"
#include "support/recording_desktop.h"
#include "support/recording_native_window.h"
#include "support/temp_dir.h"
#include "window/file_commands.h"

namespace kvx {
namespace {

class DataFollowingTest : public testing::Test {
protected:
    DataFollowingTest()
    {
        defaultRecords() = DefaultRecords{};
        setRunState(RUN_RUNNING);
        plot = std::make_unique<Plot>("Kurvex");
        plot->createWindow();
    }
    ~DataFollowingTest() override
    {
        plot.reset();
        releaseAllWindows();
        desktop.runTasks();
        defaultRecords() = DefaultRecords{};
    }
    test::RecordingNativeWindow& native() { return static_cast<test::RecordingNativeWindow&>(*plot->nativeWindow()); }
    void append(std::string_view text)
    {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        out << text;
    }
    void command(uint16_t c) { plot->handleMessage(MSG_COMMAND, c, 0); }

    test::RecordingDesktop desktop;
    test::ScopedDesktop installed{desktop};
    test::TempDir dir;
    const std::string path = dir.file("log.dat");
    std::unique_ptr<Plot> plot;
};

// The menu item switches following on; appended lines show with the range
// following them until the user zooms, and again after "Auto Range"; a
// removed file is said in the status line.
TEST_F(DataFollowingTest, TheMenuItemFollowsAFileThatGrowsUntilItIsGone)
{
    test::writeFile(path, "0 0\n1 10\n2 2");  // the last line is still being written
    ASSERT_TRUE(openByPath(*plot, path, FILE_OPEN));
    EXPECT_EQ(plot->graph(1).numPoints(), 3);
    EXPECT_TRUE(desktop.watchedPaths.empty());

    command(CMD_FOLLOW_DATA_FILES);
    EXPECT_TRUE(native().checks[CMD_FOLLOW_DATA_FILES]);
    EXPECT_EQ(desktop.watchedPaths, std::vector<std::string>{path});
    EXPECT_EQ(plot->graph(1).numPoints(), 2);  // "2 2" waits for its line end
    ASSERT_TRUE(desktop.filesChanged);

    append("0\n3 5\n");
    desktop.filesChanged();
    EXPECT_EQ(plot->graph(1).numPoints(), 4);
    EXPECT_EQ(plot->graph(1).yData()[2], 20.0);
    const double followedMax = plot->axes().currentRange().xMax;
    EXPECT_GE(followedMax, 3.0);

    plot->handleMessage(MSG_WHEEL, packWheelDelta(120), packPoint(300, 300));  // the user zooms
    const RangeSet zoomed = plot->axes().currentRange();
    append("40 5\n");
    desktop.filesChanged();
    EXPECT_EQ(plot->graph(1).numPoints(), 5);
    EXPECT_EQ(plot->axes().currentRange(), zoomed);

    command(CMD_AUTO_RANGE_XY);
    append("80 5\n");
    desktop.filesChanged();
    EXPECT_GE(plot->axes().currentRange().xMax, 80.0);

    ASSERT_EQ(std::remove(path.c_str()), 0);
    desktop.filesChanged();
    EXPECT_TRUE(desktop.watchedPaths.empty());
    EXPECT_NE(native().statusTexts[0].find("log.dat"), std::string::npos);
    EXPECT_TRUE(desktop.boxes.empty());
    EXPECT_EQ(plot->graph(1).numPoints(), 6);  // what was read stays

    command(CMD_FOLLOW_DATA_FILES);
    EXPECT_FALSE(native().checks[CMD_FOLLOW_DATA_FILES]);
    EXPECT_FALSE(desktop.filesChanged);
}

// The plot file says "follow" only while following is on; opening such a
// file follows its data file.
TEST_F(DataFollowingTest, PlotFilesKeepFollowingOnlyWhenOn)
{
    const std::string plotPath = dir.file("log.plt");
    test::writeFile(path, "1 2\n");
    ASSERT_TRUE(openByPath(*plot, path, FILE_OPEN));
    ASSERT_TRUE(writePlotFile(*plot, plotPath));
    EXPECT_EQ(test::readFile(plotPath).find("follow"), std::string::npos);

    setFollowing(*plot, true);
    ASSERT_TRUE(writePlotFile(*plot, plotPath));
    EXPECT_NE(test::readFile(plotPath).find("follow="), std::string::npos);

    setFollowing(*plot, false);
    ASSERT_TRUE(openByPath(*plot, plotPath, FILE_OPEN));
    EXPECT_TRUE(plot->files().follow);
    EXPECT_EQ(desktop.watchedPaths, std::vector<std::string>{path});
    append("2 3\n");
    desktop.filesChanged();
    EXPECT_EQ(plot->graph(1).numPoints(), 2);
}

}  // namespace
}  // namespace kvx
