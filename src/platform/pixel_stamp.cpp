#include "platform/pixel_stamp.h"

#include <algorithm>

namespace kvx {

void PixelStamp::add(int dx, int dy)
{
    if (columns_.empty()) {
        left_ = dx;
    }
    if (dx < left_) {
        columns_.insert(columns_.begin(), static_cast<std::size_t>(left_ - dx), {});
        left_ = dx;
    }
    const auto c = static_cast<std::size_t>(dx - left_);
    if (c >= columns_.size()) {
        columns_.resize(c + 1);
    }
    std::vector<int>& rows = columns_[c];
    rows.insert(std::upper_bound(rows.begin(), rows.end(), dy), dy);
}

}  // namespace kvx
