// The graph drawing by pixel column: large graphs whose x never decreases
// (or never increases) drawn column by column from their summary, with the
// pixels of drawing them point by point.

#include <algorithm>
#include <cmath>
#include <limits>

#include "render/column_points.h"
#include "render/graph_drawer.h"
#include "render/graph_drawer_pixels.h"
#include "render/markers.h"
#include "settings/keywords.h"

namespace kvx {

using namespace graph_pixels;

namespace {

// Where the points of one pixel column lie against the plot rectangle:
// inside it (and visible), wholly above or below it (and not visible), or
// in between, where they are stepped to one by one.
enum class Band { Inside, Above, Below, Between };

class ColumnBands {
public:
    ColumnBands(const DeviceTransform& transform, const DeviceRect& rect, int margin, double X)
        : y_(transform.y)
    {
        // Device y are whole numbers; a point is visible strictly within
        // the margin around the rectangle, and clipping keeps what lies on
        // the rectangle's edges.
        const double inf = std::numeric_limits<double>::infinity();
        const bool xInside = rect.left <= X && X <= rect.right && rect.left - margin < X && X < rect.right + margin;
        rows_[0] = xInside ? Rows{std::max<double>(rect.top, rect.top - margin + 1),
                                  std::min<double>(rect.bottom, rect.bottom + margin - 1)}
                           : Rows{inf, -inf};
        rows_[1] = {-inf, std::min<double>(rect.top, rect.top - margin) - 1};
        rows_[2] = {std::max<double>(rect.bottom, rect.bottom + margin) + 1, inf};
    }

    // Whether world y lies in `band`: the device y rounds half up from the
    // axis value v, so it is in rows [a, b] when v is in [a - 0.5, b + 0.5).
    bool in(Band band, double y) const
    {
        const Rows& r = rows_[static_cast<int>(band)];
        const double v = y_.offset - toAxis(y, y_.kind) * y_.scale;
        return r.first - 0.5 <= v && v < r.last + 0.5;
    }

    Band of(double y) const
    {
        for (const Band band : {Band::Inside, Band::Above, Band::Below}) {
            if (in(band, y)) {
                return band;
            }
        }
        return Band::Between;
    }

private:
    struct Rows {
        double first;
        double last;
    };
    AxisTransform y_;
    Rows rows_[3];
};

}  // namespace

bool GraphDrawer::drawsByColumn(const Graph& graph) const
{
    // Between the points of one column every piece is vertical, so the
    // extremes stand in for them (one pixel wide or, with a round-capped
    // wide pen, a page's, that span widened by the pen). Dashed lines need
    // every point. Markers have the lines' colour: a column's are drawn
    // once per row they stand in; so are dots, see dotsByColumn. A draw
    // rate thins the points to every n-th and the last where no breaks
    // restart its count.
    const int32_t count = graph.numPoints();
    const int16_t type = graph.type();
    if (!byColumn_ || !graph.summary() || columnDirection(graph) == 0) {
        return false;
    }
    const bool markers = graph.showMarker() == SHOW;
    const bool dots = graph.showPoints() == SHOW;
    if (type == BARS ? graph.showLines() != SHOW
                     : (markers && rate(graph.markerDrawRate()) != 1) || (dots && !dotsByColumn(graph))) {
        return false;
    }
    return rate(graph.linesDrawRate()) == 1 ||
           !graph.summary()->span(graph.yData(), graph.attData(), 1, count).breaks;
}

int GraphDrawer::columnDirection(const Graph& graph) const
{
    // A column search needs device x to grow (or shrink) with the index,
    // which on a logarithmic axis only positive finite x do.
    if (!std::isfinite(transform_.x.scale) || !(transform_.x.scale > 0.0)) {
        return 0;
    }
    const double first = graph.xData()[0];
    const double last = graph.xData()[graph.numPoints() - 1];
    const bool log = transform_.x.log();
    if (graph.xNonDecreasing()) {
        return !log || (first > 0.0 && std::isfinite(last)) ? 1 : 0;
    }
    if (graph.xNonIncreasing()) {
        return !log || (last > 0.0 && std::isfinite(first)) ? -1 : 0;
    }
    return 0;
}

bool GraphDrawer::dotsByColumn(const Graph& graph) const
{
    // A dot's white pixel stays white unless something drawn later covers
    // it. Drawn once per row, in the order of the rows' last dots, the
    // column's dots cover each other as drawn point by point; the line's
    // pieces, one pixel wide in the dots' own column, must not reach the
    // white pixels, and markers drawn after each dot would.
    return merging_ && dotHighlight(graph.pointsSize()) != 0 && rate(graph.pointsDrawRate()) == 1 &&
           graph.showMarker() != SHOW;
}

void GraphDrawer::stepToPosition(const Graph& graph, const ColumnPoints& points, GraphDrawState& st, int32_t m,
                                 int margin)
{
    stepTo(graph, st, points.device(m), points.worldX(m), points.attribute(m), graph.showLines() == SHOW, margin);
}

void GraphDrawer::stepToExtremes(const Graph& graph, const ColumnPoints& points, GraphDrawState& st, int32_t m,
                                 const PointSummary::Span& span, int margin)
{
    const double x = points.worldX(m);
    const bool linesShown = graph.showLines() == SHOW;
    stepTo(graph, st, transform_.worldToDevice(x, span.high), x, ATT_CONNECTED, linesShown, margin);
    stepTo(graph, st, transform_.worldToDevice(x, span.low), x, ATT_CONNECTED, linesShown, margin);
}

void GraphDrawer::drawByColumns(const Graph& graph, GraphDrawState& st, int margin)
{
    const ColumnPoints points(graph, rate(graph.linesDrawRate()), transform_, columnDirection(graph));
    const int32_t size = points.size();
    const auto step = [&](int32_t m) { stepToPosition(graph, points, st, m, margin); };
    // Points wholly left or right of the rectangle and its margin are
    // invisible and their segments clip to nothing: only the last of them
    // before the rectangle matters, for the segment that enters it. Where x
    // decreases the columns come from the right.
    const double leftOf = std::min<double>(rect_.left, rect_.left - margin);
    const double rightOf = std::max<double>(rect_.right, rect_.right + margin);
    const double before = points.direction() > 0 ? leftOf : -rightOf;
    const double after = points.direction() > 0 ? rightOf : -leftOf;
    const bool markers = graph.showMarker() == SHOW && graph.type() != BARS;
    const bool dots = graph.showPoints() == SHOW && graph.type() != BARS;
    const PixelStamp* stamp = nullptr;
    flushColumn();
    if (markers) {
        surface_.selectPen(objects_.markerPen);
        stamp = surface_.stampShape([&](Surface& surface, int x, int y) {
            drawMarkerShape(surface, graph.markerType(), x, y, graph.markerSize(), objects_.fillBrush);
        });
        surface_.selectPen(objects_.linePen);
    } else if (dots) {
        const int s = graph.pointsSize();
        stamp = surface_.stampShape(
            [s](Surface& surface, int x, int y) { surface.ellipse(x - s + 1, y - s + 1, x + s, y + s); });
    }
    int32_t m = 1;
    while (m < size) {
        const double along = points.along(m);
        const double X = points.deviceX(m);
        if (along < before) {
            const int32_t k = points.firstBeyond(m, before - 1.0);
            stepOverInvisible(graph, points, st, m, k, false, margin);
            m = k;
            continue;
        }
        if (along > after) {
            stepOverInvisible(graph, points, st, m, size, true, margin);
            return;
        }
        step(m);
        const int32_t j = points.firstBeyond(m + 1, along);
        drawColumn(graph, points, st, m + 1, j, X, margin);
        if (markers) {
            drawColumnMarkers(graph, points, m, j, X, stamp, margin);
        } else if (dots) {
            drawColumnDots(graph, points, m, j, X, stamp, margin);
        }
        m = j;
    }
}

void GraphDrawer::drawColumn(const Graph& graph, const ColumnPoints& points, GraphDrawState& st, int32_t from,
                             int32_t to, double X, int margin)
{
    const auto step = [&](int32_t m) { stepToPosition(graph, points, st, m, margin); };
    switch (graph.type()) {
    case BARS:
        // A bar between two points of one column has no width: only the
        // last point's height goes on to the next bar.
        if (to - from >= 2 && !points.span(from, to).breaks) {
            step(to - 1);
            return;
        }
        break;
    case STEMS:
        // Every stem runs from its point to the zero line: those of the
        // extremes cover the others.
        if (to - from >= 4) {
            const PointSummary::Span span = points.span(from, to);
            if (!span.breaks && !span.notNumber) {
                stepToExtremes(graph, points, st, from, span, margin);
                step(to - 1);
                return;
            }
        }
        break;
    default:
        drawColumnRuns(graph, points, st, from, to, X, margin);
        return;
    }
    for (int32_t m = from; m < to; ++m) {
        step(m);
    }
}

void GraphDrawer::drawColumnRuns(const Graph& graph, const ColumnPoints& points, GraphDrawState& st, int32_t from,
                                 int32_t to, double X, int margin)
{
    const ColumnBands bands(transform_, rect_, std::max(margin, 0), X);
    if (to - from >= 2) {
        // Mostly the whole column lies in one band: asked of the summary at once.
        const Band band = bands.of(graph.yData()[points.index(from)]);
        const PointSummary::Span rest = points.span(from + 1, to);
        if (band != Band::Between && !rest.notNumber && bands.in(band, rest.low) && bands.in(band, rest.high)) {
            if (band == Band::Inside) {
                drawInsideRun(graph, points, st, from, to, rest, margin);
            } else {
                stepOverInvisible(graph, points, st, from, to, true, margin);
            }
            return;
        }
    }
    int32_t m = from;
    while (m < to) {
        const Band band = bands.of(graph.yData()[points.index(m)]);
        if (band == Band::Between) {
            stepToPosition(graph, points, st, m, margin);
            ++m;
            continue;
        }
        PointSummary::Span rest;
        const int32_t end = points.firstOutside(
            m + 1, to, [&](double y) { return bands.in(band, y); }, band == Band::Inside ? &rest : nullptr);
        if (band == Band::Inside) {
            drawInsideRun(graph, points, st, m, end, rest, margin);
        } else {
            stepOverInvisible(graph, points, st, m, end, true, margin);
        }
        m = end;
    }
}

void GraphDrawer::stepOverInvisible(const Graph& graph, const ColumnPoints& points, GraphDrawState& st,
                                    int32_t from, int32_t to, bool first, int margin)
{
    // Pieces between points off the picture (left or right of it, or wholly
    // above or below it) clip to nothing: the last point stands in, and the
    // first for the piece that leaves the picture.
    if (first) {
        stepToPosition(graph, points, st, from, margin);
    }
    if (to - 1 > from || !first) {
        stepToPosition(graph, points, st, to - 1, margin);
    }
    // Without lines only breaks tell that the last point is not visible.
    if (graph.showLines() != SHOW && points.span(from, to).breaks) {
        st.prevVisible = false;
    }
}

std::optional<std::pair<int, int>> GraphDrawer::visibleRows(double X, int margin) const
{
    if (!(rect_.left - margin < X && X < rect_.right + margin)) {
        return std::nullopt;
    }
    const int first = rect_.top - margin + 1;
    const int last = rect_.bottom + margin - 1;
    if (first > last) {
        return std::nullopt;
    }
    return std::pair{first, last};
}

std::optional<std::pair<double, double>> GraphDrawer::spanRows(const PointSummary::Span& span, int first,
                                                                int last) const
{
    const double a = transform_.deviceY(span.high);
    const double b = transform_.deviceY(span.low);
    if (std::isnan(a) || std::isnan(b)) {
        return std::nullopt;
    }
    return std::pair{std::max<double>(std::min(a, b), first), std::min<double>(std::max(a, b), last)};
}

void GraphDrawer::markRuns(int first)
{
    markerRows_.clear();
    for (std::size_t r = 0; r < rowSeen_.size(); ++r) {
        if (rowSeen_[r] == notSeen) {
            continue;
        }
        std::size_t end = r;
        while (end + 1 < rowSeen_.size() && rowSeen_[end + 1] != notSeen) {
            ++end;
        }
        markerRows_.push_back({first + static_cast<int>(r), first + static_cast<int>(end)});
        r = end;
    }
}

void GraphDrawer::readRows(const ColumnPoints& points, int32_t from, int32_t to, int first, int last)
{
    rowSeen_.assign(static_cast<std::size_t>(last - first + 1), notSeen);
    // Read backward, so that the first visit of a row met is its last; a
    // block of the summary whose rows have all been visited later holds no
    // row's last visit and is passed over.
    const auto allSeen = [&](int32_t start, int32_t end) {
        if (points.blockStart(end - 1) == end - 1 && end - start == 1) {
            return false;
        }
        const auto rows = spanRows(points.span(start, end), first, last);
        if (!rows) {
            return false;  // not every value has a row, or none
        }
        for (double r = rows->first; r <= rows->second; ++r) {
            if (rowSeen_[static_cast<std::size_t>(r - first)] == notSeen) {
                return false;
            }
        }
        return true;
    };
    int32_t end = to;
    while (end > from) {
        const int32_t start = std::max(from, points.blockStart(end - 1));
        if (!allSeen(start, end)) {
            for (int32_t m = end - 1; m >= start; --m) {
                const double Y = points.deviceY(m);
                if (first <= Y && Y <= last) {
                    int64_t& seen = rowSeen_[static_cast<std::size_t>(Y - first)];
                    seen = seen == notSeen ? m : seen;
                }
            }
        }
        end = start;
    }
    markRuns(first);
}

void GraphDrawer::readDenseRows(const ColumnPoints& points, int32_t from, int32_t to,
                                const PointSummary::Span& span, int first, int last, int reach)
{
    // Steps of at most one row visit every row between the extremes, and
    // read backward from the last point the rows met first widen the rows
    // met so far by one at a time: above the last point's row the later
    // visits are the nearer rows, and so below it. Rows are compared only
    // with rows at most `reach` away, so the order across the last point's
    // row matters only near it, and only until the rows near it on one
    // side have all been met: the other side's are met after them. Those
    // are read; the others are ordered by their distance, before them.
    rowSeen_.assign(static_cast<std::size_t>(last - first + 1), notSeen);
    const auto rows = spanRows(span, first, last);
    if (!rows) {
        markRuns(first);
        return;
    }
    // Far rows are brought near before they become integers: a row beyond
    // them stays on the same side of every visible row.
    constexpr double far = 1 << 30;
    const auto rowOf = [&](double Y) { return static_cast<int64_t>(std::clamp(Y, -far, far)) - first; };
    const int64_t end = rowOf(points.deviceY(to - 1));
    const int64_t top = rowOf(rows->first);
    const int64_t bottom = rowOf(rows->second);
    const int64_t nearTop = std::max(top, end - reach);
    const int64_t nearBottom = std::min(bottom, end + reach);
    int64_t above = std::max<int64_t>(0, std::min(end - 1, nearBottom) - nearTop + 1);
    int64_t below = std::max<int64_t>(0, nearBottom - std::max(end + 1, nearTop) + 1);
    int32_t m = to - 1;
    if (end >= top && end <= bottom) {
        rowSeen_[static_cast<std::size_t>(end)] = m;
    }
    while (above > 0 && below > 0 && m > from) {
        --m;
        const int64_t row = rowOf(points.deviceY(m));
        if (row >= nearTop && row <= nearBottom && rowSeen_[static_cast<std::size_t>(row)] == notSeen) {
            rowSeen_[static_cast<std::size_t>(row)] = m;
            (row < end ? above : below) -= 1;
        }
    }
    for (int64_t row = top; row <= bottom; ++row) {
        if (rowSeen_[static_cast<std::size_t>(row)] == notSeen) {
            rowSeen_[static_cast<std::size_t>(row)] = int64_t{m} - 1 - std::abs(row - end);
        }
    }
    markRuns(first);
}

void GraphDrawer::drawColumnMarkers(const Graph& graph, const ColumnPoints& points, int32_t from, int32_t to,
                                    double X, const PixelStamp* stamp, int margin)
{
    const auto rows = visibleRows(X, margin);
    if (!rows) {
        return;
    }
    const auto [first, last] = *rows;
    const PointSummary::Span span = points.span(from, to);
    if (!span.notNumber && !span.empty && points.dense(from, to)) {
        // Every row between the extremes is visited.
        markerRows_.clear();
        if (const auto rows = spanRows(span, first, last); rows && rows->first <= rows->second) {
            markerRows_.push_back({static_cast<int>(rows->first), static_cast<int>(rows->second)});
        }
    } else {
        readRows(points, from, to, first, last);
    }
    if (markerRows_.empty()) {
        return;
    }
    flushColumn();
    const int x = pixel(X);
    if (stamp) {
        for (const auto& [top, bottom] : markerRows_) {
            surface_.sweepStamp(x, top, bottom);
        }
        return;
    }
    surface_.selectPen(objects_.markerPen);
    for (const auto& [top, bottom] : markerRows_) {
        for (int y = top; y <= bottom; ++y) {
            drawMarkerShape(surface_, graph.markerType(), x, y, graph.markerSize(), objects_.fillBrush);
        }
    }
    surface_.selectPen(objects_.linePen);
    penAt_.reset();
}

void GraphDrawer::drawColumnDots(const Graph& graph, const ColumnPoints& points, int32_t from, int32_t to,
                                 double X, const PixelStamp* stamp, int margin)
{
    const auto rows = visibleRows(X, margin);
    if (!rows) {
        return;
    }
    const auto [first, last] = *rows;
    const int s = graph.pointsSize();
    const int h = dotHighlight(s);
    const PointSummary::Span span = points.span(from, to);
    if (stamp && !span.notNumber && !span.empty && points.dense(from, to)) {
        int reach = 0;
        for (const int c : stamp->rowsAt(h)) {
            reach = std::max(reach, std::abs(h - c));
        }
        readDenseRows(points, from, to, span, first, last, reach);
    } else {
        readRows(points, from, to, first, last);
    }
    if (markerRows_.empty()) {
        return;
    }
    flushColumn();
    if (stamp) {
        // The dots' union, then the white pixels of the dots that no dot
        // drawn after them covers.
        const int x = pixel(X);
        for (const auto& [top, bottom] : markerRows_) {
            surface_.sweepStamp(x, top, bottom);
        }
        const std::vector<int>& covering = stamp->rowsAt(h);
        for (int r = 0; r <= last - first; ++r) {
            const int64_t seen = rowSeen_[static_cast<std::size_t>(r)];
            if (seen == notSeen) {
                continue;
            }
            const bool covered = std::any_of(covering.begin(), covering.end(), [&](int c) {
                const int other = r + h - c;
                return other != r && other >= 0 && other <= last - first &&
                       rowSeen_[static_cast<std::size_t>(other)] > seen;
            });
            if (!covered) {
                surface_.setPixel(x + h, first + r + h, rgb(255, 255, 255));
            }
        }
        return;
    }
    // Each row's dot as drawn last, in that order.
    dotOrder_.clear();
    for (int r = 0; r <= last - first; ++r) {
        if (rowSeen_[static_cast<std::size_t>(r)] != notSeen) {
            dotOrder_.push_back(r);
        }
    }
    std::sort(dotOrder_.begin(), dotOrder_.end(), [&](int a, int b) {
        return rowSeen_[static_cast<std::size_t>(a)] < rowSeen_[static_cast<std::size_t>(b)];
    });
    for (const int r : dotOrder_) {
        drawDot(graph, X, first + r, s);
    }
}

void GraphDrawer::drawInsideRun(const Graph& graph, const ColumnPoints& points, GraphDrawState& st, int32_t from,
                                int32_t to, const PointSummary::Span& span, int margin)
{
    // Between the first and the last point the vertical pieces cover the
    // span of the extremes, and the last point's pixel is drawn when a
    // piece before it reaches it. The piece after the run starts with that
    // pixel whenever it is drawn, so the point after the run must follow it
    // joined and elsewhere; the stand-ins then draw the same.
    stepToPosition(graph, points, st, from, margin);
    const int32_t last = to - 1;
    if (to - from >= 4 && to < points.size() && points.attribute(to) == ATT_CONNECTED) {
        const DoublePoint after = points.device(to);
        const DoublePoint end = points.device(last);
        if (!std::isnan(after.x) && !std::isnan(after.y) && !samePixel(after.x, after.y, end.x, end.y) &&
            !span.breaks && !span.notNumber) {
            stepToExtremes(graph, points, st, from, span, margin);
            stepToPosition(graph, points, st, last, margin);
            return;
        }
    }
    for (int32_t m = from + 1; m < to; ++m) {
        stepToPosition(graph, points, st, m, margin);
    }
}

}  // namespace kvx
