#include "platform/qt/qt_vector_surface.h"

#include <QPainter>
#include <QPainterPath>

#include "platform/qt/qt_convert.h"
#include "platform/qt/qt_text_painter.h"

namespace kvx {

namespace {

QPen toQPen(const StrokeStyle& stroke)
{
    QPen pen(QBrush(toQColor(stroke.color)), stroke.width);
    switch (stroke.cap) {
    case LineCap::Flat: pen.setCapStyle(Qt::FlatCap); break;
    case LineCap::Square: pen.setCapStyle(Qt::SquareCap); break;
    case LineCap::Round: pen.setCapStyle(Qt::RoundCap); break;
    }
    pen.setJoinStyle(stroke.join == LineJoin::Round ? Qt::RoundJoin : Qt::MiterJoin);
    if (!stroke.dashes.empty()) {
        // Qt measures dashes in pen widths.
        QList<qreal> pattern;
        for (double length : stroke.dashes) {
            pattern.append(length / stroke.width);
        }
        pen.setDashPattern(pattern);
        pen.setDashOffset(stroke.dashOffset / stroke.width);
    }
    return pen;
}

}  // namespace

QtVectorSurface::QtVectorSurface(QPainter& painter, DeviceSize size)
    : VectorSurface(qtMeasurer_), painter_(painter), size_(size)
{
}

void QtVectorSurface::usePenAndBrush(const StrokeStyle* stroke, std::optional<Color> fill)
{
    painter_.setPen(stroke ? toQPen(*stroke) : QPen(Qt::NoPen));
    painter_.setBrush(fill ? QBrush(toQColor(*fill)) : QBrush(Qt::NoBrush));
}

void QtVectorSurface::strokeFigures(const std::vector<VectorFigure>& figures, const StrokeStyle& stroke)
{
    QPainterPath path;
    for (const VectorFigure& figure : figures) {
        path.moveTo(figure.points.front().x, figure.points.front().y);
        for (size_t k = 1; k < figure.points.size(); ++k) {
            path.lineTo(figure.points[k].x, figure.points[k].y);
        }
        if (figure.closed) {
            path.closeSubpath();
        }
    }
    painter_.strokePath(path, toQPen(stroke));
}

void QtVectorSurface::drawRectangle(double x, double y, double width, double height,
                                    const StrokeStyle* stroke, std::optional<Color> fill)
{
    usePenAndBrush(stroke, fill);
    painter_.drawRect(QRectF(x, y, width, height));
}

void QtVectorSurface::drawEllipse(double cx, double cy, double rx, double ry,
                                  const StrokeStyle* stroke, std::optional<Color> fill)
{
    usePenAndBrush(stroke, fill);
    painter_.drawEllipse(QPointF(cx, cy), rx, ry);
}

void QtVectorSurface::fillBox(int x, int y, int width, int height, Color color)
{
    painter_.fillRect(QRect(x, y, width, height), toQColor(color));
}

void QtVectorSurface::drawText(const PlacedText& placed, const Font& font, Color color,
                               std::optional<Color> background, std::string_view text)
{
    paintText(painter_, qtMeasurer_.qtFont(font), placed, color, background, toQString(text));
}

void QtVectorSurface::clipTo(int left, int top, int right, int bottom)
{
    painter_.setClipRect(QRect(left, top, right - left, bottom - top));
}

void QtVectorSurface::unclip()
{
    painter_.setClipping(false);
}

}  // namespace kvx
