#pragma once
// The pens, brushes and fonts a plot draws with, made from its settings at
// the start of every painting, and the ones a graph draws with.

#include "model/graph.h"
#include "platform/surface.h"
#include "settings/plot_settings.h"

namespace kvx {

struct PlotObjects {
    Pen framePen;
    Pen gridPen;
    Brush plotBrush;
    Brush marginBrush;
    Font labelFont;
    Font verticalFont;
    Font smallFont;
    Color textColor = 0;
};

PlotObjects makePlotObjects(const PlotSettings& settings);

struct GraphObjects {
    Color color = 0;
    Pen linePen;
    Pen markerPen;
    Brush fillBrush;
    Pen outlinePen;  // the line pen; black or white by scheme for bars
};

GraphObjects makeGraphObjects(const Graph& graph, const PlotSettings& settings);

// Selects the graph's outline pen and fill brush.
void selectGraphObjects(Surface& surface, const GraphObjects& objects);
// Back to the plain black pen and brush.
void releaseGraphObjects(Surface& surface);

// The pen style of a line type (SOLID, DASH, DOT, DASHDOT).
PenStyle penStyleOf(int16_t lineType);

}  // namespace kvx
