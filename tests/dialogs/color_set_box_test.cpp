// "Color Palettes" driven as the user would, and the swatches it draws.

#include "dialogs/color_set_box.h"

#include <gtest/gtest.h>

#include "dialogs/control_ids.h"

#include <string>
#include <vector>

#include "dialogs/dialog_templates.h"
#include "window/plot.h"
#include "settings/keywords.h"
#include "support/recording_desktop.h"
#include "support/recording_dialog_controls.h"
#include "support/recording_surface.h"

namespace kvx {
namespace {

using test::RecordingDialogControls;

constexpr const char* colorsWarning = "Do not use less than 1 and not more than 32767 colors!\n";

class ColorSetBoxTest : public testing::Test {
protected:
    RecordingDialogControls open(ColorSetBox& box)
    {
        RecordingDialogControls controls(*dialogTemplate("ColorSetBox"));
        box.opened(controls);
        return controls;
    }

    test::RecordingDesktop desktop_;
    test::ScopedDesktop installed_{desktop_};
    Plot plot_{"p"};
};

TEST_F(ColorSetBoxTest, OkTakesTheCheckedPaletteWithThe16BitCountAndWarnsBelowOne)
{
    plot_.setColorPalette(RED_SCALE, 5);
    ColorSetBox box(plot_);
    RecordingDialogControls c = open(box);
    EXPECT_TRUE(c.control(IDC_PALETTE_RED_SCALE).checked);
    EXPECT_FALSE(c.control(IDC_PALETTE_MIXED_COLORS_I).checked);
    EXPECT_EQ(c.control(IDC_NUM_COLORS).text, "5");

    for (const char* count : {"40000", "0"}) {
        c.type(IDC_NUM_COLORS, count);
        c.press(box, IDOK);
        EXPECT_FALSE(c.ended()) << count;
    }
    ASSERT_EQ(desktop_.boxes.size(), 2u);
    EXPECT_EQ(desktop_.boxes[0].text, colorsWarning);
    EXPECT_EQ(desktop_.boxes[1].text, colorsWarning);
    c.type(IDC_NUM_COLORS, "abc");
    c.press(box, IDOK);
    EXPECT_FALSE(c.ended());
    EXPECT_TRUE(c.control(IDC_NUM_COLORS).textSelected);
    EXPECT_EQ(desktop_.boxes.size(), 2u);
    EXPECT_EQ(plot_.numColors(), 5);

    c.press(box, IDC_PALETTE_GRAY_SCALE);
    c.type(IDC_NUM_COLORS, "70000");
    c.press(box, IDOK);
    EXPECT_EQ(c.result(), IDOK);
    EXPECT_EQ(plot_.colorPalette(), GRAY_SCALE);
    EXPECT_EQ(plot_.numColors(), 4464);

    // The mixed palettes have their own counts.
    desktop_.dialogScripts.push_back([](RecordingDialogControls& d, DialogHandler& handler) {
        EXPECT_TRUE(d.control(IDC_PALETTE_GRAY_SCALE).checked);
        EXPECT_EQ(d.control(IDC_NUM_COLORS).text, "4464");
        d.press(handler, IDC_PALETTE_MIXED_COLORS_I);
        d.type(IDC_NUM_COLORS, "12");
        d.press(handler, IDOK);
    });
    showColorSetBox(plot_);
    EXPECT_EQ(desktop_.dialogRuns.at(0).name, "ColorSetBox");
    EXPECT_EQ(plot_.colorPalette(), MIXED_COLORS_I);
    EXPECT_EQ(plot_.numColors(), 7);

    desktop_.dialogScripts.push_back([](RecordingDialogControls& d, DialogHandler& handler) {
        d.press(handler, IDC_PALETTE_HEAT_SCALE);
        d.type(IDC_NUM_COLORS, "3");
        d.press(handler, IDCANCEL);
    });
    showColorSetBox(plot_);
    EXPECT_EQ(plot_.colorPalette(), MIXED_COLORS_I);
    EXPECT_EQ(plot_.numColors(), 7);
}

TEST_F(ColorSetBoxTest, SwatchesShowEachPalettesOwnColoursInAFrame)
{
    ColorSetBox box(plot_);
    const auto swatch = [&box](int id) {
        test::RecordingSurface surface;
        box.drawEntry(surface, id, 0, 96, 14);
        return surface;
    };
    const auto fill = [](int left, int right, Color color) {
        return "fillRect " + std::to_string(left) + " 1 " + std::to_string(right) + " 13 " +
               test::colorText(color);
    };

    // Seven stripes over the 94 pixels inside the frame.
    const test::RecordingSurface mixedI = swatch(IDC_SWATCH_MIXED_COLORS_I);
    const std::vector<std::string> mixedIFills = mixedI.only("fillRect");
    ASSERT_EQ(mixedIFills.size(), 7u);
    EXPECT_EQ(mixedIFills[0], fill(1, 14, rgb(0, 0, 255)));
    EXPECT_EQ(mixedIFills[1], fill(14, 27, rgb(0, 128, 0)));
    EXPECT_EQ(mixedIFills[6], fill(81, 95, rgb(64, 64, 64)));
    EXPECT_EQ(mixedI.only("rectangle"), std::vector<std::string>{"rectangle 0 0 96 14"});

    const std::vector<std::string> mixedII = swatch(IDC_SWATCH_MIXED_COLORS_II).only("fillRect");
    ASSERT_EQ(mixedII.size(), 15u);
    EXPECT_EQ(mixedII[0], fill(1, 7, rgb(255, 0, 0)));
    EXPECT_EQ(mixedII[14], fill(88, 95, rgb(208, 208, 208)));

    // A red scale of 16 steps runs from black over red (step 8: 510 * 7 / 15)
    // to white.
    const std::vector<std::string> red = swatch(IDC_SWATCH_RED_SCALE).only("fillRect");
    ASSERT_EQ(red.size(), 16u);
    EXPECT_EQ(red[0], fill(1, 6, rgb(0, 0, 0)));
    EXPECT_EQ(red[7], fill(42, 48, rgb(238, 0, 0)));
    EXPECT_EQ(red[15], fill(89, 95, rgb(255, 255, 255)));

    const std::vector<std::string> blue = swatch(IDC_SWATCH_BLUE_SCALE).only("fillRect");
    ASSERT_EQ(blue.size(), 16u);
    EXPECT_EQ(blue[7], fill(42, 48, rgb(0, 0, 238)));

    EXPECT_TRUE(swatch(IDC_SWATCH_BLACK_ONLY + 1).calls.empty());
}

}  // namespace
}  // namespace kvx
