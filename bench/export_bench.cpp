// End to end: `kurvex --export out.png` of a 1,000,000-line file of four
// columns and of a 10,000,000-line file of two columns ("%.16e" values).
// Reports the median wall time of a few runs and the peak resident memory
// of the process, beside the floor of any reader: a bare loop of
// std::from_chars over the file's numbers (the file mapped into memory), and
// beside `gracebat` drawing the same file to PNG when it is installed.
//
//   build/bench/bench_export [path/to/kurvex] [runs]
//
// With --print: `--print-to` of the 10,000,000-line file beside `--export`
// to PNG and to PDF, for each program given (runs taken in turn, so that
// the programs share the machine's moods), with the ratios to the PNG.
//
//   build/bench/bench_export --print [runs] path/to/kurvex...
//
// With --memory: peak resident memory per point and the time to the PNG of
// a 10,000,000-line file of two columns, and with --huge also of a
// 100,000,000-line one (4.6 GB of text, written to --dir or a temporary
// folder and removed afterwards), for each program given (runs taken in
// turn), beside the bare loop over the same file.
//
//   build/bench/bench_export --memory [--huge] [--dir DIR] [runs] path/to/kurvex...

#include <fcntl.h>
#include <sys/mman.h>
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

double medianOf(std::vector<double> times)
{
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// Maps the file and converts every number in it: what no reader can beat.
double bareParseSeconds(const std::string& path, double& sum)
{
    const auto start = std::chrono::steady_clock::now();
    const int fd = open(path.c_str(), O_RDONLY);
    const std::size_t size = std::filesystem::file_size(path);
    void* mapped = fd < 0 ? MAP_FAILED : mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
    if (mapped == MAP_FAILED) {
        std::perror(path.c_str());
        std::exit(2);
    }
    const char* text = static_cast<const char*>(mapped);
    const char* p = text;
    const char* end = p + size;
    while (p < end) {
        while (p < end && (*p == ' ' || *p == '\n' || *p == '\t' || *p == '\r')) {
            ++p;
        }
        double v = 0.0;
        const auto r = std::from_chars(p, end, v);
        if (r.ec != std::errc()) {
            ++p;
            continue;
        }
        sum += v;
        p = r.ptr;
    }
    munmap(mapped, size);
    close(fd);
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

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

// Runs `argv` with standard error silenced; its wall time, peak memory and status.
Run runOnce(const std::vector<std::string>& argv)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        std::freopen("/dev/null", "w", stderr);
        std::vector<char*> args;
        for (const std::string& a : argv) {
            args.push_back(const_cast<char*>(a.c_str()));
        }
        args.push_back(nullptr);
        execvp(args[0], args.data());
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return {seconds, usage.ru_maxrss, status};
}

// The median time and the peak memory of `runs` runs; nothing when the
// program is missing or fails.
bool timeRuns(const std::vector<std::string>& argv, int runs, double& median, long& peak)
{
    std::vector<double> times;
    peak = 0;
    for (int i = 0; i < runs; ++i) {
        const Run r = runOnce(argv);
        if (r.status != 0) {
            return false;
        }
        times.push_back(r.seconds);
        peak = std::max(peak, r.peakKilobytes);
    }
    median = medianOf(times);
    return true;
}

void measure(const std::string& kurvex, const std::string& dir, long lines, int columns, int runs)
{
    const std::string data = dir + "/data_" + std::to_string(lines) + "x" + std::to_string(columns) + ".dat";
    const std::size_t bytes = writeFile(data, lines, columns);
    std::printf("%ld lines x %d columns (%.0f MB):\n", lines, columns, bytes / 1e6);
    double kurvexTime = 0.0;
    long peak = 0;
    if (!timeRuns({kurvex, "--export", dir + "/out.png", data}, runs, kurvexTime, peak)) {
        std::printf("kurvex failed\n");
        std::exit(1);
    }
    std::printf("  kurvex --export PNG  median %.3f s, peak memory %.1f MB\n", kurvexTime, peak / 1024.0);

    std::vector<double> parses;
    double sum = 0.0;
    for (int i = 0; i < runs; ++i) {
        parses.push_back(bareParseSeconds(data, sum));
    }
    const double parse = medianOf(parses);
    std::printf("  bare from_chars loop median %.3f s (kurvex %.2fx; checksum %g)\n", parse, kurvexTime / parse, sum);

    double graceTime = 0.0;
    if (timeRuns({"gracebat", "-nxy", data, "-hdevice", "PNG", "-printfile", dir + "/grace.png"}, runs, graceTime,
                 peak)) {
        std::printf("  gracebat PNG         median %.3f s, peak memory %.1f MB (kurvex %.2fx faster)\n", graceTime,
                    peak / 1024.0, graceTime / kurvexTime);
    } else {
        std::printf("  gracebat             not installed or failed\n");
    }
    std::filesystem::remove(data);
}

struct Job {
    const char* name;
    std::vector<std::string> argv;
    std::vector<double> times;
    long peak = 0;
};

// --print-to against --export for each program, the runs of all jobs in turn.
void measurePrint(const std::vector<std::string>& programs, const std::string& dir, int runs)
{
    const long lines = 10'000'000;
    const std::string data = dir + "/data_print.dat";
    const std::size_t bytes = writeFile(data, lines, 2);
    std::printf("%ld lines x 2 columns (%.0f MB), median of %d:\n", lines, bytes / 1e6, runs);
    std::vector<std::vector<Job>> jobs;
    for (const std::string& kurvex : programs) {
        jobs.push_back({{"--export PNG", {kurvex, "--export", dir + "/out.png", data}},
                        {"--export PDF", {kurvex, "--export", dir + "/out.pdf", data}},
                        {"--print-to", {kurvex, "--print-to", dir + "/print.pdf", data}}});
    }
    for (int i = 0; i < runs; ++i) {
        for (std::vector<Job>& programJobs : jobs) {
            for (Job& job : programJobs) {
                const Run r = runOnce(job.argv);
                if (r.status != 0) {
                    std::printf("%s %s failed\n", job.argv[0].c_str(), job.name);
                    std::exit(1);
                }
                job.times.push_back(r.seconds);
                job.peak = std::max(job.peak, r.peakKilobytes);
            }
        }
    }
    for (size_t p = 0; p < programs.size(); ++p) {
        std::printf("  %s\n", programs[p].c_str());
        const Job& png = jobs[p][0];
        for (const Job& job : jobs[p]) {
            std::printf("    %-13s median %.3f s, peak %.1f MB (%.2fx the PNG's time, %.2fx its memory)\n", job.name,
                        medianOf(job.times), job.peak / 1024.0, medianOf(job.times) / medianOf(png.times),
                        static_cast<double>(job.peak) / png.peak);
        }
    }
    std::filesystem::remove(data);
}

// Peak memory per point and time against the bare loop, for each program
// on the same file, the runs of the programs in turn.
void measureMemory(const std::vector<std::string>& programs, const std::string& dir, long lines, int runs)
{
    const std::string data = dir + "/data_memory_" + std::to_string(lines) + ".dat";
    const std::size_t bytes = writeFile(data, lines, 2);
    std::printf("%ld lines x 2 columns (%.0f MB), median of %d:\n", lines, bytes / 1e6, runs);
    std::vector<Job> jobs;
    for (const std::string& kurvex : programs) {
        jobs.push_back({"--export PNG", {kurvex, "--export", dir + "/out.png", data}, {}, 0});
    }
    std::vector<double> parses;
    double sum = 0.0;
    for (int i = 0; i < runs; ++i) {
        for (Job& job : jobs) {
            const Run r = runOnce(job.argv);
            if (r.status != 0) {
                std::printf("%s failed\n", job.argv[0].c_str());
                std::exit(1);
            }
            job.times.push_back(r.seconds);
            job.peak = std::max(job.peak, r.peakKilobytes);
        }
        parses.push_back(bareParseSeconds(data, sum));
    }
    const double parse = medianOf(parses);
    std::printf("  bare from_chars loop median %.3f s (checksum %g)\n", parse, sum);
    for (const Job& job : jobs) {
        const double seconds = medianOf(job.times);
        std::printf("  %s\n    median %.3f s (%.2fx the bare loop), peak %.1f MB, %.2f bytes a point\n",
                    job.argv[0].c_str(), seconds, seconds / parse, job.peak / 1024.0,
                    job.peak * 1024.0 / static_cast<double>(lines));
    }
    std::filesystem::remove(data);
}

std::string temporaryFolder(const std::string& parent)
{
    std::string pattern = parent + "/kurvex-memory-bench-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    return pattern;
}

int memoryMain(int argc, char** argv)
{
    bool huge = false;
    std::string parent = "/tmp";
    int i = 2;
    for (; i < argc && argv[i][0] == '-'; ++i) {
        if (std::string(argv[i]) == "--huge") {
            huge = true;
        } else if (std::string(argv[i]) == "--dir" && i + 1 < argc) {
            parent = argv[++i];
        } else {
            break;
        }
    }
    const int runs = i < argc ? std::atoi(argv[i++]) : 0;
    const std::vector<std::string> programs(argv + i, argv + argc);
    if (programs.empty() || runs < 1) {
        std::fprintf(stderr, "usage: bench_export --memory [--huge] [--dir DIR] RUNS KURVEX...\n");
        return 2;
    }
    const std::string dir = temporaryFolder(parent);
    measureMemory(programs, dir, 10'000'000, runs);
    if (huge) {
        measureMemory(programs, dir, 100'000'000, runs);
    }
    std::filesystem::remove_all(dir);
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 1 && std::string(argv[1]) == "--memory") {
        return memoryMain(argc, argv);
    }
    if (argc > 1 && std::string(argv[1]) == "--print") {
        const int runs = argc > 2 ? std::atoi(argv[2]) : 5;
        std::vector<std::string> programs(argv + std::min(argc, 3), argv + argc);
        if (programs.empty() || runs < 1) {
            std::fprintf(stderr, "usage: bench_export --print RUNS KURVEX...\n");
            return 2;
        }
        char pattern[] = "/tmp/kurvex-print-bench-XXXXXX";
        const char* dir = mkdtemp(pattern);
        if (!dir) {
            std::perror("mkdtemp");
            return 2;
        }
        measurePrint(programs, dir, runs);
        std::filesystem::remove_all(dir);
        return 0;
    }
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
