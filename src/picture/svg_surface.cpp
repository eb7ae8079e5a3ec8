#include "picture/svg_surface.h"

#include <charconv>
#include <cmath>

#include "platform/font_face.h"
#include "picture/xml_text.h"

namespace kvx {

namespace {

// Numbers with at most three decimals and a decimal point whatever the locale.
void appendNumber(std::string& out, double value)
{
    if (std::abs(value) < 0.0005) {
        value = 0.0;
    }
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 3);
    std::string_view text(buffer, static_cast<size_t>(result.ptr - buffer));
    if (text.find('.') != std::string_view::npos) {
        while (text.back() == '0') {
            text.remove_suffix(1);
        }
        if (text.back() == '.') {
            text.remove_suffix(1);
        }
    }
    out += text;
}

void appendAttribute(std::string& out, const char* name, double value)
{
    out += ' ';
    out += name;
    out += "=\"";
    appendNumber(out, value);
    out += '"';
}

void appendColor(std::string& out, Color c)
{
    static constexpr char digits[] = "0123456789abcdef";
    out += '#';
    for (unsigned component : {redOf(c), greenOf(c), blueOf(c)}) {
        out += digits[component >> 4];
        out += digits[component & 0xF];
    }
}

void appendColorAttribute(std::string& out, const char* name, Color c)
{
    out += ' ';
    out += name;
    out += "=\"";
    appendColor(out, c);
    out += '"';
}

const char* capName(LineCap cap)
{
    switch (cap) {
    case LineCap::Flat: return "butt";
    case LineCap::Square: return "square";
    case LineCap::Round: return "round";
    }
    return "butt";
}

}  // namespace

SvgSurface::SvgSurface(int width, int height, TextMeasurer& measurer, std::string_view title)
    : VectorSurface(measurer), width_(std::max(1, width)), height_(std::max(1, height))
{
    out_ = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
    out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"";
    appendAttribute(out_, "width", width_);
    appendAttribute(out_, "height", height_);
    out_ += " viewBox=\"0 0 ";
    appendNumber(out_, width_);
    out_ += ' ';
    appendNumber(out_, height_);
    // Edges on pixel boundaries stay sharp, as in the window image.
    out_ += "\" shape-rendering=\"crispEdges\">\n";
    if (!title.empty()) {
        out_ += "<title>";
        appendXmlEscaped(out_, title);
        out_ += "</title>\n";
    }
}

const std::string& SvgSurface::finish()
{
    if (!finished_) {
        flush();
        closeClipGroup();
        out_ += "</svg>\n";
        finished_ = true;
    }
    return out_;
}

DeviceSize SvgSurface::deviceSize()
{
    return {width_, height_, width_ / pixelsPerMm, height_ / pixelsPerMm};
}

void SvgSurface::appendStroke(const StrokeStyle* stroke)
{
    if (!stroke) {
        out_ += " stroke=\"none\"";
        return;
    }
    appendColorAttribute(out_, "stroke", stroke->color);
    appendAttribute(out_, "stroke-width", stroke->width);
    out_ += " stroke-linecap=\"";
    out_ += capName(stroke->cap);
    out_ += "\" stroke-linejoin=\"";
    out_ += stroke->join == LineJoin::Round ? "round" : "miter";
    out_ += '"';
    if (!stroke->dashes.empty()) {
        out_ += " stroke-dasharray=\"";
        for (size_t k = 0; k < stroke->dashes.size(); ++k) {
            if (k > 0) {
                out_ += ' ';
            }
            appendNumber(out_, stroke->dashes[k]);
        }
        out_ += '"';
        if (stroke->dashOffset != 0.0) {
            appendAttribute(out_, "stroke-dashoffset", stroke->dashOffset);
        }
    }
}

void SvgSurface::appendFill(std::optional<Color> fill)
{
    if (fill) {
        appendColorAttribute(out_, "fill", *fill);
    } else {
        out_ += " fill=\"none\"";
    }
}

void SvgSurface::strokeFigures(const std::vector<VectorFigure>& figures, const StrokeStyle& stroke)
{
    if (finished_) {
        return;
    }
    out_ += "<path d=\"";
    bool firstCommand = true;
    for (const VectorFigure& figure : figures) {
        for (size_t k = 0; k < figure.points.size(); ++k) {
            if (!firstCommand) {
                out_ += ' ';
            }
            firstCommand = false;
            out_ += k == 0 ? 'M' : 'L';
            appendNumber(out_, figure.points[k].x);
            out_ += ' ';
            appendNumber(out_, figure.points[k].y);
        }
        if (figure.closed) {
            out_ += " Z";
        }
    }
    out_ += '"';
    appendFill(std::nullopt);
    appendStroke(&stroke);
    out_ += "/>\n";
}

void SvgSurface::drawRectangle(double x, double y, double width, double height,
                               const StrokeStyle* stroke, std::optional<Color> fill)
{
    if (finished_) {
        return;
    }
    out_ += "<rect";
    appendAttribute(out_, "x", x);
    appendAttribute(out_, "y", y);
    appendAttribute(out_, "width", width);
    appendAttribute(out_, "height", height);
    appendFill(fill);
    appendStroke(stroke);
    out_ += "/>\n";
}

void SvgSurface::drawEllipse(double cx, double cy, double rx, double ry,
                             const StrokeStyle* stroke, std::optional<Color> fill)
{
    if (finished_) {
        return;
    }
    out_ += "<ellipse";
    appendAttribute(out_, "cx", cx);
    appendAttribute(out_, "cy", cy);
    appendAttribute(out_, "rx", rx);
    appendAttribute(out_, "ry", ry);
    appendFill(fill);
    appendStroke(stroke);
    out_ += "/>\n";
}

void SvgSurface::fillBox(int x, int y, int width, int height, Color color)
{
    if (finished_) {
        return;
    }
    out_ += "<rect";
    appendAttribute(out_, "x", x);
    appendAttribute(out_, "y", y);
    appendAttribute(out_, "width", width);
    appendAttribute(out_, "height", height);
    appendFill(color);
    out_ += "/>\n";
}

void SvgSurface::drawText(const PlacedText& placed, const Font& font, Color color,
                          std::optional<Color> background, std::string_view text)
{
    if (finished_) {
        return;
    }
    // Text coordinates are in the text's own frame; the group moves that
    // frame to the reference point and turns it for the vertical font.
    out_ += "<g transform=\"translate(";
    appendNumber(out_, placed.x);
    out_ += ' ';
    appendNumber(out_, placed.y);
    out_ += placed.vertical ? ") rotate(-90)\">" : ")\">";
    if (background) {
        out_ += "<rect";
        appendAttribute(out_, "x", placed.dx);
        appendAttribute(out_, "y", placed.dy - placed.ascent);
        appendAttribute(out_, "width", placed.width);
        appendAttribute(out_, "height", placed.ascent + placed.descent);
        appendFill(*background);
        out_ += "/>";
    }
    // The em size is the cell height without the internal leading.
    const FontMetrics metrics = measurer().fontMetrics(font);
    out_ += "<text xml:space=\"preserve\"";
    appendAttribute(out_, "x", placed.dx);
    appendAttribute(out_, "y", placed.dy);
    out_ += " font-family=\"";
    out_ += fontFamily;
    out_ += ", ";
    out_ += fontFallbacks;
    out_ += '"';
    appendAttribute(out_, "font-size", metrics.height - metrics.internalLeading);
    appendAttribute(out_, "font-weight", fontWeight);
    if (placed.width > 0) {
        appendAttribute(out_, "textLength", placed.width);
    }
    appendColorAttribute(out_, "fill", color);
    out_ += '>';
    appendXmlEscaped(out_, text);
    out_ += "</text></g>\n";
}

void SvgSurface::clipTo(int left, int top, int right, int bottom)
{
    if (finished_) {
        return;
    }
    closeClipGroup();
    ++clipCount_;
    const std::string id = "clip" + std::to_string(clipCount_);
    out_ += "<clipPath id=\"" + id + "\"><rect";
    appendAttribute(out_, "x", left);
    appendAttribute(out_, "y", top);
    appendAttribute(out_, "width", right - left);
    appendAttribute(out_, "height", bottom - top);
    out_ += "/></clipPath>\n<g clip-path=\"url(#" + id + ")\">\n";
    clipOpen_ = true;
}

void SvgSurface::unclip()
{
    if (!finished_) {
        closeClipGroup();
    }
}

void SvgSurface::closeClipGroup()
{
    if (clipOpen_) {
        out_ += "</g>\n";
        clipOpen_ = false;
    }
}

}  // namespace kvx
