#include <optional>
#include <string>

#include "app/commands.h"
#include "app/run_state.h"
#include "app/session_list.h"
#include "app/window_keeper.h"
#include "model/plot_busy.h"
#include "platform/desktop.h"
#include "platform/window_messages.h"
#include "render/plot_painter.h"
#include "scaling/zoom.h"
#include "settings/keywords.h"
#include "window/coalesced_repaint.h"
#include "window/command_dispatcher.h"
#include "window/file_commands.h"
#include "window/plot.h"
#include "window/plot_window_parts.h"
#include "window/window_drawing.h"
#include "window/window_gestures.h"

namespace kvx {

namespace {

// The command of a key: control is tested before shift.
uint16_t keyCommand(uintptr_t key, bool control, bool shift)
{
    switch (key) {
    case VK_PAGE_UP: return CMD_MOVE_IN;
    case VK_PAGE_DOWN: return CMD_MOVE_OUT;
    case VK_END: return CMD_RANGE_LAST;
    case VK_HOME: return CMD_RANGE_ORIGINAL_XY;
    case VK_LEFT: return control ? CMD_MOVE_RANGE_LEFT : shift ? CMD_MOVE_SUBTICK_LEFT : CMD_MOVE_LEFT;
    case VK_RIGHT: return control ? CMD_MOVE_RANGE_RIGHT : shift ? CMD_MOVE_SUBTICK_RIGHT : CMD_MOVE_RIGHT;
    case VK_UP: return control ? CMD_MOVE_RANGE_UP : shift ? CMD_MOVE_SUBTICK_UP : CMD_MOVE_UP;
    case VK_DOWN: return control ? CMD_MOVE_RANGE_DOWN : shift ? CMD_MOVE_SUBTICK_DOWN : CMD_MOVE_DOWN;
    case VK_INSERT: return control ? CMD_COPY_COLORED : CMD_RANGE_STORE;
    case VK_DELETE: return CMD_RANGE_RESTORE;
    default: return CMD_NONE;
    }
}

// Input that would change a plot while it reads, paints or resizes. A close
// is not among them: it waits for the end of the work.
bool changesPlot(uint32_t message, uintptr_t wParam)
{
    switch (message) {
    case MSG_COMMAND:
    case MSG_SYSTEM_COMMAND:
        switch (static_cast<uint16_t>(wParam & 0xFFFFu)) {
        case CMD_CLOSE:
        case CMD_EXIT_SESSION:
        case CMD_MINIMIZE_ALL:
        case CMD_MAXIMIZE_ALL:
        case CMD_SHOW_ALL:
        case CMD_BREAK:
        case CMD_ABOUT:
        case CMD_MOUSE_AND_KEYS:
            return false;
        default:
            return true;
        }
    case MSG_KEY_DOWN:
    case MSG_LEFT_DOWN:
    case MSG_LEFT_UP:
    case MSG_LEFT_DOUBLE_CLICK:
    case MSG_RIGHT_DOWN:
    case MSG_WHEEL:
    case MSG_FILES_DROPPED:
        return true;
    default:
        return false;
    }
}

bool isMouse(uint32_t message)
{
    switch (message) {
    case MSG_POINTER_MOVE:
    case MSG_LEFT_DOWN:
    case MSG_LEFT_UP:
    case MSG_LEFT_DOUBLE_CLICK:
    case MSG_RIGHT_DOWN:
    case MSG_WHEEL:
        return true;
    default:
        return false;
    }
}

// Input that users repeat faster than a large plot paints.
bool comesInBursts(uint32_t message)
{
    switch (message) {
    case MSG_KEY_DOWN:
    case MSG_WHEEL:
    case MSG_LEFT_UP:
    case MSG_LEFT_DOUBLE_CLICK:
    case MSG_RIGHT_DOWN:
        return true;
    default:
        return false;
    }
}

DevicePoint pointOf(intptr_t lParam)
{
    return DevicePoint{lowWord(lParam), highWord(lParam)};
}

}  // namespace

intptr_t Plot::handleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam)
{
    if (isBusy() && changesPlot(message, wParam)) {
        // A message arriving between the blocks of a file: the wait cursor
        // shows that the plot takes no input until the read is done.
        return 0;
    }
    if (settings().userInterface == HIDE && isMouse(message)) {
        return 0;  // without the user interface only keys and menus steer the plot
    }
    std::optional<CoalescedRepaint> burst;
    if (comesInBursts(message)) {
        burst.emplace(*this);
    }
    switch (message) {
    case MSG_DESTROY: onDestroy(); return 0;
    case MSG_MOVE:
    case MSG_SIZE: onMoveOrSize(message == MSG_MOVE); return 0;
    case MSG_SET_FOCUS:
        setHasFocus(true);
        sessionList().focused(plotNumber());
        return 0;
    case MSG_KILL_FOCUS: setHasFocus(false); return 0;
    case MSG_PAINT: onPaint(); return 0;
    case MSG_CLOSE: destroyWindow(); return 0;
    case MSG_ERASE_BACKGROUND: return 1;
    case MSG_KEY_DOWN: onKeyDown(wParam); return 0;
    case MSG_COMMAND: dispatchCommand(*this, static_cast<uint16_t>(wParam & 0xFFFFu)); return 0;
    case MSG_SYSTEM_COMMAND: {
        const auto command = static_cast<uint16_t>(wParam & 0xFFFFu);
        if (command >= CMD_EXIT_SESSION && command <= CMD_SHOW_ALL) {
            dispatchCommand(*this, command);
        }
        return 0;
    }
    case MSG_POINTER_MOVE: WindowGestures(*this).pointerMoved(pointOf(lParam)); return 0;
    case MSG_LEFT_DOWN: WindowGestures(*this).leftDown(pointOf(lParam)); return 0;
    case MSG_LEFT_UP: WindowGestures(*this).leftUp(pointOf(lParam)); return 0;
    case MSG_LEFT_DOUBLE_CLICK:
        if (!settings().measureMode) {
            sendCommand(*this, CMD_AUTO_RANGE_XY);
        }
        return 0;
    case MSG_RIGHT_DOWN:
        if (!settings().measureMode) {
            WindowGestures(*this).end();
            sendCommand(*this, CMD_MOVE_OUT);
        }
        return 0;
    case MSG_WHEEL: onWheel(wParam, lParam); return 0;
    case MSG_FILES_DROPPED: onFilesDropped(reinterpret_cast<const DroppedFiles*>(wParam)); return 0;
    default: return 0;
    }
}

void Plot::onDestroy()
{
    // The plot's resources go with its window; the object itself lives until
    // its last message is done.
    Desktop& desktop = Desktop::current();
    files().companion.reset();  // no file is followed into graphs that are gone
    removeAllGraphs();
    setCreated(false);
    if (auto native = takeNativeWindow()) {
        desktop.postTask([gone = std::shared_ptr<NativeWindow>(std::move(native))] {});
    }
    if (isKept(this)) {
        desktop.postTask([self = this] { releaseWindow(self); });
    }
    SessionList& list = sessionList();
    if (list.windowOf(plotNumber()) == this) {
        const bool last = list.count() == 1;
        list.remove(plotNumber());
        if (last) {
            setRunState(RUN_QUIT);
            desktop.postQuit(0);
        }
    }
}

void Plot::onMoveOrSize(bool moved)
{
    NativeWindow* window = nativeWindow();
    if (!created() || settings().busy || !window) {
        return;
    }
    const WindowRect r = window->windowRect();
    if (moved) {
        setPosition(static_cast<int16_t>(r.x), static_cast<int16_t>(r.y));
    }
    if (r.x + r.width == 0 && r.y + r.height == 0) {
        return;
    }
    storeSize(static_cast<int16_t>(r.width), static_cast<int16_t>(r.height));
    WindowGestures(*this).end();
    const PlotBusy busy(*this);
    layoutStatusLine(*this);
    readClientSize();
    refreshMenu(*this);
    PlotPainter(window->surface(), *this, clientView(*this)).paintPlot();
    window->present();
}

void Plot::onPaint()
{
    NativeWindow* window = nativeWindow();
    if (settings().busy || !window) {
        return;
    }
    WindowGestures(*this).end();  // nothing inverted outlives the picture it was drawn on
    if (CoalescedRepaint::active(*this)) {
        deferPaint(*window);
        return;
    }
    paintPending_ = false;
    const PlotBusy busy(*this);
    refreshMenu(*this);
    PlotPainter(window->surface(), *this, clientView(*this)).paintPlot();
    window->present();
    const PointerState& pointer = pointer_;
    showCursorPosition(*this, pointer.lastX, pointer.lastY);
}

void Plot::deferPaint(NativeWindow& window)
{
    PlotPainter(window.surface(), *this, clientView(*this)).layout();
    if (!paintPending_) {
        paintPending_ = true;
        postTask([](Plot& plot) {
            if (plot.paintPending_) {
                plot.redraw();
            }
        });
    }
}

void Plot::onKeyDown(uintptr_t key)
{
    if (settings().measureMode) {
        return;
    }
    Desktop& desktop = Desktop::current();
    const uint16_t command = keyCommand(key, desktop.controlKeyDown(), desktop.shiftKeyDown());
    if (command != CMD_NONE) {
        WindowGestures(*this).end();  // a band dragged under the old scale
        sendCommand(*this, command);
    }
}

void Plot::onWheel(uintptr_t wParam, intptr_t lParam)
{
    NativeWindow* window = nativeWindow();
    if (settings().measureMode || !window) {
        return;
    }
    WindowGestures(*this).end();  // a band dragged under the old scale
    // The position comes in screen coordinates.
    PointerState& pointer = pointer_;
    pointer.startX = lowWord(lParam);
    pointer.startY = highWord(lParam);
    const int16_t delta = highWord(static_cast<intptr_t>(wParam));
    const WindowRect client = window->clientRect();
    const DevicePoint at{static_cast<int16_t>(pointer.startX - client.x),
                         static_cast<int16_t>(pointer.startY - client.y)};
    zoomByWheel(*this, view_, delta, Desktop::current().controlKeyDown(), at);
    view_.rangeByUser = true;
    redraw();
}

void Plot::onFilesDropped(const DroppedFiles* drop)
{
    if (!drop || drop->paths.empty()) {
        return;
    }
    const bool control = Desktop::current().controlKeyDown();
    const auto paths = drop->paths;  // a drop may close this window's others
    for (std::size_t i = 0; i < paths.size(); ++i) {
        openByPath(*this, paths[i], (i == 0 && !control) ? FILE_OPEN : FILE_ADD);
    }
}

}  // namespace kvx
