#include "platform/qt/qt_plot_window.h"

namespace kvx {

std::unique_ptr<NativeWindow> createQtPlotWindow(WindowEventSink&, const WindowRect&, const WindowOptions&)
{
    // The window arrives with the window subsystem's Qt side.
    return nullptr;
}

}  // namespace kvx
