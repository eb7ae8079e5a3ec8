#include "settings/keywords.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace kvx {
namespace {

// Every number of every group, as the records and files use them.
constexpr int16_t allValues[] = {
    100, 101, 102, 103, 104, 105, 106, 107, 108, 109, 110,       // show modes
    200, 201,                                                    // aspect
    301, 302, 303, 304, 305, 306,                                // zoom
    601, 602, 603, 604, 605, 606,                                // read modes
    7000, 7001, 7002, 7003,                                      // line types
    801, 802, 803, 804,                                          // graph types
    900, 901, 902, 903, 904, 905, 906, 907, 908, 909, 910, 911,  // markers
    1101, 1102, 1103, 1104, 1105, 1106, 1107, 1108,              // palettes
    1201, 1202, 1203, 1204, 1205,                                // colour schemes
};

TEST(Keywords, EveryValueHasOneKeywordThatLeadsBack)
{
    EXPECT_EQ(std::size(allValues), 58u);
    EXPECT_EQ(keywordCount(), 58u);
    std::set<std::string> seen;
    for (int16_t value : allValues) {
        std::string keyword;
        ASSERT_TRUE(valueToKeyword(value, keyword)) << value;
        EXPECT_FALSE(keyword.empty());
        EXPECT_LE(keyword.size(), maxKeywordLength);
        EXPECT_TRUE(seen.insert(keyword).second) << keyword << " used twice";
        int16_t back = 0;
        ASSERT_TRUE(keywordToValue(keyword, back)) << keyword;
        EXPECT_EQ(back, value);
    }
}

// Each keyword is the name of its value in the code: a pair of names swapped
// in the table shows as two wrong pairs, whichever way it is read.
#define KVX_PAIR(name) {name, #name}
TEST(Keywords, EachValueAndItsNameConvertBothWays)
{
    const std::pair<int16_t, const char*> pairs[] = {
        KVX_PAIR(HIDE), KVX_PAIR(SHOW), KVX_PAIR(SHOW_BEGIN_END), KVX_PAIR(SHOW_HALF), KVX_PAIR(SHOW_XAXIS),
        KVX_PAIR(SHOW_YAXIS), KVX_PAIR(SHOW_UPRIGHT), KVX_PAIR(SHOW_DOWNRIGHT), KVX_PAIR(SHOW_UPLEFT),
        KVX_PAIR(SHOW_DOWNLEFT), KVX_PAIR(SHOW_OUTRIGHT), KVX_PAIR(AXES_EQUAL), KVX_PAIR(AXES_SCALED),
        KVX_PAIR(ZOOM_XY), KVX_PAIR(ZOOM_X), KVX_PAIR(ZOOM_Y), KVX_PAIR(ZOOM_XARY), KVX_PAIR(ZOOM_YARX),
        KVX_PAIR(ZOOM_XKR), KVX_PAIR(XYY), KVX_PAIR(XYXY), KVX_PAIR(XYAXYA), KVX_PAIR(XYAYA), KVX_PAIR(YY), KVX_PAIR(COLUMNS),
        KVX_PAIR(SOLID), KVX_PAIR(DASH), KVX_PAIR(DOT), KVX_PAIR(DASHDOT), KVX_PAIR(LINES), KVX_PAIR(STAIRS),
        KVX_PAIR(BARS), KVX_PAIR(STEMS), KVX_PAIR(NOMARKER), KVX_PAIR(TRIANGLE), KVX_PAIR(SQUARE),
        KVX_PAIR(DIAMOND), KVX_PAIR(CIRCLE), KVX_PAIR(STAR), KVX_PAIR(CROSS), KVX_PAIR(PLUS),
        KVX_PAIR(TRIANGLE_DOWN), KVX_PAIR(TRIANGLE_RIGHT), KVX_PAIR(TRIANGLE_LEFT), KVX_PAIR(POINT),
        KVX_PAIR(MIXED_COLORS_II), KVX_PAIR(MIXED_COLORS_I), KVX_PAIR(GRAY_SCALE), KVX_PAIR(RED_SCALE),
        KVX_PAIR(GREEN_SCALE), KVX_PAIR(BLUE_SCALE), KVX_PAIR(HEAT_SCALE), KVX_PAIR(BLACK_ONLY),
        KVX_PAIR(LIGHT), KVX_PAIR(DARK), KVX_PAIR(PAPER), KVX_PAIR(SCOPE), KVX_PAIR(FANCY),
    };
    EXPECT_EQ(std::size(pairs), keywordCount());
    for (const auto& [value, name] : pairs) {
        std::string keyword;
        EXPECT_TRUE(valueToKeyword(value, keyword) && keyword == name) << value << " gave " << keyword;
        int16_t back = 0;
        EXPECT_TRUE(keywordToValue(name, back) && back == value) << name << " gave " << back;
    }
}
#undef KVX_PAIR

TEST(Keywords, NeighbouringNamesAndValuesAreNotConfused)
{
    std::string keyword;
    ASSERT_TRUE(valueToKeyword(1101, keyword));
    EXPECT_EQ(keyword, "MIXED_COLORS_II");
    ASSERT_TRUE(valueToKeyword(1102, keyword));
    EXPECT_EQ(keyword, "MIXED_COLORS_I");
    ASSERT_TRUE(valueToKeyword(7002, keyword));
    EXPECT_EQ(keyword, "DOT");
    ASSERT_TRUE(valueToKeyword(7001, keyword));
    EXPECT_EQ(keyword, "DASH");
    ASSERT_TRUE(valueToKeyword(909, keyword));
    EXPECT_EQ(keyword, "TRIANGLE_RIGHT");

    int16_t value = 0;
    ASSERT_TRUE(keywordToValue("XYAYA", value));
    EXPECT_EQ(value, 604);
    ASSERT_TRUE(keywordToValue("XYAXYA", value));
    EXPECT_EQ(value, 603);
    ASSERT_TRUE(keywordToValue("SHOW_HALF", value));
    EXPECT_EQ(value, 103);
}

TEST(Keywords, NumbersOutsideTheGroupsHaveNoKeyword)
{
    for (int16_t value : {0, 99, 111, 202, 300, 307, 600, 607, 800, 805, 899, 912, 1100, 1109,
                          1200, 1206, 6999, 7004, -101}) {
        std::string keyword = "untouched";
        EXPECT_FALSE(valueToKeyword(value, keyword)) << value;
        EXPECT_EQ(keyword, "untouched");
    }
}

TEST(Keywords, OnlyTheExactKeywordConverts)
{
    for (const char* text : {"", "Show", "show", "SHOW_", " SHOW", "SHOW ", "SHOWS", "XY", "DOT\n"}) {
        int16_t value = 4711;
        EXPECT_FALSE(keywordToValue(text, value)) << '"' << text << '"';
        EXPECT_EQ(value, 4711);
    }
}

}  // namespace
}  // namespace kvx
