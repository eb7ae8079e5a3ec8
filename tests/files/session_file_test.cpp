#include "files/session_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/session_list.h"
#include "files/data_file_reader.h"
#include "files/data_file_test_support.h"
#include "files/plot_file.h"
#include "window/file_dialogs.h"
#include "model/app_context.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace kvx {
namespace {

using test::namesIn;

std::vector<std::string> contentsOf(const std::vector<std::string>& files)
{
    std::vector<std::string> contents;
    for (const std::string& file : files) {
        contents.push_back(test::readFile(file));
    }
    return contents;
}

class SessionFileTest : public testing::Test {
protected:
    Plot& window(const std::string& title)
    {
        plots.push_back(std::make_unique<Plot>(title));
        return *plots.back();
    }
    SessionPlots listed() const { return sessionPlots(context.sessions); }
    static std::string numbered(const BaseWindow& plot)
    {
        return "Kurvex" + std::to_string(plot.plotNumber());
    }

    test::RecordingDesktop desktop;
    AppContext context{desktop};
    test::TempDir dir;
    const std::string ses = dir.file("Lab.ses");
    std::vector<std::unique_ptr<Plot>> plots;
};

TEST_F(SessionFileTest, SavingWritesEveryWindowThenTheSessionThatNamesThem)
{
    Plot& first = window("Kurvex");
    first.ensureGraphs(1);
    first.graph(1).append(1.0, 2.0);
    Plot& second = window("Measurements");
    second.ensureGraphs(2);
    second.graph(1).append(3.0, 4.0);
    second.graph(2).append(5.0, 6.0);
    second.graph(2).append(7.0, 8.0);
    Plot& third = window("Measurements");
    third.ensureGraphs(1);
    third.graph(1).append(9.0, 10.0);
    sessionList().focused(first.plotNumber());
    sessionList().focused(second.plotNumber());

    std::string failedPath = "untouched";
    ASSERT_TRUE(writeSession(listed(), ses, &failedPath));
    EXPECT_EQ(failedPath, "untouched");
    EXPECT_EQ(test::readFile(ses), "[Session]\nnumPlots= 3\nplotFocus= [2 1 3]\n\n"
                                   "[Plot1]\nplotFile= '" + numbered(first) + "'\n\n"
                                   "[Plot2]\nplotFile= 'Measurements'\n\n"
                                   "[Plot3]\nplotFile= 'Measurements-2'\n");

    const auto contents = readSessionFile(ses);
    ASSERT_TRUE(contents);
    EXPECT_EQ(contents->plotFiles,
              (std::vector<std::optional<std::string>>{dir.file(numbered(first)), dir.file("Measurements"),
                                                       dir.file("Measurements-2")}));
    EXPECT_EQ(contents->focus, (std::vector<int>{2, 1, 3}));
    // Two windows of one title keep their own files.
    for (std::size_t k = 0; k < plots.size(); ++k) {
        Plot back("Back");
        const std::string base = *contents->plotFiles[k];
        ASSERT_TRUE(readPlotFile(back, base + ".plt", PLOT_PART_ALL, 1));
        ASSERT_TRUE(readData(back, base + ".dat", 1));
        ASSERT_EQ(back.numGraphs(), plots[k]->numGraphs());
        for (int g = 1; g <= back.numGraphs(); ++g) {
            test::expectSamePoints(back.graph(g), plots[k]->graph(g));
        }
    }
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(SessionFileTest, AFailedWindowLeavesThePreviousSession)
{
    window("Kurvex");
    Plot& large = window("Large");
    large.ensureGraphs(1);
    ASSERT_TRUE(writeSession(listed(), ses));
    const std::string session = test::readFile(ses);
    const std::string plot = test::readFile(dir.file("Large.plt"));

    for (int i = 0; i < 1000; ++i) {
        large.graph(1).append(i, i);
    }
    sessionList().focused(large.plotNumber());
    std::string failedPath;
    std::string reason;
    {
        const test::FileSizeLimit limit(8192);
        EXPECT_FALSE(writeSession(listed(), ses, &failedPath, &reason));
    }
    EXPECT_EQ(failedPath, dir.file("Large.dat"));
    EXPECT_EQ(reason, "File too large");
    EXPECT_EQ(test::readFile(ses), session);
    EXPECT_EQ(test::readFile(dir.file("Large.plt")), plot);
}

// Windows "One", "Two", "Three" whose files, in the order the session
// writes them (session file; each window's data file, then its plot file),
// each exceed every file written before them. `y` is added to every point,
// and window `focused` has the focus.
class ThreeWindowSession : public SessionFileTest {
protected:
    void makeWindows(double y, int focused)
    {
        plots.clear();
        const int points[] = {3, 60, 260};
        const int labelled[] = {0, 12, 60};  // graphs without points, only in the plot file
        for (int w = 0; w < 3; ++w) {
            Plot& p = window(names[w]);
            p.setLables(y > 1.5 ? "t" : "s", "value", "");
            p.ensureGraphs(static_cast<int16_t>(1 + labelled[w]));
            for (int i = 0; i < points[w]; ++i) {
                p.graph(1).append(i, i + y);
            }
            for (int g = 2; g <= p.numGraphs(); ++g) {
                p.graph(g).setLable(std::string(Graph::maxLableLength, 'a'));
            }
        }
        sessionList().focused(plots[focused]->plotNumber());
    }
    std::vector<std::string> filesIn(const std::string& folder, const std::string& session) const
    {
        std::vector<std::string> files{folder + "/" + session};
        for (const char* name : names) {
            files.push_back(folder + "/" + name + ".dat");
            files.push_back(folder + "/" + name + ".plt");
        }
        return files;
    }

    const char* const names[3] = {"One", "Two", "Three"};
};

TEST_F(ThreeWindowSession, AWriteErrorAtAnyFileLeavesEveryOldFile)
{
    makeWindows(1.0, 0);
    ASSERT_TRUE(writeSession(listed(), ses));
    const std::vector<std::string> files = filesIn(dir.path(), "Lab.ses");
    const std::vector<std::string> old = contentsOf(files);
    const std::set<std::string> oldNames = namesIn(dir.path());

    // Every file of the next save differs from the old one.
    makeWindows(2.0, 1);
    const test::TempDir probe;
    ASSERT_TRUE(writeSession(listed(), probe.file("Lab.ses")));
    const std::vector<std::string> next = contentsOf(filesIn(probe.path(), "Lab.ses"));
    for (std::size_t k = 0; k < files.size(); ++k) {
        ASSERT_NE(next[k], old[k]) << files[k];
        ASSERT_TRUE(k == 0 || next[k].size() > next[k - 1].size()) << files[k] << " is not the largest yet";
    }
    for (std::size_t k = 0; k < files.size(); ++k) {
        std::string failedPath;
        std::string reason;
        {
            // Writing fails in file k, after every file before it is complete.
            const test::FileSizeLimit limit(next[k].size() - 1);
            EXPECT_FALSE(writeSession(listed(), ses, &failedPath, &reason));
        }
        EXPECT_EQ(failedPath, files[k]);
        EXPECT_EQ(reason, "File too large");
        EXPECT_EQ(contentsOf(files), old) << "failed in " << files[k];
        EXPECT_EQ(namesIn(dir.path()), oldNames) << "failed in " << files[k];
    }
    ASSERT_TRUE(writeSession(listed(), ses));
    EXPECT_EQ(contentsOf(files), next);
}

TEST_F(SessionFileTest, TitlesDoNotLeadThroughLinksOutOfTheFolder)
{
    const test::TempDir outside;
    const std::string victim = outside.file("victim");
    test::writeFile(victim, "kept");
    window("Kurvex");
    Plot& evil = window("Evil");
    evil.ensureGraphs(1);
    evil.graph(1).append(1.0, 2.0);
    ASSERT_EQ(symlink(victim.c_str(), dir.file("Evil.dat").c_str()), 0);
    std::string failedPath;
    std::string reason;
    EXPECT_FALSE(writeSession(listed(), ses, &failedPath, &reason, [](const auto&) { return true; }));
    EXPECT_EQ(failedPath, dir.file("Evil.dat"));
    EXPECT_EQ(reason, "a symbolic link that leads out of the folder");
    EXPECT_EQ(test::readFile(victim), "kept");
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"Evil.dat"});

    ASSERT_EQ(unlink(dir.file("Evil.dat").c_str()), 0);
    ASSERT_EQ(symlink(outside.file("new").c_str(), dir.file("Evil.plt").c_str()), 0);
    EXPECT_FALSE(writeSession(listed(), ses, &failedPath, &reason, [](const auto&) { return true; }));
    EXPECT_EQ(failedPath, dir.file("Evil.plt"));
    EXPECT_EQ(reason, "a symbolic link that leads nowhere");
    EXPECT_EQ(namesIn(outside.path()), std::set<std::string>{"victim"});
    EXPECT_EQ(namesIn(dir.path()), std::set<std::string>{"Evil.plt"});

    // The session file's own name, which the user typed, may be a link.
    ASSERT_EQ(unlink(dir.file("Evil.plt").c_str()), 0);
    ASSERT_EQ(symlink(victim.c_str(), ses.c_str()), 0);
    EXPECT_TRUE(writeSession(listed(), ses));
    EXPECT_EQ(test::readFile(victim).rfind("[Session]", 0), 0u);
    EXPECT_TRUE(std::filesystem::is_symlink(ses));
}

TEST_F(SessionFileTest, FilesThatTheReplacedSessionDoesNotNameAreReplacedOnlyWhenAllowed)
{
    Plot& plot = window("Kurvex");
    plot.ensureGraphs(1);
    plot.graph(1).append(1.0, 2.0);
    ASSERT_TRUE(writeSession(listed(), dir.file("a.ses")));
    const std::vector<std::string> files = {dir.file(numbered(plot) + ".dat"), dir.file(numbered(plot) + ".plt")};
    const std::vector<std::string> saved = contentsOf(files);
    plot.graph(1).append(3.0, 4.0);

    std::vector<std::vector<std::string>> asked;
    const auto answer = [&asked](bool yes) {
        return [&asked, yes](const std::vector<std::string>& others) {
            asked.push_back(others);
            return yes;
        };
    };
    std::string reason;
    EXPECT_FALSE(writeSession(listed(), dir.file("b.ses"), nullptr, &reason));
    EXPECT_EQ(reason, "it would replace files that the session does not name");
    EXPECT_FALSE(writeSession(listed(), dir.file("b.ses"), nullptr, nullptr, answer(false)));
    EXPECT_EQ(asked, std::vector<std::vector<std::string>>{files});
    EXPECT_EQ(contentsOf(files), saved);
    EXPECT_EQ(namesIn(dir.path()), (std::set<std::string>{"a.ses", numbered(plot) + ".dat", numbered(plot) + ".plt"}));

    // The session that names them replaces them without a question.
    EXPECT_TRUE(writeSession(listed(), dir.file("a.ses"), nullptr, nullptr, answer(false)));
    EXPECT_EQ(asked.size(), 1u);
    EXPECT_NE(contentsOf(files), saved);
    EXPECT_TRUE(writeSession(listed(), dir.file("b.ses"), nullptr, nullptr, answer(true)));
    EXPECT_EQ(asked.size(), 2u);
    EXPECT_TRUE(test::fileExists(dir.file("b.ses")));
}

TEST_F(SessionFileTest, ASaveWaitsForAnotherProcessSavingIntoTheFolder)
{
    window("Kurvex");
    ASSERT_TRUE(writeSession(listed(), ses));
    const std::string session = test::readFile(ses);
    window("Second");
    int toChild[2];
    int fromChild[2];
    ASSERT_EQ(pipe(toChild), 0);
    ASSERT_EQ(pipe(fromChild), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // Holds the folder's lock as a saving process does, until told.
        const int folder = open(dir.path().c_str(), O_RDONLY | O_DIRECTORY);
        char done = flock(folder, LOCK_EX) == 0 ? 'y' : 'n';
        [[maybe_unused]] ssize_t n = write(fromChild[1], &done, 1);
        n = read(toChild[0], &done, 1);
        _exit(0);
    }
    char locked = 0;
    ASSERT_EQ(read(fromChild[0], &locked, 1), 1);
    ASSERT_EQ(locked, 'y');
    std::string failedPath;
    std::string reason;
    EXPECT_FALSE(writeSession(listed(), ses, &failedPath, &reason));
    EXPECT_EQ(failedPath, ses);
    EXPECT_EQ(reason, "another save into this folder is still under way");
    EXPECT_EQ(test::readFile(ses), session);

    ASSERT_EQ(write(toChild[1], "x", 1), 1);
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    for (const int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]}) {
        close(fd);
    }
    EXPECT_TRUE(writeSession(listed(), ses));
    EXPECT_NE(test::readFile(ses), session);
}

TEST_F(SessionFileTest, TitlesBecomeDistinctNamesInTheSessionsFolder)
{
    const std::string longTitle(199, 'x');
    const std::vector<std::string> titles = {
        "Data", "Data", "data", "a/b", "../up", ".hidden", "v1.2", "tab\there", "", longTitle + "\xC3\xA9 and more",
    };
    std::vector<const BaseWindow*> listed;
    for (const std::string& title : titles) {
        listed.push_back(&window(title));
    }
    listed.push_back(&window("Kurvex"));
    window(numbered(*listed.back()));
    listed.push_back(plots.back().get());
    const std::vector<std::string> expected = {
        "Data", "Data-2", "data", "a_b", "___up", "_hidden", "v1_2", "tab_here", numbered(*listed[8]),
        // Cut to 200 bytes, not inside the two bytes of the accented letter.
        longTitle,
        numbered(*listed[10]), numbered(*listed[10]) + "-2",
    };
    EXPECT_EQ(sessionBaseNames(listed), expected);
}

TEST_F(SessionFileTest, AWindowTitledLikeAMissingKeyComesBack)
{
    // "NoConfig" is what the settings reader gives for a key that is not
    // there: the window's files get another name.
    Plot& plot = window("NoConfig");
    plot.ensureGraphs(1);
    plot.graph(1).append(1.0, 2.0);
    ASSERT_TRUE(writeSession(listed(), ses));
    const auto contents = readSessionFile(ses);
    ASSERT_TRUE(contents);
    ASSERT_EQ(contents->plotFiles.size(), 1u);
    ASSERT_TRUE(contents->plotFiles[0]);
    Plot back("Back");
    ASSERT_TRUE(readPlotFile(back, *contents->plotFiles[0] + ".plt", PLOT_PART_ALL, 1));
    ASSERT_TRUE(readData(back, *contents->plotFiles[0] + ".dat", 1));
    test::expectSamePoints(back.graph(1), plot.graph(1));
}

TEST_F(SessionFileTest, ReadingTakesOnlyWhatFitsAndStaysInTheFolder)
{
    test::writeFile(ses, "[Session]\nnumPlots= 500\n"
                         "[Plot1]\nplotFile= 'sub/ok'\n"
                         "[Plot2]\nplotFile= '../outside'\n"
                         "[Plot3]\nplotFile= '/etc/passwd'\n"
                         "[Plot4]\nplotFile= 'four.Plt'\n");
    auto contents = readSessionFile(ses);
    ASSERT_TRUE(contents);
    ASSERT_EQ(contents->plotFiles.size(), static_cast<std::size_t>(maxSessionPlots));
    EXPECT_EQ(contents->plotFiles[0], dir.file("sub/ok"));
    EXPECT_EQ(contents->plotFiles[1], std::nullopt);
    EXPECT_EQ(contents->plotFiles[2], std::nullopt);
    EXPECT_EQ(contents->plotFiles[3], dir.file("four"));  // the reader adds the extension
    EXPECT_EQ(contents->plotFiles[4], std::nullopt);
    EXPECT_EQ(contents->outsideFolder, (std::vector<std::string>{"../outside", "/etc/passwd"}));
    EXPECT_TRUE(contents->focus.empty());

    test::writeFile(ses, "[Session]\nnumPlots= -3\nplotFocus= [1]\n");
    contents = readSessionFile(ses);
    ASSERT_TRUE(contents);
    EXPECT_TRUE(contents->plotFiles.empty());
    EXPECT_EQ(contents->focus, std::vector<int>{1});
    EXPECT_TRUE(desktop.boxes.empty());

    EXPECT_FALSE(readSessionFile(dir.file("missing.ses")));
    EXPECT_TRUE(desktop.boxes.empty());
    test::writeFile(ses, "[Session]\nplotFocus= [1]\n");
    EXPECT_FALSE(readSessionFile(ses));
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text, "Required [Session] Parameter 'numPlots' \nmissing in " + ses + " !\n");
}

TEST(FocusList, NumbersBetweenTheFirstAndLastDigit)
{
    test::RecordingDesktop desktop;
    test::ScopedDesktop scoped{desktop};
    EXPECT_EQ(parseFocusList("[ 2, 1 ]"), (std::vector<int>{2, 1}));
    EXPECT_EQ(parseFocusList("[3 1]"), (std::vector<int>{3, 1}));
    EXPECT_EQ(parseFocusList("[]"), std::vector<int>{});
    EXPECT_EQ(parseFocusList("abc"), std::vector<int>{});
    EXPECT_EQ(parseFocusList("[-2.9;x7 1e99]"), (std::vector<int>{2, 7, INT32_MAX}));
    EXPECT_TRUE(desktop.boxes.empty());
    EXPECT_EQ(parseFocusList("[1 - 2]"), (std::vector<int>{1, 2}));
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text, "Failure reading data parsing Vector\n");
}

}  // namespace
}  // namespace kvx
