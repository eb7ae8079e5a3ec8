#pragma once
// What a run of a program shares between its windows: the session list, the
// default records, the kept window objects, the graph clipboard, the choices
// that dialogs remember and the desktop. Each program's start-up makes one,
// and each test a fresh one. While it lives it is the current context: the
// functions that name its parts (sessionList(), defaultRecords(),
// GraphClipboard::instance(), Desktop::current(), ...) answer with its parts,
// and when it ends the previous context is current again.

#include <cstdint>

#include "app/session_list.h"
#include "app/window_keeper.h"
#include "model/graph_clipboard.h"
#include "platform/current_part.h"
#include "platform/desktop.h"
#include "settings/default_records.h"

namespace kvx {

// The graph that the Statistics and the Distribution box offer first: the
// one chosen the last time.
struct DialogChoices {
    int16_t statisticsGraph = 1;
    int16_t distributionGraph = 1;
    // The last figure on paper: millimetres, or pixels where those are 0.
    double figureWidthMm = 90.0;
    double figureHeightMm = 60.0;
    int figureWidth = 0;
    int figureHeight = 0;
    int figureDpi = 300;
};

class AppContext {
public:
    // The context of a run on `desktop` (not owned).
    explicit AppContext(Desktop& desktop);
    // A context on the current desktop.
    AppContext();
    // The kept windows go first, while the context is still current.
    ~AppContext();
    AppContext(const AppContext&) = delete;
    AppContext& operator=(const AppContext&) = delete;

    SessionList sessions;
    DefaultRecords records;
    WindowKeeper windows;
    GraphClipboard clipboard;
    DialogChoices choices;
    Desktop& desktop;

private:
    CurrentPart<SessionList> currentSessions_{sessions};
    CurrentPart<DefaultRecords> currentRecords_{records};
    CurrentPart<WindowKeeper> currentWindows_{windows};
    CurrentPart<GraphClipboard> currentClipboard_{clipboard};
    CurrentPart<DialogChoices> currentChoices_{choices};
    CurrentPart<Desktop> currentDesktop_{desktop};
};

// The choices of the current context.
DialogChoices& dialogChoices();

}  // namespace kvx
