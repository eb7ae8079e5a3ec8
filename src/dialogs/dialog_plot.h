#pragma once
// The plot window a dialog belongs to, as the dialogs know it: its plot, its
// frame (where boxes and messages belong, its title), the view of its last
// painting and the windows it opens for results. A plot window is all of
// these and converts.

#include <cstdint>
#include <type_traits>

#include "app/base_window.h"
#include "model/plot_model.h"
#include "model/plot_view.h"

namespace kvx {

struct DialogPlot;

// What the dialogs ask of a plot window beyond its plot and its frame.
class DialogWindow {
public:
    // The view of the window's last painting.
    virtual const PlotView& lastView() const = 0;
    // A new plot window one cascade step beyond this one, as "New" opens it.
    virtual DialogPlot openNewPlot() = 0;
    // Appends (x, y) to graph `index` and draws what it adds on the window
    // at once.
    virtual void appendAndDrawPoint(double x, double y, int16_t index) = 0;

protected:
    ~DialogWindow() = default;
};

struct DialogPlot {
    template <typename Window>
        requires std::is_base_of_v<PlotModel, Window> && std::is_base_of_v<BaseWindow, Window> &&
                 std::is_base_of_v<DialogWindow, Window>
    DialogPlot(Window& plot) : model(plot), frame(plot), window(plot)  // NOLINT(google-explicit-constructor)
    {
    }

    PlotModel& model;
    BaseWindow& frame;
    DialogWindow& window;
};

}  // namespace kvx
