#include "window/command_groups.h"

#include "app/commands.h"
#include "window/session_commands.h"

namespace kvx {

namespace {

// The "Auto Screen Position" grid of each command: rows, columns, cell.
struct GridCell {
    int rows, columns, cell;
};

GridCell screenGrid(uint16_t command)
{
    if (command <= CMD_SCREEN_2V_DOWN) return {2, 1, command - CMD_SCREEN_2V_UP + 1};
    if (command <= CMD_SCREEN_2H_RIGHT) return {1, 2, command - CMD_SCREEN_2H_LEFT + 1};
    if (command <= CMD_SCREEN_2V2H_DOWN_RIGHT) return {2, 2, command - CMD_SCREEN_2V2H_UP_LEFT + 1};
    return {3, 2, command - CMD_SCREEN_3V2H_UP_LEFT + 1};
}

}  // namespace

CommandOutcome windowCommand(Plot& plot, uint16_t command)
{
    switch (command) {
    case CMD_EXIT_SESSION: plot.exitSession(); break;
    case CMD_MINIMIZE_ALL: minimizeAll(); break;
    case CMD_MAXIMIZE_ALL: maximizeAll(); break;
    case CMD_SHOW_ALL: showAll(); break;
    case CMD_CLOSE: plot.destroyWindow(); break;
    case CMD_NEW:
        // An edition may forbid new windows; the menu greys the item, and a
        // command that arrives anyway is refused here.
        if (plot.settings().newAllowed) {
            plot.newPlot();
        }
        break;
    case CMD_CLONE: plot.clonePlot(); break;
    default:
        if (command >= CMD_SCREEN_2V_UP && command <= CMD_SCREEN_3V2H_DOWN_RIGHT) {
            const GridCell g = screenGrid(command);
            plot.placeOnScreenGrid(g.rows, g.columns, g.cell);
            break;
        }
        return CommandOutcome::NotMine;
    }
    return CommandOutcome::Done;
}

}  // namespace kvx
