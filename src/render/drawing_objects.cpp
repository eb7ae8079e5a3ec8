#include "render/drawing_objects.h"

#include "model/color_scheme.h"
#include "render/palette.h"
#include "settings/keywords.h"

namespace kvx {

PenStyle penStyleOf(int16_t lineType)
{
    switch (lineType) {
    case DASH: return PenStyle::Dash;
    case DOT: return PenStyle::Dot;
    case DASHDOT: return PenStyle::DashDot;
    default: return PenStyle::Solid;
    }
}

PlotObjects makePlotObjects(const PlotSettings& settings)
{
    PlotObjects o;
    o.framePen = Pen{PenStyle::Solid, settings.frameLineWidth, settings.frameColor, false};
    o.gridPen = Pen{PenStyle::Solid, settings.gridLineWidth, settings.gridColor, false};
    o.plotBrush = Brush{false, settings.plotColor};
    o.marginBrush = Brush{false, settings.marginColor};
    o.labelFont = Font{settings.fontSize, false};
    o.verticalFont = Font{settings.fontSize, true};
    o.smallFont = Font{static_cast<int>(settings.fontSize * 0.83333), false};
    o.textColor = schemeColors(settings.colorScheme).text;
    return o;
}

GraphObjects makeGraphObjects(const Graph& graph, const PlotSettings& settings)
{
    GraphObjects o;
    o.color = paletteColor(settings.colorPalette, settings.numColors, graph.colorNum());
    const PenStyle style = penStyleOf(graph.lineType());
    if (style == PenStyle::Solid) {
        o.linePen = Pen{PenStyle::Solid, graph.lineWidth(), o.color, false};
        o.markerPen = Pen{PenStyle::Solid, graph.lineWidth(), o.color, true};
    } else {
        // One pixel wide on the screen; on paper as wide as the grid's
        // dashes, and dashed in proportion.
        o.linePen = Pen{style, settings.dashLineWidth, o.color, false};
        o.markerPen = o.linePen;
    }
    o.fillBrush = Brush{false, o.color};
    o.outlinePen = o.linePen;
    if (graph.type() == BARS) {
        const int16_t scheme = settings.colorScheme;
        const bool white = scheme == DARK || scheme == SCOPE;
        o.outlinePen = Pen{PenStyle::Solid, 1, white ? rgb(255, 255, 255) : rgb(0, 0, 0), false};
    }
    return o;
}

void selectGraphObjects(Surface& surface, const GraphObjects& objects)
{
    surface.selectPen(objects.outlinePen);
    surface.selectBrush(objects.fillBrush);
}

void releaseGraphObjects(Surface& surface)
{
    surface.selectPen(Pen{});
    surface.selectBrush(Brush{});
}

}  // namespace kvx
