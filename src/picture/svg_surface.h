#pragma once
// The system's SVG writer: a surface that builds an SVG document with the
// same geometry as the window image (see vector_surface.h), real clip paths
// for clipping, and text measured by an injected TextMeasurer. It is meant
// to be edited: shapes of the same paint share a group that holds it, each
// graph is a group with its label as title, dashed lines are one element,
// and only axis-parallel shapes ask viewers for crisp edges.

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
    // The document's size on paper, in place of its pixels at 96 an inch.
    void setPaperSize(double widthMm, double heightMm, double dpi);
    void beginGroup(std::string_view name) override;
    void endGroup() override;

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
    void closeGraphGroup();
    // Shapes in a row with the same paint share a group that holds it.
    void usePaint(const std::string& paint);
    void closePaintGroup();
    static std::string paintOf(const StrokeStyle* stroke, std::optional<Color> fill, bool crisp);

    std::string out_;
    int width_;
    int height_;
    int clipCount_ = 0;
    bool clipOpen_ = false;
    int graphCount_ = 0;
    bool graphOpen_ = false;
    std::string paint_;  // of the open paint group
    bool paintOpen_ = false;
    bool finished_ = false;
};

}  // namespace kvx
