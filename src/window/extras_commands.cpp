#include "window/command_groups.h"

#include <cstdio>

#include "app/run_state.h"
#include "settings/settings_loader.h"
#include "window/about_box.h"
#include "window/data_following.h"
#include "window/mouse_and_keys_box.h"
#include "app/commands.h"
#include "window/user_messages.h"

namespace kvx {

namespace {

void showPlotInfo(const Plot& plot)
{
    // Summed wide: a 32-bit sum of several large graphs would turn negative.
    long long points = 0;
    for (const Graph& g : plot.graphs()) {
        points += g.numPoints();
    }
    char text[96];
    std::snprintf(text, sizeof text, "Contains %lld points in %d graph(s) .", points,
                  static_cast<int>(plot.numGraphs()));
    informUser(plot, text);
}

}  // namespace

CommandOutcome extrasCommand(Plot& plot, uint16_t command)
{
    switch (command) {
    case CMD_PLOT_INFO: showPlotInfo(plot); return CommandOutcome::Done;
    case CMD_BREAK: setRunState(RUN_BREAK); return CommandOutcome::Done;
    case CMD_FOLLOW_DATA_FILES:
        setFollowing(plot, !plot.files().follow);
        return CommandOutcome::MenuChanged;
    case CMD_ABOUT: showAbout(plot); return CommandOutcome::Done;
    case CMD_MOUSE_AND_KEYS: showMouseAndKeys(plot); return CommandOutcome::Done;
    // Later plots and graphs start from the reloaded defaults; this one keeps its values.
    case CMD_RELOAD_SETTINGS: loadSettings(); return CommandOutcome::Done;
    default: return CommandOutcome::NotMine;
    }
}

}  // namespace kvx
