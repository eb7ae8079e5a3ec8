#include "window/mouse_and_keys_box.h"

#include "platform/desktop.h"

namespace kvx {

namespace {

// The same gestures and keys as the window's handlers in plot_messages.cpp
// and window_gestures.cpp, and the manual page kurvex(1).
constexpr const char* mouseAndKeysText =
    "Mouse\n"
    "Drag with the left button: zoom to the band (Plot > Zoom Mode)\n"
    "Control + left click: measure; the status line shows the distance and\n"
    "    the slope until the next left click\n"
    "Double click: automatic range of x and y\n"
    "Right click: zoom out\n"
    "Wheel: zoom in (turned away from you) or out, about the centre\n"
    "Control + wheel: the same about the point under the pointer\n"
    "Dropped files: the first opened, the others added;\n"
    "    with Control all added\n"
    "\n"
    "Keys\n"
    "Page Up, Page Down: zoom in, zoom out\n"
    "Left, Right, Up, Down: move the view by one tick\n"
    "Shift + arrow: move the view by one sub-tick\n"
    "Control + arrow: move the view by its whole width or height\n"
    "End: the range before the latest change (Range > Last)\n"
    "Home: the original range\n"
    "Insert: store the range\n"
    "Delete: restore the stored range\n"
    "Control + Insert: copy the plot, colored, to the clipboard";

}  // namespace

MessageBoxRequest mouseAndKeysBox(const BaseWindow& window)
{
    MessageBoxRequest box;
    box.caption = "Mouse and Keys";
    box.text = mouseAndKeysText;
    box.icon = BoxIcon::Information;
    box.buttons = BoxButtons::Ok;
    box.owner = window.nativeWindow();
    return box;
}

void showMouseAndKeys(const BaseWindow& window)
{
    Desktop::current().showMessageBox(mouseAndKeysBox(window));
}

}  // namespace kvx
