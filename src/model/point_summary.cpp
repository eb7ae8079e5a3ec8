#include "model/point_summary.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kvx {

namespace {

constexpr uint8_t connected = 0;

}  // namespace

void PointSummary::add(Span& into, const Span& part)
{
    if (part.empty) {
        return;
    }
    into.order = into.empty ? part.order : static_cast<uint8_t>(into.order & part.order);
    into.step = std::max(into.step, part.step);
    into.breaks = into.breaks || part.breaks;
    into.notNumber = into.notNumber || part.notNumber;
    if (into.empty) {
        into.low = part.low;
        into.high = part.high;
        into.empty = false;
        return;
    }
    into.low = std::min(into.low, part.low);
    into.high = std::max(into.high, part.high);
}

namespace {

// The largest difference of neighbouring values, NaN counting as infinite.
template <bool Step>
PointSummary::Span scanValues(const double* y, const uint8_t* att, int32_t from, int32_t to)
{
    PointSummary::Span s;
    s.empty = false;
    // A block of only NaN values keeps the infinities, which widen nothing.
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    uint8_t attributes = 0;
    bool notNumber = false;
    double step = 0.0;
    bool rises = true;  // both false from a NaN on
    bool falls = true;
    double before = from > 0 ? y[from - 1] : y[from];
    for (int32_t i = from; i < to; ++i) {
        const double v = y[i];
        if constexpr (Step) {
            const double d = v > before ? v - before : before - v;
            step = d <= step ? step : (d == d ? d : std::numeric_limits<double>::infinity());
            rises = rises && v >= before;
            falls = falls && v <= before;
            before = v;
        }
        notNumber |= v != v;
        low = v < low ? v : low;
        high = v > high ? v : high;
        attributes |= static_cast<uint8_t>(att[i] != connected);
    }
    s.low = low;
    s.high = high;
    s.breaks = attributes != 0;
    s.notNumber = notNumber;
    if constexpr (Step) {
        s.order = static_cast<uint8_t>((rises ? PointSummary::rising : 0) | (falls ? PointSummary::falling : 0));
    }
    s.step = static_cast<float>(step);
    if (static_cast<double>(s.step) < step) {
        s.step = std::nextafter(s.step, std::numeric_limits<float>::infinity());
    }
    return s;
}

}  // namespace

PointSummary::Span PointSummary::scan(const double* y, const uint8_t* att, int32_t from, int32_t to, bool withStep)
{
    if (from >= to) {
        return Span{};
    }
    return withStep ? scanValues<true>(y, att, from, to) : scanValues<false>(y, att, from, to);
}

void PointSummary::clear()
{
    levels_.clear();
    levels_.shrink_to_fit();
}

void PointSummary::rebuild(const double* y, const uint8_t* att, int32_t count)
{
    clear();
    extend(y, att, count);
}

void PointSummary::extend(const double* y, const uint8_t* att, int32_t count)
{
    for (int32_t from = covered(); from + blockSize <= count; from += blockSize) {
        addBlock(scan(y, att, from, from + blockSize, true));
    }
}

void PointSummary::addBlock(Span block)
{
    std::size_t level = 0;
    for (;;) {
        if (levels_.size() == level) {
            levels_.emplace_back();
        }
        std::vector<Span>& nodes = levels_[level];
        nodes.push_back(block);
        if (nodes.size() % 2 != 0) {
            return;
        }
        // A completed pair makes a node of the level above.
        add(block, nodes[nodes.size() - 2]);
        ++level;
    }
}

PointSummary::Span PointSummary::span(const double* y, const uint8_t* att, int32_t from, int32_t to, bool withStep) const
{
    Span s;
    if (from >= to) {
        return s;
    }
    // Whole blocks [a, b) from the pyramid, the ragged ends point by point.
    const int32_t blocks = covered() / blockSize;
    int32_t a = std::min((from + blockSize - 1) / blockSize, blocks);
    int32_t b = std::min(to / blockSize, blocks);
    if (a >= b) {
        return scan(y, att, from, to, withStep);
    }
    add(s, scan(y, att, from, a * blockSize, withStep));
    add(s, scan(y, att, b * blockSize, to, withStep));
    for (std::size_t level = 0; a < b; ++level) {
        const std::vector<Span>& nodes = levels_[level];
        if (a & 1) {
            add(s, nodes[static_cast<std::size_t>(a++)]);
        }
        if (b & 1) {
            add(s, nodes[static_cast<std::size_t>(--b)]);
        }
        a >>= 1;
        b >>= 1;
    }
    return s;
}

}  // namespace kvx
