#include "render/output_dress.h"

#include "settings/keywords.h"

namespace kvx {

OutputDress::OutputDress(PlotModel& plot, int16_t mode) : plot_(plot), settings_(plot.settings())
{
    for (Graph& g : plot_.graphs()) {
        g.saveStyle();
    }
    if (mode == OUTPUT_BLACK_WHITE) {
        plot_.setColorPalette(BLACK_ONLY, 16);
        plot_.setColorScheme(PAPER);
    }
}

OutputDress::~OutputDress()
{
    // What the plot's state rather than its dress holds stays as it is now.
    const PlotSettings now = plot_.settings();
    plot_.settings() = settings_;
    plot_.settings().numGraphs = now.numGraphs;
    plot_.settings().busy = now.busy;
    plot_.settings().measureMode = now.measureMode;
    for (Graph& g : plot_.graphs()) {
        g.restoreStyle();
    }
}

}  // namespace kvx
