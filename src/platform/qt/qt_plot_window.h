#pragma once
// The Qt plot window: a top-level window with a menu bar, a client area
// showing the backing image the plot paints into, and a status line.

#include <memory>

#include <QWidget>

#include "platform/native_window.h"

namespace kvx {

// A new window, not yet shown; null when it cannot be made.
std::unique_ptr<NativeWindow> createQtPlotWindow(WindowEventSink& sink, const WindowRect& rect,
                                                 const WindowOptions& options);

// The top-level widget of a window made by createQtPlotWindow (boxes use it
// as their owner); null for any other window.
QWidget* qtWidgetOf(NativeWindow* window);

}  // namespace kvx
