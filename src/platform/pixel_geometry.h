#pragma once
// The pixel rules the raster surfaces share: which pixels a one-pixel line
// covers (end pixel excluded, count max(|dx|, |dy|)), the cosmetic dash
// patterns, and the rows of an ellipse inscribed in a box.

#include <cstdint>
#include <span>
#include <vector>

#include "platform/surface.h"

namespace kvx {

struct PixelPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};

// A box of pixels, right and bottom exclusive.
struct PixelBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

// The width in pixels an outline drawn with the pen has, one at least.
int outlineWidth(const Pen& pen);

// The pixels an outline of width `penWidth` covers around a rectangle or
// ellipse drawn in `box`: the outline is centred on the box's outermost
// pixels, an even width reaching one pixel further right and down.
PixelBox outlineBounds(PixelBox box, int penWidth);

// The dash and gap lengths in pixels of a cosmetic pen style: dash 18/6,
// dot 3/3, dash-dot 9/6/3/6; empty for solid.
std::span<const int> dashPattern(PenStyle style);

// Where a line is within its dash pattern. Consecutive lines of a polyline
// share one cursor, so that short segments of a dense curve still show dashes.
class DashCursor {
public:
    DashCursor() = default;  // solid: always on
    explicit DashCursor(std::span<const int> pattern);

    bool on() const { return index_ % 2 == 0; }
    void advance(int64_t pixels);
    void advanceOne()
    {
        if (pattern_.empty()) {
            return;
        }
        if (--left_ == 0) {
            index_ = (index_ + 1) % pattern_.size();
            left_ = pattern_[index_];
        }
    }

private:
    std::span<const int> pattern_;
    size_t index_ = 0;
    int left_ = 0;
    int64_t period_ = 0;
};

namespace detail {
inline int64_t floorDiv(int64_t a, int64_t b)  // b > 0
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
}  // namespace detail

// Calls fill(x, y, width, height) for the runs of pixels of the line from
// (x0, y0) to (x1, y1), the end pixel excluded. Step i (0 <= i < n, n =
// max(|dx|, |dy|)) lies on the major axis at start + i and on the minor axis
// at the nearest pixel (halves round up). Steps whose major coordinate lies
// outside `limit` are skipped without being visited, so that far-away end
// points cost nothing; the dash cursor still advances over them.
template <class Fill>
void rasterizeLine(int x0, int y0, int x1, int y1, const PixelBox& limit, DashCursor& dash,
                   Fill&& fill)
{
    const int64_t dx = int64_t{x1} - x0;
    const int64_t dy = int64_t{y1} - y0;
    const int64_t adx = dx < 0 ? -dx : dx;
    const int64_t ady = dy < 0 ? -dy : dy;
    const int64_t n = adx >= ady ? adx : ady;
    if (n == 0) {
        return;
    }
    const bool xMajor = adx >= ady;
    const int64_t majorDelta = xMajor ? dx : dy;
    const int64_t minorDelta = xMajor ? dy : dx;
    const int64_t step = majorDelta > 0 ? 1 : -1;
    const int64_t majorStart = xMajor ? x0 : y0;
    const int64_t minorStart = xMajor ? y0 : x0;
    const int64_t lo = xMajor ? limit.left : limit.top;
    const int64_t hi = xMajor ? limit.right : limit.bottom;

    int64_t first = step > 0 ? lo - majorStart : majorStart - hi + 1;
    int64_t last = step > 0 ? hi - majorStart : majorStart - lo + 1;  // exclusive
    first = first < 0 ? 0 : first;
    last = last > n ? n : last;
    if (first >= last) {
        dash.advance(n);
        return;
    }
    dash.advance(first);

    auto emitRun = [&](int64_t from, int64_t to, int64_t minor) {
        const int64_t a = step > 0 ? majorStart + from : majorStart - to + 1;
        const int length = static_cast<int>(to - from);
        if (xMajor) {
            fill(static_cast<int>(a), static_cast<int>(minor), length, 1);
        } else {
            fill(static_cast<int>(minor), static_cast<int>(a), 1, length);
        }
    };

    const int64_t twoN = 2 * n;
    int64_t runStart = first;
    int64_t runMinor = minorStart + detail::floorDiv(2 * first * minorDelta + n, twoN);
    bool runOn = dash.on();
    dash.advanceOne();
    for (int64_t i = first + 1; i < last; ++i) {
        const int64_t minor = minorStart + detail::floorDiv(2 * i * minorDelta + n, twoN);
        const bool on = dash.on();
        if (minor != runMinor || on != runOn) {
            if (runOn) {
                emitRun(runStart, i, runMinor);
            }
            runStart = i;
            runMinor = minor;
            runOn = on;
        }
        dash.advanceOne();
    }
    if (runOn) {
        emitRun(runStart, last, runMinor);
    }
    dash.advance(n - last);
}

// A span of columns [begin, end) of one row.
struct RowSpan {
    int begin = 0;
    int end = 0;
    bool empty() const { return begin >= end; }
    friend bool operator==(const RowSpan&, const RowSpan&) = default;
};

// The filled shape of the ellipse inscribed in a box of width by height
// pixels, one span per row, columns relative to the box. The shape is
// symmetric, convex and touches all four sides of the box: an odd size is
// sampled at pixel centres, an even size repeats the middle row or column.
std::vector<RowSpan> ellipseRows(int width, int height);

// `rows` with `steps` layers of the pixels next to the outside (a
// 4-neighbour erosion) taken away; what is taken away is an outline of that
// thickness, and each pixel is either outline or inside, never both.
std::vector<RowSpan> erodeRows(const std::vector<RowSpan>& rows, int steps);

}  // namespace kvx
