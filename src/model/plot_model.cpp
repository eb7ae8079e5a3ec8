#include "model/plot_model.h"

#include "app/errors.h"
#include "model/color_scheme.h"
#include "settings/default_records.h"
#include "settings/keywords.h"
#include "settings/setting_bounds.h"

namespace kvx {

PlotModel::PlotModel()
{
    settings_ = plotDefaults();
    settings_.numGraphs = 0;
    // Before any file is read into the plot, whether it gets a window or
    // is drawn in batch mode: a plot file's own number of colours stays.
    takeWindowColours();
    axes_.setTickCounts(settings_.numTicks, settings_.numSubTicks);
    axes_.setRange(-1000.0, 1000.0, -1000.0, 1000.0, true);
    if (settings_.xLog == SHOW || settings_.yLog == SHOW) {
        // A logarithmic axis starts from a thousandth to a thousand.
        const AxisKind xKind = axisKind(settings_.xLog == SHOW);
        const AxisKind yKind = axisKind(settings_.yLog == SHOW);
        const auto min = [](AxisKind kind) { return kind == AxisKind::Logarithmic ? 1e-3 : -1000.0; };
        const auto max = [](AxisKind kind) { return kind == AxisKind::Logarithmic ? 1e3 : 1000.0; };
        axes_.setRangeAndKinds(min(xKind), max(xKind), min(yKind), max(yKind), xKind, yKind, false);
    }
}

PlotModel::PlotModel(const PlotModel& source)
    : axes_(source.axes_),
      settings_(source.settings_),
      xLable_(source.xLable_),
      yLable_(source.yLable_),
      axesTitle_(source.axesTitle_)
{
    settings_.numGraphs = 0;
    settings_.busy = 0;
    ensureGraphs(source.numGraphs());
    for (int i = 1; i <= source.numGraphs(); ++i) {
        graph(i).copyFrom(source.graph(i));
    }
}

PlotModel::~PlotModel() = default;

std::unique_ptr<Graph> PlotModel::newGraph(int16_t number)
{
    return std::make_unique<Graph>(number);
}

int16_t PlotModel::addGraph()
{
    if (settings_.numGraphs >= maxGraphs) {
        reportFatalError(ERR_MESSAGE, "Too many graphs");
    }
    const auto n = static_cast<int16_t>(settings_.numGraphs + 1);
    graphs_.push_back(newGraph(n));
    graphs_.back()->setLable("Graph " + std::to_string(n));
    settings_.numGraphs = n;
    return n;
}

void PlotModel::ensureGraphs(int16_t n)
{
    while (settings_.numGraphs < n) {
        addGraph();
    }
}

int16_t PlotModel::addGraphCopy(const Graph& source)
{
    const int16_t n = addGraph();
    graph(n).copyFrom(source);
    return n;
}

int16_t PlotModel::insertEmptyGraph(int16_t i)
{
    const int16_t n = addGraph();
    if (i >= n) {
        return n;
    }
    // The records stay in their slots; their contents move up by one.
    for (int16_t k = n; k > i; --k) {
        graph(k).copyFrom(graph(static_cast<int16_t>(k - 1)));
    }
    graph(i).reset();
    return i;
}

void PlotModel::removeGraph(int16_t i)
{
    if (i < 1 || i > settings_.numGraphs) {
        return;
    }
    graphs_.erase(graphs_.begin() + (i - 1));
    --settings_.numGraphs;
}

void PlotModel::removeAllGraphs()
{
    graphs_.clear();
    settings_.numGraphs = 0;
}

template <typename Apply>
void PlotModel::forGraphs(int16_t index, Apply apply)
{
    if (index > 0) {
        apply(graph(index));
        return;
    }
    for (auto& g : graphs_) {
        apply(*g);
    }
}

void PlotModel::setLable(std::string_view text, int16_t index)
{
    forGraphs(index, [&](Graph& g) { g.setLable(text); });
}

void PlotModel::setType(int16_t v, int16_t index)
{
    forGraphs(index, [v](Graph& g) { g.setType(v); });
}

void PlotModel::setColorNum(int16_t v, int16_t index)
{
    forGraphs(index, [v](Graph& g) { g.setPen(g.lineType(), g.lineWidth(), v); });
}

void PlotModel::setLineWidth(int16_t v, int16_t index)
{
    v = bounds::lineWidth.clamp(v);
    forGraphs(index, [v](Graph& g) { g.setPen(g.lineType(), v, g.colorNum()); });
}

void PlotModel::setLineType(int16_t v, int16_t index)
{
    forGraphs(index, [v](Graph& g) { g.setPen(v, g.lineWidth(), g.colorNum()); });
}

void PlotModel::setMarkerType(int16_t v, int16_t index)
{
    forGraphs(index, [v](Graph& g) { g.setMarkerType(v); });
}

void PlotModel::setPointsSize(int16_t v, int16_t index)
{
    v = bounds::dotOrMarkerSize.clamp(v);
    forGraphs(index, [v](Graph& g) { g.setPointsSize(v); });
}

void PlotModel::setMarkerSize(int16_t v, int16_t index)
{
    v = bounds::dotOrMarkerSize.clamp(v);
    forGraphs(index, [v](Graph& g) { g.setMarkerSize(v); });
}

void PlotModel::setShowLines(int16_t v, int16_t index)
{
    forGraphs(index, [v](Graph& g) { g.setShowLines(v); });
}

void PlotModel::setShowPoints(int16_t v, int16_t index)
{
    forGraphs(index, [v](Graph& g) { g.setShowPoints(v); });
}

void PlotModel::setShowMarker(int16_t v, int16_t index)
{
    forGraphs(index, [v](Graph& g) { g.setShowMarker(v); });
}

void PlotModel::setLinesDrawRate(int16_t v, int16_t index)
{
    v = bounds::drawRate.clamp(v);
    forGraphs(index, [v](Graph& g) { g.setLinesDrawRate(v); });
}

void PlotModel::setPointsDrawRate(int16_t v, int16_t index)
{
    v = bounds::drawRate.clamp(v);
    forGraphs(index, [v](Graph& g) { g.setPointsDrawRate(v); });
}

void PlotModel::setMarkerDrawRate(int16_t v, int16_t index)
{
    v = bounds::drawRate.clamp(v);
    forGraphs(index, [v](Graph& g) { g.setMarkerDrawRate(v); });
}

CommonValue PlotModel::commonValue(GraphAttribute attribute) const
{
    auto valueOf = [attribute](const Graph& g) -> int16_t {
        switch (attribute) {
        case GraphAttribute::LineWidth: return g.lineWidth();
        case GraphAttribute::ShowPoints: return g.showPoints();
        case GraphAttribute::ShowMarker: return g.showMarker();
        case GraphAttribute::ShowLines: return g.showLines();
        case GraphAttribute::MarkerSize: return g.markerSize();
        case GraphAttribute::Type: return g.type();
        case GraphAttribute::LinesDrawRate: return g.linesDrawRate();
        case GraphAttribute::PointsDrawRate: return g.pointsDrawRate();
        case GraphAttribute::MarkerDrawRate: return g.markerDrawRate();
        }
        return 0;
    };
    if (graphs_.empty()) {
        const GraphDefaults& d = graphDefaults();
        switch (attribute) {
        case GraphAttribute::LineWidth: return {d.lineWidth, true};
        case GraphAttribute::ShowPoints: return {d.showPoints, true};
        case GraphAttribute::ShowMarker: return {d.showMarker, true};
        case GraphAttribute::ShowLines: return {d.showLines, true};
        case GraphAttribute::MarkerSize: return {d.markerSize, true};
        case GraphAttribute::Type: return {d.type, true};
        case GraphAttribute::LinesDrawRate: return {d.linesDrawRate, true};
        case GraphAttribute::PointsDrawRate: return {d.pointsDrawRate, true};
        case GraphAttribute::MarkerDrawRate: return {d.markerDrawRate, true};
        }
    }
    const int16_t first = valueOf(*graphs_.front());
    for (const auto& g : graphs_) {
        if (valueOf(*g) != first) {
            return {first, false};
        }
    }
    return {first, true};
}

void PlotModel::setLables(std::string_view xLable, std::string_view yLable, std::string_view axesTitle)
{
    xLable_.assign(xLable);
    yLable_.assign(yLable);
    axesTitle_.assign(axesTitle);
}

void PlotModel::setShowCoorSystem(int16_t v)
{
    settings_.showCoorSystem = v;
    settings_.activeIndents = (v == SHOW || v == SHOW_HALF) ? settings_.indents : settings_.plainIndents;
    if (settings_.aspectRatio == AXES_EQUAL) {
        settings_.zoomMode = ZOOM_XKR;
    }
}

void PlotModel::setAspectRatio(int16_t v)
{
    settings_.aspectRatio = v;
    if (settings_.showCoorSystem == HIDE) {
        settings_.zoomMode = ZOOM_XKR;
    }
}

void PlotModel::setColorScheme(int16_t v)
{
    settings_.colorScheme = v;
    const SchemeColors colors = schemeColors(v);
    settings_.frameColor = colors.frame;
    settings_.gridColor = colors.grid;
    settings_.marginColor = colors.margin;
    settings_.plotColor = colors.plot;
}

void PlotModel::takeWindowColours()
{
    setColorScheme(settings_.colorScheme);
    setColorPalette(settings_.colorPalette, 16);
}

void PlotModel::setColorPalette(int16_t palette, int16_t numColors)
{
    settings_.colorPalette = palette;
    if (palette == MIXED_COLORS_II) {
        numColors = 16;
    } else if (palette == MIXED_COLORS_I) {
        numColors = 7;
    }
    settings_.numColors = numColors;
}

}  // namespace kvx
