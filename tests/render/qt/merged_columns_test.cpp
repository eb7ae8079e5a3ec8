// Drawing a graph with its pixel-column runs merged must give exactly the
// picture of drawing every segment.

#include <gtest/gtest.h>

#include <QImage>

#include <random>

#include "model/plot.h"
#include "platform/qt/qt_image_surface.h"
#include "render/plot_painter.h"
#include "scaling/auto_range.h"
#include "settings/default_records.h"
#include "settings/keywords.h"

namespace kvx {
namespace {

QImage paint(Plot& plot, bool merge)
{
    QtImageSurface surface(640, 520);
    surface.setTextBackgroundOpaque(false);
    PlotPainter painter(surface, plot);
    painter.setMergeColumns(merge);
    painter.paintPlot();
    return surface.image().copy();
}

class MergedColumnsTest : public testing::TestWithParam<int16_t> {
protected:
    ~MergedColumnsTest() override { defaultRecords() = DefaultRecords{}; }
};

TEST_P(MergedColumnsTest, PictureIsIdenticalToDrawingEverySegment)
{
    Plot plot("pixels");
    plot.setClientSize(640, 520);
    std::mt19937 random(1234 + GetParam());
    std::uniform_real_distribution<double> y(-1.0, 1.0);
    std::uniform_int_distribution<int> breaks(0, 60);
    plot.ensureGraphs(3);
    for (int16_t g = 1; g <= 3; ++g) {
        double x = 0;
        for (int i = 0; i < 4000; ++i) {
            // Mostly small steps in x, so that many points share a column.
            x += (i % 97 == 0) ? 3.0 : 0.05;
            if (breaks(random) == 0) {
                plot.graph(g).startNewLine();
            }
            if (breaks(random) == 1) {
                plot.graph(g).appendIsolated(x, y(random) * g);
            } else {
                plot.graph(g).append(x, y(random) * g + std::sin(x / 10));
            }
        }
    }
    plot.setType(GetParam(), 0);
    plot.setShowPoints(SHOW, 2);
    plot.setShowMarker(SHOW, 3);
    plot.setMarkerDrawRate(50, 3);
    autoRangeXY(plot);
    plot.axes().autoTicks(false);
    // Zoomed in a little, so that segments also leave the rectangle.
    plot.axes().zoomAboutCentre(0.8);

    const QImage merged = paint(plot, true);
    const QImage segments = paint(plot, false);
    ASSERT_EQ(merged.size(), segments.size());
    int differing = 0;
    for (int yy = 0; yy < merged.height(); ++yy) {
        for (int xx = 0; xx < merged.width(); ++xx) {
            if (merged.pixel(xx, yy) != segments.pixel(xx, yy) && ++differing <= 5) {
                ADD_FAILURE() << "pixel " << xx << "," << yy << " differs";
            }
        }
    }
    EXPECT_EQ(differing, 0);
}

INSTANTIATE_TEST_SUITE_P(GraphTypes, MergedColumnsTest,
                         testing::Values(int16_t{LINES}, int16_t{STAIRS}, int16_t{STEMS}, int16_t{BARS}));

}  // namespace
}  // namespace kvx
