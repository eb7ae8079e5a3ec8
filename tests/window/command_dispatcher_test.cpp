#include "window/command_dispatcher.h"

#include <gtest/gtest.h>

#include "dialogs/control_ids.h"

#include <algorithm>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "app/run_state.h"
#include "app/session_list.h"
#include "model/graph_clipboard.h"
#include "window/plot.h"
#include "platform/window_messages.h"
#include "model/app_context.h"
#include "settings/keywords.h"
#include "support/recording_desktop.h"
#include "support/recording_native_window.h"
#include "support/temp_dir.h"
#include "app/commands.h"
#include "window/file_commands.h"
#include "window/kvx_menu.h"
#include "files/data_file_writer.h"

namespace kvx {
namespace {

// A menu item and the value it stands for.
struct Item {
    uint16_t command;
    int16_t value;
};

class CommandDispatcherTest : public testing::Test {
protected:
    CommandDispatcherTest() { setRunState(RUN_RUNNING); }
    ~CommandDispatcherTest() override { setRunState(RUN_RUNNING); }

    Plot& makeWindow(int16_t graphs = 0)
    {
        plots_.push_back(std::make_unique<Plot>("Kurvex"));
        Plot& p = *plots_.back();
        p.ensureGraphs(graphs);
        p.createWindow();
        return p;
    }
    static test::RecordingNativeWindow& native(Plot& p)
    {
        return static_cast<test::RecordingNativeWindow&>(*p.nativeWindow());
    }
    static void command(Plot& p, uint16_t number) { p.handleMessage(MSG_COMMAND, number, 0); }
    // Dispatches and answers whether the window was painted again.
    static bool repaints(Plot& p, uint16_t number)
    {
        const int before = native(p).presents;
        command(p, number);
        return native(p).presents != before;
    }
    static bool checked(Plot& p, uint16_t item)
    {
        const auto& checks = native(p).checks;
        const auto it = checks.find(item);
        return it != checks.end() && it->second;
    }

    test::RecordingDesktop desktop_;
    AppContext context_{desktop_};
    std::vector<std::unique_ptr<Plot>> plots_;
};

TEST_F(CommandDispatcherTest, DisplayChoicesSetThePlotRepaintAndMoveTheCheckMark)
{
    struct Group {
        std::vector<Item> items;
        int16_t (PlotModel::*value)() const;
    };
    const std::vector<Group> groups{
        {{{CMD_GRID_HIDE, 100}, {CMD_GRID_XY_AXES, 101}, {CMD_GRID_X_AXIS, 104}, {CMD_GRID_Y_AXIS, 105}},
            &Plot::showGrid},
        {{{CMD_LEGEND_HIDE, 100}, {CMD_LEGEND_UP_RIGHT, 106}, {CMD_LEGEND_UP_LEFT, 108}, {CMD_LEGEND_DOWN_LEFT, 109},
            {CMD_LEGEND_DOWN_RIGHT, 107}, {CMD_LEGEND_OUT_RIGHT, 110}}, &Plot::showLegend},
        {{{CMD_COOR_SYSTEM_HIDE, 100}, {CMD_COOR_SYSTEM_FULL, 101}, {CMD_COOR_SYSTEM_HALF, 103}},
            &Plot::showCoorSystem},
        {{{CMD_COLOR_SCHEME_LIGHT, 1201}, {CMD_COLOR_SCHEME_DARK, 1202}, {CMD_COLOR_SCHEME_PAPER, 1203},
            {CMD_COLOR_SCHEME_SCOPE, 1204}, {CMD_COLOR_SCHEME_FANCY, 1205}}, &Plot::colorScheme},
    };
    Plot& p = makeWindow();
    for (const Group& g : groups) {
        for (const Item& item : g.items) {
            EXPECT_TRUE(repaints(p, item.command)) << item.command;
            EXPECT_EQ((p.*g.value)(), item.value) << item.command;
            for (const Item& other : g.items) {
                EXPECT_EQ(checked(p, other.command), other.command == item.command) << item.command;
            }
        }
    }
}

TEST_F(CommandDispatcherTest, DisplayChoicesTakeTheirSideEffects)
{
    Plot& p = makeWindow();
    command(p, CMD_COLOR_SCHEME_PAPER);
    const uint32_t paperPlot = p.settings().plotColor;
    command(p, CMD_COLOR_SCHEME_SCOPE);
    EXPECT_NE(p.settings().plotColor, paperPlot);  // the scheme's colours came along

    p.setAspectRatio(AXES_EQUAL);
    p.setZoomMode(ZOOM_XY);
    command(p, CMD_COOR_SYSTEM_HALF);
    EXPECT_EQ(p.zoomMode(), ZOOM_XKR);
    EXPECT_TRUE(checked(p, CMD_ZOOM_MODE_X_KEEP_RATIO));
    command(p, CMD_COOR_SYSTEM_HIDE);
    EXPECT_EQ(p.settings().activeIndents, p.settings().plainIndents);
}

// The graph attribute of one graph, for making the graphs differ.
void setOneGraph(Plot& p, GraphAttribute a, int16_t v, int16_t index)
{
    switch (a) {
    case GraphAttribute::ShowPoints: p.setShowPoints(v, index); break;
    case GraphAttribute::ShowMarker: p.setShowMarker(v, index); break;
    case GraphAttribute::ShowLines: p.setShowLines(v, index); break;
    case GraphAttribute::LineWidth: p.setLineWidth(v, index); break;
    case GraphAttribute::MarkerSize: p.setMarkerSize(v, index); break;
    case GraphAttribute::LinesDrawRate: p.setLinesDrawRate(v, index); break;
    case GraphAttribute::PointsDrawRate: p.setPointsDrawRate(v, index); break;
    case GraphAttribute::MarkerDrawRate: p.setMarkerDrawRate(v, index); break;
    case GraphAttribute::Type: p.setType(v, index); break;
    }
}

TEST_F(CommandDispatcherTest, StyleItemsSetEveryGraphAndRepaint)
{
    struct Group {
        GraphAttribute attribute;
        std::vector<Item> items;
    };
    const std::vector<Group> groups{
        {GraphAttribute::ShowPoints, {{CMD_POINTS_HIDE, 100}, {CMD_POINTS_SHOW, 101}, {CMD_POINTS_BEGIN_END, 102}}},
        {GraphAttribute::ShowMarker, {{CMD_MARKER_HIDE, 100}, {CMD_MARKER_SHOW, 101}}},
        {GraphAttribute::ShowLines, {{CMD_LINES_HIDE, 100}, {CMD_LINES_SHOW, 101}}},
        {GraphAttribute::LineWidth, {{CMD_LINE_WIDTH_1, 1}, {CMD_LINE_WIDTH_2, 2}, {CMD_LINE_WIDTH_3, 3},
            {CMD_LINE_WIDTH_5, 5}, {CMD_LINE_WIDTH_7, 7}, {CMD_LINE_WIDTH_10, 10}}},
        {GraphAttribute::MarkerSize,
         {{CMD_MARKER_SIZE_6, 6}, {CMD_MARKER_SIZE_7, 7}, {CMD_MARKER_SIZE_8, 8}, {CMD_MARKER_SIZE_10, 10},
             {CMD_MARKER_SIZE_12, 12}, {CMD_MARKER_SIZE_15, 15}, {CMD_MARKER_SIZE_18, 18}, {CMD_MARKER_SIZE_21, 21},
             {CMD_MARKER_SIZE_25, 25}, {CMD_MARKER_SIZE_30, 30}}},
        {GraphAttribute::LinesDrawRate,
         {{CMD_LINES_DRAW_RATE_1, 1}, {CMD_LINES_DRAW_RATE_2, 2}, {CMD_LINES_DRAW_RATE_5, 5},
             {CMD_LINES_DRAW_RATE_10, 10}, {CMD_LINES_DRAW_RATE_20, 20}, {CMD_LINES_DRAW_RATE_50, 50},
             {CMD_LINES_DRAW_RATE_100, 100}, {CMD_LINES_DRAW_RATE_200, 200}, {CMD_LINES_DRAW_RATE_500, 500},
             {CMD_LINES_DRAW_RATE_1000, 1000}}},
        {GraphAttribute::PointsDrawRate,
         {{CMD_POINTS_DRAW_RATE_1, 1}, {CMD_POINTS_DRAW_RATE_2, 2}, {CMD_POINTS_DRAW_RATE_5, 5},
             {CMD_POINTS_DRAW_RATE_10, 10}, {CMD_POINTS_DRAW_RATE_20, 20}, {CMD_POINTS_DRAW_RATE_50, 50},
             {CMD_POINTS_DRAW_RATE_100, 100}, {CMD_POINTS_DRAW_RATE_200, 200}, {CMD_POINTS_DRAW_RATE_500, 500},
             {CMD_POINTS_DRAW_RATE_1000, 1000}}},
        {GraphAttribute::MarkerDrawRate,
         {{CMD_MARKER_DRAW_RATE_1, 1}, {CMD_MARKER_DRAW_RATE_2, 2}, {CMD_MARKER_DRAW_RATE_5, 5},
             {CMD_MARKER_DRAW_RATE_10, 10}, {CMD_MARKER_DRAW_RATE_20, 20}, {CMD_MARKER_DRAW_RATE_50, 50},
             {CMD_MARKER_DRAW_RATE_100, 100}, {CMD_MARKER_DRAW_RATE_200, 200}, {CMD_MARKER_DRAW_RATE_500, 500},
             {CMD_MARKER_DRAW_RATE_1000, 1000}}},
        {GraphAttribute::Type, {{CMD_GRAPH_TYPE_LINES, 801}, {CMD_GRAPH_TYPE_STAIRS, 802}, {CMD_GRAPH_TYPE_BARS, 803},
            {CMD_GRAPH_TYPE_STEMS, 804}}},
    };
    Plot& p = makeWindow(3);
    for (const Group& g : groups) {
        for (const Item& item : g.items) {
            setOneGraph(p, g.attribute, 77, 2);  // the graphs differ before the command
            EXPECT_TRUE(repaints(p, item.command)) << item.command;
            const CommonValue v = p.commonValue(g.attribute);
            EXPECT_TRUE(v.common) << item.command;
            EXPECT_EQ(v.value, item.value) << item.command;
            EXPECT_TRUE(checked(p, item.command)) << item.command;
        }
    }
}

TEST_F(CommandDispatcherTest, LineWidthFiveOnThreeGraphsAndTheDrawCounters)
{
    Plot& p = makeWindow(3);
    p.setLineWidth(2, 1);
    command(p, CMD_LINE_WIDTH_5);
    for (int16_t i = 1; i <= 3; ++i) {
        EXPECT_EQ(p.graph(i).lineWidth(), 5);
    }
    EXPECT_TRUE(checked(p, CMD_LINE_WIDTH_5));
    EXPECT_FALSE(checked(p, CMD_LINE_WIDTH_DIVERSE));

    p.graph(3).setDotCount(1);
    p.graph(3).setMarkerCount(1);
    command(p, CMD_POINTS_DRAW_RATE_20);
    command(p, CMD_MARKER_DRAW_RATE_50);
    EXPECT_EQ(p.graph(3).dotCount(), 20);
    EXPECT_EQ(p.graph(3).markerCount(), 50);
}

TEST_F(CommandDispatcherTest, StyleOnAPlotWithoutGraphsStillRepaints)
{
    Plot& p = makeWindow();
    EXPECT_TRUE(repaints(p, CMD_LINE_WIDTH_10));
    EXPECT_EQ(p.numGraphs(), 0);
    EXPECT_TRUE(checked(p, CMD_LINE_WIDTH_1));  // the graph default
}

TEST_F(CommandDispatcherTest, DiverseItemsAreNoCommands)
{
    Plot& p = makeWindow(2);
    p.setLineWidth(3, 2);
    for (uint16_t item : {CMD_POINTS_DIVERSE, CMD_MARKER_DIVERSE, CMD_LINE_WIDTH_DIVERSE, CMD_MARKER_SIZE_DIVERSE,
        CMD_LINES_DRAW_RATE_DIVERSE, CMD_POINTS_DRAW_RATE_DIVERSE, CMD_MARKER_DRAW_RATE_DIVERSE,
        CMD_GRAPH_TYPE_DIVERSE}) {
        const int before = native(p).presents;
        EXPECT_FALSE(dispatchCommand(p, item)) << item;
        EXPECT_EQ(native(p).presents, before) << item;
    }
    EXPECT_EQ(p.graph(2).lineWidth(), 3);
}

TEST_F(CommandDispatcherTest, ZoomAndReadModesMoveTheCheckMarkWithoutRepaint)
{
    const std::vector<Item> zoom{{CMD_ZOOM_MODE_XY, 301}, {CMD_ZOOM_MODE_X, 302}, {CMD_ZOOM_MODE_Y, 303},
        {CMD_ZOOM_MODE_X_AUTORANGE_Y, 304}, {CMD_ZOOM_MODE_Y_AUTORANGE_X, 305}, {CMD_ZOOM_MODE_X_KEEP_RATIO, 306}};
    const std::vector<Item> read{{CMD_READ_MODE_XYY, 601}, {CMD_READ_MODE_XYXY, 602}, {CMD_READ_MODE_XYAYA, 604},
        {CMD_READ_MODE_XYAXYA, 603}, {CMD_READ_MODE_YY, 605}};
    Plot& p = makeWindow();
    for (const auto& [items, value] : {std::pair{&zoom, &Plot::zoomMode}, std::pair{&read, &Plot::readMode}}) {
        for (const Item& item : *items) {
            EXPECT_FALSE(repaints(p, item.command)) << item.command;
            EXPECT_EQ((p.*value)(), item.value) << item.command;
            for (const Item& other : *items) {
                EXPECT_EQ(checked(p, other.command), other.command == item.command) << item.command;
            }
        }
    }
}

TEST_F(CommandDispatcherTest, ViewCommandsRepaintExceptStore)
{
    Plot& p = makeWindow(1);
    p.graph(1).append(0, 0);
    p.graph(1).append(10, 5);
    for (uint16_t item : {CMD_RANGE_LAST, CMD_RANGE_ORIGINAL_XY, CMD_RANGE_ORIGINAL_X, CMD_RANGE_ORIGINAL_Y,
        CMD_RANGE_RESTORE, CMD_AUTO_RANGE_XY, CMD_AUTO_RANGE_X, CMD_AUTO_RANGE_Y, CMD_AXES_EQUAL, CMD_REDRAW_ALL,
        CMD_MOVE_LEFT, CMD_MOVE_RIGHT, CMD_MOVE_UP, CMD_MOVE_DOWN, CMD_MOVE_RANGE_LEFT, CMD_MOVE_RANGE_RIGHT,
        CMD_MOVE_RANGE_UP,
                          CMD_MOVE_RANGE_DOWN, CMD_MOVE_SUBTICK_LEFT, CMD_MOVE_SUBTICK_RIGHT, CMD_MOVE_SUBTICK_UP,
                              CMD_MOVE_SUBTICK_DOWN, CMD_MOVE_IN, CMD_MOVE_OUT}) {
        EXPECT_TRUE(repaints(p, item)) << item;
    }
    EXPECT_FALSE(repaints(p, CMD_RANGE_STORE));
}

TEST_F(CommandDispatcherTest, RestoreAfterAZoomBringsBackTheStoredRange)
{
    Plot& p = makeWindow();
    p.axes().setRange(0, 10, 0, 10, true);
    command(p, CMD_RANGE_STORE);
    command(p, CMD_MOVE_IN);
    EXPECT_NE(p.axes().x().current().max, 10);
    command(p, CMD_RANGE_RESTORE);
    EXPECT_EQ(p.axes().x().current().max, 10);
    command(p, CMD_AXES_EQUAL);
    EXPECT_TRUE(checked(p, CMD_AXES_EQUAL));
}

TEST_F(CommandDispatcherTest, FrameAndGridPaintOverThePictureWithoutErasing)
{
    Plot& p = makeWindow();
    command(p, CMD_REDRAW_ALL);
    auto& w = native(p);
    w.recording.clear();
    p.setZoomMode(ZOOM_Y);  // a menu change that only a full paint shows
    EXPECT_TRUE(repaints(p, CMD_REDRAW_FRAME_GRID));
    EXPECT_TRUE(w.recording.only("fillRect").empty());
    EXPECT_FALSE(w.recording.only("lineTo").empty());
    EXPECT_FALSE(checked(p, CMD_ZOOM_MODE_Y));

    w.recording.clear();
    p.settings().busy = 1;
    EXPECT_FALSE(repaints(p, CMD_REDRAW_FRAME_GRID));
    EXPECT_TRUE(w.recording.calls.empty());
    p.settings().busy = 0;
}

TEST_F(CommandDispatcherTest, CommandsThatNeedGraphsWarnOnAnEmptyPlot)
{
    Plot& p = makeWindow();
    for (uint16_t item : {CMD_EDIT_GRAPHS, CMD_STATISTICS, CMD_DISTRIBUTION}) {
        desktop_.boxes.clear();
        EXPECT_FALSE(repaints(p, item)) << item;
        ASSERT_EQ(desktop_.boxes.size(), 1u) << item;
        const MessageBoxRequest& box = desktop_.boxes[0];
        EXPECT_EQ(box.text, "No Graphs available!");
        EXPECT_EQ(box.caption, "Kurvex");
        EXPECT_EQ(box.icon, BoxIcon::Exclamation);
        EXPECT_EQ(box.buttons, BoxButtons::Ok);
        EXPECT_EQ(box.owner, p.nativeWindow());
        EXPECT_TRUE(box.foreground);
    }
    // "Handle ..." has no such check.
    desktop_.boxes.clear();
    command(p, CMD_HANDLE_GRAPHS);
    EXPECT_TRUE(desktop_.boxes.empty());

    p.addGraph();
    for (uint16_t item : {CMD_EDIT_GRAPHS, CMD_STATISTICS, CMD_DISTRIBUTION}) {
        command(p, item);
    }
    EXPECT_TRUE(desktop_.boxes.empty());
}

TEST_F(CommandDispatcherTest, NewIsGreyedAndRefusedWhileNewIsNotAllowed)
{
    Plot& p = makeWindow();
    p.settings().newAllowed = 0;
    command(p, CMD_REDRAW_ALL);
    EXPECT_EQ(native(p).itemStates.at(CMD_NEW), ItemState::Grayed);
    command(p, CMD_NEW);
    EXPECT_EQ(sessionList().count(), 1);

    p.settings().newAllowed = 1;
    command(p, CMD_NEW);
    ASSERT_EQ(sessionList().count(), 2);
    Plot& fresh = static_cast<Plot&>(*sessionList().windowOf(sessionList().numberAt(1)));
    EXPECT_TRUE(fresh.created());
    EXPECT_EQ(fresh.windowTitle(), "Kurvex");
}

TEST_F(CommandDispatcherTest, CloneCopiesTheGraphsAndCloseDestroysTheWindow)
{
    Plot& p = makeWindow(2);
    p.graph(2).append(1, 2);
    p.setTitle("Data");
    command(p, CMD_CLONE);
    ASSERT_EQ(sessionList().count(), 2);
    Plot& clone = static_cast<Plot&>(*sessionList().windowOf(sessionList().numberAt(1)));
    EXPECT_EQ(clone.numGraphs(), 2);
    EXPECT_EQ(clone.graph(2).numPoints(), 1);
    EXPECT_EQ(clone.windowTitle(), "Data");

    command(clone, CMD_CLOSE);
    EXPECT_FALSE(clone.created());
    EXPECT_EQ(sessionList().count(), 1);
}

TEST_F(CommandDispatcherTest, AutoScreenPositionPlacesTheWindowInItsCell)
{
    Plot& p = makeWindow();
    command(p, CMD_SCREEN_2V2H_UP_RIGHT);
    EXPECT_EQ(native(p).rect.x, 513);
    EXPECT_EQ(native(p).rect.y, 1);
    EXPECT_EQ(native(p).rect.width, 512);
    EXPECT_EQ(native(p).rect.height, 384);
    command(p, CMD_SCREEN_3V2H_DOWN_LEFT);
    EXPECT_EQ(native(p).rect.x, 1);
    EXPECT_EQ(native(p).rect.y, 2 * (769 / 3) + 1);
}

TEST_F(CommandDispatcherTest, CopyAllTwiceThenPasteAllIntoAnEmptyPlot)
{
    Plot& source = makeWindow(2);
    source.graph(1).setLable("first");
    source.graph(2).append(3, 4);
    source.setColorNum(9, 2);
    EXPECT_FALSE(repaints(source, CMD_COPY_ALL));
    command(source, CMD_COPY_ALL);
    EXPECT_EQ(GraphClipboard::instance().count(), 4);
    EXPECT_EQ(source.numGraphs(), 2);

    Plot& target = makeWindow();
    EXPECT_TRUE(repaints(target, CMD_PASTE_ALL));
    ASSERT_EQ(target.numGraphs(), 4);
    EXPECT_EQ(target.graph(3).lable(), "first");
    EXPECT_EQ(target.graph(4).colorNum(), 9);
    EXPECT_EQ(target.graph(4).numPoints(), 1);
    EXPECT_EQ(GraphClipboard::instance().count(), 4);  // the clipboard keeps its graphs

    EXPECT_FALSE(repaints(target, CMD_EMPTY_CLIPBOARD));
    EXPECT_EQ(GraphClipboard::instance().count(), 0);
    EXPECT_TRUE(repaints(target, CMD_PASTE_ALL));  // also with nothing to paste
    EXPECT_EQ(target.numGraphs(), 4);
}

TEST_F(CommandDispatcherTest, PlotInfoCountsThePointsOfAllGraphs)
{
    Plot& p = makeWindow(2);
    for (int i = 0; i < 100; ++i) p.graph(1).append(i, i);
    for (int i = 0; i < 250; ++i) p.graph(2).append(i, i);
    EXPECT_FALSE(repaints(p, CMD_PLOT_INFO));
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    const MessageBoxRequest& box = desktop_.boxes[0];
    EXPECT_EQ(box.text, "Contains 350 points in 2 graph(s) .");
    EXPECT_EQ(box.caption, "Kurvex");
    EXPECT_EQ(box.icon, BoxIcon::Information);
    EXPECT_EQ(box.buttons, BoxButtons::Ok);
    EXPECT_EQ(box.owner, p.nativeWindow());
    EXPECT_TRUE(box.foreground);

    Plot& empty = makeWindow();
    command(empty, CMD_PLOT_INFO);
    EXPECT_EQ(desktop_.boxes.back().text, "Contains 0 points in 0 graph(s) .");
}

TEST_F(CommandDispatcherTest, BreakAsksTheRunningLoopToStop)
{
    Plot& p = makeWindow();
    EXPECT_FALSE(repaints(p, CMD_BREAK));
    EXPECT_EQ(runState(), RUN_BREAK);
}

TEST_F(CommandDispatcherTest, AboutShowsTheProgramIconBitmapAndVersion)
{
    Plot& p = makeWindow();
    EXPECT_FALSE(repaints(p, CMD_ABOUT));
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    const MessageBoxRequest& box = desktop_.boxes[0];
    EXPECT_EQ(box.caption, "About Kurvex");
    EXPECT_EQ(box.text, "2D data plotting environment, version 1.0");
    EXPECT_EQ(box.icon, BoxIcon::Program);
    EXPECT_EQ(box.picture, BoxPicture::KurvexBitmap);
    EXPECT_EQ(box.buttons, BoxButtons::Ok);
    EXPECT_EQ(box.owner, p.nativeWindow());
}

TEST_F(CommandDispatcherTest, ReloadingTheSettingsChangesOnlyLaterPlots)
{
    test::TempDir work;
    desktop_.workingDir = work.path();
    test::writeFile(work.file("Kurvex.ini"), "[AxesSystems]\nshowGrid= HIDE\n[Graphs]\nlineWidth= 5\n");
    Plot& p = makeWindow(1);
    EXPECT_FALSE(repaints(p, CMD_RELOAD_SETTINGS));
    EXPECT_EQ(plotDefaults().showGrid, HIDE);
    EXPECT_EQ(graphDefaults().lineWidth, 5);
    EXPECT_EQ(p.showGrid(), SHOW);
    EXPECT_EQ(p.graph(1).lineWidth(), 1);

    Plot& later = makeWindow(1);
    EXPECT_EQ(later.showGrid(), HIDE);
    EXPECT_EQ(later.graph(1).lineWidth(), 5);
}

TEST_F(CommandDispatcherTest, DialogItemsOpenTheirDialogsOverTheWindowAndRepaintWhenTheyClose)
{
    const std::vector<std::pair<uint16_t, std::string>> items{
        {CMD_COLOR_SET, "ColorSetBox"},      {CMD_EDIT_GRAPHS, "EditGraphsBox"}, {CMD_HANDLE_GRAPHS,
            "HandleGraphsBox"}, {CMD_RANGE_SET, "RangeAndTicksBox"},
        {CMD_EDIT_LABLES, "LablesBox"},        {CMD_STATISTICS, "StatisticsBox"}, {CMD_DISTRIBUTION,
            "DistributionBox"}};
    Plot& p = makeWindow(1);
    for (const auto& [item, state] : native(p).itemStates) {
        EXPECT_NE(state, ItemState::Grayed) << item;
    }
    for (const auto& [item, name] : items) {
        EXPECT_TRUE(repaints(p, item)) << name;
        ASSERT_FALSE(desktop_.dialogRuns.empty());
        EXPECT_EQ(desktop_.dialogRuns.back().name, name);
        EXPECT_EQ(desktop_.dialogRuns.back().owner, p.nativeWindow()) << name;
    }
    EXPECT_TRUE(desktop_.boxes.empty());

    // What the user types reaches the plot.
    desktop_.dialogScripts.push_back([](test::RecordingDialogControls& box, DialogHandler& logic) {
        box.type(IDC_X_MIN, "-2");
        box.type(IDC_X_MAX, "8");
        box.press(logic, IDOK);
    });
    command(p, CMD_RANGE_SET);
    EXPECT_EQ(p.axes().x().current().min, -2.0);
    EXPECT_EQ(p.axes().x().current().max, 8.0);

    // The dialogs on graphs refuse a plot without any.
    Plot& empty = makeWindow(0);
    desktop_.dialogRuns.clear();
    for (const uint16_t item : {CMD_EDIT_GRAPHS, CMD_STATISTICS, CMD_DISTRIBUTION}) {
        desktop_.boxes.clear();
        command(empty, item);
        ASSERT_EQ(desktop_.boxes.size(), 1u) << item;
        EXPECT_EQ(desktop_.boxes[0].text, "No Graphs available!");
    }
    EXPECT_TRUE(desktop_.dialogRuns.empty());
}

TEST_F(CommandDispatcherTest, OnlyTheLowSixteenBitsNameTheCommand)
{
    Plot& p = makeWindow();
    p.handleMessage(MSG_COMMAND, (uintptr_t{1} << 16) | CMD_GRID_X_AXIS, 0);
    EXPECT_EQ(p.showGrid(), SHOW_XAXIS);
    EXPECT_FALSE(dispatchCommand(p, 999));
}

TEST_F(CommandDispatcherTest, EveryOperationWorksAtTheGraphLimit)
{
    // One line of 32768 columns read as XYY: exactly the most graphs a plot
    // holds. Opening it ranges and paints it.
    test::TempDir dir;
    std::string line = "0";
    for (int i = 1; i <= Plot::maxGraphs; ++i) {
        line += ' ' + std::to_string(i);
    }
    test::writeFile(dir.file("wide.dat"), line + "\n");
    Plot& p = makeWindow();
    ASSERT_TRUE(openByPath(p, dir.file("wide.dat"), FILE_OPEN));
    ASSERT_EQ(p.numGraphs(), Plot::maxGraphs);
    EXPECT_TRUE(desktop_.boxes.empty());
    EXPECT_GT(p.axes().y().current().max, Plot::maxGraphs);

    // No room for more: a warning, and the graphs stay.
    openByPath(p, dir.file("wide.dat"), FILE_ADD);
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(p.numGraphs(), Plot::maxGraphs);

    command(p, CMD_PLOT_INFO);
    EXPECT_EQ(desktop_.boxes.back().text, "Contains 32767 points in 32767 graph(s) .");
    command(p, CMD_COPY_ALL);
    Plot& q = makeWindow();
    EXPECT_TRUE(repaints(q, CMD_PASTE_ALL));
    EXPECT_EQ(q.numGraphs(), Plot::maxGraphs);
    EXPECT_EQ(q.graph(Plot::maxGraphs).yData()[0], Plot::maxGraphs);

    ASSERT_TRUE(writeData(p, dir.file("back.dat")));
    Plot& back = makeWindow();
    ASSERT_TRUE(openByPath(back, dir.file("back.dat"), FILE_OPEN));
    EXPECT_EQ(back.numGraphs(), Plot::maxGraphs);
}

// The built-in menu against the dispatcher: every item is a command that the
// window carries out, except the "Diverse" items, which only show that the
// graphs differ. Each command stands once; "Exit" also ends the session list.
TEST_F(CommandDispatcherTest, EveryMenuItemIsACommandOfTheWindowAndStandsOnce)
{
    std::map<uint16_t, std::vector<std::string>> items;
    std::vector<const MenuEntry*> popups;
    for (const MenuEntry& m : kvxMenu().menus) popups.push_back(&m);
    while (!popups.empty()) {
        const MenuEntry& popup = *popups.back();
        popups.pop_back();
        for (const MenuEntry& e : popup.children) {
            if (!e.children.empty()) popups.push_back(&e);
            if (e.children.empty() && !e.separator) items[static_cast<uint16_t>(e.command)].push_back(e.text);
        }
    }
    ASSERT_GT(items.size(), 150u);
    for (const auto& [command, texts] : items) {
        const std::size_t expected = command == CMD_EXIT_SESSION ? 2 : 1;
        EXPECT_EQ(texts.size(), expected) << "command " << command << " on " << texts.size() << " items";
        EXPECT_EQ(dispatchCommand(makeWindow(1), command), texts.front() != "Diverse")
            << "command " << command << ", item \"" << texts.front() << '"';
    }
}

}  // namespace
}  // namespace kvx
