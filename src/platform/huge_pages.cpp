#include "platform/huge_pages.h"

#include <cstdint>

#include <sys/mman.h>

namespace kvx {

void preferHugePages(void* block, std::size_t bytes)
{
    constexpr std::uintptr_t huge = std::uintptr_t{2} << 20;
    if (!block || bytes < 2 * huge) {
        return;
    }
    // Only whole huge pages inside the block; its edges may share pages with
    // other allocations.
    const auto start = reinterpret_cast<std::uintptr_t>(block);
    const std::uintptr_t first = (start + huge - 1) & ~(huge - 1);
    const std::uintptr_t last = (start + bytes) & ~(huge - 1);
    if (last > first) {
        // A kernel without transparent huge pages refuses; the block works as it is.
        ::madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
    }
}

}  // namespace kvx
