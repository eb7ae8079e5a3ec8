#include "dialogs/analysis_plot.h"

#include <string>

#include "app/errors.h"
#include "dialogs/dialog_fields.h"
#include "dialogs/dialog_plot.h"
#include "render/graph_drawer.h"
#include "settings/keywords.h"

namespace kvx {

int16_t showGraphList(DialogControls& controls, const PlotModel& plot, int16_t number)
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

DialogPlot openAnalysisPlot(DialogPlot source, int16_t graph, std::string_view what)
{
    const DialogPlot result = source.window.openNewPlot();
    std::string title = source.frame.windowTitle();
    title += " - ";
    title += source.model.graph(graph).lable();
    title += " - ";
    title += what;
    result.frame.setTitle(title);
    PlotModel& plot = result.model;
    plot.setShowGrid(HIDE);
    plot.setColorPalette(source.model.colorPalette(), source.model.numColors());
    plot.setColorScheme(source.model.colorScheme());
    return result;
}

void warnNoFiniteValues(const BaseWindow& frame, int16_t graph)
{
    reportError(ERR_MESSAGE, "Graph " + std::to_string(graph) + " has no finite values: there is nothing to plot.",
                true, frame.nativeWindow());
}

}  // namespace kvx
