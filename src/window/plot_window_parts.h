#pragma once
// The status line and the menu of a plot window, brought up to date from the
// plot's state.

#include <cstdint>

#include "window/plot.h"

namespace kvx {

// Sets the status line's parts for the plot's measuring and aspect modes.
void layoutStatusLine(Plot& plot);
// The coordinates of client point (x, y) in parts 0 and 1.
void showCursorPosition(Plot& plot, int16_t x, int16_t y);
// The distance readout between the gesture's anchor and (x, y).
void showDistance(Plot& plot, int16_t anchorX, int16_t anchorY, int16_t x, int16_t y);
// The menu's check marks and enabled items.
void refreshMenu(Plot& plot);

}  // namespace kvx
