#include "settings/keywords.h"

#include <iterator>
#include <utility>

namespace kvx {

namespace {

constexpr std::pair<int16_t, std::string_view> keywordTable[] = {
    {HIDE, "HIDE"},
    {SHOW, "SHOW"},
    {SHOW_BEGIN_END, "SHOW_BEGIN_END"},
    {SHOW_HALF, "SHOW_HALF"},
    {SHOW_XAXIS, "SHOW_XAXIS"},
    {SHOW_YAXIS, "SHOW_YAXIS"},
    {SHOW_UPRIGHT, "SHOW_UPRIGHT"},
    {SHOW_DOWNRIGHT, "SHOW_DOWNRIGHT"},
    {SHOW_UPLEFT, "SHOW_UPLEFT"},
    {SHOW_DOWNLEFT, "SHOW_DOWNLEFT"},
    {SHOW_OUTRIGHT, "SHOW_OUTRIGHT"},
    {AXES_EQUAL, "AXES_EQUAL"},
    {AXES_SCALED, "AXES_SCALED"},
    {ZOOM_XY, "ZOOM_XY"},
    {ZOOM_X, "ZOOM_X"},
    {ZOOM_Y, "ZOOM_Y"},
    {ZOOM_XARY, "ZOOM_XARY"},
    {ZOOM_YARX, "ZOOM_YARX"},
    {ZOOM_XKR, "ZOOM_XKR"},
    {XYY, "XYY"},
    {XYXY, "XYXY"},
    {XYAXYA, "XYAXYA"},
    {XYAYA, "XYAYA"},
    {YY, "YY"},
    {COLUMNS, "COLUMNS"},
    {SOLID, "SOLID"},
    {DASH, "DASH"},
    {DOT, "DOT"},
    {DASHDOT, "DASHDOT"},
    {LINES, "LINES"},
    {STAIRS, "STAIRS"},
    {BARS, "BARS"},
    {STEMS, "STEMS"},
    {NOMARKER, "NOMARKER"},
    {TRIANGLE, "TRIANGLE"},
    {SQUARE, "SQUARE"},
    {DIAMOND, "DIAMOND"},
    {CIRCLE, "CIRCLE"},
    {STAR, "STAR"},
    {CROSS, "CROSS"},
    {PLUS, "PLUS"},
    {TRIANGLE_DOWN, "TRIANGLE_DOWN"},
    {TRIANGLE_RIGHT, "TRIANGLE_RIGHT"},
    {TRIANGLE_LEFT, "TRIANGLE_LEFT"},
    {POINT, "POINT"},
    {MIXED_COLORS_II, "MIXED_COLORS_II"},
    {MIXED_COLORS_I, "MIXED_COLORS_I"},
    {GRAY_SCALE, "GRAY_SCALE"},
    {RED_SCALE, "RED_SCALE"},
    {GREEN_SCALE, "GREEN_SCALE"},
    {BLUE_SCALE, "BLUE_SCALE"},
    {HEAT_SCALE, "HEAT_SCALE"},
    {BLACK_ONLY, "BLACK_ONLY"},
    {LIGHT, "LIGHT"},
    {DARK, "DARK"},
    {PAPER, "PAPER"},
    {SCOPE, "SCOPE"},
    {FANCY, "FANCY"},
};

static_assert(std::size(keywordTable) == 58);

}  // namespace

bool valueToKeyword(int16_t value, std::string& keyword)
{
    for (const auto& [v, word] : keywordTable) {
        if (v == value) {
            keyword.assign(word);
            return true;
        }
    }
    return false;
}

bool keywordToValue(std::string_view keyword, int16_t& value)
{
    for (const auto& [v, word] : keywordTable) {
        if (word == keyword) {
            value = v;
            return true;
        }
    }
    return false;
}

std::size_t keywordCount()
{
    return std::size(keywordTable);
}

}  // namespace kvx
