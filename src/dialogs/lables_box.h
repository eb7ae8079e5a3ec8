#pragma once
// "Edit Lables": the x and y axis labels, the title over the axes system
// and the window title of a plot.

#include <cstddef>

#include "dialogs/accept_cancel_dialog.h"
#include "dialogs/dialog_plot.h"

namespace kvx {


class LablesBox : public AcceptCancelDialog {
public:
    // The longest text each field keeps, in bytes.
    static constexpr std::size_t maxTextLength = 255;

    explicit LablesBox(DialogPlot plot) : plot_(plot.model), owner_(plot) {}

    void opened(DialogControls& controls) override;

private:
    void accept(DialogControls& controls) override;

    PlotModel& plot_;
    DialogPlot owner_;  // the window the box belongs to
};

// Shows the dialog for `plot`; the plot changes only when it ends with OK.
void showLablesBox(DialogPlot plot);

}  // namespace kvx
