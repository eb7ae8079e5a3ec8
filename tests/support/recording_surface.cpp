#include "support/recording_surface.h"

#include <cstdio>

namespace kvx::test {

namespace {

std::string join(const char* name, std::initializer_list<int> values)
{
    std::string s = name;
    for (int v : values) {
        s += ' ';
        s += std::to_string(v);
    }
    return s;
}

const char* styleName(PenStyle style)
{
    switch (style) {
    case PenStyle::Solid: return "solid";
    case PenStyle::Dash: return "dash";
    case PenStyle::Dot: return "dot";
    case PenStyle::DashDot: return "dashdot";
    case PenStyle::None: return "none";
    }
    return "?";
}

}  // namespace

std::string colorText(Color c)
{
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02x%02x%02x", redOf(c), greenOf(c), blueOf(c));
    return buffer;
}

std::vector<std::string> RecordingSurface::only(std::string_view prefix) const
{
    std::vector<std::string> out;
    for (const std::string& call : calls) {
        if (call.rfind(prefix, 0) == 0) {
            out.push_back(call);
        }
    }
    return out;
}

void RecordingSurface::selectPen(const Pen& p)
{
    pen = p;
    calls.push_back(std::string("pen ") + styleName(p.style) + " " + std::to_string(p.width) + " " +
                    colorText(p.color) + (p.geometric ? " geometric" : ""));
}

void RecordingSurface::selectBrush(const Brush& b)
{
    brush = b;
    calls.push_back(b.hollow ? std::string("brush hollow") : "brush " + colorText(b.color));
}

void RecordingSurface::selectFont(const Font& f)
{
    font = f;
    calls.push_back("font " + std::to_string(f.height) + (f.vertical ? " vertical" : ""));
}

void RecordingSurface::moveTo(int px, int py)
{
    x = px;
    y = py;
    calls.push_back(join("moveTo", {px, py}));
}

void RecordingSurface::lineTo(int px, int py)
{
    x = px;
    y = py;
    calls.push_back(join("lineTo", {px, py}));
}

void RecordingSurface::rectangle(int l, int t, int r, int b)
{
    calls.push_back(join("rectangle", {l, t, r, b}));
}

void RecordingSurface::ellipse(int l, int t, int r, int b)
{
    calls.push_back(join("ellipse", {l, t, r, b}));
}

void RecordingSurface::fillRect(int l, int t, int r, int b, Color c)
{
    calls.push_back(join("fillRect", {l, t, r, b}) + " " + colorText(c));
}

void RecordingSurface::setPixel(int px, int py, Color c)
{
    calls.push_back(join("setPixel", {px, py}) + " " + colorText(c));
}

void RecordingSurface::setInvertMode(bool on)
{
    invert = on;
    calls.push_back(on ? "invert on" : "invert off");
}

void RecordingSurface::setClipRect(int l, int t, int r, int b)
{
    calls.push_back(join("clip", {l, t, r, b}));
}

void RecordingSurface::setTextAlign(TextHAlign h, TextVAlign v)
{
    hAlign = h;
    vAlign = v;
    const char* hs = h == TextHAlign::Left ? "left" : h == TextHAlign::Center ? "center" : "right";
    const char* vs = v == TextVAlign::Top ? "top" : v == TextVAlign::Bottom ? "bottom" : "baseline";
    calls.push_back(std::string("align ") + hs + " " + vs);
}

void RecordingSurface::setTextColor(Color c)
{
    calls.push_back("textColor " + colorText(c));
}

void RecordingSurface::setTextBackground(Color c)
{
    calls.push_back("textBackground " + colorText(c));
}

void RecordingSurface::setTextBackgroundOpaque(bool opaque)
{
    calls.push_back(opaque ? "textOpaque" : "textTransparent");
}

void RecordingSurface::textOut(int px, int py, std::string_view text)
{
    calls.push_back(join("text", {px, py}) + " " + std::string(text));
}

TextSize RecordingSurface::textExtent(std::string_view text)
{
    return {static_cast<int>(text.size()) * advance * font.height / 17, fontMetrics().height};
}

FontMetrics RecordingSurface::fontMetrics()
{
    // The proportions of a 17-pixel Liberation Sans: height 20, ascent 16.
    FontMetrics m;
    m.ascent = font.height * 16 / 17;
    m.descent = font.height * 4 / 17;
    m.height = m.ascent + m.descent;
    m.internalLeading = m.height - font.height;
    m.externalLeading = 1;
    return m;
}

}  // namespace kvx::test
