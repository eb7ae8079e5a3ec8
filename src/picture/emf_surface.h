#pragma once
// The system's EMF writer: a surface that records an enhanced metafile with
// the geometry of the window image (see vector_surface.h). Logical units are
// a sixteenth of a pixel, so the half-pixel positions of that geometry stay
// exact; the header's frame gives the picture's size at 96 pixels per inch,
// and the reference device is a screen of that resolution. Clipping saves
// the device context and intersects the clip with the rectangle; removing it
// restores the context. Text is placed glyph by glyph with the advances the
// TextMeasurer gives, so other programs set it as measured here.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "picture/emf_objects.h"
#include "picture/emf_records.h"
#include "picture/vector_surface.h"

namespace kvx {

// Logical units per pixel.
inline constexpr int emfUnitsPerPixel = 16;

class EmfSurface final : public VectorSurface {
public:
    // The header's description is the title as given.
    EmfSurface(int width, int height, TextMeasurer& measurer, std::string_view title = {});

    // Ends the drawing and returns the file's bytes; later calls return them again.
    const std::string& finish();

    DeviceSize deviceSize() override;
    // The frame keeps the pixels at 96 an inch.
    void setPaperSize(double, double, double) {}
    // Viewers show a pattern of the file's own as a solid line: each dash
    // stays a line of its own.
    void dashedLine(int ax, int ay, int bx, int by, int dash, int gap) override
    {
        Surface::dashedLine(ax, ay, bx, by, dash, gap);
    }

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

    void writeHeader(std::string_view title);
    void usePen(const StrokeStyle* stroke);
    void useBrush(std::optional<Color> fill);
    void useFont(const Font& font);
    void setState(uint32_t type, std::optional<uint32_t>& current, uint32_t value);
    void box(uint32_t type, double left, double top, double right, double bottom);
    // A rectangle or ellipse record with its pen (none: no outline) and brush.
    void shape(uint32_t type, double left, double top, double right, double bottom,
               const StrokeStyle* stroke, std::optional<Color> fill);

    EmfRecords records_;
    EmfObjects objects_{records_};
    int width_;
    int height_;
    std::optional<EmfObjects::Selection> clipSaved_;
    std::optional<uint32_t> textAlign_;
    std::optional<uint32_t> textColor_;
    std::optional<uint32_t> bkMode_;
    std::optional<uint32_t> bkColor_;
    bool finished_ = false;
};

}  // namespace kvx
