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

#include <type_traits>

namespace kvx {

// An owned array of plain values in one resizable block. Growth keeps the
// values; a failed allocation is error 20, which ends the program.
template <typename T>
class HeapArray {
    static_assert(std::is_trivially_copyable_v<T>);

public:
    HeapArray() = default;
    explicit HeapArray(std::size_t count) { resize(count); }
    ~HeapArray() { freeBlock(data_); }
    HeapArray(const HeapArray&) = delete;
    HeapArray& operator=(const HeapArray&) = delete;
    HeapArray(HeapArray&& other) noexcept : data_(other.data_) { other.data_ = nullptr; }
    HeapArray& operator=(HeapArray&& other) noexcept
    {
        if (this != &other) {
            freeBlock(data_);
            data_ = other.data_;
            other.data_ = nullptr;
        }
        return *this;
    }

    // New elements are not initialised.
    void resize(std::size_t count);
    void release()
    {
        freeBlock(data_);
        data_ = nullptr;
    }

    T* data() { return data_; }
    const T* data() const { return data_; }
    T& operator[](std::size_t i) { return data_[i]; }
    const T& operator[](std::size_t i) const { return data_[i]; }

private:
    T* data_ = nullptr;
};

// Error 20; lives with the error table.
[[noreturn]] void reportOutOfMemory();

template <typename T>
void HeapArray<T>::resize(std::size_t count)
{
    if (count > static_cast<std::size_t>(-1) / sizeof(T)) {
        reportOutOfMemory();
    }
    void* block = resizeBlock(data_, count * sizeof(T));
    if (!block) {
        reportOutOfMemory();
    }
    data_ = static_cast<T*>(block);
}

}  // namespace kvx
