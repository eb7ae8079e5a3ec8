#include "render/graph_drawer.h"

#include <algorithm>
#include <cmath>

#include "render/graph_drawer_pixels.h"
#include "render/markers.h"
#include "scaling/clip_segment.h"
#include "settings/keywords.h"

namespace kvx {

using namespace graph_pixels;

GraphDrawer::GraphDrawer(Surface& surface, const PlotModel& plot, PlotView& view)
    : surface_(surface),
      plot_(plot),
      view_(view),
      transform_(DeviceTransform::of(view)),
      rect_(view.plotRect)
{
}

GraphDrawer::~GraphDrawer()
{
    flushColumn();
}

bool GraphDrawer::visible(double X, double Y, int margin) const
{
    return rect_.left - margin < X && X < rect_.right + margin && rect_.top - margin < Y &&
           Y < rect_.bottom + margin;
}

double GraphDrawer::zeroLine(double worldX) const
{
    return transform_.worldToDevice(worldX, 0.0).y;
}

void GraphDrawer::beginGraph(const Graph& graph)
{
    objects_ = makeGraphObjects(graph, plot_.settings());
    selectGraphObjects(surface_, objects_);
    const Pen& pen = objects_.outlinePen;
    byColumn_ = mergeColumns_ && pen.style == PenStyle::Solid && !pen.geometric;
    merging_ = byColumn_ && pen.width <= 1;
    penAt_.reset();
}

void GraphDrawer::endGraph()
{
    flushColumn();
    releaseGraphObjects(surface_);
    penAt_.reset();
}

void GraphDrawer::flushColumn()
{
    if (!run_.active) {
        return;
    }
    run_.active = false;
    // Every pixel between the visited ones is drawn; the last point itself
    // only when an earlier piece reached it.
    int from = run_.low;
    int to = run_.high;
    if (run_.last < run_.low) {
        from = run_.last + 1;
    } else if (run_.last > run_.high) {
        to = run_.last - 1;
    }
    surface_.moveTo(run_.x, from);
    surface_.lineTo(run_.x, to + 1);
    surface_.moveTo(run_.x, run_.last);
    penAt_ = {run_.x, run_.last};
}

void GraphDrawer::moveTo(int x, int y)
{
    flushColumn();
    surface_.moveTo(x, y);
    penAt_ = {x, y};
}

void GraphDrawer::line(int x0, int y0, int x1, int y1)
{
    if (x0 == x1 && y0 == y1) {
        // A line of no length draws no pixel; only the position moves.
        if (run_.active && run_.x == x0 && run_.last == y0) {
            return;
        }
        if (!penAt_ || penAt_->first != x0 || penAt_->second != y0) {
            moveTo(x0, y0);
        }
        return;
    }
    if (merging_ && x0 == x1) {
        if (run_.active && run_.x == x0 && run_.last == y0) {
            run_.low = std::min(run_.low, y0);
            run_.high = std::max(run_.high, y0);
            run_.last = y1;
            return;
        }
        flushColumn();
        run_ = ColumnRun{true, x0, y0, y0, y1};
        return;
    }
    flushColumn();
    if (!penAt_ || penAt_->first != x0 || penAt_->second != y0) {
        surface_.moveTo(x0, y0);
    }
    surface_.lineTo(x1, y1);
    penAt_ = {x1, y1};
}

void GraphDrawer::clippedLine(double x0, double y0, double x1, double y1)
{
    if (const auto s = clipToPlotRect(rect_, Segment{x0, y0, x1, y1})) {
        line(pixel(s->x0), pixel(s->y0), pixel(s->x1), pixel(s->y1));
    }
}

void GraphDrawer::drawStem(double X, double Y, double worldX)
{
    clippedLine(X, Y, X, zeroLine(worldX));
}

void GraphDrawer::drawSegment(const Graph& graph, const GraphDrawState& st, double X, double Y, double worldX,
                              bool visibleNow)
{
    const double px = st.prevX;
    const double py = st.prevY;
    const bool both = st.prevVisible && visibleNow;
    switch (graph.type()) {
    case STAIRS:
        if (both) {
            line(pixel(px), pixel(py), pixel(X), pixel(py));
            line(pixel(X), pixel(py), pixel(X), pixel(Y));
        } else {
            clippedLine(px, py, X, py);
            clippedLine(X, py, X, Y);
        }
        break;
    case BARS: {
        const double y0 = zeroLine(worldX);
        const bool flat = py == y0;
        const double top = flat ? py - 1 : py;
        if (std::isnan(px) || std::isnan(X) || std::isnan(top) || std::isnan(y0)) {
            break;
        }
        // Intersected with the plot rectangle before anything becomes a
        // pixel, so that a bar reaching far beyond it keeps its direction.
        const int l = pixel(std::max<double>(std::min(px, X), rect_.left));
        const int r = pixel(std::min<double>(std::max(px, X), rect_.right));
        const int t = pixel(std::max<double>(std::min(top, y0), rect_.top));
        const int b = pixel(std::min<double>(std::max(top, y0), rect_.bottom));
        if (l >= r || t >= b) {
            break;  // nothing of the bar lies inside
        }
        flushColumn();
        if (flat) {
            surface_.moveTo(l, t + 1);
            surface_.lineTo(r + 1, t + 1);
            penAt_ = {r + 1, t + 1};
        } else {
            surface_.rectangle(l, t, r + 1, b + 1);
        }
        break;
    }
    case STEMS:
        drawStem(X, Y, worldX);
        break;
    default:  // LINES
        if (both) {
            line(pixel(px), pixel(py), pixel(X), pixel(Y));
        } else {
            clippedLine(px, py, X, Y);
        }
        break;
    }
}

void GraphDrawer::drawDot(const Graph& graph, double X, double Y, int s)
{
    if (graph.lineType() != SOLID) {
        return;
    }
    flushColumn();
    const int x = pixel(X);
    const int y = pixel(Y);
    surface_.ellipse(x - s + 1, y - s + 1, x + s, y + s);
    const int h = dotHighlight(s);
    surface_.setPixel(x + h, y + h, rgb(255, 255, 255));
}

void GraphDrawer::drawMarker(const Graph& graph, double X, double Y, int size)
{
    flushColumn();
    surface_.selectPen(objects_.markerPen);
    drawMarkerShape(surface_, graph.markerType(), pixel(X), pixel(Y), size, objects_.fillBrush);
    surface_.selectPen(objects_.linePen);
    penAt_.reset();
}

void GraphDrawer::drawPointByPoint(const Graph& graph, GraphDrawState& st, int margin)
{
    if (transform_.linear()) {
        drawEveryPoint<true>(graph, st, margin);
    } else {
        drawEveryPoint<false>(graph, st, margin);
    }
}

template <bool Linear>
void GraphDrawer::drawEveryPoint(const Graph& graph, GraphDrawState& st, int margin)
{
    const int32_t count = graph.numPoints();
    const double* xs = graph.xData();
    const double* ys = graph.yData();
    const uint8_t* att = graph.attData();
    const bool linesShown = graph.showLines() == SHOW;
    const bool pointsAndMarkers = graph.type() != BARS || !linesShown;
    const bool dots = graph.showPoints() == SHOW;
    const bool markers = graph.showMarker() == SHOW;
    const int linesRate = rate(graph.linesDrawRate());
    const int dotsRate = rate(graph.pointsDrawRate());
    const int markersRate = rate(graph.markerDrawRate());
    const bool blocks = Linear && stepsOverBlocks(graph);
    int32_t retryAt = -1;
    int n = 1;
    int d = 1;
    int m = 1;
    for (int32_t i = 1; i < count; ++i) {
        const bool last = i == count - 1;
        const bool processed = n == linesRate || att[i] == ATT_NEW_LINE || last ||
                               att[i + 1] == ATT_NEW_LINE;
        if (!processed) {
            ++n;
            continue;
        }
        const DoublePoint p =
            Linear ? transform_.linearToDevice(xs[i], ys[i]) : transform_.worldToDevice(xs[i], ys[i]);
        const bool v = stepTo(graph, st, p, xs[i], att[i], linesShown, margin);
        if (pointsAndMarkers) {
            if (v) {
                if (dots && d % dotsRate == 0) {
                    if (!samePixel(p.x, p.y, st.lastDotX, st.lastDotY)) {
                        drawDot(graph, p.x, p.y, graph.pointsSize());
                    }
                    st.lastDotX = p.x;
                    st.lastDotY = p.y;
                    d = 0;
                }
                if (markers && m % markersRate == 0) {
                    if (!samePixel(p.x, p.y, st.lastMarkerX, st.lastMarkerY)) {
                        drawMarker(graph, p.x, p.y, graph.markerSize());
                    }
                    st.lastMarkerX = p.x;
                    st.lastMarkerY = p.y;
                    m = 0;
                }
            }
            ++d;
            ++m;
        }
        n = 1;
        // Tried at each block's start, and again after the first point of
        // the next column when a step ended within a block.
        while (blocks && ((i + 1) % PointSummary::blockSize == 0 || i == retryAt)) {
            const int32_t j = stepOverBlock(graph, st, i, margin);
            if (j == i) {
                break;
            }
            i = j;
            retryAt = j + 1;
        }
    }
}

bool GraphDrawer::stepsOverBlocks(const Graph& graph) const
{
    // Solid lines go by column; dots of a dashed graph are never drawn.
    // Smoothed dashes are measured along the pieces in fractions of a
    // pixel, which one long piece does not repeat.
    const Pen& pen = objects_.linePen;
    return mergeColumns_ && plot_.settings().antiAlias != SHOW && graph.summary() &&
           (graph.xNonDecreasing() || graph.xNonIncreasing()) && graph.type() == LINES &&
           graph.showLines() == SHOW && rate(graph.linesDrawRate()) == 1 &&
           graph.showMarker() != SHOW && (graph.showPoints() != SHOW || rate(graph.pointsDrawRate()) == 1) &&
           pen.style != PenStyle::Solid && pen.style != PenStyle::None && !pen.geometric && pen.width <= 1;
}

int32_t GraphDrawer::stepOverBlock(const Graph& graph, GraphDrawState& st, int32_t i, int margin)
{
    // Points in one pixel column whose y only rises or only falls make
    // pieces that each go on where the one before ended, in one direction:
    // the pixels of a thin line, and how far its dashes got, are those of
    // one piece from the first to the last. Every point lies inside the
    // rectangle that the visible first and last points span.
    const int32_t k = (i + 1) / PointSummary::blockSize;  // the block of the next point
    const PointSummary::Span* block = graph.summary()->block(k);
    if (!block || block->breaks || block->notNumber || !st.prevVisible) {
        return i;
    }
    const double* xs = graph.xData();
    const double* ys = graph.yData();
    int32_t j = (k + 1) * PointSummary::blockSize - 1;
    // The ends of the blocks to come lie a kilobyte apart, beyond what the
    // processor fetches ahead by itself.
    constexpr int32_t ahead = 8 * PointSummary::blockSize;
    if (j + ahead < graph.numPoints()) {
        __builtin_prefetch(xs + j + ahead);
        __builtin_prefetch(ys + j + ahead);
    }
    if (block->order == 0) {
        // Where the block turns: the run from point i on that only rises or
        // only falls, read point by point.
        const bool rises = ys[i + 1] >= ys[i];
        const int32_t last = j;
        j = i + 1;
        while (j < last && (rises ? ys[j + 1] >= ys[j] : ys[j + 1] <= ys[j])) {
            ++j;
        }
        if (j - i < 2) {
            return i;  // nothing to gain
        }
    }
    // The run's points in the column of point i come first (x only grows
    // or only shrinks).
    const int column = pixel(st.prevX);
    const auto inColumn = [&](int32_t m) {
        const double X = transform_.linearToDevice(xs[m], ys[m]).x;
        return std::abs(X - column) < 2.0 && pixel(X) == column;  // far points never become integers
    };
    if (!inColumn(j)) {
        int32_t in = i;  // the last point known in the column
        while (j - in > 1) {
            const int32_t m = in + (j - in) / 2;
            (inColumn(m) ? in : j) = m;
        }
        j = in;
    }
    const DoublePoint p = transform_.linearToDevice(xs[j], ys[j]);
    if (j == i || !visible(p.x, p.y, margin)) {
        return i;
    }
    stepTo(graph, st, p, xs[j], graph.attData()[j], true, margin);
    if (graph.showPoints() == SHOW) {
        st.lastDotX = p.x;
        st.lastDotY = p.y;
    }
    return j;
}


void GraphDrawer::drawGraph(Graph& graph)
{
    const int32_t count = graph.numPoints();
    if (count <= 0) {
        return;
    }
    beginGraph(graph);
    const double* xs = graph.xData();
    const double* ys = graph.yData();
    const int margin = graph.markerSize();
    const int16_t type = graph.type();
    const bool pointsAndMarkers = type != BARS || graph.showLines() != SHOW;
    const bool markers = graph.showMarker() == SHOW;
    GraphDrawState& st = view_.drawState(graph);

    // The first point.
    const DoublePoint first = transform_.worldToDevice(xs[0], ys[0]);
    st.prevX = st.lastDotX = st.lastMarkerX = first.x;
    st.prevY = st.lastDotY = st.lastMarkerY = first.y;
    st.prevVisible = visible(first.x, first.y, margin);
    moveTo(truncatedPx(first.x), truncatedPx(first.y));  // it may lie far off
    if (pointsAndMarkers && st.prevVisible) {
        if (graph.showPoints() != HIDE) {
            drawDot(graph, first.x, first.y, graph.pointsSize());
        }
        if (markers) {
            drawMarker(graph, first.x, first.y, graph.markerSize());
        }
    }
    if (type == STEMS) {
        drawStem(first.x, first.y, xs[0]);
    }

    if (drawsByColumn(graph)) {
        drawByColumns(graph, st, margin);
    } else {
        drawPointByPoint(graph, st, margin);
    }

    if (type != BARS && graph.showPoints() == SHOW_BEGIN_END) {
        const DoublePoint p = transform_.worldToDevice(xs[count - 1], ys[count - 1]);
        if (visible(p.x, p.y, margin)) {
            drawDot(graph, p.x, p.y, graph.pointsSize());
        }
    }
    endGraph();
}

void GraphDrawer::drawSample(Graph& graph, int x, int y, int length, int height)
{
    beginGraph(graph);
    const bool linesShown = graph.showLines() == SHOW;
    if (linesShown && graph.type() == BARS) {
        surface_.rectangle(x, y - height / 2, x + length + 1, y + height / 2 + 1);
    }
    surface_.selectPen(objects_.markerPen);
    if (linesShown && graph.type() != BARS) {
        surface_.moveTo(x, y);
        surface_.lineTo(x + length, y);
    }
    if (graph.type() != BARS || !linesShown) {
        const int cx = x + length / 2;
        if (graph.showPoints() == SHOW) {
            drawDot(graph, cx, y, std::min<int>(height, graph.pointsSize()));
        }
        if (graph.showMarker() == SHOW) {
            drawMarker(graph, cx, y, std::min<int>(height, graph.markerSize()));
        }
    }
    endGraph();
}

void GraphDrawer::drawPointsFrom(Graph& graph, int32_t first)
{
    if (first < 0 || first >= graph.numPoints()) {
        return;
    }
    beginGraph(graph);
    for (int32_t i = first; i < graph.numPoints(); ++i) {
        drawAppendedPoint(graph, i);
    }
    endGraph();
}

void GraphDrawer::drawAppendedPoint(Graph& graph, int32_t i)
{
    const int32_t count = i + 1;
    const double wx = graph.xData()[count - 1];
    const double wy = graph.yData()[count - 1];
    const DoublePoint p = transform_.worldToDevice(wx, wy);
    const bool v = visible(p.x, p.y, graph.markerSize());
    GraphDrawState& st = view_.drawState(graph);
    if (count > 1 && graph.attData()[i] != ATT_NEW_LINE && graph.showLines() == SHOW) {
        drawSegment(graph, st, p.x, p.y, wx, v);
    }
    if (graph.type() != BARS || graph.showLines() == HIDE) {
        const int linesRate = rate(graph.linesDrawRate());
        if (v) {
            if (graph.showPoints() == SHOW && graph.dotCount() == linesRate * rate(graph.pointsDrawRate())) {
                drawDot(graph, p.x, p.y, graph.pointsSize());
                graph.setDotCount(0);
            }
            if (graph.showMarker() == SHOW &&
                graph.markerCount() == linesRate * rate(graph.markerDrawRate())) {
                drawMarker(graph, p.x, p.y, graph.markerSize());
                graph.setMarkerCount(0);
            }
        }
        graph.setDotCount(static_cast<int16_t>(graph.dotCount() + 1));
        graph.setMarkerCount(static_cast<int16_t>(graph.markerCount() + 1));
    }
    st.prevX = p.x;
    st.prevY = p.y;
    st.prevVisible = v;
}

}  // namespace kvx
