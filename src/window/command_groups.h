#pragma once
// The command groups that the dispatcher tries in turn. Each group carries
// out its own commands and says what the window needs afterwards; the
// dispatcher then repaints or brings the menu up to date.

#include <cstdint>

#include "window/plot.h"

namespace kvx {

enum class CommandOutcome {
    NotMine,      // no command of this group (or one whose action is not built yet)
    Done,         // carried out; picture and menu stay as they are
    Repaint,      // carried out; the repaint also brings the menu up to date
    MenuChanged,  // carried out without a repaint, but the menu's check marks moved
};

// "Plot": range history, auto range, moves, zoom modes, axes equal, redraw.
CommandOutcome viewCommand(Plot& plot, uint16_t command);
// "Plot" "Show" and "Color": grid, legend, coordinate system, colour scheme.
CommandOutcome displayCommand(Plot& plot, uint16_t command);
// "Graphs": read mode, the styles of all graphs, the graph clipboard.
CommandOutcome graphCommand(Plot& plot, uint16_t command);
// The session items, "New", "Clone", "Close" and "Auto Screen Position".
CommandOutcome windowCommand(Plot& plot, uint16_t command);
// The file dialogs of "Data File", "Plot" "File" and "Session" "File".
CommandOutcome fileCommand(Plot& plot, uint16_t command);
// "Save Figure" and "Copy (to Clipboard)".
CommandOutcome figureCommand(Plot& plot, uint16_t command);
// "Print" of "Plot" and of "Session"; the window repaints afterwards.
CommandOutcome printCommand(Plot& plot, uint16_t command);
// The items that open dialogs: ranges, labels, palettes, the graphs'
// styles, the graph clipboard, statistics and distribution.
CommandOutcome dialogCommand(Plot& plot, uint16_t command);
// "Extras" and "Help", and the reload of the settings files.
CommandOutcome extrasCommand(Plot& plot, uint16_t command);

// The check of the commands that need graphs: false, after telling the user
// "No Graphs available!", when the plot has none.
bool graphsAvailable(Plot& plot);

}  // namespace kvx
