#include "dialogs/color_set_box.h"

#include "dialogs/control_ids.h"
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/errors.h"
#include "dialogs/dialog_fields.h"
#include "dialogs/palette_swatch.h"
#include "dialogs/plot_dialog.h"
#include "dialogs/dialog_plot.h"
#include "settings/keywords.h"

namespace kvx {

namespace {

constexpr int firstRadio = IDC_PALETTE_MIXED_COLORS_I;
constexpr int firstSwatch = IDC_SWATCH_MIXED_COLORS_I;
constexpr int numColorsField = IDC_NUM_COLORS;

// The palette of radio button firstRadio + i and of swatch firstSwatch + i.
constexpr std::array<int16_t, 8> palettes{
    MIXED_COLORS_I, MIXED_COLORS_II, GRAY_SCALE, RED_SCALE,
    GREEN_SCALE,    BLUE_SCALE,      HEAT_SCALE, BLACK_ONLY,
};

std::optional<int16_t> swatchPalette(int id)
{
    const int i = id - firstSwatch;
    if (i < 0 || i >= static_cast<int>(palettes.size())) {
        return std::nullopt;
    }
    return palettes[static_cast<std::size_t>(i)];
}

}  // namespace

void ColorSetBox::opened(DialogControls& controls)
{
    for (std::size_t i = 0; i < palettes.size(); ++i) {
        if (palettes[i] == plot_.colorPalette()) {
            controls.setChecked(firstRadio + static_cast<int>(i), true);
        }
    }
    controls.setText(numColorsField, std::to_string(plot_.numColors()));
}

void ColorSetBox::accept(DialogControls& controls)
{
    int16_t numColors = 0;
    if (!readDialogShort(controls, numColorsField, numColors)) {
        return;
    }
    if (numColors <= 0) {
        reportError(ERR_MESSAGE, "Do not use less than 1 and not more than 32767 colors!", true,
                    owner_.frame.nativeWindow());
        return;
    }
    // A plot whose palette has no radio button (a damaged plot file) keeps it.
    int16_t palette = plot_.colorPalette();
    for (std::size_t i = 0; i < palettes.size(); ++i) {
        if (controls.checked(firstRadio + static_cast<int>(i))) {
            palette = palettes[i];
        }
    }
    plot_.setColorPalette(palette, numColors);
    controls.endDialog(IDOK);
}

void ColorSetBox::drawEntry(Surface& surface, int id, int index, int width, int height)
{
    (void)index;
    if (const std::optional<int16_t> palette = swatchPalette(id)) {
        drawPaletteSwatch(surface, *palette, width, height);
    }
}

void showColorSetBox(DialogPlot plot)
{
    ColorSetBox box(plot);
    runPlotDialog(plot, "ColorSetBox", box);
}

}  // namespace kvx
