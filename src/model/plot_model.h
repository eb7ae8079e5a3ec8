#pragma once
// The data of one plot: its axes system, its graphs, the settings block it
// copied from the plot defaults, its lables and the files it came from. It
// knows no window: the plot window (window/plot.h) owns one and shows it,
// and batch mode draws it without a window.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/axes_system.h"
#include "model/graph.h"
#include "model/graph_range.h"
#include "model/plot_file_handler.h"
#include "settings/plot_settings.h"

namespace kvx {

// The graph attributes behind the menu check marks.
enum class GraphAttribute {
    LineWidth,
    ShowPoints,
    ShowMarker,
    ShowLines,
    MarkerSize,
    Type,
    LinesDrawRate,
    PointsDrawRate,
    MarkerDrawRate,
};

// The value of graph 1 and whether every graph shares it.
struct CommonValue {
    int16_t value;
    bool common;
};

class PlotModel {
public:
    static constexpr int16_t maxGraphs = 32767;

    // A new plot: settings from the plot defaults, range -1000 to 1000 on
    // both axes (a thousandth to a thousand on a logarithmic one).
    PlotModel();
    // A copy: the source's settings, lables, axes and copies of all its
    // graphs.
    PlotModel(const PlotModel& source);
    PlotModel& operator=(const PlotModel&) = delete;
    virtual ~PlotModel();

    // A read, paint or resize holds the plot (PlotBusy); whoever shows the
    // plot refuses the changes meanwhile.
    bool isBusy() const { return busyDepth_ > 0; }

    // The graph list; graphs are numbered from 1.
    int16_t addGraph();
    void ensureGraphs(int16_t n);
    int16_t addGraphCopy(const Graph& source);
    int16_t insertEmptyGraph(int16_t i);
    void removeGraph(int16_t i);
    void removeAllGraphs();
    Graph& graph(int i) { return *graphs_[static_cast<std::size_t>(i - 1)]; }
    const Graph& graph(int i) const { return *graphs_[static_cast<std::size_t>(i - 1)]; }
    // Every graph in list order. A 16-bit counter never passes 32767, the
    // largest number of graphs: loop over these instead.
    auto graphs() { return graphRange<Graph>(graphs_); }
    auto graphs() const { return graphRange<const Graph>(graphs_); }
    int16_t numGraphs() const { return settings_.numGraphs; }

    // Per-graph setters: graph `index`, or every graph when index <= 0.
    // Widths, sizes and draw rates are held within the bounds of their
    // settings, so that no caller can make the drawing blow up.
    void setLable(std::string_view text, int16_t index);
    void setType(int16_t v, int16_t index);
    void setColorNum(int16_t v, int16_t index);
    void setLineWidth(int16_t v, int16_t index);
    void setLineType(int16_t v, int16_t index);
    void setMarkerType(int16_t v, int16_t index);
    void setPointsSize(int16_t v, int16_t index);
    void setMarkerSize(int16_t v, int16_t index);
    void setShowLines(int16_t v, int16_t index);
    void setShowPoints(int16_t v, int16_t index);
    void setShowMarker(int16_t v, int16_t index);
    void setLinesDrawRate(int16_t v, int16_t index);
    void setPointsDrawRate(int16_t v, int16_t index);
    void setMarkerDrawRate(int16_t v, int16_t index);
    int16_t colorNum(int16_t index) const { return graph(index).colorNum(); }

    void append(double x, double y, int16_t index) { graph(index).append(x, y); }
    void appendIsolated(double x, double y, int16_t index) { graph(index).appendIsolated(x, y); }
    void startNewLine(int16_t index) { graph(index).startNewLine(); }

    // Graph 1's value and whether all graphs share it; without graphs the
    // graph default, shared.
    CommonValue commonValue(GraphAttribute attribute) const;

    const std::string& xLable() const { return xLable_; }
    const std::string& yLable() const { return yLable_; }
    const std::string& axesTitle() const { return axesTitle_; }
    void setLables(std::string_view xLable, std::string_view yLable, std::string_view axesTitle);

    int16_t showGrid() const { return settings_.showGrid; }
    int16_t showLegend() const { return settings_.showLegend; }
    int16_t readMode() const { return settings_.readMode; }
    int16_t zoomMode() const { return settings_.zoomMode; }
    int16_t aspectRatio() const { return settings_.aspectRatio; }
    int16_t showCoorSystem() const { return settings_.showCoorSystem; }
    int16_t colorScheme() const { return settings_.colorScheme; }
    int16_t colorPalette() const { return settings_.colorPalette; }
    int16_t numColors() const { return settings_.numColors; }
    void setShowGrid(int16_t v) { settings_.showGrid = v; }
    void setShowLegend(int16_t v) { settings_.showLegend = v; }
    void setReadMode(int16_t v) { settings_.readMode = v; }
    void setZoomMode(int16_t v) { settings_.zoomMode = v; }
    // Also chooses the active indents; with equal axes the zoom keeps the ratio.
    void setShowCoorSystem(int16_t v);
    // Without a coordinate system the zoom keeps the ratio.
    void setAspectRatio(int16_t v);
    // Also takes the scheme's frame, grid, margin and plot colours.
    void setColorScheme(int16_t v);
    // The two mixed palettes have fixed colour counts (16 and 7).
    void setColorPalette(int16_t palette, int16_t numColors);
    // The colours every new plot takes before anything is read into it,
    // with or without a window: its scheme's, and its palette with 16
    // colours. A clone takes them again.
    void takeWindowColours();

    PlotFileHandler& files() { return files_; }
    const PlotFileHandler& files() const { return files_; }
    AxesSystem& axes() { return axes_; }
    const AxesSystem& axes() const { return axes_; }
    PlotSettings& settings() { return settings_; }
    const PlotSettings& settings() const { return settings_; }

protected:
    // The last guard holding the plot busy is gone.
    virtual void busyEnded() {}

private:
    template <typename Apply>
    void forGraphs(int16_t index, Apply apply);
    std::unique_ptr<Graph> newGraph(int16_t number);

    AxesSystem axes_;
    PlotFileHandler files_;
    std::vector<std::unique_ptr<Graph>> graphs_;
    PlotSettings settings_;
    std::string xLable_;
    std::string yLable_;
    std::string axesTitle_;
    friend class PlotBusy;
    int busyDepth_ = 0;
};

}  // namespace kvx
