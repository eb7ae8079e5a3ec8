#pragma once
// The raster surface: draws into a QImage (RGB32) with the system's exact
// pixel rules. It is the window's backing image (the window copies image()
// to the screen) and the canvas of PNG files.
//
// One-pixel lines cover max(|dx|, |dy|) pixels, the end pixel excluded, and
// their dashes run on across lines that continue one another. Rectangles
// and ellipses cover their box without its right and bottom edge, outline
// and inside never overlap, so invert mode touches each pixel once and a
// band drawn twice vanishes. Ellipse outlines are always solid. Invert mode
// applies to lines, rectangles, ellipses and paths; fillRect, setPixel and
// text paint plainly in either mode.

#include <optional>

#include <QColor>
#include <QImage>
#include <QPainter>

#include "platform/path_recorder.h"
#include "platform/pixel_geometry.h"
#include "platform/qt/qt_text_measurer.h"
#include "platform/pixel_stamp.h"
#include "platform/surface.h"

namespace kvx {

class QtImageSurface final : public Surface {
public:
    // A white image of the size (at least 1 by 1).
    QtImageSurface(int width, int height);
    ~QtImageSurface() override;
    QtImageSurface(const QtImageSurface&) = delete;
    QtImageSurface& operator=(const QtImageSurface&) = delete;

    // Starts over on a white image of the new size. Pen, brush, font and the
    // text settings stay; clipping and invert mode end.
    void resize(int width, int height);

    // The picture so far. Draw it or save it; a copy kept while the surface
    // goes on drawing would share its pixels.
    const QImage& image() const { return image_; }
    // The part of the image drawn on since the last call (or since it was
    // made), within the image; the window shows only that part anew.
    QRect takeDrawnArea();
    // The pixels per inch the image records (96 unless told).
    void setResolution(double dpi);

    void selectPen(const Pen& pen) override { pen_ = pen; }
    void selectBrush(const Brush& brush) override { brush_ = brush; }
    void selectFont(const Font& font) override { font_ = font; }
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void rectangle(int left, int top, int right, int bottom) override;
    void ellipse(int left, int top, int right, int bottom) override;
    void fillRect(int left, int top, int right, int bottom, Color color) override;
    void setPixel(int x, int y, Color color) override;
    void beginPath() override { path_.begin(); }
    void closeFigure() override;
    void endPath() override { path_.end(); }
    void strokePath() override;
    void setInvertMode(bool invert) override { invert_ = invert; }
    void setSmoothing(bool on) override { smoothing_ = on; }
    void setClipRect(int left, int top, int right, int bottom) override;
    void removeClip() override;
    void setTextAlign(TextHAlign horizontal, TextVAlign vertical) override;
    void setTextColor(Color color) override { textColor_ = color; }
    void setTextBackground(Color color) override { textBackground_ = color; }
    void setTextBackgroundOpaque(bool opaque) override { opaqueText_ = opaque; }
    void textOut(int x, int y, std::string_view text) override;
    TextSize textExtent(std::string_view text) override;
    FontMetrics fontMetrics() override;
    DeviceSize deviceSize() override;
    const PixelStamp* stampShape(const std::function<void(Surface&, int x, int y)>& shape) override;
    void sweepStamp(int x, int top, int bottom) override;

private:
    void start(int width, int height);
    void drawnOn(const QRect& area) { drawn_ |= area; }
    // Fills a box of pixels; `inverting` boxes invert instead while invert
    // mode is on.
    void fill(int x, int y, int width, int height, Color color, bool inverting);
    void useInvert(bool on);
    // The area drawing can reach: the image, within the clip.
    PixelBox reach() const;
    bool thinPlain() const;
    void thinLine(PixelPoint from, PixelPoint to, DashCursor& dash);
    QPen widePen() const;
    // Smoothing leaves inverted drawing (rubber bands) exact.
    bool smooth() const { return smoothing_ && !invert_; }
    void smoothEllipse(int left, int top, int right, int bottom);
    // The outline of a one-pixel geometric pen (the markers' pen): the
    // square caps keep the end pixels that plain lines leave out.
    void strokeSquareCapped(const std::vector<PathFigure>& figures);

    QImage image_;
    QPainter painter_;
    QRect drawn_;
    QtTextMeasurer measurer_;
    Pen pen_;
    Brush brush_;
    Font font_;
    PixelPoint position_;
    PathRecorder path_;
    bool invert_ = false;
    bool painterInverts_ = false;
    std::optional<PixelBox> clip_;
    TextHAlign hAlign_ = TextHAlign::Left;
    TextVAlign vAlign_ = TextVAlign::Top;
    Color textColor_ = 0;
    Color textBackground_ = rgb(255, 255, 255);
    bool opaqueText_ = true;

    // The dashes of a line continue those of the line before when it starts
    // where that one ended and the pen is the same.
    DashCursor dash_;
    bool smoothing_ = false;
    Color fillColor_ = 0;
    QColor fillQColor_;  // of fillColor_, invalid until the first fill
    std::optional<PixelPoint> dashEnd_;
    Pen dashPen_;
    double wideDashOffset_ = 0.0;  // pixels of a wide dashed pen's pattern used up
    PixelStamp stamp_;
};

}  // namespace kvx
