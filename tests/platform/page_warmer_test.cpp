#include "platform/page_warmer.h"

#include <gtest/gtest.h>

#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

namespace kvx {
namespace {

std::size_t residentPages(void* block, std::size_t bytes)
{
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    std::vector<unsigned char> state((bytes + page - 1) / page);
    if (::mincore(block, bytes, state.data()) != 0) {
        return 0;
    }
    std::size_t resident = 0;
    for (const unsigned char s : state) {
        resident += s & 1;
    }
    return resident;
}

// The warmer faults the pages in while their owner writes some of them,
// and leaves what the owner wrote as it was.
TEST(PageWarmerTest, FaultsInAQueuedBlockWithoutTouchingItsContent)
{
    const std::size_t bytes = std::size_t{8} << 20;
    const auto page = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    void* mapped = ::mmap(nullptr, bytes, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(mapped, MAP_FAILED);
    auto* block = static_cast<unsigned char*>(mapped);
#ifndef MADV_POPULATE_WRITE
    constexpr int MADV_POPULATE_WRITE = 23;
#endif
    if (::madvise(block + bytes - page, page, MADV_POPULATE_WRITE) != 0 && errno == EINVAL) {
        ::munmap(mapped, bytes);
        GTEST_SKIP() << "the kernel cannot fault pages in unseen (before Linux 5.14)";
    }
    PageWarmer& warmer = PageWarmer::instance();
    const int owner = 0;
    warmer.warm(&owner, block, bytes);
    for (std::size_t i = 0; i < bytes; i += 3 * page) {
        block[i] = 7;
    }
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (residentPages(block, bytes) < bytes / page && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    warmer.forget(&owner);
    EXPECT_EQ(residentPages(block, bytes), bytes / page);
    for (std::size_t i = 0; i < bytes; i += page) {
        ASSERT_EQ(block[i], i % (3 * page) == 0 ? 7 : 0) << i;
    }
    ::munmap(mapped, bytes);
}

}  // namespace
}  // namespace kvx
