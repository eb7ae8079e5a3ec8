#include "files/row_batches.h"

#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "app/errors.h"

namespace kvx {
namespace {

constexpr int lineCount = 700000;  // about 9 MB: three batches

std::string numberedLines()
{
    std::string text;
    for (int i = 0; i < lineCount; ++i) {
        text += std::to_string(i) + ' ' + std::to_string(2 * i) + '\n';
    }
    return text;
}

RowParser twoNumbers()
{
    return [](std::string_view text, NumberRows& rows, const std::atomic<bool>* cancel) {
        parseNumberRows(text, RowShape{2, 0, 0}, rows, cancel);
    };
}

// Keeps the rows; notes whether two appends ever ran at once and whether
// any came from another thread, and can be set to throw on the first that does.
class CheckingSink : public RowSink {
public:
    void append(const NumberRows& rows) override
    {
        overlapped = busy_.exchange(true) || overlapped;
        const bool elsewhere = std::this_thread::get_id() != caller_;
        fromHelper = fromHelper || elsewhere;
        values.insert(values.end(), rows.values.begin(), rows.values.end());
        busy_.store(false);
        if (elsewhere && throwFromHelper) {
            throwFromHelper();
        }
    }

    std::vector<double> values;
    bool overlapped = false;
    bool fromHelper = false;
    void (*throwFromHelper)() = nullptr;

private:
    std::atomic<bool> busy_{false};
    std::thread::id caller_ = std::this_thread::get_id();
};

TEST(RowBatchesTest, RowsComeInFileOrderOneAppendAtATimeTheBackPartsFromTheSecondThread)
{
    const std::string text = numberedLines();
    LineReader lines(text);
    RowsInTwo rows(0.5);
    CheckingSink sink;
    readRowBatches(lines, rows, twoNumbers(), sink);
    ASSERT_EQ(sink.values.size(), std::size_t{2} * lineCount);
    for (int i = 0; i < lineCount; ++i) {
        ASSERT_EQ(sink.values[2 * i], i);
        ASSERT_EQ(sink.values[2 * i + 1], 2 * i);
    }
    EXPECT_EQ(lines.lineNumber(), lineCount);
    EXPECT_FALSE(sink.overlapped);
    EXPECT_TRUE(sink.fromHelper);
}

TEST(RowBatchesTest, WhatAppendingOnTheSecondThreadThrowsComesOutOnTheCaller)
{
    const std::string text = numberedLines();
    RowsInTwo rows(0.5);
    {
        LineReader lines(text);
        CheckingSink sink;
        sink.throwFromHelper = [] { throw std::runtime_error("sink full"); };
        EXPECT_THROW(readRowBatches(lines, rows, twoNumbers(), sink), std::runtime_error);
    }
    {
        // A failed allocation there is the caller's, when the caller's may fail.
        const RecoverableAllocations recoverable;
        LineReader lines(text);
        CheckingSink sink;
        sink.throwFromHelper = [] { throw std::bad_alloc(); };
        EXPECT_THROW(readRowBatches(lines, rows, twoNumbers(), sink), std::bad_alloc);
    }
    // The same rows read again, whole.
    LineReader lines(text);
    CheckingSink sink;
    readRowBatches(lines, rows, twoNumbers(), sink);
    EXPECT_EQ(sink.values.size(), std::size_t{2} * lineCount);
}

}  // namespace
}  // namespace kvx
