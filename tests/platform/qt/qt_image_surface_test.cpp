#include "platform/qt/qt_image_surface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include <QImage>

namespace kvx {
namespace {

constexpr Color black = rgb(0, 0, 0);
constexpr Color white = rgb(255, 255, 255);
constexpr Color yellow = rgb(255, 255, 0);

bool isWhite(const QImage& image, int x, int y)
{
    return (image.pixel(x, y) & 0xFFFFFFu) == 0xFFFFFFu;
}

bool isColor(const QImage& image, int x, int y, Color c)
{
    const QRgb p = image.pixel(x, y);
    return static_cast<unsigned>(qRed(p)) == redOf(c) && static_cast<unsigned>(qGreen(p)) == greenOf(c) &&
           static_cast<unsigned>(qBlue(p)) == blueOf(c);
}

bool isDark(const QImage& image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 128;
}

struct Pixel {
    int x;
    int y;
};

std::vector<Pixel> drawnPixels(const QImage& image)
{
    std::vector<Pixel> out;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!isWhite(image, x, y)) {
                out.push_back({x, y});
            }
        }
    }
    return out;
}

// The smallest box holding every dark pixel of the image.
QRect inkBox(const QImage& image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (isDark(image, x, y)) {
                box = box.united(QRect(x, y, 1, 1));
            }
        }
    }
    return box;
}

void clear(QtImageSurface& s)
{
    const DeviceSize size = s.deviceSize();
    s.fillRect(0, 0, size.widthPixels, size.heightPixels, white);
}

// Checks one line against the rule, independently of how it is drawn: one
// pixel per step of the major axis from the start up to the end point, each
// within half a pixel of the ideal line, the end pixel left out.
void expectLine(QtImageSurface& s, int ax, int ay, int bx, int by)
{
    clear(s);
    s.moveTo(ax, ay);
    s.lineTo(bx, by);
    const QImage& image = s.image();
    const int dx = bx - ax;
    const int dy = by - ay;
    const int n = std::max(std::abs(dx), std::abs(dy));
    const std::vector<Pixel> pixels = drawnPixels(image);
    SCOPED_TRACE(testing::Message() << "line (" << ax << ", " << ay << ") to (" << bx << ", " << by << ")");
    ASSERT_EQ(static_cast<int>(pixels.size()), n);
    if (n == 0) {
        return;
    }
    EXPECT_FALSE(isWhite(image, ax, ay));
    EXPECT_TRUE(isWhite(image, bx, by));
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    std::vector<int> perStep(static_cast<size_t>(n), 0);
    for (const Pixel& p : pixels) {
        const int major = xMajor ? p.x - ax : p.y - ay;
        const int majorDelta = xMajor ? dx : dy;
        const int step = majorDelta > 0 ? major : -major;
        ASSERT_GE(step, 0);
        ASSERT_LT(step, n);
        ++perStep[static_cast<size_t>(step)];
        const double ideal = xMajor ? ay + static_cast<double>(major) * dy / dx
                                    : ax + static_cast<double>(major) * dx / dy;
        const int minor = xMajor ? p.y : p.x;
        EXPECT_LE(std::abs(minor - ideal), 0.5 + 1e-9);
    }
    for (int count : perStep) {
        EXPECT_EQ(count, 1);
    }
}

TEST(QtImageSurfaceLines, RandomLinesCoverOnePixelPerStepAndLeaveOutTheEnd)
{
    QtImageSurface s(64, 64);
    s.selectPen({PenStyle::Solid, 1, black});
    std::mt19937 random(20240607);
    std::uniform_int_distribution<int> coordinate(2, 61);
    for (int k = 0; k < 2000 && !testing::Test::HasFailure(); ++k) {
        const int ax = coordinate(random);
        const int ay = coordinate(random);
        const int bx = coordinate(random);
        const int by = coordinate(random);
        expectLine(s, ax, ay, bx, by);
        expectLine(s, bx, by, ax, ay);
    }
}

TEST(QtImageSurfaceLines, EdgeCasesOfTheLineRule)
{
    QtImageSurface s(64, 64);
    s.selectPen({PenStyle::Solid, 1, black});
    expectLine(s, 10, 10, 10, 10);  // nothing
    expectLine(s, 10, 10, 11, 10);  // the start pixel only
    expectLine(s, 10, 10, 9, 9);
    expectLine(s, 5, 50, 50, 5);    // 45 degrees
    expectLine(s, 30, 2, 31, 60);   // steep with a half-pixel tie
}

TEST(QtImageSurfaceLines, FarAwayEndPointsDrawOnlyTheVisiblePart)
{
    QtImageSurface s(40, 30);
    s.selectPen({PenStyle::Solid, 1, black});
    s.moveTo(-2000000000, 7);
    s.lineTo(2000000000, 7);
    for (int x = 0; x < 40; ++x) {
        EXPECT_TRUE(isColor(s.image(), x, 7, black)) << x;
    }
    EXPECT_EQ(drawnPixels(s.image()).size(), 40u);
}

TEST(QtImageSurfaceLines, WidePlainPensDrawThickLines)
{
    QtImageSurface s(80, 40);
    s.selectPen({PenStyle::Solid, 5, black});
    s.moveTo(10, 20);
    s.lineTo(60, 20);
    int thickness = 0;
    for (int y = 0; y < 40; ++y) {
        thickness += isWhite(s.image(), 35, y) ? 0 : 1;
    }
    EXPECT_EQ(thickness, 5);
    EXPECT_FALSE(isWhite(s.image(), 35, 18));
    EXPECT_FALSE(isWhite(s.image(), 35, 22));
}

// The expected on/off state of pixel i of a dashed line.
bool patternOn(const std::vector<int>& pattern, int i)
{
    int period = 0;
    for (int length : pattern) {
        period += length;
    }
    i %= period;
    for (size_t k = 0; k < pattern.size(); ++k) {
        if (i < pattern[k]) {
            return k % 2 == 0;
        }
        i -= pattern[k];
    }
    return false;
}

TEST(QtImageSurfaceLines, DashesFollowTheClassicPatternsInEveryDirection)
{
    const std::pair<PenStyle, std::vector<int>> styles[] = {
        {PenStyle::Dash, {18, 6}}, {PenStyle::Dot, {3, 3}}, {PenStyle::DashDot, {9, 6, 3, 6}}};
    QtImageSurface s(130, 130);
    for (const auto& [style, pattern] : styles) {
        clear(s);
        s.selectPen({style, 1, black});
        s.moveTo(0, 5);  // to the right
        s.lineTo(120, 5);
        s.moveTo(120, 9);  // to the left
        s.lineTo(0, 9);
        s.moveTo(125, 0);  // downward
        s.lineTo(125, 120);
        s.moveTo(0, 20);  // two joined lines dash like one
        s.lineTo(50, 20);
        s.lineTo(120, 20);
        s.moveTo(0, 30);  // a move to where the last line ended keeps the dashes too
        s.lineTo(37, 30);
        s.moveTo(37, 30);
        s.lineTo(120, 30);
        const QImage& image = s.image();
        for (int i = 0; i < 120; ++i) {
            const bool on = patternOn(pattern, i);
            EXPECT_EQ(!isWhite(image, i, 5), on) << i;
            EXPECT_EQ(!isWhite(image, 120 - i, 9), on) << i;
            EXPECT_EQ(!isWhite(image, 125, i), on) << i;
            EXPECT_EQ(!isWhite(image, i, 20), on) << i;
            EXPECT_EQ(!isWhite(image, i, 30), on) << i;
        }
    }
}

TEST(QtImageSurfaceLines, AWideDashedPenEnlargesThePatternWithItsWidthAcrossJoins)
{
    // Three pixels wide: dashes of 54 and gaps of 18, running on from the
    // first line into the second (the pixels at the dash ends left aside).
    QtImageSurface s(220, 20);
    clear(s);
    s.selectPen({PenStyle::Dash, 3, black});
    s.moveTo(0, 10);
    s.lineTo(50, 10);
    s.lineTo(210, 10);
    for (int i = 0; i < 205; ++i) {
        const int phase = i % 72;
        if (phase >= 1 && phase <= 52) {
            EXPECT_FALSE(isWhite(s.image(), i, 10)) << i;
            EXPECT_FALSE(isWhite(s.image(), i, 9)) << i;
        } else if (phase >= 55 && phase <= 70) {
            EXPECT_TRUE(isWhite(s.image(), i, 10)) << i;
        }
    }
    EXPECT_TRUE(isWhite(s.image(), 20, 13));
}

TEST(QtImageSurfaceShapes, RectanglesCoverTheirBoxWithoutRightAndBottomEdge)
{
    QtImageSurface s(60, 50);
    s.selectPen({PenStyle::Solid, 1, black});
    s.selectBrush({false, yellow});
    for (int w = 1; w <= 40 && !testing::Test::HasFailure(); ++w) {
        for (int h = 1; h <= 30 && !testing::Test::HasFailure(); ++h) {
            clear(s);
            s.rectangle(5, 6, 5 + w, 6 + h);
            for (int y = 0; y < 50; ++y) {
                for (int x = 0; x < 60; ++x) {
                    const bool inside = x >= 5 && x < 5 + w && y >= 6 && y < 6 + h;
                    const bool edge = x == 5 || x == 4 + w || y == 6 || y == 5 + h;
                    const Color expected = !inside ? white : edge ? black : yellow;
                    ASSERT_TRUE(isColor(s.image(), x, y, expected))
                        << w << " x " << h << " at " << x << ", " << y;
                }
            }
        }
    }
}

TEST(QtImageSurfaceShapes, RectangleVariants)
{
    QtImageSurface s(40, 40);
    s.selectPen({PenStyle::Solid, 1, black});
    s.selectBrush({true, 0});
    s.rectangle(20, 20, 10, 10);  // corners in any order
    EXPECT_TRUE(isColor(s.image(), 10, 10, black));
    EXPECT_TRUE(isColor(s.image(), 19, 19, black));
    EXPECT_TRUE(isWhite(s.image(), 15, 15));  // hollow
    EXPECT_TRUE(isWhite(s.image(), 20, 20));

    clear(s);
    s.selectPen({PenStyle::None, 1, black});
    s.selectBrush({false, yellow});
    s.rectangle(10, 10, 20, 20);  // no outline: one pixel smaller
    EXPECT_TRUE(isColor(s.image(), 10, 10, yellow));
    EXPECT_TRUE(isColor(s.image(), 18, 18, yellow));
    EXPECT_TRUE(isWhite(s.image(), 19, 18));
    EXPECT_TRUE(isWhite(s.image(), 18, 19));

    clear(s);
    s.selectPen({PenStyle::Solid, 3, black});
    s.rectangle(10, 10, 20, 20);  // a wide outline centred on the edge pixels
    EXPECT_TRUE(isColor(s.image(), 9, 9, black));
    EXPECT_TRUE(isColor(s.image(), 20, 20, black));
    EXPECT_TRUE(isWhite(s.image(), 8, 8));
    EXPECT_TRUE(isWhite(s.image(), 21, 21));
    EXPECT_TRUE(isColor(s.image(), 12, 12, yellow));
    EXPECT_TRUE(isColor(s.image(), 11, 11, black));
}

// Checks what an ellipse must be whatever the rasteriser: inside its box and
// touching all four sides, symmetric, one run per row, an outline of
// boundary pixels around a filled inside, and about the area of the ideal
// ellipse.
void expectEllipse(const QImage& image, int left, int top, int w, int h)
{
    SCOPED_TRACE(testing::Message() << "ellipse " << w << " x " << h);
    auto drawn = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < image.width() && y < image.height() && !isWhite(image, x, y);
    };
    int area = 0;
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        int runs = 0;
        bool previous = false;
        for (int x = 0; x < image.width(); ++x) {
            const bool here = drawn(x, y);
            if (here) {
                ++area;
                box = box.united(QRect(x, y, 1, 1));
                const bool mirrored = drawn(2 * left + w - 1 - x, y) && drawn(x, 2 * top + h - 1 - y);
                ASSERT_TRUE(mirrored) << x << ", " << y;
                const bool boundary = !drawn(x - 1, y) || !drawn(x + 1, y) || !drawn(x, y - 1) ||
                                      !drawn(x, y + 1);
                ASSERT_EQ(isColor(image, x, y, black), boundary) << x << ", " << y;
                if (!boundary) {
                    ASSERT_TRUE(isColor(image, x, y, yellow)) << x << ", " << y;
                }
            }
            runs += here && !previous ? 1 : 0;
            previous = here;
        }
        ASSERT_LE(runs, 1) << "row " << y;
    }
    ASSERT_EQ(box, QRect(left, top, w, h));
    const double ideal = M_PI * w * h / 4.0;
    EXPECT_LE(std::abs(area - ideal), w + h) << "area " << area;
}

TEST(QtImageSurfaceShapes, EllipsesOfAllSizesFillExactlyTheirBox)
{
    QtImageSurface s(60, 50);
    s.selectPen({PenStyle::Solid, 1, black});
    s.selectBrush({false, yellow});
    for (int w = 1; w <= 40 && !testing::Test::HasFailure(); ++w) {
        for (int h = 1; h <= 30 && !testing::Test::HasFailure(); ++h) {
            clear(s);
            s.ellipse(5, 6, 5 + w, 6 + h);
            expectEllipse(s.image(), 5, 6, w, h);
        }
    }
}

TEST(QtImageSurfaceShapes, EllipseWithoutOutlineOrFill)
{
    QtImageSurface s(40, 40);
    s.selectPen({PenStyle::Solid, 1, black});
    s.selectBrush({true, 0});
    s.ellipse(10, 10, 30, 30);
    EXPECT_TRUE(isWhite(s.image(), 20, 20));
    EXPECT_TRUE(isColor(s.image(), 10, 20, black));

    clear(s);
    s.selectPen({PenStyle::None, 1, black});
    s.selectBrush({false, yellow});
    s.ellipse(10, 10, 30, 30);  // one pixel smaller without an outline
    EXPECT_TRUE(isColor(s.image(), 10, 19, yellow));
    EXPECT_TRUE(isColor(s.image(), 28, 19, yellow));
    EXPECT_TRUE(isWhite(s.image(), 29, 19));
}

TEST(QtImageSurfaceClip, AdmitsTheLeftAndTopEdgeButNotTheRightAndBottom)
{
    QtImageSurface s(40, 40);
    s.setClipRect(10, 10, 20, 20);
    s.fillRect(0, 0, 40, 40, black);
    s.selectPen({PenStyle::Solid, 1, black});
    s.moveTo(0, 15);
    s.lineTo(40, 15);
    s.selectBrush({false, black});
    s.ellipse(0, 0, 40, 40);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool inside = x >= 10 && x < 20 && y >= 10 && y < 20;
            ASSERT_EQ(isColor(s.image(), x, y, black), inside) << x << ", " << y;
        }
    }
    s.removeClip();
    s.setPixel(0, 0, black);
    EXPECT_TRUE(isColor(s.image(), 0, 0, black));
}

// A background with colours, text and structure to invert.
void paintBackground(QtImageSurface& s)
{
    for (int k = 0; k < 12; ++k) {
        s.fillRect(k * 10, 0, k * 10 + 10, 100, rgb(k * 20, 255 - k * 20, (k * 77) % 256));
    }
    s.selectFont({17, false});
    s.setTextBackgroundOpaque(false);
    s.textOut(5, 40, "Invert 1.25");
}

TEST(QtImageSurfaceInvert, DrawingEverythingTwiceRestoresEveryByte)
{
    QtImageSurface s(120, 100);
    paintBackground(s);
    const QImage before = s.image().copy();
    std::mt19937 random(7);
    std::uniform_int_distribution<int> coordinate(-10, 130);
    auto drawBands = [&] {
        random.seed(7);
        s.setInvertMode(true);
        s.selectPen({PenStyle::Solid, 1, black});
        for (int k = 0; k < 40; ++k) {
            s.moveTo(coordinate(random), coordinate(random));
            s.lineTo(coordinate(random), coordinate(random));
            s.lineTo(coordinate(random), coordinate(random));
        }
        s.selectBrush({true, 0});
        s.rectangle(10, 10, 90, 70);
        s.ellipse(20, 15, 70, 80);
        s.selectBrush({false, black});
        s.rectangle(30, 30, 50, 45);
        s.ellipse(60, 20, 97, 41);
        // a zoom band drawn as four lines
        s.moveTo(15, 85);
        s.lineTo(100, 85);
        s.lineTo(100, 12);
        s.lineTo(15, 12);
        s.lineTo(15, 85);
        s.selectPen({PenStyle::Dot, 1, black});
        s.beginPath();
        s.moveTo(5, 5);
        s.lineTo(60, 90);
        s.lineTo(110, 5);
        s.closeFigure();
        s.endPath();
        s.strokePath();
        s.setInvertMode(false);
    };
    drawBands();
    EXPECT_NE(s.image(), before);
    drawBands();
    EXPECT_EQ(s.image(), before);
}

// In invert mode every pixel of a shape is inverted exactly once: the pixels
// that change are the ones the shape covers when drawn plainly.
TEST(QtImageSurfaceInvert, EachPixelOfAShapeIsInvertedOnce)
{
    QtImageSurface plain(80, 60);
    QtImageSurface inverted(80, 60);
    std::vector<std::function<void(Surface&)>> shapes = {
        [](Surface& s) { s.selectBrush({true, 0}); s.rectangle(10, 10, 70, 50); },
        [](Surface& s) { s.selectBrush({false, black}); s.rectangle(10, 10, 11, 50); },
        [](Surface& s) { s.selectBrush({false, black}); s.ellipse(3, 4, 77, 55); },
        [](Surface& s) { s.selectBrush({true, 0}); s.ellipse(10, 10, 13, 40); },
        [](Surface& s) {
            s.moveTo(10, 10);
            s.lineTo(60, 10);
            s.lineTo(60, 40);
            s.lineTo(10, 40);
            s.lineTo(10, 10);
        },
        [](Surface& s) {
            s.beginPath();
            s.moveTo(10, 50);
            s.lineTo(40, 5);
            s.lineTo(70, 50);
            s.closeFigure();
            s.endPath();
            s.strokePath();
        },
        [](Surface& s) {  // a marker's star: lines through one centre, square ends
            s.selectPen({PenStyle::Solid, 1, black, true});
            s.beginPath();
            s.moveTo(30, 30);
            s.lineTo(50, 30);
            s.moveTo(40, 20);
            s.lineTo(40, 40);
            s.moveTo(33, 23);
            s.lineTo(47, 37);
            s.moveTo(33, 37);
            s.lineTo(47, 23);
            s.endPath();
            s.strokePath();
        },
    };
    for (size_t k = 0; k < shapes.size(); ++k) {
        clear(plain);
        clear(inverted);
        plain.selectPen({PenStyle::Solid, 1, black});
        inverted.selectPen({PenStyle::Solid, 1, black});
        shapes[k](plain);
        inverted.setInvertMode(true);
        shapes[k](inverted);
        inverted.setInvertMode(false);
        EXPECT_EQ(inverted.image(), plain.image()) << "shape " << k;
    }
}

TEST(QtImageSurfaceInvert, FillsPixelsAndTextPaintPlainly)
{
    QtImageSurface s(60, 40);
    s.fillRect(0, 0, 60, 40, yellow);
    s.setInvertMode(true);
    s.fillRect(10, 10, 20, 20, black);
    s.setPixel(30, 30, black);
    s.setTextBackgroundOpaque(true);
    s.setTextBackground(white);
    s.setTextAlign(TextHAlign::Left, TextVAlign::Top);
    s.textOut(35, 5, "i");
    EXPECT_TRUE(isColor(s.image(), 10, 10, black));
    EXPECT_TRUE(isColor(s.image(), 19, 19, black));
    EXPECT_TRUE(isColor(s.image(), 30, 30, black));
    EXPECT_TRUE(isColor(s.image(), 35, 5, white));
    EXPECT_TRUE(isColor(s.image(), 20, 20, yellow));
}

TEST(QtImageSurfacePaths, GeometricPensStrokeMarkersWithSquareEnds)
{
    QtImageSurface s(40, 40);
    auto square = [&](int width) {
        clear(s);
        s.selectPen({PenStyle::Solid, width, black, true});
        s.beginPath();
        s.moveTo(17, 17);
        s.lineTo(17, 23);
        s.lineTo(23, 23);
        s.lineTo(23, 17);
        s.closeFigure();
        s.endPath();
        s.strokePath();
    };
    square(1);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const bool ring = std::max(std::abs(x - 20), std::abs(y - 20)) == 3;
            ASSERT_EQ(!isWhite(s.image(), x, y), ring) << x << ", " << y;
        }
    }
    square(3);
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            const int d = std::max(std::abs(x - 20), std::abs(y - 20));
            ASSERT_EQ(!isWhite(s.image(), x, y), d >= 2 && d <= 4) << x << ", " << y;
        }
    }

    clear(s);
    s.selectPen({PenStyle::Solid, 1, black, true});
    s.beginPath();
    s.moveTo(15, 20);
    s.lineTo(25, 20);
    s.endPath();
    s.strokePath();
    EXPECT_FALSE(isWhite(s.image(), 15, 20));
    EXPECT_FALSE(isWhite(s.image(), 25, 20));  // square caps keep both ends
    EXPECT_EQ(drawnPixels(s.image()).size(), 11u);

    clear(s);
    s.beginPath();
    s.moveTo(15, 20);
    s.lineTo(25, 20);
    s.endPath();
    s.beginPath();  // a new path drops the old one
    s.endPath();
    s.strokePath();
    EXPECT_TRUE(drawnPixels(s.image()).empty());
}

TEST(QtImageSurfaceText, AlignmentFollowsTheMeasuredMetrics)
{
    QtImageSurface s(300, 120);
    s.selectFont({17, false});
    s.setTextBackgroundOpaque(false);
    const FontMetrics m = s.fontMetrics();
    const TextSize extent = s.textExtent("HHH");
    ASSERT_EQ(extent.height, m.height);

    s.setTextAlign(TextHAlign::Left, TextVAlign::Top);
    s.textOut(100, 30, "HHH");
    QRect ink = inkBox(s.image());
    EXPECT_EQ(ink.bottom(), 30 + m.ascent - 1);  // H stands on the baseline
    EXPECT_GE(ink.top(), 30);
    EXPECT_GE(ink.left(), 100);
    EXPECT_LE(ink.left(), 102);

    clear(s);
    s.setTextAlign(TextHAlign::Right, TextVAlign::Baseline);
    s.textOut(100, 60, "HHH");
    ink = inkBox(s.image());
    EXPECT_EQ(ink.bottom(), 59);
    EXPECT_LE(ink.right(), 99);
    EXPECT_GE(ink.right(), 97);

    clear(s);
    s.setTextAlign(TextHAlign::Center, TextVAlign::Bottom);
    s.textOut(100, 60, "HHH");
    ink = inkBox(s.image());
    EXPECT_EQ(ink.bottom(), 60 - m.descent - 1);
    EXPECT_NEAR((ink.left() + ink.right() + 1) / 2.0, 100.0, 1.5);
}

TEST(QtImageSurfaceText, OpaqueTextFillsItsCellFirst)
{
    QtImageSurface s(200, 80);
    s.selectFont({17, false});
    s.setTextBackgroundOpaque(true);
    s.setTextBackground(yellow);
    s.setTextAlign(TextHAlign::Left, TextVAlign::Top);
    s.textOut(50, 20, "H-H");
    const TextSize cell = s.textExtent("H-H");
    EXPECT_TRUE(isColor(s.image(), 50, 20, yellow));
    EXPECT_TRUE(isColor(s.image(), 50 + cell.width - 1, 20 + cell.height - 1, yellow));
    EXPECT_TRUE(isWhite(s.image(), 49, 20));
    EXPECT_TRUE(isWhite(s.image(), 50, 19));
    EXPECT_TRUE(isWhite(s.image(), 50 + cell.width, 20));
    EXPECT_TRUE(isWhite(s.image(), 50, 20 + cell.height));

    clear(s);
    s.setTextBackgroundOpaque(false);
    s.textOut(50, 20, "H-H");
    EXPECT_TRUE(isWhite(s.image(), 50, 20));
}

TEST(QtImageSurfaceText, VerticalFontReadsUpwardAndEndsLeftOfItsPoint)
{
    QtImageSurface horizontal(200, 200);
    QtImageSurface vertical(200, 200);
    for (QtImageSurface* s : {&horizontal, &vertical}) {
        s->setTextBackgroundOpaque(false);
        s->setTextAlign(TextHAlign::Left, TextVAlign::Bottom);
    }
    horizontal.selectFont({17, false});
    horizontal.textOut(20, 60, "Voltage");
    vertical.selectFont({17, true});
    vertical.textOut(100, 150, "Voltage");
    const QRect h = inkBox(horizontal.image());
    const QRect v = inkBox(vertical.image());
    const TextSize extent = vertical.textExtent("Voltage");
    const FontMetrics m = vertical.fontMetrics();

    EXPECT_NEAR(v.width(), h.height(), 1);
    EXPECT_NEAR(v.height(), h.width(), 1);
    EXPECT_LE(v.right(), 99);  // the cell's bottom edge lies on the point
    EXPECT_GE(v.left(), 100 - m.height);
    EXPECT_LE(v.bottom(), 150);
    EXPECT_GE(v.top(), 150 - extent.width);

    // The first letter is at the bottom: the text reads upward.
    QtImageSurface first(200, 200);
    first.setTextBackgroundOpaque(false);
    first.setTextAlign(TextHAlign::Left, TextVAlign::Bottom);
    first.selectFont({17, true});
    first.textOut(100, 150, "V");
    EXPECT_NEAR(inkBox(first.image()).bottom(), v.bottom(), 1);
}

TEST(QtImageSurface, DeviceSizeAndResize)
{
    QtImageSurface s(640, 520);
    DeviceSize size = s.deviceSize();
    EXPECT_EQ(size.widthPixels, 640);
    EXPECT_EQ(size.heightPixels, 520);
    EXPECT_NEAR(size.widthMm, 640 * 25.4 / 96, 1e-9);
    EXPECT_EQ(s.image().format(), QImage::Format_RGB32);

    s.selectPen({PenStyle::Solid, 1, black});
    s.setClipRect(0, 0, 1, 1);
    s.resize(100, 50);
    size = s.deviceSize();
    EXPECT_EQ(size.widthPixels, 100);
    EXPECT_EQ(size.heightPixels, 50);
    EXPECT_TRUE(isWhite(s.image(), 0, 0));
    s.moveTo(0, 10);  // the pen stays, the clip is gone
    s.lineTo(100, 10);
    EXPECT_TRUE(isColor(s.image(), 99, 10, black));
}

}  // namespace
}  // namespace kvx

namespace kvx {
namespace {

// The window shows anew only the area drawn since it last showed, so that
// area must hold every pixel a drawing changed, and no more than its box
// needs.
TEST(QtImageSurfaceDrawnArea, HoldsEveryChangedPixelAndLittleElse)
{
    QtImageSurface surface(200, 120);
    surface.fillRect(0, 0, 200, 120, black);
    EXPECT_EQ(surface.takeDrawnArea(), QRect(0, 0, 200, 120));
    EXPECT_TRUE(surface.takeDrawnArea().isEmpty());

    const std::vector<std::function<void()>> drawings{
        [&] {
            surface.selectPen(Pen{PenStyle::Solid, 1, yellow});
            surface.moveTo(30, 40);
            surface.lineTo(50, 45);
        },
        [&] {
            surface.selectPen(Pen{PenStyle::Solid, 5, yellow});
            surface.moveTo(120, 90);
            surface.lineTo(100, 70);
        },
        [&] {
            surface.selectPen(Pen{PenStyle::Solid, 1, yellow, true});
            surface.selectBrush(Brush{true, white});
            surface.ellipse(60, 60, 71, 71);
        },
        [&] {
            surface.selectPen(Pen{PenStyle::Solid, 3, yellow, true});
            surface.beginPath();
            surface.moveTo(150, 20);
            surface.lineTo(160, 35);
            surface.lineTo(140, 35);
            surface.closeFigure();
            surface.endPath();
            surface.strokePath();
        },
    };
    for (std::size_t k = 0; k < drawings.size(); ++k) {
        const QImage before = surface.image().copy();
        drawings[k]();
        const QRect area = surface.takeDrawnArea();
        QRect changed;
        for (int y = 0; y < before.height(); ++y) {
            for (int x = 0; x < before.width(); ++x) {
                if (before.pixel(x, y) != surface.image().pixel(x, y)) {
                    changed |= QRect(x, y, 1, 1);
                }
            }
        }
        ASSERT_FALSE(changed.isEmpty()) << "drawing " << k;
        EXPECT_TRUE(area.contains(changed)) << "drawing " << k;
        EXPECT_LE(area.width() * area.height(), 4 * (changed.width() + 4) * (changed.height() + 4))
            << "drawing " << k;
    }
}

}  // namespace
}  // namespace kvx
