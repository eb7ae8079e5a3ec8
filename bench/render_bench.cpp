// Painting one graph of 10,000,000 points (sin(x), x = i * 0.001) into a
// 640 by 520 image, with the vertical runs of each pixel column merged and,
// for comparison, drawn segment by segment.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "model/plot.h"
#include "platform/qt/qt_application.h"
#include "platform/qt/qt_picture_files.h"
#include "render/plot_painter.h"
#include "scaling/auto_range.h"

namespace {

constexpr int kPoints = 10'000'000;

kvx::Plot& sinePlot()
{
    static kvx::Plot plot("bench");
    if (plot.numGraphs() == 0) {
        plot.addGraph();
        for (int i = 0; i < kPoints; ++i) {
            const double x = i * 0.001;
            plot.graph(1).append(x, std::sin(x));
        }
        kvx::autoRangeXY(plot);
        plot.axes().autoTicks(false);
        plot.setClientSize(640, 520);
    }
    return plot;
}

void paint(benchmark::State& state, bool merge)
{
    kvx::Plot& plot = sinePlot();
    auto picture = kvx::createPictureFile(kvx::PictureFormat::Png, "/dev/null", 640, 520);
    for (auto _ : state) {
        kvx::PlotPainter painter(picture->surface(), plot);
        painter.setMergeColumns(merge);
        painter.paintPlot();
    }
    state.counters["points"] = kPoints;
}

void BM_PaintTenMillionPointsMerged(benchmark::State& state)
{
    paint(state, true);
}
void BM_PaintTenMillionPointsSegmentBySegment(benchmark::State& state)
{
    paint(state, false);
}

BENCHMARK(BM_PaintTenMillionPointsMerged)->Unit(benchmark::kMillisecond)->Repetitions(7)->ReportAggregatesOnly(true);
BENCHMARK(BM_PaintTenMillionPointsSegmentBySegment)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    int qtArgc = 1;
    kvx::QtApplication application(qtArgc, argv, true);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
