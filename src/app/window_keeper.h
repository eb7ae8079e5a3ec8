#pragma once
// Owns the window objects that no program entry holds (New, Clone, plot and
// session loading): each lives until its platform window is gone.

#include <memory>

#include "app/base_window.h"

namespace kvx {

// Keeps `window` alive and returns it.
BaseWindow& keepWindow(std::unique_ptr<BaseWindow> window);
// Lets go of a kept window object; nothing when it is not kept.
void releaseWindow(const BaseWindow* window);
// Lets go of every kept window (end of the program).
void releaseAllWindows();
bool isKept(const BaseWindow* window);

}  // namespace kvx
