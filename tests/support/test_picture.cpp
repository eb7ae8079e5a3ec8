#include "support/test_picture.h"

namespace kvx::test {

void drawTestPicture(Surface& s)
{
    s.fillRect(0, 0, testPictureWidth, testPictureHeight, rgb(255, 255, 255));
    s.setTextBackgroundOpaque(false);
    s.setTextColor(rgb(0, 0, 0));

    // A star of one-pixel lines.
    s.selectPen({PenStyle::Solid, 1, rgb(0, 0, 255)});
    for (int k = 0; k < 16; ++k) {
        const int dx[] = {40, 40, 40, 20, 0, -20, -40, -40, -40, -40, -40, -20, 0, 20, 40, 40};
        const int dy[] = {0, 20, 40, 40, 40, 40, 40, 20, 0, -20, -40, -40, -40, -40, -40, -20};
        s.moveTo(60, 60);
        s.lineTo(60 + dx[k], 60 + dy[k]);
    }

    // Dashed, dotted and dash-dot lines, and a wide line.
    const PenStyle styles[] = {PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot};
    for (int k = 0; k < 3; ++k) {
        s.selectPen({styles[k], 1, rgb(0, 128, 0)});
        s.moveTo(120, 20 + 10 * k);
        s.lineTo(230, 20 + 10 * k);
    }
    s.selectPen({PenStyle::Solid, 4, rgb(192, 0, 192)});
    s.moveTo(120, 60);
    s.lineTo(230, 80);

    // Rectangles and ellipses with outline and fill.
    s.selectPen({PenStyle::Solid, 1, rgb(0, 0, 0)});
    s.selectBrush({false, rgb(255, 255, 0)});
    s.rectangle(20, 120, 70, 160);
    s.ellipse(80, 120, 130, 160);
    s.selectBrush({true, 0});
    s.ellipse(140, 120, 160, 160);
    s.fillRect(markBoxLeft, markBoxTop, markBoxRight, markBoxBottom, rgb(0, 0, 0));

    // Markers: a closed triangle path and a plus with a geometric pen.
    s.selectPen({PenStyle::Solid, 2, rgb(255, 0, 0), true});
    s.beginPath();
    s.moveTo(175, 150);
    s.lineTo(195, 150);
    s.lineTo(185, 132);
    s.closeFigure();
    s.moveTo(210, 140);
    s.lineTo(230, 140);
    s.moveTo(220, 130);
    s.lineTo(220, 150);
    s.endPath();
    s.strokePath();

    // A red box drawn through a clip.
    s.setClipRect(clipLeft, clipTop, clipRight, clipBottom);
    s.fillRect(clipLeft - 20, clipTop - 20, clipRight + 20, clipBottom + 20, rgb(255, 0, 0));
    s.selectPen({PenStyle::Solid, 1, rgb(0, 0, 0)});
    s.moveTo(clipLeft - 20, clipTop - 20);
    s.lineTo(clipRight + 20, clipBottom + 20);
    s.removeClip();

    // Text in all alignments around cross-hairs, opaque and transparent.
    s.selectFont({17, false});
    const TextHAlign hs[] = {TextHAlign::Left, TextHAlign::Center, TextHAlign::Right};
    const TextVAlign vs[] = {TextVAlign::Top, TextVAlign::Baseline, TextVAlign::Bottom};
    for (int i = 0; i < 3; ++i) {
        const int x = 60 + 110 * i;
        const int y = 180 + 0;
        s.setTextAlign(hs[i], vs[i]);
        s.setTextBackgroundOpaque(i == 1);
        s.setTextBackground(rgb(208, 208, 208));
        s.textOut(x, y + 20 * (i == 2), "Axg 1.5");
        s.fillRect(x - 3, y + 20 * (i == 2), x + 4, y + 20 * (i == 2) + 1, rgb(255, 0, 0));
        s.fillRect(x, y + 20 * (i == 2) - 3, x + 1, y + 20 * (i == 2) + 4, rgb(255, 0, 0));
    }
    s.setTextBackgroundOpaque(false);
    s.selectFont({17, true});
    s.setTextAlign(TextHAlign::Center, TextVAlign::Bottom);
    s.textOut(19, 172, "Voltage [V]");
    s.selectFont({14, false});
    s.setTextAlign(TextHAlign::Left, TextVAlign::Bottom);
    s.textOut(250, 140, "x 10 & <y>");
}

void drawInvertedShapes(Surface& s)
{
    s.setInvertMode(true);
    s.moveTo(0, 0);
    s.lineTo(50, 50);
    s.selectBrush({true, 0});
    s.rectangle(1, 1, 40, 40);
    s.ellipse(1, 1, 40, 40);
    s.beginPath();
    s.moveTo(1, 1);
    s.lineTo(9, 9);
    s.endPath();
    s.strokePath();
    s.setInvertMode(false);
}

}  // namespace kvx::test
