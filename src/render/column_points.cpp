#include "render/column_points.h"

#include <algorithm>
#include <cmath>

namespace kvx {

ColumnPoints::ColumnPoints(const Graph& graph, int32_t rate, const DeviceTransform& transform, int direction)
    : xs_(graph.xData()),
      ys_(graph.yData()),
      att_(graph.attData()),
      summary_(graph.summary()),
      count_(graph.numPoints()),
      rate_(std::max(rate, 1)),
      size_(count_ <= 1 ? count_ : static_cast<int32_t>((count_ - 1 + static_cast<int64_t>(rate_) - 1) / rate_) + 1),
      transform_(transform),
      direction_(direction)
{
}

int32_t ColumnPoints::firstBeyond(int32_t from, double limit) const
{
    int32_t low = from;  // every position before low is at or left of limit
    int32_t high = from;
    int64_t stride = 1;
    while (high < size_ && !(along(high) > limit)) {
        low = high + 1;
        high = static_cast<int32_t>(std::min<int64_t>(size_, low + stride));
        stride *= 2;
    }
    // The answer lies in [low, high].
    while (low < high) {
        const int32_t mid = low + (high - low) / 2;
        if (along(mid) > limit) {
            high = mid;
        } else {
            low = mid + 1;
        }
    }
    return low;
}

bool ColumnPoints::dense(int32_t from, int32_t to) const
{
    if (rate_ != 1 || !summary_ || transform_.y.log() || to - from < 2) {
        return false;
    }
    // Half a pixel leaves room for the rounding of the device coordinates.
    return static_cast<double>(summary_->span(ys_, att_, from + 1, to, true).step) * std::abs(transform_.y.scale) < 0.5;
}

PointSummary::Span ColumnPoints::span(int32_t from, int32_t to) const
{
    if (rate_ == 1 && summary_) {
        return summary_->span(ys_, att_, from, to);
    }
    // Thinned points are read one by one; the graph has no breaks then.
    PointSummary::Span s;
    for (int32_t m = from; m < to; ++m) {
        const double y = ys_[index(m)];
        if (std::isnan(y)) {
            s.notNumber = true;
        } else if (s.empty) {
            s.low = s.high = y;
            s.empty = false;
        } else {
            s.low = std::min(s.low, y);
            s.high = std::max(s.high, y);
        }
    }
    return s;
}

}  // namespace kvx
