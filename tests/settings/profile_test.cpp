#include "settings/profile.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "support/temp_dir.h"

namespace kvx {
namespace {

class ProfileTest : public testing::Test {
protected:
    // A file holding `text`, read through a fresh accessor.
    Profile& open(std::string_view text)
    {
        test::writeFile(path_, text);
        profile_.emplace(path_, true);
        return *profile_;
    }

    test::TempDir dir_;
    std::string path_ = dir_.file("test.ini");
    std::optional<Profile> profile_;
};

TEST_F(ProfileTest, QuotedTextKeepsItsBlanksPlainTextDoesNot)
{
    {
        Profile out(path_, false);
        out.writeQuotedText("AxesSystem", "xLable", "Time [s]");
        out.writeQuotedText("Statistics", "lable", "  x-Min");
        out.writeText("Statistics", "plain", "  x-Min");
    }
    EXPECT_EQ(test::readFile(path_),
              "[AxesSystem]\nxLable= 'Time [s]'\n\n[Statistics]\nlable= '  x-Min'\nplain=   x-Min\n");
    Profile in(path_, true);
    std::string text;
    ASSERT_TRUE(in.readText("AxesSystem", "xLable", text));
    EXPECT_EQ(text, "Time [s]");
    ASSERT_TRUE(in.readText("statistics", "LABLE", text));
    EXPECT_EQ(text, "  x-Min");
    ASSERT_TRUE(in.readText("Statistics", "plain", text));
    EXPECT_EQ(text, "x-Min");
}

TEST_F(ProfileTest, ValuesAreTrimmedAndLoseOnePairOfQuotes)
{
    Profile& p = open("[S]\na=  SHOW \t\nb= \"double\"\nc= ''quoted twice''\nd= 'open\ne= \"mixed'\nf=\ng= ''\n");
    std::string text;
    ASSERT_TRUE(p.readText("S", "a", text));
    EXPECT_EQ(text, "SHOW");
    ASSERT_TRUE(p.readText("S", "b", text));
    EXPECT_EQ(text, "double");
    ASSERT_TRUE(p.readText("S", "c", text));
    EXPECT_EQ(text, "'quoted twice'");
    ASSERT_TRUE(p.readText("S", "d", text));
    EXPECT_EQ(text, "'open");
    ASSERT_TRUE(p.readText("S", "e", text));
    EXPECT_EQ(text, "\"mixed'");
    ASSERT_TRUE(p.readText("S", "f", text));
    EXPECT_EQ(text, "");
    text = "x";
    ASSERT_TRUE(p.readText("S", "g", text));
    EXPECT_EQ(text, "");
}

TEST_F(ProfileTest, AbsentKeysLeaveTheOutputAsItWas)
{
    Profile& p = open("[S]\nmarker= NoConfig\nquoted= 'NoConfig'\nnear= NoConfig2\n");
    std::string text = "before";
    int16_t s = 42;
    double r = 4.5;
    int16_t k = 7;
    for (const char* key : {"marker", "quoted", "missing"}) {
        EXPECT_FALSE(p.readText("S", key, text)) << key;
        EXPECT_FALSE(p.readShort("S", key, s)) << key;
        EXPECT_FALSE(p.readReal("S", key, r)) << key;
        EXPECT_FALSE(p.readKeyword("S", key, k)) << key;
    }
    EXPECT_FALSE(p.readText("Other", "near", text));
    EXPECT_EQ(text, "before");
    EXPECT_EQ(s, 42);
    EXPECT_EQ(r, 4.5);
    EXPECT_EQ(k, 7);
    EXPECT_TRUE(p.readText("S", "near", text));

    Profile missingFile(dir_.file("none.ini"), true);
    EXPECT_FALSE(missingFile.readText("S", "near", text));
    EXPECT_FALSE(test::fileExists(dir_.file("none.ini")));
}

TEST_F(ProfileTest, LongValuesAreCutTo255Characters)
{
    const std::string title(300, 't');
    {
        Profile out(path_, false);
        out.writeQuotedText("Plot", "windowTitle", title);
    }
    // The file keeps the whole text; a read returns the first 255 characters.
    EXPECT_NE(test::readFile(path_).find(title), std::string::npos);
    Profile in(path_, true);
    std::string text;
    ASSERT_TRUE(in.readText("Plot", "windowTitle", text));
    EXPECT_EQ(text, std::string(255, 't'));

    // Cut before a character that would pass the limit, never inside it:
    // "t" and 127 two-byte letters fill 255 bytes, the next one is left out.
    std::string accents = "tt";
    for (int i = 0; i < 150; ++i) {
        accents += "\xC3\xA9";
    }
    {
        Profile out(path_, false);
        out.writeQuotedText("Plot", "windowTitle", accents.substr(1));
        out.writeQuotedText("Plot", "title", accents);
    }
    Profile again(path_, true);
    ASSERT_TRUE(again.readText("Plot", "windowTitle", text));
    EXPECT_EQ(text, accents.substr(1, 255));
    ASSERT_TRUE(again.readText("Plot", "title", text));
    EXPECT_EQ(text, accents.substr(0, 254));
}

TEST_F(ProfileTest, ShortsReadTheLeadingIntegerAndKeepSixteenBits)
{
    Profile& p = open("[S]\na= 12abc\nb= -7\nc= abc\nd= 70000\ne= +15\nf= 99999999999\ng= -32769\nh=\n");
    const std::pair<const char*, int16_t> cases[] = {
        {"a", 12}, {"b", -7}, {"c", 0}, {"d", 4464}, {"e", 15},
        {"f", -1},  // saturated at 2147483647, whose low 16 bits are all set
        {"g", 32767}, {"h", 0},
    };
    for (const auto& [key, expected] : cases) {
        int16_t value = 555;
        EXPECT_TRUE(p.readShort("S", key, value)) << key;
        EXPECT_EQ(value, expected) << key;
    }
}

TEST_F(ProfileTest, RealsReadTheLeadingDecimalNumber)
{
    Profile& p = open(
        "[S]\na= 1e-3\nb= 2,5\nc= -.5e+2x\nd= abc\ne= nan\nf= inf\ng= 0x10\nh= 1e999\ni= -1e999\n"
        "j= 1e-999\nk= 3.\n");
    const std::pair<const char*, double> cases[] = {
        {"a", 0.001}, {"b", 2.0}, {"c", -50.0}, {"d", 0.0}, {"e", 0.0}, {"f", 0.0}, {"g", 0.0},
        // Too large saturates at the largest finite value: an infinite range
        // or factor would poison every computation that follows.
        {"h", std::numeric_limits<double>::max()},
        {"i", -std::numeric_limits<double>::max()},
        {"j", 0.0}, {"k", 3.0},
    };
    for (const auto& [key, expected] : cases) {
        double value = 555.0;
        EXPECT_TRUE(p.readReal("S", key, value)) << key;
        EXPECT_EQ(value, expected) << key;
    }
}

TEST_F(ProfileTest, KeywordsMustMatchExactly)
{
    Profile& p = open("[S]\na= SHOW\nb= show\nc=\nd= 'BARS'\ne= SHOW_HALF junk\n");
    int16_t value = 1;
    ASSERT_TRUE(p.readKeyword("S", "a", value));
    EXPECT_EQ(value, 101);
    ASSERT_TRUE(p.readKeyword("S", "d", value));
    EXPECT_EQ(value, 803);
    value = 1;
    EXPECT_FALSE(p.readKeyword("S", "b", value));
    EXPECT_FALSE(p.readKeyword("S", "c", value));
    EXPECT_FALSE(p.readKeyword("S", "e", value));
    EXPECT_EQ(value, 1);
}

TEST_F(ProfileTest, WritesHaveTheirFixedTextualForms)
{
    {
        Profile out(path_, false);
        out.writeKeyword("S", "showGrid", 101);
        out.writeKeyword("S", "none", 4711);
        out.writeReal("S", "zoomFactor", 1.5);
        out.writeReal("S", "third", 1.0 / 3.0);
        out.writeReal("S", "small", -2.5e-300);
        out.writeShort("S", "numTicks", -6);
        out.writeLong("S", "xWinPos", 2000000000);
        out.writeText("S", "plotFocus", "[2 1]");
    }
    EXPECT_EQ(test::readFile(path_),
              "[S]\nshowGrid= SHOW\nnone= \nzoomFactor= 1.5\nthird= 0.3333333333333333\n"
              "small= -2.5e-300\nnumTicks= -6\nxWinPos= 2000000000\nplotFocus= [2 1]\n");
}

TEST_F(ProfileTest, RealsRoundTripExactly)
{
    const double values[] = {0.0, -0.0, 1.0, 0.1, -1234.5678, 6.02214076e23, 1e-14, 5e-324,
                             std::numeric_limits<double>::max(), 123456789012345678.0};
    {
        Profile out(path_, false);
        int i = 0;
        for (double v : values) {
            out.writeReal("R", "v" + std::to_string(i++), v);
        }
    }
    Profile in(path_, true);
    int i = 0;
    for (double v : values) {
        double back = 99.0;
        ASSERT_TRUE(in.readReal("R", "v" + std::to_string(i++), back));
        // "%.16g" keeps 16 significant digits.
        char expected[64];
        std::snprintf(expected, sizeof expected, "%.16g", v);
        EXPECT_EQ(formatReal(v), expected);
        EXPECT_NEAR(back, v, std::fabs(v) * 1e-15) << v;
    }
}

TEST_F(ProfileTest, NumbersIgnoreTheUsersLanguage)
{
    // A language with a decimal comma must not change what files hold.
    const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "ru_RU.UTF-8"};
    bool commaLocale = false;
    for (const char* name : names) {
        if (std::setlocale(LC_NUMERIC, name)) {
            commaLocale = true;
            break;
        }
    }
    if (!commaLocale) {
        GTEST_SKIP() << "no language with a decimal comma is installed";
    }
    const std::string written = formatReal(2.5);
    const double read = leadingReal("2.5");
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(written, "2.5");
    EXPECT_EQ(read, 2.5);
}

TEST_F(ProfileTest, WritingReplacesInPlaceAppendsAndCreates)
{
    test::writeFile(path_, "; edited by hand\n[Graphs]\ntype= BARS\nlineWidth= 2\n\n[Other]\nk= v\n");
    {
        Profile out(path_, false);
        out.writeKeyword("graphs", "TYPE", 802);
        out.writeShort("Graphs", "markerSize", 9);
        out.writeText("New", "k", "x");
    }
    EXPECT_EQ(test::readFile(path_),
              "; edited by hand\n[Graphs]\nTYPE= STAIRS\nlineWidth= 2\nmarkerSize= 9\n\n"
              "[Other]\nk= v\n\n[New]\nk= x\n");
}

TEST_F(ProfileTest, ALineBreakInAValueCannotSplitTheEntry)
{
    {
        Profile out(path_, false);
        out.writeQuotedText("AxesSystem", "xLable", "Time\n[s]\r\nnumGraphs= 999");
        out.writeShort("AxesSystem", "numGraphs", 2);
    }
    Profile in(path_, true);
    std::string label;
    int16_t count = 0;
    ASSERT_TRUE(in.readText("AxesSystem", "xLable", label));
    EXPECT_EQ(label, "Time [s]  numGraphs= 999");
    ASSERT_TRUE(in.readShort("AxesSystem", "numGraphs", count));
    EXPECT_EQ(count, 2);
}

TEST_F(ProfileTest, WriterMergesEntriesIntoTheSkeletonItCreatedAfterOpening)
{
    // A plot file is written as a skeleton of section headers first, then
    // filled entry by entry.
    Profile out(path_, false);
    test::writeFile(path_, "[Plot]\n[AxesSystem]\n[Graphs]\n[Graph1]");
    out.writeQuotedText("Plot", "windowTitle", "Kurvex");
    out.writeLong("Plot", "xWinPos", 20);
    out.writeShort("AxesSystem", "numGraphs", 1);
    out.writeKeyword("Graphs", "readMode", 601);
    out.writeQuotedText("Graph1", "lable", "Graph 1");
    out.writeKeyword("Graph1", "type", 801);
    ASSERT_TRUE(out.flush());
    EXPECT_EQ(test::readFile(path_),
              "[Plot]\nwindowTitle= 'Kurvex'\nxWinPos= 20\n\n"
              "[AxesSystem]\nnumGraphs= 1\n\n"
              "[Graphs]\nreadMode= XYY\n\n"
              "[Graph1]\nlable= 'Graph 1'\ntype= LINES\n");
}

TEST_F(ProfileTest, ReadingNeverWritesTheFile)
{
    const std::string text = "[S]\r\nk = v \r\n";
    Profile& p = open(text);
    std::string value;
    p.readText("S", "k", value);
    p.readText("S", "missing", value);
    EXPECT_TRUE(p.flush());
    profile_.reset();
    EXPECT_EQ(test::readFile(path_), text);
}

TEST_F(ProfileTest, AFailedFlushReportsItAndKeepsTheEntries)
{
    const std::string folder = dir_.file("later");
    Profile out(folder + "/x.ini", false);
    out.writeShort("S", "k", 3);
    EXPECT_FALSE(out.flush());
    test::writeFile(folder + "/placeholder", "");
    EXPECT_TRUE(out.flush());
    EXPECT_EQ(test::readFile(folder + "/x.ini"), "[S]\nk= 3\n");
}

TEST_F(ProfileTest, AFailedFlushGivesTheReasonAndDiscardedEntriesNeverArrive)
{
    const std::string folder = dir_.file("later");
    {
        Profile out(folder + "/x.ini", false);
        out.writeShort("S", "k", 3);
        std::string reason;
        EXPECT_FALSE(out.flush(&reason));
        EXPECT_EQ(reason, "No such file or directory");
        out.discard();
        test::writeFile(folder + "/placeholder", "");
    }
    EXPECT_FALSE(test::fileExists(folder + "/x.ini"));
}

}  // namespace
}  // namespace kvx
