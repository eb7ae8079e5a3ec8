#pragma once
// The smallest and largest finite value of an array, and of its positive
// values, kept up to date while values are appended: each extension reads
// only the values that came since the one before, so that following a file
// into a graph of millions of points finds its automatic range in the time
// of the new points.

#include <cstdint>

namespace kvx {

class RunningBounds {
public:
    struct Bounds {
        double lo = 0.0;
        double hi = 0.0;
        bool any = false;
    };

    // Takes in values [from, to) of `v`.
    void extend(const double* v, int32_t from, int32_t to);
    const Bounds& finite() const { return finite_; }
    const Bounds& positive() const { return positive_; }

private:
    Bounds finite_;
    Bounds positive_;
};

}  // namespace kvx
