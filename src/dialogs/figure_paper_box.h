#pragma once
// "On Paper ..." of Save Figure: the size of a figure on paper (or in
// pixels) and a PNG's dots per inch, typed as on the command line.

#include <string>

#include "dialogs/accept_cancel_dialog.h"
#include "dialogs/dialog_plot.h"
#include "render/figure_output.h"

namespace kvx {

class FigurePaperBox : public AcceptCancelDialog {
public:
    // Starts from `size`, which OK sets to what was typed.
    FigurePaperBox(DialogPlot plot, FigureSize& size) : owner_(plot), size_(size) {}

    void opened(DialogControls& controls) override;

private:
    void accept(DialogControls& controls) override;

    DialogPlot owner_;
    FigureSize& size_;
};

// Asks for the size; true, with `size` set, when the box ends with OK.
bool askFigurePaper(DialogPlot plot, FigureSize& size);

}  // namespace kvx
