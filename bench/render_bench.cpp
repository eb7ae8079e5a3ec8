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

BENCHMARK(BM_PaintTenMillionPoints)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_PaintTenMillionPointsZoomedToAThousandth)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_PaintTwoGraphsOfTenMillionPoints)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
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
