#include "render/markers.h"

#include "settings/keywords.h"

namespace kvx {

namespace {

// 0.707 exactly as written, not 1/sqrt(2).
int q(int value)
{
    return static_cast<int>(0.707 * value);
}

void closedPath(Surface& surface, std::initializer_list<std::pair<int, int>> vertices)
{
    surface.beginPath();
    bool first = true;
    for (const auto& [vx, vy] : vertices) {
        if (first) {
            surface.moveTo(vx, vy);
            first = false;
        } else {
            surface.lineTo(vx, vy);
        }
    }
    surface.closeFigure();
    surface.endPath();
    surface.strokePath();
}

void plusLines(Surface& surface, int x, int y, int a)
{
    surface.moveTo(x - a, y);
    surface.lineTo(x + a, y);
    surface.moveTo(x, y + a);
    surface.lineTo(x, y - a);
}

void crossLines(Surface& surface, int x, int y, int u)
{
    surface.moveTo(x - u, y - u);
    surface.lineTo(x + u, y + u);
    surface.moveTo(x - u, y + u);
    surface.lineTo(x + u, y - u);
}

}  // namespace

void drawMarkerShape(Surface& surface, int16_t type, int x, int y, int s, const Brush& brush)
{
    const int L = static_cast<int>(1.5 * s);
    const int G = static_cast<int>(1.299 * s);
    const int M = static_cast<int>(1.6 * s);
    const int h = L / 2;
    const int r = G / 3;
    switch (type) {
    case TRIANGLE:
        closedPath(surface, {{x - h, y + r}, {x + h, y + r}, {x, y - 2 * r}});
        break;
    case TRIANGLE_DOWN:
        closedPath(surface, {{x - h, y - r}, {x + h, y - r}, {x, y + 2 * r}});
        break;
    case TRIANGLE_RIGHT:
        closedPath(surface, {{x - r, y - h}, {x - r, y + h}, {x + 2 * r, y}});
        break;
    case TRIANGLE_LEFT:
        closedPath(surface, {{x + r, y - h}, {x + r, y + h}, {x - 2 * r, y}});
        break;
    case SQUARE: {
        const int half = s / 2;
        closedPath(surface, {{x - half, y - half}, {x - half, y + half}, {x + half, y + half}, {x + half, y - half}});
        break;
    }
    case DIAMOND:
        closedPath(surface, {{x - h, y}, {x, y - h}, {x + h, y}, {x, y + h}});
        break;
    case CIRCLE: {
        const int radius = L / 2;
        if (radius <= 0) {
            break;  // the box ends before it begins: an empty ellipse
        }
        surface.selectBrush(Brush{true, 0});
        surface.ellipse(x - radius + 1, y - radius + 1, x + radius, y + radius);
        surface.selectBrush(brush);
        break;
    }
    case POINT: {
        const int radius = static_cast<int>(0.675 * s);
        if (radius <= 0) {
            break;  // as for the circle
        }
        surface.ellipse(x - radius + 1, y - radius + 1, x + radius, y + radius);
        break;
    }
    case PLUS:
        surface.beginPath();
        plusLines(surface, x, y, M / 2);
        surface.endPath();
        surface.strokePath();
        break;
    case CROSS:
        surface.beginPath();
        crossLines(surface, x, y, q(M / 2));
        surface.endPath();
        surface.strokePath();
        break;
    case STAR:
        surface.beginPath();
        plusLines(surface, x, y, M / 2);
        crossLines(surface, x, y, q(M / 2));
        surface.endPath();
        surface.strokePath();
        break;
    default:
        break;
    }
}

}  // namespace kvx
