#pragma once
// The drawing surface every picture of a plot is drawn on: window image,
// PDF page, printer, SVG or EMF file. Coordinates are integer device pixels
// with y growing downward. Lines exclude their end pixel; rectangles and
// ellipses exclude their right and bottom edge. Pens, brushes and fonts are
// selected by value; the surface keeps what it needs to draw them.

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

namespace kvx {

class PixelStamp;

// A colour packed as red in the low byte, then green, then blue.
using Color = uint32_t;

constexpr Color rgb(unsigned r, unsigned g, unsigned b)
{
    return (r & 0xFFu) | ((g & 0xFFu) << 8) | ((b & 0xFFu) << 16);
}
constexpr unsigned redOf(Color c) { return c & 0xFFu; }
constexpr unsigned greenOf(Color c) { return (c >> 8) & 0xFFu; }
constexpr unsigned blueOf(Color c) { return (c >> 16) & 0xFFu; }

enum class PenStyle { Solid, Dash, Dot, DashDot, None };

struct Pen {
    PenStyle style = PenStyle::Solid;
    int width = 1;
    Color color = 0;
    // A geometric pen with square end caps and mitred joins (markers);
    // otherwise a plain pen whose lines end exactly before their end pixel.
    bool geometric = false;
    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    bool hollow = false;  // draws nothing
    Color color = 0;
    friend bool operator==(const Brush&, const Brush&) = default;
};

// Face "Arial", weight 550, in pixel heights.
struct Font {
    int height = 17;
    bool vertical = false;  // rotated 90 degrees counter-clockwise, reading upward
    friend bool operator==(const Font&, const Font&) = default;
};

struct FontMetrics {
    int height = 0;  // ascent + descent
    int ascent = 0;
    int descent = 0;
    int internalLeading = 0;
    int externalLeading = 0;
};

struct TextSize {
    int width = 0;
    int height = 0;
};

enum class TextHAlign { Left, Center, Right };
enum class TextVAlign { Top, Bottom, Baseline };

// The device's size in pixels and in millimetres.
// Screens, pictures and PDF pages are drawn at 96 pixels per inch.
inline constexpr double pixelsPerMm = 96.0 / 25.4;

struct DeviceSize {
    int widthPixels = 0;
    int heightPixels = 0;
    double widthMm = 0.0;
    double heightMm = 0.0;
};

class Surface {
public:
    virtual ~Surface() = default;

    virtual void selectPen(const Pen& pen) = 0;
    virtual void selectBrush(const Brush& brush) = 0;
    virtual void selectFont(const Font& font) = 0;

    virtual void moveTo(int x, int y) = 0;
    // From the current position to (x, y), the end pixel excluded; (x, y)
    // becomes the current position.
    virtual void lineTo(int x, int y) = 0;
    // Outline with the pen, inside with the brush.
    virtual void rectangle(int left, int top, int right, int bottom) = 0;
    virtual void ellipse(int left, int top, int right, int bottom) = 0;
    // Fills without outline.
    virtual void fillRect(int left, int top, int right, int bottom, Color color) = 0;
    virtual void setPixel(int x, int y, Color color) = 0;
    // A line along x (ay == by) or y (ax == bx) as dashes of `dash` pixels
    // with gaps of `gap` between, from its lower end on; a dash that would
    // reach the far end is left out. Here each dash is a line of its own;
    // files may write the whole as one dashed stroke.
    virtual void dashedLine(int ax, int ay, int bx, int by, int dash, int gap)
    {
        if (dash <= 0) {
            return;
        }
        const bool vertical = ax == bx;
        const int lo = vertical ? std::min(ay, by) : std::min(ax, bx);
        const int hi = vertical ? std::max(ay, by) : std::max(ax, bx);
        for (int c = lo; c < hi - dash; c += dash + gap) {
            moveTo(vertical ? ax : c, vertical ? c : ay);
            lineTo(vertical ? ax : c + dash, vertical ? c + dash : ay);
        }
    }

    // Lines between beginPath and endPath are recorded, not drawn;
    // strokePath draws the recorded outline with the pen.
    virtual void beginPath() = 0;
    virtual void closeFigure() = 0;
    virtual void endPath() = 0;
    virtual void strokePath() = 0;

    // Invert mode inverts the pixels drawn instead of painting them, so that
    // drawing the same thing twice restores the picture. It applies to lines,
    // rectangles, ellipses and paths; fillRect, setPixel and text paint
    // plainly. Files cannot invert: there such drawing is left out.
    virtual void setInvertMode(bool invert) = 0;
    virtual void setClipRect(int left, int top, int right, int bottom) = 0;
    virtual void removeClip() = 0;

    virtual void setTextAlign(TextHAlign horizontal, TextVAlign vertical) = 0;
    virtual void setTextColor(Color color) = 0;
    virtual void setTextBackground(Color color) = 0;
    // Opaque text fills its cell with the text background first.
    virtual void setTextBackgroundOpaque(bool opaque) = 0;
    virtual void textOut(int x, int y, std::string_view text) = 0;
    virtual TextSize textExtent(std::string_view text) = 0;
    virtual FontMetrics fontMetrics() = 0;

    virtual DeviceSize deviceSize() = 0;

    // What is drawn between these belongs to one graph, named by its label;
    // files that can group their shapes keep it together.
    virtual void beginGroup(std::string_view /*name*/) {}
    virtual void endGroup() {}
    // A shape drawn many times down one pixel column: stampShape keeps the
    // pixels `shape` draws at (0, 0) with the selected pen and brush, and
    // sweepStamp draws the union of that shape placed at (x, y) for every y
    // from `top` to `bottom`. A surface that cannot keep a shape's pixels,
    // or a shape of more than one colour, returns null: then the caller
    // draws each shape itself.
    virtual const PixelStamp* stampShape(const std::function<void(Surface&, int x, int y)>& /*shape*/)
    {
        return nullptr;
    }
    virtual void sweepStamp(int /*x*/, int /*top*/, int /*bottom*/) {}
    // Lines, paths and ellipses drawn while on are smoothed (anti-aliased)
    // where the output has pixels of its own; off, they follow the exact
    // pixel rules.
    virtual void setSmoothing(bool /*on*/) {}
};

// Smoothing on (or not) while it lives, off again afterwards.
class SmoothedDrawing {
public:
    SmoothedDrawing(Surface& surface, bool on) : surface_(surface) { surface_.setSmoothing(on); }
    ~SmoothedDrawing() { surface_.setSmoothing(false); }
    SmoothedDrawing(const SmoothedDrawing&) = delete;
    SmoothedDrawing& operator=(const SmoothedDrawing&) = delete;

private:
    Surface& surface_;
};

// Measures text in a font for the surfaces that cannot measure themselves
// (the vector file writers), so that every output lays out text alike.
class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual TextSize textExtent(const Font& font, std::string_view text) = 0;
    virtual FontMetrics fontMetrics(const Font& font) = 0;
    // The advance of each character of `text` (UTF-8, one entry per code
    // point, each invalid byte counting as one U+FFFD as in utf8_text.h),
    // for writers that place every glyph themselves.
    virtual std::vector<int> characterAdvances(const Font& font, std::string_view text) = 0;
};

}  // namespace kvx
