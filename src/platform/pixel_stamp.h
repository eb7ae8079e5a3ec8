#pragma once
// The pixels of one shape of one colour, kept to be drawn many times down a
// pixel column: the union of the shape placed at every row of a run is, in
// each of its columns, the union of its pixels' rows each widened by the
// run, found without drawing the shape once per row.

#include <cstdint>
#include <vector>

#include "platform/surface.h"

namespace kvx {

class PixelStamp {
public:
    // A pixel of the shape, relative to where it was drawn.
    void add(int dx, int dy);
    void setColor(Color color) { color_ = color; }
    Color color() const { return color_; }
    bool empty() const { return columns_.empty(); }
    // The rows of the shape's pixels in column dx, ascending.
    const std::vector<int>& rowsAt(int dx) const
    {
        static const std::vector<int> none;
        const int c = dx - left_;
        return c >= 0 && c < static_cast<int>(columns_.size()) ? columns_[static_cast<std::size_t>(c)] : none;
    }

    // Calls fill(x, y, height) for the runs of pixels of the shape placed
    // at (x0, y) for every y from `top` to `bottom`.
    template <class Fill>
    void sweep(int x0, int top, int bottom, Fill fill) const
    {
        for (std::size_t c = 0; c < columns_.size(); ++c) {
            const std::vector<int>& rows = columns_[c];
            if (rows.empty()) {
                continue;
            }
            const int x = x0 + left_ + static_cast<int>(c);
            int from = rows[0] + top;
            int to = rows[0] + bottom;
            for (std::size_t k = 1; k < rows.size(); ++k) {
                if (rows[k] + top > to + 1) {
                    fill(x, from, to - from + 1);
                    from = rows[k] + top;
                }
                to = rows[k] + bottom;
            }
            fill(x, from, to - from + 1);
        }
    }

private:
    int left_ = 0;  // dx of columns_[0]
    std::vector<std::vector<int>> columns_;  // the rows of each column, ascending
    Color color_ = 0;
};

}  // namespace kvx
