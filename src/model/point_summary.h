#pragma once
// Answers, in logarithmic time, the lowest and highest y of the points of a
// graph with index in [from, to), and whether one of them starts a line or
// stands alone: a pyramid of blocks over the y values, extended block by
// block while points are appended, so that a large graph can be drawn by
// pixel column instead of by point.

#include <cstdint>
#include <vector>

namespace kvx {

class PointSummary {
public:
    // 24 bytes of summary (and as many again above) for 512 points: under
    // 0.1 byte a point, while a column still reads no more than 1022 points
    // of its ragged ends.
    static constexpr int32_t blockSize = 512;

    struct Span {
        double low = 0.0;   // of the y values that are numbers
        double high = 0.0;
        bool breaks = false;    // a point's attribute is not "connected"
        bool notNumber = false; // a y value is NaN
        bool empty = true;
    };

    // Summarises the first `count` points from scratch.
    void rebuild(const double* y, const uint8_t* att, int32_t count);
    // Takes in every block that the first `count` points complete.
    void extend(const double* y, const uint8_t* att, int32_t count);
    void clear();
    // The points summarised in whole blocks; the rest is read directly.
    int32_t covered() const { return static_cast<int32_t>(levels_.empty() ? 0 : levels_[0].size()) * blockSize; }

    // Points [from, to) of the arrays this summary was built on.
    Span span(const double* y, const uint8_t* att, int32_t from, int32_t to) const;

private:
    static void add(Span& into, const Span& part);
    static Span scan(const double* y, const uint8_t* att, int32_t from, int32_t to);
    void addBlock(Span block);

    // levels_[0][k] summarises points [k, k + 1) * blockSize; levels_[l][k]
    // the two nodes 2k and 2k + 1 of level l - 1.
    std::vector<std::vector<Span>> levels_;
};

}  // namespace kvx
