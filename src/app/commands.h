#pragma once
// The command numbers of the menu "Kvx", of the session items and of the
// keys: every user action reaches a plot window as one of these numbers.
// The menu text in resources/ names its items by these constants; the build
// puts their numbers in, so each number is written only here.

#include <cstdint>

namespace kvx {

enum Command : uint16_t {
    CMD_NONE = 0,  // stands for "no item" in tables; never sent

    // Session-wide window items.
    CMD_EXIT_SESSION = 90,
    CMD_MINIMIZE_ALL = 91,
    CMD_MAXIMIZE_ALL = 92,
    CMD_SHOW_ALL = 93,
    CMD_CLOSE = 94,

    // File commands: "Graphs" "Data File", "Plot" "File", "Session" "File".
    CMD_DATA_FILE_ADD = 101,
    CMD_PLOT_FILE_ADD = 102,
    CMD_SESSION_FILE_ADD = 103,
    CMD_DATA_FILE_OPEN = 104,
    CMD_PLOT_FILE_OPEN = 105,
    CMD_SESSION_FILE_OPEN = 106,
    CMD_DATA_FILE_SAVE = 107,
    CMD_PLOT_FILE_SAVE = 108,
    CMD_SESSION_FILE_SAVE = 109,

    // "Plot" "Save Figure", "Print", "Copy (to Clipboard)"; "Session" "Print".
    CMD_SAVE_FIGURE_BLACK_WHITE = 110,
    CMD_SAVE_FIGURE_COLORED = 111,
    CMD_SAVE_FIGURE_FULL_SCREEN = 112,
    CMD_SAVE_FIGURE_ON_PAPER = 113,
    CMD_PRINT_BLACK_WHITE = 114,
    CMD_PRINT_COLORED = 115,
    CMD_SESSION_PRINT_BLACK_WHITE = 116,
    CMD_SESSION_PRINT_COLORED = 117,
    CMD_RELOAD_SETTINGS = 118,  // no item, key or gesture sends it
    CMD_COPY_BLACK_WHITE = 119,
    CMD_COPY_COLORED = 120,
    CMD_COPY_FULL_SCREEN = 121,

    // "Plot" "Color".
    CMD_COLOR_SET = 122,
    CMD_COLOR_SCHEME_LIGHT = 123,
    CMD_COLOR_SCHEME_DARK = 124,
    CMD_COLOR_SCHEME_PAPER = 125,
    CMD_COLOR_SCHEME_SCOPE = 126,
    CMD_COLOR_SCHEME_FANCY = 127,

    // "Graphs" dialogs and the graph clipboard.
    CMD_EDIT_GRAPHS = 130,
    CMD_HANDLE_GRAPHS = 132,
    CMD_EMPTY_CLIPBOARD = 133,
    CMD_COPY_ALL = 134,
    CMD_PASTE_ALL = 136,

    // "Plot" "Auto Screen Position": rows and columns, then the cell.
    CMD_SCREEN_2V_UP = 140,
    CMD_SCREEN_2V_DOWN = 141,
    CMD_SCREEN_2H_LEFT = 142,
    CMD_SCREEN_2H_RIGHT = 143,
    CMD_SCREEN_2V2H_UP_LEFT = 144,
    CMD_SCREEN_2V2H_UP_RIGHT = 145,
    CMD_SCREEN_2V2H_DOWN_LEFT = 146,
    CMD_SCREEN_2V2H_DOWN_RIGHT = 147,
    CMD_SCREEN_3V2H_UP_LEFT = 148,
    CMD_SCREEN_3V2H_UP_RIGHT = 149,
    CMD_SCREEN_3V2H_MIDDLE_LEFT = 150,
    CMD_SCREEN_3V2H_MIDDLE_RIGHT = 151,
    CMD_SCREEN_3V2H_DOWN_LEFT = 152,
    CMD_SCREEN_3V2H_DOWN_RIGHT = 153,

    // "Plot" "Range".
    CMD_RANGE_LAST = 210,
    CMD_RANGE_ORIGINAL_XY = 220,
    CMD_RANGE_ORIGINAL_X = 221,
    CMD_RANGE_ORIGINAL_Y = 222,
    CMD_RANGE_STORE = 224,
    CMD_RANGE_RESTORE = 225,
    CMD_RANGE_SET = 243,

    // "Plot" "Show" "Legend".
    CMD_LEGEND_HIDE = 211,
    CMD_LEGEND_UP_RIGHT = 212,
    CMD_LEGEND_DOWN_RIGHT = 213,
    CMD_LEGEND_UP_LEFT = 214,
    CMD_LEGEND_DOWN_LEFT = 215,
    CMD_LEGEND_OUT_RIGHT = 216,

    // "Plot" "Auto Range".
    CMD_AUTO_RANGE_XY = 230,
    CMD_AUTO_RANGE_X = 231,
    CMD_AUTO_RANGE_Y = 232,

    // "Plot" "Show" "Coordinate System".
    CMD_COOR_SYSTEM_HIDE = 247,
    CMD_COOR_SYSTEM_FULL = 248,
    CMD_COOR_SYSTEM_HALF = 249,

    // "Plot" "Show" "Grid".
    CMD_GRID_HIDE = 251,
    CMD_GRID_XY_AXES = 252,
    CMD_GRID_X_AXIS = 253,
    CMD_GRID_Y_AXIS = 254,

    // "Graphs" "Show" "Points", "Marker", "Lines".
    CMD_POINTS_HIDE = 255,
    CMD_POINTS_SHOW = 256,
    CMD_POINTS_BEGIN_END = 257,
    CMD_POINTS_DIVERSE = 258,
    CMD_MARKER_HIDE = 260,
    CMD_MARKER_SHOW = 261,
    CMD_MARKER_DIVERSE = 262,
    CMD_LINES_HIDE = 263,
    CMD_LINES_SHOW = 264,

    CMD_AXES_EQUAL = 270,
    CMD_LOG_X = 271,
    CMD_LOG_Y = 272,
    CMD_TIME_X = 273,
    CMD_SMOOTH_LINES = 274,

    // "Plot" "Range" "Redraw".
    CMD_REDRAW_ALL = 310,
    CMD_REDRAW_FRAME_GRID = 320,

    // "Plot" "Edit Lables ...".
    CMD_EDIT_LABLES = 420,

    // "Plot" "Zoom Mode".
    CMD_ZOOM_MODE_XY = 500,
    CMD_ZOOM_MODE_X = 510,
    CMD_ZOOM_MODE_Y = 520,
    CMD_ZOOM_MODE_X_AUTORANGE_Y = 530,
    CMD_ZOOM_MODE_Y_AUTORANGE_X = 540,
    CMD_ZOOM_MODE_X_KEEP_RATIO = 550,

    // "Plot" "Range" "Move" by ticks; by whole ranges (control + arrow keys)
    // and by sub-ticks (shift + arrow keys) without a menu item.
    CMD_MOVE_LEFT = 560,
    CMD_MOVE_RIGHT = 561,
    CMD_MOVE_UP = 562,
    CMD_MOVE_DOWN = 563,
    CMD_MOVE_RANGE_LEFT = 570,
    CMD_MOVE_RANGE_RIGHT = 571,
    CMD_MOVE_RANGE_UP = 572,
    CMD_MOVE_RANGE_DOWN = 573,
    CMD_MOVE_SUBTICK_LEFT = 580,
    CMD_MOVE_SUBTICK_RIGHT = 581,
    CMD_MOVE_SUBTICK_UP = 582,
    CMD_MOVE_SUBTICK_DOWN = 583,
    CMD_MOVE_IN = 590,
    CMD_MOVE_OUT = 591,

    // "Graphs" "Line Width".
    CMD_LINE_WIDTH_1 = 601,
    CMD_LINE_WIDTH_2 = 602,
    CMD_LINE_WIDTH_3 = 603,
    CMD_LINE_WIDTH_5 = 604,
    CMD_LINE_WIDTH_7 = 605,
    CMD_LINE_WIDTH_10 = 606,
    CMD_LINE_WIDTH_DIVERSE = 607,

    // "Graphs" "Marker Size".
    CMD_MARKER_SIZE_6 = 610,
    CMD_MARKER_SIZE_7 = 611,
    CMD_MARKER_SIZE_8 = 612,
    CMD_MARKER_SIZE_10 = 613,
    CMD_MARKER_SIZE_12 = 614,
    CMD_MARKER_SIZE_15 = 615,
    CMD_MARKER_SIZE_18 = 616,
    CMD_MARKER_SIZE_21 = 617,
    CMD_MARKER_SIZE_25 = 618,
    CMD_MARKER_SIZE_30 = 619,
    CMD_MARKER_SIZE_DIVERSE = 620,

    // "Graphs" "Lines Draw-Rate", "Points Draw-Rate", "Marker Draw-Rate".
    CMD_LINES_DRAW_RATE_1 = 700,
    CMD_LINES_DRAW_RATE_2 = 701,
    CMD_LINES_DRAW_RATE_5 = 702,
    CMD_LINES_DRAW_RATE_10 = 703,
    CMD_LINES_DRAW_RATE_20 = 704,
    CMD_LINES_DRAW_RATE_50 = 705,
    CMD_LINES_DRAW_RATE_100 = 706,
    CMD_LINES_DRAW_RATE_200 = 707,
    CMD_LINES_DRAW_RATE_500 = 708,
    CMD_LINES_DRAW_RATE_1000 = 709,
    CMD_LINES_DRAW_RATE_DIVERSE = 710,
    CMD_POINTS_DRAW_RATE_1 = 720,
    CMD_POINTS_DRAW_RATE_2 = 721,
    CMD_POINTS_DRAW_RATE_5 = 722,
    CMD_POINTS_DRAW_RATE_10 = 723,
    CMD_POINTS_DRAW_RATE_20 = 724,
    CMD_POINTS_DRAW_RATE_50 = 725,
    CMD_POINTS_DRAW_RATE_100 = 726,
    CMD_POINTS_DRAW_RATE_200 = 727,
    CMD_POINTS_DRAW_RATE_500 = 728,
    CMD_POINTS_DRAW_RATE_1000 = 729,
    CMD_POINTS_DRAW_RATE_DIVERSE = 730,
    CMD_MARKER_DRAW_RATE_1 = 731,
    CMD_MARKER_DRAW_RATE_2 = 732,
    CMD_MARKER_DRAW_RATE_5 = 733,
    CMD_MARKER_DRAW_RATE_10 = 734,
    CMD_MARKER_DRAW_RATE_20 = 735,
    CMD_MARKER_DRAW_RATE_50 = 736,
    CMD_MARKER_DRAW_RATE_100 = 737,
    CMD_MARKER_DRAW_RATE_200 = 738,
    CMD_MARKER_DRAW_RATE_500 = 739,
    CMD_MARKER_DRAW_RATE_1000 = 740,
    CMD_MARKER_DRAW_RATE_DIVERSE = 741,

    // "Graphs" "Graph Type".
    CMD_GRAPH_TYPE_LINES = 742,
    CMD_GRAPH_TYPE_STAIRS = 743,
    CMD_GRAPH_TYPE_BARS = 744,
    CMD_GRAPH_TYPE_STEMS = 745,
    CMD_GRAPH_TYPE_DIVERSE = 746,

    // "Plot" "New", "Clone".
    CMD_NEW = 750,
    CMD_CLONE = 751,

    // "Extras", "Help".
    CMD_STATISTICS = 760,
    CMD_DISTRIBUTION = 761,
    CMD_PLOT_INFO = 762,
    CMD_BREAK = 763,
    CMD_FOLLOW_DATA_FILES = 764,
    CMD_ABOUT = 772,
    CMD_MOUSE_AND_KEYS = 773,

    // "Graphs" "Data File" "Read Mode", standing in the menu in this order:
    // the third item reads "X Y att Y att", the fourth "X Y att X Y att".
    CMD_READ_MODE_XYY = 801,
    CMD_READ_MODE_XYXY = 802,
    CMD_READ_MODE_XYAYA = 803,
    CMD_READ_MODE_XYAXYA = 804,
    CMD_READ_MODE_YY = 805,
    CMD_READ_MODE_COLUMNS = 806,
};

}  // namespace kvx
