#pragma once
// The one place where command numbers (menu items, keys, mouse gestures)
// become actions on a plot window.

#include <cstdint>

#include "window/plot.h"

namespace kvx {

// Carries out `command` in `plot`'s window, with the repaint the command
// asks for. False for numbers that are not (yet) commands.
bool dispatchCommand(Plot& plot, uint16_t command);

// Sends `command` to the plot's window synchronously, as choosing its menu
// item does.
void sendCommand(Plot& plot, uint16_t command);

}  // namespace kvx
