// The file commands of the menus on the recording desktop: the dialogs they
// show, what they write and read, and the sessions they restore.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/run_state.h"
#include "app/session_list.h"
#include "app/window_keeper.h"
#include "window/plot.h"
#include "platform/window_messages.h"
#include "model/app_context.h"
#include "support/file_size_limit.h"
#include "support/recording_desktop.h"
#include "support/temp_dir.h"
#include "window/command_dispatcher.h"
#include "app/commands.h"
#include "window/file_commands.h"
#include "window/file_dialogs.h"

namespace kvx {
namespace {

class FileDialogsTest : public testing::Test {
protected:
    FileDialogsTest()
    {
        setRunState(RUN_RUNNING);
        desktop_.workingDir = dir_.path();
    }

    // A window kept as the program keeps the windows it opens.
    Plot& makeWindow(const char* title)
    {
        auto plot = std::make_unique<Plot>(title);
        Plot& kept = static_cast<Plot&>(keepWindow(std::move(plot)));
        kept.createWindow();
        return kept;
    }
    static void addCurve(Plot& p, double scale)
    {
        const int16_t g = p.addGraph();
        for (int i = 0; i < 5; ++i) {
            p.graph(g).append(i, scale * i * i);
        }
    }
    std::vector<std::string> titles() const
    {
        std::vector<std::string> out;
        for (int i = 0; i < sessionList().count(); ++i) {
            out.push_back(sessionList().windowOf(sessionList().numberAt(i))->windowTitle());
        }
        return out;
    }

    test::TempDir dir_;
    test::RecordingDesktop desktop_;
    AppContext context_{desktop_};
};

TEST_F(FileDialogsTest, DialogsProposeTheTitleAndCommandsAnEditionTakesOverShowNone)
{
    Plot& p = makeWindow("Kurvex");
    sendCommand(p, CMD_DATA_FILE_OPEN);
    sendCommand(p, CMD_SESSION_FILE_SAVE);
    ASSERT_EQ(desktop_.fileDialogs.size(), 2u);
    const FileDialogRequest& open = desktop_.fileDialogs[0];
    EXPECT_EQ(open.title, "Open Data");
    EXPECT_EQ(open.proposal, dir_.path() + "/Kurvex.dat");
    EXPECT_FALSE(open.save);
    ASSERT_EQ(open.filters.size(), 2u);
    EXPECT_EQ(open.filters[0].patterns, "*.dat;*.txt;*.csv;*.asc");
    EXPECT_EQ(open.filters[1].description, "All Files (*.*)");
    EXPECT_EQ(open.owner, p.nativeWindow());
    EXPECT_EQ(desktop_.fileDialogs[1].title, "Save Session");
    EXPECT_EQ(desktop_.fileDialogs[1].proposal, dir_.path() + "/Kurvex.ses");
    EXPECT_TRUE(desktop_.fileDialogs[1].save);

    // Open data is handed over, add data is not.
    p.settings().fileCommandMask = FILE_OPEN + FILE_DATA;
    sendCommand(p, CMD_DATA_FILE_OPEN);
    EXPECT_EQ(p.files().pendingFileCommand, FILE_OPEN + FILE_DATA);
    EXPECT_EQ(desktop_.fileDialogs.size(), 2u);
    sendCommand(p, CMD_DATA_FILE_ADD);
    EXPECT_EQ(desktop_.fileDialogs.size(), 3u);
    EXPECT_EQ(desktop_.fileDialogs[2].title, "Add Data");
}

TEST_F(FileDialogsTest, SavingNamesTheFilesByKindAndReportsWhatCannotBeWritten)
{
    Plot& p = makeWindow("Curves");
    addCurve(p, 1);
    desktop_.fileAnswers = {dir_.file("curve.txt"), dir_.file("table.csv"), dir_.file("bare")};
    sendCommand(p, CMD_PLOT_FILE_SAVE);
    sendCommand(p, CMD_DATA_FILE_SAVE);
    sendCommand(p, CMD_DATA_FILE_SAVE);
    EXPECT_TRUE(test::fileExists(dir_.file("curve.plt")));
    EXPECT_TRUE(test::fileExists(dir_.file("curve.dat")));
    EXPECT_FALSE(test::fileExists(dir_.file("curve.txt")));
    EXPECT_TRUE(test::fileExists(dir_.file("table.csv")));
    EXPECT_TRUE(test::fileExists(dir_.file("bare.dat")));
    EXPECT_TRUE(desktop_.boxes.empty());

    // A folder that is not there: a warning that names the file, no success.
    const std::string unwritable = dir_.file("no/such/folder/x.plt");
    EXPECT_FALSE(saveByPath(p, unwritable, FILE_SAVE + FILE_PLOT));
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_NE(desktop_.boxes[0].text.find("Failure in file"), std::string::npos);
    EXPECT_NE(desktop_.boxes[0].text.find(dir_.file("no/such/folder/x.dat")), std::string::npos);
}

TEST_F(FileDialogsTest, APlotIsSavedWithItsDataOrNotAtAll)
{
    Plot& p = makeWindow("Curves");
    addCurve(p, 1);
    ASSERT_TRUE(saveByPath(p, dir_.file("c.plt"), FILE_SAVE + FILE_PLOT));
    const std::string oldData = test::readFile(dir_.file("c.dat"));
    const std::string oldPlot = test::readFile(dir_.file("c.plt"));
    addCurve(p, 2);
    ASSERT_TRUE(saveByPath(p, dir_.file("probe.plt"), FILE_SAVE + FILE_PLOT));
    const std::size_t dataSize = test::readFile(dir_.file("probe.dat")).size();
    ASSERT_LT(dataSize, test::readFile(dir_.file("probe.plt")).size());
    {
        // The new data fit, the plot file does not.
        const test::FileSizeLimit limit(dataSize);
        EXPECT_FALSE(saveByPath(p, dir_.file("c.plt"), FILE_SAVE + FILE_PLOT));
    }
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(desktop_.boxes[0].text, "Failure in file \n" + dir_.file("c.plt") + " !\nFile too large\n");
    EXPECT_EQ(test::readFile(dir_.file("c.dat")), oldData);
    EXPECT_EQ(test::readFile(dir_.file("c.plt")), oldPlot);
}

TEST_F(FileDialogsTest, ASessionOverFilesItDoesNotNameAsksOnceAndNoWritesNothing)
{
    Plot& p = makeWindow("Kurvex");
    addCurve(p, 1);
    ASSERT_TRUE(saveByPath(p, dir_.file("a.ses"), FILE_SAVE + FILE_SESSION));
    const std::string base = dir_.file("Kurvex" + std::to_string(p.plotNumber()));
    const std::string data = test::readFile(base + ".dat");
    addCurve(p, 2);

    desktop_.fileAnswers = {dir_.file("b.ses")};
    desktop_.answers = {BoxResult::No};
    sendCommand(p, CMD_SESSION_FILE_SAVE);
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    const MessageBoxRequest& box = desktop_.boxes[0];
    EXPECT_EQ(box.text, "These files are not part of the session\n" + dir_.file("b.ses") + " :\n\n" + base +
                            ".dat\n" + base + ".plt\n\nReally want to replace them ?");
    EXPECT_EQ(box.buttons, BoxButtons::YesNo);
    EXPECT_EQ(box.icon, BoxIcon::Question);
    EXPECT_EQ(box.owner, p.nativeWindow());
    EXPECT_FALSE(test::fileExists(dir_.file("b.ses")));
    EXPECT_EQ(test::readFile(base + ".dat"), data);

    desktop_.fileAnswers = {dir_.file("b.ses")};
    desktop_.answers = {BoxResult::Yes};
    sendCommand(p, CMD_SESSION_FILE_SAVE);
    EXPECT_EQ(desktop_.boxes.size(), 2u);
    EXPECT_TRUE(test::fileExists(dir_.file("b.ses")));
    EXPECT_NE(test::readFile(base + ".dat"), data);
}

TEST_F(FileDialogsTest, APlotOpensInItsWindowOrInANewOneAndAMistypedNameCostsNothing)
{
    Plot& source = makeWindow("Source");
    addCurve(source, 2);
    source.setLables("time", "value", "run");
    ASSERT_TRUE(saveByPath(source, dir_.file("Run.plt"), FILE_SAVE + FILE_PLOT));

    Plot& target = makeWindow("Kurvex");
    addCurve(target, 7);
    EXPECT_FALSE(openByPath(target, dir_.file("missing.plt"), FILE_OPEN));
    EXPECT_EQ(target.numGraphs(), 1);

    EXPECT_TRUE(openByPath(target, dir_.file("Run.plt"), FILE_OPEN));
    EXPECT_EQ(target.windowTitle(), "Source");
    EXPECT_EQ(target.yLable(), "value");
    ASSERT_EQ(target.numGraphs(), 1);
    EXPECT_EQ(target.graph(1).yData()[4], 32.0);
    EXPECT_EQ(target.axes().originalRange(), target.axes().currentRange());

    const int before = sessionList().count();
    desktop_.fileAnswers = {dir_.file("Run.plt")};
    sendCommand(target, CMD_PLOT_FILE_ADD);
    EXPECT_EQ(desktop_.fileDialogs.back().title, "Add Plot");
    ASSERT_EQ(sessionList().count(), before + 1);
    const auto* added = static_cast<const Plot*>(sessionList().windowOf(sessionList().numberAt(before)));
    EXPECT_EQ(added->windowTitle(), "Source");
    EXPECT_EQ(added->numGraphs(), 1);
}

TEST_F(FileDialogsTest, ASessionSavedAndOpenedRestoresItsWindows)
{
    Plot& first = makeWindow("Kurvex");
    addCurve(first, 1);
    Plot& second = makeWindow("Lab");
    addCurve(second, 2);
    addCurve(second, 3);
    Plot& third = makeWindow("Lab");  // the same title: files of its own
    addCurve(third, 4);
    third.handleMessage(MSG_SET_FOCUS, 0, 0);
    first.handleMessage(MSG_SET_FOCUS, 0, 0);
    ASSERT_TRUE(saveByPath(first, dir_.file("all.ses"), FILE_SAVE + FILE_SESSION));

    // Opened from the last window: the others close, this one becomes the
    // first of the session, and the rest are created anew.
    Plot& stray = makeWindow("Stray");
    addCurve(stray, 9);
    EXPECT_FALSE(openByPath(stray, dir_.file("nothing.ses"), FILE_OPEN));
    EXPECT_EQ(sessionList().count(), 4);
    EXPECT_EQ(stray.numGraphs(), 1);

    EXPECT_TRUE(openByPath(stray, dir_.file("all.ses"), FILE_OPEN));
    desktop_.runTasks();
    ASSERT_EQ(sessionList().count(), 3);
    EXPECT_EQ(sessionList().windowOf(sessionList().numberAt(0)), &stray);
    EXPECT_EQ(titles(), (std::vector<std::string>{"Kurvex", "Lab", "Lab"}));
    std::vector<int> graphs;
    std::vector<double> lastY;
    for (int i = 0; i < 3; ++i) {
        const auto* p = static_cast<const Plot*>(sessionList().windowOf(sessionList().numberAt(i)));
        graphs.push_back(p->numGraphs());
        lastY.push_back(p->graph(p->numGraphs()).yData()[4]);
    }
    EXPECT_EQ(graphs, (std::vector<int>{1, 2, 1}));
    EXPECT_EQ(lastY, (std::vector<double>{16, 48, 64}));

    // Added, the session comes in windows of its own beside these.
    EXPECT_TRUE(openByPath(stray, dir_.file("all.ses"), FILE_ADD));
    EXPECT_EQ(sessionList().count(), 6);
    EXPECT_EQ(stray.numGraphs(), 1);
}

TEST_F(FileDialogsTest, ASessionOfMoreWindowsThanTheSessionHoldsOpensWhatFitsAndSaysSo)
{
    Plot& other = makeWindow("Other");
    Plot& p = makeWindow("Kurvex");
    test::writeFile(dir_.file("big.ses"), "[Session]\nnumPlots= 500\nplotFocus= [ 600, 2 ]\n");
    EXPECT_TRUE(openByPath(p, dir_.file("big.ses"), FILE_ADD));
    EXPECT_EQ(sessionList().count(), SessionList::maxWindows);
    EXPECT_TRUE(other.created());
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_NE(desktop_.boxes[0].text.find("500 windows"), std::string::npos);
}

}  // namespace
}  // namespace kvx
