#pragma once
// The statistics of one graph's points that the Statistics dialog shows and
// draws as reference lines.

#include <cstdint>

#include "model/graph.h"
#include "scaling/graph_extent.h"

namespace kvx {

struct MeanStd {
    double xMean = 0.0;
    double xStd = 0.0;
    double yMean = 0.0;
    double yStd = 0.0;
};

// Means and population standard deviations of the x and of the y values,
// the deviations in a second pass after the means. Values that are not
// finite are left out, as graphExtent leaves them out; an axis without
// finite values has mean and deviation 0.
MeanStd graphMeanStd(const Graph& graph);

struct GraphStatistics {
    Extent extent;  // the start values +-1e100 on an axis without values
    MeanStd meanStd;
    int32_t numPoints = 0;  // every point, also those with values left out

    double xRange() const { return extent.xMax - extent.xMin; }
    double yRange() const { return extent.yMax - extent.yMin; }
};

GraphStatistics graphStatistics(const Graph& graph);

}  // namespace kvx
