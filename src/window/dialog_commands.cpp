#include "app/commands.h"
#include "dialogs/color_set_box.h"
#include "dialogs/distribution_box.h"
#include "dialogs/edit_graphs_box.h"
#include "dialogs/handle_graphs_box.h"
#include "dialogs/lables_box.h"
#include "dialogs/range_and_ticks_box.h"
#include "dialogs/statistics_box.h"
#include "window/command_groups.h"

namespace kvx {

namespace {

// Every dialog may have changed what the plot shows: repaint once it closes.
CommandOutcome showThenRepaint(Plot& plot, void (*show)(DialogPlot))
{
    show(plot);
    return CommandOutcome::Repaint;
}

// The dialogs that work on graphs refuse a plot without any.
CommandOutcome showWithGraphs(Plot& plot, void (*show)(DialogPlot))
{
    return graphsAvailable(plot) ? showThenRepaint(plot, show) : CommandOutcome::Done;
}

}  // namespace

CommandOutcome dialogCommand(Plot& plot, uint16_t command)
{
    switch (command) {
    case CMD_RANGE_SET: return showThenRepaint(plot, showRangeAndTicksBox);
    case CMD_EDIT_LABLES: return showThenRepaint(plot, showLablesBox);
    case CMD_COLOR_SET: return showThenRepaint(plot, showColorSetBox);
    case CMD_HANDLE_GRAPHS: return showThenRepaint(plot, showHandleGraphsBox);
    case CMD_EDIT_GRAPHS: return showWithGraphs(plot, showEditGraphsBox);
    case CMD_STATISTICS: return showWithGraphs(plot, showStatisticsBox);
    case CMD_DISTRIBUTION: return showWithGraphs(plot, showDistributionBox);
    default: return CommandOutcome::NotMine;
    }
}

}  // namespace kvx
