#include "window/window_gestures.h"

#include "platform/desktop.h"
#include "render/zoom_band.h"
#include "scaling/zoom.h"
#include "window/plot_window_parts.h"

namespace kvx {

void WindowGestures::pointerMoved(DevicePoint p)
{
    NativeWindow* window = plot_.nativeWindow();
    if (!window) {
        return;
    }
    PointerState& pointer = plot_.pointer();
    if (pointer.layoutPending) {
        layoutStatusLine(plot_);
    }
    const DevicePoint start{pointer.startX, pointer.startY};
    if (pointer.bandActive || plot_.settings().measureMode) {
        Surface& surface = window->surface();
        const DevicePoint old{pointer.currentX, pointer.currentY};
        // The old band or line is drawn once more to erase it.
        if (pointer.bandActive) {
            drawZoomBand(surface, plot_, plot_.view(), start, old);
            drawZoomBand(surface, plot_, plot_.view(), start, p);
        } else {
            drawMeasureLine(surface, start, old);
            drawMeasureLine(surface, start, p);
        }
        window->present();
        pointer.currentX = p.x;
        pointer.currentY = p.y;
        showDistance(plot_, start.x, start.y, p.x, p.y);
    } else {
        pointer.layoutPending = true;
    }
    pointer.lastX = p.x;
    pointer.lastY = p.y;
    showCursorPosition(plot_, p.x, p.y);
}

void WindowGestures::end()
{
    NativeWindow* window = plot_.nativeWindow();
    PointerState& pointer = plot_.pointer();
    if (!window || (!pointer.bandActive && !plot_.settings().measureMode)) {
        return;
    }
    // Drawn once more, the band or line vanishes: inverting twice restores
    // every pixel.
    const DevicePoint start{pointer.startX, pointer.startY};
    const DevicePoint end{pointer.currentX, pointer.currentY};
    if (pointer.bandActive) {
        drawZoomBand(window->surface(), plot_, plot_.view(), start, end);
    } else {
        drawMeasureLine(window->surface(), start, end);
    }
    window->present();
    window->captureMouse(false);
    pointer.bandActive = false;
    plot_.settings().measureMode = 0;
    layoutStatusLine(plot_);
    pointer.layoutPending = false;
}

void WindowGestures::leftDown(DevicePoint p)
{
    NativeWindow* window = plot_.nativeWindow();
    if (!window) {
        return;
    }
    PointerState& pointer = plot_.pointer();
    Surface& surface = window->surface();
    if (plot_.settings().measureMode) {
        end();  // the click that ends a measurement
        return;
    }
    pointer.startX = pointer.currentX = p.x;
    pointer.startY = pointer.currentY = p.y;
    if (!Desktop::current().controlKeyDown()) {
        pointer.bandActive = true;
        layoutStatusLine(plot_);
        drawZoomBand(surface, plot_, plot_.view(), p, p);
    } else {
        plot_.settings().measureMode = 1;
        layoutStatusLine(plot_);
        drawMeasureLine(surface, p, p);
    }
    window->present();
    window->captureMouse(true);
    pointer.layoutPending = false;
}

void WindowGestures::leftUp(DevicePoint p)
{
    NativeWindow* window = plot_.nativeWindow();
    PointerState& pointer = plot_.pointer();
    if (!pointer.bandActive || !window) {
        return;
    }
    pointer.bandActive = false;
    plot_.settings().measureMode = 0;
    window->captureMouse(false);
    const DevicePoint start{pointer.startX, pointer.startY};
    drawZoomBand(window->surface(), plot_, plot_.view(), start, DevicePoint{pointer.currentX, pointer.currentY});
    window->present();
    pointer.currentX = p.x;
    pointer.currentY = p.y;
    if (p == start) {
        return;
    }
    zoomToDeviceBand(plot_, plot_.view(), start, p);
    plot_.view().rangeByUser = true;
    plot_.redraw();
}

}  // namespace kvx
