#include "scaling/graph_extent.h"

#include <algorithm>
#include <cmath>

#include "model/axis_scale.h"
#include "settings/keywords.h"

namespace kvx {
namespace {

// The exact minimum and maximum of the finite values (of the positive
// ones only with `positive`), or the start values.
void finiteBounds(const double* v, int32_t n, double& lo, double& hi, bool positive = false)
{
    bool any = false;
    double mn = 0.0;
    double mx = 0.0;
    for (int32_t i = 0; i < n; ++i) {
        const double value = v[i];
        if (!std::isfinite(value) || (positive && !(value > 0.0))) {
            continue;
        }
        if (!any) {
            mn = mx = value;
            any = true;
        } else if (value < mn) {
            mn = value;
        } else if (value > mx) {
            mx = value;
        }
    }
    if (any) {
        lo = mn;
        hi = mx;
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
    finiteBounds(graph.xData(), graph.numPoints(), e.xMin, e.xMax);
    finiteBounds(graph.yData(), graph.numPoints(), e.yMin, e.yMax);
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
    const auto onAxis = [&graph](const double* v, AxisKind kind, double& lo, double& hi) {
        if (kind != AxisKind::Logarithmic) {
            return;
        }
        lo = Extent::startMin;
        hi = Extent::startMax;
        finiteBounds(v, graph.numPoints(), lo, hi, true);
        if (lo <= hi) {
            lo = toAxis(lo, kind);
            hi = toAxis(hi, kind);
        }
    };
    onAxis(graph.xData(), xKind, e.xMin, e.xMax);
    onAxis(graph.yData(), yKind, e.yMin, e.yMax);
    return e;
}

}  // namespace kvx
