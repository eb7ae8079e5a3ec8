#include "render/palette.h"

#include <algorithm>
#include <array>

#include "settings/keywords.h"

namespace kvx {

namespace {

constexpr std::array<Color, 7> mixedI = {
    rgb(0, 0, 255), rgb(0, 128, 0), rgb(255, 0, 0), rgb(0, 192, 192),
    rgb(192, 0, 192), rgb(192, 192, 0), rgb(64, 64, 64),
};

constexpr std::array<Color, 15> mixedII = {
    rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255), rgb(192, 0, 0), rgb(0, 192, 0),
    rgb(0, 0, 192), rgb(255, 96, 96), rgb(96, 255, 96), rgb(96, 96, 255), rgb(255, 255, 0),
    rgb(255, 0, 255), rgb(0, 255, 255), rgb(0, 0, 0), rgb(128, 128, 128), rgb(208, 208, 208),
};

// A number taken as a packed colour (sign-extended, as the colour word would
// take it, and kept to its three colour bytes).
Color asPackedColor(int16_t n)
{
    return static_cast<Color>(static_cast<int32_t>(n)) & 0xFFFFFFu;
}

// The low 8 bits as a non-negative remainder.
unsigned low8(long v)
{
    return static_cast<unsigned>(((v % 256) + 256) % 256);
}

template <std::size_t N>
Color cyclic(const std::array<Color, N>& table, int16_t n)
{
    const long index = (static_cast<long>(n) - 1) % static_cast<long>(N);
    if (index < 0) {
        return asPackedColor(n);
    }
    return table[static_cast<std::size_t>(index)];
}

// (scale · m - scale) / (N - 1) with m = min(n, N). A single colour makes
// every number the first colour.
long scalePosition(long scale, int16_t numColors, int16_t n)
{
    if (numColors <= 1) {
        return 0;
    }
    const long m = std::min<long>(n, numColors);
    return (scale * m - scale) / (numColors - 1);
}

}  // namespace

Color paletteColor(int16_t palette, int16_t numColors, int16_t n)
{
    switch (palette) {
    case MIXED_COLORS_I:
        return cyclic(mixedI, n);
    case MIXED_COLORS_II:
        return cyclic(mixedII, n);
    case GRAY_SCALE: {
        const unsigned g = low8(scalePosition(255, numColors, n));
        return rgb(g, g, g);
    }
    case RED_SCALE:
    case GREEN_SCALE:
    case BLUE_SCALE: {
        const long f = scalePosition(510, numColors, n);
        const unsigned v = low8(f);
        const unsigned h = low8(f + 1);
        const bool dark = f < 256;
        if (palette == RED_SCALE) return dark ? rgb(v, 0, 0) : rgb(255, h, h);
        if (palette == GREEN_SCALE) return dark ? rgb(0, v, 0) : rgb(h, 255, h);
        return dark ? rgb(0, 0, v) : rgb(h, h, 255);
    }
    case HEAT_SCALE: {
        const long f = scalePosition(1530, numColors, n);
        if (f < 256) return rgb(0, 0, low8(f));
        if (f <= 510) return rgb(0, low8(f + 1), 255);
        if (f <= 765) return rgb(0, 255, low8(-f - 3));
        if (f <= 1020) return rgb(low8(f + 3), 255, 0);
        if (f <= 1275) return rgb(255, low8(-f - 5), 0);
        return rgb(low8(-f - 6), 0, 0);
    }
    case BLACK_ONLY:
        return rgb(0, 0, 0);
    default:
        return asPackedColor(n);
    }
}

}  // namespace kvx
