#pragma once
// Holds a plot busy for a whole read, paint or resize. While any guard is
// alive, painting and resizing stay out (the settings' busy flag) and the
// window refuses the messages that would change the plot; the plot hears
// when the last guard is gone (a window then carries out a close asked for
// meanwhile).

#include <cstdint>

namespace kvx {

class PlotModel;

class PlotBusy {
public:
    explicit PlotBusy(PlotModel& plot);
    ~PlotBusy();
    PlotBusy(const PlotBusy&) = delete;
    PlotBusy& operator=(const PlotBusy&) = delete;

    // Lets the plot repaint behind a box shown in the middle of the work;
    // the plot stays closed to changes.
    class PaintAllowed {
    public:
        explicit PaintAllowed(PlotModel& plot);
        ~PaintAllowed();
        PaintAllowed(const PaintAllowed&) = delete;
        PaintAllowed& operator=(const PaintAllowed&) = delete;

    private:
        PlotModel& plot_;
        uint8_t saved_;
    };

private:
    PlotModel& plot_;
    uint8_t saved_;
};

}  // namespace kvx
