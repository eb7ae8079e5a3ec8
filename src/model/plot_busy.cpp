#include "model/plot_busy.h"

#include "model/plot.h"

namespace kvx {

PlotBusy::PlotBusy(Plot& plot) : plot_(plot), saved_(plot.settings().busy)
{
    plot_.settings().busy = 1;
    ++plot_.busyDepth_;
}

PlotBusy::~PlotBusy()
{
    plot_.settings().busy = saved_;
    if (--plot_.busyDepth_ > 0 || !plot_.closePending_) {
        return;
    }
    plot_.closePending_ = false;
    // The work's caller still uses the plot when the guard goes: the window
    // is closed after the current message. A plot that left the session in
    // the meantime (its window closed, the session ended) is not touched.
    plot_.postTask([](Plot& plot) { plot.destroyWindow(); });
}

PlotBusy::PaintAllowed::PaintAllowed(Plot& plot) : plot_(plot), saved_(plot.settings().busy)
{
    plot_.settings().busy = 0;
}

PlotBusy::PaintAllowed::~PaintAllowed()
{
    plot_.settings().busy = saved_;
}

}  // namespace kvx
