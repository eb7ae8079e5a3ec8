#pragma once
// Pixel rules shared by the graph drawing point by point and by pixel
// column, and the step to one point that both make.

#include <cstdint>

#include "render/graph_drawer.h"

namespace kvx::graph_pixels {

// Only for coordinates known to lie near the plot rectangle: visible points
// and clipped or intersected pieces.
inline int pixel(double v)
{
    return static_cast<int>(v);  // toward zero
}

// Device points are whole numbers (worldToDevice rounds them), so they
// share a pixel when they are equal; compared before any saturation, two
// points far apart off the picture are not on one pixel.
inline bool samePixel(double x0, double y0, double x1, double y1)
{
    return x0 == x1 && y0 == y1;
}

// Where the white pixel of a dot of size s lies, right and down of its
// centre.
inline int dotHighlight(int s)
{
    return s == 3 ? -1 : -(s / 2) + 1;
}

// Draw rates and their counters work modulo the rate; a rate below 1 (from
// a damaged file) counts as 1.
inline int rate(int16_t r)
{
    return r < 1 ? 1 : r;
}

}  // namespace kvx::graph_pixels

namespace kvx {

// Inlined into the loops over all points, which call it once per point.
[[gnu::always_inline]] inline bool GraphDrawer::stepTo(const Graph& graph, GraphDrawState& st, DoublePoint p,
                                                     double worldX, uint8_t att, bool linesShown, int margin)
{
    const bool v = visible(p.x, p.y, margin);
    if (graph_pixels::samePixel(p.x, p.y, st.prevX, st.prevY)) {
        return v;
    }
    switch (att) {
    case ATT_CONNECTED:
        if (linesShown) {
            drawSegment(graph, st, p.x, p.y, worldX, v);
            st.prevVisible = v;
        }
        break;
    case ATT_NEW_LINE:
        if (v) {
            moveTo(graph_pixels::pixel(p.x), graph_pixels::pixel(p.y));
        }
        st.prevVisible = v;
        break;
    default:  // isolated
        if (v) {
            flushColumn();
            surface_.setPixel(graph_pixels::pixel(p.x), graph_pixels::pixel(p.y), objects_.color);
            moveTo(graph_pixels::pixel(p.x), graph_pixels::pixel(p.y));
        }
        st.prevVisible = v;
        break;
    }
    st.prevX = p.x;
    st.prevY = p.y;
    return v;
}

}  // namespace kvx
