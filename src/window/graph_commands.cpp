#include "window/command_groups.h"

#include <array>

#include "model/graph_clipboard.h"
#include "app/commands.h"
#include "window/menu_choices.h"
#include "window/user_messages.h"

namespace kvx {

namespace {

// A style menu of "Graphs": its items and the setter that gives every graph
// the chosen value.
struct StyleMenu {
    const ChoiceGroup* group;
    void (PlotModel::*setAll)(int16_t value, int16_t index);
};

constexpr std::array<StyleMenu, 9> styleMenus{{
    {&pointsGroup, &PlotModel::setShowPoints},
    {&markerGroup, &PlotModel::setShowMarker},
    {&linesGroup, &PlotModel::setShowLines},
    {&lineWidthGroup, &PlotModel::setLineWidth},
    {&markerSizeGroup, &PlotModel::setMarkerSize},
    {&linesDrawRateGroup, &PlotModel::setLinesDrawRate},
    {&pointsDrawRateGroup, &PlotModel::setPointsDrawRate},
    {&markerDrawRateGroup, &PlotModel::setMarkerDrawRate},
    {&graphTypeGroup, &PlotModel::setType},
}};

void copyAll(const Plot& plot)
{
    GraphClipboard& clipboard = GraphClipboard::instance();
    for (const Graph& g : plot.graphs()) {
        clipboard.appendCopy(g);
    }
}

void pasteAll(Plot& plot)
{
    const GraphClipboard& clipboard = GraphClipboard::instance();
    for (const Graph& g : clipboard.graphs()) {
        plot.addGraphCopy(g);
    }
}

}  // namespace

bool graphsAvailable(Plot& plot)
{
    if (plot.numGraphs() > 0) {
        return true;
    }
    warnUser(plot, "No Graphs available!");
    return false;
}

CommandOutcome graphCommand(Plot& plot, uint16_t command)
{
    switch (command) {
    case CMD_COPY_ALL: copyAll(plot); return CommandOutcome::Done;
    case CMD_PASTE_ALL: pasteAll(plot); return CommandOutcome::Repaint;
    case CMD_EMPTY_CLIPBOARD: GraphClipboard::instance().clear(); return CommandOutcome::Done;
    default: break;
    }
    // The read mode only serves the next data file read.
    if (const auto mode = choiceValue(readModeGroup, command)) {
        plot.setReadMode(*mode);
        return CommandOutcome::MenuChanged;
    }
    // On a plot without graphs a style changes nothing, but the repaint still happens.
    for (const StyleMenu& menu : styleMenus) {
        if (const auto v = choiceValue(*menu.group, command)) {
            (plot.*menu.setAll)(*v, 0);
            return CommandOutcome::Repaint;
        }
    }
    return CommandOutcome::NotMine;
}

}  // namespace kvx
