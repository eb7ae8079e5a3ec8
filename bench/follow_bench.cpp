// Following a data file that a logger appends to: how many lines a second
// one plot takes in (each update reading what one 20 ms burst of a writer at
// 100,000 lines a second appended, as the desktop's file watch gathers
// them), and, against a real writer thread at 100,000 lines a second, the
// CPU the following costs and how far behind it is when the writer stops.
// Drawing is left out: the window draws only what the new points add.

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <thread>

#include <unistd.h>

#include "files/data_follower.h"
#include "scaling/auto_range.h"
#include "window/plot.h"
#include "settings/keywords.h"

namespace {

constexpr long linesPerSecond = 100000;
constexpr long linesPerBurst = linesPerSecond / 50;  // 20 ms of writing

std::string scratchFile()
{
    std::string pattern = (std::filesystem::temp_directory_path() / "kurvex-follow-XXXXXX").string();
    const int fd = mkstemp(pattern.data());
    if (fd >= 0) {
        ::close(fd);
    }
    return pattern;
}

// `count` lines of a logger: time and two channels.
std::string loggerLines(long first, long count)
{
    std::string text;
    char line[96];
    for (long i = first; i < first + count; ++i) {
        const int n = std::snprintf(line, sizeof line, "%.6f %.5f %.5f\n", static_cast<double>(i) * 1e-5,
                                    static_cast<double>(i % 1000) * 0.01, static_cast<double>(i % 777) * -0.02);
        text.append(line, static_cast<std::size_t>(n));
    }
    return text;
}

double threadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// One update per burst of appended lines; items are lines.
void BM_FollowBursts(benchmark::State& state)
{
    const std::string path = scratchFile();
    kvx::Plot plot("Follow");
    kvx::DataFollower follower(path, 1, kvx::XYY);
    follower.update(plot);
    long written = 0;
    std::FILE* out = std::fopen(path.c_str(), "ab");
    for (auto _ : state) {
        state.PauseTiming();
        const std::string burst = loggerLines(written, linesPerBurst);
        std::fwrite(burst.data(), 1, burst.size(), out);
        std::fflush(out);
        written += linesPerBurst;
        state.ResumeTiming();
        follower.update(plot);
    }
    std::fclose(out);
    state.SetItemsProcessed(written);
    state.counters["points"] = plot.graph(1).numPoints();
    std::filesystem::remove(path);
}
BENCHMARK(BM_FollowBursts)->Unit(benchmark::kMicrosecond);

// A thousand rows onto graphs of ten million points, with the automatic
// range and ticks that a followed plot takes after each update: the cost
// should be that of the new rows, not of the points already there.
void BM_FollowThousandRowsOntoTenMillionPoints(benchmark::State& state)
{
    const std::string path = scratchFile();
    kvx::Plot plot("Follow");
    const std::string start = loggerLines(0, 1);
    std::FILE* out = std::fopen(path.c_str(), "wb");
    std::fwrite(start.data(), 1, start.size(), out);
    std::fflush(out);
    kvx::DataFollower follower(path, 1, kvx::XYY);
    follower.update(plot);
    for (kvx::Graph& g : plot.graphs()) {
        for (int i = 0; i < 10'000'000; ++i) {
            g.append(i * 1e-5, (i % 1000) * 0.01);
        }
    }
    long written = 1;
    for (auto _ : state) {
        state.PauseTiming();
        const std::string burst = loggerLines(written, 1000);
        std::fwrite(burst.data(), 1, burst.size(), out);
        std::fflush(out);
        written += 1000;
        state.ResumeTiming();
        follower.update(plot);
        kvx::autoRangeXY(plot);
        plot.axes().autoTicks(false);
    }
    std::fclose(out);
    state.counters["points"] = plot.graph(1).numPoints();
    std::filesystem::remove(path);
}
BENCHMARK(BM_FollowThousandRowsOntoTenMillionPoints)->Unit(benchmark::kMillisecond)->Iterations(200);

// A writer thread appends 100,000 lines a second for two seconds; the
// follower looks every 20 ms. Reports the follower's CPU share and the
// lines still unread when the writer stopped.
void BM_FollowWriterAt100kLinesPerSecond(benchmark::State& state)
{
    constexpr int seconds = 2;
    for (auto _ : state) {
        const std::string path = scratchFile();
        kvx::Plot plot("Follow");
        kvx::DataFollower follower(path, 1, kvx::XYY);
        follower.update(plot);
        std::atomic<bool> done{false};
        std::thread writer([&] {
            std::FILE* out = std::fopen(path.c_str(), "ab");
            const auto start = std::chrono::steady_clock::now();
            for (long burst = 0; burst < seconds * 50; ++burst) {
                const std::string text = loggerLines(burst * linesPerBurst, linesPerBurst);
                std::fwrite(text.data(), 1, text.size(), out);
                std::fflush(out);
                std::this_thread::sleep_until(start + std::chrono::milliseconds(20 * (burst + 1)));
            }
            std::fclose(out);
            done = true;
        });
        const double cpuBefore = threadCpuSeconds();
        const auto wallBefore = std::chrono::steady_clock::now();
        while (!done) {
            follower.update(plot);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        const long behind = seconds * linesPerSecond - plot.graph(1).numPoints();
        const double cpu = threadCpuSeconds() - cpuBefore;
        const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
        writer.join();
        follower.update(plot);
        state.counters["cpu_share"] = cpu / wall;
        state.counters["lines_behind_at_stop"] = static_cast<double>(behind);
        state.counters["points_at_end"] = plot.graph(1).numPoints();
        std::filesystem::remove(path);
    }
}
BENCHMARK(BM_FollowWriterAt100kLinesPerSecond)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
