#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/compare_no_case.h"
#include "app/heap_block.h"
#include "app/run_state.h"

namespace kvx {
namespace {

TEST(CompareNoCase, LowersBothTextsAndComparesUnsignedBytes)
{
    EXPECT_EQ(compareNoCase("PLT", "plt"), 0);
    EXPECT_EQ(compareNoCase("dat", "plt"), -1);
    EXPECT_EQ(compareNoCase("plt", "DAT"), 1);
    EXPECT_EQ(compareNoCase("ses", "SESx"), -1);
    EXPECT_EQ(compareNoCase("", ""), 0);
    // Letters are lowered before comparing: "_" (0x5F) lies between the two cases.
    EXPECT_EQ(compareNoCase("A", "_"), 1);
    // Bytes above 127 compare as unsigned, after every ASCII character.
    EXPECT_EQ(compareNoCase("\xC3\xA4", "z"), 1);
    EXPECT_EQ(compareNoCase("\xC3\x84", "\xC3\xA4"), -1);  // only ASCII letters are lowered
}

TEST(HeapBlock, ResizeKeepsTheContentUpToTheSmallerSize)
{
    auto* block = static_cast<char*>(resizeBlock(nullptr, 50));
    ASSERT_NE(block, nullptr);
    std::memcpy(block, "0123456789", 10);
    block = static_cast<char*>(resizeBlock(block, 1 << 20));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(std::string(block, 10), "0123456789");
    block = static_cast<char*>(resizeBlock(block, 4));
    ASSERT_NE(block, nullptr);
    EXPECT_EQ(std::string(block, 4), "0123");
    freeBlock(block);
    freeBlock(nullptr);
}

TEST(HeapBlock, FailureIsNullAndKeepsTheOldBlock)
{
    auto* block = static_cast<char*>(resizeBlock(nullptr, 8));
    ASSERT_NE(block, nullptr);
    block[0] = 'k';
    volatile std::size_t impossible = static_cast<std::size_t>(-1) / 2;
    EXPECT_EQ(resizeBlock(block, impossible), nullptr);
    EXPECT_EQ(block[0], 'k');
    freeBlock(block);
}

TEST(RunState, StartsRunningAndTakesTheThreeValues)
{
    EXPECT_EQ(runState(), RUN_RUNNING);
    setRunState(RUN_BREAK);
    EXPECT_EQ(runState(), 1402);
    setRunState(RUN_QUIT);
    EXPECT_EQ(runState(), 1403);
    setRunState(RUN_RUNNING);
    EXPECT_EQ(runState(), 1401);
}

}  // namespace
}  // namespace kvx
