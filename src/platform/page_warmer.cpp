#include "platform/page_warmer.h"

#include <cerrno>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <system_error>
#include <thread>

#include <sys/mman.h>

namespace kvx {

namespace {

#ifdef MADV_POPULATE_WRITE
constexpr int populateWrite = MADV_POPULATE_WRITE;
#else
constexpr int populateWrite = 23;  // Linux 5.14
#endif

// Pages are faulted in this many bytes at a time, so that forget() waits
// for no more than one such step.
constexpr std::size_t stepBytes = std::size_t{2} << 20;

struct Range {
    const void* owner;
    char* start;
    std::size_t bytes;
};

}  // namespace

struct PageWarmer::State {
    std::mutex mutex;
    std::condition_variable changed;
    std::deque<Range> queue;
    const void* busyWith = nullptr;  // the owner of the step under way
    bool unsupported = false;
    std::thread thread;
};

PageWarmer& PageWarmer::instance()
{
    // Never destroyed: graphs may release their blocks while the program ends.
    static PageWarmer* const warmer = new PageWarmer;
    return *warmer;
}

void PageWarmer::warm(const void* owner, void* start, std::size_t bytes)
{
    if (!start || bytes == 0) {
        return;
    }
    {
        const std::lock_guard lock(state_->mutex);
        if (!state_->thread.joinable() && !state_->unsupported) {
            // Started under the lock: graphs on two threads may ask at once.
            try {
                state_->thread = std::thread([this] { run(); });
            } catch (const std::system_error&) {
                state_->unsupported = true;
            }
        }
        if (state_->unsupported) {
            return;
        }
        state_->queue.push_back({owner, static_cast<char*>(start), bytes});
    }
    state_->changed.notify_all();
}

PageWarmer::PageWarmer() : state_(new State) {}

void PageWarmer::forget(const void* owner)
{
    std::unique_lock lock(state_->mutex);
    std::erase_if(state_->queue, [owner](const Range& r) { return r.owner == owner; });
    state_->changed.wait(lock, [&] { return state_->busyWith != owner; });
}

void PageWarmer::run()
{
    State& s = *state_;
    std::unique_lock lock(s.mutex);
    for (;;) {
        s.changed.wait(lock, [&] { return !s.queue.empty(); });
        Range& front = s.queue.front();
        const std::size_t bytes = front.bytes < stepBytes ? front.bytes : stepBytes;
        char* const start = front.start;
        s.busyWith = front.owner;
        front.start += bytes;
        front.bytes -= bytes;
        if (front.bytes == 0) {
            s.queue.pop_front();
        }
        lock.unlock();
        // Whole pages only: the edges may belong to other blocks.
        constexpr std::uintptr_t page = 4096;
        const auto first = (reinterpret_cast<std::uintptr_t>(start) + page - 1) & ~(page - 1);
        const auto last = (reinterpret_cast<std::uintptr_t>(start) + bytes) & ~(page - 1);
        bool refused = false;
        if (last > first) {
            refused = ::madvise(reinterpret_cast<void*>(first), last - first, populateWrite) != 0 && errno == EINVAL;
        }
        lock.lock();
        s.busyWith = nullptr;
        if (refused) {
            s.unsupported = true;  // an older kernel: nothing more is queued
            s.queue.clear();
        }
        s.changed.notify_all();
    }
}

}  // namespace kvx
