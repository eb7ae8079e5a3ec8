#include "app/heap_block.h"

#include <cstdlib>

#include "platform/huge_pages.h"

namespace kvx {

void* resizeBlock(void* block, std::size_t bytes)
{
    // A zero-byte request still yields a usable, distinct block.
    void* resized = std::realloc(block, bytes == 0 ? 1 : bytes);
    // The point arrays of large files are filled page after page right away.
    preferHugePages(resized, bytes);
    return resized;
}

void freeBlock(void* block)
{
    std::free(block);
}

}  // namespace kvx
