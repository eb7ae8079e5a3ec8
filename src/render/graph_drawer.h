#pragma once
// Draws graphs of one plot on a surface: lines of the four graph types,
// point dots and markers, thinned by the draw rates, broken where the point
// attributes say. Uses the transform and plot rectangle of a view: the
// window's own, or that of the picture being painted.

#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "model/plot_model.h"
#include "platform/pixel_stamp.h"
#include "platform/surface.h"
#include "render/column_points.h"
#include "render/drawing_objects.h"
#include "scaling/device_transform.h"

namespace kvx {

class GraphDrawer {
public:
    GraphDrawer(Surface& surface, const PlotModel& plot, PlotView& view);
    ~GraphDrawer();
    GraphDrawer(const GraphDrawer&) = delete;
    GraphDrawer& operator=(const GraphDrawer&) = delete;

    // Consecutive vertical pieces of a one-pixel line in one pixel column are
    // drawn as one span; the pixels are the same. On by default; off to
    // compare. Large graphs of solid lines (of any width: a printed page's
    // are wide) whose x never decreases are then drawn by pixel column from
    // their summary instead of point by point.
    void setMergeColumns(bool merge) { mergeColumns_ = merge; }

    // The whole graph; nothing for a graph without points.
    void drawGraph(Graph& graph);
    // The legend sample whose row starts at (x, y).
    void drawSample(Graph& graph, int x, int y, int length, int height);
    // Draws what the graph's newest point adds to the picture.
    void drawLastPoint(Graph& graph) { drawPointsFrom(graph, graph.numPoints() - 1); }
    // Draws what points `first` onward add, each in turn as if just appended.
    void drawPointsFrom(Graph& graph, int32_t first);

private:
    struct Point {
        double x;
        double y;
    };

    bool visible(double X, double Y, int margin) const;
    void drawAppendedPoint(Graph& graph, int32_t i);
    // Moves the drawing on to device point p with attribute `att`: the
    // segment, new line or lone pixel it adds. Whether p is visible.
    bool stepTo(const Graph& graph, GraphDrawState& st, DoublePoint p, double worldX, uint8_t att,
                bool linesShown, int margin);
    // Points 1 onward of a graph, each in turn, with dots and markers.
    void drawPointByPoint(const Graph& graph, GraphDrawState& st, int margin);
    template <bool Linear>
    void drawEveryPoint(const Graph& graph, GraphDrawState& st, int margin);
    // Whether drawEveryPoint may take whole blocks of a graph at once
    // (stepOverBlock): thin dashed lines, every point drawn, no markers.
    bool stepsOverBlocks(const Graph& graph) const;
    // After point i, the points of the summary block of point i + 1 that
    // lie in the same pixel column and only rise or only fall, as one step
    // where that draws the same; the last point stepped to.
    int32_t stepOverBlock(const Graph& graph, GraphDrawState& st, int32_t i, int margin);
    bool drawsByColumn(const Graph& graph) const;
    // Points 1 onward of a graph that drawsByColumn, with the pixels and the
    // final state of stepping to every point the lines draw rate leaves.
    void drawByColumns(const Graph& graph, GraphDrawState& st, int margin);
    // Positions [from, to) of one pixel column at device x `X`, whose first
    // position has been stepped to: stand-ins where they draw the same.
    void drawColumn(const Graph& graph, const ColumnPoints& points, GraphDrawState& st, int32_t from, int32_t to,
                    double X, int margin);
    // The same for lines and stairs: the column taken apart into runs of
    // points inside the plot rectangle, wholly above or wholly below it.
    void drawColumnRuns(const Graph& graph, const ColumnPoints& points, GraphDrawState& st, int32_t from,
                        int32_t to, double X, int margin);
    // Positions [from, to) inside the rectangle; `span` is that of all but
    // the first.
    void drawInsideRun(const Graph& graph, const ColumnPoints& points, GraphDrawState& st, int32_t from,
                       int32_t to, const PointSummary::Span& span, int margin);
    // Positions [from, to), none visible, with their first stepped to too
    // when `first`.
    void stepOverInvisible(const Graph& graph, const ColumnPoints& points, GraphDrawState& st, int32_t from,
                           int32_t to, bool first, int margin);
    // The markers of positions [from, to) of one column, once per row: as
    // one stamp swept down the rows where the surface can.
    void drawColumnMarkers(const Graph& graph, const ColumnPoints& points, int32_t from, int32_t to, double X,
                           const PixelStamp* stamp, int margin);
    // The dots of positions [from, to) of one column, once per row.
    void drawColumnDots(const Graph& graph, const ColumnPoints& points, int32_t from, int32_t to, double X,
                        const PixelStamp* stamp, int margin);
    bool dotsByColumn(const Graph& graph) const;
    // 1 when the graph's device x never decreases, -1 when it never
    // increases, else 0.
    int columnDirection(const Graph& graph) const;
    // The rows where a marker or dot at device x `X` is visible.
    std::optional<std::pair<int, int>> visibleRows(double X, int margin) const;
    // rowSeen_: the last of positions [from, to) on each of rows [first,
    // last], or notSeen; markerRows_: its runs of visited rows.
    void readRows(const ColumnPoints& points, int32_t from, int32_t to, int first, int last);
    void markRuns(int first);
    // readRows for positions whose rows change by at most one from one to
    // the next (ColumnPoints::dense): the rows within `reach` of the last
    // position's row in their true order, the others in an order that
    // agrees with it wherever two rows at most `reach` apart are compared.
    void readDenseRows(const ColumnPoints& points, int32_t from, int32_t to, const PointSummary::Span& span,
                       int first, int last, int reach);
    // The highest and the lowest value of `span`, at the x of position m.
    void stepToExtremes(const Graph& graph, const ColumnPoints& points, GraphDrawState& st, int32_t m,
                        const PointSummary::Span& span, int margin);
    // The rows from the highest to the lowest value of `span`, cut to rows
    // [first, last] (none when the first exceeds the second), or nothing
    // when a value has no row.
    std::optional<std::pair<double, double>> spanRows(const PointSummary::Span& span, int first, int last) const;
    void stepToPosition(const Graph& graph, const ColumnPoints& points, GraphDrawState& st, int32_t m, int margin);
    // From the last processed point of `st` to (X, Y).
    void drawSegment(const Graph& graph, const GraphDrawState& st, double X, double Y, double worldX,
                     bool visibleNow);
    void drawDot(const Graph& graph, double X, double Y, int size);
    void drawMarker(const Graph& graph, double X, double Y, int size);
    void drawStem(double X, double Y, double worldX);
    void clippedLine(double x0, double y0, double x1, double y1);
    // A line from (x0, y0) to (x1, y1), end pixel excluded, that goes on
    // from wherever the surface's pen stands.
    void line(int x0, int y0, int x1, int y1);
    void moveTo(int x, int y);
    void flushColumn();
    void beginGraph(const Graph& graph);
    void endGraph();
    double zeroLine(double worldX) const;

    Surface& surface_;
    const PlotModel& plot_;
    PlotView& view_;
    DeviceTransform transform_;
    DeviceRect rect_;
    GraphObjects objects_;
    bool mergeColumns_ = true;
    bool merging_ = false;   // the current pen allows column merging (one pixel wide)
    bool byColumn_ = false;  // the current pen allows drawing by pixel column (solid, round caps)

    // Where the surface's current position is known to stand.
    std::optional<std::pair<int, int>> penAt_;

    // The pending vertical run in one column: the pixels visited before the
    // last one span [low, high]; the run ends at `last`.
    struct ColumnRun {
        bool active = false;
        int x = 0;
        int low = 0;
        int high = 0;
        int last = 0;
    } run_;

    // Rows of one column's markers, as runs [top, bottom].
    std::vector<std::pair<int, int>> markerRows_;
    static constexpr int64_t notSeen = std::numeric_limits<int64_t>::min();
    std::vector<int64_t> rowSeen_;
    std::vector<int> dotOrder_;
};

}  // namespace kvx
