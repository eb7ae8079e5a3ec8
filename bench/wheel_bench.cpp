// One wheel zoom step in a plot window showing a graph of 1,000,000 points:
// the range changes and the window's image is painted anew.

#include <benchmark/benchmark.h>

#include <cmath>
#include <memory>

#include "model/plot.h"
#include "platform/desktop.h"
#include "platform/qt/qt_application.h"
#include "platform/window_messages.h"
#include "scaling/auto_range.h"

namespace {

void BM_WheelStepWithAMillionPoints(benchmark::State& state)
{
    kvx::Plot plot("bench");
    plot.addGraph();
    for (int i = 0; i < 1'000'000; ++i) {
        const double x = i * 0.001;
        plot.graph(1).append(x, std::sin(x) * std::exp(-x / 500));
    }
    kvx::autoRangeXY(plot);
    plot.axes().autoTicks(false);
    plot.createWindow();
    plot.redraw();
    const kvx::WindowRect client = plot.nativeWindow()->clientRect();
    const intptr_t centre = kvx::packPoint(client.x + client.width / 2, client.y + client.height / 2);
    int step = 0;
    for (auto _ : state) {
        // In and out in turn, so that the view stays the same on average.
        const int delta = (step++ % 2 == 0) ? 120 : -120;
        plot.handleMessage(kvx::MSG_WHEEL, kvx::packWheelDelta(delta), centre);
    }
    plot.destroyWindow();
}
BENCHMARK(BM_WheelStepWithAMillionPoints)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    int qtArgc = 1;
    kvx::QtApplication application(qtArgc, argv, false);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
