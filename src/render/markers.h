#pragma once
// The twelve marker symbols, drawn centred on a device point with the pen and
// brush currently selected.

#include <cstdint>

#include "platform/surface.h"

namespace kvx {

// Draws marker `type` of size s at (x, y). NOMARKER and values outside the
// marker range draw nothing. The circle is drawn hollow and the brush that
// was selected (`brush`) is selected again afterwards.
void drawMarkerShape(Surface& surface, int16_t type, int x, int y, int s, const Brush& brush);

}  // namespace kvx
