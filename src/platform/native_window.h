#pragma once
// One top-level plot window of the desktop: a caption, a client area backed
// by an image the plot paints into, an optional menu bar and status line.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/surface.h"

namespace kvx {

struct WindowRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

// Unchanged shows a hidden window in the state it had (normal, minimised or
// maximised) and leaves a shown one as it is.
enum class ShowState { Normal, Minimized, Maximized, Unchanged };
enum class CursorShape { Cross, Wait };
// How a menu item is shown: normal, greyed, or refusing clicks while drawn
// normally.
enum class ItemState { Enabled, Grayed, DisabledLooksEnabled };

// Where a window's messages go: the window object behind it.
class WindowEventSink {
public:
    virtual ~WindowEventSink() = default;
    virtual intptr_t deliverMessage(uint32_t message, uintptr_t wParam, intptr_t lParam) = 0;
};

// One entry of a menu bar: a popup with children, a command item or a
// separator. Texts use "&" before the mnemonic and "&&" for an ampersand.
struct MenuEntry {
    std::string text;
    int command = 0;
    bool separator = false;
    std::vector<MenuEntry> children;  // a popup when not empty
};

// What a new window gets besides its client area.
struct WindowOptions {
    bool statusLine = true;
    const std::vector<MenuEntry>* menu = nullptr;  // none: no menu bar
};

class NativeWindow {
public:
    virtual ~NativeWindow() = default;

    virtual void setCaption(std::string_view caption) = 0;
    // Moves and resizes the outer window.
    virtual void moveAndResize(int x, int y, int width, int height) = 0;
    // The outer window's position and size.
    virtual WindowRect windowRect() = 0;
    // The client area's size and the screen position of its origin.
    virtual WindowRect clientRect() = 0;
    virtual void show(ShowState state) = 0;
    virtual void hide() = 0;
    virtual void bringToFront() = 0;
    // A disabled window takes no input from the user but still repaints.
    virtual void setEnabled(bool enabled) = 0;

    // The image of the client area; what is drawn appears on present().
    virtual Surface& surface() = 0;
    virtual void present() = 0;

    virtual void captureMouse(bool capture) = 0;
    virtual void setCursor(CursorShape shape) = 0;

    // The menu bar and the status line; both may be absent.
    virtual bool hasMenu() const = 0;
    virtual void checkMenuItem(int command, bool checked) = 0;
    virtual void setMenuItemState(int command, ItemState state) = 0;
    virtual bool hasStatusLine() const = 0;
    // The right edges of the status parts; their number is the part count.
    virtual void setStatusParts(const std::vector<int>& rightEdges) = 0;
    virtual void setStatusText(int part, std::string_view text) = 0;
};

}  // namespace kvx
