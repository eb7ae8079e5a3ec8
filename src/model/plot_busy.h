#pragma once
// Holds a plot busy for a whole read, paint or resize. While any guard is
// alive, painting and resizing stay out (the settings' busy flag) and the
// window refuses the messages that would change the plot; a close asked for
// meanwhile is carried out after the current message, once the last guard
// is gone.

#include <cstdint>

namespace kvx {

class Plot;

class PlotBusy {
public:
    explicit PlotBusy(Plot& plot);
    ~PlotBusy();
    PlotBusy(const PlotBusy&) = delete;
    PlotBusy& operator=(const PlotBusy&) = delete;

    // Lets the plot repaint behind a box shown in the middle of the work;
    // the plot stays closed to changes.
    class PaintAllowed {
    public:
        explicit PaintAllowed(Plot& plot);
        ~PaintAllowed();
        PaintAllowed(const PaintAllowed&) = delete;
        PaintAllowed& operator=(const PaintAllowed&) = delete;

    private:
        Plot& plot_;
        uint8_t saved_;
    };

private:
    Plot& plot_;
    uint8_t saved_;
};

}  // namespace kvx
