#pragma once
// Faults in, on a thread of its own, the pages of a large block that is
// about to be filled, so that the kernel's zeroing of fresh pages runs
// beside the work that fills them instead of inside it. The pages' content
// is never touched: a range that its owner writes meanwhile, or that was
// released before its turn came, comes to no harm.

#include <cstddef>

namespace kvx {

class PageWarmer {
public:
    // The one warmer of the process; its thread starts with the first request.
    static PageWarmer& instance();

    // Queues the pages of [start, start + bytes) for `owner`. Without a
    // system call that faults in pages unseen (before Linux 5.14), or
    // without a thread to be had, nothing happens.
    void warm(const void* owner, void* start, std::size_t bytes);
    // Drops the ranges queued for `owner` and waits until none of them is
    // being worked on: before its block is moved or released.
    void forget(const void* owner);

    PageWarmer(const PageWarmer&) = delete;
    PageWarmer& operator=(const PageWarmer&) = delete;

private:
    PageWarmer();
    void run();

    struct State;
    State* const state_;
};

}  // namespace kvx
