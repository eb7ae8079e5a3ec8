#pragma once
// The enumerated settings and the one two-way table between their numbers
// and the upper-case keywords under which files store them. The groups use
// disjoint number ranges, so a number alone tells its group.

#include <cstdint>
#include <string>
#include <string_view>

namespace kvx {

enum ShowMode : int16_t {
    HIDE = 100,
    SHOW = 101,
    SHOW_BEGIN_END = 102,
    SHOW_HALF = 103,
    SHOW_XAXIS = 104,
    SHOW_YAXIS = 105,
    SHOW_UPRIGHT = 106,
    SHOW_DOWNRIGHT = 107,
    SHOW_UPLEFT = 108,
    SHOW_DOWNLEFT = 109,
    SHOW_OUTRIGHT = 110,
};

enum AspectMode : int16_t { AXES_EQUAL = 200, AXES_SCALED = 201 };

enum ZoomMode : int16_t {
    ZOOM_XY = 301,
    ZOOM_X = 302,
    ZOOM_Y = 303,
    ZOOM_XARY = 304,
    ZOOM_YARX = 305,
    ZOOM_XKR = 306,
};

enum ReadMode : int16_t { XYY = 601, XYXY = 602, XYAXYA = 603, XYAYA = 604, YY = 605, COLUMNS = 606 };

enum LineType : int16_t { SOLID = 7000, DASH = 7001, DOT = 7002, DASHDOT = 7003 };

enum GraphType : int16_t { LINES = 801, STAIRS = 802, BARS = 803, STEMS = 804 };

enum MarkerType : int16_t {
    NOMARKER = 900,
    TRIANGLE = 901,
    SQUARE = 902,
    DIAMOND = 903,
    CIRCLE = 904,
    STAR = 905,
    CROSS = 906,
    PLUS = 907,
    TRIANGLE_DOWN = 908,
    TRIANGLE_RIGHT = 909,
    TRIANGLE_LEFT = 910,
    POINT = 911,
};

enum ColorPalette : int16_t {
    MIXED_COLORS_II = 1101,
    MIXED_COLORS_I = 1102,
    GRAY_SCALE = 1103,
    RED_SCALE = 1104,
    GREEN_SCALE = 1105,
    BLUE_SCALE = 1106,
    HEAT_SCALE = 1107,
    BLACK_ONLY = 1108,
};

enum ColorScheme : int16_t { LIGHT = 1201, DARK = 1202, PAPER = 1203, SCOPE = 1204, FANCY = 1205 };

// The longest keyword has 15 characters.
constexpr std::size_t maxKeywordLength = 15;

// Puts the keyword of `value` into `keyword`; false (and `keyword` untouched)
// when the value has none.
bool valueToKeyword(int16_t value, std::string& keyword);

// Puts the value of `keyword` into `value` when the text is a keyword exactly
// (case-sensitive, no trimming); false and `value` untouched otherwise.
bool keywordToValue(std::string_view keyword, int16_t& value);

// Number of entries in the table.
std::size_t keywordCount();

}  // namespace kvx
