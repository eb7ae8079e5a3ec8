#pragma once
// The smallest and largest x and y of a graph's points, from which the
// automatic ranges, the statistics and the histogram bins are computed.

#include "model/axis_scale.h"
#include "model/graph.h"

namespace kvx {

// An axis without values keeps the start values +1e100 / -1e100, so its
// minimum lies above its maximum.
struct Extent {
    static constexpr double startMin = 1e100;
    static constexpr double startMax = -1e100;

    double xMin = startMin;
    double xMax = startMax;
    double yMin = startMin;
    double yMax = startMax;

    bool hasX() const { return xMin <= xMax; }
    bool hasY() const { return yMin <= yMax; }
    // Widens this extent by the axes of `other` that have values.
    void merge(const Extent& other);
};

// Values that are not finite (NaN or infinite entries of a data file) are
// left out: they have no place on an axis and would poison every range
// computed from the extent. A graph without finite values keeps the start
// values; otherwise the extent is exact, also beyond +-1e100.
Extent graphExtent(const Graph& graph);

// graphExtent, with the y extent of bars and stems widened to include 0,
// where their bars and stems start.
Extent graphExtentForRange(const Graph& graph);

// graphExtentForRange in axis coordinates (model/axis_scale.h): along a
// logarithmic axis the logarithms of the positive values, without the 0 of
// bars and stems, which such an axis cannot show.
Extent axisExtentForRange(const Graph& graph, AxisKind xKind, AxisKind yKind);

}  // namespace kvx
