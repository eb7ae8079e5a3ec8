#include "app/window_keeper.h"

#include <algorithm>
#include <vector>

namespace kvx {

namespace {

std::vector<std::unique_ptr<BaseWindow>>& kept()
{
    static std::vector<std::unique_ptr<BaseWindow>> windows;
    return windows;
}

}  // namespace

BaseWindow& keepWindow(std::unique_ptr<BaseWindow> window)
{
    kept().push_back(std::move(window));
    return *kept().back();
}

void releaseWindow(const BaseWindow* window)
{
    auto& windows = kept();
    const auto it = std::find_if(windows.begin(), windows.end(),
                                 [window](const auto& w) { return w.get() == window; });
    if (it != windows.end()) {
        // Moved out first: the object's destructor may look at the list.
        std::unique_ptr<BaseWindow> gone = std::move(*it);
        windows.erase(it);
    }
}

void releaseAllWindows()
{
    auto windows = std::move(kept());
    kept().clear();
    windows.clear();
}

bool isKept(const BaseWindow* window)
{
    const auto& windows = kept();
    return std::any_of(windows.begin(), windows.end(), [window](const auto& w) { return w.get() == window; });
}

}  // namespace kvx
