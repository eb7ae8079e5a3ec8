#include "picture/svg_surface.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "picture/svg_file.h"
#include "support/fake_text_measurer.h"
#include "support/temp_dir.h"
#include "support/test_picture.h"

namespace kvx {
namespace {

using test::FakeMeasurer;

// The elements of the document with the given tag, one string each, with
// the paint they take from the groups around them put in front of their end.
std::vector<std::string> elements(const std::string& document, const std::string& tag)
{
    std::vector<std::string> out;
    std::vector<std::string> paints;  // of the open groups, empty for other groups
    const std::regex anyTag("</?[a-zA-Z]+[^>]*>");
    for (auto it = std::sregex_iterator(document.begin(), document.end(), anyTag);
         it != std::sregex_iterator(); ++it) {
        const std::string t = it->str();
        if (t == "</g>") {
            if (!paints.empty()) {
                paints.pop_back();
            }
            continue;
        }
        if (t.rfind("<g ", 0) == 0 && tag != "g") {
            const bool paint = t.rfind("<g fill=", 0) == 0 || t.rfind("<g font-family=", 0) == 0;
            paints.push_back(paint ? t.substr(2, t.size() - 3) : "");
            continue;
        }
        if (t.rfind("<g ", 0) == 0) {
            out.push_back(t);
            continue;
        }
        if (t.rfind("<" + tag, 0) != 0 || !(t[tag.size() + 1] == ' ' || t[tag.size() + 1] == '>')) {
            continue;
        }
        std::string inherited;
        for (const std::string& p : paints) {
            inherited += p;
        }
        const std::size_t end = t.ends_with("/>") ? t.size() - 2 : t.size() - 1;
        out.push_back(t.substr(0, end) + inherited + t.substr(end));
    }
    return out;
}

bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

class SvgSurfaceTest : public testing::Test {
protected:
    FakeMeasurer measurer;
    SvgSurface svg{320, 200, measurer, "Kvx - A & B"};
    Pen black{PenStyle::Solid, 1, rgb(0, 0, 0)};
};

TEST_F(SvgSurfaceTest, DocumentHasOneRootOfThePictureSize)
{
    const std::string& doc = svg.finish();
    EXPECT_EQ(doc.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
    EXPECT_EQ(elements(doc, "svg").size(), 1u);
    EXPECT_TRUE(contains(doc, "width=\"320\" height=\"200\" viewBox=\"0 0 320 200\""));
    EXPECT_TRUE(contains(doc, "<title>Kvx - A &amp; B</title>"));
    EXPECT_TRUE(doc.ends_with("</svg>\n"));
    svg.lineTo(10, 10);  // after finish nothing changes
    EXPECT_EQ(svg.finish(), doc);
    const DeviceSize size = svg.deviceSize();
    EXPECT_EQ(size.widthPixels, 320);
    EXPECT_NEAR(size.heightMm, 200 * 25.4 / 96, 1e-9);
}

TEST_F(SvgSurfaceTest, OnePixelLinesRunOnPixelCentresAndStopBeforeTheEndPixel)
{
    svg.selectPen(black);
    svg.moveTo(10, 10);  // covers x 10 .. 19
    svg.lineTo(20, 10);
    svg.moveTo(40, 30);  // upward: covers y 30 down to 21
    svg.lineTo(40, 20);
    svg.moveTo(50, 50);  // a single pixel
    svg.lineTo(51, 50);
    svg.moveTo(0, 0);  // nothing
    svg.lineTo(0, 0);
    const std::vector<std::string> paths = elements(svg.finish(), "path");
    ASSERT_EQ(paths.size(), 3u);
    EXPECT_TRUE(contains(paths[0], "d=\"M10 10.5 L20 10.5\"")) << paths[0];
    EXPECT_TRUE(contains(paths[0], "stroke-width=\"1\" stroke-linecap=\"butt\""));
    EXPECT_TRUE(contains(paths[0], "fill=\"none\" stroke=\"#000000\""));
    EXPECT_TRUE(contains(paths[1], "d=\"M40.5 31 L40.5 21\"")) << paths[1];
    EXPECT_TRUE(contains(paths[2], "d=\"M50 50.5 L51 50.5\"")) << paths[2];
}

TEST_F(SvgSurfaceTest, JoinedLinesBecomeOnePathWhoseDashesRunOn)
{
    svg.selectPen({PenStyle::Dash, 1, rgb(255, 0, 0)});
    svg.moveTo(0, 5);
    svg.lineTo(30, 5);
    svg.lineTo(30, 25);
    svg.lineTo(60, 25);
    svg.setPixel(100, 100, rgb(0, 0, 255));  // something else in between
    svg.moveTo(60, 25);
    svg.lineTo(80, 25);
    svg.selectPen({PenStyle::DashDot, 1, rgb(255, 0, 0)});
    svg.lineTo(90, 25);
    const std::vector<std::string> paths = elements(svg.finish(), "path");
    ASSERT_EQ(paths.size(), 3u);
    EXPECT_TRUE(contains(paths[0], "d=\"M0 5.5 L30.5 5.5 L30.5 25.5 L60 25.5\"")) << paths[0];
    EXPECT_TRUE(contains(paths[0], "stroke-dasharray=\"18 6\""));
    EXPECT_FALSE(contains(paths[0], "stroke-dashoffset"));
    // The continuation starts where the first path's dashes stopped.
    EXPECT_TRUE(contains(paths[1], "stroke-dashoffset=\"80\"")) << paths[1];
    EXPECT_TRUE(contains(paths[2], "stroke-dasharray=\"9 6 3 6\""));
    EXPECT_FALSE(contains(paths[2], "stroke-dashoffset"));
    EXPECT_EQ(elements(svg.finish(), "rect").size(), 1u);
}

TEST_F(SvgSurfaceTest, RectanglesAndEllipsesOutlineTheirOutermostPixels)
{
    svg.selectPen(black);
    svg.selectBrush({false, rgb(255, 255, 0)});
    svg.rectangle(10, 20, 30, 60);
    svg.ellipse(10, 20, 30, 60);
    svg.selectBrush({true, 0});
    svg.rectangle(30, 60, 10, 20);  // corners in any order
    svg.rectangle(5, 5, 6, 9);     // one pixel wide: just the pen's colour
    svg.selectPen({PenStyle::None, 1, 0});
    svg.selectBrush({false, rgb(0, 255, 0)});
    svg.rectangle(10, 20, 30, 60);  // no outline: one pixel smaller
    svg.fillRect(1, 2, 3, 4, rgb(1, 2, 3));
    const std::string& doc = svg.finish();
    const std::vector<std::string> rects = elements(doc, "rect");
    ASSERT_EQ(rects.size(), 5u);
    EXPECT_TRUE(contains(rects[0], "x=\"10.5\" y=\"20.5\" width=\"19\" height=\"39\" fill=\"#ffff00\" stroke=\"#000000\" stroke-width=\"1\""))
        << rects[0];
    EXPECT_TRUE(contains(rects[1], "x=\"10.5\" y=\"20.5\" width=\"19\" height=\"39\" fill=\"none\""));
    EXPECT_TRUE(contains(rects[2], "x=\"5\" y=\"5\" width=\"1\" height=\"4\" fill=\"#000000\""));
    EXPECT_TRUE(contains(rects[3], "x=\"10\" y=\"20\" width=\"19\" height=\"39\" fill=\"#00ff00\""));
    EXPECT_TRUE(contains(rects[4], "x=\"1\" y=\"2\" width=\"2\" height=\"2\" fill=\"#010203\""));
    const std::vector<std::string> ellipses = elements(doc, "ellipse");
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_TRUE(contains(ellipses[0], "cx=\"20\" cy=\"40\" rx=\"9.5\" ry=\"19.5\" fill=\"#ffff00\""))
        << ellipses[0];
}

TEST_F(SvgSurfaceTest, PathsStrokeTheirOutlineOnly)
{
    svg.selectPen({PenStyle::Solid, 2, rgb(0, 0, 255), true});
    svg.beginPath();
    svg.moveTo(10, 20);
    svg.lineTo(20, 20);
    svg.lineTo(15, 10);
    svg.closeFigure();
    svg.moveTo(30, 15);
    svg.lineTo(40, 15);
    svg.endPath();
    svg.strokePath();
    svg.strokePath();  // the path is used up
    const std::vector<std::string> paths = elements(svg.finish(), "path");
    ASSERT_EQ(paths.size(), 1u);
    EXPECT_TRUE(contains(paths[0], "d=\"M10.5 20.5 L20.5 20.5 L15.5 10.5 Z M30.5 15.5 L40.5 15.5\""))
        << paths[0];
    EXPECT_TRUE(contains(paths[0], "fill=\"none\""));
    EXPECT_TRUE(contains(paths[0], "stroke-width=\"2\" stroke-linecap=\"square\" stroke-linejoin=\"miter\""));
}

TEST_F(SvgSurfaceTest, ClipRectsBecomeClipPathsAroundWhatFollows)
{
    svg.selectPen(black);
    svg.setClipRect(10, 10, 20, 20);
    svg.moveTo(0, 0);
    svg.lineTo(30, 30);
    svg.setClipRect(40, 50, 30, 20);
    svg.setPixel(35, 35, 0);
    svg.removeClip();
    svg.setPixel(1, 1, 0);
    svg.setClipRect(0, 0, 5, 5);  // left open: finish closes it
    const std::string& doc = svg.finish();
    const std::regex clip("<clipPath id=\"(clip\\d+)\"><rect x=\"(\\d+)\" y=\"(\\d+)\" width=\"(\\d+)\" height=\"(\\d+)\"/></clipPath>\n<g clip-path=\"url\\(#(clip\\d+)\\)\">");
    std::vector<std::string> ids;
    std::vector<std::string> boxes;
    for (auto it = std::sregex_iterator(doc.begin(), doc.end(), clip); it != std::sregex_iterator(); ++it) {
        EXPECT_EQ((*it)[1], (*it)[6]);
        ids.push_back((*it)[1]);
        boxes.push_back((*it)[2].str() + " " + (*it)[3].str() + " " + (*it)[4].str() + " " + (*it)[5].str());
    }
    ASSERT_EQ(ids.size(), 3u);
    EXPECT_NE(ids[0], ids[1]);
    EXPECT_NE(ids[1], ids[2]);
    EXPECT_EQ(boxes[0], "10 10 10 10");
    EXPECT_EQ(boxes[1], "30 20 10 30");
    EXPECT_EQ(boxes[2], "0 0 5 5");
    // Every group is closed, the line is inside the first one, the pixel at
    // (1, 1) outside all of them.
    size_t closes = 0;
    for (size_t at = doc.find("</g>"); at != std::string::npos; at = doc.find("</g>", at + 1)) {
        ++closes;
    }
    EXPECT_EQ(closes, elements(doc, "g").size());
    const size_t line = doc.find("<path");
    EXPECT_GT(line, doc.find("url(#" + ids[0]));
    EXPECT_LT(line, doc.find("</g>"));
    const size_t outside = doc.find("<rect x=\"1\" y=\"1\"");
    EXPECT_GT(outside, doc.find("</g>", doc.find("url(#" + ids[1])));
    EXPECT_LT(outside, doc.find("url(#" + ids[2]));
}

TEST_F(SvgSurfaceTest, InvertModeLeavesBandsOutOfTheFile)
{
    svg.selectPen(black);
    test::drawInvertedShapes(svg);
    svg.lineTo(60, 9);  // from where the path left the pen
    const std::string& doc = svg.finish();
    EXPECT_TRUE(elements(doc, "rect").empty());
    EXPECT_TRUE(elements(doc, "ellipse").empty());
    ASSERT_EQ(elements(doc, "path").size(), 1u);
    EXPECT_TRUE(contains(elements(doc, "path")[0], "M9 9.5 L60 9.5"));
}

TEST_F(SvgSurfaceTest, TextIsPlacedFromItsMeasuredExtentAndMetrics)
{
    svg.selectFont({17, false});
    svg.setTextColor(rgb(255, 255, 255));
    svg.setTextBackground(rgb(64, 64, 64));
    svg.setTextAlign(TextHAlign::Right, TextVAlign::Top);
    svg.textOut(100, 50, "1.25");  // 40 wide, ascent 15
    svg.setTextBackgroundOpaque(false);
    svg.setTextAlign(TextHAlign::Center, TextVAlign::Bottom);
    svg.selectFont({17, true});
    svg.textOut(30, 90, "Volt");  // vertical, centred: 20 to the right in its own frame
    svg.setTextAlign(TextHAlign::Left, TextVAlign::Baseline);
    svg.selectFont({14, false});
    svg.textOut(5, 6, "x");
    const std::string& doc = svg.finish();
    const std::vector<std::string> texts = elements(doc, "text");
    std::vector<std::string> groups;
    for (const std::string& g : elements(doc, "g")) {
        if (contains(g, "transform")) {
            groups.push_back(g);
        }
    }
    ASSERT_EQ(texts.size(), 3u);
    ASSERT_EQ(groups.size(), 2u);  // text at its place needs none
    EXPECT_EQ(groups[0], "<g transform=\"translate(100 50)\">");
    EXPECT_TRUE(contains(texts[0], "x=\"-40\" y=\"15\"")) << texts[0];
    EXPECT_TRUE(contains(texts[0], "font-family=\"Arial, 'Liberation Sans'"));
    EXPECT_TRUE(contains(texts[0], "textLength=\"40\" font-family"));
    EXPECT_TRUE(contains(texts[0], "font-size=\"17\" font-weight=\"700\" fill=\"#ffffff\""));
    EXPECT_TRUE(contains(doc, "<rect x=\"-40\" y=\"0\" width=\"40\" height=\"19\" fill=\"#404040\"/><text"));
    EXPECT_EQ(groups[1], "<g transform=\"translate(30 90) rotate(-90)\">");
    EXPECT_TRUE(contains(texts[1], "x=\"-20\" y=\"-4\"")) << texts[1];
    EXPECT_TRUE(contains(texts[2], "x=\"5\" y=\"6\"")) << texts[2];
    EXPECT_TRUE(contains(texts[2], "font-size=\"14\""));
    EXPECT_EQ(elements(doc, "rect").size(), 1u);  // only the opaque text has a cell
}

TEST_F(SvgSurfaceTest, TextsAreEscapedAndInvalidBytesReplaced)
{
    svg.textOut(0, 0, "<a href=\"x\">&amp;'</a>");
    svg.textOut(0, 20, "\xff|\xe2\x82|\x01|\xc3\xa4\xe2\x82\xac");
    const std::string& doc = svg.finish();
    EXPECT_TRUE(contains(doc, ">&lt;a href=&quot;x&quot;&gt;&amp;amp;&apos;&lt;/a&gt;</text>"));
    EXPECT_TRUE(contains(doc, ">\xef\xbf\xbd|\xef\xbf\xbd\xef\xbf\xbd|\xef\xbf\xbd|\xc3\xa4\xe2\x82\xac</text>"));
    EXPECT_FALSE(contains(doc, "\xff"));
    EXPECT_FALSE(contains(doc, "\x01"));
}

TEST(SvgFile, WritesTheDocumentOnFinish)
{
    test::TempDir dir;
    const std::string path = dir.file("plot.svg");
    SvgFile file(path, 100, 80, std::make_unique<FakeMeasurer>());
    file.surface().fillRect(0, 0, 100, 80, rgb(255, 255, 255));
    EXPECT_FALSE(test::fileExists(path));
    ASSERT_TRUE(file.finish());
    const std::string written = test::readFile(path);
    EXPECT_TRUE(written.ends_with("</svg>\n"));
    ASSERT_EQ(elements(written, "rect").size(), 1u);
    EXPECT_TRUE(contains(elements(written, "rect")[0], "<rect x=\"0\" y=\"0\" width=\"100\" height=\"80\" fill=\"#ffffff\""));

    SvgFile nowhere(dir.file("missing/plot.svg"), 10, 10, std::make_unique<FakeMeasurer>());
    EXPECT_FALSE(nowhere.finish());
}

}  // namespace
}  // namespace kvx
