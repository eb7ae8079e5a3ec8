#pragma once
// "Color Palettes": the plot's palette and the number of colours of the
// scale palettes, with a swatch of each palette.

#include "dialogs/accept_cancel_dialog.h"
#include "dialogs/dialog_plot.h"

namespace kvx {


class ColorSetBox : public AcceptCancelDialog {
public:
    explicit ColorSetBox(DialogPlot plot) : plot_(plot.model), owner_(plot) {}

    void opened(DialogControls& controls) override;
    // The swatch pictures beside the radio buttons.
    void drawEntry(Surface& surface, int id, int index, int width, int height) override;

private:
    void accept(DialogControls& controls) override;

    PlotModel& plot_;
    DialogPlot owner_;  // the window the box belongs to
};

// Shows the dialog for `plot`; the plot changes only when it ends with OK.
void showColorSetBox(DialogPlot plot);

}  // namespace kvx
