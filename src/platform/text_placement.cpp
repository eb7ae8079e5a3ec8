#include "platform/text_placement.h"

namespace kvx {

PlacedText placeText(int x, int y, bool verticalFont, TextHAlign hAlign, TextVAlign vAlign,
                     TextSize extent, const FontMetrics& metrics)
{
    PlacedText p;
    p.x = x;
    p.y = y;
    p.vertical = verticalFont;
    p.width = extent.width;
    p.ascent = metrics.ascent;
    p.descent = metrics.descent;
    switch (hAlign) {
    case TextHAlign::Left: p.dx = 0; break;
    case TextHAlign::Center: p.dx = -(extent.width / 2); break;
    case TextHAlign::Right: p.dx = -extent.width; break;
    }
    switch (vAlign) {
    case TextVAlign::Top: p.dy = metrics.ascent; break;
    case TextVAlign::Bottom: p.dy = -metrics.descent; break;
    case TextVAlign::Baseline: p.dy = 0; break;
    }
    return p;
}

}  // namespace kvx
