#include "window/session_commands.h"

#include "app/base_window.h"
#include "app/session_list.h"

namespace kvx {

namespace {

void showEvery(ShowState state)
{
    const SessionList& list = sessionList();
    for (int i = 0; i < list.count(); ++i) {
        if (BaseWindow* window = list.windowOf(list.numberAt(i))) {
            window->show(state);
        }
    }
}

}  // namespace

void showAll()
{
    showEvery(ShowState::Normal);
}

void minimizeAll()
{
    showEvery(ShowState::Minimized);
}

void maximizeAll()
{
    showEvery(ShowState::Maximized);
}

}  // namespace kvx
