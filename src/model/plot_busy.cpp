#include "model/plot_busy.h"

#include "model/plot_model.h"

namespace kvx {

PlotBusy::PlotBusy(PlotModel& plot) : plot_(plot), saved_(plot.settings().busy)
{
    plot_.settings().busy = 1;
    ++plot_.busyDepth_;
}

PlotBusy::~PlotBusy()
{
    plot_.settings().busy = saved_;
    if (--plot_.busyDepth_ == 0) {
        plot_.busyEnded();
    }
}

PlotBusy::PaintAllowed::PaintAllowed(PlotModel& plot) : plot_(plot), saved_(plot.settings().busy)
{
    plot_.settings().busy = 0;
}

PlotBusy::PaintAllowed::~PaintAllowed()
{
    plot_.settings().busy = saved_;
}

}  // namespace kvx
