#include "app/heap_block.h"

#include <cstdlib>

namespace kvx {

void* resizeBlock(void* block, std::size_t bytes)
{
    // A zero-byte request still yields a usable, distinct block.
    return std::realloc(block, bytes == 0 ? 1 : bytes);
}

void freeBlock(void* block)
{
    std::free(block);
}

}  // namespace kvx
