#include "render/palette.h"

#include <gtest/gtest.h>

#include "model/color_scheme.h"
#include "settings/keywords.h"

namespace kvx {
namespace {

TEST(Palette, GrayScaleRunsFromBlackToWhite)
{
    const unsigned levels[] = {0, 42, 85, 127, 170, 212, 255};
    for (int16_t n = 1; n <= 7; ++n) {
        EXPECT_EQ(paletteColor(GRAY_SCALE, 7, n), rgb(levels[n - 1], levels[n - 1], levels[n - 1])) << n;
    }
    EXPECT_EQ(paletteColor(GRAY_SCALE, 7, 9), rgb(255, 255, 255));
}

TEST(Palette, HeatScaleBands)
{
    EXPECT_EQ(paletteColor(HEAT_SCALE, 7, 1), rgb(0, 0, 0));
    EXPECT_EQ(paletteColor(HEAT_SCALE, 7, 2), rgb(0, 0, 255));        // f = 255
    EXPECT_EQ(paletteColor(HEAT_SCALE, 7, 3), rgb(0, 255, 255));      // f = 510
    EXPECT_EQ(paletteColor(HEAT_SCALE, 7, 4), rgb(0, 255, 0));        // f = 765
    EXPECT_EQ(paletteColor(HEAT_SCALE, 7, 5), rgb(255, 255, 0));      // f = 1020
    EXPECT_EQ(paletteColor(HEAT_SCALE, 7, 6), rgb(255, 0, 0));        // f = 1275
    EXPECT_EQ(paletteColor(HEAT_SCALE, 7, 7), rgb(0, 0, 0));          // f = 1530
    EXPECT_EQ(paletteColor(HEAT_SCALE, 13, 2), rgb(0, 0, 127));       // f = 127
}

TEST(Palette, SingleColourScalesGiveTheirFirstColour)
{
    EXPECT_EQ(paletteColor(RED_SCALE, 3, 1), rgb(0, 0, 0));
    EXPECT_EQ(paletteColor(RED_SCALE, 3, 2), rgb(255, 0, 0));      // f = 255
    EXPECT_EQ(paletteColor(RED_SCALE, 3, 3), rgb(255, 255, 255));  // f = 510: h = 511 mod 256
    EXPECT_EQ(paletteColor(GREEN_SCALE, 5, 4), rgb(127, 255, 127));  // f = 382: h = 383 mod 256
    EXPECT_EQ(paletteColor(BLUE_SCALE, 5, 2), rgb(0, 0, 127));
    for (int16_t palette : {GRAY_SCALE, RED_SCALE, HEAT_SCALE}) {
        EXPECT_EQ(paletteColor(palette, 1, 1), rgb(0, 0, 0)) << palette;
        EXPECT_EQ(paletteColor(palette, 1, 5), rgb(0, 0, 0)) << palette;
    }
}

TEST(Palette, CyclicTablesWrapAndFallBackToThePackedNumber)
{
    EXPECT_EQ(paletteColor(MIXED_COLORS_I, 7, 1), rgb(0, 0, 255));
    EXPECT_EQ(paletteColor(MIXED_COLORS_I, 7, 8), rgb(0, 0, 255));
    EXPECT_EQ(paletteColor(MIXED_COLORS_I, 7, 7), rgb(64, 64, 64));
    EXPECT_EQ(paletteColor(MIXED_COLORS_II, 16, 16), rgb(255, 0, 0));
    EXPECT_EQ(paletteColor(MIXED_COLORS_II, 16, 15), rgb(208, 208, 208));
    EXPECT_EQ(paletteColor(MIXED_COLORS_I, 7, 0), rgb(0, 0, 0));
    EXPECT_EQ(paletteColor(MIXED_COLORS_I, 7, -1), rgb(255, 255, 255));
    EXPECT_EQ(paletteColor(4711, 7, 255), rgb(255, 0, 0));
    EXPECT_EQ(paletteColor(BLACK_ONLY, 7, 3), rgb(0, 0, 0));
}

TEST(ColorScheme, TableAndFallback)
{
    EXPECT_EQ(schemeColors(DARK).margin, rgb(64, 64, 64));
    EXPECT_EQ(schemeColors(DARK).text, rgb(255, 255, 255));
    EXPECT_EQ(schemeColors(FANCY).plot, rgb(240, 255, 255));
    EXPECT_EQ(schemeColors(SCOPE).grid, rgb(96, 255, 96));
    EXPECT_EQ(schemeColors(PAPER).margin, rgb(255, 255, 255));
    EXPECT_EQ(schemeColors(4711).frame, rgb(0, 0, 0));
    EXPECT_EQ(schemeColors(4711).margin, rgb(208, 208, 208));
}

}  // namespace
}  // namespace kvx
