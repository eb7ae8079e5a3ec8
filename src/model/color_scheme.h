#pragma once
// The five colour schemes: the colours of frame, grid, margin, plot area and
// text that a plot takes from its colorScheme.

#include <cstdint>

#include "platform/surface.h"

namespace kvx {

struct SchemeColors {
    Color frame;
    Color grid;
    Color margin;  // outside the plot rectangle; background of tick labels and titles
    Color plot;    // inside the plot rectangle; the legend box
    Color text;
};

// The colours of a scheme; values that are no scheme get black on white
// with a light grey margin.
SchemeColors schemeColors(int16_t scheme);

}  // namespace kvx
