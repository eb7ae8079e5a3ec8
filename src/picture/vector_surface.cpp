#include "picture/vector_surface.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <utility>

namespace kvx {

namespace {

VectorPoint centreOf(PixelPoint p)
{
    return {p.x + 0.5, p.y + 0.5};
}

int stepsOf(PixelPoint a, PixelPoint b)
{
    return std::max(std::abs(b.x - a.x), std::abs(b.y - a.y));
}

// Half a step along the major axis of the line from a to b.
VectorPoint halfStep(PixelPoint a, PixelPoint b)
{
    const double twoSteps = 2.0 * stepsOf(a, b);
    return {(b.x - a.x) / twoSteps, (b.y - a.y) / twoSteps};
}

// The last pixel a one-pixel line from a to b covers (the one before b).
PixelPoint lastPixel(PixelPoint a, PixelPoint b)
{
    const int64_t n = stepsOf(a, b);
    const int64_t i = n - 1;
    const int64_t dx = b.x - a.x;
    const int64_t dy = b.y - a.y;
    if (std::abs(dx) >= std::abs(dy)) {
        const int64_t step = dx > 0 ? 1 : -1;
        return {static_cast<int>(a.x + step * i),
                static_cast<int>(a.y + detail::floorDiv(2 * i * dy + n, 2 * n))};
    }
    const int64_t step = dy > 0 ? 1 : -1;
    return {static_cast<int>(a.x + detail::floorDiv(2 * i * dx + n, 2 * n)),
            static_cast<int>(a.y + step * i)};
}

// The centre line of an open one-pixel polyline (consecutive points
// distinct): from half a step before the first pixel to half a step past the
// last covered pixel, so that a flat-capped stroke of width 1 covers the same
// pixels as the window image, the end pixel excluded.
std::vector<VectorPoint> thinCentreLine(const std::vector<PixelPoint>& points)
{
    std::vector<VectorPoint> out;
    out.reserve(points.size());
    for (size_t k = 0; k + 1 < points.size(); ++k) {
        out.push_back(centreOf(points[k]));
    }
    const PixelPoint a = points[points.size() - 2];
    const PixelPoint b = points.back();
    const VectorPoint end = centreOf(lastPixel(a, b));
    if (!(end == out.back()) || out.size() == 1) {
        out.push_back(end);
    }
    const VectorPoint back = halfStep(points[0], points[1]);
    out.front().x -= back.x;
    out.front().y -= back.y;
    const VectorPoint forward = halfStep(a, b);
    out.back().x += forward.x;
    out.back().y += forward.y;
    return out;
}

double lengthOf(const std::vector<VectorPoint>& points)
{
    double sum = 0.0;
    for (size_t k = 1; k < points.size(); ++k) {
        sum += std::hypot(points[k].x - points[k - 1].x, points[k].y - points[k - 1].y);
    }
    return sum;
}

}  // namespace

bool VectorSurface::thinPlain(const Pen& pen) const
{
    return !pen.geometric && outlineWidth(pen) == 1;
}

void VectorSurface::fillOutlineBox(PixelBox box)
{
    // A box one pixel thin has no inside: its outline covers all of it.
    const PixelBox outer = outlineBounds(box, outlineWidth(pen_));
    fillBox(outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top, pen_.color);
}

StrokeStyle VectorSurface::strokeFor(const Pen& pen) const
{
    StrokeStyle s;
    s.color = pen.color;
    if (thinPlain(pen)) {
        s.width = 1.0;
        for (int length : dashPattern(pen.style)) {
            s.dashes.push_back(length);
        }
        s.cap = LineCap::Flat;
        s.join = LineJoin::Miter;
    } else if (pen.geometric) {
        s.width = outlineWidth(pen);
        s.cap = LineCap::Square;
        s.join = LineJoin::Miter;
    } else if (!dashPattern(pen.style).empty()) {
        // The one-pixel pattern enlarged with the width, as the grid's
        // dashes grow with its width on paper.
        s.width = pen.width;
        for (int length : dashPattern(pen.style)) {
            s.dashes.push_back(length * s.width);
        }
        s.cap = LineCap::Flat;
        s.join = LineJoin::Round;
    } else {
        s.width = pen.width;
        s.cap = LineCap::Round;
        s.join = LineJoin::Round;
    }
    return s;
}

void VectorSurface::flush()
{
    if (pending_.size() < 2) {
        pending_.clear();
        return;
    }
    std::vector<VectorFigure> figure(1);
    if (thinPlain(pendingPen_)) {
        figure[0].points = thinCentreLine(pending_);
    } else {
        for (PixelPoint p : pending_) {
            figure[0].points.push_back(centreOf(p));
        }
    }
    StrokeStyle stroke = strokeFor(pendingPen_);
    stroke.dashOffset = pendingOffset_;
    strokeFigures(figure, stroke);
    lastEnd_ = pending_.back();
    lastPen_ = pendingPen_;
    lastLength_ = pendingOffset_ + lengthOf(figure[0].points);
    pending_.clear();
}

void VectorSurface::selectPen(const Pen& pen)
{
    pen_ = pen;
}

void VectorSurface::selectBrush(const Brush& brush)
{
    brush_ = brush;
}

void VectorSurface::selectFont(const Font& font)
{
    font_ = font;
}

void VectorSurface::moveTo(int x, int y)
{
    position_ = {x, y};
    if (path_.recording()) {
        path_.moveTo(position_);
    }
}

void VectorSurface::lineTo(int x, int y)
{
    const PixelPoint from = position_;
    const PixelPoint to{x, y};
    position_ = to;
    if (path_.recording()) {
        path_.lineTo(from, to);
        return;
    }
    if (invert_ || pen_.style == PenStyle::None || from == to) {
        return;
    }
    if (!pending_.empty() && pending_.back() == from && pendingPen_ == pen_) {
        pending_.push_back(to);
        return;
    }
    flush();
    pendingPen_ = pen_;
    pending_ = {from, to};
    const bool continues = lastEnd_ && *lastEnd_ == from && lastPen_ == pen_;
    pendingOffset_ = continues ? lastLength_ : 0.0;
}

void VectorSurface::dashedLine(int ax, int ay, int bx, int by, int dash, int gap)
{
    if (invert_ || pen_.style != PenStyle::Solid || dash <= 0 || gap < 0) {
        Surface::dashedLine(ax, ay, bx, by, dash, gap);  // a pattern on a pattern, or nothing
        return;
    }
    const bool vertical = ax == bx;
    const int lo = vertical ? std::min(ay, by) : std::min(ax, bx);
    const int hi = vertical ? std::max(ay, by) : std::max(ax, bx);
    if (lo >= hi - dash) {
        return;
    }
    // The start of the last dash, as the loop of single dashes finds it.
    const int64_t period = int64_t{dash} + gap;
    const int64_t last = lo + (int64_t{hi} - dash - 1 - lo) / period * period;
    const auto end = static_cast<int>(last + dash);
    const PixelPoint from = vertical ? PixelPoint{ax, lo} : PixelPoint{lo, ay};
    const PixelPoint to = vertical ? PixelPoint{ax, end} : PixelPoint{end, ay};
    flush();
    std::vector<VectorFigure> figure(1);
    if (thinPlain(pen_)) {
        figure[0].points = thinCentreLine({from, to});
    } else {
        figure[0].points = {centreOf(from), centreOf(to)};
    }
    StrokeStyle stroke = strokeFor(pen_);
    stroke.dashes = {static_cast<double>(dash), static_cast<double>(gap)};
    strokeFigures(figure, stroke);
    lastEnd_.reset();  // nothing continues a pattern of its own
    position_ = to;
}

std::optional<VectorSurface::Shape> VectorSurface::shapeOf(int left, int top, int right, int bottom)
{
    flush();
    // Files cannot invert what is under them: inverted shapes belong to the
    // window image only.
    if (invert_) {
        return std::nullopt;
    }
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
    if (right == left || bottom == top) {
        return std::nullopt;
    }
    const std::optional<Color> fill = brush_.hollow ? std::nullopt : std::optional<Color>(brush_.color);
    return Shape{left, top, right, bottom, right - left, bottom - top, fill};
}

void VectorSurface::rectangle(int x0, int y0, int x1, int y1)
{
    const std::optional<Shape> shape = shapeOf(x0, y0, x1, y1);
    if (!shape) {
        return;
    }
    const auto& [left, top, right, bottom, width, height, fill] = *shape;
    if (pen_.style == PenStyle::None) {
        // Without an outline the filled area ends one pixel earlier.
        if (fill && width > 1 && height > 1) {
            fillBox(left, top, width - 1, height - 1, *fill);
        }
        return;
    }
    if (width == 1 || height == 1) {
        fillOutlineBox({left, top, right, bottom});
        return;
    }
    StrokeStyle stroke = strokeFor(pen_);
    stroke.join = LineJoin::Miter;  // square corners like the window image
    drawRectangle(left + 0.5, top + 0.5, width - 1, height - 1, &stroke, fill);
}

void VectorSurface::ellipse(int x0, int y0, int x1, int y1)
{
    const std::optional<Shape> shape = shapeOf(x0, y0, x1, y1);
    if (!shape) {
        return;
    }
    const auto& [left, top, right, bottom, width, height, fill] = *shape;
    if (pen_.style == PenStyle::None) {
        if (fill && width > 1 && height > 1) {
            drawEllipse(left + (width - 1) / 2.0, top + (height - 1) / 2.0, (width - 1) / 2.0,
                        (height - 1) / 2.0, nullptr, fill);
        }
        return;
    }
    if (width == 1 || height == 1) {
        fillOutlineBox({left, top, right, bottom});
        return;
    }
    const StrokeStyle stroke = strokeFor(pen_);
    drawEllipse(left + width / 2.0, top + height / 2.0, (width - 1) / 2.0, (height - 1) / 2.0,
                &stroke, fill);
}

void VectorSurface::fillRect(int left, int top, int right, int bottom, Color color)
{
    flush();
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
    if (right > left && bottom > top) {
        fillBox(left, top, right - left, bottom - top, color);
    }
}

void VectorSurface::setPixel(int x, int y, Color color)
{
    flush();
    fillBox(x, y, 1, 1, color);
}

void VectorSurface::beginPath()
{
    flush();
    path_.begin();
}

void VectorSurface::closeFigure()
{
    if (path_.recording()) {
        position_ = path_.closeFigure(position_);
    }
}

void VectorSurface::endPath()
{
    path_.end();
}

void VectorSurface::strokePath()
{
    flush();
    path_.end();
    std::vector<PathFigure> figures = path_.take();
    if (invert_ || pen_.style == PenStyle::None || figures.empty()) {
        return;
    }
    strokeOutline(figures);
}

void VectorSurface::strokeOutline(const std::vector<PathFigure>& figures)
{
    std::vector<VectorFigure> out;
    for (const PathFigure& f : figures) {
        std::vector<PixelPoint> points;
        for (PixelPoint p : f.points) {
            if (points.empty() || !(points.back() == p)) {
                points.push_back(p);
            }
        }
        if (f.closed && points.size() > 1 && points.back() == points.front()) {
            points.pop_back();
        }
        if (points.size() < 2) {
            // A figure shrunk to one pixel: a square-capped pen still
            // covers it, as the raster surface does.
            if (pen_.geometric && points.size() == 1) {
                const int w = std::max(pen_.width, 1);
                fillBox(points[0].x - (w - 1) / 2, points[0].y - (w - 1) / 2, w, w, pen_.color);
            }
            continue;
        }
        VectorFigure v;
        v.closed = f.closed;
        if (thinPlain(pen_) && !f.closed) {
            v.points = thinCentreLine(points);
        } else {
            for (PixelPoint p : points) {
                v.points.push_back(centreOf(p));
            }
        }
        out.push_back(std::move(v));
    }
    if (out.empty()) {
        return;
    }
    strokeFigures(out, strokeFor(pen_));
}

void VectorSurface::setInvertMode(bool invert)
{
    flush();
    invert_ = invert;
}

void VectorSurface::setClipRect(int left, int top, int right, int bottom)
{
    flush();
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
    clipTo(left, top, right, bottom);
}

void VectorSurface::removeClip()
{
    flush();
    unclip();
}

void VectorSurface::setTextAlign(TextHAlign horizontal, TextVAlign vertical)
{
    hAlign_ = horizontal;
    vAlign_ = vertical;
}

void VectorSurface::setTextColor(Color color)
{
    textColor_ = color;
}

void VectorSurface::setTextBackground(Color color)
{
    textBackground_ = color;
}

void VectorSurface::setTextBackgroundOpaque(bool opaque)
{
    opaqueText_ = opaque;
}

void VectorSurface::textOut(int x, int y, std::string_view text)
{
    flush();
    if (text.empty()) {
        return;
    }
    const PlacedText placed = placeText(x, y, font_.vertical, hAlign_, vAlign_,
                                        measurer_.textExtent(font_, text),
                                        measurer_.fontMetrics(font_));
    drawText(placed, font_, textColor_,
             opaqueText_ ? std::optional<Color>(textBackground_) : std::nullopt, text);
}

TextSize VectorSurface::textExtent(std::string_view text)
{
    return measurer_.textExtent(font_, text);
}

FontMetrics VectorSurface::fontMetrics()
{
    return measurer_.fontMetrics(font_);
}

}  // namespace kvx
