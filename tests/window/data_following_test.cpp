#include "window/data_following.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/commands.h"
#include "app/run_state.h"
#include "files/growing_file.h"
#include "files/plot_file.h"
#include "platform/window_messages.h"
#include "model/app_context.h"
#include "support/recording_desktop.h"
#include "support/recording_native_window.h"
#include "support/temp_dir.h"
#include "support/writer_process.h"
#include "window/file_commands.h"

namespace kvx {
namespace {

class DataFollowingTest : public testing::Test {
protected:
    DataFollowingTest()
    {
        setRunState(RUN_RUNNING);
        plot = std::make_unique<Plot>("Kurvex");
        plot->createWindow();
    }
    test::RecordingNativeWindow& native() { return static_cast<test::RecordingNativeWindow&>(*plot->nativeWindow()); }
    void append(std::string_view text)
    {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        out << text;
    }
    void command(uint16_t c) { plot->handleMessage(MSG_COMMAND, c, 0); }

    test::RecordingDesktop desktop;
    AppContext context{desktop};
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
    const double followedMax = plot->axes().x().current().max;
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
    EXPECT_GE(plot->axes().x().current().max, 80.0);

    ASSERT_EQ(std::remove(path.c_str()), 0);
    desktop.filesChanged();
    EXPECT_EQ(native().statusTexts[0], "File gone: log.dat");
    EXPECT_TRUE(desktop.boxes.empty());
    EXPECT_EQ(plot->graph(1).numPoints(), 6);  // what was read stays

    command(CMD_FOLLOW_DATA_FILES);
    EXPECT_FALSE(native().checks[CMD_FOLLOW_DATA_FILES]);
    EXPECT_FALSE(desktop.filesChanged);
}

// The working directory as it was, again at the end.
class KeptWorkingDirectory {
public:
    KeptWorkingDirectory() : fd_(::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {}
    ~KeptWorkingDirectory()
    {
        EXPECT_EQ(::fchdir(fd_), 0);
        ::close(fd_);
    }

private:
    int fd_;
};

// A file opened by a relative name is followed after the working directory
// changed, as with a file dialog; a writer removes it, puts a folder in its
// place, writes it anew and then a line that never ends: the status line
// says each change, the file is read again when it is back and the plot
// keeps its points when following ends.
TEST_F(DataFollowingTest, AFileIsFollowedThroughDialogsRotationAndAnEndlessLine)
{
    const KeptWorkingDirectory kept;
    test::writeFile(path, "0 0\n");
    ASSERT_EQ(::chdir(dir.path().c_str()), 0);
    ASSERT_TRUE(openByPath(*plot, "log.dat", FILE_OPEN));
    ASSERT_EQ(::chdir("/"), 0);
    command(CMD_FOLLOW_DATA_FILES);
    test::WriterProcess writer({
        [this] { append("1 1\n"); },
        [this] { std::remove(path.c_str()); },
        [this] { ::mkdir(path.c_str(), 0700); },
        [this] { ::rmdir(path.c_str()); test::writeFile(path, "7 7\n8 8\n"); },
        [this] { append(std::string(GrowingFile::longestLine + 1, ' ')); },
    });
    writer.step();
    desktop.filesChanged();
    EXPECT_EQ(plot->graph(1).numPoints(), 2);
    EXPECT_EQ(native().statusTexts[0].find("File"), std::string::npos);

    writer.step();
    desktop.filesChanged();
    EXPECT_EQ(native().statusTexts[0], "File gone: log.dat");
    writer.step();
    desktop.filesChanged();
    EXPECT_EQ(desktop.watchedPaths, std::vector<std::string>{path});  // still watched
    EXPECT_EQ(plot->graph(1).numPoints(), 2);
    native().statusTexts[0].clear();
    desktop.filesChanged();
    EXPECT_EQ(native().statusTexts[0], "");  // said once

    writer.step();
    desktop.filesChanged();
    EXPECT_EQ(native().statusTexts[0], "File back: log.dat");
    EXPECT_EQ(plot->graph(1).xData()[0], 7.0);
    EXPECT_EQ(plot->graph(1).numPoints(), 2);

    // The watch is asked back for what one look leaves.
    writer.step();
    desktop.lookAgainAsked = false;
    desktop.filesChanged();
    for (int look = 0; look < 100 && desktop.lookAgainAsked; ++look) {
        desktop.lookAgainAsked = false;
        desktop.filesChanged();
    }
    EXPECT_EQ(native().statusTexts[0], "log.dat: line too long, not followed");
    EXPECT_TRUE(desktop.watchedPaths.empty());
    EXPECT_EQ(plot->graph(1).numPoints(), 2);
    EXPECT_TRUE(writer.finish());
    EXPECT_TRUE(desktop.boxes.empty());
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
