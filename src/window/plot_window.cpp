#include <memory>
#include <vector>

#include "app/run_state.h"
#include "app/session_list.h"
#include "app/window_keeper.h"
#include "app/errors.h"
#include "window/plot.h"
#include "platform/desktop.h"
#include "platform/window_messages.h"
#include "settings/keywords.h"
#include "window/kvx_menu.h"
#include "window/plot_window_parts.h"

namespace kvx {

void Plot::createWindow()
{
    if (created()) {
        return;
    }
    axes().autoTicksIfUnset();
    axes().keepAsLast();
    axes().keepAsOriginal();
    axes().store();
    if (!positionSet()) {
        cascadePosition();
        becomeCascadeOrigin();
    }
    const bool apparatus = settings().userInterface == SHOW;
    WindowOptions options;
    options.statusLine = apparatus;
    options.menu = apparatus ? &kvxMenu().menus : nullptr;
    std::unique_ptr<NativeWindow> window =
        Desktop::current().createWindow(*this, WindowRect{xWinPos(), yWinPos(), xWinSize(), yWinSize()}, options);
    if (!window) {
        terminateProcess();
    }
    adoptWindow(std::move(window));
    show(ShowState::Normal);
    focusMovesHere();
    nativeWindow()->surface().setTextBackgroundOpaque(false);
    setCreated(true);
    setTitle(windowTitle());
    readClientSize();
    layoutStatusLine(*this);
    refreshMenu(*this);
}

void Plot::postTask(std::function<void(Plot&)> task)
{
    // The window itself is asked, not the session list: a window beyond
    // the list's last number has none there.
    Desktop::current().postTask([alive = std::weak_ptr<const bool>(alive_), plot = this, task = std::move(task)] {
        if (!alive.expired() && plot->created()) {
            task(*plot);
        }
    });
}

Plot& Plot::newPlot()
{
    auto plot = std::make_unique<Plot>("Kurvex");
    becomeCascadeOrigin();
    plot->cascadePosition();
    Plot& created = static_cast<Plot&>(keepWindow(std::move(plot)));
    created.createWindow();
    return created;
}

Plot& Plot::clonePlot()
{
    auto plot = std::make_unique<Plot>(*this);
    plot->takeWindowColours();
    becomeCascadeOrigin();
    plot->cascadePosition();
    Plot& created = static_cast<Plot&>(keepWindow(std::move(plot)));
    created.createWindow();
    return created;
}

void Plot::closeOthers()
{
    // Collected first: closing changes the list. A window busy with a read
    // stays listed and closes when its read is done.
    const SessionList& list = sessionList();
    std::vector<BaseWindow*> others;
    for (int i = 0; i < list.count(); ++i) {
        if (list.numberAt(i) != plotNumber()) {
            others.push_back(list.windowOf(list.numberAt(i)));
        }
    }
    for (BaseWindow* window : others) {
        window->handleMessage(MSG_CLOSE, 0, 0);
    }
}

void Plot::exitSession()
{
    if (sessionList().count() != 1) {
        MessageBoxRequest box;
        box.text = "Really want to close the Session windows ?";
        box.caption = "Kurvex";
        box.icon = BoxIcon::Question;
        box.buttons = BoxButtons::YesNo;
        if (Desktop::current().showMessageBox(box) != BoxResult::Yes) {
            return;
        }
    }
    setRunState(RUN_QUIT);
    sessionList().clear();
    Desktop::current().postQuit(0);
}

void Plot::destroyWindow()
{
    if (!created()) {
        return;
    }
    if (isBusy()) {
        // The graphs are still in use by the work under way.
        closePending_ = true;
        return;
    }
    handleMessage(MSG_DESTROY, 0, 0);
}

}  // namespace kvx
