#pragma once
// Where a text goes for an alignment: every surface places text from the
// measured extent and font metrics the same way, so PNG, PDF and vector
// files agree to the pixel on where a label starts.

#include "platform/surface.h"

namespace kvx {

// A text positioned for drawing. The vertical font turns about the reference
// point (x, y) by 90 degrees counter-clockwise; dx and dy are in the text's
// own frame (dx along the reading direction, dy toward the text's bottom).
struct PlacedText {
    int x = 0;
    int y = 0;
    bool vertical = false;
    int dx = 0;  // start of the baseline
    int dy = 0;
    int width = 0;  // the text cell runs from (dx, dy - ascent), width by ascent + descent
    int ascent = 0;
    int descent = 0;
};

// Top puts the baseline at y + ascent, bottom at y - descent, baseline at y;
// centre and right move left by half (truncated) or all of the width.
PlacedText placeText(int x, int y, bool verticalFont, TextHAlign hAlign, TextVAlign vAlign,
                     TextSize extent, const FontMetrics& metrics);

}  // namespace kvx
