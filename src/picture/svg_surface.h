#pragma once
// The system's SVG writer: a surface that builds an SVG document with the
// same geometry as the window image (see vector_surface.h), real clip paths
// for clipping, and text measured by an injected TextMeasurer.

#include <string>
#include <string_view>

#include "picture/vector_surface.h"

namespace kvx {

class SvgSurface final : public VectorSurface {
public:
    // `title` becomes the document's <title> when not empty.
    SvgSurface(int width, int height, TextMeasurer& measurer, std::string_view title = {});

    // Ends the drawing and returns the document; later calls return it again.
    const std::string& finish();

    DeviceSize deviceSize() override;

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

    void closeClipGroup();
    void appendStroke(const StrokeStyle* stroke);
    void appendFill(std::optional<Color> fill);

    std::string out_;
    int width_;
    int height_;
    int clipCount_ = 0;
    bool clipOpen_ = false;
    bool finished_ = false;
};

}  // namespace kvx
