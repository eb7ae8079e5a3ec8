#include "dialogs/graph_statistics.h"

#include <cmath>

namespace kvx {
namespace {

// Summed in long double: values near the limits of a double would overflow
// a double sum or their squared deviations and show "inf".
void meanAndStd(const double* v, int32_t n, double& mean, double& std)
{
    long double sum = 0.0L;
    int32_t count = 0;
    for (int32_t i = 0; i < n; ++i) {
        if (std::isfinite(v[i])) {
            sum += v[i];
            ++count;
        }
    }
    if (count == 0) {
        mean = std = 0.0;
        return;
    }
    const long double m = sum / count;
    long double squares = 0.0L;
    for (int32_t i = 0; i < n; ++i) {
        if (std::isfinite(v[i])) {
            const long double d = v[i] - m;
            squares += d * d;
        }
    }
    mean = static_cast<double>(m);
    std = static_cast<double>(std::sqrt(squares / count));
}

}  // namespace

MeanStd graphMeanStd(const Graph& graph)
{
    MeanStd s;
    meanAndStd(graph.xData(), graph.numPoints(), s.xMean, s.xStd);
    meanAndStd(graph.yData(), graph.numPoints(), s.yMean, s.yStd);
    return s;
}

GraphStatistics graphStatistics(const Graph& graph)
{
    GraphStatistics s;
    s.extent = graphExtent(graph);
    s.meanStd = graphMeanStd(graph);
    s.numPoints = graph.numPoints();
    return s;
}

}  // namespace kvx
