#pragma once
// One top-level plot window of the desktop, as the window base drives it.

#include <cstdint>
#include <string_view>

namespace kvx {

class NativeWindow {
public:
    virtual ~NativeWindow() = default;

    virtual void setCaption(std::string_view caption) = 0;
    // Moves and resizes the outer window and repaints it.
    virtual void moveAndResize(int x, int y, int width, int height) = 0;
};

}  // namespace kvx
