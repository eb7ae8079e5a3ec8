#include "window/menu_state.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "app/commands.h"
#include "model/app_context.h"
#include "settings/keywords.h"
#include "support/recording_native_window.h"

namespace kvx {
namespace {

using test::RecordingNativeWindow;
using Commands = std::vector<int>;

// The items of each group, as the menu numbers them.
const Commands legendItems{CMD_LEGEND_HIDE, CMD_LEGEND_UP_RIGHT, CMD_LEGEND_DOWN_RIGHT, CMD_LEGEND_UP_LEFT,
    CMD_LEGEND_DOWN_LEFT, CMD_LEGEND_OUT_RIGHT};
const Commands coorItems{CMD_COOR_SYSTEM_HIDE, CMD_COOR_SYSTEM_FULL, CMD_COOR_SYSTEM_HALF};
const Commands pointsItems{CMD_POINTS_HIDE, CMD_POINTS_SHOW, CMD_POINTS_BEGIN_END, CMD_POINTS_DIVERSE};
const Commands markerItems{CMD_MARKER_HIDE, CMD_MARKER_SHOW, CMD_MARKER_DIVERSE};
const Commands linesItems{CMD_LINES_HIDE, CMD_LINES_SHOW};
const Commands typeItems{CMD_GRAPH_TYPE_LINES, CMD_GRAPH_TYPE_STAIRS, CMD_GRAPH_TYPE_BARS, CMD_GRAPH_TYPE_STEMS,
    CMD_GRAPH_TYPE_DIVERSE};
const Commands widthItems{CMD_LINE_WIDTH_1, CMD_LINE_WIDTH_2, CMD_LINE_WIDTH_3, CMD_LINE_WIDTH_5, CMD_LINE_WIDTH_7,
    CMD_LINE_WIDTH_10, CMD_LINE_WIDTH_DIVERSE};
const Commands sizeItems{CMD_MARKER_SIZE_6, CMD_MARKER_SIZE_7, CMD_MARKER_SIZE_8, CMD_MARKER_SIZE_10,
    CMD_MARKER_SIZE_12, CMD_MARKER_SIZE_15, CMD_MARKER_SIZE_18, CMD_MARKER_SIZE_21, CMD_MARKER_SIZE_25,
    CMD_MARKER_SIZE_30, CMD_MARKER_SIZE_DIVERSE};
const Commands linesRateItems{CMD_LINES_DRAW_RATE_1, CMD_LINES_DRAW_RATE_2, CMD_LINES_DRAW_RATE_5,
    CMD_LINES_DRAW_RATE_10, CMD_LINES_DRAW_RATE_20, CMD_LINES_DRAW_RATE_50, CMD_LINES_DRAW_RATE_100,
    CMD_LINES_DRAW_RATE_200, CMD_LINES_DRAW_RATE_500, CMD_LINES_DRAW_RATE_1000, CMD_LINES_DRAW_RATE_DIVERSE};
const Commands pointsRateItems{CMD_POINTS_DRAW_RATE_1, CMD_POINTS_DRAW_RATE_2, CMD_POINTS_DRAW_RATE_5,
    CMD_POINTS_DRAW_RATE_10, CMD_POINTS_DRAW_RATE_20, CMD_POINTS_DRAW_RATE_50, CMD_POINTS_DRAW_RATE_100,
    CMD_POINTS_DRAW_RATE_200, CMD_POINTS_DRAW_RATE_500, CMD_POINTS_DRAW_RATE_1000, CMD_POINTS_DRAW_RATE_DIVERSE};
const Commands markerRateItems{CMD_MARKER_DRAW_RATE_1, CMD_MARKER_DRAW_RATE_2, CMD_MARKER_DRAW_RATE_5,
    CMD_MARKER_DRAW_RATE_10, CMD_MARKER_DRAW_RATE_20, CMD_MARKER_DRAW_RATE_50, CMD_MARKER_DRAW_RATE_100,
    CMD_MARKER_DRAW_RATE_200, CMD_MARKER_DRAW_RATE_500, CMD_MARKER_DRAW_RATE_1000, CMD_MARKER_DRAW_RATE_DIVERSE};
const Commands schemeItems{CMD_COLOR_SCHEME_LIGHT, CMD_COLOR_SCHEME_DARK, CMD_COLOR_SCHEME_PAPER,
    CMD_COLOR_SCHEME_SCOPE, CMD_COLOR_SCHEME_FANCY};
const Commands gridItems{CMD_GRID_HIDE, CMD_GRID_XY_AXES, CMD_GRID_X_AXIS, CMD_GRID_Y_AXIS};
const Commands readModeItems{CMD_READ_MODE_XYY, CMD_READ_MODE_XYXY, CMD_READ_MODE_XYAYA, CMD_READ_MODE_XYAXYA,
    CMD_READ_MODE_YY};
const Commands zoomItems{CMD_ZOOM_MODE_XY, CMD_ZOOM_MODE_X, CMD_ZOOM_MODE_Y, CMD_ZOOM_MODE_X_AUTORANGE_Y,
    CMD_ZOOM_MODE_Y_AUTORANGE_X, CMD_ZOOM_MODE_X_KEEP_RATIO};

class MenuStateTest : public testing::Test {
protected:
    AppContext context_;

    // The checked items among `items`; an item never set counts as a fault.
    static Commands checkedAmong(const RecordingNativeWindow& w, const Commands& items)
    {
        Commands out;
        for (int c : items) {
            auto it = w.checks.find(c);
            if (it == w.checks.end()) {
                ADD_FAILURE() << "item " << c << " was left as it was";
            } else if (it->second) {
                out.push_back(c);
            }
        }
        return out;
    }
    static Commands allChecked(const RecordingNativeWindow& w)
    {
        Commands out;
        for (const auto& [c, on] : w.checks) {
            if (on) out.push_back(c);
        }
        return out;
    }

    Commands stateOf(const Commands& items)
    {
        RecordingNativeWindow w;
        updateMenuState(plot, w);
        return checkedAmong(w, items);
    }

    Plot plot{"Kurvex"};
};

TEST_F(MenuStateTest, PlotWithoutGraphsChecksThePlotSettingsAndTheGraphDefaults)
{
    RecordingNativeWindow w;
    updateMenuState(plot, w);
    EXPECT_EQ(allChecked(w), (Commands{
                                 CMD_COLOR_SCHEME_DARK,  // colour scheme "Dark"
                                 CMD_LEGEND_HIDE,  // legend "Hide"
                                 CMD_COOR_SYSTEM_FULL,  // coordinate system "Show Full"
                                 CMD_GRID_XY_AXES,  // grid "X - && Y - Axes"
                                 CMD_POINTS_HIDE,  // points "Hide"
                                 CMD_MARKER_HIDE,  // marker "Hide"
                                 CMD_LINES_SHOW,  // lines "Show"
                                 CMD_ZOOM_MODE_XY,  // zoom mode "X - Y"
                                 CMD_LINE_WIDTH_1,  // line width " 1"
                                 CMD_MARKER_SIZE_7,  // marker size " 7"
                                 CMD_LINES_DRAW_RATE_1, CMD_POINTS_DRAW_RATE_1, CMD_MARKER_DRAW_RATE_1,
                                      // the three draw rates " 1"
                                 CMD_GRAPH_TYPE_LINES,            // graph type "Lines"
                                 CMD_READ_MODE_XYY,            // read mode "X   Y   Y  .."
                             }));
    EXPECT_FALSE(w.checks.at(CMD_AXES_EQUAL));
}

TEST_F(MenuStateTest, DiverseItemsRefuseClicksButLookEnabledAndNothingElseChangesAccess)
{
    RecordingNativeWindow w;
    updateMenuState(plot, w);
    // Items whose actions are not built yet are greyed; the rest is pinned here.
    std::erase_if(w.itemStates, [](const auto& entry) {
        return entry.first != CMD_NEW && entry.second == ItemState::Grayed;
    });
    const std::map<int, ItemState> expected = {
        {CMD_POINTS_DIVERSE, ItemState::DisabledLooksEnabled}, {CMD_MARKER_DIVERSE, ItemState::DisabledLooksEnabled},
        {CMD_LINE_WIDTH_DIVERSE, ItemState::DisabledLooksEnabled},
        {CMD_MARKER_SIZE_DIVERSE, ItemState::DisabledLooksEnabled},
        {CMD_LINES_DRAW_RATE_DIVERSE, ItemState::DisabledLooksEnabled},
        {CMD_POINTS_DRAW_RATE_DIVERSE, ItemState::DisabledLooksEnabled},
        {CMD_MARKER_DRAW_RATE_DIVERSE, ItemState::DisabledLooksEnabled},
        {CMD_GRAPH_TYPE_DIVERSE, ItemState::DisabledLooksEnabled},
        {CMD_NEW, ItemState::Enabled},
    };
    EXPECT_EQ(w.itemStates, expected);
}

TEST_F(MenuStateTest, ChangedGraphDefaultsShowOnAPlotWithoutGraphs)
{
    graphDefaults().lineWidth = 10;
    graphDefaults().markerSize = 30;
    graphDefaults().pointsDrawRate = 3;
    graphDefaults().type = STEMS;
    RecordingNativeWindow w;
    updateMenuState(plot, w);
    EXPECT_EQ(checkedAmong(w, widthItems), Commands{CMD_LINE_WIDTH_10});
    EXPECT_EQ(checkedAmong(w, sizeItems), Commands{CMD_MARKER_SIZE_30});
    EXPECT_EQ(checkedAmong(w, pointsRateItems), Commands{CMD_POINTS_DRAW_RATE_DIVERSE});
    EXPECT_EQ(checkedAmong(w, typeItems), Commands{CMD_GRAPH_TYPE_STEMS});
}

TEST_F(MenuStateTest, NewFollowsNewAllowed)
{
    plot.settings().newAllowed = 0;
    RecordingNativeWindow w;
    updateMenuState(plot, w);
    EXPECT_EQ(w.itemStates.at(CMD_NEW), ItemState::Grayed);
    plot.settings().newAllowed = 1;
    updateMenuState(plot, w);
    EXPECT_EQ(w.itemStates.at(CMD_NEW), ItemState::Enabled);
}

TEST_F(MenuStateTest, WindowWithoutMenuIsLeftAlone)
{
    RecordingNativeWindow w;
    w.menu = false;
    plot.settings().newAllowed = 0;
    updateMenuState(plot, w);
    EXPECT_TRUE(w.checks.empty());
    EXPECT_TRUE(w.itemStates.empty());
}

TEST_F(MenuStateTest, AnEarlierCheckMarkIsCleared)
{
    plot.ensureGraphs(2);
    RecordingNativeWindow w;
    plot.setLineWidth(2, 0);
    plot.setShowLegend(SHOW_UPLEFT);
    updateMenuState(plot, w);
    EXPECT_EQ(checkedAmong(w, widthItems), Commands{CMD_LINE_WIDTH_2});
    plot.setLineWidth(3, 2);
    plot.setShowLegend(SHOW_OUTRIGHT);
    updateMenuState(plot, w);
    EXPECT_EQ(checkedAmong(w, widthItems), Commands{CMD_LINE_WIDTH_DIVERSE});
    EXPECT_EQ(checkedAmong(w, legendItems), Commands{CMD_LEGEND_OUT_RIGHT});
    plot.setLineWidth(4, 0);
    plot.setShowLegend(SHOW);
    updateMenuState(plot, w);
    EXPECT_EQ(checkedAmong(w, widthItems), Commands{});
    EXPECT_EQ(checkedAmong(w, legendItems), Commands{});
}

// One plot setting and the item it checks.
struct PlotCase {
    const char* name;
    std::function<void(Plot&)> set;
    const Commands* items;
    Commands checked;
};

void PrintTo(const PlotCase& c, std::ostream* os)
{
    *os << c.name << " checks " << testing::PrintToString(c.checked);
}

class MenuStatePlotSettingTest : public MenuStateTest,
                                 public testing::WithParamInterface<PlotCase> {};

TEST_P(MenuStatePlotSettingTest, ChecksTheItemOfTheValue)
{
    GetParam().set(plot);
    EXPECT_EQ(stateOf(*GetParam().items), GetParam().checked) << GetParam().name;
}

PlotCase legend(int16_t v, Commands checked)
{
    return {"legend", [v](Plot& p) { p.setShowLegend(v); }, &legendItems, std::move(checked)};
}
PlotCase coor(int16_t v, Commands checked)
{
    return {"coordinate system", [v](Plot& p) { p.setShowCoorSystem(v); }, &coorItems, std::move(checked)};
}
PlotCase grid(int16_t v, Commands checked)
{
    return {"grid", [v](Plot& p) { p.setShowGrid(v); }, &gridItems, std::move(checked)};
}
PlotCase scheme(int16_t v, Commands checked)
{
    return {"colour scheme", [v](Plot& p) { p.setColorScheme(v); }, &schemeItems, std::move(checked)};
}
PlotCase readMode(int16_t v, Commands checked)
{
    return {"read mode", [v](Plot& p) { p.setReadMode(v); }, &readModeItems, std::move(checked)};
}
PlotCase zoom(int16_t v, Commands checked)
{
    return {"zoom mode", [v](Plot& p) { p.setZoomMode(v); }, &zoomItems, std::move(checked)};
}

const Commands axesEqualItem{CMD_AXES_EQUAL};

INSTANTIATE_TEST_SUITE_P(
    Settings, MenuStatePlotSettingTest,
    testing::Values(
        legend(HIDE, {CMD_LEGEND_HIDE}), legend(SHOW_UPRIGHT, {CMD_LEGEND_UP_RIGHT}),
        legend(SHOW_DOWNRIGHT, {CMD_LEGEND_DOWN_RIGHT}),
        legend(SHOW_UPLEFT, {CMD_LEGEND_UP_LEFT}), legend(SHOW_DOWNLEFT, {CMD_LEGEND_DOWN_LEFT}),
        legend(SHOW_OUTRIGHT, {CMD_LEGEND_OUT_RIGHT}),
        legend(SHOW, {}),
        coor(HIDE, {CMD_COOR_SYSTEM_HIDE}), coor(SHOW, {CMD_COOR_SYSTEM_FULL}),
        coor(SHOW_HALF, {CMD_COOR_SYSTEM_HALF}),
        coor(SHOW_XAXIS, {CMD_COOR_SYSTEM_HIDE}),  // anything else counts as hidden
        grid(HIDE, {CMD_GRID_HIDE}), grid(SHOW, {CMD_GRID_XY_AXES}), grid(SHOW_XAXIS, {CMD_GRID_X_AXIS}),
        grid(SHOW_YAXIS, {CMD_GRID_Y_AXIS}),
        grid(SHOW_HALF, {}),
        scheme(LIGHT, {CMD_COLOR_SCHEME_LIGHT}), scheme(DARK, {CMD_COLOR_SCHEME_DARK}),
        scheme(PAPER, {CMD_COLOR_SCHEME_PAPER}), scheme(SCOPE, {CMD_COLOR_SCHEME_SCOPE}),
        scheme(FANCY, {CMD_COLOR_SCHEME_FANCY}),
        readMode(XYY, {CMD_READ_MODE_XYY}), readMode(XYXY, {CMD_READ_MODE_XYXY}),
        readMode(XYAXYA, {CMD_READ_MODE_XYAXYA}),
        readMode(XYAYA, {CMD_READ_MODE_XYAYA}), readMode(YY, {CMD_READ_MODE_YY}),
        zoom(ZOOM_XY, {CMD_ZOOM_MODE_XY}), zoom(ZOOM_X, {CMD_ZOOM_MODE_X}), zoom(ZOOM_Y, {CMD_ZOOM_MODE_Y}),
        zoom(ZOOM_XARY, {CMD_ZOOM_MODE_X_AUTORANGE_Y}),
        zoom(ZOOM_YARX, {CMD_ZOOM_MODE_Y_AUTORANGE_X}), zoom(ZOOM_XKR, {CMD_ZOOM_MODE_X_KEEP_RATIO}),
        zoom(ZOOM_XY - 1, {}),
        PlotCase{"axes equal", [](Plot& p) { p.setAspectRatio(AXES_EQUAL); }, &axesEqualItem, {CMD_AXES_EQUAL}},
        PlotCase{"axes scaled", [](Plot& p) { p.setAspectRatio(AXES_SCALED); }, &axesEqualItem, {}}));

// A graph style of two graphs and the item it checks.
struct GraphCase {
    const char* name;
    void (PlotModel::*set)(int16_t, int16_t);
    const Commands* items;
    int16_t first;
    int16_t second;
    Commands checked;
};

void PrintTo(const GraphCase& c, std::ostream* os)
{
    *os << c.name << " " << c.first << ", " << c.second << " checks "
        << testing::PrintToString(c.checked);
}

class MenuStateGraphStyleTest : public MenuStateTest,
                                public testing::WithParamInterface<GraphCase> {};

TEST_P(MenuStateGraphStyleTest, ChecksTheSharedValueOrDiverse)
{
    const GraphCase& c = GetParam();
    plot.ensureGraphs(2);
    (plot.*c.set)(c.first, 1);
    (plot.*c.set)(c.second, 2);
    EXPECT_EQ(stateOf(*c.items), c.checked) << c.name << " " << c.first << ", " << c.second;
}

INSTANTIATE_TEST_SUITE_P(
    Styles, MenuStateGraphStyleTest,
    testing::Values(
        GraphCase{"points", &Plot::setShowPoints, &pointsItems, SHOW, SHOW, {CMD_POINTS_SHOW}},
        GraphCase{"points", &Plot::setShowPoints, &pointsItems, SHOW_BEGIN_END, SHOW_BEGIN_END,
        {CMD_POINTS_BEGIN_END}},
        GraphCase{"points", &Plot::setShowPoints, &pointsItems, SHOW_HALF, SHOW_HALF, {CMD_POINTS_HIDE}},
        GraphCase{"points", &Plot::setShowPoints, &pointsItems, HIDE, SHOW, {CMD_POINTS_DIVERSE}},
        GraphCase{"marker", &Plot::setShowMarker, &markerItems, SHOW, SHOW, {CMD_MARKER_SHOW}},
        GraphCase{"marker", &Plot::setShowMarker, &markerItems, SHOW_BEGIN_END, SHOW_BEGIN_END, {CMD_MARKER_HIDE}},
        GraphCase{"marker", &Plot::setShowMarker, &markerItems, SHOW, HIDE, {CMD_MARKER_DIVERSE}},
        GraphCase{"lines", &Plot::setShowLines, &linesItems, HIDE, HIDE, {CMD_LINES_HIDE}},
        GraphCase{"lines", &Plot::setShowLines, &linesItems, SHOW_HALF, SHOW_HALF, {CMD_LINES_HIDE}},
        GraphCase{"lines", &Plot::setShowLines, &linesItems, SHOW, HIDE, {}},  // no "Diverse"
        GraphCase{"type", &Plot::setType, &typeItems, STAIRS, STAIRS, {CMD_GRAPH_TYPE_STAIRS}},
        GraphCase{"type", &Plot::setType, &typeItems, BARS, BARS, {CMD_GRAPH_TYPE_BARS}},
        GraphCase{"type", &Plot::setType, &typeItems, 805, 805, {}},
        GraphCase{"type", &Plot::setType, &typeItems, LINES, BARS, {CMD_GRAPH_TYPE_DIVERSE}},
        GraphCase{"line width", &Plot::setLineWidth, &widthItems, 5, 5, {CMD_LINE_WIDTH_5}},
        GraphCase{"line width", &Plot::setLineWidth, &widthItems, 7, 7, {CMD_LINE_WIDTH_7}},
        GraphCase{"line width", &Plot::setLineWidth, &widthItems, 4, 4, {}},
        GraphCase{"line width", &Plot::setLineWidth, &widthItems, 2, 3, {CMD_LINE_WIDTH_DIVERSE}},
        GraphCase{"marker size", &Plot::setMarkerSize, &sizeItems, 25, 25, {CMD_MARKER_SIZE_25}},
        GraphCase{"marker size", &Plot::setMarkerSize, &sizeItems, 9, 9, {}},
        GraphCase{"marker size", &Plot::setMarkerSize, &sizeItems, 6, 8, {CMD_MARKER_SIZE_DIVERSE}},
        GraphCase{"lines draw rate", &Plot::setLinesDrawRate, &linesRateItems, 1000, 1000,
        {CMD_LINES_DRAW_RATE_1000}},
        GraphCase{"lines draw rate", &Plot::setLinesDrawRate, &linesRateItems, 4, 4, {}},
        GraphCase{"lines draw rate", &Plot::setLinesDrawRate, &linesRateItems, 4, 5, {CMD_LINES_DRAW_RATE_DIVERSE}},
        GraphCase{"points draw rate", &Plot::setPointsDrawRate, &pointsRateItems, 50, 50, {CMD_POINTS_DRAW_RATE_50}},
        GraphCase{"points draw rate", &Plot::setPointsDrawRate, &pointsRateItems, 4, 4,
        {CMD_POINTS_DRAW_RATE_DIVERSE}},
        GraphCase{"points draw rate", &Plot::setPointsDrawRate, &pointsRateItems, 1, 2,
        {CMD_POINTS_DRAW_RATE_DIVERSE}},
        GraphCase{"marker draw rate", &Plot::setMarkerDrawRate, &markerRateItems, 200, 200,
        {CMD_MARKER_DRAW_RATE_200}},
        GraphCase{"marker draw rate", &Plot::setMarkerDrawRate, &markerRateItems, 4, 4,
        {CMD_MARKER_DRAW_RATE_DIVERSE}},
        GraphCase{"marker draw rate", &Plot::setMarkerDrawRate, &markerRateItems, 10, 20,
        {CMD_MARKER_DRAW_RATE_DIVERSE}}));

TEST_F(MenuStateTest, ALastGraphThatDiffersMakesTheStyleDiverse)
{
    plot.ensureGraphs(3);
    plot.setLineWidth(5, 0);
    EXPECT_EQ(stateOf(widthItems), Commands{CMD_LINE_WIDTH_5});
    plot.setLineWidth(1, 3);  // the last graph differs
    EXPECT_EQ(stateOf(widthItems), Commands{CMD_LINE_WIDTH_DIVERSE});
}

}  // namespace
}  // namespace kvx
