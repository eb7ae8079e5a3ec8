#include "model/plot.h"

namespace kvx {

// The window messages of a plot. A plot without a platform window (tests,
// batch output) receives none; the window's own messages are handled here
// as the window subsystem grows.
intptr_t Plot::handleMessage(uint32_t /*message*/, uintptr_t /*wParam*/, intptr_t /*lParam*/)
{
    return 0;
}

}  // namespace kvx
