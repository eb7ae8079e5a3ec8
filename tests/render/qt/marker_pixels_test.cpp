// Every marker type of sizes 1 to 10, drawn on the raster surface with the
// default marker pen (geometric, one pixel), covers exactly the pixels that
// its vertex list gives under the line and ellipse rules. The expected
// pixels are worked out here from the geometry alone.

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <regex>
#include <set>
#include <map>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/qt/qt_image_surface.h"
#include "picture/emf_records.h"
#include "picture/emf_surface.h"
#include "picture/svg_surface.h"
#include "support/fake_text_measurer.h"
#include "render/markers.h"
#include "settings/keywords.h"

namespace kvx {
namespace {

constexpr Color white = rgb(255, 255, 255);
constexpr Color penColor = rgb(0, 0, 160);
constexpr Color brushColor = rgb(0, 200, 0);
constexpr int X = 30;
constexpr int Y = 30;

using Point = std::pair<int, int>;
using Pixels = std::map<Point, Color>;

// The line rule: one pixel per step of the major axis from the start, on the
// minor axis the pixel nearest the ideal line (halves toward larger
// coordinates). The end pixel is left out, unless a square cap keeps it.
void addLine(Pixels& out, Point a, Point b, bool keepEnd)
{
    const int dx = b.first - a.first;
    const int dy = b.second - a.second;
    const int n = std::max(std::abs(dx), std::abs(dy));
    const int steps = keepEnd ? n + 1 : n;
    for (int i = 0; i < steps; ++i) {
        const double t = n == 0 ? 0.0 : static_cast<double>(i) / n;
        out[{static_cast<int>(std::floor(a.first + t * dx + 0.5)),
             static_cast<int>(std::floor(a.second + t * dy + 0.5))}] = penColor;
    }
}

// A stroked closed figure: every edge with the line rule; the next edge
// starts on the pixel that the one before leaves out. A figure shrunk to a
// point still covers that point.
Pixels closedFigure(const std::vector<Point>& vertices)
{
    Pixels out;
    for (size_t k = 0; k < vertices.size(); ++k) {
        addLine(out, vertices[k], vertices[(k + 1) % vertices.size()], false);
    }
    if (out.empty()) {
        out[vertices.front()] = penColor;
    }
    return out;
}

// Open lines of a square-capped pen keep both ends.
Pixels openLines(const std::vector<std::pair<Point, Point>>& lines)
{
    Pixels out;
    for (const auto& [a, b] : lines) {
        addLine(out, a, b, true);
    }
    return out;
}

// The ellipse inscribed in the box (left, top) to (right, bottom), both
// exclusive: the pixels whose centres lie in the ellipse touching the
// box's outer edges; the outline is each such pixel with a 4-neighbour
// outside, the rest is filled with the brush (when there is one).
Pixels ellipse(int left, int top, int right, int bottom, bool filled)
{
    Pixels out;
    if (right <= left || bottom <= top) {
        return out;
    }
    const double cx = (left + right) / 2.0;
    const double cy = (top + bottom) / 2.0;
    const double a = (right - left) / 2.0;
    const double b = (bottom - top) / 2.0;
    auto inside = [&](int x, int y) {
        const double u = (x + 0.5 - cx) / a;
        const double v = (y + 0.5 - cy) / b;
        return u * u + v * v <= 1.0 + 1e-9;
    };
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            if (!inside(x, y)) {
                continue;
            }
            const bool edge = !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
            if (edge) {
                out[{x, y}] = penColor;
            } else if (filled) {
                out[{x, y}] = brushColor;
            }
        }
    }
    return out;
}

// The marker table: derived lengths and vertices of each type.
Pixels expectedMarker(int16_t type, int s)
{
    const int L = static_cast<int>(1.5 * s);
    const int G = static_cast<int>(1.299 * s);
    const int M = static_cast<int>(1.6 * s);
    const int h = L / 2;
    const int r = G / 3;
    const int a = M / 2;
    const int u = static_cast<int>(0.707 * (M / 2));
    const std::vector<std::pair<Point, Point>> plus{{{X - a, Y}, {X + a, Y}}, {{X, Y + a}, {X, Y - a}}};
    const std::vector<std::pair<Point, Point>> cross{{{X - u, Y - u}, {X + u, Y + u}},
                                                     {{X - u, Y + u}, {X + u, Y - u}}};
    switch (type) {
    case TRIANGLE: return closedFigure({{X - h, Y + r}, {X + h, Y + r}, {X, Y - 2 * r}});
    case TRIANGLE_DOWN: return closedFigure({{X - h, Y - r}, {X + h, Y - r}, {X, Y + 2 * r}});
    case TRIANGLE_RIGHT: return closedFigure({{X - r, Y - h}, {X - r, Y + h}, {X + 2 * r, Y}});
    case TRIANGLE_LEFT: return closedFigure({{X + r, Y - h}, {X + r, Y + h}, {X - 2 * r, Y}});
    case SQUARE: {
        const int q = s / 2;
        return closedFigure({{X - q, Y - q}, {X - q, Y + q}, {X + q, Y + q}, {X + q, Y - q}});
    }
    case DIAMOND: return closedFigure({{X - h, Y}, {X, Y - h}, {X + h, Y}, {X, Y + h}});
    case CIRCLE: {
        const int c = L / 2;
        return ellipse(X - c + 1, Y - c + 1, X + c, Y + c, false);
    }
    case POINT: {
        const int c = static_cast<int>(0.675 * s);
        return ellipse(X - c + 1, Y - c + 1, X + c, Y + c, true);
    }
    case PLUS: return openLines(plus);
    case CROSS: return openLines(cross);
    case STAR: {
        std::vector<std::pair<Point, Point>> both = plus;
        both.insert(both.end(), cross.begin(), cross.end());
        return openLines(both);
    }
    default: return {};
    }
}

Pixels drawnMarker(int16_t type, int s)
{
    QtImageSurface surface(2 * X + 1, 2 * Y + 1);
    surface.selectPen(Pen{PenStyle::Solid, 1, penColor, true});
    const Brush brush{false, brushColor};
    surface.selectBrush(brush);
    drawMarkerShape(surface, type, X, Y, s, brush);
    Pixels out;
    const QImage& image = surface.image();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            const Color c = rgb(static_cast<unsigned>(qRed(p)), static_cast<unsigned>(qGreen(p)),
                                static_cast<unsigned>(qBlue(p)));
            if (c != white) {
                out[{x, y}] = c;
            }
        }
    }
    return out;
}

// The pixels near the centre as a picture: '#' pen, 'o' brush, '?' other.
std::string picture(const Pixels& pixels)
{
    std::ostringstream text;
    for (int y = Y - 9; y <= Y + 9; ++y) {
        for (int x = X - 9; x <= X + 9; ++x) {
            const auto it = pixels.find({x, y});
            text << (it == pixels.end() ? '.' : it->second == penColor ? '#' : it->second == brushColor ? 'o' : '?');
        }
        text << '\n';
    }
    return text.str();
}

class MarkerPixelsTest : public testing::TestWithParam<int16_t> {};

TEST_P(MarkerPixelsTest, SizesOneToTenCoverExactlyTheirGeometry)
{
    for (int s = 1; s <= 10; ++s) {
        const Pixels expected = expectedMarker(GetParam(), s);
        const Pixels drawn = drawnMarker(GetParam(), s);
        EXPECT_TRUE(drawn == expected) << "size " << s << "\nexpected:\n"
                                       << picture(expected) << "drawn:\n"
                                       << picture(drawn);
    }
}

// Markers of size 1, one beside the other, are the same pixels on the
// raster and in both vector files.
TEST(MarkerPixels, SizeOneIsTheSamePixelInEveryOutput)
{
    const int16_t types[] = {TRIANGLE, SQUARE, DIAMOND, CIRCLE, STAR, CROSS, PLUS,
                             TRIANGLE_DOWN, TRIANGLE_RIGHT, TRIANGLE_LEFT, POINT};
    const auto drawAll = [&types](Surface& surface) {
        surface.selectPen(Pen{PenStyle::Solid, 1, penColor, true});
        const Brush brush{false, brushColor};
        surface.selectBrush(brush);
        int x = 5;
        for (const int16_t type : types) {
            drawMarkerShape(surface, type, x, 7, 1, brush);
            x += 6;
        }
    };
    QtImageSurface raster(80, 16);
    drawAll(raster);
    std::set<Point> onRaster;
    for (int y = 0; y < 16; ++y) {
        for (int x = 0; x < 80; ++x) {
            if (raster.image().pixel(x, y) != qRgb(255, 255, 255)) {
                onRaster.insert({x, y});
            }
        }
    }
    EXPECT_EQ(onRaster.size(), 9u);  // circle and point of size 1 are empty

    test::FakeMeasurer measurer;
    SvgSurface svg(80, 16, measurer);
    drawAll(svg);
    const std::string doc = svg.finish();
    std::set<Point> inSvg;
    const std::regex pixel(R"re(<rect x="(-?\d+)" y="(-?\d+)" width="1" height="1")re");
    for (auto m = std::sregex_iterator(doc.begin(), doc.end(), pixel); m != std::sregex_iterator(); ++m) {
        inSvg.insert({std::stoi((*m)[1]), std::stoi((*m)[2])});
    }
    EXPECT_EQ(inSvg, onRaster) << doc;

    EmfSurface emf(80, 16, measurer);
    drawAll(emf);
    const std::string bytes = emf.finish();
    std::set<Point> inEmf;
    const auto at = [&bytes](std::size_t offset) {
        int32_t v = 0;
        std::memcpy(&v, bytes.data() + offset, 4);
        return v;
    };
    for (std::size_t offset = 0; offset + 8 <= bytes.size() && at(offset + 4) > 0;
         offset += static_cast<std::size_t>(at(offset + 4))) {
        if (static_cast<uint32_t>(at(offset)) == emr::setPixelV) {
            inEmf.insert({at(offset + 8) / emfUnitsPerPixel, at(offset + 12) / emfUnitsPerPixel});
        }
    }
    EXPECT_EQ(inEmf, onRaster);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, MarkerPixelsTest,
                         testing::Values(TRIANGLE, SQUARE, DIAMOND, CIRCLE, STAR, CROSS, PLUS, TRIANGLE_DOWN,
                                         TRIANGLE_RIGHT, TRIANGLE_LEFT, POINT),
                         [](const testing::TestParamInfo<int16_t>& info) {
                             return "type" + std::to_string(info.param);
                         });

}  // namespace
}  // namespace kvx
