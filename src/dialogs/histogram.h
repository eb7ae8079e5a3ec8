#pragma once
// The bins of a histogram of a graph's y values, as the Distribution dialog
// draws it.

#include <cstdint>
#include <optional>
#include <vector>

#include "model/graph.h"
#include "scaling/graph_extent.h"

namespace kvx {

// The number of points whose y value v has lo <= v < hi; a y that is not a
// number is never counted.
int32_t countInBin(const Graph& graph, double lo, double hi);

// countInBin for many bins of one graph: the y values are sorted once, so
// that each bin costs two searches instead of a pass over every point, and
// 32767 bins of a large graph do not hold the program for minutes.
class BinCounter {
public:
    explicit BinCounter(const Graph& graph);
    int32_t count(double lo, double hi) const;

private:
    std::vector<double> sorted_;  // every y value but NaN
};

// `count` bins of `width` from yMin on, each including its lower edge and
// excluding its upper one.
struct HistogramBins {
    static constexpr int32_t maxCount = 32767;  // a 16-bit count

    double yMin = 0.0;
    double width = 0.0;
    int16_t count = 0;  // 0: no bin

    double lo(int32_t i) const { return yMin + i * width; }
};

// `count` (>= 1) equal bins over the y extent of a graph with finite y
// values. The last bin ends at yMax, so a value equal to yMax is counted in
// no bin.
HistogramBins binsOfCount(const Extent& extent, int16_t count);

// Bins of `width` (> 0) from yMin until one reaches beyond yMax: none when
// all values are equal; nothing when more bins than a 16-bit count holds
// would be needed.
std::optional<HistogramBins> binsOfWidth(const Extent& extent, double width);

}  // namespace kvx
