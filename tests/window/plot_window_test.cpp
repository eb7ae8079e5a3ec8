#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/commands.h"
#include "app/run_state.h"
#include "app/session_list.h"
#include "app/window_keeper.h"
#include "model/plot_busy.h"
#include "platform/window_messages.h"
#include "render/graph_drawer.h"
#include "render/plot_painter.h"
#include "model/app_context.h"
#include "settings/keywords.h"
#include "support/recording_desktop.h"
#include "support/recording_native_window.h"
#include "support/recording_surface.h"
#include "support/temp_dir.h"
#include "window/command_dispatcher.h"
#include "window/file_commands.h"
#include "window/plot.h"
#include "window/window_drawing.h"

namespace kvx {
namespace {

class PlotWindowTest : public testing::Test {
protected:
    PlotWindowTest() { setRunState(RUN_RUNNING); }
    ~PlotWindowTest() override { setRunState(RUN_RUNNING); }

    Plot& makeWindow(const char* title = "Kurvex")
    {
        plots_.push_back(std::make_unique<Plot>(title));
        plots_.back()->createWindow();
        return *plots_.back();
    }
    static test::RecordingNativeWindow& native(Plot& p)
    {
        return static_cast<test::RecordingNativeWindow&>(*p.nativeWindow());
    }
    static void send(Plot& p, uint32_t message, uintptr_t w = 0, intptr_t l = 0)
    {
        p.handleMessage(message, w, l);
    }
    static void key(Plot& p, uintptr_t vk) { send(p, MSG_KEY_DOWN, vk); }
    static intptr_t at(int x, int y) { return packPoint(x, y); }
    // A world point's pixel in the plot's last layout.
    static intptr_t worldAt(Plot& p, double x, double y)
    {
        const auto& s = p.view();
        return packPoint(static_cast<int>(x * s.x.scale + s.x.offset), static_cast<int>(s.y.offset - y * s.y.scale));
    }

    test::RecordingDesktop desktop_;
    AppContext context_{desktop_};
    std::vector<std::unique_ptr<Plot>> plots_;
};

TEST_F(PlotWindowTest, FirstWindowIsCascadedCaptionedAndShown)
{
    Plot& p = makeWindow();
    auto& w = native(p);
    EXPECT_EQ(w.rect.x, 80);
    EXPECT_EQ(w.rect.y, 80);
    EXPECT_EQ(w.rect.width, 640);
    EXPECT_EQ(w.rect.height, 520);
    EXPECT_EQ(w.caption, "#" + std::to_string(p.plotNumber()) + ": Kurvex");
    EXPECT_TRUE(w.shown);
    EXPECT_TRUE(w.menu);
    EXPECT_TRUE(w.statusLine);
    EXPECT_EQ(w.statusEdges.size(), 2u);
    EXPECT_EQ(windowPlacement().xWinPos, 80);
    EXPECT_EQ(p.clientWidth(), 640);
    // The range history all starts at the shown range.
    EXPECT_EQ(p.axes().lastRange(), p.axes().currentRange());
    EXPECT_EQ(p.axes().storedRange(), p.axes().currentRange());
}

TEST_F(PlotWindowTest, HiddenUserInterfaceHasNoMenuOrStatusLineAndIgnoresTheMouse)
{
    plotDefaults().userInterface = HIDE;
    Plot& p = makeWindow();
    auto& w = native(p);
    EXPECT_FALSE(w.menu);
    EXPECT_FALSE(w.statusLine);
    const RangeSet before = p.axes().currentRange();
    send(p, MSG_LEFT_DOWN, 0, at(100, 100));
    send(p, MSG_POINTER_MOVE, 0, at(300, 300));
    send(p, MSG_LEFT_UP, 0, at(300, 300));
    send(p, MSG_WHEEL, packWheelDelta(-120), at(200, 200));
    send(p, MSG_RIGHT_DOWN, 0, at(200, 200));
    EXPECT_EQ(p.axes().currentRange(), before);
    key(p, VK_PAGE_DOWN);  // keys still work
    EXPECT_NE(p.axes().currentRange(), before);
}

TEST_F(PlotWindowTest, NewAndCloneOpenOneCascadeStepBeyondTheirWindow)
{
    Plot& p = makeWindow("Data");
    p.ensureGraphs(3);
    p.setPosition(300, 200);
    p.setSize(700, 400);
    Plot& fresh = p.newPlot();
    EXPECT_EQ(native(fresh).rect.x, 320);
    EXPECT_EQ(native(fresh).rect.y, 220);
    EXPECT_EQ(native(fresh).caption, "#" + std::to_string(fresh.plotNumber()) + ": Kurvex");
    EXPECT_EQ(fresh.plotNumber(), sessionList().lastNumber());

    Plot& clone = p.clonePlot();
    EXPECT_EQ(native(clone).rect.x, 320);
    EXPECT_EQ(native(clone).rect.width, 700);
    EXPECT_EQ(sessionList().windowOf(clone.plotNumber()), &clone);
    EXPECT_EQ(clone.numGraphs(), 3);
    EXPECT_EQ(native(clone).caption, "#" + std::to_string(clone.plotNumber()) + ": Data");
    EXPECT_EQ(sessionList().count(), 3);
}

TEST_F(PlotWindowTest, ClosingTheLastWindowEndsTheProgram)
{
    Plot& a = makeWindow();
    Plot& b = a.newPlot();
    send(b, MSG_CLOSE);
    EXPECT_FALSE(b.created());
    EXPECT_EQ(sessionList().count(), 1);
    EXPECT_FALSE(desktop_.quitCode.has_value());
    desktop_.runTasks();  // the closed window's object is released
    EXPECT_FALSE(isKept(&b));
    send(a, MSG_CLOSE);
    EXPECT_EQ(sessionList().count(), 0);
    EXPECT_EQ(desktop_.quitCode, 0);
    EXPECT_EQ(runState(), RUN_QUIT);
}

TEST_F(PlotWindowTest, MessagesBetweenTheBlocksOfAFileLeaveTheReadAlone)
{
    test::TempDir dir;
    const std::string blocks = dir.file("blocks.dat");
    const std::string other = dir.file("other.dat");
    test::writeFile(blocks, "1\n2\nNEW\n3\n4\nNEW\n5\n6\nNEW\n7\n8\n");
    test::writeFile(other, "0 0\n1 1\n");
    Plot& a = makeWindow();
    Plot& b = a.newPlot();
    b.setReadMode(YY);
    const RangeSet before = b.axes().currentRange();
    DroppedFiles drop;
    drop.paths = {other};
    desktop_.waitingMessages = {
        [&] { sendCommand(b, CMD_CLOSE); },
        [&] { send(b, MSG_FILES_DROPPED, reinterpret_cast<uintptr_t>(&drop)); },
        [&] {
            key(b, VK_PAGE_DOWN);
            send(b, MSG_WHEEL, packWheelDelta(-120), at(200, 200));
            sendCommand(b, CMD_MOVE_LEFT);
            EXPECT_EQ(b.axes().currentRange(), before);
            send(b, MSG_CLOSE);
            a.closeOthers();
            EXPECT_TRUE(b.created());
        },
    };
    EXPECT_TRUE(openByPath(b, blocks, FILE_OPEN));
    EXPECT_TRUE(desktop_.waitingMessages.empty());
    // Every block read, none of the dropped file's graphs, and the window
    // still there until the read's message is done.
    ASSERT_EQ(b.numGraphs(), 4);
    EXPECT_EQ(b.graph(4).yData()[1], 8.0);
    EXPECT_TRUE(b.created());
    EXPECT_FALSE(b.isBusy());
    desktop_.runTasks();
    EXPECT_FALSE(isKept(&b));  // closed, and its object released
    EXPECT_EQ(sessionList().count(), 1);

    // Once the read is over, the same input is carried out again.
    a.setReadMode(XYY);
    send(a, MSG_FILES_DROPPED, reinterpret_cast<uintptr_t>(&drop));
    EXPECT_EQ(a.numGraphs(), 1);
}

TEST_F(PlotWindowTest, CloseOthersLeavesOnlyThisWindow)
{
    Plot& a = makeWindow();
    Plot& b = a.newPlot();
    b.newPlot();
    b.closeOthers();
    EXPECT_EQ(sessionList().count(), 1);
    EXPECT_EQ(sessionList().numberAt(0), b.plotNumber());
    EXPECT_FALSE(desktop_.quitCode.has_value());
}

TEST_F(PlotWindowTest, ExitSessionAsksOnlyWithSeveralWindows)
{
    Plot& a = makeWindow();
    Plot& b = a.newPlot();
    desktop_.answers.push_back(BoxResult::No);
    send(b, MSG_COMMAND, CMD_EXIT_SESSION);
    ASSERT_EQ(desktop_.boxes.size(), 1u);
    EXPECT_EQ(desktop_.boxes[0].text, "Really want to close the Session windows ?");
    EXPECT_EQ(desktop_.boxes[0].caption, "Kurvex");
    EXPECT_EQ(desktop_.boxes[0].icon, BoxIcon::Question);
    EXPECT_EQ(desktop_.boxes[0].buttons, BoxButtons::YesNo);
    EXPECT_EQ(sessionList().count(), 2);
    send(b, MSG_CLOSE);
    send(a, MSG_SYSTEM_COMMAND, CMD_EXIT_SESSION);
    EXPECT_EQ(desktop_.boxes.size(), 1u);  // one window: no question
    EXPECT_EQ(desktop_.quitCode, 0);
}

TEST_F(PlotWindowTest, KeysSendTheirCommandsControlBeforeShift)
{
    Plot& p = makeWindow();
    p.axes().setRange(0, 10, 0, 10, true);
    p.axes().setTicks({{2, 1}, {2, 1}});
    key(p, VK_LEFT);
    EXPECT_EQ(p.axes().x().current().min, -2);
    desktop_.shift = true;
    key(p, VK_LEFT);
    EXPECT_EQ(p.axes().x().current().min, -3);
    desktop_.control = true;  // control wins
    key(p, VK_LEFT);
    EXPECT_EQ(p.axes().x().current().min, -13);
    desktop_.control = desktop_.shift = false;
    key(p, VK_HOME);  // "Original": the range when the window was made
    EXPECT_EQ(p.axes().x().current().min, -1000);
    key(p, VK_INSERT);  // store
    key(p, VK_PAGE_UP);
    EXPECT_NEAR(p.axes().x().current().max, 1000 / 1.5, 1e-9);
    key(p, VK_DELETE);  // restore
    EXPECT_EQ(p.axes().x().current().max, 1000);
    const int presents = native(p).presents;
    key(p, 'A');
    EXPECT_EQ(native(p).presents, presents);
}

TEST_F(PlotWindowTest, BandZoomsOnReleaseAndClickWithoutMoveDoesNothing)
{
    Plot& p = makeWindow();
    p.axes().setRange(0, 10, 0, 10, false);
    send(p, MSG_PAINT);
    const RangeSet last = p.axes().lastRange();
    send(p, MSG_LEFT_DOWN, 0, worldAt(p, 2, 8));
    EXPECT_TRUE(native(p).captured);
    send(p, MSG_LEFT_UP, 0, worldAt(p, 2, 8));
    EXPECT_FALSE(native(p).captured);
    EXPECT_EQ(p.axes().x().current().max, 10);
    EXPECT_EQ(p.axes().lastRange(), last);

    send(p, MSG_LEFT_DOWN, 0, worldAt(p, 2, 8));
    send(p, MSG_POINTER_MOVE, 0, worldAt(p, 6, 4));
    EXPECT_EQ(native(p).statusTexts.count(2), 0u);  // distance parts not shown without measuring
    send(p, MSG_LEFT_UP, 0, worldAt(p, 6, 4));
    const RangeSet r = p.axes().currentRange();
    EXPECT_NEAR(r.x.min, 2, 0.05);
    EXPECT_NEAR(r.x.max, 6, 0.05);
    EXPECT_NEAR(r.y.min, 4, 0.05);
    EXPECT_NEAR(r.y.max, 8, 0.05);
    EXPECT_EQ(p.axes().x().last().max, 10);
}

TEST_F(PlotWindowTest, MeasuringLineFollowsThePointerUntilTheNextClick)
{
    Plot& p = makeWindow();
    p.axes().setRange(0, 10, 0, 10, false);
    send(p, MSG_PAINT);
    const RangeSet before = p.axes().currentRange();
    desktop_.control = true;
    send(p, MSG_LEFT_DOWN, 0, worldAt(p, 2, 2));
    desktop_.control = false;
    EXPECT_TRUE(p.settings().measureMode);
    EXPECT_EQ(native(p).statusEdges.size(), 5u);
    send(p, MSG_LEFT_UP, 0, worldAt(p, 2, 2));  // ignored while measuring
    send(p, MSG_POINTER_MOVE, 0, worldAt(p, 2, 6));
    EXPECT_EQ(native(p).statusTexts[4], " m:  Infinity");
    send(p, MSG_RIGHT_DOWN, 0, worldAt(p, 2, 6));  // ignored
    send(p, MSG_WHEEL, packWheelDelta(120), worldAt(p, 2, 6));  // ignored
    EXPECT_EQ(p.axes().currentRange(), before);
    send(p, MSG_LEFT_DOWN, 0, worldAt(p, 2, 6));
    EXPECT_FALSE(p.settings().measureMode);
    EXPECT_FALSE(native(p).captured);
    EXPECT_EQ(native(p).statusEdges.size(), 2u);
    EXPECT_EQ(p.axes().currentRange(), before);
}

TEST_F(PlotWindowTest, WheelZoomsAboutTheCentreOrThePointer)
{
    Plot& p = makeWindow();
    p.axes().setRange(0, 12, 0, 12, false);
    send(p, MSG_PAINT);
    const auto& client = native(p).client;
    send(p, MSG_WHEEL, packWheelDelta(120), packPoint(client.x + 10, client.y + 10));
    EXPECT_NEAR(p.axes().x().current().min, 6 - 6 / 1.5, 1e-9);
    EXPECT_NEAR(p.axes().x().current().max, 6 + 6 / 1.5, 1e-9);
    send(p, MSG_PAINT);
    desktop_.control = true;
    const intptr_t pointer = worldAt(p, 5, 5);
    send(p, MSG_WHEEL, packWheelDelta(-120),
         packPoint(lowWord(pointer) + client.x, highWord(pointer) + client.y));
    const RangeSet r = p.axes().currentRange();
    EXPECT_NEAR((r.x.min + r.x.max) / 2, 5, 0.05);
    EXPECT_NEAR(r.x.max - r.x.min, 8 * 1.5, 1e-9);
}

TEST_F(PlotWindowTest, QueuedWheelStepsAndKeysPaintOnceAndEndWhereSingleStepsEnd)
{
    // The same input on two windows: handled one by one with its picture
    // painted each time, and handled as a burst that paints once.
    Plot& single = makeWindow();
    Plot& burst = makeWindow();
    const auto input = [this](Plot& p, bool paintEach) {
        const auto& client = native(p).client;
        const auto wheelAt = [&](double x, double y, int delta) {
            const intptr_t pixel = worldAt(p, x, y);
            send(p, MSG_WHEEL, packWheelDelta(delta), packPoint(lowWord(pixel) + client.x, highWord(pixel) + client.y));
            if (paintEach) {
                desktop_.runTasks();
            }
        };
        desktop_.control = true;  // about the pointer, which the scale of the step before places
        wheelAt(3, 4, 120);
        wheelAt(5, 1, 120);
        wheelAt(2, 2, -120);
        desktop_.control = false;
        key(p, VK_LEFT);
        if (paintEach) {
            desktop_.runTasks();
        }
        key(p, VK_PAGE_UP);
    };
    for (Plot* p : {&single, &burst}) {
        p->addGraph();
        p->graph(1).append(0, 2);
        p->graph(1).append(10, 4);
        p->axes().setRange(0, 12, 0, 12, false);
        send(*p, MSG_PAINT);
    }
    input(single, true);
    const int presents = native(burst).presents;
    input(burst, false);
    EXPECT_EQ(native(burst).presents, presents);
    desktop_.runTasks();
    desktop_.runTasks();
    EXPECT_EQ(native(burst).presents, presents + 1);
    EXPECT_EQ(burst.axes().currentRange(), single.axes().currentRange());
    EXPECT_EQ(burst.view().x.scale, single.view().x.scale);
    EXPECT_EQ(burst.view().y.offset, single.view().y.offset);

    // A window closed before its burst is painted is left alone.
    key(burst, VK_PAGE_DOWN);
    send(burst, MSG_CLOSE);
    desktop_.runTasks();
    EXPECT_FALSE(burst.created());
}

TEST_F(PlotWindowTest, AWindowBeyondTheSessionListRepaintsAndClosesLikeTheOthers)
{
    while (sessionList().count() < SessionList::maxWindows) {
        makeWindow();
    }
    Plot& extra = makeWindow();
    ASSERT_EQ(extra.plotNumber(), -1);
    extra.addGraph();
    extra.graph(1).append(0, 2);
    extra.graph(1).append(10, 4);
    send(extra, MSG_PAINT);
    const auto range = extra.axes().currentRange();
    const int presents = native(extra).presents;
    key(extra, VK_LEFT);
    desktop_.runTasks();
    EXPECT_FALSE(extra.axes().currentRange() == range);
    EXPECT_EQ(native(extra).presents, presents + 1);

    // A close asked for while busy closes once the work is done.
    {
        PlotBusy busy(extra);
        send(extra, MSG_CLOSE);
        EXPECT_TRUE(extra.created());
    }
    desktop_.runTasks();
    EXPECT_FALSE(extra.created());
}

TEST_F(PlotWindowTest, DoubleClickFitsAndRightClickZoomsOut)
{
    Plot& p = makeWindow();
    p.addGraph();
    p.graph(1).append(0, 2);
    p.graph(1).append(10, 4);
    send(p, MSG_LEFT_DOUBLE_CLICK, 0, at(50, 50));
    EXPECT_DOUBLE_EQ(p.axes().x().current().min, -0.25);
    EXPECT_DOUBLE_EQ(p.axes().y().current().max, 4.05);
    send(p, MSG_RIGHT_DOWN, 0, at(50, 50));
    EXPECT_NEAR(p.axes().x().current().max - p.axes().x().current().min, 10.5 * 1.5, 1e-9);
}

TEST_F(PlotWindowTest, PaintShowsThePointerReadoutAndIsSkippedWhileBusy)
{
    Plot& p = makeWindow();
    p.axes().setRange(0, 1, 0, 1, false);
    send(p, MSG_PAINT);
    send(p, MSG_POINTER_MOVE, 0, worldAt(p, 0.5, 0.5));
    EXPECT_EQ(native(p).statusTexts[0].rfind(" X:  0.5", 0), 0u);
    const int presents = native(p).presents;
    p.settings().busy = 1;
    send(p, MSG_PAINT);
    EXPECT_EQ(native(p).presents, presents);
    p.settings().busy = 0;
    send(p, MSG_PAINT);
    EXPECT_EQ(native(p).presents, presents + 1);
}

TEST_F(PlotWindowTest, TheRepaintOfAResizeBringsTheMenuUpToDate)
{
    Plot& p = makeWindow();
    p.setShowGrid(HIDE);  // as an edition changes it: the menu learns it at the next paint
    EXPECT_TRUE(native(p).checks.at(CMD_GRID_XY_AXES));
    send(p, MSG_SIZE);
    EXPECT_TRUE(native(p).checks.at(CMD_GRID_HIDE));
    EXPECT_FALSE(native(p).checks.at(CMD_GRID_XY_AXES));
}

TEST_F(PlotWindowTest, FocusStampsTheSessionList)
{
    Plot& a = makeWindow();
    Plot& b = a.newPlot();
    send(a, MSG_SET_FOCUS);
    send(b, MSG_SET_FOCUS);
    send(b, MSG_KILL_FOCUS);
    EXPECT_FALSE(b.hasFocus());
    EXPECT_EQ(sessionList().focusOrder(), "[2 1]");
}

TEST_F(PlotWindowTest, DroppedFilesAreOpenedThenAdded)
{
    test::TempDir dir;
    test::writeFile(dir.file("a.dat"), "1 2\n2 3\n");
    test::writeFile(dir.file("b.dat"), "1 5\n2 6\n");
    test::writeFile(dir.file("c.dat"), "1 7 8\n2 9 10\n");
    Plot& p = makeWindow();
    p.ensureGraphs(4);
    DroppedFiles drop{{dir.file("a.dat"), dir.file("b.dat"), dir.file("c.dat")}};
    send(p, MSG_FILES_DROPPED, reinterpret_cast<uintptr_t>(&drop));
    EXPECT_EQ(p.numGraphs(), 4);  // 1 + 1 + 2: the four old graphs went
    EXPECT_EQ(p.graph(4).yData()[1], 10);
    // "Home" goes back to the range of the opened file, not to -1000..1000;
    // the files added after it leave that alone.
    const RangeSet opened = p.axes().originalRange();
    EXPECT_LT(opened.y.max, 5);
    key(p, VK_PAGE_DOWN);
    key(p, VK_HOME);
    EXPECT_EQ(p.axes().currentRange(), opened);
    desktop_.control = true;
    send(p, MSG_FILES_DROPPED, reinterpret_cast<uintptr_t>(&drop));
    EXPECT_EQ(p.numGraphs(), 8);
}

TEST_F(PlotWindowTest, AFileThatCannotBeOpenedLeavesTheGraphsAsTheyWere)
{
    test::TempDir dir;
    Plot& p = makeWindow();
    p.ensureGraphs(2);
    p.graph(2).append(1, 2);
    EXPECT_FALSE(openByPath(p, dir.file("missing.dat"), FILE_OPEN));
    EXPECT_FALSE(openByPath(p, dir.path(), FILE_OPEN));
    EXPECT_EQ(p.numGraphs(), 2);
    // Adding to a plot whose only graph is empty keeps that graph too.
    p.removeAllGraphs();
    p.addGraph();
    EXPECT_FALSE(openByPath(p, dir.file("missing.dat"), FILE_ADD));
    EXPECT_EQ(p.numGraphs(), 1);
}

TEST(FilePaths, KindAndBaseFromTheFileName)
{
    EXPECT_EQ(fileKindOf("/w.plt/run.Plt"), FILE_PLOT);
    EXPECT_EQ(fileKindOf("s.SES"), FILE_SESSION);
    EXPECT_EQ(fileKindOf("/w.plt/run"), FILE_DATA);
    EXPECT_FALSE(splitPath("/data.b1/run").hasExtension());
    EXPECT_EQ(basePath("/data.b1/run"), "/data.b1/run.");
    EXPECT_EQ(basePath("/w/curve.txt"), "/w/curve.");
    EXPECT_FALSE(splitPath("results.").hasExtension());
    EXPECT_EQ(basePath("results."), "results..");
    const PathParts parts = splitPath("/home/me/X.PLT");
    EXPECT_EQ(parts.name, 9u);
    EXPECT_EQ(parts.extension, 11u);
}

TEST_F(PlotWindowTest, APictureOfAnotherSizeLeavesTheWindowsReadoutAndZoomAlone)
{
    // Two windows alike; between pointer move and band zoom, one of them is
    // also painted into a picture of another size, as an export does.
    auto gesture = [&](Plot& p, bool paintElsewhere) {
        p.axes().setRange(0, 10, 0, 10, false);
        send(p, MSG_PAINT);
        send(p, MSG_POINTER_MOVE, 0, at(200, 150));
        if (paintElsewhere) {
            test::RecordingSurface picture;
            PlotView view;
            view.width = 123;
            view.height = 77;
            PlotPainter(picture, p, view).paintPlot();
            EXPECT_EQ(view.plotRect.right, 123 - p.settings().activeIndents.right);
        }
        send(p, MSG_POINTER_MOVE, 0, at(210, 160));
        const std::string readout = native(p).statusTexts[0] + native(p).statusTexts[1];
        send(p, MSG_LEFT_DOWN, 0, at(210, 160));
        send(p, MSG_POINTER_MOVE, 0, at(400, 300));
        send(p, MSG_LEFT_UP, 0, at(400, 300));
        return std::make_pair(readout, p.axes().currentRange());
    };
    Plot& plain = makeWindow();
    Plot& painted = makeWindow();
    const auto expected = gesture(plain, false);
    const auto got = gesture(painted, true);
    EXPECT_EQ(got.first, expected.first);
    EXPECT_EQ(got.second, expected.second);
    EXPECT_EQ(painted.clientWidth(), 640);
    EXPECT_EQ(painted.view().width, 640);
}

TEST_F(PlotWindowTest, EachWindowShowsTheReadoutOfItsOwnPointer)
{
    Plot& a = makeWindow();
    Plot& b = makeWindow();
    send(a, MSG_PAINT);
    send(b, MSG_PAINT);
    send(b, MSG_POINTER_MOVE, 0, at(300, 200));
    const std::string own = native(b).statusTexts[0];
    send(a, MSG_POINTER_MOVE, 0, at(120, 90));
    EXPECT_NE(native(a).statusTexts[0], own);
    send(b, MSG_PAINT);  // shows b's pointer again, not a's
    EXPECT_EQ(native(b).statusTexts[0], own);
}

TEST_F(PlotWindowTest, APointDrawnOnTheWindowShowsAtOnce)
{
    Plot& p = makeWindow();
    p.ensureGraphs(1);
    send(p, MSG_PAINT);
    const int presents = native(p).presents;
    appendAndDrawPoint(p, &p.nativeWindow()->surface(), 1, 1, 1);
    EXPECT_EQ(native(p).presents, presents + 1);
}

}  // namespace
}  // namespace kvx
