// Reading and writing data files: throughput in MB/s of reading a 1,000,000-
// line file of 4 columns in XYY (and in every other read mode, with
// attribute columns where the mode has them), of reading a 10,000,000-line file of 2
// columns with the peak memory against the 17 bytes per point (x, y,
// attribute) that the data need, and of writing the 1,000,000-line plot back.
// The files are made in a temporary folder that is removed at the end.

#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "bench_support.h"
#include "files/data_file_reader.h"
#include "files/data_file_writer.h"
#include "window/plot.h"
#include "settings/keywords.h"

namespace {

constexpr double kBytesPerPoint = 17.0;

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "kurvex-bench-XXXXXX").string();
        if (mkdtemp(pattern.data())) {
            path_ = pattern;
        }
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

ScratchFolder& scratch()
{
    static ScratchFolder folder;
    return folder;
}

// `lines` lines of `columns` values as "%.16e" gives them, separated by
// `separator`; the first column counts up, the others wander. With
// `timeStamps` the first column is an ISO time stamp a second apart. The
// columns marked 'a' in `attributes` hold point attributes instead: mostly
// 0, now and then 1 (a new line) or 2 (an isolated point).
std::string makeFile(const std::string& name, long lines, int columns, char separator = ' ',
                     bool timeStamps = false, std::string_view attributes = {})
{
    const std::string path = scratch().file(name);
    if (std::filesystem::exists(path)) {
        return path;
    }
    std::FILE* out = std::fopen(path.c_str(), "wb");
    std::vector<char> line(static_cast<std::size_t>(columns) * 32 + 2);
    for (long i = 0; i < lines && out; ++i) {
        char* p = line.data();
        for (int c = 0; c < columns; ++c) {
            const double v = c == 0 ? i * 1e-3 : std::sin(i * 1e-4 * c) * 1000.0 + c;
            if (static_cast<std::size_t>(c) < attributes.size() && attributes[static_cast<std::size_t>(c)] == 'a') {
                *p++ = i % 1000 == 999 ? '1' : i % 997 == 5 ? '2' : '0';
            } else if (c == 0 && timeStamps) {
                const long s = 1796685326 % 86400 + i;
                p += std::snprintf(p, 32, "%04ld-12-%02ldT%02ld:%02ld:%02ld", 2026 + s / (86400 * 31),
                                   1 + s / 86400 % 31, s / 3600 % 24, s / 60 % 60, s % 60);
            } else {
                p = std::to_chars(p, line.data() + line.size(), v, std::chars_format::scientific, 16).ptr;
            }
            *p++ = c + 1 < columns ? separator : '\n';
        }
        std::fwrite(line.data(), 1, static_cast<std::size_t>(p - line.data()), out);
    }
    if (out) {
        std::fclose(out);
    }
    return path;
}

double megabytes(const std::string& path)
{
    return static_cast<double>(std::filesystem::file_size(path)) / 1e6;
}

// Megabytes per second of wall-clock time over all iterations.
benchmark::Counter rate(double megabytesPerIteration, const benchmark::State& state)
{
    return benchmark::Counter(megabytesPerIteration * static_cast<double>(state.iterations()),
                              benchmark::Counter::kIsRate);
}

// Reads `path` in `mode` once per iteration; the plot's destruction is no
// part of reading.
void readRepeatedly(benchmark::State& state, const std::string& path, int16_t mode)
{
    for (auto _ : state) {
        auto plot = std::make_unique<kvx::Plot>("Bench");
        plot->files().readMode = mode;
        kvx::readData(*plot, path, 1);
        benchmark::DoNotOptimize(plot->graph(1).yData());
        state.PauseTiming();
        plot.reset();
        state.ResumeTiming();
    }
    state.counters["file_MB"] = megabytes(path);
    state.counters["MB_per_s"] = rate(megabytes(path), state);
}

void BM_ReadOneMillionLinesFourColumns(benchmark::State& state)
{
    readRepeatedly(state, makeFile("xyyy.dat", 1'000'000, 4), kvx::XYY);
}
BENCHMARK(BM_ReadOneMillionLinesFourColumns)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

// The other read modes, on files of about the same size: XYXY and YY on the
// same file (in YY x is the line number), XYAXYA with two graphs of x, y and attribute,
// XYAYA with three graphs of y and attribute sharing x.
void BM_ReadOneMillionLinesXYXY(benchmark::State& state)
{
    readRepeatedly(state, makeFile("xyyy.dat", 1'000'000, 4), kvx::XYXY);
}
BENCHMARK(BM_ReadOneMillionLinesXYXY)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
void BM_ReadOneMillionLinesYY(benchmark::State& state)
{
    readRepeatedly(state, makeFile("xyyy.dat", 1'000'000, 4), kvx::YY);
}
BENCHMARK(BM_ReadOneMillionLinesYY)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
void BM_ReadOneMillionLinesXYAXYA(benchmark::State& state)
{
    readRepeatedly(state, makeFile("xyaxya.dat", 1'000'000, 6, ' ', false, "..a..a"), kvx::XYAXYA);
}
BENCHMARK(BM_ReadOneMillionLinesXYAXYA)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
void BM_ReadOneMillionLinesXYAYA(benchmark::State& state)
{
    readRepeatedly(state, makeFile("xyayaya.dat", 1'000'000, 7, ' ', false, "..a.a.a"), kvx::XYAYA);
}
BENCHMARK(BM_ReadOneMillionLinesXYAYA)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

// The numbers of BM_ReadOneMillionLinesFourColumns as a comma-separated
// table, and the same with ISO time stamps for x, read as tables.
void BM_ReadOneMillionRowsTable(benchmark::State& state)
{
    readRepeatedly(state, makeFile("xyyy.csv", 1'000'000, 4, ','), kvx::COLUMNS);
}
BENCHMARK(BM_ReadOneMillionRowsTable)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();
void BM_ReadOneMillionRowsTableWithTimeStamps(benchmark::State& state)
{
    readRepeatedly(state, makeFile("times.csv", 1'000'000, 4, ',', true), kvx::COLUMNS);
}
BENCHMARK(BM_ReadOneMillionRowsTableWithTimeStamps)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

void BM_ReadTenMillionLinesTwoColumns(benchmark::State& state)
{
    constexpr long kLines = 10'000'000;
    const std::string path = makeFile("xy.dat", kLines, 2);
    double peakRatio = 0.0;
    for (auto _ : state) {
        state.PauseTiming();
        kvx::bench::resetPeak();
        const auto before = kvx::bench::residentBytes();
        state.ResumeTiming();

        auto plot = std::make_unique<kvx::Plot>("Bench");
        plot->files().readMode = kvx::XYY;
        kvx::readData(*plot, path, 1);
        benchmark::DoNotOptimize(plot->graph(1).yData());

        state.PauseTiming();
        const auto peak = kvx::bench::peakResidentBytes();
        const double ratio = static_cast<double>(peak - before) / (kLines * kBytesPerPoint);
        peakRatio = ratio > peakRatio ? ratio : peakRatio;
        plot.reset();
        state.ResumeTiming();
    }
    state.counters["file_MB"] = megabytes(path);
    state.counters["MB_per_s"] = rate(megabytes(path), state);
    state.counters["peak_vs_data"] = peakRatio;
    state.counters["peak_MB"] = peakRatio * kLines * kBytesPerPoint / 1e6;
}
BENCHMARK(BM_ReadTenMillionLinesTwoColumns)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2)
    ->UseRealTime();

void BM_WriteOneMillionLines(benchmark::State& state)
{
    kvx::Plot plot("Bench");
    plot.files().readMode = kvx::XYY;
    kvx::readData(plot, makeFile("xyyy.dat", 1'000'000, 4), 1);
    const std::string out = scratch().file("written.dat");
    bool ok = true;
    for (auto _ : state) {
        ok = kvx::writeData(plot, out) && ok;
    }
    if (!ok) {
        state.SkipWithError("writeData failed");
        return;
    }
    state.counters["file_MB"] = megabytes(out);
    state.counters["MB_per_s"] = rate(megabytes(out), state);
}
BENCHMARK(BM_WriteOneMillionLines)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(5)
    ->UseRealTime();

}  // namespace

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
