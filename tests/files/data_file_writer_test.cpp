#include "files/data_file_writer.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "files/data_file_reader.h"
#include "files/data_file_test_support.h"
#include "settings/keywords.h"
#include "support/temp_dir.h"

namespace kvx {
namespace {

using test::Points;
using test::pointsOf;

std::string formatted(double value)
{
    char buffer[dataRealSize];
    return std::string(buffer, formatDataReal(buffer, value));
}

TEST(DataRealFormat, SignOrBlankSeventeenDigitsAndExponent)
{
    EXPECT_EQ(formatted(1.0), " 1.0000000000000000e+00");
    EXPECT_EQ(formatted(-4.0), "-4.0000000000000000e+00");
    EXPECT_EQ(formatted(0.0), " 0.0000000000000000e+00");
    EXPECT_EQ(formatted(-0.0), "-0.0000000000000000e+00");
    EXPECT_EQ(formatted(0.1), " 1.0000000000000001e-01");
    EXPECT_EQ(formatted(DBL_MAX), " 1.7976931348623157e+308");
    EXPECT_EQ(formatted(-1e-300), "-1.0000000000000000e-300");
    EXPECT_EQ(formatted(std::numeric_limits<double>::denorm_min()), " 4.9406564584124654e-324");
}

class DataFileWriterTest : public testing::Test {
protected:
    DataFileWriterTest() { desktop.plot = &back; }

    static void fill(Graph& g, std::initializer_list<std::pair<double, double>> points)
    {
        for (const auto& [x, y] : points) g.append(x, y);
    }
    // Writes `plot`, reads the file into `back` in the mode written and
    // expects the same graphs, bit for bit.
    void expectRoundTrip(Plot& plot)
    {
        ASSERT_TRUE(writeData(plot, path));
        back.files().readMode = plot.files().readMode;
        ASSERT_TRUE(readData(back, path, 1));
        EXPECT_TRUE(desktop.boxes.empty()) << desktop.boxes.front().text;
        test::expectSameGraphs(plot, back);
    }

    test::BusyWatchingDesktop desktop;
    test::ScopedDesktop scoped{desktop};
    test::TempDir dir;
    const std::string path = dir.file("out.dat");
    Plot plot{"Out"};
    Plot back{"Back"};
};

// Values whose text must carry every bit.
const double tricky[] = {0.1, -1e-300, 1.0 / 3.0, DBL_MAX, -DBL_MAX,
                         std::numeric_limits<double>::denorm_min(), 2.2250738585072009e-308,
                         -0.0, 123456789012345678.0, 1e22};

TEST_F(DataFileWriterTest, TwoGraphsOnSharedXMakeAnXyyTable)
{
    plot.ensureGraphs(2);
    fill(plot.graph(1), {{0, 1}, {1, 2}});
    fill(plot.graph(2), {{0, 3}, {1, -4}});
    plot.files().readMode = YY;
    ASSERT_TRUE(writeData(plot, path));
    EXPECT_EQ(test::readFile(path),
              " 0.0000000000000000e+00  1.0000000000000000e+00  3.0000000000000000e+00\n"
              " 1.0000000000000000e+00  2.0000000000000000e+00 -4.0000000000000000e+00\n");
    EXPECT_EQ(plot.files().readMode, XYY);

    // Odd column count: refused in XYXY.
    back.files().readMode = XYXY;
    EXPECT_TRUE(readData(back, path, 1));
    ASSERT_EQ(desktop.boxes.size(), 1u);
    EXPECT_EQ(desktop.boxes[0].text,
              "Not enough or wrong number of data columns\nfor this mode in\n" + path + " !\n");
}

TEST_F(DataFileWriterTest, DifferentXMakesAnXyxyTable)
{
    plot.ensureGraphs(2);
    fill(plot.graph(1), {{0, 1}, {1, 2}});
    fill(plot.graph(2), {{0.5, 3}, {1, 4}});
    ASSERT_TRUE(writeData(plot, path));
    EXPECT_EQ(test::readFile(path),
              " 0.0000000000000000e+00  1.0000000000000000e+00  5.0000000000000000e-01  3.0000000000000000e+00\n"
              " 1.0000000000000000e+00  2.0000000000000000e+00  1.0000000000000000e+00  4.0000000000000000e+00\n");
    EXPECT_EQ(plot.files().readMode, XYXY);
    expectRoundTrip(plot);
}

TEST_F(DataFileWriterTest, DifferentLengthsMakeBlocks)
{
    plot.ensureGraphs(2);
    fill(plot.graph(1), {{0, 1}});
    fill(plot.graph(2), {{2, 3}, {4, 5}});
    ASSERT_TRUE(writeData(plot, path));
    EXPECT_EQ(test::readFile(path),
              " 0.0000000000000000e+00  1.0000000000000000e+00\n"
              "NEW\n"
              " 2.0000000000000000e+00  3.0000000000000000e+00\n"
              " 4.0000000000000000e+00  5.0000000000000000e+00\n");
    EXPECT_EQ(plot.files().readMode, XYXY);
    expectRoundTrip(plot);
}

TEST_F(DataFileWriterTest, ALineBreakInOneGraphGivesEveryGraphAnAttributeColumn)
{
    plot.ensureGraphs(2);
    fill(plot.graph(1), {{0, 1}});
    plot.graph(1).startNewLine();
    fill(plot.graph(1), {{1, 2}});
    fill(plot.graph(2), {{0, 3}, {1, 4}});
    ASSERT_TRUE(writeData(plot, path));
    EXPECT_EQ(test::readFile(path),
              " 0.0000000000000000e+00  1.0000000000000000e+00 1  3.0000000000000000e+00 1\n"
              " 1.0000000000000000e+00  2.0000000000000000e+00 1  4.0000000000000000e+00 0\n");
    EXPECT_EQ(plot.files().readMode, XYAYA);
    expectRoundTrip(plot);
}

TEST_F(DataFileWriterTest, AGraphStartingWithAnIsolatedPointKeepsIt)
{
    plot.ensureGraphs(1);
    plot.graph(1).appendIsolated(1, 2);
    fill(plot.graph(1), {{3, 4}});
    ASSERT_TRUE(writeData(plot, path));
    EXPECT_EQ(plot.files().readMode, XYAYA);
    expectRoundTrip(plot);
}

TEST_F(DataFileWriterTest, EveryLayoutRestoresTheGraphsBitForBit)
{
    struct Shape {
        bool attributes;
        bool equalLengths;
        bool sharedX;
        int16_t mode;
    };
    const Shape shapes[] = {
        {false, true, true, XYY},     {false, true, false, XYXY},  {false, false, false, XYXY},
        {true, true, true, XYAYA},    {true, true, false, XYAXYA}, {true, false, false, XYAXYA},
    };
    for (const Shape& s : shapes) {
        SCOPED_TRACE(s.mode);
        Plot source("Source");
        back.removeAllGraphs();
        source.ensureGraphs(3);
        for (int16_t k = 1; k <= 3; ++k) {
            Graph& g = source.graph(k);
            const int n = s.equalLengths ? 10 : 8 + k;
            for (int i = 0; i < n; ++i) {
                const double x = s.sharedX ? tricky[i % 10] : tricky[(i + k) % 10];
                const double y = tricky[(i * 3 + k) % 10];
                if (s.attributes && i % 4 == 2) {
                    g.appendIsolated(x, y);
                } else {
                    if (s.attributes && i % 4 == 3) g.startNewLine();
                    g.append(x, y);
                }
            }
        }
        ASSERT_TRUE(writeData(source, path));
        EXPECT_EQ(source.files().readMode, s.mode);
        expectRoundTrip(source);
    }
}

TEST_F(DataFileWriterTest, GraphsWithoutPointsDoNotBreakTheBlocks)
{
    plot.ensureGraphs(5);
    fill(plot.graph(2), {{1, 2}, {3, 4}});
    fill(plot.graph(5), {{5, 6}});
    ASSERT_TRUE(writeData(plot, path));
    EXPECT_EQ(plot.files().readMode, XYXY);
    back.files().readMode = XYXY;
    EXPECT_TRUE(readData(back, path, 1));
    EXPECT_TRUE(desktop.boxes.empty());
    ASSERT_EQ(back.numGraphs(), 2);
    EXPECT_EQ(pointsOf(back.graph(1)), (Points{{1, 2, 1}, {3, 4, 0}}));
    EXPECT_EQ(pointsOf(back.graph(2)), (Points{{5, 6, 1}}));
}

TEST_F(DataFileWriterTest, APlotWithoutGraphsLeavesAnEmptyFile)
{
    test::writeFile(path, "old contents\n");
    plot.files().readMode = YY;
    EXPECT_TRUE(writeData(plot, path));
    EXPECT_EQ(test::readFile(path), "");
    EXPECT_EQ(plot.files().readMode, YY);
}

TEST_F(DataFileWriterTest, AFailedWriteIsNoSuccess)
{
    plot.ensureGraphs(1);
    for (int i = 0; i < 100000; ++i) plot.graph(1).append(i, i);
    plot.files().readMode = YY;
    EXPECT_FALSE(writeData(plot, dir.file("no/such/folder.dat")));
    if (test::fileExists("/dev/full")) {
        EXPECT_FALSE(writeData(plot, "/dev/full"));
    }
    EXPECT_EQ(plot.files().readMode, YY);
}

}  // namespace
}  // namespace kvx
