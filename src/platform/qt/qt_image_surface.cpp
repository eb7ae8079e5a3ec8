#include "platform/qt/qt_image_surface.h"

#include <cmath>
#include <algorithm>
#include <cmath>
#include <utility>

#include <QPainterPath>

#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_text_painter.h"
#include "platform/text_placement.h"

namespace kvx {

namespace {

constexpr int dotsPerMeter = 3780;  // 96 dpi

void normalise(int& left, int& top, int& right, int& bottom)
{
    if (left > right) {
        std::swap(left, right);
    }
    if (top > bottom) {
        std::swap(top, bottom);
    }
}

QPointF centreOf(PixelPoint p)
{
    return {p.x + 0.5, p.y + 0.5};
}

}  // namespace

QtImageSurface::QtImageSurface(int width, int height)
{
    start(width, height);
}

QtImageSurface::~QtImageSurface()
{
    painter_.end();
}

void QtImageSurface::start(int width, int height)
{
    image_ = QImage(std::max(1, width), std::max(1, height), QImage::Format_RGB32);
    image_.fill(Qt::white);
    image_.setDotsPerMeterX(dotsPerMeter);
    image_.setDotsPerMeterY(dotsPerMeter);
    painter_.begin(&image_);
    drawn_ = QRect();
    painterInverts_ = false;
    invert_ = false;
    clip_.reset();
}

void QtImageSurface::setResolution(double dpi)
{
    const int dots = static_cast<int>(std::lround(dpi / 0.0254));
    image_.setDotsPerMeterX(dots);
    image_.setDotsPerMeterY(dots);
}

void QtImageSurface::resize(int width, int height)
{
    painter_.end();
    start(width, height);
}

QRect QtImageSurface::takeDrawnArea()
{
    const QRect area = drawn_ & image_.rect();
    drawn_ = QRect();
    return area;
}

DeviceSize QtImageSurface::deviceSize()
{
    return {image_.width(), image_.height(), image_.width() / pixelsPerMm,
            image_.height() / pixelsPerMm};
}

void QtImageSurface::useInvert(bool on)
{
    if (on != painterInverts_) {
        painter_.setCompositionMode(on ? QPainter::RasterOp_NotDestination
                                       : QPainter::CompositionMode_SourceOver);
        painterInverts_ = on;
    }
}

void QtImageSurface::fill(int x, int y, int width, int height, Color color, bool inverting)
{
    if (width <= 0 || height <= 0) {
        return;
    }
    useInvert(inverting && invert_);
    const QRect box(x, y, width, height);
    if (color != fillColor_ || !fillQColor_.isValid()) {
        // A line's dashes and a column's runs come in one colour, many boxes a paint.
        fillColor_ = color;
        fillQColor_ = toQColor(color);
    }
    painter_.fillRect(box, fillQColor_);
    drawnOn(box);
}

PixelBox QtImageSurface::reach() const
{
    PixelBox box{0, 0, image_.width(), image_.height()};
    if (clip_) {
        box.left = std::max(box.left, clip_->left);
        box.top = std::max(box.top, clip_->top);
        box.right = std::min(box.right, clip_->right);
        box.bottom = std::min(box.bottom, clip_->bottom);
    }
    return box;
}

bool QtImageSurface::thinPlain() const
{
    return !pen_.geometric && outlineWidth(pen_) == 1;
}

QPen QtImageSurface::widePen() const
{
    if (pen_.geometric) {
        return QPen(QBrush(toQColor(pen_.color)), outlineWidth(pen_), Qt::SolidLine, Qt::SquareCap,
                    Qt::MiterJoin);
    }
    QPen pen(QBrush(toQColor(pen_.color)), outlineWidth(pen_), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (const std::span<const int> dashes = dashPattern(pen_.style); !dashes.empty()) {
        // Qt measures dashes in pen widths: the one-pixel pattern enlarged.
        pen.setDashPattern(QList<qreal>(dashes.begin(), dashes.end()));
        pen.setCapStyle(Qt::FlatCap);
    }
    return pen;
}

void QtImageSurface::thinLine(PixelPoint from, PixelPoint to, DashCursor& dash)
{
    rasterizeLine(from.x, from.y, to.x, to.y, reach(), dash,
                  [this](int x, int y, int w, int h) { fill(x, y, w, h, pen_.color, true); });
}

void QtImageSurface::moveTo(int x, int y)
{
    position_ = {x, y};
    if (path_.recording()) {
        path_.moveTo(position_);
    }
}

void QtImageSurface::lineTo(int x, int y)
{
    const PixelPoint from = position_;
    const PixelPoint to{x, y};
    position_ = to;
    if (path_.recording()) {
        path_.lineTo(from, to);
        return;
    }
    if (pen_.style == PenStyle::None || from == to) {
        return;
    }
    if (thinPlain() && !smooth()) {
        if (!(dashEnd_ && *dashEnd_ == from && dashPen_ == pen_)) {
            dash_ = DashCursor(dashPattern(pen_.style));
        }
        thinLine(from, to, dash_);
        dashEnd_ = to;
        dashPen_ = pen_;
        return;
    }
    useInvert(invert_);
    QPen pen = widePen();
    if (!dashPattern(pen_.style).empty()) {
        // A wide dashed pen (a page's): the dashes run on across the joins.
        if (!(dashEnd_ && *dashEnd_ == from && dashPen_ == pen_)) {
            wideDashOffset_ = 0.0;
        }
        pen.setDashOffset(wideDashOffset_ / pen.widthF());
        wideDashOffset_ += std::hypot(to.x - from.x, to.y - from.y);
        dashEnd_ = to;
        dashPen_ = pen_;
    }
    painter_.setPen(pen);
    painter_.setRenderHint(QPainter::Antialiasing, smooth());
    painter_.drawLine(centreOf(from), centreOf(to));
    painter_.setRenderHint(QPainter::Antialiasing, false);
    const int w = outlineWidth(pen_) + 1;
    drawnOn(QRect(QPoint(from.x, from.y), QPoint(to.x, to.y)).normalized().adjusted(-w, -w, w, w));
}

void QtImageSurface::rectangle(int left, int top, int right, int bottom)
{
    normalise(left, top, right, bottom);
    const int width = right - left;
    const int height = bottom - top;
    if (width <= 0 || height <= 0) {
        return;
    }
    if (pen_.style == PenStyle::None) {
        // Without an outline the filled area ends one pixel earlier.
        if (!brush_.hollow) {
            fill(left, top, width - 1, height - 1, brush_.color, true);
        }
        return;
    }
    const int w = outlineWidth(pen_);
    const PixelBox outer = outlineBounds({left, top, right, bottom}, w);
    const PixelBox inner{outer.left + w, outer.top + w, outer.right - w, outer.bottom - w};
    const int outerWidth = outer.right - outer.left;
    if (inner.left >= inner.right || inner.top >= inner.bottom) {
        fill(outer.left, outer.top, outerWidth, outer.bottom - outer.top, pen_.color, true);
        return;
    }
    if (thinPlain() && pen_.style != PenStyle::Solid) {
        // The dashes run once around the outline, each corner drawn once.
        DashCursor dash(dashPattern(pen_.style));
        const PixelPoint corners[] = {{left, top}, {right - 1, top}, {right - 1, bottom - 1},
                                      {left, bottom - 1}, {left, top}};
        for (int k = 0; k < 4; ++k) {
            thinLine(corners[k], corners[k + 1], dash);
        }
    } else {
        fill(outer.left, outer.top, outerWidth, w, pen_.color, true);
        fill(outer.left, inner.bottom, outerWidth, w, pen_.color, true);
        fill(outer.left, inner.top, w, inner.bottom - inner.top, pen_.color, true);
        fill(inner.right, inner.top, w, inner.bottom - inner.top, pen_.color, true);
    }
    if (!brush_.hollow) {
        fill(inner.left, inner.top, inner.right - inner.left, inner.bottom - inner.top, brush_.color,
             true);
    }
}

void QtImageSurface::smoothEllipse(int left, int top, int right, int bottom)
{
    // The outline runs through the middle of its outermost pixels.
    const int w = outlineWidth(pen_);
    const double inset = pen_.style == PenStyle::None ? 0.0 : w / 2.0;
    useInvert(false);
    painter_.setRenderHint(QPainter::Antialiasing, true);
    painter_.setPen(pen_.style == PenStyle::None ? QPen(Qt::NoPen)
                                                 : QPen(QBrush(toQColor(pen_.color)), w, Qt::SolidLine));
    painter_.setBrush(brush_.hollow ? QBrush(Qt::NoBrush) : QBrush(toQColor(brush_.color)));
    painter_.drawEllipse(QRectF(left + inset, top + inset, right - left - 2 * inset, bottom - top - 2 * inset));
    painter_.setBrush(Qt::NoBrush);
    painter_.setRenderHint(QPainter::Antialiasing, false);
    drawnOn(QRect(left - 1, top - 1, right - left + 2, bottom - top + 2));
}

void QtImageSurface::ellipse(int left, int top, int right, int bottom)
{
    normalise(left, top, right, bottom);
    if (right <= left || bottom <= top) {
        return;
    }
    if (smooth()) {
        smoothEllipse(left, top, right, bottom);
        return;
    }
    if (pen_.style == PenStyle::None) {
        if (!brush_.hollow) {
            const std::vector<RowSpan> rows = ellipseRows(right - left - 1, bottom - top - 1);
            for (size_t y = 0; y < rows.size(); ++y) {
                fill(left + rows[y].begin, top + static_cast<int>(y), rows[y].end - rows[y].begin, 1,
                     brush_.color, true);
            }
        }
        return;
    }
    // One row at a time: the outline ends with the pen, the inside with the
    // brush, one box each, so every pixel is drawn once.
    const int w = outlineWidth(pen_);
    const PixelBox outer = outlineBounds({left, top, right, bottom}, w);
    const std::vector<RowSpan> rows = ellipseRows(outer.right - outer.left, outer.bottom - outer.top);
    const std::vector<RowSpan> inside = erodeRows(rows, w);
    for (size_t k = 0; k < rows.size(); ++k) {
        const int y = outer.top + static_cast<int>(k);
        const RowSpan row = rows[k];
        const RowSpan in = inside[k];
        if (in.empty()) {
            fill(outer.left + row.begin, y, row.end - row.begin, 1, pen_.color, true);
            continue;
        }
        fill(outer.left + row.begin, y, in.begin - row.begin, 1, pen_.color, true);
        fill(outer.left + in.end, y, row.end - in.end, 1, pen_.color, true);
        if (!brush_.hollow) {
            fill(outer.left + in.begin, y, in.end - in.begin, 1, brush_.color, true);
        }
    }
}

void QtImageSurface::fillRect(int left, int top, int right, int bottom, Color color)
{
    normalise(left, top, right, bottom);
    fill(left, top, right - left, bottom - top, color, false);
}

void QtImageSurface::setPixel(int x, int y, Color color)
{
    fill(x, y, 1, 1, color, false);
}

const PixelStamp* QtImageSurface::stampShape(const std::function<void(Surface&, int x, int y)>& shape)
{
    stamp_ = PixelStamp();
    if (smooth() || invert_ || path_.recording()) {
        return nullptr;  // smoothed or inverted pixels depend on what is below
    }
    // Drawn once on a scratch image of a colour neither the pen nor the
    // brush has; a shape that reaches the scratch image's edge is too big.
    constexpr int half = 160;
    QtImageSurface scratch(2 * half + 1, 2 * half + 1);
    Color background = rgb(1, 2, 3);
    while (background == pen_.color || background == brush_.color) {
        background += 1;
    }
    scratch.fillRect(0, 0, 2 * half + 1, 2 * half + 1, background);
    scratch.selectPen(pen_);
    scratch.selectBrush(brush_);
    shape(scratch, half, half);
    const QImage& pixels = scratch.image();
    const QRgb empty = toQColor(background).rgb() & 0xffffff;
    std::optional<QRgb> color;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x) {
            const QRgb c = row[x] & 0xffffff;
            if (c == empty) {
                continue;
            }
            if ((color && *color != c) || x == 0 || y == 0 || x == 2 * half || y == 2 * half) {
                stamp_ = PixelStamp();
                return nullptr;
            }
            color = c;
            stamp_.add(x - half, y - half);
        }
    }
    if (color) {
        stamp_.setColor(rgb(qRed(*color), qGreen(*color), qBlue(*color)));
    }
    return &stamp_;
}

void QtImageSurface::sweepStamp(int x, int top, int bottom)
{
    stamp_.sweep(x, top, bottom,
                 [this](int px, int py, int height) { fill(px, py, 1, height, stamp_.color(), false); });
}

void QtImageSurface::closeFigure()
{
    if (path_.recording()) {
        position_ = path_.closeFigure(position_);
    }
}

void QtImageSurface::strokePath()
{
    path_.end();
    const std::vector<PathFigure> figures = path_.take();
    if (pen_.style == PenStyle::None || figures.empty()) {
        return;
    }
    if (thinPlain() && !smooth()) {
        // Each line leaves out its end pixel, which the next line starts
        // with; a closed figure's last line ends on its first pixel.
        for (const PathFigure& figure : figures) {
            DashCursor dash(dashPattern(pen_.style));
            for (size_t k = 1; k < figure.points.size(); ++k) {
                thinLine(figure.points[k - 1], figure.points[k], dash);
            }
            if (figure.closed) {
                thinLine(figure.points.back(), figure.points.front(), dash);
            }
        }
        return;
    }
    if (pen_.geometric && outlineWidth(pen_) == 1 && !smooth()) {
        strokeSquareCapped(figures);
        return;
    }
    QPainterPath path;
    for (const PathFigure& figure : figures) {
        path.moveTo(centreOf(figure.points.front()));
        for (size_t k = 1; k < figure.points.size(); ++k) {
            path.lineTo(centreOf(figure.points[k]));
        }
        if (figure.closed) {
            path.closeSubpath();
        }
    }
    useInvert(invert_);
    painter_.setRenderHint(QPainter::Antialiasing, smooth());
    painter_.strokePath(path, widePen());
    painter_.setRenderHint(QPainter::Antialiasing, false);
    const int w = outlineWidth(pen_) + 1;
    drawnOn(path.boundingRect().toAlignedRect().adjusted(-w, -w, w, w));
}

void QtImageSurface::strokeSquareCapped(const std::vector<PathFigure>& figures)
{
    // The lines of the line rule, plus what the square caps add: the end
    // pixel of an open figure, and the one pixel of a figure that has
    // shrunk to a point. Lines that cross or meet share pixels; each is
    // drawn once, so that invert mode inverts it once.
    std::vector<PixelPoint> pixels;
    auto collect = [&pixels](int x, int y, int w, int h) {
        for (int row = y; row < y + h; ++row) {
            for (int column = x; column < x + w; ++column) {
                pixels.push_back({column, row});
            }
        }
    };
    const PixelBox limit = reach();
    for (const PathFigure& figure : figures) {
        const size_t lines = figure.closed ? figure.points.size() : figure.points.size() - 1;
        for (size_t k = 0; k < lines; ++k) {
            const PixelPoint from = figure.points[k];
            const PixelPoint to = figure.points[(k + 1) % figure.points.size()];
            DashCursor solid;
            rasterizeLine(from.x, from.y, to.x, to.y, limit, solid, collect);
        }
        const bool point = std::all_of(figure.points.begin(), figure.points.end(),
                                       [&](PixelPoint p) { return p == figure.points.front(); });
        if (!figure.closed || point) {
            collect(figure.points.back().x, figure.points.back().y, 1, 1);
        }
    }
    std::sort(pixels.begin(), pixels.end(), [](PixelPoint a, PixelPoint b) {
        return a.y != b.y ? a.y < b.y : a.x < b.x;
    });
    pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
    for (const PixelPoint p : pixels) {
        fill(p.x, p.y, 1, 1, pen_.color, true);
    }
}

void QtImageSurface::setClipRect(int left, int top, int right, int bottom)
{
    normalise(left, top, right, bottom);
    clip_ = PixelBox{left, top, right, bottom};
    painter_.setClipRect(QRect(left, top, right - left, bottom - top));
}

void QtImageSurface::removeClip()
{
    clip_.reset();
    painter_.setClipping(false);
}

void QtImageSurface::setTextAlign(TextHAlign horizontal, TextVAlign vertical)
{
    hAlign_ = horizontal;
    vAlign_ = vertical;
}

void QtImageSurface::textOut(int x, int y, std::string_view text)
{
    if (text.empty()) {
        return;
    }
    const PlacedText placed = placeText(x, y, font_.vertical, hAlign_, vAlign_,
                                        measurer_.textExtent(font_, text),
                                        measurer_.fontMetrics(font_));
    paintText(painter_, measurer_.qtFont(font_), placed, textColor_,
              opaqueText_ ? std::optional<Color>(textBackground_) : std::nullopt, toQString(text));
    // Glyphs may reach beyond their measured cell; text is drawn with whole
    // pictures, so all of it is taken as drawn on.
    drawnOn(image_.rect());
}

TextSize QtImageSurface::textExtent(std::string_view text)
{
    return measurer_.textExtent(font_, text);
}

FontMetrics QtImageSurface::fontMetrics()
{
    return measurer_.fontMetrics(font_);
}

}  // namespace kvx
