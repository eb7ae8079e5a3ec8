#include "files/line_reader.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace kvx {
namespace {

struct Line {
    long number;
    std::string text;
    friend bool operator==(const Line&, const Line&) = default;
};

void PrintTo(const Line& line, std::ostream* os)
{
    *os << line.number << ":\"" << line.text << "\"";
}

std::vector<Line> drain(LineReader& reader)
{
    std::vector<Line> lines;
    std::string_view line;
    while (reader.next(line)) {
        lines.push_back({reader.lineNumber(), std::string(line)});
    }
    return lines;
}

std::vector<Line> linesInMemory(std::string_view text)
{
    LineReader reader(text);
    return drain(reader);
}

std::vector<Line> linesInFile(const test::TempDir& dir, std::string_view text)
{
    const std::string path = dir.file("lines.txt");
    test::writeFile(path, text);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    EXPECT_NE(file, nullptr);
    LineReader reader(file);
    std::vector<Line> lines = drain(reader);
    std::fclose(file);
    return lines;
}

using Lines = std::vector<Line>;

TEST(LineReader, EndsLinesAtLfCrAndCrLf)
{
    test::TempDir dir;
    const std::string text = "a\nb\rc\r\nd\n\re\r\r\nf";
    const Lines expected{{1, "a"}, {2, "b"}, {3, "c"}, {4, "d"}, {5, ""}, {6, "e"}, {7, ""}, {8, "f"}};
    EXPECT_EQ(linesInMemory(text), expected);
    EXPECT_EQ(linesInFile(dir, text), expected);
}

TEST(LineReader, EmptyInputHasNoLinesAndAFinalLineEndAddsNone)
{
    test::TempDir dir;
    EXPECT_EQ(linesInMemory(""), Lines{});
    EXPECT_EQ(linesInFile(dir, ""), Lines{});
    EXPECT_EQ(linesInMemory("x\n"), (Lines{{1, "x"}}));
    EXPECT_EQ(linesInFile(dir, "x\r"), (Lines{{1, "x"}}));
    EXPECT_EQ(linesInFile(dir, "\n\n"), (Lines{{1, ""}, {2, ""}}));
}

TEST(LineReader, NulAndOtherBytesAreOrdinaryCharacters)
{
    const std::string text("1\0002\n\xff\x01", 6);
    EXPECT_EQ(linesInMemory(text), (Lines{{1, std::string("1\0002", 3)}, {2, "\xff\x01"}}));
}

TEST(LineReader, CrLfSplitAcrossTwoChunksIsOneLineEnd)
{
    test::TempDir dir;
    // The CR is the last byte of the first chunk, its LF the first of the next.
    const std::string first(LineReader::chunkSize - 1, 'c');
    const std::string text = first + "\r\n1 2\n3";
    const Lines lines = linesInFile(dir, text);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].text, first);
    EXPECT_EQ(lines[1], (Line{2, "1 2"}));
    EXPECT_EQ(lines[2], (Line{3, "3"}));
    // A lone CR there is a line end of its own.
    EXPECT_EQ(linesInFile(dir, first + "\r\r\n").size(), 2u);
    EXPECT_EQ(linesInFile(dir, first + "\rx").back(), (Line{2, "x"}));
}

TEST(LineReader, LinesLongerThanTheBufferArriveWhole)
{
    test::TempDir dir;
    std::string longLine;
    for (int i = 0; longLine.size() < 3 * LineReader::chunkSize + 17; ++i) {
        longLine += std::to_string(i) + ' ';
    }
    const std::string text = "start\n" + longLine + "\r\nend";
    EXPECT_EQ(linesInFile(dir, text), (Lines{{1, "start"}, {2, longLine}, {3, "end"}}));
    // Without any line end at all.
    EXPECT_EQ(linesInFile(dir, longLine), (Lines{{1, longLine}}));
}

TEST(LineReader, ManyShortLinesAcrossChunkBordersKeepTheirCount)
{
    test::TempDir dir;
    std::string text;
    std::vector<Line> expected;
    for (long i = 1; text.size() < 2 * LineReader::chunkSize + 100; ++i) {
        const std::string line = std::to_string(i * 7919);
        text += line + (i % 3 == 0 ? "\r\n" : i % 3 == 1 ? "\n" : "\r");
        expected.push_back({i, line});
    }
    EXPECT_EQ(linesInFile(dir, text), expected);
    EXPECT_EQ(linesInMemory(text), expected);
}

}  // namespace
}  // namespace kvx
