#include "window/menu_state.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <ostream>
#include <string>
#include <vector>

#include "settings/default_records.h"
#include "settings/keywords.h"
#include "support/recording_native_window.h"

namespace kvx {
namespace {

using test::RecordingNativeWindow;
using Commands = std::vector<int>;

// The items of each group, as the menu numbers them.
const Commands legendItems{211, 212, 213, 214, 215, 216};
const Commands coorItems{247, 248, 249};
const Commands pointsItems{255, 256, 257, 258};
const Commands markerItems{260, 261, 262};
const Commands linesItems{263, 264};
const Commands typeItems{742, 743, 744, 745, 746};
const Commands widthItems{601, 602, 603, 604, 605, 606, 607};
const Commands sizeItems{610, 611, 612, 613, 614, 615, 616, 617, 618, 619, 620};
const Commands linesRateItems{700, 701, 702, 703, 704, 705, 706, 707, 708, 709, 710};
const Commands pointsRateItems{720, 721, 722, 723, 724, 725, 726, 727, 728, 729, 730};
const Commands markerRateItems{731, 732, 733, 734, 735, 736, 737, 738, 739, 740, 741};
const Commands schemeItems{123, 124, 125, 126, 127};
const Commands gridItems{251, 252, 253, 254};
const Commands readModeItems{801, 802, 803, 804, 805};
const Commands zoomItems{500, 510, 520, 530, 540, 550};

class MenuStateTest : public testing::Test {
protected:
    ~MenuStateTest() override { defaultRecords() = DefaultRecords{}; }

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
                                 124,  // colour scheme "Dark"
                                 211,  // legend "Hide"
                                 248,  // coordinate system "Show Full"
                                 252,  // grid "X - && Y - Axes"
                                 255,  // points "Hide"
                                 260,  // marker "Hide"
                                 264,  // lines "Show"
                                 500,  // zoom mode "X - Y"
                                 601,  // line width " 1"
                                 611,  // marker size " 7"
                                 700, 720, 731,  // the three draw rates " 1"
                                 742,            // graph type "Lines"
                                 801,            // read mode "X   Y   Y  .."
                             }));
    EXPECT_FALSE(w.checks.at(270));
}

TEST_F(MenuStateTest, DiverseItemsRefuseClicksButLookEnabledAndNothingElseChangesAccess)
{
    RecordingNativeWindow w;
    updateMenuState(plot, w);
    // Items whose actions are not built yet are greyed; the rest is pinned here.
    std::erase_if(w.itemStates, [](const auto& entry) {
        return entry.first != 750 && entry.second == ItemState::Grayed;
    });
    const std::map<int, ItemState> expected = {
        {258, ItemState::DisabledLooksEnabled}, {262, ItemState::DisabledLooksEnabled},
        {607, ItemState::DisabledLooksEnabled}, {620, ItemState::DisabledLooksEnabled},
        {710, ItemState::DisabledLooksEnabled}, {730, ItemState::DisabledLooksEnabled},
        {741, ItemState::DisabledLooksEnabled}, {746, ItemState::DisabledLooksEnabled},
        {750, ItemState::Enabled},
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
    EXPECT_EQ(checkedAmong(w, widthItems), Commands{606});
    EXPECT_EQ(checkedAmong(w, sizeItems), Commands{619});
    EXPECT_EQ(checkedAmong(w, pointsRateItems), Commands{730});
    EXPECT_EQ(checkedAmong(w, typeItems), Commands{745});
}

TEST_F(MenuStateTest, NewFollowsNewAllowed)
{
    plot.settings().newAllowed = 0;
    RecordingNativeWindow w;
    updateMenuState(plot, w);
    EXPECT_EQ(w.itemStates.at(750), ItemState::Grayed);
    plot.settings().newAllowed = 1;
    updateMenuState(plot, w);
    EXPECT_EQ(w.itemStates.at(750), ItemState::Enabled);
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
    EXPECT_EQ(checkedAmong(w, widthItems), Commands{602});
    plot.setLineWidth(3, 2);
    plot.setShowLegend(SHOW_OUTRIGHT);
    updateMenuState(plot, w);
    EXPECT_EQ(checkedAmong(w, widthItems), Commands{607});
    EXPECT_EQ(checkedAmong(w, legendItems), Commands{216});
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

const Commands axesEqualItem{270};

INSTANTIATE_TEST_SUITE_P(
    Settings, MenuStatePlotSettingTest,
    testing::Values(
        legend(HIDE, {211}), legend(SHOW_UPRIGHT, {212}), legend(SHOW_DOWNRIGHT, {213}),
        legend(SHOW_UPLEFT, {214}), legend(SHOW_DOWNLEFT, {215}), legend(SHOW_OUTRIGHT, {216}),
        legend(SHOW, {}),
        coor(HIDE, {247}), coor(SHOW, {248}), coor(SHOW_HALF, {249}),
        coor(SHOW_XAXIS, {247}),  // anything else counts as hidden
        grid(HIDE, {251}), grid(SHOW, {252}), grid(SHOW_XAXIS, {253}), grid(SHOW_YAXIS, {254}),
        grid(SHOW_HALF, {}),
        scheme(LIGHT, {123}), scheme(DARK, {124}), scheme(PAPER, {125}), scheme(SCOPE, {126}),
        scheme(FANCY, {127}),
        readMode(XYY, {801}), readMode(XYXY, {802}), readMode(XYAXYA, {804}),
        readMode(XYAYA, {803}), readMode(YY, {805}),
        zoom(ZOOM_XY, {500}), zoom(ZOOM_X, {510}), zoom(ZOOM_Y, {520}), zoom(ZOOM_XARY, {530}),
        zoom(ZOOM_YARX, {540}), zoom(ZOOM_XKR, {550}), zoom(ZOOM_XY - 1, {}),
        PlotCase{"axes equal", [](Plot& p) { p.setAspectRatio(AXES_EQUAL); }, &axesEqualItem, {270}},
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
        GraphCase{"points", &Plot::setShowPoints, &pointsItems, SHOW, SHOW, {256}},
        GraphCase{"points", &Plot::setShowPoints, &pointsItems, SHOW_BEGIN_END, SHOW_BEGIN_END, {257}},
        GraphCase{"points", &Plot::setShowPoints, &pointsItems, SHOW_HALF, SHOW_HALF, {255}},
        GraphCase{"points", &Plot::setShowPoints, &pointsItems, HIDE, SHOW, {258}},
        GraphCase{"marker", &Plot::setShowMarker, &markerItems, SHOW, SHOW, {261}},
        GraphCase{"marker", &Plot::setShowMarker, &markerItems, SHOW_BEGIN_END, SHOW_BEGIN_END, {260}},
        GraphCase{"marker", &Plot::setShowMarker, &markerItems, SHOW, HIDE, {262}},
        GraphCase{"lines", &Plot::setShowLines, &linesItems, HIDE, HIDE, {263}},
        GraphCase{"lines", &Plot::setShowLines, &linesItems, SHOW_HALF, SHOW_HALF, {263}},
        GraphCase{"lines", &Plot::setShowLines, &linesItems, SHOW, HIDE, {}},  // no "Diverse"
        GraphCase{"type", &Plot::setType, &typeItems, STAIRS, STAIRS, {743}},
        GraphCase{"type", &Plot::setType, &typeItems, BARS, BARS, {744}},
        GraphCase{"type", &Plot::setType, &typeItems, 805, 805, {}},
        GraphCase{"type", &Plot::setType, &typeItems, LINES, BARS, {746}},
        GraphCase{"line width", &Plot::setLineWidth, &widthItems, 5, 5, {604}},
        GraphCase{"line width", &Plot::setLineWidth, &widthItems, 7, 7, {605}},
        GraphCase{"line width", &Plot::setLineWidth, &widthItems, 4, 4, {}},
        GraphCase{"line width", &Plot::setLineWidth, &widthItems, 2, 3, {607}},
        GraphCase{"marker size", &Plot::setMarkerSize, &sizeItems, 25, 25, {618}},
        GraphCase{"marker size", &Plot::setMarkerSize, &sizeItems, 9, 9, {}},
        GraphCase{"marker size", &Plot::setMarkerSize, &sizeItems, 6, 8, {620}},
        GraphCase{"lines draw rate", &Plot::setLinesDrawRate, &linesRateItems, 1000, 1000, {709}},
        GraphCase{"lines draw rate", &Plot::setLinesDrawRate, &linesRateItems, 4, 4, {}},
        GraphCase{"lines draw rate", &Plot::setLinesDrawRate, &linesRateItems, 4, 5, {710}},
        GraphCase{"points draw rate", &Plot::setPointsDrawRate, &pointsRateItems, 50, 50, {725}},
        GraphCase{"points draw rate", &Plot::setPointsDrawRate, &pointsRateItems, 4, 4, {730}},
        GraphCase{"points draw rate", &Plot::setPointsDrawRate, &pointsRateItems, 1, 2, {730}},
        GraphCase{"marker draw rate", &Plot::setMarkerDrawRate, &markerRateItems, 200, 200, {738}},
        GraphCase{"marker draw rate", &Plot::setMarkerDrawRate, &markerRateItems, 4, 4, {741}},
        GraphCase{"marker draw rate", &Plot::setMarkerDrawRate, &markerRateItems, 10, 20, {741}}));

TEST_F(MenuStateTest, ALastGraphThatDiffersMakesTheStyleDiverse)
{
    plot.ensureGraphs(3);
    plot.setLineWidth(5, 0);
    EXPECT_EQ(stateOf(widthItems), Commands{604});
    plot.setLineWidth(1, 3);  // the last graph differs
    EXPECT_EQ(stateOf(widthItems), Commands{607});
}

}  // namespace
}  // namespace kvx
