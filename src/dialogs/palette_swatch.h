#pragma once
// The small picture of a palette beside its radio button in "Color
// Palettes": the palette's colours side by side in a thin dark frame.

#include <cstdint>

#include "platform/surface.h"

namespace kvx {

// The number of colours a swatch shows: each colour of a mixed palette
// once, a fixed number of steps of a scale whatever its colour count.
int swatchColorCount(int16_t palette);

// Draws the swatch of `palette` over a picture of width by height pixels:
// equal vertical stripes of colour numbers 1 to swatchColorCount(palette).
void drawPaletteSwatch(Surface& surface, int16_t palette, int width, int height);

}  // namespace kvx
