#pragma once
// "Set Range & Ticks": the plot's x and y ranges and the tick and sub-tick
// spacings of both axes, typed as numbers, and whether each axis is
// logarithmic ("Log X", "Log Y"; its spacings then count decades). On a
// time axis the x bounds show as dates and times and may be typed as such.

#include "dialogs/accept_cancel_dialog.h"
#include "dialogs/dialog_plot.h"

namespace kvx {

struct RangeSet;

class RangeAndTicksBox : public AcceptCancelDialog {
public:
    explicit RangeAndTicksBox(DialogPlot plot) : plot_(plot.model), owner_(plot) {}

    void opened(DialogControls& controls) override;

private:
    void accept(DialogControls& controls) override;
    // "Auto Ticks": proposes the spacings for the range in the fields.
    void buttonPressed(DialogControls& controls, int id) override;
    void logChecked(DialogControls& controls, bool xAxis);
    void showTicks(DialogControls& controls, const RangeSet& r, AxisKind xKind, AxisKind yKind);
    // The x axis's kind as the box has it: logarithmic when "Log X" is
    // checked, else that of the plot's x axis (linear or time).
    AxisKind typedXKind(const DialogControls& controls) const;

    PlotModel& plot_;
    DialogPlot owner_;  // the window the box belongs to
};

// Shows the dialog for `plot`; the plot changes only when it ends with OK.
void showRangeAndTicksBox(DialogPlot plot);

}  // namespace kvx
