// Appending 10 million points to one graph: time per point and the peak
// memory against the 17 bytes per point (x, y, attribute) that the data need.

#include <benchmark/benchmark.h>

#include <cmath>

#include "bench_support.h"
#include "model/graph.h"

namespace {

constexpr int kPoints = 10'000'000;
constexpr double kBytesPerPoint = 17.0;

void BM_AppendTenMillionPoints(benchmark::State& state)
{
    double peakRatio = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        kvx::bench::resetPeak();
        const auto before = kvx::bench::residentBytes();
        state.ResumeTiming();

        kvx::Graph g(1);
        for (int i = 0; i < kPoints; ++i) {
            g.append(i * 0.001, static_cast<double>(i & 1023));
        }
        benchmark::DoNotOptimize(g.yData());

        state.PauseTiming();
        const auto peak = kvx::bench::peakResidentBytes();
        const double ratio = static_cast<double>(peak - before) / (kPoints * kBytesPerPoint);
        peakRatio = ratio > peakRatio ? ratio : peakRatio;
        state.ResumeTiming();
    }
    // Seconds per point, shown in nanoseconds.
    state.counters["ns_per_point"] = benchmark::Counter(
        static_cast<double>(state.iterations()) * kPoints / 1e9,
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.counters["peak_vs_data"] = peakRatio;
    state.counters["peak_MB"] = peakRatio * kPoints * kBytesPerPoint / 1e6;
}
BENCHMARK(BM_AppendTenMillionPoints)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
