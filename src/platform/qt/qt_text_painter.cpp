#include "platform/qt/qt_text_painter.h"

#include "platform/qt/qt_convert.h"

namespace kvx {

void paintText(QPainter& painter, const QFont& font, const PlacedText& placed, Color color,
               std::optional<Color> background, const QString& text)
{
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.translate(placed.x, placed.y);
    if (placed.vertical) {
        painter.rotate(-90.0);
    }
    if (background) {
        painter.fillRect(QRect(placed.dx, placed.dy - placed.ascent, placed.width,
                               placed.ascent + placed.descent),
                         toQColor(*background));
    }
    painter.setFont(font);
    painter.setPen(toQColor(color));
    painter.drawText(QPoint(placed.dx, placed.dy), text);
    painter.restore();
}

}  // namespace kvx
