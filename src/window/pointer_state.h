#pragma once
// The state of the mouse gesture under way. One for the whole program: the
// mouse is captured during a gesture, so only one can be under way.

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

PointerState& pointerState();

}  // namespace kvx
