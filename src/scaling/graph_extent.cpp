#include "scaling/graph_extent.h"

#include <algorithm>
#include <cmath>

#include "model/axis_scale.h"
#include "settings/keywords.h"

namespace kvx {
namespace {

void take(const RunningBounds::Bounds& b, double& lo, double& hi)
{
    if (b.any) {
        lo = b.lo;
        hi = b.hi;
    }
}

}  // namespace

void Extent::merge(const Extent& other)
{
    if (other.hasX()) {
        const bool had = hasX();
        xMin = had ? std::min(xMin, other.xMin) : other.xMin;
        xMax = had ? std::max(xMax, other.xMax) : other.xMax;
    }
    if (other.hasY()) {
        const bool had = hasY();
        yMin = had ? std::min(yMin, other.yMin) : other.yMin;
        yMax = had ? std::max(yMax, other.yMax) : other.yMax;
    }
}

Extent graphExtent(const Graph& graph)
{
    Extent e;
    take(graph.xBounds().finite(), e.xMin, e.xMax);
    take(graph.yBounds().finite(), e.yMin, e.yMax);
    return e;
}

Extent graphExtentForRange(const Graph& graph)
{
    Extent e = graphExtent(graph);
    if ((graph.type() == BARS || graph.type() == STEMS) && e.hasY()) {
        if (e.yMin > 0.0) {
            e.yMin = 0.0;
        } else if (e.yMax < 0.0) {
            e.yMax = 0.0;
        }
    }
    return e;
}

Extent axisExtentForRange(const Graph& graph, AxisKind xKind, AxisKind yKind)
{
    if (xKind != AxisKind::Logarithmic && yKind != AxisKind::Logarithmic) {
        return graphExtentForRange(graph);
    }
    Extent e = graphExtentForRange(graph);
    // The logarithm keeps the order, so the bounds of the positive values
    // give those of the logarithms.
    const auto onAxis = [](const RunningBounds& bounds, AxisKind kind, double& lo, double& hi) {
        if (kind != AxisKind::Logarithmic) {
            return;
        }
        lo = Extent::startMin;
        hi = Extent::startMax;
        take(bounds.positive(), lo, hi);
        if (lo <= hi) {
            lo = toAxis(lo, kind);
            hi = toAxis(hi, kind);
        }
    };
    onAxis(graph.xBounds(), xKind, e.xMin, e.xMax);
    onAxis(graph.yBounds(), yKind, e.yMin, e.yMax);
    return e;
}

}  // namespace kvx
