#pragma once
// The texts of a plot window's status line: the world coordinates under the
// pointer with as many digits as one pixel resolves, and while measuring or
// dragging a zoom band the distance from the anchor with its slope, or its
// length and angle when the axes are equal. Also the widths of the parts.

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "model/plot_model.h"
#include "platform/surface.h"
#include "scaling/device_transform.h"

namespace kvx {

struct StatusPartsLayout {
    static constexpr int maxParts = 7;

    int16_t numParts = 2;
    std::array<int, maxParts> rightEdges{};  // client x of each part's right edge
};

// The width in pixels of a text in the status line's font.
using TextWidth = std::function<int(std::string_view)>;

// Two wide parts for the coordinates and narrower ones for the distance.
// Status parts 2 to 4 show while measuring, part 5 only with equal axes,
// and one more with a logarithmic y axis, for the ratio of the y values.
// `left` is the left edge of the client area.
StatusPartsLayout layoutStatusParts(const TextWidth& textWidth, bool measureMode, int16_t aspectRatio,
                                    int left = 0, AxisKind yKind = AxisKind::Linear);
// The same, measured on `surface` with the plot's label font already
// selected, for the plot's measureMode, aspectRatio and y axis.
StatusPartsLayout layoutStatusParts(Surface& surface, const PlotModel& plot, int left = 0);

// Parts 0 and 1 for the client point (x, y), " X:  ..." and " Y:  ...".
std::array<std::string, 2> cursorPositionTexts(const PlotView& view, int16_t x, int16_t y);

// Parts 2, 3 and 4 for the distance from `anchor` to `current`, and part 5
// under AXES_EQUAL; then, with a logarithmic y axis, " y2/y1:  " and the
// ratio of the current y value to the anchor's.
std::vector<std::string> distanceTexts(const PlotModel& plot, const PlotView& view, DevicePoint anchor, DevicePoint current);

}  // namespace kvx
