#include "bench_support.h"

#include <fstream>
#include <string>

namespace kvx::bench {

namespace {

std::size_t statusKilobytes(const std::string& key)
{
    std::ifstream in("/proc/self/status");
    std::string line;
    while (std::getline(in, line)) {
        if (line.rfind(key + ":", 0) == 0) {
            return std::stoul(line.substr(key.size() + 1)) * 1024;
        }
    }
    return 0;
}

}  // namespace

std::size_t residentBytes()
{
    return statusKilobytes("VmRSS");
}

std::size_t peakResidentBytes()
{
    return statusKilobytes("VmHWM");
}

bool resetPeak()
{
    std::ofstream out("/proc/self/clear_refs");
    out << "5";
    out.flush();
    return static_cast<bool>(out);
}

}  // namespace kvx::bench
