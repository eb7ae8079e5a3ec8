#pragma once
// A plot together with the window frame it is shown in: the title, position
// and size that its plot file keeps, the number in a session, the client
// size of a figure, the window that messages belong to. The floors below the
// plot window know it only as these two parts; any object that is both
// converts, as a plot window is.

#include <type_traits>

#include "app/base_window.h"
#include "model/plot_model.h"

namespace kvx {

template <typename Model, typename Frame>
struct FramedPlotOf {
    template <typename Window>
        requires std::is_base_of_v<PlotModel, std::remove_cv_t<Window>> &&
                 std::is_base_of_v<BaseWindow, std::remove_cv_t<Window>>
    FramedPlotOf(Window& window) : model(window), frame(window)  // NOLINT(google-explicit-constructor)
    {
    }
    FramedPlotOf(Model& model, Frame& frame) : model(model), frame(frame) {}

    Model& model;
    Frame& frame;
};

using FramedPlot = FramedPlotOf<PlotModel, BaseWindow>;

}  // namespace kvx
