#pragma once
// The "Distribution" dialog: a histogram of one graph's y values, in a
// given number of equal bins or in bins of a given width, drawn as bars in
// a new plot window.

#include <cstdint>

#include "dialogs/dialog_plot.h"
#include "platform/dialog_handler.h"

namespace kvx {


// The graph of the last "Plot", in whichever plot (1-based; 0: none), as the
// application context remembers it.
int16_t& distributionGraphIndex();

class DistributionBox : public DialogHandler {
public:
    explicit DistributionBox(DialogPlot plot) : plot_(plot.model), owner_(plot) {}

    void opened(DialogControls& controls) override;
    void controlUsed(DialogControls& controls, int id, ControlEvent event) override;

private:
    void chooseByCount(DialogControls& controls, bool byCount);
    // False when the dialog is to stay open: no graph chosen, or a field
    // that was refused.
    bool plotChosen(DialogControls& controls);

    PlotModel& plot_;
    DialogPlot owner_;  // the window the box belongs to
};

void showDistributionBox(DialogPlot plot);

}  // namespace kvx
