#pragma once
// Owns the window objects that no program entry holds (New, Clone, plot and
// session loading): each lives until its platform window is gone.

#include <memory>
#include <vector>

#include "app/base_window.h"

namespace kvx {

class WindowKeeper {
public:
    WindowKeeper() = default;
    ~WindowKeeper() { releaseAll(); }
    WindowKeeper(const WindowKeeper&) = delete;
    WindowKeeper& operator=(const WindowKeeper&) = delete;

    // Keeps `window` alive and returns it.
    BaseWindow& keep(std::unique_ptr<BaseWindow> window);
    // Lets go of a kept window object; nothing when it is not kept.
    void release(const BaseWindow* window);
    // Lets go of every kept window (end of the program).
    void releaseAll();
    bool isKept(const BaseWindow* window) const;

private:
    std::vector<std::unique_ptr<BaseWindow>> windows_;
};

// The same on the keeper of the current application context.
BaseWindow& keepWindow(std::unique_ptr<BaseWindow> window);
void releaseWindow(const BaseWindow* window);
void releaseAllWindows();
bool isKept(const BaseWindow* window);

}  // namespace kvx
