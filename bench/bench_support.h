#pragma once
// Small measurements that the benchmarks share.

#include <cstddef>

namespace kvx::bench {

// The process's resident memory now and at its peak (VmRSS, VmHWM), in bytes.
std::size_t residentBytes();
std::size_t peakResidentBytes();

// Starts a new peak measurement (writes 5 to /proc/self/clear_refs).
// False when the kernel does not allow it.
bool resetPeak();

}  // namespace kvx::bench
