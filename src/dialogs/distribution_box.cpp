#include "dialogs/distribution_box.h"

#include "dialogs/control_ids.h"
#include <optional>

#include "app/commands.h"
#include "app/errors.h"
#include "dialogs/analysis_plot.h"
#include "dialogs/dialog_fields.h"
#include "dialogs/histogram.h"
#include "dialogs/plot_dialog.h"
#include "model/app_context.h"
#include "platform/window_messages.h"
#include "render/graph_drawer.h"
#include "scaling/graph_extent.h"
#include "settings/keywords.h"
#include "dialogs/dialog_plot.h"

namespace kvx {
namespace {

enum : int {
    FIELD_NUM_BINS = IDC_NUM_BINS,
    FIELD_BINS_WIDTH = IDC_BINS_WIDTH,
    RADIO_NUM_BINS = IDC_BY_NUM_BINS,
    RADIO_BINS_WIDTH = IDC_BY_BINS_WIDTH,
};

// What the fields ask for: a number of bins, or a width (count 0). Nothing
// after a warning.
struct BinsAsked {
    int16_t count = 0;
    double width = 0.0;
};

std::optional<BinsAsked> askedBins(DialogControls& controls, NativeWindow* owner)
{
    BinsAsked asked;
    if (!controls.checked(RADIO_BINS_WIDTH)) {
        if (!readDialogShort(controls, FIELD_NUM_BINS, asked.count) || asked.count < 1) {
            reportError(ERR_DATA_OUT_OF_RANGE, ": 'Num Bins'", true, owner);
            return std::nullopt;
        }
        return asked;
    }
    if (!readDialogReal(controls, FIELD_BINS_WIDTH, asked.width) || !(asked.width > 0.0)) {
        reportError(ERR_DATA_INVALID, ": 'Bins Width'", true, owner);
        return std::nullopt;
    }
    return asked;
}

// The bins over the graph's values, or nothing after a warning.
std::optional<HistogramBins> binsOver(const BinsAsked& asked, const Extent& extent, NativeWindow* owner)
{
    if (asked.count > 0) {
        return binsOfCount(extent, asked.count);
    }
    // A width too small for a 16-bit count of bins is refused like one of
    // 0, instead of drawing a part of the range as the whole.
    std::optional<HistogramBins> bins = binsOfWidth(extent, asked.width);
    if (!bins) {
        reportError(ERR_DATA_INVALID, ": 'Bins Width'", true, owner);
    }
    return bins;
}

}  // namespace

int16_t& distributionGraphIndex()
{
    return dialogChoices().distributionGraph;
}

void DistributionBox::opened(DialogControls& controls)
{
    showGraphList(controls, plot_, distributionGraphIndex());
    controls.setChecked(RADIO_NUM_BINS, true);
    chooseByCount(controls, true);
    controls.setText(FIELD_NUM_BINS, "30");
    controls.setText(FIELD_BINS_WIDTH, "1.0");
}

void DistributionBox::controlUsed(DialogControls& controls, int id, ControlEvent event)
{
    (void)event;
    switch (id) {
    case RADIO_NUM_BINS: chooseByCount(controls, true); break;
    case RADIO_BINS_WIDTH: chooseByCount(controls, false); break;
    case ANALYSIS_PLOT: plotChosen(controls); break;
    case ANALYSIS_PLOT_CLOSE:
        if (plotChosen(controls)) {
            controls.endDialog(IDOK);
        }
        break;
    case ANALYSIS_CLOSE:
    case IDCANCEL: controls.endDialog(IDCANCEL); break;
    default: break;
    }
}

void DistributionBox::chooseByCount(DialogControls& controls, bool byCount)
{
    controls.setReadOnly(FIELD_NUM_BINS, !byCount);
    controls.setReadOnly(FIELD_BINS_WIDTH, byCount);
}

bool DistributionBox::plotChosen(DialogControls& controls)
{
    const int16_t source = chosenGraph(controls);
    distributionGraphIndex() = source;
    if (source == 0) {
        return false;
    }
    const Graph& graph = plot_.graph(source);
    const std::optional<BinsAsked> asked = askedBins(controls, owner_.frame.nativeWindow());
    if (!asked) {
        return false;
    }
    const Extent extent = graphExtent(graph);
    // Without a finite y value there is nothing to count, and bins from
    // the start values of the extent would lie at +-1e100.
    if (!extent.hasY()) {
        warnNoFiniteValues(owner_.frame, source);
        return true;
    }
    const std::optional<HistogramBins> bins = binsOver(*asked, extent, owner_.frame.nativeWindow());
    if (!bins) {
        return false;
    }

    const DialogPlot target = openAnalysisPlot(owner_, source, "Distribution");
    PlotModel& result = target.model;
    const int16_t bars = result.addGraph();
    result.setShowLegend(SHOW_OUTRIGHT);
    result.setLables(plot_.yLable(), "Number of Points", "Distribution");
    result.setLable(graph.lable(), bars);
    result.setColorNum(graph.colorNum(), bars);
    result.setAspectRatio(plot_.aspectRatio());
    result.setType(BARS, bars);
    // Each bar stands at its bin's lower edge; the closing point gives the
    // last bar its right edge and, without any bin, stands at yMin with 0.
    const BinCounter counter(graph);
    int32_t count = 0;
    for (int32_t i = 0; i < bins->count; ++i) {
        count = counter.count(bins->lo(i), bins->lo(i + 1));
        target.window.appendAndDrawPoint(bins->lo(i), count, bars);
    }
    target.window.appendAndDrawPoint(bins->lo(bins->count), count, bars);
    target.frame.handleMessage(MSG_COMMAND, CMD_AUTO_RANGE_XY, 0);
    return true;
}

void showDistributionBox(DialogPlot plot)
{
    DistributionBox box(plot);
    runPlotDialog(plot, "DistributionBox", box);
}

}  // namespace kvx
