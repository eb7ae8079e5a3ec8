#pragma once
// Answers, in logarithmic time, the lowest and highest y of the points of a
// graph with index in [from, to), and whether one of them starts a line or
// stands alone: a pyramid of blocks over the y values, extended block by
// block while points are appended, so that a large graph can be drawn by
// pixel column instead of by point.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace kvx {

class PointSummary {
public:
    // 24 bytes of summary (and as many again above) for 128 points: 0.38
    // byte a point. Larger blocks would save a quarter of a byte a point
    // but make each run of a column that leaves the picture and comes back
    // read up to a block's points at both of its ends.
    static constexpr int32_t blockSize = 128;
    // How many blocks ahead a walk over the blocks fetches values.
    static constexpr int32_t prefetchBlocks = 8;

    struct Span {
        double low = 0.0;   // of the y values that are numbers
        double high = 0.0;
        bool breaks = false;    // a point's attribute is not "connected"
        bool notNumber = false; // a y value is NaN
        bool empty = true;
        // Whether every y value, from the first point (against its
        // predecessor) on, is at least (rising) or at most (falling) the one
        // before it; known only with the step, none otherwise.
        uint8_t order = 0;
        // The largest difference of a y value from the one before it, from
        // the first point (against its predecessor) on; infinite for a NaN.
        // Rounded up, and kept small so that a span stays 24 bytes.
        float step = 0.0f;
    };
    static_assert(sizeof(Span) == 24);
    static constexpr uint8_t rising = 1;
    static constexpr uint8_t falling = 2;

    // Summarises the first `count` points from scratch.
    void rebuild(const double* y, const uint8_t* att, int32_t count);
    // Takes in every block that the first `count` points complete.
    void extend(const double* y, const uint8_t* att, int32_t count);
    void clear();
    // The points summarised in whole blocks; the rest is read directly.
    int32_t covered() const { return static_cast<int32_t>(levels_.empty() ? 0 : levels_[0].size()) * blockSize; }
    // Block k, points [k, k + 1) * blockSize, with its step; null beyond covered().
    const Span* block(int32_t k) const
    {
        return k >= 0 && k < covered() / blockSize ? &levels_[0][static_cast<std::size_t>(k)] : nullptr;
    }

    // Points [from, to) of the arrays this summary was built on; the step
    // only when asked for (it costs the ragged ends a little).
    Span span(const double* y, const uint8_t* att, int32_t from, int32_t to, bool withStep = false) const;
    // The first of points [from, to) whose y value `inBand` refuses (NaN
    // must be refused), or `to`; `seen`, when given, becomes the span of
    // the points before it. Whole blocks are taken at once when both their
    // extremes lie in the band, which must be an interval.
    template <class InBand>
    int32_t firstOutside(const double* y, const uint8_t* att, int32_t from, int32_t to, InBand inBand,
                         Span* seen) const
    {
        Span taken;
        const int32_t blocks = std::min(to, covered()) / blockSize;
        int32_t i = from;
        int32_t end = from;
        while (i < to) {
            const int32_t k = i / blockSize;
            end = std::min(to, (k + 1) * blockSize);
            if (k < blocks) {
                const Span& block = levels_[0][static_cast<std::size_t>(k)];
                if (k + prefetchBlocks < blocks) {
                    // A block that leaves the band is read point by point:
                    // its first values are fetched while the ones before
                    // are passed over.
                    __builtin_prefetch(y + static_cast<std::ptrdiff_t>(k + prefetchBlocks) * blockSize);
                }
                if (!block.notNumber && inBand(block.low) && inBand(block.high)) {
                    if (seen) {
                        add(taken, i == k * blockSize && end == (k + 1) * blockSize ? block : scan(y, att, i, end));
                    }
                    i = end;
                    continue;
                }
            }
            const int32_t start = i;
            while (i < end && inBand(y[i])) {
                ++i;
            }
            if (seen) {
                add(taken, scan(y, att, start, i));
            }
            if (i < end) {
                break;
            }
        }
        if (seen) {
            *seen = taken;
        }
        return std::min(i, to);
    }
    // Widens `into` by the span of points that follow or precede it.
    static void add(Span& into, const Span& part);

    // Points [from, to), read one by one; without the step when not asked.
    static Span scan(const double* y, const uint8_t* att, int32_t from, int32_t to, bool withStep = false);
private:
    void addBlock(Span block);

    // levels_[0][k] summarises points [k, k + 1) * blockSize; levels_[l][k]
    // the two nodes 2k and 2k + 1 of level l - 1.
    std::vector<std::vector<Span>> levels_;
};

}  // namespace kvx
