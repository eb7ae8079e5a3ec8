#pragma once
// The owner of one plot, through which a program's start-up drives it.

#include <cstdint>
#include <memory>
#include <string>
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

    // Creates and shows the plot's window.
    void show() { plot_->createWindow(); }
    // Opens a data, plot or session file by its extension; `mode` is
    // FILE_OPEN or FILE_ADD. True when the file was handled.
    bool openFile(const std::string& path, int16_t mode);

private:
    std::unique_ptr<Plot> plot_;
};

}  // namespace kvx
