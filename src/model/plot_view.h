#pragma once
// What one drawing of a plot works out for the surface it draws on: the
// surface's size, the plot rectangle in it, the transform between world and
// device, the legend's measurements and where each graph's line stands. The
// painter makes one for every surface; the window keeps the one of its last
// painting for the readout, the zoom band, measuring and point-by-point
// drawing, so that a picture painted elsewhere never changes them.

#include <cstdint>
#include <unordered_map>

#include "model/axis_scale.h"
#include "settings/plot_settings.h"

namespace kvx {

class Graph;

// The legend's measurements.
struct LegendLayout {
    int16_t lineHeight = 0;
    int16_t maxTextWidth = 0;
    int16_t width = 0;
    int16_t height = 0;
    int16_t rightReserve = 0;  // taken from the plot rectangle for the legend outside right
};

// Where the drawing of one graph stands, in device pixels, so that a point
// appended later continues it.
struct GraphDrawState {
    double prevX = 0.0;  // the last processed point
    double prevY = 0.0;
    double lastDotX = 0.0;  // the last dot drawn
    double lastDotY = 0.0;
    double lastMarkerX = 0.0;  // the last marker drawn
    double lastMarkerY = 0.0;
    bool prevVisible = false;
};

// Where one axis stands on a surface: a device coordinate is the offset plus
// (along x) or minus (along y) the scale times the axis coordinate.
struct AxisTransform {
    double scale = 0.0;   // pixels per unit along the axis
    double offset = 0.0;  // the device coordinate of axis coordinate 0
    AxisKind kind = AxisKind::Linear;  // the axis's kind when laid out
    bool log() const { return kind == AxisKind::Logarithmic; }
};

struct PlotView {
    int16_t width = 0;  // the surface's size in pixels
    int16_t height = 0;
    DeviceRect plotRect;
    AxisTransform x;
    AxisTransform y;
    LegendLayout legend;
    int16_t yTitleShift = 0;  // extra distance of the y label from the axis
    // A user's zoom or move holds the range against the data that files
    // append, until "Auto Range" gives it back to them.
    bool rangeByUser = false;
    // Per graph, by identity; a whole painting starts them afresh.
    std::unordered_map<const Graph*, GraphDrawState> graphStates;

    GraphDrawState& drawState(const Graph& graph) { return graphStates[&graph]; }
};

}  // namespace kvx
