#pragma once
// The "Statistics" dialog: the extremes, means, standard deviations and
// ranges of one graph, and reference lines for them, drawn right after the
// graph in its own plot or in a new plot window beside a copy of it.

#include <cstdint>

#include "dialogs/dialog_plot.h"
#include "platform/dialog_handler.h"

namespace kvx {


// The graph last chosen in the dialog, in whichever plot (1-based; 0: none),
// as the application context remembers it.
int16_t& statisticsGraphIndex();

class StatisticsBox : public DialogHandler {
public:
    explicit StatisticsBox(DialogPlot plot) : plot_(plot.model), owner_(plot) {}

    void opened(DialogControls& controls) override;
    void controlUsed(DialogControls& controls, int id, ControlEvent event) override;

private:
    void graphChosen(DialogControls& controls);
    void plotChosen(DialogControls& controls);

    PlotModel& plot_;
    DialogPlot owner_;  // the window the box belongs to
};

void showStatisticsBox(DialogPlot plot);

}  // namespace kvx
