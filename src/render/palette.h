#pragma once
// The colour of a graph's colour number under a plot's palette.

#include <cstdint>

#include "platform/surface.h"

namespace kvx {

// Colour number n (1-based) of `palette` with `numColors` colours. The two
// mixed palettes are cyclic tables; the scales run from their first colour
// at 1 to their last at numColors and stay there. A number without a table
// entry (0 or below in the cyclic tables, any number under an unknown
// palette) is taken as a packed colour itself.
Color paletteColor(int16_t palette, int16_t numColors, int16_t n);

}  // namespace kvx
