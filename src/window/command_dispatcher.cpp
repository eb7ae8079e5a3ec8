#include "window/command_dispatcher.h"

#include <array>

#include "platform/window_messages.h"
#include "window/command_groups.h"
#include "window/plot_window_parts.h"

namespace kvx {

void sendCommand(Plot& plot, uint16_t command)
{
    plot.handleMessage(MSG_COMMAND, command, 0);
}

bool dispatchCommand(Plot& plot, uint16_t command)
{
    using Group = CommandOutcome (*)(Plot&, uint16_t);
    static constexpr std::array<Group, 9> groups{
        viewCommand,   displayCommand, graphCommand, windowCommand, fileCommand,
        figureCommand, printCommand,   dialogCommand, extrasCommand,
    };
    for (const Group group : groups) {
        switch (group(plot, command)) {
        case CommandOutcome::NotMine: continue;
        case CommandOutcome::Done: return true;
        case CommandOutcome::Repaint: plot.redraw(); return true;
        case CommandOutcome::MenuChanged: refreshMenu(plot); return true;
        }
    }
    return false;
}

}  // namespace kvx
