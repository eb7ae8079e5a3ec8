// Smoothing ("Smooth Lines") draws curves and markers anti-aliased and
// leaves everything else on its exact pixels.

#include <gtest/gtest.h>

#include <QImage>

#include <set>

#include "model/app_context.h"
#include "platform/qt/qt_image_surface.h"
#include "render/plot_painter.h"
#include "settings/keywords.h"
#include "window/plot.h"
#include "window/window_drawing.h"

namespace kvx {
namespace {

QImage paint(Plot& plot)
{
    QtImageSurface surface(640, 520);
    PlotPainter painter(surface, plot, clientView(plot));
    painter.paintPlot();
    return surface.image().copy();
}

TEST(Smoothing, CurvesAndMarkersTakeInBetweenColoursFramesKeepTheirPixels)
{
    AppContext context;
    Plot plot("smooth");
    plot.setClientSize(640, 520);
    plot.ensureGraphs(1);
    for (int i = 0; i <= 40; ++i) {
        plot.graph(1).append(i, (i % 7) * 0.37 + i * 0.1);
    }
    plot.graph(1).setShowMarker(SHOW);
    plot.graph(1).setMarkerType(CIRCLE);
    plot.graph(1).setMarkerSize(9);
    plot.axes().setRange(-1.0, 41.0, -1.0, 7.0, false);
    plot.axes().autoTicks(false);
    const QImage exact = paint(plot);
    plot.settings().antiAlias = SHOW;
    const QImage smooth = paint(plot);
    plot.settings().antiAlias = HIDE;
    EXPECT_EQ(paint(plot), exact);  // off again: the exact picture

    // Inside the plot rectangle the exact picture has only the colours of
    // the background, the grid, the graph; the smooth one blends them.
    const DeviceRect& r = clientView(plot).plotRect;
    const QRect inside(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
    std::set<QRgb> exactColours;
    std::set<QRgb> smoothColours;
    int differing = 0;
    for (int y = 0; y < exact.height(); ++y) {
        for (int x = 0; x < exact.width(); ++x) {
            if (inside.contains(x, y)) {
                exactColours.insert(exact.pixel(x, y));
                smoothColours.insert(smooth.pixel(x, y));
            } else if (exact.pixel(x, y) != smooth.pixel(x, y)) {
                ++differing;
            }
        }
    }
    EXPECT_LE(exactColours.size(), 4u);
    EXPECT_GT(smoothColours.size(), 20u);
    // Outside it (frame, ticks, labels) nothing changes: the graph is clipped to it.
    EXPECT_EQ(differing, 0);
}

}  // namespace
}  // namespace kvx
