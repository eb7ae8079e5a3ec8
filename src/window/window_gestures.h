#pragma once
// The mouse gestures of one plot window: the zoom band dragged with the left
// button, the measuring line that a control-click starts and the next click
// ends, and the readout that follows the pointer. Band and line are inverted
// pixels, drawn once more to vanish. The state lives in the window's
// pointer state, so a gesture object is made for each message.

#include "window/plot.h"
#include "scaling/device_transform.h"

namespace kvx {

class WindowGestures {
public:
    explicit WindowGestures(Plot& plot) : plot_(plot) {}

    void pointerMoved(DevicePoint p);
    void leftDown(DevicePoint p);
    // Ends a band: zooms to it unless the button came up where it went down.
    void leftUp(DevicePoint p);
    // Ends a band or measurement under way: erases it and lets the mouse go.
    // Whatever changes the picture does this first.
    void end();

private:
    Plot& plot_;
};

}  // namespace kvx
