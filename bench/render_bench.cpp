// Painting graphs of 10,000,000 points (sin(x), x = i * 0.001) into a 640 by
// 520 image: the whole range, the x range zoomed to a thousandth about its
// middle, and two such graphs; for comparison, one graph drawn segment by
// segment, as every graph was before the column drawing.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "model/app_context.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_desktop.h"
#include "platform/qt/qt_picture_files.h"
#include "render/plot_painter.h"
#include "scaling/auto_range.h"
#include "settings/keywords.h"
#include "window/plot.h"
#include "window/window_drawing.h"

namespace {

constexpr int kPoints = 10'000'000;

// A plot of `graphs` sines, the second shifted, at the automatic range.
kvx::Plot& sinePlot(int16_t graphs)
{
    static kvx::Plot one("bench one");
    static kvx::Plot two("bench two");
    kvx::Plot& plot = graphs == 1 ? one : two;
    if (plot.numGraphs() == 0) {
        for (int16_t g = 1; g <= graphs; ++g) {
            plot.addGraph();
            for (int i = 0; i < kPoints; ++i) {
                const double x = i * 0.001;
                plot.graph(g).append(x, std::sin(x + g));
            }
        }
        plot.setClientSize(640, 520);
    }
    kvx::autoRangeXY(plot);
    plot.axes().autoTicks(false);
    return plot;
}

void paint(benchmark::State& state, kvx::Plot& plot, bool merge)
{
    auto picture = kvx::createPictureFile(kvx::PictureFormat::Png, "/dev/null", 640, 520);
    for (auto _ : state) {
        kvx::PlotPainter painter(picture->surface(), plot, kvx::clientView(plot));
        painter.setMergeColumns(merge);
        painter.paintPlot();
    }
    state.counters["points"] = static_cast<double>(kPoints) * plot.numGraphs();
}

void BM_PaintTenMillionPoints(benchmark::State& state)
{
    paint(state, sinePlot(1), true);
}

void BM_PaintTenMillionPointsZoomedToAThousandth(benchmark::State& state)
{
    kvx::Plot& plot = sinePlot(1);
    const kvx::RangeSet r = plot.axes().currentRange();
    const double middle = (r.x.min + r.x.max) / 2.0;
    const double half = (r.x.max - r.x.min) / 2000.0;
    plot.axes().setRange(middle - half, middle + half, r.y.min, r.y.max, false);
    paint(state, plot, true);
}

void BM_PaintTwoGraphsOfTenMillionPoints(benchmark::State& state)
{
    paint(state, sinePlot(2), true);
}

void BM_PaintTenMillionPointsSegmentBySegment(benchmark::State& state)
{
    paint(state, sinePlot(1), false);
}

// The graph restyled one way at a time, at the whole x range; the last two
// are plain lines with the y range cut to +-0.3, so that most columns leave
// the picture above and below.
enum Style { Markers, Dots, Wide, Dashed, DrawRate7, Bars, Stems, Stairs, ZoomedInY, ZoomedInYStairs, Styles };
const char* const styleNames[] = {"markers every point", "dots", "width 3", "dashed", "draw rate 7",
                                  "bars", "stems", "stairs", "zoomed into in y", "stairs zoomed into in y"};

void BM_PaintTenMillionPointsStyled(benchmark::State& state)
{
    static kvx::Plot plot("bench styled");
    if (plot.numGraphs() == 0) {
        plot.addGraph();
        for (int i = 0; i < kPoints; ++i) {
            const double x = i * 0.001;
            plot.graph(1).append(x, std::sin(x));
        }
        plot.setClientSize(640, 520);
    }
    plot.setType(kvx::LINES, 1);
    plot.setLineWidth(1, 1);
    plot.setLineType(kvx::SOLID, 1);
    plot.setShowPoints(kvx::HIDE, 1);
    plot.setShowMarker(kvx::HIDE, 1);
    plot.setLinesDrawRate(1, 1);
    const auto style = static_cast<Style>(state.range(0));
    switch (style) {
    case Markers: plot.setShowMarker(kvx::SHOW, 1); break;
    case Dots: plot.setShowPoints(kvx::SHOW, 1); break;
    case Wide: plot.setLineWidth(3, 1); break;
    case Dashed: plot.setLineType(kvx::DASH, 1); break;
    case DrawRate7: plot.setLinesDrawRate(7, 1); break;
    case Bars: plot.setType(kvx::BARS, 1); break;
    case Stems: plot.setType(kvx::STEMS, 1); break;
    case Stairs:
    case ZoomedInYStairs: plot.setType(kvx::STAIRS, 1); break;
    default: break;
    }
    kvx::autoRangeXY(plot);
    if (style == ZoomedInY || style == ZoomedInYStairs) {
        const kvx::RangeSet r = plot.axes().currentRange();
        plot.axes().setRange(r.x.min, r.x.max, -0.3, 0.3, false);
    }
    plot.axes().autoTicks(false);
    state.SetLabel(styleNames[style]);
    paint(state, plot, true);
}

BENCHMARK(BM_PaintTenMillionPoints)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_PaintTenMillionPointsZoomedToAThousandth)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PaintTwoGraphsOfTenMillionPoints)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_PaintTenMillionPointsStyled)
    ->DenseRange(0, Styles - 1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PaintTenMillionPointsSegmentBySegment)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    int qtArgc = 1;
    kvx::QtApplication application(qtArgc, argv, true);
    kvx::AppContext context(application.desktop());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
