#include "window/plot_window_parts.h"

#include <vector>

#include "render/drawing_objects.h"
#include "scaling/cursor_readout.h"
#include "window/menu_state.h"

namespace kvx {

void layoutStatusLine(Plot& plot)
{
    NativeWindow* window = plot.nativeWindow();
    if (!window || !window->hasStatusLine()) {
        return;
    }
    Surface& surface = window->surface();
    surface.selectFont(makePlotObjects(plot.settings()).labelFont);
    const StatusPartsLayout layout = layoutStatusParts(surface, plot);
    window->setStatusParts(std::vector<int>(layout.rightEdges.begin(), layout.rightEdges.begin() + layout.numParts));
}

void showCursorPosition(Plot& plot, int16_t x, int16_t y)
{
    NativeWindow* window = plot.nativeWindow();
    if (!window || !window->hasStatusLine()) {
        return;
    }
    const auto texts = cursorPositionTexts(plot.view(), x, y);
    window->setStatusText(0, texts[0]);
    window->setStatusText(1, texts[1]);
}

void showDistance(Plot& plot, int16_t anchorX, int16_t anchorY, int16_t x, int16_t y)
{
    NativeWindow* window = plot.nativeWindow();
    if (!window || !window->hasStatusLine()) {
        return;
    }
    const auto texts = distanceTexts(plot, plot.view(), DevicePoint{anchorX, anchorY}, DevicePoint{x, y});
    for (std::size_t i = 0; i < texts.size(); ++i) {
        window->setStatusText(static_cast<int>(i) + 2, texts[i]);
    }
}

void refreshMenu(Plot& plot)
{
    if (NativeWindow* window = plot.nativeWindow()) {
        updateMenuState(plot, *window);
    }
}

}  // namespace kvx
