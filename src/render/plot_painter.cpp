#include "render/plot_painter.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "render/graph_drawer.h"
#include "render/label_spacing.h"
#include "scaling/device_transform.h"
#include "scaling/layout_transform.h"
#include "settings/keywords.h"

namespace kvx {

namespace {

constexpr Color white = rgb(255, 255, 255);

// The number of pixels of an axis from a to b, both included.
int axisPixels(int16_t a, int16_t b)
{
    return std::abs(b - a) + 1;
}

// The power of ten factored out of an axis's labels; none for labels that
// are powers or plain numbers.
int16_t factorOf(const AxisTicks& ticks)
{
    return ticks.powers || ticks.plain ? int16_t{0} : ticks.format.exponent;
}

// The common part of an axis's labels, written once beside it.
const std::string& offsetOf(const AxisTicks& ticks)
{
    static const std::string none;
    return ticks.powers || ticks.plain || ticks.time ? none : ticks.format.offsetText;
}

}  // namespace

PlotPainter::PlotPainter(Surface& surface, PlotModel& plot, PlotView& view)
    : surface_(surface), plot_(plot), view_(view)
{
}

void PlotPainter::line(int x0, int y0, int x1, int y1)
{
    surface_.moveTo(x0, y0);
    surface_.lineTo(x1, y1);
}

void PlotPainter::mark(const DoublePoint& axisPoint, int dx, int dy, int length)
{
    const int x = truncatedPx(axisPoint.x) + dx;
    const int y = truncatedPx(axisPoint.y) + dy;
    line(x, y, x + dx * length, y + dy * length);
}

void PlotPainter::prepare()
{
    const PlotSettings& s = plot_.settings();
    objects_ = makePlotObjects(s);
    surface_.setTextColor(objects_.textColor);
    measureLegend();
    layoutTransform(plot_, view_);
    computeTicks();
    // Powers of ten and plain numbers are about as wide as labels of four
    // and six digits.
    const int16_t ySignificant = yTicks_.powers ? 4 : (yTicks_.plain ? 6 : yTicks_.format.significant);
    view_.yTitleShift = static_cast<int16_t>(ySignificant + s.fontSize / 3 - 5);
}

void PlotPainter::computeTicks()
{
    const PlotSettings& s = plot_.settings();
    const AxesSystem& axes = plot_.axes();
    const DeviceRect& rect = view_.plotRect;
    const TickedAxis x{axes.x().current(), axes.x().kind(), axisPixels(rect.left, rect.right), axes.tickDivisor(),
                       axes.subTickDivisor(), s.maxDigits};
    const TickedAxis y{axes.y().current(), axes.y().kind(), axisPixels(rect.top, rect.bottom), axes.tickDivisor(),
                       axes.subTickDivisor(), s.maxDigits};
    xTicks_ = axisTicks(x);
    yTicks_ = axisTicks(y);
}

void PlotPainter::measureLegend()
{
    surface_.selectFont(objects_.labelFont);
    const PlotSettings& s = plot_.settings();
    LegendLayout& legend = view_.legend;
    legend.lineHeight = static_cast<int16_t>(surface_.fontMetrics().height);
    int widest = 0;
    for (const Graph& g : plot_.graphs()) {
        widest = std::max(widest, surface_.textExtent(g.lable()).width);
    }
    legend.maxTextWidth = static_cast<int16_t>(widest);
    legend.width = static_cast<int16_t>(3 * s.legendInnerDistance + s.legendLineSampleLength + widest);
    // Thousands of graphs make a legend taller than any picture; its height
    // stays within the 16-bit field instead of wrapping round.
    const int height = plot_.numGraphs() * legend.lineHeight + 2 * s.legendInnerDistance;
    legend.height = static_cast<int16_t>(std::min(height, 32767));
    legend.rightReserve = s.showLegend == SHOW_OUTRIGHT ? legend.width : int16_t{0};
}

void PlotPainter::paintPlot()
{
    view_.graphStates.clear();  // every line starts afresh
    prepare();
    const bool coordinates = plot_.showCoorSystem() != HIDE;
    surface_.removeClip();
    fillBackground();
    drawGrid();
    if (coordinates) {
        drawFrame();
        drawTicks(true);
        drawTitles();
    }
    drawGraphs();
    if (coordinates) {
        // The frame and tick marks once more over the graphs; the labels lie
        // outside the plot rectangle, where no graph reaches, and a second
        // pass of smoothed text would only thicken it.
        drawFrame();
        drawTicks(false);
    }
    drawLegend();
}

void PlotPainter::layout()
{
    view_.graphStates.clear();  // lines drawn under the old scale do not go on
    prepare();
}

void PlotPainter::paintFrameAndGrid()
{
    objects_ = makePlotObjects(plot_.settings());
    computeTicks();
    if (plot_.showCoorSystem() != HIDE) {
        drawFrame();
    }
    drawGrid();
}

void PlotPainter::fillBackground()
{
    const PlotSettings& s = plot_.settings();
    const DeviceRect& r = view_.plotRect;
    const bool coordinates = s.showCoorSystem != HIDE;
    surface_.fillRect(0, 0, view_.width, view_.height,
                      coordinates ? s.marginColor : s.plotColor);
    surface_.fillRect(r.left, r.top, r.right + 1, r.bottom + 1, s.plotColor);
}

void PlotPainter::drawGridLine(double x0, double y0, double x1, double y1)
{
    const PlotSettings& s = plot_.settings();
    const int ax = truncatedPx(x0), ay = truncatedPx(y0), bx = truncatedPx(x1), by = truncatedPx(y1);
    if (s.gridLineType == SOLID) {
        line(ax, ay, bx, by);
        return;
    }
    const int dash = 3 * s.gridLineWidth;
    surface_.dashedLine(ax, ay, bx, by, dash, dash);
}

void PlotPainter::drawGrid()
{
    const int16_t grid = plot_.showGrid();
    if (grid == HIDE) {
        return;
    }
    const RangeSet r = plot_.axes().currentRange();
    const DeviceTransform t = DeviceTransform::of(view_);
    surface_.selectPen(objects_.gridPen);
    if (grid == SHOW || grid == SHOW_XAXIS) {
        for (const double x : xTicks_.major) {
            if (r.x.min < x && x < r.x.max) {
                const DoublePoint a = t.worldToDevice(x, r.y.min);
                const DoublePoint b = t.worldToDevice(x, r.y.max);
                drawGridLine(a.x, a.y, b.x, b.y);
            }
        }
    }
    if (grid == SHOW || grid == SHOW_YAXIS) {
        for (const double y : yTicks_.major) {
            if (r.y.min < y && y < r.y.max) {
                const DoublePoint a = t.worldToDevice(r.x.min, y);
                const DoublePoint b = t.worldToDevice(r.x.max, y);
                drawGridLine(a.x, a.y, b.x, b.y);
            }
        }
    }
}

void PlotPainter::bevelLine(Color color, int x0, int y0, int x1, int y1)
{
    surface_.selectPen(Pen{PenStyle::Solid, 1, color, false});
    line(x0, y0, x1, y1);
}

void PlotPainter::sunkenBevel(int L, int T, int R, int B)
{
    bevelLine(rgb(208, 208, 208), L, B, R + 1, B);
    line(R, B, R, T - 1);
    bevelLine(white, L - 1, B + 1, R + 2, B + 1);
    line(R + 1, B + 1, R + 1, T - 2);
    bevelLine(rgb(64, 64, 64), L, B - 1, L, T - 1);
    line(L, T, R, T);
    bevelLine(rgb(128, 128, 128), L - 1, B, L - 1, T - 2);
    line(L - 1, T - 1, R + 1, T - 1);
}

void PlotPainter::singleFrame(int L, int T, int R, int B)
{
    line(L, B, R + 1, B);
    line(R, B, R, T - 1);
    line(L, B - 1, L, T - 1);
    line(L, T, R, T);
}

void PlotPainter::drawFrame()
{
    const RangeSet r = plot_.axes().currentRange();
    const DeviceTransform t = DeviceTransform::of(view_);
    const DoublePoint lb = t.worldToDevice(r.x.min, r.y.min);
    const DoublePoint rt = t.worldToDevice(r.x.max, r.y.max);
    const int L = truncatedPx(lb.x), B = truncatedPx(lb.y), R = truncatedPx(rt.x), T = truncatedPx(rt.y);
    const int16_t scheme = plot_.colorScheme();
    const bool full = plot_.showCoorSystem() == SHOW;
    if (scheme == FANCY) {
        sunkenBevel(L, T, R, B);
        return;
    }
    surface_.selectPen(objects_.framePen);
    if (full) {
        singleFrame(L, T, R, B);
        if (scheme == PAPER) {
            line(L - 1, B + 1, R + 2, B + 1);
            line(R + 1, B + 1, R + 1, T - 2);
            line(L - 1, B, L - 1, T - 2);
            line(L - 1, T - 1, R + 1, T - 1);
        }
        return;
    }
    line(L, B, R + 1, B);
    line(L, B, L, T - 1);
    if (scheme == PAPER) {
        line(L - 1, B + 1, R + 1, B + 1);
        line(L - 1, B + 1, L - 1, T - 1);
    }
}

void PlotPainter::drawTicks(bool withLabels)
{
    const PlotSettings& s = plot_.settings();
    const RangeSet r = plot_.axes().currentRange();
    const DeviceTransform t = DeviceTransform::of(view_);
    const bool full = s.showCoorSystem == SHOW;
    surface_.selectPen(objects_.framePen);

    // Sub-ticks.
    for (const double x : xTicks_.minor) {
        if (r.x.min < x && x < r.x.max) {
            const DoublePoint p = t.worldToDevice(x, r.y.min);
            mark(p, 0, -1, s.subTicksSize);
            if (full) {
                const DoublePoint q = t.worldToDevice(x, r.y.max);
                mark(q, 0, 1, s.subTicksSize);
            }
        }
    }
    for (const double y : yTicks_.minor) {
        if (r.y.min < y && y < r.y.max) {
            const DoublePoint p = t.worldToDevice(r.x.min, y);
            mark(p, 1, 0, s.subTicksSize);
            if (full) {
                const DoublePoint q = t.worldToDevice(r.x.max, y);
                mark(q, -1, 0, s.subTicksSize);
            }
        }
    }

    if (withLabels) {
        surface_.selectFont(objects_.labelFont);
        surface_.setTextBackground(s.marginColor);
        spaceLabels();
    }
    const FontMetrics metrics = surface_.fontMetrics();

    // X ticks with their labels below the axis.
    for (const double x : xTicks_.major) {
        const DoublePoint p = t.worldToDevice(x, r.y.min);
        if (withLabels && labelled(xTicks_, x)) {
            drawLabel(xTicks_, x, truncatedPx(p.x), truncatedPx(p.y) + s.valueDistance, TextHAlign::Center);
        }
        if (r.x.min < x && x < r.x.max) {
            mark(p, 0, -1, s.ticksSize);
            if (full) {
                const DoublePoint q = t.worldToDevice(x, r.y.max);
                mark(q, 0, 1, s.ticksSize);
            }
        }
    }

    // Y ticks with their labels left of the axis.
    for (const double y : yTicks_.major) {
        const DoublePoint p = t.worldToDevice(r.x.min, y);
        if (withLabels && labelled(yTicks_, y)) {
            drawLabel(yTicks_, y, truncatedPx(p.x) - s.valueDistance - metrics.externalLeading,
                      yLabelTop(p.y, metrics), TextHAlign::Right);
        }
        if (r.y.min < y && y < r.y.max) {
            mark(p, 1, 0, s.ticksSize);
            if (full) {
                const DoublePoint q = t.worldToDevice(r.x.max, y);
                mark(q, -1, 0, s.ticksSize);
            }
        }
    }
    if (withLabels) {
        drawFactors();
    }
}

int PlotPainter::yLabelTop(double y, const FontMetrics& metrics)
{
    return truncatedPx(y) - 1 - (metrics.height + metrics.externalLeading) / 2;
}

void PlotPainter::spaceLabels()
{
    const RangeSet r = plot_.axes().currentRange();
    const DeviceTransform t = DeviceTransform::of(view_);
    const FontMetrics metrics = surface_.fontMetrics();
    // A space between two labels of the x axis, so that "12.0" and "12.5"
    // do not read as "12.012.5"; the lines of the y axis's labels have
    // their leading between them.
    const int gap = surface_.textExtent(" ").width;
    xTicks_.labelEvery = labelEvery(xTicks_, [&](const AxisTicks& ticks, double x) {
        const int width = labelWidth(ticks, x);
        const int left = truncatedPx(t.worldToDevice(x, r.y.min).x) - width / 2;
        return LabelSpan{left, left + width + gap};
    });
    yTicks_.labelEvery = labelEvery(yTicks_, [&](const AxisTicks&, double y) {
        const int top = yLabelTop(t.worldToDevice(r.x.min, y).y, metrics);
        return LabelSpan{top, top + metrics.height};
    });
}

int PlotPainter::labelWidth(const AxisTicks& ticks, double value)
{
    std::string exponent;
    const std::string text = axisTickLabel(ticks, value, exponent);
    const int baseWidth = surface_.textExtent(text).width;
    if (exponent.empty()) {
        return baseWidth;
    }
    surface_.selectFont(objects_.smallFont);
    const int exponentWidth = surface_.textExtent(exponent).width;
    surface_.selectFont(objects_.labelFont);
    return baseWidth + exponentWidth;
}

void PlotPainter::drawLabel(const AxisTicks& ticks, double value, int x, int top, TextHAlign align)
{
    std::string exponent;
    const std::string text = axisTickLabel(ticks, value, exponent);
    if (exponent.empty()) {
        surface_.setTextAlign(align, TextVAlign::Top);
        surface_.textOut(x, top, text);
        return;
    }
    // "10" with its exponent raised in the small font, as the factor of an
    // axis is written; placed as one text of both widths.
    const FontMetrics metrics = surface_.fontMetrics();
    const int baseWidth = surface_.textExtent(text).width;
    const int width = labelWidth(ticks, value);
    const int left = align == TextHAlign::Center ? x - width / 2 : (align == TextHAlign::Right ? x - width : x);
    surface_.selectFont(objects_.smallFont);
    surface_.setTextAlign(TextHAlign::Left, TextVAlign::Top);
    surface_.textOut(left + baseWidth, top - metrics.ascent / 3, exponent);
    surface_.selectFont(objects_.labelFont);
    surface_.textOut(left, top, text);
}

void PlotPainter::drawFactors()
{
    const PlotSettings& s = plot_.settings();
    const DeviceRect& r = view_.plotRect;
    surface_.selectFont(objects_.labelFont);
    const FontMetrics metrics = surface_.fontMetrics();
    const std::string& xOffset = offsetOf(xTicks_);
    const std::string& yOffset = offsetOf(yTicks_);
    // The x axis's offset ends at the right of the plot rectangle, its
    // factor before it; the y axis's offset follows its factor.
    int xRight = r.right;
    if (!xOffset.empty()) {
        surface_.setTextAlign(TextHAlign::Right, TextVAlign::Bottom);
        surface_.textOut(xRight, r.bottom + s.xLableDistance, xOffset);
        xRight -= surface_.textExtent(" " + xOffset).width;
    }
    if (factorOf(xTicks_) != 0) {
        const std::string exponent = " " + std::to_string(factorOf(xTicks_));
        surface_.selectFont(objects_.smallFont);
        surface_.setTextAlign(TextHAlign::Right, TextVAlign::Bottom);
        surface_.textOut(xRight, r.bottom + s.xLableDistance + 3 * metrics.internalLeading - metrics.ascent,
                         exponent);
        const int width = surface_.textExtent(exponent).width;
        surface_.selectFont(objects_.labelFont);
        surface_.textOut(xRight - width, r.bottom + s.xLableDistance, "x 10");
    }
    int yLeft = r.left;
    if (factorOf(yTicks_) != 0) {
        surface_.selectFont(objects_.labelFont);
        surface_.setTextAlign(TextHAlign::Left, TextVAlign::Bottom);
        surface_.textOut(r.left, r.top - s.valueDistance, "x 10");
        const int width = surface_.textExtent("x 10").width;
        const std::string exponent = " " + std::to_string(factorOf(yTicks_));
        surface_.selectFont(objects_.smallFont);
        surface_.textOut(r.left + width, r.top - s.valueDistance - metrics.ascent + 3 * metrics.internalLeading,
                         exponent);
        yLeft += width + surface_.textExtent(exponent).width;
        surface_.selectFont(objects_.labelFont);
        yLeft += surface_.textExtent(" ").width;
    }
    if (!yOffset.empty()) {
        surface_.selectFont(objects_.labelFont);
        surface_.setTextAlign(TextHAlign::Left, TextVAlign::Bottom);
        surface_.textOut(yLeft, r.top - s.valueDistance, yOffset);
    }
}

void PlotPainter::drawTitles()
{
    const PlotSettings& s = plot_.settings();
    const DeviceRect& r = view_.plotRect;
    surface_.setTextBackground(s.marginColor);
    surface_.setTextAlign(TextHAlign::Center, TextVAlign::Bottom);
    surface_.selectFont(objects_.labelFont);
    surface_.textOut((r.left + r.right) / 2, r.bottom + s.xLableDistance, plot_.xLable());
    surface_.selectFont(objects_.verticalFont);
    surface_.textOut(r.left - view_.yTitleShift - s.yLableDistance, (r.bottom + r.top) / 2, plot_.yLable());
    surface_.selectFont(objects_.labelFont);
    surface_.textOut((r.left + r.right) / 2, r.top - s.axesTitleDistance, plot_.axesTitle());
}

void PlotPainter::drawGraphs()
{
    const DeviceRect& r = view_.plotRect;
    surface_.setClipRect(r.left, r.top, r.right, r.bottom);
    {
        GraphDrawer drawer(surface_, plot_, view_);
        drawer.setMergeColumns(mergeColumns_);
        const SmoothedDrawing smoothed(surface_, plot_.settings().antiAlias == SHOW);
        int number = 0;
        for (Graph& g : plot_.graphs()) {
            ++number;
            surface_.beginGroup(g.lable().empty() ? "graph " + std::to_string(number) : g.lable());
            drawer.drawGraph(g);
            surface_.endGroup();
        }
    }
    surface_.removeClip();
}

void PlotPainter::drawLegend()
{
    const PlotSettings& s = plot_.settings();
    const LegendLayout& legend = view_.legend;
    const int16_t position = s.showLegend;
    if (plot_.numGraphs() == 0 || position == HIDE) {
        return;
    }
    const DeviceRect& r = view_.plotRect;
    if (position != SHOW_OUTRIGHT && std::abs(r.right - r.left) < legend.width + 2 * s.legendBorderDistance) {
        return;
    }
    const int b = s.legendBorderDistance;
    int x0 = 0, y0 = 0;
    switch (position) {
    case SHOW_UPRIGHT: x0 = r.right - b - legend.width; y0 = r.top + b; break;
    case SHOW_DOWNRIGHT: x0 = r.right - b - legend.width; y0 = r.bottom - b - legend.height; break;
    case SHOW_UPLEFT: x0 = r.left + b; y0 = r.top + b; break;
    case SHOW_DOWNLEFT: x0 = r.left + b; y0 = r.bottom - b - legend.height; break;
    case SHOW_OUTRIGHT: x0 = r.right + b; y0 = r.bottom - legend.height; break;
    default: return;  // not a legend position
    }
    const int x1 = x0 + legend.width;
    const int y1 = y0 + legend.height;

    surface_.selectPen(objects_.framePen);
    surface_.selectBrush(objects_.plotBrush);
    surface_.rectangle(x0, y0, x1 + 1, y1 + 1);
    if (s.colorScheme == FANCY) {
        if (position == SHOW_OUTRIGHT) {
            sunkenBevel(x0, y0, x1, y1);
        } else {
            const int L = x0, T = y0, R = x1, B = y1;
            bevelLine(rgb(128, 128, 128), L + 1, B, R + 1, B);
            line(R, B, R, T);
            bevelLine(white, L, B, L, T - 1);
            line(L, T, R + 1, T);
            bevelLine(rgb(64, 64, 64), L, B + 1, R + 2, B + 1);
            line(R + 1, B + 1, R + 1, T - 1);
            surface_.selectPen(objects_.framePen);
            singleFrame(x0 - 1, y0 - 1, x1 + 2, y1 + 2);
        }
    }

    surface_.selectFont(objects_.labelFont);
    surface_.setTextAlign(TextHAlign::Left, TextVAlign::Bottom);
    surface_.setTextBackground(s.plotColor);
    GraphDrawer drawer(surface_, plot_, view_);
    const SmoothedDrawing smoothed(surface_, plot_.settings().antiAlias == SHOW);
    for (int i = 0; i < plot_.numGraphs(); ++i) {
        const int top = y0 + s.legendInnerDistance + i * legend.lineHeight;
        if (top > view_.height) {
            break;  // the entries below lie outside the picture
        }
        Graph& graph = plot_.graph(i + 1);
        drawer.drawSample(graph, x0 + s.legendInnerDistance,
                          y0 + s.legendInnerDistance + legend.lineHeight / 2 + i * legend.lineHeight,
                          s.legendLineSampleLength, legend.lineHeight - 6);
        surface_.textOut(x0 + s.legendLineSampleLength + 2 * s.legendInnerDistance,
                         y0 + s.legendInnerDistance + (i + 1) * legend.lineHeight, graph.lable());
    }
}

void paintOutput(Surface& surface, PlotModel& plot, int width, int height)
{
    surface.setTextBackgroundOpaque(false);
    PlotView view;
    view.width = static_cast<int16_t>(width);
    view.height = static_cast<int16_t>(height);
    PlotPainter(surface, plot, view).paintPlot();
}

}  // namespace kvx
