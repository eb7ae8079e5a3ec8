#include "files/data_follower.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "app/errors.h"
#include "files/data_file_test_support.h"
#include "settings/keywords.h"
#include "support/sanitizers.h"
#include "support/temp_dir.h"
#include "support/writer_process.h"

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
        {COLUMNS, "# logger\ntime,a,\"b, c\"\n2026-12-07T23:15:26,1,2\n2026-12-07T23:15:27,,4\r\n"
                  "2026-12-07 23:15:28,5,NaN\nNEW\nx,y\n1,2.5\n"},
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

// Another process appends lines in pieces of any size, each piece when the
// test says so and while the follower reads; at the end the plot holds the
// points of the whole file.
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
    std::vector<std::function<void()>> pieces;
    std::mt19937 random(11);
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t n = std::min(std::uniform_int_distribution<std::size_t>(1, 3000)(random), text.size() - at);
        pieces.push_back([this, piece = text.substr(at, n)] { append(piece); });
        at += n;
    }
    test::WriterProcess writer(pieces);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        writer.startStep();
        follower.update(followed);  // while the piece is being written
        writer.awaitStep();
    }
    ASSERT_TRUE(writer.finish());
    while (follower.update(followed) != Outcome::Unchanged || follower.morePending()) {
    }
    expectSameAsWholeRead(text, XYY);
    EXPECT_EQ(followed.numGraphs(), 8);
    EXPECT_TRUE(desktop.boxes.empty());
}

// The bytes this process read from files so far.
std::uint64_t bytesRead()
{
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value) {
        if (key == "rchar:") {
            return value;
        }
    }
    ADD_FAILURE() << "no rchar in /proc/self/io";
    return 0;
}

// A file read in pieces of bounded size; a line still being written is read
// once however often the follower looks, and given up when it grows past the
// bound: the points read stay.
TEST_F(DataFollowerTest, ReadsEachByteOnceInBoundedPiecesAndGivesUpOnAnEndlessLine)
{
    constexpr std::size_t megabyte = std::size_t{1} << 20;
    std::string lines;
    for (int i = 0; lines.size() < 10 * megabyte; ++i) {
        lines += std::to_string(i % 1000) + " 1\n";
    }
    const auto total = static_cast<int32_t>(std::count(lines.begin(), lines.end(), '\n'));
    std::vector<std::function<void()>> steps{[&] { append(lines); }};
    for (int i = 0; i < 15; ++i) {
        steps.push_back([this] { append(std::string(megabyte, ' ')); });  // one line, still without its end
    }
    steps.push_back([this] { append("5 6\n"); });
    steps.push_back([this] {
        if (::truncate(path.c_str(), 1 << 30) != 0) {  // sparse: zeros, no line end
            ::_exit(2);
        }
    });
    test::writeFile(path, "");
    DataFollower follower(path, 1, XYY);
    test::WriterProcess writer(steps);

    writer.step();
    EXPECT_EQ(follower.update(followed), Outcome::Restarted);
    EXPECT_LT(followed.graph(1).numPoints(), total);  // a piece, not the whole
    EXPECT_TRUE(follower.morePending());
    while (follower.morePending()) {
        EXPECT_EQ(follower.update(followed), Outcome::Grew);
    }
    EXPECT_EQ(followed.graph(1).numPoints(), total);

    const std::uint64_t before = bytesRead();
    for (int i = 0; i < 15; ++i) {
        writer.step();
        for (int look = 0; look < 10; ++look) {
            EXPECT_EQ(follower.update(followed), Outcome::Unchanged);
        }
    }
    EXPECT_LT(bytesRead() - before, 16 * megabyte);  // 15 MB, each byte once
    writer.step();
    EXPECT_EQ(follower.update(followed), Outcome::Grew);
    EXPECT_EQ(test::pointsOf(followed.graph(1)).back(), (test::Point{5, 6, 0}));

    writer.step();
    Outcome outcome = Outcome::Unchanged;
    for (int look = 0; look < 100 && outcome == Outcome::Unchanged; ++look) {
        outcome = follower.update(followed);
    }
    EXPECT_EQ(outcome, Outcome::LineTooLong);
    EXPECT_EQ(followed.graph(1).numPoints(), total + 1);
    EXPECT_TRUE(writer.finish());
    EXPECT_TRUE(desktop.boxes.empty());
}

// The address space this process takes now.
std::size_t addressSpaceInUse()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmSize:", 0) == 0) {
            return std::stoul(line.substr(7)) * 1024;  // in kB
        }
    }
    return 0;
}

// With the program's handler of failed allocations, a follower that finds no
// memory for its points gives up on its file; the program goes on.
TEST_F(DataFollowerTest, NoMemoryEndsTheFollowingNotTheProgram)
{
    if (test::addressSanitizer) {
        GTEST_SKIP() << "the sanitizer's shadow memory needs more address space than the limit leaves";
    }
    // 40 MB of lines, 18 million points in 7 graphs.
    std::string lines;
    while (lines.size() < (std::size_t{40} << 20)) {
        lines += "1 2 3 4 5 6 7 8\n";
    }
    test::writeFile(path, lines);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        installOutOfMemoryHandler();
        // Room for the lines the follower reads, not for their points.
        rlimit limit{};
        ::getrlimit(RLIMIT_AS, &limit);
        limit.rlim_cur = addressSpaceInUse() + (std::size_t{100} << 20);
        ::setrlimit(RLIMIT_AS, &limit);
        DataFollower follower(path, 1, XYY);
        Outcome outcome = follower.update(followed);
        while (outcome == Outcome::Grew || outcome == Outcome::Restarted) {
            outcome = follower.update(followed);
        }
        ::_exit(outcome == Outcome::OutOfMemory && followed.graph(1).numPoints() > 0 ? 42 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 42) << "status " << status;
}

}  // namespace
}  // namespace kvx
