#pragma once
// Asking the system to back a large block of memory with huge pages, so that
// filling it costs a page fault per 2 MB instead of one per 4 KB.

#include <cstddef>

namespace kvx {

// Advice only: pages of the block that are never touched stay unbacked.
// Blocks below a few megabytes are left alone.
void preferHugePages(void* block, std::size_t bytes);

}  // namespace kvx
