#pragma once
// Resizable raw blocks for the large point arrays, which grow in place where
// the allocator can (no copy, no second block at the peak).

#include <cstddef>

namespace kvx {

// With a null `block` allocates `bytes`; otherwise resizes the block to
// `bytes`, keeping its content up to the smaller size. Null on failure, in
// which case the old block is still valid.
void* resizeBlock(void* block, std::size_t bytes);

// Releases a block of resizeBlock; null is allowed.
void freeBlock(void* block);

}  // namespace kvx
