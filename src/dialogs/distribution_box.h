#pragma once
// The "Distribution" dialog: a histogram of one graph's y values, in a
// given number of equal bins or in bins of a given width, drawn as bars in
// a new plot window.

#include <cstdint>

#include "platform/dialog_handler.h"

namespace kvx {

class Plot;

// The graph of the last "Plot", in whichever plot (1-based; 0: none).
int16_t& distributionGraphIndex();

class DistributionBox : public DialogHandler {
public:
    explicit DistributionBox(Plot& plot) : plot_(plot) {}

    void opened(DialogControls& controls) override;
    void controlUsed(DialogControls& controls, int id, ControlEvent event) override;

private:
    void chooseByCount(DialogControls& controls, bool byCount);
    // False when the dialog is to stay open: no graph chosen, or a field
    // that was refused.
    bool plotChosen(DialogControls& controls);

    Plot& plot_;
};

void showDistributionBox(Plot& plot);

}  // namespace kvx
