#pragma once
// The owner of one plot, through which a program's start-up drives it.

#include <memory>
#include <string_view>

#include "model/plot.h"

namespace kvx {

class PlotHandle {
public:
    // Creates the plot; it is listed in the session at once.
    explicit PlotHandle(std::string_view title);
    ~PlotHandle();
    PlotHandle(const PlotHandle&) = delete;
    PlotHandle& operator=(const PlotHandle&) = delete;

    Plot& plot() { return *plot_; }

private:
    std::unique_ptr<Plot> plot_;
};

}  // namespace kvx
