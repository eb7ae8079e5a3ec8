#pragma once
// The owner of one plot, through which a program's start-up drives it: the
// window, ranges, ticks, labels, display modes, graphs, points and the file
// commands an edition takes over. Graph numbers count from 1; the per-graph
// setters apply to every graph when the index is 0 or less, and a number
// beyond the plot's graphs changes nothing.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "window/plot.h"

namespace kvx {

class PlotHandle {
public:
    // Creates the plot; it is listed in the session at once.
    explicit PlotHandle(std::string_view title);
    ~PlotHandle();
    PlotHandle(const PlotHandle&) = delete;
    PlotHandle& operator=(const PlotHandle&) = delete;

    Plot& plot() { return *plot_; }

    // Creates and shows the plot's window with its picture: points added
    // right after are drawn on the laid-out plot, not on a blank window.
    void show()
    {
        plot_->createWindow();
        plot_->redraw();
    }
    // Opens a data, plot or session file by its extension; `mode` is
    // FILE_OPEN or FILE_ADD. True when the file was handled.
    bool openFile(const std::string& path, int16_t mode);
    // Paints the whole window again at once.
    void redraw() { plot_->redraw(); }

    // A position set here is kept: show does not cascade the window.
    void setPosition(int16_t x, int16_t y) { plot_->setPosition(x, y); }
    void setSize(int16_t width, int16_t height) { plot_->setSize(width, height); }
    void setRange(double xMin, double xMax, double yMin, double yMax, bool rememberLast);
    void setTicks(double xTick, double yTick, double xSubTick, double ySubTick);
    void setLables(std::string_view xLable, std::string_view yLable, std::string_view axesTitle);
    // Keyword values of the grid, coordinate-system, legend and colour-scheme
    // switches.
    void setShowGrid(int16_t mode) { plot_->setShowGrid(mode); }
    void setShowCoorSystem(int16_t mode) { plot_->setShowCoorSystem(mode); }
    void setShowLegend(int16_t mode) { plot_->setShowLegend(mode); }
    void setColorScheme(int16_t scheme) { plot_->setColorScheme(scheme); }

    void ensureGraphs(int16_t n) { plot_->ensureGraphs(n); }
    int16_t addGraph() { return plot_->addGraph(); }
    void removeAllGraphs() { plot_->removeAllGraphs(); }
    void setGraphLable(std::string_view text, int16_t index);
    void setGraphColor(int16_t colorNum, int16_t index);
    void setGraphMarker(int16_t markerType, int16_t index);
    void setShowPoints(int16_t mode, int16_t index);
    void setShowMarker(int16_t mode, int16_t index);
    void setPointsDrawRate(int16_t rate, int16_t index);
    void setMarkerDrawRate(int16_t rate, int16_t index);
    // Appends the point to graph `graph` and draws what it adds at once.
    void addPoint(double x, double y, int16_t graph);
    // Both ranges from the graphs; ticks and picture stay until setTicks
    // and redraw.
    void autoRange();

    // The file commands the window hands over instead of carrying them out
    // (1: none); "New" is available only while nothing is handed over.
    void setFileCommandMask(int16_t mask);
    // The open or add command of that code, as chosen in the menu; a
    // handed-over code only becomes pending.
    void issueFileCommand(int16_t code);
    // The command handed over last (1: none), once.
    int16_t takePendingFileCommand();
    // The open dialog for a file of the edition's own kind; nothing when
    // cancelled.
    std::optional<std::string> askOpenFileName(std::string_view title, std::string_view description,
                                               std::string_view extension, bool propose);

private:
    // Whether `index` names all graphs (0 or less) or one that exists.
    bool addresses(int16_t index) const { return index <= plot_->numGraphs(); }
    void setPerGraph(void (PlotModel::*set)(int16_t, int16_t), int16_t value, int16_t index);

    std::unique_ptr<Plot> plot_;
};

}  // namespace kvx
