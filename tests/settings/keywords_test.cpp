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
    601, 602, 603, 604, 605,                                     // read modes
    7000, 7001, 7002, 7003,                                      // line types
    801, 802, 803, 804,                                          // graph types
    900, 901, 902, 903, 904, 905, 906, 907, 908, 909, 910, 911,  // markers
    1101, 1102, 1103, 1104, 1105, 1106, 1107, 1108,              // palettes
    1201, 1202, 1203, 1204, 1205,                                // colour schemes
};

TEST(Keywords, EveryValueHasOneKeywordThatLeadsBack)
{
    EXPECT_EQ(std::size(allValues), 57u);
    EXPECT_EQ(keywordCount(), 57u);
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
    for (int16_t value : {0, 99, 111, 202, 300, 307, 600, 606, 800, 805, 899, 912, 1100, 1109,
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
