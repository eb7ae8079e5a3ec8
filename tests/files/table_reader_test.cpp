#include "files/table_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "files/data_file_test_support.h"
#include "settings/keywords.h"

namespace kvx {
namespace {

using test::Points;
using test::pointsOf;

class TableReaderTest : public testing::Test {
protected:
    TableReaderTest() { desktop.plot = &plot; }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const auto& box : desktop.boxes) out.push_back(box.text);
        return out;
    }

    test::BusyWatchingDesktop desktop;
    test::ScopedDesktop scoped{desktop};
    test::WindowedPlot plot;
};

TEST_F(TableReaderTest, ALoggersTableKeepsEveryFieldInItsColumnAndItsTimesOnATimeAxis)
{
    const std::string text =
        "# logger v1\n"
        "time;temp;\"hum, %\"\n"
        "2026-12-07T23:15:26;20,5;40\n"
        "2026-12-07T23:15:27;;41\n"
        "2026-12-07T23:15:28;NaN;oops\n"
        "2026-12-07T23:15:29;21\n"
        "2026-12-07T23:15:30;22;43;99\n"
        "NEW\n"
        "a;b\n";
    EXPECT_EQ(readTableText(plot, text, "log.csv", 1), DataOutcome::Read);
    const double t = 1796685326.0;
    ASSERT_EQ(plot.numGraphs(), 3);
    EXPECT_EQ(pointsOf(plot.graph(1)), (Points{{t, 20.5, 1}, {t + 3, 21, 1}, {t + 4, 22, 0}}));
    EXPECT_EQ(pointsOf(plot.graph(2)), (Points{{t, 40, 1}, {t + 1, 41, 0}, {t + 4, 43, 1}}));
    EXPECT_EQ(plot.graph(1).lable(), "temp");
    EXPECT_EQ(plot.graph(2).lable(), "hum, %");
    EXPECT_EQ(plot.xLable(), "time");
    // The table after "NEW" is a title line alone: one graph without points,
    // whose title becomes the y title that the first table of two left empty.
    EXPECT_EQ(plot.yLable(), "b");
    EXPECT_EQ(plot.graph(3).lable(), "b");
    EXPECT_EQ(plot.graph(3).numPoints(), 0);
    EXPECT_EQ(plot.axes().x().kind(), AxisKind::Time);
    EXPECT_EQ(texts(), (std::vector<std::string>{
                           "Failure reading data at line 5, column 3 in\nlog.csv !\n",
                           "More fields than columns, the rest is left out,\nat line 7 in\nlog.csv !\n"}));
    EXPECT_EQ(plot.settings().busy, 0);
}

// A table without titles and gaps, of numbers only, gives what XYY gives.
TEST_F(TableReaderTest, ATableOfNumbersOnlyReadsAsXyyDoes)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> value(-1e6, 1e6);
    for (const char* separator : {" ", ",", "\t", "  "}) {
        std::string text;
        char number[40];
        for (int line = 0; line < 3000; ++line) {  // enough for batches
            for (int column = 0; column < 4; ++column) {
                const double v = column == 1 && line % 7 == 0 ? 0.5 : value(random) * (line % 3 == 0 ? 1e-9 : 1.0);
                std::snprintf(number, sizeof number, line % 5 == 0 ? "%.17g" : "%.6e", v);
                text += (column > 0 ? separator : "") + std::string(number);
            }
            text += "\n";
        }
        test::WindowedPlot xyy;
        xyy.files().readMode = XYY;
        ASSERT_EQ(readDataText(xyy, text, "numbers", 1), DataOutcome::Read);
        test::WindowedPlot table;
        ASSERT_EQ(readTableText(table, text, "numbers", 1), DataOutcome::Read);
        SCOPED_TRACE(std::string("separator \"") + separator + "\"");
        test::expectSameGraphs(table, xyy);
    }
    EXPECT_TRUE(desktop.boxes.empty());
}


// Batches of rows read as line by line does (lines with CR LF ends always
// go that way): gaps, quotes, ragged lines, text and extra fields before
// and after their warning, time stamps and a second table, on both sides
// of the cut between the two threads.
TEST_F(TableReaderTest, BatchesReadAsLineByLine)
{
    for (const char* separator : {",", ";"}) {
        const std::string sep = separator;
        std::string lf = "# logger\ntime" + sep + "a" + sep + "b" + sep + "\"c" + sep + " d\"\n";
        char field[64];
        for (int i = 0; i < 24000; ++i) {
            if (i == 15000) {
                lf += "NEW\n";
            }
            const bool stamped = i < 15000;
            if (stamped) {
                std::snprintf(field, sizeof field, "2026-12-0%dT%02d:%02d:%02d.%03d", 1 + i / 3600 % 9, i / 3600 % 24,
                              i / 60 % 60, i % 60, i % 1000);
            } else {
                std::snprintf(field, sizeof field, "%.17g", i * 0.25);
            }
            lf += i % 503 == 0 ? "" : field;
            std::snprintf(field, sizeof field, sep == ";" ? "%d,%03d" : "%d.%03d", i % 977, i % 1000);
            lf += sep + (i % 97 == 0 ? "" : i % 301 == 0 ? "\"" + std::string(field) + "\"" : field);
            if (i % 211 == 0) {
                lf += "\n";
                continue;
            }
            lf += sep + (i % 101 == 0 ? "NaN" : i == 7000 || i % 1000 == 500 ? "oops" : std::to_string(-i));
            if (stamped) {
                lf += sep + (i % 89 == 0 ? "-" : std::to_string(i % 13));
            }
            lf += i == 9000 || i % 1000 == 900 ? sep + "1" + sep + "2\n" : "\n";
        }
        test::WindowedPlot batched;
        ASSERT_EQ(readTableText(batched, lf, "log", 1), DataOutcome::Read);
        const std::vector<std::string> batchedBoxes = texts();
        desktop.boxes.clear();
        test::WindowedPlot lineByLine;
        ASSERT_EQ(readTableText(lineByLine, test::withCrLf(lf), "log", 1), DataOutcome::Read);
        SCOPED_TRACE("separator " + sep);
        EXPECT_EQ(batched.numGraphs(), 5);
        test::expectSameGraphs(batched, lineByLine);
        EXPECT_EQ(batched.graph(3).lable(), "c" + sep + " d");
        EXPECT_GT(batched.graph(1).numPoints(), 14000);
        EXPECT_EQ(batched.axes().x().kind(), AxisKind::Time);
        EXPECT_EQ(lineByLine.axes().x().kind(), AxisKind::Time);
        EXPECT_EQ(batchedBoxes.size(), 2u);
        EXPECT_EQ(batchedBoxes, texts());
        desktop.boxes.clear();
    }
}

}  // namespace
}  // namespace kvx
