// End to end: `kurvex --export out.png` of a 1,000,000-line file of four
// columns and of a 10,000,000-line file of two columns ("%.16e" values).
// Reports the median wall time of a few runs and the peak resident memory
// of the process.
//
//   build/bench/bench_export [path/to/kurvex] [runs]

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// Writes `lines` lines of x and columns - 1 sine-like values.
std::size_t writeFile(const std::string& path, long lines, int columns)
{
    std::FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) {
        std::perror(path.c_str());
        std::exit(2);
    }
    std::vector<char> buffer(1 << 20);
    std::size_t used = 0;
    std::size_t total = 0;
    for (long i = 0; i < lines; ++i) {
        const double x = static_cast<double>(i) * 0.001;
        for (int c = 0; c < columns; ++c) {
            const double v = c == 0 ? x : std::sin(x * c) * (10.0 + c);
            char* p = buffer.data() + used;
            if (c > 0) *p++ = ' ';
            const auto r = std::to_chars(p, buffer.data() + buffer.size(), v, std::chars_format::scientific, 16);
            used = static_cast<std::size_t>(r.ptr - buffer.data());
        }
        buffer[used++] = '\n';
        if (used > buffer.size() - 256) {
            total += std::fwrite(buffer.data(), 1, used, f);
            used = 0;
        }
    }
    total += std::fwrite(buffer.data(), 1, used, f);
    std::fclose(f);
    return total;
}

struct Run {
    double seconds;
    long peakKilobytes;
    int status;
};

Run runOnce(const std::string& kurvex, const std::string& out, const std::string& data)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stderr);
        execl(kurvex.c_str(), kurvex.c_str(), "--export", out.c_str(), data.c_str(), static_cast<char*>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {seconds, usage.ru_maxrss, status};
}

void measure(const std::string& kurvex, const std::string& dir, long lines, int columns, int runs)
{
    const std::string data = dir + "/data_" + std::to_string(lines) + "x" + std::to_string(columns) + ".dat";
    const std::size_t bytes = writeFile(data, lines, columns);
    std::vector<double> times;
    long peak = 0;
    for (int i = 0; i < runs; ++i) {
        const Run r = runOnce(kurvex, dir + "/out.png", data);
        if (r.status != 0) {
            std::printf("kurvex failed with status %d\n", r.status);
            std::exit(1);
        }
        times.push_back(r.seconds);
        peak = std::max(peak, r.peakKilobytes);
    }
    std::sort(times.begin(), times.end());
    std::printf("%ld lines x %d columns (%.0f MB): median %.3f s (min %.3f s), peak memory %.1f MB\n", lines, columns,
                bytes / 1e6, times[times.size() / 2], times.front(), peak / 1024.0);
    std::filesystem::remove(data);
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string self = std::filesystem::canonical("/proc/self/exe").string();
    const std::string kurvex =
        argc > 1 ? argv[1] : (std::filesystem::path(self).parent_path().parent_path() / "kurvex").string();
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
    char pattern[] = "/tmp/kurvex-export-bench-XXXXXX";
    const char* dir = mkdtemp(pattern);
    if (!dir) {
        std::perror("mkdtemp");
        return 2;
    }
    measure(kurvex, dir, 1'000'000, 4, runs);
    measure(kurvex, dir, 10'000'000, 2, runs);
    std::filesystem::remove_all(dir);
    return 0;
}
