// The per-point costs of the scaling code on one million points: the
// world-to-device transform that every drawn point goes through, the clip
// of segments that leave the plot rectangle, and the automatic range.

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "window/plot.h"
#include "scaling/auto_range.h"
#include "scaling/clip_segment.h"
#include "scaling/device_transform.h"
#include "scaling/layout_transform.h"

namespace {

constexpr int kPoints = 1'000'000;

void setPerPointCounter(benchmark::State& state)
{
    state.counters["ns_per_point"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kPoints / 1e9,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

struct Samples {
    std::vector<double> x;
    std::vector<double> y;
    Samples() : x(kPoints), y(kPoints)
    {
        for (int i = 0; i < kPoints; ++i) {
            x[i] = i * 0.001;
            y[i] = std::sin(i * 0.01) * 50.0;
        }
    }
};

void BM_WorldToDevice(benchmark::State& state)
{
    const Samples s;
    kvx::Plot plot("bench");
    plot.setClientSize(640, 480);
    plot.axes().setRange(0, 1000, -60, 60, false);
    kvx::layoutTransform(plot);
    std::vector<kvx::DoublePoint> out(kPoints);
    for (auto _ : state) {
        const kvx::DeviceTransform t = kvx::DeviceTransform::of(plot.view());
        for (int i = 0; i < kPoints; ++i) {
            out[i] = t.worldToDevice(s.x[i], s.y[i]);
        }
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    setPerPointCounter(state);
}
BENCHMARK(BM_WorldToDevice)->Unit(benchmark::kMillisecond);

void BM_ClipToPlotRect(benchmark::State& state)
{
    const Samples s;
    const kvx::DeviceRect rect{85, 40, 605, 405};
    for (auto _ : state) {
        int inside = 0;
        for (int i = 1; i < kPoints; ++i) {
            // Segments of about 4000 by 1000 pixels: most cross an edge.
            const kvx::Segment seg{s.x[i - 1] * 4.0 - 1000.0, s.y[i - 1] * 10.0 + 200.0, s.x[i] * 4.0 - 1000.0,
                                   -s.y[i] * 10.0 + 200.0};
            inside += kvx::clipToPlotRect(rect, seg).has_value() ? 1 : 0;
        }
        benchmark::DoNotOptimize(inside);
    }
    setPerPointCounter(state);
}
BENCHMARK(BM_ClipToPlotRect)->Unit(benchmark::kMillisecond);

void BM_AutoRangeXY(benchmark::State& state)
{
    const Samples s;
    kvx::Plot plot("bench");
    plot.addGraph();
    for (int i = 0; i < kPoints; ++i) plot.append(s.x[i], s.y[i], 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(kvx::autoRangeXY(plot));
    }
    setPerPointCounter(state);
}
BENCHMARK(BM_AutoRangeXY)->Unit(benchmark::kMillisecond);

// The segment fallback: no point lies in the band, every segment crosses it.
void BM_AutoRangeXFromSegments(benchmark::State& state)
{
    kvx::Plot plot("bench");
    plot.addGraph();
    for (int i = 0; i < kPoints; ++i) plot.append(i, (i & 1) ? 10.0 : -10.0, 1);
    for (auto _ : state) {
        plot.axes().setRange(-1, kPoints, -1, 1, false);
        benchmark::DoNotOptimize(kvx::autoRangeX(plot));
    }
    setPerPointCounter(state);
}
BENCHMARK(BM_AutoRangeXFromSegments)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
