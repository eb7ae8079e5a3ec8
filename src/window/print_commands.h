#pragma once
// Printing from the menus: one plot, or every plot of the session, on the
// desktop's default printer.

#include <cstdint>

#include "window/plot.h"

namespace kvx {

// Prints `plot` in `mode` (OUTPUT_COLORED or OUTPUT_BLACK_WHITE) with the
// line scale multiplied by `factor`; true on failure or when the user
// cancelled. Without a default printer the user is told so and nothing else
// happens.
bool printPlot(Plot& plot, int16_t mode, double factor);

// printPlot for every plot of the session in session order; a plot whose
// window was closed while an earlier one printed is passed by.
void printSession(int16_t mode, double factor);

}  // namespace kvx
