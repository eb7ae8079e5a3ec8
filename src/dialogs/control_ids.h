#pragma once
// The control ids of the dialogs in resources/dialogs/. The templates there
// name their controls by these constants; the build puts the numbers in
// their place, so each id is written only here. Boxes may share an id for
// controls of the same role (the graph list is 826 in every box).

namespace kvx {

// "Set Range & Ticks" (RangeAndTicksBox).
constexpr int IDC_X_MIN = 812;
constexpr int IDC_X_MAX = 813;
constexpr int IDC_Y_MIN = 814;
constexpr int IDC_Y_MAX = 815;
constexpr int IDC_X_TICK = 817;
constexpr int IDC_X_SUBTICK = 818;
constexpr int IDC_Y_TICK = 819;
constexpr int IDC_Y_SUBTICK = 820;
constexpr int IDC_AUTO_TICKS = 821;
constexpr int IDC_LOG_X = 828;
constexpr int IDC_LOG_Y = 829;

// "Edit Lables" (LablesBox).
constexpr int IDC_AXES_TITLE = 822;
constexpr int IDC_X_LABLE = 823;
constexpr int IDC_Y_LABLE = 824;
constexpr int IDC_WINDOW_TITLE = 825;

// The graph list of the Edit, Handle, Statistics and Distribution boxes.
constexpr int IDC_GRAPH_LIST = 826;

// "Edit Graphs" (EditGraphsBox).
constexpr int IDC_DELETE_UNUSED = 827;
constexpr int IDC_SELECT_ALL = 828;
constexpr int IDC_GRAPH_NUMBER = 840;
constexpr int IDC_GRAPH_LABLE = 841;
constexpr int IDC_GRAPH_TYPE = 842;
constexpr int IDC_GRAPH_COLOR = 843;
constexpr int IDC_LINE_WIDTH = 844;
constexpr int IDC_MARKER_TYPE = 845;
constexpr int IDC_MARKER_SIZE = 846;
constexpr int IDC_LINES_RATE = 847;
constexpr int IDC_MARKERS_RATE = 848;
constexpr int IDC_REORDER_COLORS = 849;
constexpr int IDC_ACCEPT = 850;

// "Handle Graphs" (HandleGraphsBox): the plot's list is IDC_GRAPH_LIST with
// IDC_SELECT_ALL.
constexpr int IDC_PLOT_DELETE = 829;
constexpr int IDC_CLIPBOARD_LIST = 830;
constexpr int IDC_CLIPBOARD_SELECT_ALL = 831;
constexpr int IDC_CLIPBOARD_DELETE = 832;
constexpr int IDC_TO_CLIPBOARD = 833;
constexpr int IDC_TO_PLOT = 834;

// "Color Palettes" (ColorSetBox): one radio and one swatch per palette, in
// the order of the palettes; the swatch is the radio's id plus 1000.
constexpr int IDC_PALETTE_MIXED_COLORS_I = 860;
constexpr int IDC_PALETTE_MIXED_COLORS_II = 861;
constexpr int IDC_PALETTE_GRAY_SCALE = 862;
constexpr int IDC_PALETTE_RED_SCALE = 863;
constexpr int IDC_PALETTE_GREEN_SCALE = 864;
constexpr int IDC_PALETTE_BLUE_SCALE = 865;
constexpr int IDC_PALETTE_HEAT_SCALE = 866;
constexpr int IDC_PALETTE_BLACK_ONLY = 867;
constexpr int IDC_NUM_COLORS = 868;
constexpr int IDC_SWATCH_MIXED_COLORS_I = 1860;
constexpr int IDC_SWATCH_MIXED_COLORS_II = 1861;
constexpr int IDC_SWATCH_GRAY_SCALE = 1862;
constexpr int IDC_SWATCH_RED_SCALE = 1863;
constexpr int IDC_SWATCH_GREEN_SCALE = 1864;
constexpr int IDC_SWATCH_BLUE_SCALE = 1865;
constexpr int IDC_SWATCH_HEAT_SCALE = 1866;
constexpr int IDC_SWATCH_BLACK_ONLY = 1867;

// "Statistics" (StatisticsBox): a check and a field per value.
constexpr int IDC_FIELD_X_MIN = 871;
constexpr int IDC_FIELD_Y_MIN = 872;
constexpr int IDC_FIELD_X_MAX = 873;
constexpr int IDC_FIELD_Y_MAX = 874;
constexpr int IDC_FIELD_X_MEAN = 875;
constexpr int IDC_FIELD_Y_MEAN = 876;
constexpr int IDC_FIELD_X_STD = 877;
constexpr int IDC_FIELD_Y_STD = 878;
constexpr int IDC_FIELD_X_RANGE = 879;
constexpr int IDC_FIELD_Y_RANGE = 880;
constexpr int IDC_CHECK_X_MIN = 881;
constexpr int IDC_CHECK_Y_MIN = 882;
constexpr int IDC_CHECK_X_MAX = 883;
constexpr int IDC_CHECK_Y_MAX = 884;
constexpr int IDC_CHECK_X_MEAN = 885;
constexpr int IDC_CHECK_Y_MEAN = 886;
constexpr int IDC_CHECK_X_STD = 887;
constexpr int IDC_CHECK_Y_STD = 888;
constexpr int IDC_FIELD_NUM_POINTS = 889;
constexpr int IDC_SAME_COLOR = 890;
constexpr int IDC_SAME_PLOT = 891;

// The buttons of the Statistics and Distribution boxes.
constexpr int IDC_PLOT_AND_CLOSE = 892;
constexpr int IDC_PLOT = 893;
constexpr int IDC_CLOSE = 894;

// "Distribution" (DistributionBox).
constexpr int IDC_NUM_BINS = 895;
constexpr int IDC_BINS_WIDTH = 896;
constexpr int IDC_BY_NUM_BINS = 897;
constexpr int IDC_BY_BINS_WIDTH = 898;

// "Save Figure" "On Paper ..." (FigurePaperBox).
constexpr int IDC_FIGURE_SIZE = 899;
constexpr int IDC_FIGURE_DPI = 900;

}  // namespace kvx
