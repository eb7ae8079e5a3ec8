#pragma once
// The menu items that each stand for one value of a setting, group by group.
// The dispatcher takes a chosen item's value from here, and the menu state
// checks the item of the current value, so both read the same table.

#include <array>
#include <cstdint>
#include <optional>
#include <span>

#include "settings/keywords.h"
#include "app/commands.h"

namespace kvx {

struct MenuChoice {
    Command command;
    int16_t value;
};

// Items of which at most one carries the check mark.
struct ChoiceGroup {
    std::span<const MenuChoice> choices;
    Command unlisted;  // checked when the value is none of the choices; CMD_NONE: nothing
    Command diverse;   // the "Diverse" item, checked when the graphs differ; CMD_NONE: none
};

// The value an item of the group stands for.
std::optional<int16_t> choiceValue(const ChoiceGroup& group, uint16_t command);

// The item of the group that stands for the value, or the group's unlisted item.
Command choiceCommand(const ChoiceGroup& group, int16_t value);

inline constexpr std::array<MenuChoice, 6> legendChoices{{
    {CMD_LEGEND_HIDE, HIDE},
    {CMD_LEGEND_UP_RIGHT, SHOW_UPRIGHT},
    {CMD_LEGEND_DOWN_RIGHT, SHOW_DOWNRIGHT},
    {CMD_LEGEND_UP_LEFT, SHOW_UPLEFT},
    {CMD_LEGEND_DOWN_LEFT, SHOW_DOWNLEFT},
    {CMD_LEGEND_OUT_RIGHT, SHOW_OUTRIGHT},
}};
inline constexpr std::array<MenuChoice, 3> coorSystemChoices{{
    {CMD_COOR_SYSTEM_HIDE, HIDE},
    {CMD_COOR_SYSTEM_FULL, SHOW},
    {CMD_COOR_SYSTEM_HALF, SHOW_HALF},
}};
inline constexpr std::array<MenuChoice, 3> pointsChoices{{
    {CMD_POINTS_HIDE, HIDE},
    {CMD_POINTS_SHOW, SHOW},
    {CMD_POINTS_BEGIN_END, SHOW_BEGIN_END},
}};
inline constexpr std::array<MenuChoice, 2> markerChoices{{
    {CMD_MARKER_HIDE, HIDE},
    {CMD_MARKER_SHOW, SHOW},
}};
inline constexpr std::array<MenuChoice, 2> linesChoices{{
    {CMD_LINES_HIDE, HIDE},
    {CMD_LINES_SHOW, SHOW},
}};
inline constexpr std::array<MenuChoice, 4> graphTypeChoices{{
    {CMD_GRAPH_TYPE_LINES, LINES},
    {CMD_GRAPH_TYPE_STAIRS, STAIRS},
    {CMD_GRAPH_TYPE_BARS, BARS},
    {CMD_GRAPH_TYPE_STEMS, STEMS},
}};
inline constexpr std::array<MenuChoice, 6> lineWidthChoices{{
    {CMD_LINE_WIDTH_1, 1},
    {CMD_LINE_WIDTH_2, 2},
    {CMD_LINE_WIDTH_3, 3},
    {CMD_LINE_WIDTH_5, 5},
    {CMD_LINE_WIDTH_7, 7},
    {CMD_LINE_WIDTH_10, 10},
}};
inline constexpr std::array<MenuChoice, 10> markerSizeChoices{{
    {CMD_MARKER_SIZE_6, 6},
    {CMD_MARKER_SIZE_7, 7},
    {CMD_MARKER_SIZE_8, 8},
    {CMD_MARKER_SIZE_10, 10},
    {CMD_MARKER_SIZE_12, 12},
    {CMD_MARKER_SIZE_15, 15},
    {CMD_MARKER_SIZE_18, 18},
    {CMD_MARKER_SIZE_21, 21},
    {CMD_MARKER_SIZE_25, 25},
    {CMD_MARKER_SIZE_30, 30},
}};
inline constexpr std::array<MenuChoice, 10> linesDrawRateChoices{{
    {CMD_LINES_DRAW_RATE_1, 1},
    {CMD_LINES_DRAW_RATE_2, 2},
    {CMD_LINES_DRAW_RATE_5, 5},
    {CMD_LINES_DRAW_RATE_10, 10},
    {CMD_LINES_DRAW_RATE_20, 20},
    {CMD_LINES_DRAW_RATE_50, 50},
    {CMD_LINES_DRAW_RATE_100, 100},
    {CMD_LINES_DRAW_RATE_200, 200},
    {CMD_LINES_DRAW_RATE_500, 500},
    {CMD_LINES_DRAW_RATE_1000, 1000},
}};
inline constexpr std::array<MenuChoice, 10> pointsDrawRateChoices{{
    {CMD_POINTS_DRAW_RATE_1, 1},
    {CMD_POINTS_DRAW_RATE_2, 2},
    {CMD_POINTS_DRAW_RATE_5, 5},
    {CMD_POINTS_DRAW_RATE_10, 10},
    {CMD_POINTS_DRAW_RATE_20, 20},
    {CMD_POINTS_DRAW_RATE_50, 50},
    {CMD_POINTS_DRAW_RATE_100, 100},
    {CMD_POINTS_DRAW_RATE_200, 200},
    {CMD_POINTS_DRAW_RATE_500, 500},
    {CMD_POINTS_DRAW_RATE_1000, 1000},
}};
inline constexpr std::array<MenuChoice, 10> markerDrawRateChoices{{
    {CMD_MARKER_DRAW_RATE_1, 1},
    {CMD_MARKER_DRAW_RATE_2, 2},
    {CMD_MARKER_DRAW_RATE_5, 5},
    {CMD_MARKER_DRAW_RATE_10, 10},
    {CMD_MARKER_DRAW_RATE_20, 20},
    {CMD_MARKER_DRAW_RATE_50, 50},
    {CMD_MARKER_DRAW_RATE_100, 100},
    {CMD_MARKER_DRAW_RATE_200, 200},
    {CMD_MARKER_DRAW_RATE_500, 500},
    {CMD_MARKER_DRAW_RATE_1000, 1000},
}};
inline constexpr std::array<MenuChoice, 5> colorSchemeChoices{{
    {CMD_COLOR_SCHEME_LIGHT, LIGHT},
    {CMD_COLOR_SCHEME_DARK, DARK},
    {CMD_COLOR_SCHEME_PAPER, PAPER},
    {CMD_COLOR_SCHEME_SCOPE, SCOPE},
    {CMD_COLOR_SCHEME_FANCY, FANCY},
}};
inline constexpr std::array<MenuChoice, 4> gridChoices{{
    {CMD_GRID_HIDE, HIDE},
    {CMD_GRID_XY_AXES, SHOW},
    {CMD_GRID_X_AXIS, SHOW_XAXIS},
    {CMD_GRID_Y_AXIS, SHOW_YAXIS},
}};
inline constexpr std::array<MenuChoice, 6> readModeChoices{{
    {CMD_READ_MODE_XYY, XYY},
    {CMD_READ_MODE_XYXY, XYXY},
    {CMD_READ_MODE_XYAYA, XYAYA},
    {CMD_READ_MODE_XYAXYA, XYAXYA},
    {CMD_READ_MODE_YY, YY},
    {CMD_READ_MODE_COLUMNS, COLUMNS},
}};
inline constexpr std::array<MenuChoice, 6> zoomModeChoices{{
    {CMD_ZOOM_MODE_XY, ZOOM_XY},
    {CMD_ZOOM_MODE_X, ZOOM_X},
    {CMD_ZOOM_MODE_Y, ZOOM_Y},
    {CMD_ZOOM_MODE_X_AUTORANGE_Y, ZOOM_XARY},
    {CMD_ZOOM_MODE_Y_AUTORANGE_X, ZOOM_YARX},
    {CMD_ZOOM_MODE_X_KEEP_RATIO, ZOOM_XKR},
}};

// A value outside the list: the coordinate system and the show modes fall
// back to "Hide", the points and marker draw rates to "Diverse", the others
// check nothing. The lines menu has no "Diverse".
inline constexpr ChoiceGroup legendGroup{legendChoices, CMD_NONE, CMD_NONE};
inline constexpr ChoiceGroup coorSystemGroup{coorSystemChoices, CMD_COOR_SYSTEM_HIDE, CMD_NONE};
inline constexpr ChoiceGroup pointsGroup{pointsChoices, CMD_POINTS_HIDE, CMD_POINTS_DIVERSE};
inline constexpr ChoiceGroup markerGroup{markerChoices, CMD_MARKER_HIDE, CMD_MARKER_DIVERSE};
inline constexpr ChoiceGroup linesGroup{linesChoices, CMD_LINES_HIDE, CMD_NONE};
inline constexpr ChoiceGroup graphTypeGroup{graphTypeChoices, CMD_NONE, CMD_GRAPH_TYPE_DIVERSE};
inline constexpr ChoiceGroup lineWidthGroup{lineWidthChoices, CMD_NONE, CMD_LINE_WIDTH_DIVERSE};
inline constexpr ChoiceGroup markerSizeGroup{markerSizeChoices, CMD_NONE, CMD_MARKER_SIZE_DIVERSE};
inline constexpr ChoiceGroup linesDrawRateGroup{linesDrawRateChoices, CMD_NONE,
                                                CMD_LINES_DRAW_RATE_DIVERSE};
inline constexpr ChoiceGroup pointsDrawRateGroup{pointsDrawRateChoices, CMD_POINTS_DRAW_RATE_DIVERSE,
                                                 CMD_POINTS_DRAW_RATE_DIVERSE};
inline constexpr ChoiceGroup markerDrawRateGroup{markerDrawRateChoices, CMD_MARKER_DRAW_RATE_DIVERSE,
                                                 CMD_MARKER_DRAW_RATE_DIVERSE};
inline constexpr ChoiceGroup colorSchemeGroup{colorSchemeChoices, CMD_NONE, CMD_NONE};
inline constexpr ChoiceGroup gridGroup{gridChoices, CMD_NONE, CMD_NONE};
inline constexpr ChoiceGroup readModeGroup{readModeChoices, CMD_NONE, CMD_NONE};
inline constexpr ChoiceGroup zoomModeGroup{zoomModeChoices, CMD_NONE, CMD_NONE};

}  // namespace kvx
