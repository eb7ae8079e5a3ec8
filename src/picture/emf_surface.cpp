#include "picture/emf_surface.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/font_face.h"
#include "platform/pixel_geometry.h"
#include "platform/utf8_text.h"

namespace kvx {

namespace {

// Pen styles, end caps and joins.
constexpr uint32_t psSolid = 0;
constexpr uint32_t psDash = 1;
constexpr uint32_t psDot = 2;
constexpr uint32_t psDashDot = 3;
constexpr uint32_t psUserStyle = 7;
constexpr uint32_t psEndcapRound = 0;
constexpr uint32_t psEndcapSquare = 0x100;
constexpr uint32_t psEndcapFlat = 0x200;
constexpr uint32_t psJoinRound = 0;
constexpr uint32_t psJoinMiter = 0x2000;
constexpr uint32_t psGeometric = 0x10000;

constexpr int32_t mmAnisotropic = 8;
constexpr uint32_t transparentBackground = 1;
constexpr uint32_t opaqueBackground = 2;
constexpr uint32_t baselineLeftAlign = 24;  // TA_BASELINE | TA_LEFT
constexpr uint32_t etoOpaque = 2;
constexpr uint32_t gmCompatible = 1;
constexpr uint8_t defaultCharset = 1;
constexpr size_t faceNameUnits = 32;

// Far-off coordinates stop at the ends of the 32-bit fields instead of wrapping.
int32_t units(double pixels)
{
    constexpr double limit = 2147483647.0;
    return static_cast<int32_t>(std::lround(std::clamp(pixels * emfUnitsPerPixel, -limit, limit)));
}

uint32_t capStyle(LineCap cap)
{
    switch (cap) {
    case LineCap::Flat: return psEndcapFlat;
    case LineCap::Square: return psEndcapSquare;
    case LineCap::Round: return psEndcapRound;
    }
    return psEndcapFlat;
}

// The stock style whose pattern a one-pixel pen's dashes are, if any: the
// stock patterns are the cosmetic ones of the window image. Readers that
// ignore user styles (LibreOffice draws them solid) know the stock ones.
std::optional<uint32_t> stockDashStyle(const StrokeStyle& stroke)
{
    if (stroke.width > 1.0) {
        return std::nullopt;
    }
    for (const auto& [pen, style] : {std::pair{PenStyle::Dash, psDash}, std::pair{PenStyle::Dot, psDot},
                                     std::pair{PenStyle::DashDot, psDashDot}}) {
        const std::span<const int> pattern = dashPattern(pen);
        if (std::equal(stroke.dashes.begin(), stroke.dashes.end(), pattern.begin(), pattern.end())) {
            return style;
        }
    }
    return std::nullopt;
}

struct PixelRect {
    int left;
    int top;
    int right;  // exclusive
    int bottom;
};

// The text cell in picture pixels.
PixelRect textCell(const PlacedText& placed)
{
    const int u0 = placed.dx;
    const int u1 = placed.dx + placed.width;
    const int v0 = placed.dy - placed.ascent;
    const int v1 = placed.dy + placed.descent;
    if (placed.vertical) {
        return {placed.x + v0, placed.y - u1, placed.x + v1, placed.y - u0};
    }
    return {placed.x + u0, placed.y + v0, placed.x + u1, placed.y + v1};
}

}  // namespace

EmfSurface::EmfSurface(int width, int height, TextMeasurer& measurer, std::string_view title)
    : VectorSurface(measurer), width_(std::max(1, width)), height_(std::max(1, height))
{
    writeHeader(title);
    // A logical unit is a sixteenth of a device pixel.
    records_.add(emr::setMapMode, {mmAnisotropic});
    records_.add(emr::setWindowExtEx, {width_ * emfUnitsPerPixel, height_ * emfUnitsPerPixel});
    records_.add(emr::setViewportExtEx, {width_, height_});
}

void EmfSurface::writeHeader(std::string_view title)
{
    std::u16string description;
    for (char32_t c : decodeUtf8(title)) {
        if (c > 0xFFFF) {
            c -= 0x10000;
            description += static_cast<char16_t>(0xD800 + (c >> 10));
            description += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
        } else {
            description += static_cast<char16_t>(c);
        }
    }
    const size_t descriptionUnits = description.size() + 2;  // two terminating zeros
    const double widthMm = width_ / pixelsPerMm;
    const double heightMm = height_ / pixelsPerMm;
    records_.begin(emr::header);
    for (int32_t v : {0, 0, width_ - 1, height_ - 1}) {  // bounds in pixels, inclusive
        records_.i32(v);
    }
    for (double v : {0.0, 0.0, widthMm, heightMm}) {  // frame in 0.01 mm, inclusive
        records_.i32(v == 0.0 ? 0 : static_cast<int32_t>(std::lround(v * 100.0)) - 1);
    }
    records_.u32(0x464D4520);  // " EMF"
    records_.u32(0x10000);
    records_.u32(0);  // bytes, records and handles come with finish()
    records_.u32(0);
    records_.u16(0);
    records_.u16(0);
    records_.u32(static_cast<uint32_t>(descriptionUnits));
    records_.u32(108);  // the description follows the fixed part
    records_.u32(0);    // no palette
    records_.i32(width_);
    records_.i32(height_);
    records_.i32(static_cast<int32_t>(std::lround(widthMm)));
    records_.i32(static_cast<int32_t>(std::lround(heightMm)));
    records_.u32(0);  // no pixel format, no OpenGL
    records_.u32(0);
    records_.u32(0);
    records_.i32(static_cast<int32_t>(std::lround(widthMm * 1000.0)));
    records_.i32(static_cast<int32_t>(std::lround(heightMm * 1000.0)));
    records_.utf16(description, descriptionUnits);
    records_.end();
}

const std::string& EmfSurface::finish()
{
    if (!finished_) {
        flush();
        unclip();
        objects_.deleteAll();
        records_.add(emr::eof, {0, 16, 20});
        records_.patchU32(48, static_cast<uint32_t>(records_.size()));
        records_.patchU32(52, records_.count());
        records_.patchU16(56, static_cast<uint16_t>(objects_.handleCount()));
        finished_ = true;
    }
    return records_.bytes();
}

DeviceSize EmfSurface::deviceSize()
{
    return {width_, height_, width_ / pixelsPerMm, height_ / pixelsPerMm};
}

void EmfSurface::usePen(const StrokeStyle* stroke)
{
    if (!stroke) {
        objects_.selectStock(EmfObjectKind::Pen, emr::nullPen);
        return;
    }
    // Every pen is geometric, one pixel wide at least, with the caps, joins
    // and dashes of the window image: a cosmetic pen's width of one unit is
    // a sixteenth of a pixel to programs that scale it with the mapping.
    uint32_t style = psGeometric | capStyle(stroke->cap) |
                     (stroke->join == LineJoin::Round ? psJoinRound : psJoinMiter);
    std::vector<int32_t> entries;
    if (stroke->dashes.empty()) {
        style |= psSolid;
    } else if (const std::optional<uint32_t> stock = stockDashStyle(*stroke)) {
        style |= *stock;
    } else {
        style |= psUserStyle;
        for (double d : stroke->dashes) {
            entries.push_back(units(d));
        }
    }
    const auto width = static_cast<uint32_t>(units(std::max(stroke->width, 1.0)));
    std::string key = std::to_string(style) + ' ' + std::to_string(width) + ' ' +
                      std::to_string(stroke->color);
    for (int32_t e : entries) {
        key += ' ' + std::to_string(e);
    }
    objects_.select(EmfObjectKind::Pen, key, [&](uint32_t handle) {
        records_.begin(emr::extCreatePen);
        records_.u32(handle);
        for (int k = 0; k < 4; ++k) {
            records_.u32(0);  // no brush bitmap
        }
        records_.u32(style);
        records_.u32(width);
        records_.u32(0);  // BS_SOLID
        records_.u32(stroke->color);
        records_.u32(0);
        records_.u32(static_cast<uint32_t>(entries.size()));
        for (int32_t e : entries) {
            records_.i32(e);
        }
        records_.end();
    });
}

void EmfSurface::useBrush(std::optional<Color> fill)
{
    if (!fill) {
        objects_.selectStock(EmfObjectKind::Brush, emr::nullBrush);
        return;
    }
    objects_.select(EmfObjectKind::Brush, std::to_string(*fill), [&](uint32_t handle) {
        records_.add(emr::createBrushIndirect,
                     {static_cast<int32_t>(handle), 0, static_cast<int32_t>(*fill), 0});
    });
}

void EmfSurface::useFont(const Font& font)
{
    // The em size is the cell height without the internal leading.
    const FontMetrics metrics = measurer().fontMetrics(font);
    const int32_t height = -units(metrics.height - metrics.internalLeading);
    const int32_t angle = font.vertical ? 900 : 0;
    objects_.select(EmfObjectKind::Font, std::to_string(height) + ' ' + std::to_string(angle),
                    [&](uint32_t handle) {
                        records_.begin(emr::extCreateFontIndirectW);
                        records_.u32(handle);
                        records_.i32(height);
                        records_.i32(0);
                        records_.i32(angle);  // escapement
                        records_.i32(angle);  // orientation
                        records_.i32(fontWeight);
                        for (uint8_t b : {0, 0, 0}) {  // not italic, underlined or struck out
                            records_.u8(b);
                        }
                        records_.u8(defaultCharset);
                        for (uint8_t b : {0, 0, 0, 0}) {  // default precision, quality, pitch
                            records_.u8(b);
                        }
                        std::u16string face;
                        for (const char* c = fontFamily; *c; ++c) {
                            face += static_cast<char16_t>(*c);
                        }
                        records_.utf16(face, faceNameUnits);
                        records_.end();
                    });
}

void EmfSurface::setState(uint32_t type, std::optional<uint32_t>& current, uint32_t value)
{
    if (current != value) {
        records_.add(type, {static_cast<int32_t>(value)});
        current = value;
    }
}

void EmfSurface::box(uint32_t type, double left, double top, double right, double bottom)
{
    records_.add(type, {units(left), units(top), units(right), units(bottom)});
}

void EmfSurface::strokeFigures(const std::vector<VectorFigure>& figures, const StrokeStyle& stroke)
{
    if (finished_) {
        return;
    }
    usePen(&stroke);
    const auto figure = [&](const VectorFigure& f) {
        records_.add(emr::moveToEx, {units(f.points[0].x), units(f.points[0].y)});
        for (size_t k = 1; k < f.points.size(); ++k) {
            records_.add(emr::lineTo, {units(f.points[k].x), units(f.points[k].y)});
        }
    };
    if (figures.size() == 1 && !figures[0].closed) {
        figure(figures[0]);
        return;
    }
    double left = width_;
    double top = height_;
    double right = 0.0;
    double bottom = 0.0;
    records_.add(emr::beginPath, {});
    for (const VectorFigure& f : figures) {
        figure(f);
        if (f.closed) {
            records_.add(emr::closeFigure, {});
        }
        for (const VectorPoint& p : f.points) {
            left = std::min(left, p.x);
            top = std::min(top, p.y);
            right = std::max(right, p.x);
            bottom = std::max(bottom, p.y);
        }
    }
    records_.add(emr::endPath, {});
    const int reach = static_cast<int>(std::ceil(stroke.width / 2.0));
    records_.add(emr::strokePath, {static_cast<int32_t>(std::floor(left)) - reach,
                                   static_cast<int32_t>(std::floor(top)) - reach,
                                   static_cast<int32_t>(std::ceil(right)) + reach,
                                   static_cast<int32_t>(std::ceil(bottom)) + reach});
}

void EmfSurface::drawRectangle(double x, double y, double width, double height,
                               const StrokeStyle* stroke, std::optional<Color> fill)
{
    shape(emr::rectangle, x, y, x + width, y + height, stroke, fill);
}

void EmfSurface::drawEllipse(double cx, double cy, double rx, double ry,
                             const StrokeStyle* stroke, std::optional<Color> fill)
{
    shape(emr::ellipse, cx - rx, cy - ry, cx + rx, cy + ry, stroke, fill);
}

void EmfSurface::shape(uint32_t type, double left, double top, double right, double bottom,
                       const StrokeStyle* stroke, std::optional<Color> fill)
{
    if (finished_) {
        return;
    }
    usePen(stroke);
    useBrush(fill);
    box(type, left, top, right, bottom);
}

void EmfSurface::fillBox(int x, int y, int width, int height, Color color)
{
    if (finished_) {
        return;
    }
    if (width == 1 && height == 1) {
        records_.add(emr::setPixelV, {units(x), units(y), static_cast<int32_t>(color)});
        return;
    }
    shape(emr::rectangle, x, y, x + width, y + height, nullptr, color);
}

void EmfSurface::drawText(const PlacedText& placed, const Font& font, Color color,
                          std::optional<Color> background, std::string_view text)
{
    if (finished_) {
        return;
    }
    useFont(font);
    setState(emr::setTextAlign, textAlign_, baselineLeftAlign);
    setState(emr::setTextColor, textColor_, color);
    setState(emr::setBkMode, bkMode_, background ? opaqueBackground : transparentBackground);
    if (background) {
        setState(emr::setBkColor, bkColor_, *background);
    }

    // One advance per UTF-16 unit; the second half of a pair advances nothing.
    const std::vector<int> advances = measurer().characterAdvances(font, text);
    std::u16string chars;
    std::vector<int32_t> dx;
    size_t index = 0;
    for (char32_t c : decodeUtf8(text)) {
        const int advance = index < advances.size() ? advances[index] : 0;
        ++index;
        if (c > 0xFFFF) {
            c -= 0x10000;
            chars += static_cast<char16_t>(0xD800 + (c >> 10));
            chars += static_cast<char16_t>(0xDC00 + (c & 0x3FF));
            dx.push_back(units(advance));
            dx.push_back(0);
        } else {
            chars += static_cast<char16_t>(c);
            dx.push_back(units(advance));
        }
    }
    const int refX = placed.vertical ? placed.x + placed.dy : placed.x + placed.dx;
    const int refY = placed.vertical ? placed.y - placed.dx : placed.y + placed.dy;
    const PixelRect cell = textCell(placed);
    const size_t stringUnits = (chars.size() + 1) / 2 * 2;  // padded to four bytes
    constexpr uint32_t stringOffset = 76;

    records_.begin(emr::extTextOutW);
    for (int32_t v : {cell.left, cell.top, cell.right - 1, cell.bottom - 1}) {
        records_.i32(v);
    }
    records_.u32(gmCompatible);
    records_.f32(0.0f);
    records_.f32(0.0f);
    records_.i32(units(refX));
    records_.i32(units(refY));
    records_.u32(static_cast<uint32_t>(chars.size()));
    records_.u32(stringOffset);
    records_.u32(background ? etoOpaque : 0);
    if (background) {
        for (int v : {cell.left, cell.top, cell.right, cell.bottom}) {
            records_.i32(units(v));
        }
    } else {
        for (int32_t v : {0, 0, -1, -1}) {
            records_.i32(v);
        }
    }
    records_.u32(static_cast<uint32_t>(stringOffset + 2 * stringUnits));
    records_.utf16(chars, stringUnits);
    for (int32_t d : dx) {
        records_.i32(d);
    }
    records_.end();
}

void EmfSurface::clipTo(int left, int top, int right, int bottom)
{
    if (finished_) {
        return;
    }
    unclip();
    // The saved context holds only stock objects, so that restoring it never
    // selects an object deleted in between.
    objects_.selectStockObjects();
    clipSaved_ = objects_.selection();
    records_.add(emr::saveDc, {});
    box(emr::intersectClipRect, left, top, right, bottom);
}

void EmfSurface::unclip()
{
    if (finished_ || !clipSaved_) {
        return;
    }
    records_.add(emr::restoreDc, {-1});
    objects_.restoreSelection(*clipSaved_);
    clipSaved_.reset();
    // The text settings are those from before the clip again.
    textAlign_.reset();
    textColor_.reset();
    bkMode_.reset();
    bkColor_.reset();
}

}  // namespace kvx
