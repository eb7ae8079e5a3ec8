#include "dialogs/palette_swatch.h"

#include "render/palette.h"
#include "settings/keywords.h"

namespace kvx {

namespace {

constexpr int scaleSteps = 16;
constexpr Color frameColor = rgb(64, 64, 64);

}  // namespace

int swatchColorCount(int16_t palette)
{
    switch (palette) {
    case MIXED_COLORS_I:
        return 7;
    case MIXED_COLORS_II:
        return 15;
    default:
        return scaleSteps;
    }
}

void drawPaletteSwatch(Surface& surface, int16_t palette, int width, int height)
{
    const int count = swatchColorCount(palette);
    const auto numColors = static_cast<int16_t>(count);
    // Inside the one-pixel frame.
    const int left = 1;
    const int inner = width - 2;
    if (inner > 0 && height > 2) {
        for (int i = 0; i < count; ++i) {
            const int stripeLeft = left + i * inner / count;
            const int stripeRight = left + (i + 1) * inner / count;
            if (stripeRight > stripeLeft) {
                surface.fillRect(stripeLeft, 1, stripeRight, height - 1,
                                 paletteColor(palette, numColors, static_cast<int16_t>(i + 1)));
            }
        }
    }
    surface.selectPen(Pen{PenStyle::Solid, 1, frameColor});
    surface.selectBrush(Brush{true, 0});
    surface.rectangle(0, 0, width, height);
}

}  // namespace kvx
