#pragma once
// The common part of the vector outputs (PDF and printer pages, SVG files).
// It turns the pixel rules of the surface into shapes with fractional
// coordinates that a renderer fills on the same pixels as the window image:
// one-pixel lines run through pixel centres and stop half a pixel past the
// last pixel they cover, rectangle and ellipse outlines run through the
// centres of their outermost pixels. A derived class only draws the shapes.
//
// Invert mode cannot be expressed in a file: lines, rectangles, ellipses and
// paths drawn while it is on are left out (rubber bands belong to the window
// image only). fillRect, setPixel and text paint plainly in either mode.

#include <optional>
#include <string_view>
#include <vector>

#include "platform/path_recorder.h"
#include "platform/pixel_geometry.h"
#include "platform/surface.h"
#include "platform/text_placement.h"

namespace kvx {

struct VectorPoint {
    double x = 0.0;
    double y = 0.0;
    friend bool operator==(const VectorPoint&, const VectorPoint&) = default;
};

struct VectorFigure {
    std::vector<VectorPoint> points;
    bool closed = false;
};

enum class LineCap { Flat, Square, Round };
enum class LineJoin { Miter, Round };

struct StrokeStyle {
    Color color = 0;
    double width = 1.0;
    std::vector<double> dashes;  // dash and gap lengths in pixels; empty: solid
    double dashOffset = 0.0;     // how far into the pattern the stroke starts
    LineCap cap = LineCap::Flat;
    LineJoin join = LineJoin::Miter;
};

class VectorSurface : public Surface {
public:
    explicit VectorSurface(TextMeasurer& measurer) : measurer_(measurer) {}

    void selectPen(const Pen& pen) final;
    void selectBrush(const Brush& brush) final;
    void selectFont(const Font& font) final;
    void moveTo(int x, int y) final;
    void lineTo(int x, int y) final;
    void rectangle(int left, int top, int right, int bottom) final;
    void ellipse(int left, int top, int right, int bottom) final;
    void fillRect(int left, int top, int right, int bottom, Color color) final;
    void setPixel(int x, int y, Color color) final;
    // One stroke with the dash pattern, on the pixels of the dashes drawn one by one.
    void dashedLine(int ax, int ay, int bx, int by, int dash, int gap) override;
    void beginPath() final;
    void closeFigure() final;
    void endPath() final;
    void strokePath() final;
    void setInvertMode(bool invert) final;
    void setClipRect(int left, int top, int right, int bottom) final;
    void removeClip() final;
    void setTextAlign(TextHAlign horizontal, TextVAlign vertical) final;
    void setTextColor(Color color) final;
    void setTextBackground(Color color) final;
    void setTextBackgroundOpaque(bool opaque) final;
    void textOut(int x, int y, std::string_view text) final;
    TextSize textExtent(std::string_view text) final;
    FontMetrics fontMetrics() final;

protected:
    // Draws the polyline still held back for joining with further lines.
    // Derived classes call it before they end their output.
    void flush();

    // Strokes the figures as one outline.
    virtual void strokeFigures(const std::vector<VectorFigure>& figures,
                               const StrokeStyle& stroke) = 0;
    // The outline (if any) is centred on the edges; the fill covers the inside.
    virtual void drawRectangle(double x, double y, double width, double height,
                               const StrokeStyle* stroke, std::optional<Color> fill) = 0;
    virtual void drawEllipse(double cx, double cy, double rx, double ry,
                             const StrokeStyle* stroke, std::optional<Color> fill) = 0;
    // Exactly the pixels of the box.
    virtual void fillBox(int x, int y, int width, int height, Color color) = 0;
    // A background fills the text cell before the text is drawn.
    virtual void drawText(const PlacedText& placed, const Font& font, Color color,
                          std::optional<Color> background, std::string_view text) = 0;
    virtual void clipTo(int left, int top, int right, int bottom) = 0;
    virtual void unclip() = 0;

    TextMeasurer& measurer() { return measurer_; }

private:
    StrokeStyle strokeFor(const Pen& pen) const;
    bool thinPlain(const Pen& pen) const;
    void strokeOutline(const std::vector<PathFigure>& figures);
    void fillOutlineBox(PixelBox box);
    // What a rectangle or ellipse covers: its ordered box, its size and the
    // brush's fill (none when hollow).
    struct Shape {
        int left, top, right, bottom;
        int width, height;
        std::optional<Color> fill;
    };
    // The shape after pending lines are drawn; nothing for an empty box or
    // in invert mode.
    std::optional<Shape> shapeOf(int left, int top, int right, int bottom);

    TextMeasurer& measurer_;
    Pen pen_;
    Brush brush_;
    Font font_;
    PixelPoint position_;
    PathRecorder path_;
    bool invert_ = false;
    TextHAlign hAlign_ = TextHAlign::Left;
    TextVAlign vAlign_ = TextVAlign::Top;
    Color textColor_ = 0;
    Color textBackground_ = rgb(255, 255, 255);
    bool opaqueText_ = true;

    // Lines drawn one after another with the same pen become one polyline,
    // so that dashes run on across the joins. When a polyline was drawn and
    // the next line starts where it ended, the new one continues its dashes.
    std::vector<PixelPoint> pending_;
    Pen pendingPen_;
    double pendingOffset_ = 0.0;
    std::optional<PixelPoint> lastEnd_;
    Pen lastPen_;
    double lastLength_ = 0.0;
};

}  // namespace kvx
