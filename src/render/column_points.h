#pragma once
// The points a graph drawn by pixel column steps through: every point, or
// with a lines draw rate of n and no breaks, every n-th and the last. The
// drawing searches them by device x and asks for the extremes of stretches
// of them, from the graph's summary or, when thinned, by reading them.

#include <cstdint>

#include "model/graph.h"
#include "model/point_summary.h"
#include "scaling/device_transform.h"

namespace kvx {

class ColumnPoints {
public:
    // `direction` is 1 when device x never decreases with the position,
    // -1 when it never increases.
    ColumnPoints(const Graph& graph, int32_t rate, const DeviceTransform& transform, int direction);

    // Positions 0 to size() - 1; position 0 is the graph's first point.
    int32_t size() const { return size_; }
    int32_t index(int32_t m) const
    {
        const int64_t i = static_cast<int64_t>(m) * rate_;
        return i < count_ - 1 ? static_cast<int32_t>(i) : count_ - 1;
    }
    double worldX(int32_t m) const { return xs_[index(m)]; }
    double deviceX(int32_t m) const { return transform_.worldToDevice(xs_[index(m)], 0.0).x; }
    // Device x in the direction of the positions, which never decreases.
    double along(int32_t m) const { return direction_ * deviceX(m); }
    int direction() const { return direction_; }
    DoublePoint device(int32_t m) const { return transform_.worldToDevice(xs_[index(m)], ys_[index(m)]); }
    double deviceY(int32_t m) const { return transform_.deviceY(ys_[index(m)]); }
    uint8_t attribute(int32_t m) const { return att_[index(m)]; }
    // Where the summary's block holding position m starts, or m when the
    // positions have no summary of their own.
    int32_t blockStart(int32_t m) const
    {
        return rate_ == 1 && summary_ && m < summary_->covered() ? m / PointSummary::blockSize * PointSummary::blockSize
                                                                 : m;
    }

    // The first position from `from` on whose along() exceeds `limit`, or
    // size(): galloping, so that a short step costs a few probes.
    int32_t firstBeyond(int32_t from, double limit) const;
    // The y extremes of positions [from, to).
    PointSummary::Span span(int32_t from, int32_t to) const;
    // The first of positions [from, to) whose y `inBand` refuses, or `to`;
    // `seen`, when given, becomes the span of the positions before it.
    template <class InBand>
    int32_t firstOutside(int32_t from, int32_t to, InBand inBand, PointSummary::Span* seen) const
    {
        if (rate_ == 1 && summary_) {
            return summary_->firstOutside(ys_, att_, from, to, inBand, seen);
        }
        int32_t m = from;
        while (m < to && inBand(ys_[index(m)])) {
            ++m;
        }
        if (seen) {
            *seen = span(from, m);
        }
        return m;
    }
    // Whether the device y of consecutive positions in [from, to) differ by
    // at most one pixel on a linear y axis, so that they visit every pixel
    // between their extremes.
    bool dense(int32_t from, int32_t to) const;

private:
    const double* xs_;
    const double* ys_;
    const uint8_t* att_;
    const PointSummary* summary_;
    int32_t count_;
    int32_t rate_;
    int32_t size_;
    const DeviceTransform& transform_;
    int direction_;
};

}  // namespace kvx
