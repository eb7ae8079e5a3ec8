#include "window/plot.h"

namespace kvx {

Plot::Plot(std::string_view title)
{
    registerInSession();
    setSize(settings().xWinSize, settings().yWinSize);
    setTitle(title);
}

Plot::Plot(const Plot& source) : BaseWindow(), PlotModel(source)
{
    setSize(source.xWinSize(), source.yWinSize());
    setTitle(source.windowTitle());
    view_ = source.view_;
    view_.graphStates.clear();
    registerInSession();
}

Plot::~Plot() = default;

void layoutTransform(Plot& plot, int16_t legendRightReserve)
{
    PlotView& view = plot.view();
    view.width = plot.clientWidth();
    view.height = plot.clientHeight();
    view.legend.rightReserve = legendRightReserve;
    layoutTransform(plot, view);
}

void Plot::busyEnded()
{
    if (!closePending_) {
        return;
    }
    closePending_ = false;
    // The work's caller still uses the plot when the guard goes: the window
    // is closed after the current message. A plot that left the session in
    // the meantime (its window closed, the session ended) is not touched.
    postTask([](Plot& plot) { plot.destroyWindow(); });
}

}  // namespace kvx
