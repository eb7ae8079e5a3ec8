#include "dialogs/statistics_box.h"

#include "dialogs/control_ids.h"
#include <array>
#include <string>
#include <vector>

#include "app/commands.h"
#include "app/general_format.h"
#include "dialogs/analysis_plot.h"
#include "dialogs/graph_statistics.h"
#include "dialogs/plot_dialog.h"
#include "model/app_context.h"
#include "platform/window_messages.h"
#include "render/graph_drawer.h"
#include "settings/keywords.h"
#include "dialogs/dialog_plot.h"

namespace kvx {
namespace {

enum : int {
    FIELD_X_MIN = IDC_FIELD_X_MIN,
    FIELD_Y_MIN = IDC_FIELD_Y_MIN,
    FIELD_X_MAX = IDC_FIELD_X_MAX,
    FIELD_Y_MAX = IDC_FIELD_Y_MAX,
    FIELD_X_MEAN = IDC_FIELD_X_MEAN,
    FIELD_Y_MEAN = IDC_FIELD_Y_MEAN,
    FIELD_X_STD = IDC_FIELD_X_STD,
    FIELD_Y_STD = IDC_FIELD_Y_STD,
    FIELD_X_RANGE = IDC_FIELD_X_RANGE,
    FIELD_Y_RANGE = IDC_FIELD_Y_RANGE,
    FIELD_NUM_POINTS = IDC_FIELD_NUM_POINTS,
    CHECK_X_MIN = IDC_CHECK_X_MIN,
    CHECK_Y_MIN = IDC_CHECK_Y_MIN,
    CHECK_X_MAX = IDC_CHECK_X_MAX,
    CHECK_Y_MAX = IDC_CHECK_Y_MAX,
    CHECK_X_MEAN = IDC_CHECK_X_MEAN,
    CHECK_Y_MEAN = IDC_CHECK_Y_MEAN,
    CHECK_X_STD = IDC_CHECK_X_STD,
    CHECK_Y_STD = IDC_CHECK_Y_STD,
    CHECK_SAME_COLOR = IDC_SAME_COLOR,
    CHECK_SAME_PLOT = IDC_SAME_PLOT,
};

// One statistic graph: lines across the graph's extent, vertical at the
// given x values or horizontal at the given y values, with a line break
// between them.
struct ReferenceGraph {
    int group;  // 0 min/max, 1 mean, 2 standard deviation: one colour each
    const char* lable;
    int16_t lineType;
    bool vertical;
    std::vector<double> at;
};

// The statistic graphs of the checked boxes, in the order they are made.
std::vector<ReferenceGraph> chosenGraphs(const DialogControls& c, const GraphStatistics& s)
{
    const Extent& e = s.extent;
    const MeanStd& m = s.meanStd;
    std::vector<ReferenceGraph> graphs;
    const bool xMin = c.checked(CHECK_X_MIN);
    const bool xMax = c.checked(CHECK_X_MAX);
    const bool yMin = c.checked(CHECK_Y_MIN);
    const bool yMax = c.checked(CHECK_Y_MAX);
    if (xMin && xMax) {
        graphs.push_back({0, "  x-Min/Max", DOT, true, {e.xMin, e.xMax}});
    } else if (xMin) {
        graphs.push_back({0, "  x-Min", DOT, true, {e.xMin}});
    } else if (xMax) {
        graphs.push_back({0, "  x-Max", DOT, true, {e.xMax}});
    }
    if (yMin && yMax) {
        graphs.push_back({0, "  y-Min/Max", DOT, false, {e.yMin, e.yMax}});
    } else if (yMin) {
        graphs.push_back({0, "  y-Min", DOT, false, {e.yMin}});
    } else if (yMax) {
        graphs.push_back({0, "  y-Max", DOT, false, {e.yMax}});
    }
    if (c.checked(CHECK_X_MEAN)) {
        graphs.push_back({1, "  x-Mean", DASH, true, {m.xMean}});
    }
    if (c.checked(CHECK_Y_MEAN)) {
        graphs.push_back({1, "  y-Mean", DASH, false, {m.yMean}});
    }
    if (c.checked(CHECK_X_STD)) {
        graphs.push_back({2, "  x-Std", DASHDOT, true, {m.xMean + m.xStd, m.xMean - m.xStd}});
    }
    if (c.checked(CHECK_Y_STD)) {
        graphs.push_back({2, "  y-Std", DASHDOT, false, {m.yMean + m.yStd, m.yMean - m.yStd}});
    }
    return graphs;
}

// Inserts the graphs one after the other behind graph `after` of `target`.
// Each group takes the next colour after `colour`, or `colour` itself.
void insertGraphs(DialogPlot target, int16_t after, const std::vector<ReferenceGraph>& graphs, const Extent& e,
                  int16_t colour, bool sameColour)
{
    int16_t position = after;
    for (const ReferenceGraph& r : graphs) {
        position = target.model.insertEmptyGraph(static_cast<int16_t>(position + 1));
        target.model.setLable(r.lable, position);
        target.model.setColorNum(sameColour ? colour : static_cast<int16_t>(colour + r.group + 1), position);
        target.model.setLineType(r.lineType, position);
        target.model.setMarkerType(NOMARKER, position);
        target.model.setShowPoints(HIDE, position);
        for (std::size_t i = 0; i < r.at.size(); ++i) {
            if (i > 0) {
                target.model.startNewLine(position);
            }
            const double a = r.at[i];
            target.window.appendAndDrawPoint(r.vertical ? a : e.xMin, r.vertical ? e.yMin : a, position);
            target.window.appendAndDrawPoint(r.vertical ? a : e.xMax, r.vertical ? e.yMax : a, position);
        }
    }
}

}  // namespace

int16_t& statisticsGraphIndex()
{
    return dialogChoices().statisticsGraph;
}

void StatisticsBox::opened(DialogControls& controls)
{
    showGraphList(controls, plot_, statisticsGraphIndex());
    graphChosen(controls);
    for (const int id : {CHECK_Y_MIN, CHECK_Y_MAX, CHECK_Y_MEAN, CHECK_Y_STD}) {
        controls.setChecked(id, true);
    }
}

void StatisticsBox::controlUsed(DialogControls& controls, int id, ControlEvent event)
{
    (void)event;
    switch (id) {
    case ANALYSIS_GRAPH_LIST: graphChosen(controls); break;
    case ANALYSIS_PLOT: plotChosen(controls); break;
    case ANALYSIS_PLOT_CLOSE:
        plotChosen(controls);
        controls.endDialog(IDOK);
        break;
    case ANALYSIS_CLOSE:
    case IDCANCEL: controls.endDialog(IDCANCEL); break;
    default: break;
    }
}

void StatisticsBox::graphChosen(DialogControls& controls)
{
    const int16_t number = chosenGraph(controls);
    statisticsGraphIndex() = number;
    if (number == 0) {
        return;
    }
    const GraphStatistics s = graphStatistics(plot_.graph(number));
    const std::array<std::pair<int, double>, 10> fields{{
        {FIELD_X_MIN, s.extent.xMin},
        {FIELD_Y_MIN, s.extent.yMin},
        {FIELD_X_MAX, s.extent.xMax},
        {FIELD_Y_MAX, s.extent.yMax},
        {FIELD_X_MEAN, s.meanStd.xMean},
        {FIELD_Y_MEAN, s.meanStd.yMean},
        {FIELD_X_STD, s.meanStd.xStd},
        {FIELD_Y_STD, s.meanStd.yStd},
        {FIELD_X_RANGE, s.xRange()},
        {FIELD_Y_RANGE, s.yRange()},
    }};
    for (const auto& [id, value] : fields) {
        controls.setText(id, formatGeneral(value));
    }
    controls.setText(FIELD_NUM_POINTS, std::to_string(s.numPoints));
}

void StatisticsBox::plotChosen(DialogControls& controls)
{
    const int16_t source = statisticsGraphIndex();
    if (source < 1 || source > plot_.numGraphs()) {
        return;
    }
    const GraphStatistics s = graphStatistics(plot_.graph(source));
    const std::vector<ReferenceGraph> graphs = chosenGraphs(controls, s);
    // Without finite values on an axis the lines would lie at +-1e100 and
    // show nothing of the graph.
    if (!s.extent.hasX() || !s.extent.hasY()) {
        warnNoFiniteValues(owner_.frame, source);
        return;
    }
    if (graphs.empty()) {
        return;
    }
    const bool samePlot = controls.checked(CHECK_SAME_PLOT);
    const int16_t colour = plot_.colorNum(source);
    if (samePlot) {
        insertGraphs(owner_, source, graphs, s.extent, colour, controls.checked(CHECK_SAME_COLOR));
        // The plot's window refuses commands while this dialog holds it.
        owner_.frame.redraw();
        showGraphList(controls, plot_, source);
        return;
    }
    const DialogPlot target = openAnalysisPlot(owner_, source, "Statistics");
    PlotModel& result = target.model;
    const int16_t copy = result.addGraphCopy(plot_.graph(source));
    result.setAspectRatio(plot_.aspectRatio());
    result.setShowLegend(SHOW_OUTRIGHT);
    result.setLables(plot_.xLable(), plot_.yLable(), plot_.axesTitle());
    insertGraphs(target, copy, graphs, s.extent, colour, controls.checked(CHECK_SAME_COLOR));
    target.frame.handleMessage(MSG_COMMAND, CMD_AUTO_RANGE_XY, 0);
}

void showStatisticsBox(DialogPlot plot)
{
    StatisticsBox box(plot);
    runPlotDialog(plot, "StatisticsBox", box);
}

}  // namespace kvx
