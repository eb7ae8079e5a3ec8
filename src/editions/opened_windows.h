#pragma once
// The windows a run opened beside its handles' (a session's, a dialog's new
// plots) go before the toolkit does, on every way out of the run.

#include "app/window_keeper.h"

namespace kvx {

class OpenedWindows {
public:
    OpenedWindows() = default;
    ~OpenedWindows() { releaseAllWindows(); }
    OpenedWindows(const OpenedWindows&) = delete;
    OpenedWindows& operator=(const OpenedWindows&) = delete;
};

}  // namespace kvx
