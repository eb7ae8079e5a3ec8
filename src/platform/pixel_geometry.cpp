#include "platform/pixel_geometry.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace kvx {

namespace {

constexpr std::array<int, 2> dashLengths{18, 6};
constexpr std::array<int, 2> dotLengths{3, 3};
constexpr std::array<int, 4> dashDotLengths{9, 6, 3, 6};

}  // namespace

int outlineWidth(const Pen& pen)
{
    return std::max(1, pen.width);
}

PixelBox outlineBounds(PixelBox box, int penWidth)
{
    const int before = (penWidth - 1) / 2;
    const int after = penWidth / 2;
    return {box.left - before, box.top - before, box.right + after, box.bottom + after};
}

std::span<const int> dashPattern(PenStyle style)
{
    switch (style) {
    case PenStyle::Dash: return dashLengths;
    case PenStyle::Dot: return dotLengths;
    case PenStyle::DashDot: return dashDotLengths;
    case PenStyle::Solid:
    case PenStyle::None: break;
    }
    return {};
}

DashCursor::DashCursor(std::span<const int> pattern)
    : pattern_(pattern),
      left_(pattern.empty() ? 0 : pattern.front()),
      period_(std::accumulate(pattern.begin(), pattern.end(), int64_t{0}))
{
}

void DashCursor::advance(int64_t pixels)
{
    if (pattern_.empty() || pixels <= 0) {
        return;
    }
    pixels %= period_;
    while (pixels >= left_) {
        pixels -= left_;
        index_ = (index_ + 1) % pattern_.size();
        left_ = pattern_[index_];
    }
    left_ -= static_cast<int>(pixels);
}

std::vector<RowSpan> ellipseRows(int width, int height)
{
    std::vector<RowSpan> rows;
    if (width <= 0 || height <= 0) {
        return rows;
    }
    // Semi-axes in whole pixels between the middle pixel and the extreme
    // ones; the ellipse of semi-axes a + 1/2 and b + 1/2 is sampled at pixel
    // centres, which includes the four extreme pixels.
    const int a = (width - 1) / 2;
    const int b = (height - 1) / 2;
    const bool evenWidth = width % 2 == 0;
    const bool evenHeight = height % 2 == 0;
    const double ra = a + 0.5;
    const double rb = b + 0.5;
    rows.reserve(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) {
        int j = y <= b ? b - y : y - b;
        if (evenHeight && y > b) {
            j = y - b - 1;
        }
        const double t = j / rb;
        const int half = std::min(a, static_cast<int>(std::floor(ra * std::sqrt(1.0 - t * t) + 1e-9)));
        rows.push_back({a - half, a + half + 1 + (evenWidth ? 1 : 0)});
    }
    return rows;
}

std::vector<RowSpan> erodeRows(const std::vector<RowSpan>& rows, int steps)
{
    std::vector<RowSpan> current = rows;
    const RowSpan none{0, 0};
    for (int s = 0; s < steps; ++s) {
        std::vector<RowSpan> next(current.size());
        for (size_t y = 0; y < current.size(); ++y) {
            const RowSpan& here = current[y];
            const RowSpan& above = y > 0 ? current[y - 1] : none;
            const RowSpan& below = y + 1 < current.size() ? current[y + 1] : none;
            if (here.empty() || above.empty() || below.empty()) {
                continue;
            }
            const int begin = std::max({here.begin + 1, above.begin, below.begin});
            const int end = std::min({here.end - 1, above.end, below.end});
            if (begin < end) {
                next[y] = {begin, end};
            }
        }
        current = std::move(next);
    }
    return current;
}

}  // namespace kvx
