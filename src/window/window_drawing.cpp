#include "window/window_drawing.h"

#include "render/graph_drawer.h"

namespace kvx {

PlotView& clientView(Plot& plot)
{
    PlotView& view = plot.view();
    view.width = plot.clientWidth();
    view.height = plot.clientHeight();
    return view;
}

void appendAndDrawPoint(Plot& plot, Surface* surface, double x, double y, int16_t index)
{
    Graph& graph = plot.graph(index);
    graph.append(x, y);
    if (!surface) {
        return;
    }
    GraphDrawer(*surface, plot, plot.view()).drawLastPoint(graph);
    // On the window the new piece is shown at once, not at the next paint.
    if (NativeWindow* window = plot.nativeWindow(); window && surface == &window->surface()) {
        window->present();
    }
}

void appendAndDrawPoint(Plot& plot, double x, double y, int16_t index)
{
    NativeWindow* window = plot.nativeWindow();
    appendAndDrawPoint(plot, window ? &window->surface() : nullptr, x, y, index);
}

void Plot::appendAndDrawPoint(double x, double y, int16_t index)
{
    kvx::appendAndDrawPoint(*this, x, y, index);
}

}  // namespace kvx
