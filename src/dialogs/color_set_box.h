#pragma once
// "Color Palettes": the plot's palette and the number of colours of the
// scale palettes, with a swatch of each palette.

#include "dialogs/accept_cancel_dialog.h"

namespace kvx {

class Plot;

class ColorSetBox : public AcceptCancelDialog {
public:
    explicit ColorSetBox(Plot& plot) : plot_(plot) {}

    void opened(DialogControls& controls) override;
    // The swatch pictures beside the radio buttons.
    void drawEntry(Surface& surface, int id, int index, int width, int height) override;

private:
    void accept(DialogControls& controls) override;

    Plot& plot_;
};

// Shows the dialog for `plot`; the plot changes only when it ends with OK.
void showColorSetBox(Plot& plot);

}  // namespace kvx
