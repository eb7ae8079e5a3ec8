#include "files/data_follower.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

#include "files/data_file_test_support.h"
#include "settings/keywords.h"
#include "support/temp_dir.h"

namespace kvx {
namespace {

using Outcome = DataFollower::Outcome;

class DataFollowerTest : public testing::Test {
protected:
    DataFollowerTest() { desktop.plot = &followed; }

    void append(std::string_view text)
    {
        std::ofstream out(path, std::ios::binary | std::ios::app);
        out << text;
    }
    // The graphs of the followed plot equal those of reading `text` at once.
    void expectSameAsWholeRead(std::string_view text, int16_t mode)
    {
        test::WindowedPlot whole;
        whole.files().readMode = mode;
        readDataText(whole, text, path, 1);
        test::expectSameGraphs(followed, whole);
    }

    test::BusyWatchingDesktop desktop;
    test::ScopedDesktop scoped{desktop};
    test::TempDir dir;
    const std::string path = dir.file("run.dat");
    test::WindowedPlot followed;
};

struct ModeText {
    int16_t mode;
    std::string text;
};

// Pieces cut anywhere, inside numbers, between CR and LF and around "NEW",
// give the points of the whole file in every mode.
TEST_F(DataFollowerTest, PiecesCutAnywhereGiveThePointsOfTheWholeFile)
{
    const ModeText cases[] = {
        {XYY, "# t a b\n0 1 2\n1 3 4\r\n2 5 6\r3 7 8\nNEW\n0 1\n1 -2.5e1\n\n2 3\n"},
        {XYXY, "1 2 3 4\n5 6 7 8\nNEW\nNEW\n9 10\n11 12\n"},
        {XYAXYA, "1 1 0 2 2 1\n3 3 1 4 4 0\n5 5 2 6 6 2\n"},
        {XYAYA, "1 10 0 20 1\n2 11 1 21 2\n3 12 0 22 0\r\n"},
        {YY, "5 6\n7 8\r\n9 10\nNEW\n1\n2\n3\n"},
    };
    std::mt19937 random(7);
    for (const ModeText& c : cases) {
        for (int round = 0; round < 20; ++round) {
            SCOPED_TRACE("mode " + std::to_string(c.mode) + " round " + std::to_string(round));
            followed.removeAllGraphs();
            test::writeFile(path, "");
            DataFollower follower(path, 1, c.mode);
            std::size_t at = 0;
            while (at < c.text.size()) {
                const std::size_t piece = std::uniform_int_distribution<std::size_t>(1, 6)(random);
                append(std::string_view(c.text).substr(at, piece));
                at += piece;
                follower.update(followed);
            }
            follower.update(followed);
            expectSameAsWholeRead(c.text, c.mode);
        }
    }
    EXPECT_TRUE(desktop.boxes.empty());
}

// A line without its line end waits; a CR that ends the text ends its line.
TEST_F(DataFollowerTest, ALineIsReadOnlyOnceItIsComplete)
{
    test::writeFile(path, "1 2\n3 4");
    DataFollower follower(path, 1, XYY);
    EXPECT_EQ(follower.update(followed), Outcome::Restarted);
    EXPECT_EQ(followed.graph(1).numPoints(), 1);
    append("0");
    EXPECT_EQ(follower.update(followed), Outcome::Unchanged);
    EXPECT_EQ(followed.graph(1).numPoints(), 1);
    append("\r");
    EXPECT_EQ(follower.update(followed), Outcome::Grew);
    EXPECT_EQ(test::pointsOf(followed.graph(1)).back(), (test::Point{3, 40, 0}));
    append("\n");  // the LF of that CR: no new line
    EXPECT_EQ(follower.update(followed), Outcome::Unchanged);
    EXPECT_EQ(followed.graph(1).numPoints(), 2);
}

// Cut short, replaced by another file, removed.
TEST_F(DataFollowerTest, TruncationAndReplacementReadAgainAndRemovalIsReported)
{
    followed.files().readMode = XYY;
    readDataText(followed, "0 0\n", "other.dat", 1);  // graph 1 is another file's
    test::writeFile(path, "1 2 3\n2 4 6\n3 6 9\n");
    DataFollower follower(path, 2, XYY);
    EXPECT_EQ(follower.update(followed), Outcome::Restarted);
    ASSERT_EQ(followed.numGraphs(), 3);
    EXPECT_EQ(followed.graph(2).numPoints(), 3);

    // The writer starts over: a shorter file.
    ASSERT_EQ(::truncate(path.c_str(), 0), 0);
    append("7 8 9\n");
    EXPECT_EQ(follower.update(followed), Outcome::Restarted);
    EXPECT_EQ(test::pointsOf(followed.graph(2)), (test::Points{{7, 8, 1}}));
    EXPECT_EQ(test::pointsOf(followed.graph(3)), (test::Points{{7, 9, 1}}));
    EXPECT_EQ(followed.graph(1).numPoints(), 1);  // the other file's graph stays

    // Another file moved into its place, longer than the old one.
    const std::string next = dir.file("next.dat");
    test::writeFile(next, "1 1 1\n2 2 2\n3 3 3\n4 4 4\n");
    ASSERT_EQ(std::rename(next.c_str(), path.c_str()), 0);
    EXPECT_EQ(follower.update(followed), Outcome::Restarted);
    EXPECT_EQ(followed.graph(2).numPoints(), 4);
    EXPECT_EQ(test::pointsOf(followed.graph(3)).front(), (test::Point{1, 1, 1}));

    ASSERT_EQ(std::remove(path.c_str()), 0);
    EXPECT_EQ(follower.update(followed), Outcome::Gone);
    EXPECT_EQ(followed.graph(2).numPoints(), 4);  // what was read stays
    EXPECT_TRUE(desktop.boxes.empty());
}

// Another process appends lines in pieces of any size while the follower
// reads; at the end the plot holds the points of the whole file.
TEST_F(DataFollowerTest, KeepsUpWithAWriterProcess)
{
    std::string text;
    for (int i = 0; i < 20000; ++i) {
        text += std::to_string(i) + " " + std::to_string(i % 97) + " " + std::to_string(-i) + "\n";
        if (i % 5000 == 4999 && i < 19999) {
            text += "NEW\n";
        }
    }
    test::writeFile(path, "");
    DataFollower follower(path, 1, XYY);
    follower.update(followed);
    const pid_t writer = ::fork();
    ASSERT_GE(writer, 0);
    if (writer == 0) {
        std::FILE* out = std::fopen(path.c_str(), "ab");
        std::mt19937 random(11);
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t piece = std::uniform_int_distribution<std::size_t>(1, 3000)(random);
            const std::size_t n = std::min(piece, text.size() - at);
            std::fwrite(text.data() + at, 1, n, out);
            std::fflush(out);
            at += n;
        }
        std::fclose(out);
        ::_exit(0);
    }
    int status = 0;
    int reads = 0;
    while (::waitpid(writer, &status, WNOHANG) == 0) {
        follower.update(followed);
        ++reads;
    }
    follower.update(followed);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_GT(reads, 0);
    expectSameAsWholeRead(text, XYY);
    EXPECT_EQ(followed.numGraphs(), 8);
    EXPECT_TRUE(desktop.boxes.empty());
}

}  // namespace
}  // namespace kvx
