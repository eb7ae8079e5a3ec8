#pragma once
// The vector surface on a QPainter whose device keeps shapes as shapes: a
// PDF page (QPdfWriter at 96 dpi) or a printer page. The geometry is that of
// vector_surface.h; the device must be in pixels of the picture.

#include "platform/qt/qt_text_measurer.h"
#include "picture/vector_surface.h"

class QPainter;

namespace kvx {

class QtVectorSurface final : public VectorSurface {
public:
    // `painter` is active on the device and outlives the surface.
    QtVectorSurface(QPainter& painter, DeviceSize size);

    // Draws what is still held back; call before ending the painter.
    void finish() { flush(); }

    DeviceSize deviceSize() override { return size_; }

private:
    void strokeFigures(const std::vector<VectorFigure>& figures, const StrokeStyle& stroke) override;
    void drawRectangle(double x, double y, double width, double height, const StrokeStyle* stroke,
                       std::optional<Color> fill) override;
    void drawEllipse(double cx, double cy, double rx, double ry, const StrokeStyle* stroke,
                     std::optional<Color> fill) override;
    void fillBox(int x, int y, int width, int height, Color color) override;
    void drawText(const PlacedText& placed, const Font& font, Color color,
                  std::optional<Color> background, std::string_view text) override;
    void clipTo(int left, int top, int right, int bottom) override;
    void unclip() override;

    void usePenAndBrush(const StrokeStyle* stroke, std::optional<Color> fill);

    QtTextMeasurer qtMeasurer_;  // the base holds it by reference and uses it only after construction
    QPainter& painter_;
    DeviceSize size_;
};

}  // namespace kvx
