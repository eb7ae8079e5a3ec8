#include "dialogs/analysis_plot.h"

#include <string>

#include "app/errors.h"
#include "dialogs/dialog_fields.h"
#include "window/plot.h"
#include "render/graph_drawer.h"
#include "settings/keywords.h"

namespace kvx {

int16_t showGraphList(DialogControls& controls, const Plot& plot, int16_t number)
{
    controls.setEntries(ANALYSIS_GRAPH_LIST, graphListEntries(plot));
    if (plot.numGraphs() == 0) {
        controls.setEnabled(ANALYSIS_PLOT, false);
        controls.setEnabled(ANALYSIS_PLOT_CLOSE, false);
    }
    if (number < 1 || number > plot.numGraphs()) {
        controls.setSelection(ANALYSIS_GRAPH_LIST, {});
        return 0;
    }
    controls.setSelection(ANALYSIS_GRAPH_LIST, {number - 1});
    return number;
}

int16_t chosenGraph(const DialogControls& controls)
{
    const std::vector<int> selected = controls.selection(ANALYSIS_GRAPH_LIST);
    return selected.empty() ? int16_t{0} : static_cast<int16_t>(selected.front() + 1);
}

Plot& openAnalysisPlot(Plot& source, int16_t graph, std::string_view what)
{
    Plot& plot = source.newPlot();
    std::string title = source.windowTitle();
    title += " - ";
    title += source.graph(graph).lable();
    title += " - ";
    title += what;
    plot.setTitle(title);
    plot.setShowGrid(HIDE);
    plot.setColorPalette(source.colorPalette(), source.numColors());
    plot.setColorScheme(source.colorScheme());
    return plot;
}

void warnNoFiniteValues(Plot& plot, int16_t graph)
{
    reportError(ERR_MESSAGE, "Graph " + std::to_string(graph) + " has no finite values: there is nothing to plot.",
                true, plot.nativeWindow());
}

}  // namespace kvx
