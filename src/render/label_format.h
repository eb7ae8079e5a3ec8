#pragma once
// How the tick values of one axis are written: the power of ten that is
// factored out ("x 10" and its exponent), the number of decimals, and for
// labels that would otherwise read alike, a common part written once beside
// the axis ("+1.7e9") and taken off every value.

#include <cstdint>
#include <string>
#include <vector>

namespace kvx {

struct LabelFormat {
    int16_t exponent = 0;  // 0: no factor
    int16_t decimals = 0;
    int16_t significant = 0;  // G: the digits between range and tick, at most maxDigits
    double offset = 0.0;      // taken off every value before it is written
    std::string offsetText;   // the offset as written beside the axis; empty without one
};

// The format for an axis from min to max with the given tick spacing.
LabelFormat labelFormat(double min, double max, double tick, int16_t maxDigits);

// The format of labelFormat where the labels of the neighbouring `ticks`
// (ascending) all differ. Where they do not, the common part of a factored
// axis is written once as an offset, and where that is not enough (or the
// labels are plain decimals) they take more decimals, up to 17 significant
// digits, the most a double has.
LabelFormat distinctLabelFormat(const std::vector<double>& ticks, double min, double max, double tick,
                                int16_t maxDigits);

// The label of tick value v: (v - offset) / 10^exponent with that many decimals.
std::string tickLabel(double v, const LabelFormat& format);

}  // namespace kvx
