#pragma once
// The pointer of one plot window: the gesture under way there (zoom band or
// measuring line) and the latest position, which the readout shows again
// after a paint. Each window has its own.

#include <cstdint>

namespace kvx {

struct PointerState {
    bool bandActive = false;
    int16_t startX = 0;  // where the gesture began
    int16_t startY = 0;
    int16_t currentX = 0;  // its current end
    int16_t currentY = 0;
    int16_t lastX = 0;  // the latest pointer position, for the readout after a paint
    int16_t lastY = 0;
    bool layoutPending = true;  // lay out the status line at the next move
};

}  // namespace kvx
