#include "files/data_file_reader.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include <sys/stat.h>

#include "files/data_file_test_support.h"
#include "settings/keywords.h"
#include "support/temp_dir.h"

namespace kvx {
namespace {

using test::Point;
using test::Points;
using test::pointsOf;

class DataFileReaderTest : public testing::Test {
protected:
    DataFileReaderTest() { desktop.plot = &plot; }

    // Reads `text` from a file in `mode` into graphs numbered from the
    // plot's count + 1.
    bool read(std::string_view text, int16_t mode)
    {
        test::writeFile(path, text);
        plot.files().readMode = mode;
        return readData(plot, path, plot.numGraphs() + 1);
    }
    Points points(int16_t graph) const { return pointsOf(plot.graph(graph)); }
    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const auto& box : desktop.boxes) out.push_back(box.text);
        return out;
    }
    // The box text of a warning that names the file with "\n%s !".
    std::string named(std::string_view prefix) const
    {
        return std::string(prefix) + "\n" + path + " !\n";
    }
    std::string atLine(long line) const
    {
        return "Failure reading data at line " + std::to_string(line) + " in\n" + path + " !\n";
    }

    test::BusyWatchingDesktop desktop;
    test::ScopedDesktop scoped{desktop};
    test::TempDir dir;
    const std::string path = dir.file("run.dat");
    test::WindowedPlot plot;
};

using Texts = std::vector<std::string>;

TEST_F(DataFileReaderTest, XyySharesTheFirstColumnAsX)
{
    EXPECT_TRUE(read("1 2 3\n2 4 6\n", XYY));
    ASSERT_EQ(plot.numGraphs(), 2);
    EXPECT_EQ(points(1), (Points{{1, 2, 1}, {2, 4, 0}}));
    EXPECT_EQ(points(2), (Points{{1, 3, 1}, {2, 6, 0}}));
    EXPECT_EQ(plot.graph(2).lable(), "Graph 2");
    EXPECT_TRUE(desktop.boxes.empty());
    EXPECT_EQ(plot.settings().busy, 0);
    // The mode is the caller's; reading does not change it.
    EXPECT_EQ(plot.files().readMode, XYY);
}

TEST_F(DataFileReaderTest, XyxyBlocksAddGraphsOfTheirOwn)
{
    EXPECT_TRUE(read("1 2 1 3\n2 4 2 9\nNEW\n0 5\n1 6\n", XYXY));
    ASSERT_EQ(plot.numGraphs(), 3);
    EXPECT_EQ(points(1), (Points{{1, 2, 1}, {2, 4, 0}}));
    EXPECT_EQ(points(2), (Points{{1, 3, 1}, {2, 9, 0}}));
    EXPECT_EQ(points(3), (Points{{0, 5, 1}, {1, 6, 0}}));
    EXPECT_TRUE(desktop.boxes.empty());
    // Only mode YY lets the windows work between blocks.
    EXPECT_TRUE(desktop.busyAtMessage.empty());
}

TEST_F(DataFileReaderTest, XyaxyaAttributesJoinBreakOrIsolatePoints)
{
    EXPECT_TRUE(read("1 2 1 3 4 0\n"
                     "2 3 0 4 5 1\n"
                     "3 1 7 5 6 2\n"
                     "4 0 0 6 7 0\n",
                     XYAXYA));
    ASSERT_EQ(plot.numGraphs(), 2);
    EXPECT_EQ(points(1), (Points{{1, 2, 1}, {2, 3, 0}, {3, 1, 2}, {4, 0, 0}}));
    EXPECT_EQ(points(2), (Points{{3, 4, 1}, {4, 5, 1}, {5, 6, 2}, {6, 7, 0}}));
}

TEST_F(DataFileReaderTest, XyayaSharesXAndReadsAttributesAsIntegers)
{
    EXPECT_TRUE(read("0 1 0 2 1\n1 2 1 3 0\n", XYAYA));
    ASSERT_EQ(plot.numGraphs(), 2);
    EXPECT_EQ(points(1), (Points{{0, 1, 1}, {1, 2, 1}}));
    EXPECT_EQ(points(2), (Points{{0, 2, 1}, {1, 3, 0}}));

    // "1.0" in an attribute column is the attribute 1 and the number 0, so
    // the columns after it shift.
    plot.removeAllGraphs();
    EXPECT_TRUE(read("1 2 1.0 3 0\n", XYAYA));
    ASSERT_EQ(plot.numGraphs(), 2);
    EXPECT_EQ(points(1), (Points{{1, 2, 1}}));
    EXPECT_EQ(points(2), (Points{{1, 0, 2}}));  // y from ".0", attribute 3
}

TEST_F(DataFileReaderTest, XyayaWithOneColumnAddsNothingSilently)
{
    EXPECT_TRUE(read("5\n6\n", XYAYA));
    EXPECT_EQ(plot.numGraphs(), 0);
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(DataFileReaderTest, YyNumbersTheLinesOfEachBlockAndLetsWindowsWork)
{
    plot.ensureGraphs(3);
    EXPECT_TRUE(read("10 20\n# note\n11 21\n12 22\nNEW\n5\n6\n", YY));
    ASSERT_EQ(plot.numGraphs(), 6);
    EXPECT_TRUE(points(3).empty());
    EXPECT_EQ(points(4), (Points{{1, 10, 1}, {2, 11, 0}, {3, 12, 0}}));
    EXPECT_EQ(points(5), (Points{{1, 20, 1}, {2, 21, 0}, {3, 22, 0}}));
    EXPECT_EQ(points(6), (Points{{1, 5, 1}, {2, 6, 0}}));
    EXPECT_EQ(plot.graph(4).lable(), "Graph 4");
    // One message at the one "NEW", while the half-read plot stays busy.
    EXPECT_EQ(desktop.busyAtMessage, std::vector<int>{1});
}

TEST_F(DataFileReaderTest, StartChoosesTheFirstGraphOfTheFile)
{
    plot.ensureGraphs(2);
    plot.append(7, 7, 2);
    test::writeFile(path, "1 2\n2 3\nNEW\n4 5 6\n");
    plot.files().readMode = XYY;
    // Into the existing graph 2, then new graphs for the second block.
    EXPECT_TRUE(readData(plot, path, 2));
    ASSERT_EQ(plot.numGraphs(), 4);
    EXPECT_EQ(points(2), (Points{{7, 7, 1}, {1, 2, 0}, {2, 3, 0}}));
    EXPECT_EQ(points(3), (Points{{4, 5, 1}}));
    EXPECT_EQ(points(4), (Points{{4, 6, 1}}));
    EXPECT_TRUE(points(1).empty());
}

TEST_F(DataFileReaderTest, NewLinesAtTheStartAndBetweenBlocks)
{
    // One "NEW" at the start is harmless; two in a row between blocks act as one.
    EXPECT_TRUE(read("NEW\n1 2\nNEW\nNEW the rest is ignored\n3 4\n", XYY));
    ASSERT_EQ(plot.numGraphs(), 2);
    EXPECT_EQ(points(1), (Points{{1, 2, 1}}));
    EXPECT_EQ(points(2), (Points{{3, 4, 1}}));
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(DataFileReaderTest, AThirdNewInARowFindsNoData)
{
    EXPECT_TRUE(read("1 2\nNEW\nNEW\nNEW\n3 4\n", XYY));
    EXPECT_EQ(texts(), Texts{named("No data found in file ")});
    ASSERT_EQ(plot.numGraphs(), 1);
    EXPECT_EQ(points(1), (Points{{1, 2, 1}}));
    EXPECT_EQ(desktop.boxes[0].caption, "Warning");
    EXPECT_EQ(desktop.boxes[0].owner, &plot.native);
    EXPECT_EQ(desktop.busyAtBox, std::vector<int>{0});
    EXPECT_EQ(plot.settings().busy, 0);
}

TEST_F(DataFileReaderTest, TwoNewLinesAtTheStartFindNoData)
{
    EXPECT_TRUE(read("NEW\n\nNEW\n1 2\n", XYY));
    EXPECT_EQ(texts(), Texts{named("No data found in file ")});
    EXPECT_EQ(plot.numGraphs(), 0);
}

TEST_F(DataFileReaderTest, EndOfFileAfterNewIsUnexpected)
{
    EXPECT_TRUE(read("1 2\nNEW\n# nothing follows\n\n", XYY));
    EXPECT_EQ(texts(), Texts{named("Unexpected end of File ")});
    EXPECT_EQ(points(1), (Points{{1, 2, 1}}));
    // A file of only "NEW" has data-seen set, but its block has no line.
    plot.removeAllGraphs();
    desktop.boxes.clear();
    EXPECT_TRUE(read("NEW\n", XYY));
    EXPECT_EQ(texts(), Texts{named("No data found in file ")});
}

TEST_F(DataFileReaderTest, EmptyAndCommentOnlyFilesAddNothingSilently)
{
    EXPECT_TRUE(read("", XYY));
    EXPECT_TRUE(read("# only a comment\n\n \t \r\n", XYXY));
    EXPECT_EQ(plot.numGraphs(), 0);
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(DataFileReaderTest, ColumnTitlesMustBeComments)
{
    EXPECT_TRUE(read("time,voltage\n1 2\n", XYY));
    EXPECT_EQ(texts(), Texts{named("No data found in file ")});
    EXPECT_EQ(plot.numGraphs(), 0);
    // A title with digits is read as numbers.
    desktop.boxes.clear();
    EXPECT_TRUE(read("x1 y1\n2 3\n", XYY));
    EXPECT_TRUE(desktop.boxes.empty());
    EXPECT_EQ(points(1), (Points{{1, 1, 1}, {2, 3, 0}}));
}

TEST_F(DataFileReaderTest, ColumnCountsThatTheModeCannotTake)
{
    const std::string xyy = "Not enough data columns for this mode in\n" + path + " !\n";
    const std::string other =
        "Not enough or wrong number of data columns\nfor this mode in\n" + path + " !\n";
    struct Case {
        int16_t mode;
        const char* text;
        std::string message;
    };
    const Case cases[] = {
        {XYY, "1\n2\n", xyy},
        {XYXY, " 0.0e+00  1.0e+00  3.0e+00\n", other},
        {XYAXYA, "1 2 0 3\n", other},
        {XYAYA, "1 2 0 3\n", other},
    };
    for (const Case& c : cases) {
        desktop.boxes.clear();
        EXPECT_TRUE(read(c.text, c.mode));
        EXPECT_EQ(texts(), Texts{c.message}) << c.mode;
        EXPECT_EQ(plot.numGraphs(), 0) << c.mode;
    }
    EXPECT_EQ(desktop.boxes.back().owner, &plot.native);
    EXPECT_EQ(plot.settings().busy, 0);
}

TEST_F(DataFileReaderTest, AShortLineStopsWithItsPhysicalLineNumber)
{
    // The empty field leaves line 4 two values: not one of them goes to graph 1.
    EXPECT_TRUE(read("1 2 3\n# comment\n\n2,,30\n6 7 8\n", XYY));
    EXPECT_EQ(texts(), Texts{atLine(4)});
    EXPECT_EQ(points(1), (Points{{1, 2, 1}}));
    EXPECT_EQ(points(2), (Points{{1, 3, 1}}));
    EXPECT_EQ(desktop.busyAtBox, std::vector<int>{0});
    EXPECT_EQ(plot.settings().busy, 0);
}

TEST_F(DataFileReaderTest, ShortLinesInEveryMode)
{
    struct Case {
        int16_t mode;
        const char* text;
        long line;
    };
    const Case cases[] = {
        {XYXY, "1 2 3 4\n5 6 7\n", 2},      {XYAXYA, "1 2 0 3 4 0\n5 6 0 7 8\n", 2},
        {XYAYA, "1 2 0 3 0\n\n5 6 1 7\n", 3}, {YY, "1 2\n3\n", 2},
        {XYY, "1 2\nNEW\n3 4\n5\n", 4},
    };
    for (const Case& c : cases) {
        plot.removeAllGraphs();
        desktop.boxes.clear();
        EXPECT_TRUE(read(c.text, c.mode));
        EXPECT_EQ(texts(), Texts{atLine(c.line)}) << c.mode;
        // Every graph has its point of the line before; the short line gave none.
        ASSERT_EQ(plot.numGraphs(), 2) << c.mode;
        EXPECT_EQ(plot.graph(1).numPoints(), 1) << c.mode;
        EXPECT_EQ(plot.graph(2).numPoints(), 1) << c.mode;
    }
}

TEST_F(DataFileReaderTest, CrAndCrLfLineEndsCountAsOneLineEach)
{
    EXPECT_TRUE(read("1 2\r\r\n3 4\r\n# c\r5\r", XYY));
    EXPECT_EQ(texts(), Texts{atLine(5)});
    EXPECT_EQ(points(1), (Points{{1, 2, 1}, {3, 4, 0}}));
}

TEST_F(DataFileReaderTest, ExtraNumbersOnALineAreIgnored)
{
    EXPECT_TRUE(read("1 2\n3 4 5 6\n", XYY));
    EXPECT_TRUE(desktop.boxes.empty());
    EXPECT_EQ(points(1), (Points{{1, 2, 1}, {3, 4, 0}}));
}

TEST_F(DataFileReaderTest, ALoneSignLeavesItsGraphWithoutAPointThere)
{
    // A blank y takes the point of its graph, a blank x or attribute those
    // of the graphs it belongs to; their lines break. One warning a file.
    struct Case {
        int16_t mode;
        const char* text;
        Points first;
        Points second;
    };
    const Case cases[] = {
        {XYY, "1 10 20\n2 - 30\n- 11 31\n3 12 32\n", {{1, 10, 1}, {3, 12, 1}}, {{1, 20, 1}, {2, 30, 0}, {3, 32, 1}}},
        {XYXY, "1 10 5 20\n2 + - 30\n3 12 6 32\n", {{1, 10, 1}, {3, 12, 1}}, {{5, 20, 1}, {6, 32, 1}}},
        {XYAYA, "1 10 0 20 0\n2 11 - 21 0\n3 12 0 22 2\n", {{1, 10, 1}, {3, 12, 1}},
         {{1, 20, 1}, {2, 21, 0}, {3, 22, 2}}},
        {YY, "10 20\n- 21\n12 22\n", {{1, 10, 1}, {3, 12, 1}}, {{1, 20, 1}, {2, 21, 0}, {3, 22, 0}}},
    };
    for (const Case& c : cases) {
        plot.removeAllGraphs();
        desktop.boxes.clear();
        EXPECT_TRUE(read(c.text, c.mode));
        EXPECT_EQ(texts(), Texts{atLine(2)}) << c.mode;
        EXPECT_EQ(points(1), c.first) << c.mode;
        EXPECT_EQ(points(2), c.second) << c.mode;
    }
    EXPECT_EQ(desktop.busyAtBox, std::vector<int>(std::size(cases), 0));
    EXPECT_EQ(plot.settings().busy, 0);
}

TEST_F(DataFileReaderTest, NumbersOfCommonFilesReadAsWritten)
{
    struct Case {
        const char* text;
        std::vector<Points> graphs;
    };
    const Case cases[] = {
        // Leading points beside numbers with digits before them.
        {"# scatter\n 1.2  .99443\n .5   .000001\n-.5   +.1\n", {{{1.2, .99443, 1}, {.5, 1e-6, 0}, {-.5, .1, 0}}}},
        // Names with hyphens among the numbers.
        {"# city lat lon\nSaint-Etienne 45.43 4.39\nSUB-SAHARAN -1.5 20\n",
         {{{45.43, 4.39, 1}, {-1.5, 20, 0}}}},
        // "-" for numbers unknown; years spanned as 1891-1900.
        {"# Region\tAustria\tCzech\n1891-1900\t234081\t-\n1901-1910\t668209\t-\n1911-1920\t453649\t3746\n",
         {{{1891, 234081, 1}, {1901, 668209, 0}, {1911, 453649, 0}}, {{1911, 3746, 1}}}},
    };
    for (const Case& c : cases) {
        plot.removeAllGraphs();
        desktop.boxes.clear();
        EXPECT_TRUE(read(c.text, XYY));
        ASSERT_EQ(plot.numGraphs(), static_cast<int>(c.graphs.size())) << c.text;
        for (std::size_t g = 0; g < c.graphs.size(); ++g) {
            EXPECT_EQ(points(static_cast<int16_t>(g + 1)), c.graphs[g]) << c.text;
        }
    }
    EXPECT_EQ(texts(), Texts{atLine(2)});  // the first "-" of the last file
}

TEST_F(DataFileReaderTest, OutOfRangeNumbersSaturate)
{
    EXPECT_TRUE(read("1e999 -1e999\n1e-999 2\n", XYY));
    EXPECT_TRUE(desktop.boxes.empty());
    EXPECT_EQ(points(1), (Points{{DBL_MAX, -DBL_MAX, 1}, {0, 2, 0}}));
}

TEST_F(DataFileReaderTest, AFileEndingInsideANumberKeepsItsLeadingPart)
{
    EXPECT_TRUE(read("1 2\n3 4.5e", XYY));
    EXPECT_EQ(points(1), (Points{{1, 2, 1}, {3, 4.5, 0}}));
    EXPECT_TRUE(desktop.boxes.empty());
}

TEST_F(DataFileReaderTest, ABlockBeyondTheGraphLimitIsRefused)
{
    std::string wide;
    for (int i = 0; i < 20000; ++i) wide += "1 ";
    wide += "\n";
    EXPECT_TRUE(read(wide + "NEW\n" + wide, YY));
    const std::string message = "Too many graphs for one plot in\n" + path + " !\n";
    EXPECT_EQ(texts(), Texts{message});
    // The first block stays.
    ASSERT_EQ(plot.numGraphs(), 20000);
    EXPECT_EQ(points(20000), (Points{{1, 1, 1}}));
    EXPECT_EQ(plot.settings().busy, 0);
}

TEST_F(DataFileReaderTest, AMillionColumnsAreRefusedWithoutCreatingGraphs)
{
    std::string line;
    line.reserve(2'000'000);
    for (int i = 0; i < 1'000'000; ++i) line += "7 ";
    EXPECT_TRUE(read(line, XYY));
    EXPECT_EQ(texts(), Texts{"Too many graphs for one plot in\n" + path + " !\n"});
    EXPECT_EQ(plot.numGraphs(), 0);
}

TEST_F(DataFileReaderTest, BinaryInputNeverBreaksTheReader)
{
    std::mt19937 random(20240607);
    std::string bytes(1 << 16, '\0');
    for (char& c : bytes) c = static_cast<char>(random() & 0xFF);
    for (int16_t mode : {XYY, XYXY, XYAXYA, XYAYA, YY}) {
        plot.removeAllGraphs();
        EXPECT_TRUE(read(bytes, mode));
        EXPECT_LE(plot.numGraphs(), Plot::maxGraphs);
        EXPECT_EQ(plot.settings().busy, 0);
    }
}

TEST_F(DataFileReaderTest, AVeryLongLineWithoutALineEndIsReadWhole)
{
    std::string text(5'000'000, 'x');
    text += " 1;2";
    EXPECT_TRUE(read(text, XYY));
    EXPECT_EQ(points(1), (Points{{1, 2, 1}}));
}

TEST_F(DataFileReaderTest, MissingFilesAndFoldersCannotBeOpened)
{
    plot.files().readMode = XYY;
    EXPECT_FALSE(readData(plot, dir.file("missing.dat"), 1));
    EXPECT_EQ(plot.settings().busy, 0);
    EXPECT_FALSE(plot.isBusy());
    EXPECT_FALSE(readData(plot, dir.path(), 1));
    EXPECT_TRUE(desktop.boxes.empty());
    EXPECT_EQ(plot.numGraphs(), 0);
}

TEST_F(DataFileReaderTest, FifosAndDevicesCannotBeOpened)
{
    // A FIFO without a writer would hold the reader forever; /dev/zero
    // would fill the memory with one endless line.
    const std::string fifo = dir.file("fifo.dat");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    plot.files().readMode = XYY;
    EXPECT_FALSE(readData(plot, fifo, 1));
    EXPECT_FALSE(readData(plot, "/dev/zero", 1));
    EXPECT_EQ(plot.settings().busy, 0);
    EXPECT_TRUE(desktop.boxes.empty());
    EXPECT_EQ(plot.numGraphs(), 0);
}

TEST_F(DataFileReaderTest, TextInMemoryReadsLikeTheFile)
{
    plot.files().readMode = XYXY;
    readDataText(plot, "1 2 3 4\nNEW\n5 6\n7\n", "memory.dat", 1);
    ASSERT_EQ(plot.numGraphs(), 3);
    EXPECT_EQ(points(3), (Points{{5, 6, 1}}));
    EXPECT_EQ(texts(), Texts{"Failure reading data at line 4 in\nmemory.dat !\n"});
}

// Two blocks of many megabytes, so that lines straddle the reader's chunks,
// with the tokens, comments and faults whose reading the line rules decide.
struct LargeFile {
    std::string text;
    long blankLine = 0;  // the physical line of the first lone sign, in block 1
    long stopLine = 0;   // the physical line of the short line in block 2
};

LargeFile largeFile(std::string_view lineEnd)
{
    LargeFile file;
    std::string& t = file.text;
    long line = 0;
    const auto end = [&] {
        t += lineEnd;
        ++line;
    };
    char numbers[128];
    for (int i = 0; i < 120000; ++i) {
        if (i % 1000 == 500) {
            t += "# 1 2 3";
            end();
            t += " \t";
            end();
        }
        if (i == 70000) {
            t += ".5 1-2 +3 1e999";  // 0.5, 1, 3 and the largest double
        } else if (i == 80000) {
            t += "Saint-Etienne .99443 SUB-SAHARAN -.5 +.25 -x 12";  // 0.99443, -0.5, 0.25, 12
        } else if (i == 90000) {
            t += "1 - 3 4";  // no point for graph 1
            file.blankLine = line + 1;
        } else if (i % 997 == 3) {
            t += "x=1,5;-.5\t7e 0x10";  // 1, 5, -0.5, 7 and 0
        } else {
            std::snprintf(numbers, sizeof numbers, "%.17g %.17g %.17g %.17g", i * 1e-3, std::sin(i * 1e-3),
                          -1e-300 * i, 12345.678 + i);
            t += numbers;
        }
        end();
    }
    t += "NEW";
    end();
    for (int i = 0; i < 60000; ++i) {
        if (i == 20000) {
            t += "8 9\r10 11";  // a lone CR ends a line too
            ++line;
        } else if (i == 30000) {
            t += "5 -";  // no point
        } else if (i == 50000) {
            t += "7";
            file.stopLine = line + 1;
        } else {
            std::snprintf(numbers, sizeof numbers, "%.17g\t%.17g", i * 0.5, std::cos(i * 1e-2));
            t += numbers;
        }
        end();
    }
    return file;
}

TEST_F(DataFileReaderTest, LargeFilesReadAsTheLineRulesSay)
{
    const LargeFile lf = largeFile("\n");
    // With CR LF line ends every line goes the line-by-line way.
    const LargeFile crlf = largeFile("\r\n");
    ASSERT_EQ(lf.stopLine, crlf.stopLine);
    const auto readInto = [&](Plot& target, const std::string& text, bool inMemory) {
        desktop.boxes.clear();
        if (inMemory) {
            readDataText(target, text, path, 1);
        } else {
            test::writeFile(path, text);
            EXPECT_TRUE(readData(target, path, 1));
        }
        return texts();
    };
    const Texts warnings{atLine(lf.blankLine), atLine(lf.stopLine)};
    for (const int16_t mode : {XYY, XYXY}) {
        test::WindowedPlot fromLf;
        test::WindowedPlot fromCrLf;
        test::WindowedPlot fromMemory;
        for (Plot* p : {static_cast<Plot*>(&fromLf), static_cast<Plot*>(&fromCrLf), static_cast<Plot*>(&fromMemory)}) {
            p->files().readMode = mode;
        }
        EXPECT_EQ(readInto(fromLf, lf.text, false), warnings) << mode;
        EXPECT_EQ(readInto(fromCrLf, crlf.text, false), warnings) << mode;
        EXPECT_EQ(readInto(fromMemory, lf.text, true), warnings) << mode;

        const int16_t graphs = mode == XYY ? 4 : 3;
        ASSERT_EQ(fromLf.numGraphs(), graphs) << mode;
        ASSERT_EQ(fromCrLf.numGraphs(), graphs) << mode;
        ASSERT_EQ(fromMemory.numGraphs(), graphs) << mode;
        for (int16_t g = 1; g <= graphs; ++g) {
            test::expectSamePoints(fromLf.graph(g), fromCrLf.graph(g));
            test::expectSamePoints(fromLf.graph(g), fromMemory.graph(g));
        }
        const Points first = pointsOf(fromLf.graph(1));
        const Points second = pointsOf(fromLf.graph(2));
        ASSERT_EQ(first.size(), 119999u) << mode;
        EXPECT_EQ(first[70000], (Point{0.5, 1, 0}));
        EXPECT_EQ(first[80000], (Point{0.99443, -0.5, 0}));
        EXPECT_EQ(first[90000].att, ATT_NEW_LINE);  // the point after the blank
        if (mode == XYY) {
            EXPECT_EQ(pointsOf(fromLf.graph(3))[70000], (Point{0.5, DBL_MAX, 0}));
            EXPECT_EQ(second[3], (Point{1, -0.5, 0}));
            EXPECT_EQ(second[90000], (Point{1, 3, 0}));
        } else {
            EXPECT_EQ(second[70000], (Point{3, DBL_MAX, 0}));
            EXPECT_EQ(second[80000], (Point{0.25, 12, 0}));
            EXPECT_EQ(second[3], (Point{-0.5, 7, 0}));
            EXPECT_EQ(second[90000], (Point{3, 4, 0}));
        }
        const Graph& last = fromLf.graph(graphs);
        ASSERT_EQ(last.numPoints(), 50000) << mode;
        EXPECT_EQ(pointsOf(last)[20001], (Point{10, 11, 0}));
        EXPECT_EQ(pointsOf(last)[30001], (Point{30001 * 0.5, std::cos(30001 * 1e-2), ATT_NEW_LINE}));
        EXPECT_EQ(last.xData()[49999], 49999 * 0.5);
        EXPECT_EQ(fromLf.settings().busy, 0);
    }
}

TEST_F(DataFileReaderTest, ManyBlocksOfManyLinesReadAsLineByLine)
{
    // Blocks of about 200 KB: longer than what a batch starts with, shorter
    // than a batch, so that most batches end at a "NEW" line.
    std::string lf;
    char numbers[96];
    for (int block = 0; block < 30; ++block) {
        if (block > 0) {
            lf += "NEW\n";
        }
        for (int i = 0; i < 4000; ++i) {
            const int n = std::snprintf(numbers, sizeof numbers, "%.17g %.17g %.17g\n", block + i * 1e-3,
                                        std::sin(i * 1e-3), -0.5 * i);
            // Two, three or four columns: one, two or three graphs per block.
            lf.append(numbers, static_cast<std::size_t>(n) - 1);
            lf += block % 3 == 0 ? "" : block % 3 == 1 ? " 7" : " 7 8";
            lf += "\n";
        }
    }
    const std::string crlf = test::withCrLf(lf);
    test::WindowedPlot fromCrLf;
    fromCrLf.files().readMode = XYY;
    test::writeFile(path, crlf);
    EXPECT_TRUE(readData(fromCrLf, path, 1));
    EXPECT_TRUE(read(lf, XYY));
    EXPECT_TRUE(desktop.boxes.empty());
    ASSERT_EQ(plot.numGraphs(), 10 * (2 + 3 + 4));
    ASSERT_EQ(fromCrLf.numGraphs(), plot.numGraphs());
    for (int16_t g = 1; g <= plot.numGraphs(); ++g) {
        EXPECT_EQ(plot.graph(g).numPoints(), 4000) << g;
        test::expectSamePoints(plot.graph(g), fromCrLf.graph(g));
    }
    EXPECT_EQ(pointsOf(plot.graph(plot.numGraphs()))[3999], (Point{29 + 3999 * 1e-3, 8, 0}));
}

TEST_F(DataFileReaderTest, BlanksAmidBatchesBreakTheGraphsAsLineByLine)
{
    // XYXY with two different x columns: lines that a batch cannot take,
    // with lone signs, give some graphs no point and break their lines.
    std::string lf;
    char numbers[96];
    for (int i = 0; i < 6000; ++i) {
        if (i == 3000 || i == 4500) {
            lf += i == 3000 ? "- 5 - 7\n" : "+ - 9 +\n";
            continue;
        }
        const int n = std::snprintf(numbers, sizeof numbers, "%d %.17g %d %.17g\n", i, std::sin(i * 1e-3),
                                    100000 + 2 * i, std::cos(i * 1e-3));
        lf.append(numbers, static_cast<std::size_t>(n));
    }
    const std::string crlf = test::withCrLf(lf);
    test::WindowedPlot fromCrLf;
    fromCrLf.files().readMode = XYXY;
    test::writeFile(path, crlf);
    EXPECT_TRUE(readData(fromCrLf, path, 1));
    EXPECT_TRUE(read(lf, XYXY));
    ASSERT_EQ(plot.numGraphs(), 2);
    ASSERT_EQ(fromCrLf.numGraphs(), 2);
    for (int16_t g = 1; g <= 2; ++g) {
        ASSERT_EQ(plot.graph(g).numPoints(), 5998) << g;
        test::expectSamePoints(plot.graph(g), fromCrLf.graph(g));
        EXPECT_EQ(plot.graph(g).attData()[3000], ATT_NEW_LINE);
        EXPECT_EQ(plot.graph(g).attData()[4499], ATT_NEW_LINE);
        EXPECT_EQ(plot.graph(g).attData()[4498], ATT_CONNECTED);
    }
}

// Blocks of every read mode with awkward lines among the usual ones, densely
// in places and sparsely in others so that batches stop in the front part,
// in the back part and not at all: comments, blank lines, "NEW" lines (twice
// in a row once), lines ended by a lone CR, text and odd tokens in fields,
// lone signs, extra numbers, attributes of every kind, and at last a short
// line that ends the read.
std::string awkwardBlocks(int16_t mode, std::mt19937& random)
{
    // Columns of each block's lines, and which of them are attributes.
    struct Block {
        int columns;
        int firstAttribute;
        int attributeStride;
    };
    const std::vector<Block> blocks = mode == XYY      ? std::vector<Block>{{3, 0, 0}, {2, 0, 0}, {4, 0, 0}}
                                      : mode == XYXY   ? std::vector<Block>{{4, 0, 0}, {2, 0, 0}, {6, 0, 0}}
                                      : mode == XYAXYA ? std::vector<Block>{{6, 2, 3}, {3, 2, 3}, {9, 2, 3}}
                                      : mode == XYAYA  ? std::vector<Block>{{5, 2, 2}, {3, 2, 2}, {7, 2, 2}}
                                                       : std::vector<Block>{{2, 0, 0}, {1, 0, 0}, {3, 0, 0}};
    const std::vector<std::string> attributes{"0", "1", "2", "7", "-1", "-0", "+1", "1.0", "00", "99999999999", ".5"};
    const std::vector<std::string> odd{"abc", "1-2", "+5", ".5", "5.", "1e999", "-1e-400", "x=3", "0x10", "-.5e1"};
    std::uniform_int_distribution<int> percent(0, 99);
    std::uniform_real_distribution<double> value(-1e3, 1e3);
    std::string t = "# every mode\n\n";
    char number[40];
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        const Block& block = blocks[b];
        if (b > 0) {
            t += b == 1 ? "NEW\n# between\n \t\nNEW and more\n" : "NEW\n";
        }
        for (int i = 0; i < 5000; ++i) {
            // Awkward lines one in five near the block's start, one in a thousand after.
            const bool awkward = percent(random) < (i < 400 ? 20 : 0) || (i > 400 && random() % 1000 == 0);
            const int kind = awkward ? percent(random) % 8 : -1;
            if (kind == 0) {
                t += percent(random) < 50 ? "# note\n" : " \t \n";
                continue;
            }
            if (b + 1 == blocks.size() && i == 4000) {
                t += "1\n";  // too short for every mode but YY with one column: the read ends
                continue;
            }
            for (int c = 0; c < block.columns; ++c) {
                const bool attribute = block.attributeStride > 0 && c >= block.firstAttribute &&
                                       (c - block.firstAttribute) % block.attributeStride == 0;
                std::string field;
                if (attribute) {
                    field = percent(random) < 80 ? "0" : attributes[random() % attributes.size()];
                } else {
                    std::snprintf(number, sizeof number, percent(random) < 50 ? "%.17g" : "%.6e", value(random));
                    field = number;
                }
                if (kind == 1 && percent(random) < 40) {
                    field = odd[random() % odd.size()];
                } else if (kind == 2 && percent(random) < 30) {
                    field = percent(random) < 50 ? "-" : "+";
                }
                t += (c > 0 ? percent(random) < 90 ? " " : percent(random) < 50 ? "\t" : ", " : "") + field;
            }
            // Text in place of a number shifts the rest: numbers after them keep the line long enough.
            t += kind == 1 ? " 9 8 7 6 5 4 3 2 1" : kind == 3 ? " 1 2 3" : kind == 4 ? " text after" : "";
            t += kind == 5 && random() % 4 == 0 ? "\r" : "\n";
        }
    }
    return t;
}

// Batches read as line by line does (lines with CR LF ends always go that
// way), in every mode: the same graphs, points and attributes, and the same
// warnings with the same line numbers.
TEST_F(DataFileReaderTest, BatchesReadAsLineByLineInEveryMode)
{
    std::mt19937 random(31);
    for (const int16_t mode : {XYY, XYXY, XYAXYA, XYAYA, YY}) {
        SCOPED_TRACE("mode " + std::to_string(mode));
        const std::string lf = awkwardBlocks(mode, random);
        desktop.boxes.clear();
        test::WindowedPlot batched;
        batched.files().readMode = mode;
        ASSERT_EQ(readDataText(batched, lf, "mixed", 1), DataOutcome::Read);
        const Texts batchedBoxes = texts();
        desktop.boxes.clear();
        test::WindowedPlot lineByLine;
        lineByLine.files().readMode = mode;
        ASSERT_EQ(readDataText(lineByLine, test::withCrLf(lf), "mixed", 1), DataOutcome::Read);
        test::expectSameGraphs(batched, lineByLine);
        EXPECT_EQ(batchedBoxes, texts());
        // All three blocks were read up to the short line, whose warning came last.
        ASSERT_EQ(batchedBoxes.size(), 2u) << testing::PrintToString(batchedBoxes);
        EXPECT_EQ(batchedBoxes.back().rfind("Failure reading data at line ", 0), 0u);
        EXPECT_GT(batched.graph(batched.numGraphs()).numPoints(), 3000);
    }
}

TEST_F(DataFileReaderTest, AnUnknownModeReadsAsXyy)
{
    EXPECT_TRUE(read("1 2 3\n", 0));
    EXPECT_EQ(plot.numGraphs(), 2);
}

}  // namespace
}  // namespace kvx
