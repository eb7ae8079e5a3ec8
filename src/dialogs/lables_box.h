#pragma once
// "Edit Lables": the x and y axis labels, the title over the axes system
// and the window title of a plot.

#include <cstddef>

#include "dialogs/accept_cancel_dialog.h"

namespace kvx {

class Plot;

class LablesBox : public AcceptCancelDialog {
public:
    // The longest text each field keeps, in bytes.
    static constexpr std::size_t maxTextLength = 255;

    explicit LablesBox(Plot& plot) : plot_(plot) {}

    void opened(DialogControls& controls) override;

private:
    void accept(DialogControls& controls) override;

    Plot& plot_;
};

// Shows the dialog for `plot`; the plot changes only when it ends with OK.
void showLablesBox(Plot& plot);

}  // namespace kvx
