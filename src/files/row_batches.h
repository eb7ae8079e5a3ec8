#pragma once
// Reading the bulk of a block in batches: the lines a line reader has at
// hand are parsed on two threads into rows, which the caller appends, until
// a line that the batches leave to the line-by-line way.

#include <cstddef>
#include <vector>

#include "files/line_reader.h"
#include "files/number_rows.h"

namespace kvx {

class Graph;

// Where the rows of the batches go.
class RowSink {
public:
    virtual ~RowSink() = default;
    // The rows of one part of a batch, in the order of the file. The back
    // part of a batch comes on a second thread, never while another call runs.
    virtual void append(const NumberRows& rows) = 0;
    // A front part that ran whole, before it is appended: a sample of the
    // lines still to come.
    virtual void sample(const NumberRows&) {}
};

// Reads the lines at hand in batches through `rows`, up to a line that a
// batch leaves untaken, and moves `lines` past what was taken. Less text
// than a batch is worth is left to the line-by-line way.
void readRowBatches(LineReader& lines, RowsInTwo& rows, const RowParser& parse, RowSink& sink);

// Makes room in `graphs` for the points the rest of `lines` will bring,
// judged from `sample`, whose rows hold `perRow` values and give each graph
// one point.
void reserveForRest(const std::vector<Graph*>& graphs, const NumberRows& sample, std::size_t perRow,
                    const LineReader& lines);

}  // namespace kvx
