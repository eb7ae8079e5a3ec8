#include "dialogs/histogram.h"

#include <algorithm>
#include <cmath>

namespace kvx {

int32_t countInBin(const Graph& graph, double lo, double hi)
{
    const double* y = graph.yData();
    int32_t count = 0;
    for (int32_t i = 0; i < graph.numPoints(); ++i) {
        if (lo <= y[i] && y[i] < hi) {  // false for NaN
            ++count;
        }
    }
    return count;
}

BinCounter::BinCounter(const Graph& graph)
{
    const double* y = graph.yData();
    sorted_.reserve(static_cast<std::size_t>(graph.numPoints()));
    for (int32_t i = 0; i < graph.numPoints(); ++i) {
        if (!std::isnan(y[i])) {
            sorted_.push_back(y[i]);
        }
    }
    std::sort(sorted_.begin(), sorted_.end());
}

int32_t BinCounter::count(double lo, double hi) const
{
    if (!(lo < hi)) {
        return 0;  // an empty interval, or an edge that is not a number
    }
    // The values below hi less those below lo.
    const auto from = std::lower_bound(sorted_.begin(), sorted_.end(), lo);
    const auto to = std::lower_bound(from, sorted_.end(), hi);
    return static_cast<int32_t>(to - from);
}

HistogramBins binsOfCount(const Extent& extent, int16_t count)
{
    const double range = extent.yMax - extent.yMin;
    // Extremes of both signs near the limits of a double overflow the
    // range; the difference of the parts does not.
    const double width = std::isfinite(range) ? range / count : extent.yMax / count - extent.yMin / count;
    return HistogramBins{extent.yMin, width, count};
}

std::optional<HistogramBins> binsOfWidth(const Extent& extent, double width)
{
    // Compared as a double: a quotient beyond the 16-bit count, or an
    // infinite one, has no integer to turn into.
    const double bins = std::ceil((extent.yMax - extent.yMin) / width);
    if (!(bins <= HistogramBins::maxCount)) {
        return std::nullopt;
    }
    return HistogramBins{extent.yMin, width, static_cast<int16_t>(bins > 0.0 ? bins : 0.0)};
}

}  // namespace kvx
