#pragma once
// What the Statistics and Distribution dialogs share: the graph list that
// opens on the graph the dialog remembers, and the new plot window that
// shows their results.

#include <cstdint>
#include <string_view>

#include "dialogs/control_ids.h"
#include "dialogs/dialog_plot.h"
#include "platform/dialog_controls.h"

namespace kvx {

// The controls that both dialogs have.
constexpr int ANALYSIS_GRAPH_LIST = IDC_GRAPH_LIST;
constexpr int ANALYSIS_PLOT_CLOSE = IDC_PLOT_AND_CLOSE;
constexpr int ANALYSIS_PLOT = IDC_PLOT;
constexpr int ANALYSIS_CLOSE = IDC_CLOSE;

// Fills the graph list with the plot's graphs and selects graph `number`
// when the plot has it; without graphs the two Plot buttons are disabled.
// Returns the selected graph's number, or 0.
int16_t showGraphList(DialogControls& controls, const PlotModel& plot, int16_t number);
// The number of the graph selected in the graph list, or 0.
int16_t chosenGraph(const DialogControls& controls);

// A new plot window for results about graph `graph` of `source`, titled
// "<source title> - <graph label> - <what>", without grid, in the source's
// palette (with its number of colours) and colour scheme.
DialogPlot openAnalysisPlot(DialogPlot source, int16_t graph, std::string_view what);

// Says that graph `graph` of `plot` has no finite values, so that "Plot"
// has nothing to show.
void warnNoFiniteValues(const BaseWindow& frame, int16_t graph);


}  // namespace kvx
