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

void appendStroke(std::string& out, const StrokeStyle* stroke)
{
    if (!stroke) {
        out += " stroke=\"none\"";
        return;
    }
    appendColorAttribute(out, "stroke", stroke->color);
    appendAttribute(out, "stroke-width", stroke->width);
    out += " stroke-linecap=\"";
    out += capName(stroke->cap);
    out += "\" stroke-linejoin=\"";
    out += stroke->join == LineJoin::Round ? "round" : "miter";
    out += '"';
    if (!stroke->dashes.empty()) {
        out += " stroke-dasharray=\"";
        for (size_t k = 0; k < stroke->dashes.size(); ++k) {
            if (k > 0) {
                out += ' ';
            }
            appendNumber(out, stroke->dashes[k]);
        }
        out += '"';
        if (stroke->dashOffset != 0.0) {
            appendAttribute(out, "stroke-dashoffset", stroke->dashOffset);
        }
    }
}

void appendFill(std::string& out, std::optional<Color> fill)
{
    if (fill) {
        appendColorAttribute(out, "fill", *fill);
    } else {
        out += " fill=\"none\"";
    }
}

// Whether every segment of the figures runs along x or y.
bool axisParallel(const std::vector<VectorFigure>& figures)
{
    for (const VectorFigure& figure : figures) {
        const std::size_t n = figure.points.size();
        for (std::size_t k = 0; k < n; ++k) {
            if (k + 1 == n && !figure.closed) {
                break;
            }
            const VectorPoint& a = figure.points[k];
            const VectorPoint& b = figure.points[(k + 1) % n];
            if (a.x != b.x && a.y != b.y) {
                return false;
            }
        }
    }
    return true;
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
    out_ += "\">\n";
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
        closeGraphGroup();
        closeClipGroup();
        out_ += "</svg>\n";
        finished_ = true;
    }
    return out_;
}

void SvgSurface::setPaperSize(double widthMm, double heightMm, double /*dpi*/)
{
    if (finished_ || !(widthMm > 0.0) || !(heightMm > 0.0)) {
        return;
    }
    std::string pixels;
    appendAttribute(pixels, "width", width_);
    appendAttribute(pixels, "height", height_);
    std::string paper;
    appendAttribute(paper, "width", widthMm);
    paper.insert(paper.size() - 1, "mm");
    appendAttribute(paper, "height", heightMm);
    paper.insert(paper.size() - 1, "mm");
    const std::size_t at = out_.find(pixels);
    if (at != std::string::npos) {
        out_.replace(at, pixels.size(), paper);
    }
}

DeviceSize SvgSurface::deviceSize()
{
    return {width_, height_, width_ / pixelsPerMm, height_ / pixelsPerMm};
}

void SvgSurface::strokeFigures(const std::vector<VectorFigure>& figures, const StrokeStyle& stroke)
{
    if (finished_) {
        return;
    }
    usePaint(paintOf(&stroke, std::nullopt, axisParallel(figures)));
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
    out_ += "\"/>\n";
}

void SvgSurface::drawRectangle(double x, double y, double width, double height,
                               const StrokeStyle* stroke, std::optional<Color> fill)
{
    if (finished_) {
        return;
    }
    usePaint(paintOf(stroke, fill, true));
    out_ += "<rect";
    appendAttribute(out_, "x", x);
    appendAttribute(out_, "y", y);
    appendAttribute(out_, "width", width);
    appendAttribute(out_, "height", height);
    out_ += "/>\n";
}

void SvgSurface::drawEllipse(double cx, double cy, double rx, double ry,
                             const StrokeStyle* stroke, std::optional<Color> fill)
{
    if (finished_) {
        return;
    }
    usePaint(paintOf(stroke, fill, false));
    out_ += "<ellipse";
    appendAttribute(out_, "cx", cx);
    appendAttribute(out_, "cy", cy);
    appendAttribute(out_, "rx", rx);
    appendAttribute(out_, "ry", ry);
    out_ += "/>\n";
}

void SvgSurface::fillBox(int x, int y, int width, int height, Color color)
{
    if (finished_) {
        return;
    }
    usePaint(paintOf(nullptr, color, true));
    out_ += "<rect";
    appendAttribute(out_, "x", x);
    appendAttribute(out_, "y", y);
    appendAttribute(out_, "width", width);
    appendAttribute(out_, "height", height);
    out_ += "/>\n";
}

void SvgSurface::drawText(const PlacedText& placed, const Font& font, Color color,
                          std::optional<Color> background, std::string_view text)
{
    if (finished_) {
        return;
    }
    // The em size is the cell height without the internal leading.
    const FontMetrics metrics = measurer().fontMetrics(font);
    std::string paint = " font-family=\"";
    paint += fontFamily;
    paint += ", ";
    paint += fontFallbacks;
    paint += '"';
    appendAttribute(paint, "font-size", metrics.height - metrics.internalLeading);
    appendAttribute(paint, "font-weight", fontWeight);
    appendColorAttribute(paint, "fill", color);
    usePaint(paint);
    // Text coordinates are in the text's own frame; a group moves that frame
    // to the reference point and turns it for the vertical font, where needed.
    const bool framed = placed.vertical || background;
    double x = placed.dx;
    double y = placed.dy;
    if (framed) {
        out_ += "<g transform=\"translate(";
        appendNumber(out_, placed.x);
        out_ += ' ';
        appendNumber(out_, placed.y);
        out_ += placed.vertical ? ") rotate(-90)\">" : ")\">";
    } else {
        x += placed.x;
        y += placed.y;
    }
    if (background) {
        out_ += "<rect";
        appendAttribute(out_, "x", placed.dx);
        appendAttribute(out_, "y", placed.dy - placed.ascent);
        appendAttribute(out_, "width", placed.width);
        appendAttribute(out_, "height", placed.ascent + placed.descent);
        appendFill(out_, *background);
        out_ += "/>";
    }
    out_ += "<text xml:space=\"preserve\"";
    appendAttribute(out_, "x", x);
    appendAttribute(out_, "y", y);
    if (placed.width > 0) {
        appendAttribute(out_, "textLength", placed.width);
    }
    out_ += '>';
    appendXmlEscaped(out_, text);
    out_ += framed ? "</text></g>\n" : "</text>\n";
}

void SvgSurface::clipTo(int left, int top, int right, int bottom)
{
    if (finished_) {
        return;
    }
    closeGraphGroup();
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
        closeGraphGroup();
        closeClipGroup();
    }
}

void SvgSurface::beginGroup(std::string_view name)
{
    if (finished_) {
        return;
    }
    flush();
    closeGraphGroup();
    out_ += "<g id=\"graph" + std::to_string(++graphCount_) + "\"><title>";
    appendXmlEscaped(out_, name);
    out_ += "</title>\n";
    graphOpen_ = true;
}

void SvgSurface::endGroup()
{
    if (!finished_) {
        flush();
        closeGraphGroup();
    }
}

void SvgSurface::closeGraphGroup()
{
    closePaintGroup();
    if (graphOpen_) {
        out_ += "</g>\n";
        graphOpen_ = false;
    }
}

std::string SvgSurface::paintOf(const StrokeStyle* stroke, std::optional<Color> fill, bool crisp)
{
    std::string paint;
    appendFill(paint, fill);
    appendStroke(paint, stroke);
    if (crisp) {
        // Edges on pixel boundaries stay sharp, as in the window image.
        paint += " shape-rendering=\"crispEdges\"";
    }
    return paint;
}

void SvgSurface::usePaint(const std::string& paint)
{
    if (paintOpen_ && paint == paint_) {
        return;
    }
    closePaintGroup();
    out_ += "<g" + paint + ">\n";
    paint_ = paint;
    paintOpen_ = true;
}

void SvgSurface::closePaintGroup()
{
    if (paintOpen_) {
        out_ += "</g>\n";
        paintOpen_ = false;
    }
}

void SvgSurface::closeClipGroup()
{
    closePaintGroup();
    if (clipOpen_) {
        out_ += "</g>\n";
        clipOpen_ = false;
    }
}

}  // namespace kvx
