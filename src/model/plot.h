#pragma once
// The object behind each plot window: its axes system, its graphs and the
// settings block it copied from the plot defaults. The model part lives in
// model/, the window life and message handling in window/.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/base_window.h"
#include "model/axes_system.h"
#include "model/graph.h"
#include "model/graph_range.h"
#include "model/plot_file_handler.h"
#include "model/plot_view.h"
#include "model/pointer_state.h"
#include "settings/plot_settings.h"

namespace kvx {

struct DroppedFiles;

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

class Plot : public BaseWindow {
public:
    static constexpr int16_t maxGraphs = 32767;

    // A new plot: listed in the session, settings from the plot defaults,
    // window size from them, range -1000 to 1000 on both axes.
    explicit Plot(std::string_view title);
    // A clone: the source's settings, size, labels, title, axes and copies
    // of all its graphs, listed under a new number.
    explicit Plot(const Plot& source);
    ~Plot() override;

    intptr_t handleMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) override;

    // The window's life. createWindow makes and shows the platform window
    // (nothing when it exists); the program ends at once when none can be
    // made.
    void createWindow();
    // "New" and "Clone": a new window one cascade step beyond this one.
    Plot& newPlot();
    Plot& clonePlot();
    // Closes every other window of the session.
    void closeOthers();
    // "Exit Session", asking first when more than one window is open.
    void exitSession();
    // Destroys the platform window without a question: now, or after the
    // current message once the plot is no longer busy.
    void destroyWindow();
    // A read, paint or resize holds the plot (PlotBusy); the window refuses
    // the messages that would change it meanwhile.
    bool isBusy() const { return busyDepth_ > 0; }
    // Runs `task` after the current message, unless the plot's window is
    // gone by then (closed, the session ended, the object deleted).
    void postTask(std::function<void(Plot&)> task);

    // The graph list; graphs are numbered from 1.
    virtual int16_t addGraph();
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

    // The window's view: what its last painting worked out. Pictures,
    // pages and the clipboard are painted with views of their own.
    PlotView& view() { return view_; }
    const PlotView& view() const { return view_; }
    // The window's pointer and the gesture under way in it.
    PointerState& pointer() { return pointer_; }
    PlotFileHandler& files() { return files_; }
    const PlotFileHandler& files() const { return files_; }
    AxesSystem& axes() { return axes_; }
    const AxesSystem& axes() const { return axes_; }
    PlotSettings& settings() { return settings_; }
    const PlotSettings& settings() const { return settings_; }

private:
    // One handler per window message (window/plot_messages.cpp).
    void onDestroy();
    void onMoveOrSize(bool moved);
    void onPaint();
    void onKeyDown(uintptr_t key);
    void onWheel(uintptr_t wParam, intptr_t lParam);
    void onFilesDropped(const DroppedFiles* drop);
    void deferPaint(NativeWindow& window);

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
    PlotView view_;
    PointerState pointer_;
    friend class PlotBusy;
    int busyDepth_ = 0;
    bool closePending_ = false;  // a close arrived while the plot was busy
    friend class CoalescedRepaint;
    int coalescing_ = 0;
    bool paintPending_ = false;  // a coalesced picture is still to be painted
    // Posted tasks hold it weakly: a task of a plot that is gone never runs.
    // A copy gets a token of its own.
    std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
};

}  // namespace kvx
