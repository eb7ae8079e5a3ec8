#pragma once
// A picture that uses every drawing operation of a surface (lines in all
// directions, dashes, rectangles, ellipses, markers as paths, clipping,
// text in every alignment, the vertical font), for comparing the outputs.

#include "platform/surface.h"

namespace kvx::test {

constexpr int testPictureWidth = 360;
constexpr int testPictureHeight = 240;

void drawTestPicture(Surface& surface);

// A line, a hollow rectangle, an ellipse and a stroked path in invert mode,
// as the zoom band and the measuring line draw them; the current position
// ends at (9, 9) and invert mode is off again.
void drawInvertedShapes(Surface& surface);

// A solid black box of the picture, for checking positions in renderings.
constexpr int markBoxLeft = 300;
constexpr int markBoxTop = 20;
constexpr int markBoxRight = 340;
constexpr int markBoxBottom = 50;

// The clip of the picture's clipped part, and the red box drawn through it
// (it reaches beyond the clip on every side).
constexpr int clipLeft = 250;
constexpr int clipTop = 70;
constexpr int clipRight = 290;
constexpr int clipBottom = 110;

}  // namespace kvx::test
