#pragma once
// Brings the check marks and the "New" item of a plot window's menu up to
// date: the plot's styles and modes, and for the graph styles the value that
// all graphs share or "Diverse"; items whose actions are not built yet are
// greyed. Runs at window creation, after every open or add, and at the start
// of every paint.

#include "window/plot.h"
#include "platform/native_window.h"

namespace kvx {

// Does nothing when the window has no menu bar.
void updateMenuState(const Plot& plot, NativeWindow& window);

}  // namespace kvx
