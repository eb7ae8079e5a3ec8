#pragma once
// A surface for tests: every drawing call is recorded as one line of text
// ("lineTo 10 20", "pen solid 1 #ffffff"), so tests can assert exact calls and
// coordinates. Text is measured with a fixed advance per character.

#include <string>
#include <vector>

#include "platform/surface.h"

namespace kvx::test {

class RecordingSurface : public Surface {
public:
    std::vector<std::string> calls;
    DeviceSize size{640, 520, 169.3, 137.6};
    int advance = 8;  // pixels per character of a 17-pixel font, scaled with the height

    Pen pen;
    Brush brush;
    Font font;
    int x = 0;
    int y = 0;
    bool invert = false;
    TextHAlign hAlign = TextHAlign::Left;
    TextVAlign vAlign = TextVAlign::Top;

    // The recorded calls that start with `prefix`.
    std::vector<std::string> only(std::string_view prefix) const;
    void clear() { calls.clear(); }

    void selectPen(const Pen& p) override;
    void selectBrush(const Brush& b) override;
    void selectFont(const Font& f) override;
    void moveTo(int px, int py) override;
    void lineTo(int px, int py) override;
    void rectangle(int l, int t, int r, int b) override;
    void ellipse(int l, int t, int r, int b) override;
    void fillRect(int l, int t, int r, int b, Color c) override;
    void setPixel(int px, int py, Color c) override;
    void beginPath() override { calls.emplace_back("beginPath"); }
    void closeFigure() override { calls.emplace_back("closeFigure"); }
    void endPath() override { calls.emplace_back("endPath"); }
    void strokePath() override { calls.emplace_back("strokePath"); }
    void setInvertMode(bool on) override;
    void setClipRect(int l, int t, int r, int b) override;
    void removeClip() override { calls.emplace_back("removeClip"); }
    void setTextAlign(TextHAlign h, TextVAlign v) override;
    void setTextColor(Color c) override;
    void setTextBackground(Color c) override;
    void setTextBackgroundOpaque(bool opaque) override;
    void textOut(int px, int py, std::string_view text) override;
    TextSize textExtent(std::string_view text) override;
    FontMetrics fontMetrics() override;
    DeviceSize deviceSize() override { return size; }
};

// "#rrggbb"
std::string colorText(Color c);

}  // namespace kvx::test
