#include "files/session_file.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/session_list.h"
#include "files/data_file_reader.h"
#include "files/data_file_test_support.h"
#include "files/plot_file.h"
#include "settings/default_records.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"

namespace kvx {
namespace {

class SessionFileTest : public testing::Test {
protected:
    SessionFileTest()
    {
        defaultRecords() = DefaultRecords{};
        EXPECT_EQ(sessionList().count(), 0) << "a window of another test is still listed";
    }

    Plot& window(const std::string& title)
    {
        plots.push_back(std::make_unique<Plot>(title));
        return *plots.back();
    }
    static std::string numbered(const Plot& plot)
    {
        return "Kurvex" + std::to_string(plot.plotNumber());
    }

    test::RecordingDesktop desktop;
    test::ScopedDesktop scoped{desktop};
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
    ASSERT_TRUE(writeSession(ses, &failedPath));
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
    ASSERT_TRUE(writeSession(ses));
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
        EXPECT_FALSE(writeSession(ses, &failedPath, &reason));
    }
    EXPECT_EQ(failedPath, dir.file("Large.dat"));
    EXPECT_EQ(reason, "File too large");
    EXPECT_EQ(test::readFile(ses), session);
    EXPECT_EQ(test::readFile(dir.file("Large.plt")), plot);
}

TEST_F(SessionFileTest, TitlesBecomeDistinctNamesInTheSessionsFolder)
{
    const std::string longTitle(199, 'x');
    const std::vector<std::string> titles = {
        "Data", "Data", "data", "a/b", "../up", ".hidden", "v1.2", "tab\there", "", longTitle + "\xC3\xA9 and more",
    };
    std::vector<const Plot*> listed;
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

TEST_F(SessionFileTest, ReadingTakesOnlyWhatFitsAndStaysInTheFolder)
{
    test::writeFile(ses, "[Session]\nnumPlots= 500\n"
                         "[Plot1]\nplotFile= 'sub/ok'\n"
                         "[Plot2]\nplotFile= '../outside'\n"
                         "[Plot3]\nplotFile= '/etc/passwd'\n");
    auto contents = readSessionFile(ses);
    ASSERT_TRUE(contents);
    ASSERT_EQ(contents->plotFiles.size(), static_cast<std::size_t>(maxSessionPlots));
    EXPECT_EQ(contents->plotFiles[0], dir.file("sub/ok"));
    EXPECT_EQ(contents->plotFiles[1], std::nullopt);
    EXPECT_EQ(contents->plotFiles[2], std::nullopt);
    EXPECT_EQ(contents->plotFiles[3], std::nullopt);
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
