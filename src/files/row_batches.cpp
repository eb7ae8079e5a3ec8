#include "files/row_batches.h"

#include <cstdint>
#include <limits>
#include <optional>

#include "model/graph.h"

namespace kvx {

namespace {

// Less text than this is read line by line: a second thread would not pay.
constexpr std::size_t smallestBatch = std::size_t{1} << 16;
constexpr std::size_t largestBatch = LineReader::chunkSize;

void readBatches(LineReader& lines, RowsInTwo& rows, const RowParser& parse, RowSink& sink)
{
    const RowUser appendBack = [&sink](const NumberRows& back) { sink.append(back); };
    for (;;) {
        const std::string_view text = lines.linesAtHand(smallestBatch, largestBatch);
        if (text.size() < smallestBatch) {
            return;
        }
        const NumberRows& front = rows.front(text, parse, appendBack);
        if (!front.stopped) {
            sink.sample(front);
        }
        sink.append(front);
        lines.skipLines(front.bytes, front.lines);
        // The line reader may move its buffer only once the back part is
        // parsed; the second thread appends it meanwhile.
        const NumberRows& back = rows.back();
        if (front.stopped) {
            return;
        }
        lines.skipLines(back.bytes, back.lines);
        if (back.stopped) {
            return;
        }
    }
}

}  // namespace

void readRowBatches(LineReader& lines, RowsInTwo& rows, const RowParser& parse, RowSink& sink)
{
    try {
        readBatches(lines, rows, parse, sink);
        // What comes next is appended after the last back part.
        rows.finish();
    } catch (...) {
        rows.abandon();
        throw;
    }
}

void reserveForRest(const std::vector<Graph*>& graphs, const NumberRows& sample, std::size_t perRow,
                    const LineReader& lines)
{
    // The sample is still part of what is left.
    const std::optional<std::uint64_t> left = lines.bytesLeft();
    const std::size_t bytes = sample.bytes;
    if (!left || bytes == 0 || perRow == 0) {
        return;
    }
    const double rows = static_cast<double>(sample.values.size()) / static_cast<double>(perRow);
    // A little over the average, so that slightly shorter lines later do
    // not double the arrays for a handful of points.
    const double expected = static_cast<double>(*left) * rows / static_cast<double>(bytes) * 1.01;
    for (Graph* g : graphs) {
        const double points = static_cast<double>(g->numPoints()) + expected;
        if (points < static_cast<double>(std::numeric_limits<int32_t>::max())) {
            g->reserve(static_cast<int32_t>(points));
        }
    }
}

}  // namespace kvx
