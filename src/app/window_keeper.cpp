#include "app/window_keeper.h"

#include <algorithm>

#include "platform/current_part.h"

namespace kvx {

BaseWindow& WindowKeeper::keep(std::unique_ptr<BaseWindow> window)
{
    windows_.push_back(std::move(window));
    return *windows_.back();
}

void WindowKeeper::release(const BaseWindow* window)
{
    const auto it = std::find_if(windows_.begin(), windows_.end(),
                                 [window](const auto& w) { return w.get() == window; });
    if (it != windows_.end()) {
        // Moved out first: the object's destructor may look at the list.
        std::unique_ptr<BaseWindow> gone = std::move(*it);
        windows_.erase(it);
    }
}

void WindowKeeper::releaseAll()
{
    auto windows = std::move(windows_);
    windows_.clear();
    windows.clear();
}

bool WindowKeeper::isKept(const BaseWindow* window) const
{
    return std::any_of(windows_.begin(), windows_.end(), [window](const auto& w) { return w.get() == window; });
}

BaseWindow& keepWindow(std::unique_ptr<BaseWindow> window)
{
    return CurrentPart<WindowKeeper>::get().keep(std::move(window));
}

void releaseWindow(const BaseWindow* window)
{
    CurrentPart<WindowKeeper>::get().release(window);
}

void releaseAllWindows()
{
    CurrentPart<WindowKeeper>::get().releaseAll();
}

bool isKept(const BaseWindow* window)
{
    return CurrentPart<WindowKeeper>::get().isKept(window);
}

}  // namespace kvx
