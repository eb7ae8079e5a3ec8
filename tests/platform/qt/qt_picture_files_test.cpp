#include "platform/qt/qt_picture_files.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include <QFile>
#include <QImage>
#include <QXmlStreamReader>

#include "platform/qt/qt_image_surface.h"
#include "platform/qt/qt_text_measurer.h"
#include "picture/svg_surface.h"
#include "support/temp_dir.h"
#include "support/test_picture.h"

namespace kvx {
namespace {

using test::TempDir;

int run(const std::string& command)
{
    return std::system((command + " >/dev/null 2>&1").c_str());
}

std::string output(const std::string& command)
{
    std::string text;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[512];
        while (fgets(buffer, sizeof buffer, pipe)) {
            text += buffer;
        }
        pclose(pipe);
    }
    return text;
}

QImage referencePicture()
{
    QtImageSurface surface(test::testPictureWidth, test::testPictureHeight);
    test::drawTestPicture(surface);
    return surface.image().convertToFormat(QImage::Format_RGB32);
}

bool writePicture(PictureFormat format, const std::string& path)
{
    auto file = createPictureFile(format, path, test::testPictureWidth, test::testPictureHeight,
                                  "Kvx - Test & <Picture>");
    test::drawTestPicture(file->surface());
    return file->finish();
}

// The share of pixels whose colour differs clearly from the reference.
double differingShare(const QImage& a, const QImage& b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int d = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                    std::abs(qBlue(p) - qBlue(q))});
            differing += d > 96 ? 1 : 0;
        }
    }
    return static_cast<double>(differing) / (a.width() * a.height());
}

bool isNear(QRgb p, Color c)
{
    return std::abs(qRed(p) - static_cast<int>(redOf(c))) < 40 &&
           std::abs(qGreen(p) - static_cast<int>(greenOf(c))) < 40 &&
           std::abs(qBlue(p) - static_cast<int>(blueOf(c))) < 40;
}

// Checks a rendering of the picture: its size, the solid box exactly where
// it belongs, the clipped red box only inside its clip, and overall likeness.
void expectLikeTheReference(const QImage& rendered)
{
    ASSERT_EQ(rendered.width(), test::testPictureWidth);
    ASSERT_EQ(rendered.height(), test::testPictureHeight);
    const QImage reference = referencePicture();
    for (int x = test::markBoxLeft; x < test::markBoxRight; ++x) {
        EXPECT_TRUE(isNear(rendered.pixel(x, test::markBoxTop), rgb(0, 0, 0))) << x;
        EXPECT_TRUE(isNear(rendered.pixel(x, test::markBoxBottom - 1), rgb(0, 0, 0))) << x;
        EXPECT_TRUE(isNear(rendered.pixel(x, test::markBoxTop - 1), rgb(255, 255, 255))) << x;
        EXPECT_TRUE(isNear(rendered.pixel(x, test::markBoxBottom), rgb(255, 255, 255))) << x;
    }
    const int midY = (test::clipTop + test::clipBottom) / 2;
    EXPECT_TRUE(isNear(rendered.pixel(test::clipLeft, midY), rgb(255, 0, 0)));
    EXPECT_TRUE(isNear(rendered.pixel(test::clipRight - 1, midY), rgb(255, 0, 0)));
    EXPECT_TRUE(isNear(rendered.pixel(test::clipLeft - 1, midY), rgb(255, 255, 255)));
    EXPECT_TRUE(isNear(rendered.pixel(test::clipRight, midY), rgb(255, 255, 255)));
    EXPECT_TRUE(isNear(rendered.pixel(test::clipLeft + 10, test::clipTop - 1), rgb(255, 255, 255)));
    EXPECT_LT(differingShare(rendered, reference), 0.02);
}

TEST(QtPictureFiles, PngHoldsExactlyTheRasterPicture)
{
    TempDir dir;
    ASSERT_TRUE(writePicture(PictureFormat::Png, dir.file("picture.png")));
    QImage written(QString::fromStdString(dir.file("picture.png")));
    ASSERT_FALSE(written.isNull());
    EXPECT_EQ(written.convertToFormat(QImage::Format_RGB32), referencePicture());
}

TEST(QtPictureFiles, PdfRendersLikeTheRasterPictureWithItsFontEmbedded)
{
    TempDir dir;
    const std::string pdf = dir.file("picture.pdf");
    ASSERT_TRUE(writePicture(PictureFormat::Pdf, pdf));
    std::ifstream in(pdf, std::ios::binary);
    std::string head(5, '\0');
    in.read(head.data(), 5);
    EXPECT_EQ(head, "%PDF-");

    const std::string fonts = output("pdffonts '" + pdf + "'");
    EXPECT_NE(fonts.find("LiberationSans-Bold"), std::string::npos) << fonts;
    EXPECT_NE(fonts.find(" yes "), std::string::npos) << fonts;  // embedded
    EXPECT_NE(output("pdfinfo '" + pdf + "'").find("Kvx - Test & <Picture>"), std::string::npos);

    ASSERT_EQ(run("pdftoppm -r 96 -png -singlefile '" + pdf + "' '" + dir.file("pdf") + "'"), 0);
    expectLikeTheReference(QImage(QString::fromStdString(dir.file("pdf.png"))).convertToFormat(QImage::Format_RGB32));
}

TEST(QtPictureFiles, SvgIsOneValidDocumentThatRendersLikeTheRasterPicture)
{
    TempDir dir;
    const std::string svg = dir.file("picture.svg");
    ASSERT_TRUE(writePicture(PictureFormat::Svg, svg));

    QFile file(QString::fromStdString(svg));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int roots = 0;
    int clipPaths = 0;
    int clippedGroups = 0;
    QString title;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        roots += xml.name() == QStringLiteral("svg") ? 1 : 0;
        clipPaths += xml.name() == QStringLiteral("clipPath") ? 1 : 0;
        clippedGroups += xml.attributes().hasAttribute(QStringLiteral("clip-path")) ? 1 : 0;
        if (xml.name() == QStringLiteral("title")) {
            title = xml.readElementText();
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(roots, 1);
    EXPECT_EQ(clipPaths, 1);
    EXPECT_EQ(clippedGroups, 1);
    EXPECT_EQ(title, QStringLiteral("Kvx - Test & <Picture>"));

    ASSERT_EQ(run("rsvg-convert '" + svg + "' -o '" + dir.file("svg.png") + "'"), 0);
    expectLikeTheReference(QImage(QString::fromStdString(dir.file("svg.png"))).convertToFormat(QImage::Format_RGB32));
}

TEST(QtPictureFiles, SvgTextsOfAnyBytesStayValidXml)
{
    QtTextMeasurer measurer;
    SvgSurface surface(200, 100, measurer);
    surface.selectFont({17, false});
    surface.textOut(10, 10, "a & b < c > d \" e ' f");
    surface.textOut(10, 40, "bad \xff\xfe, cut \xe2\x82, control \x01\x1f, fine \xc3\xa4");
    QXmlStreamReader xml(QString::fromStdString(surface.finish()));
    QStringList texts;
    while (!xml.atEnd()) {
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == QStringLiteral("text")) {
            texts << xml.readElementText();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    ASSERT_EQ(texts.size(), 2);
    EXPECT_EQ(texts[0], QStringLiteral("a & b < c > d \" e ' f"));
    const QString r(QChar(0xFFFD));
    EXPECT_EQ(texts[1], "bad " + r + r + ", cut " + r + r + ", control " + r + r + ", fine " + QChar(0xE4));
}

TEST(QtPictureFiles, UnwritablePathsMakeFinishFailWithTheReason)
{
    TempDir dir;
    for (PictureFormat format :
         {PictureFormat::Png, PictureFormat::Pdf, PictureFormat::Svg, PictureFormat::Emf}) {
        auto file = createPictureFile(format, dir.file("no/such/folder/picture"), 50, 40);
        test::drawTestPicture(file->surface());
        EXPECT_FALSE(file->finish());
        EXPECT_EQ(file->error(), "No such file or directory");
    }
}

TEST(QtPictureFiles, OnlyFinishedPicturesLeaveAFile)
{
    TempDir dir;
    for (PictureFormat format :
         {PictureFormat::Png, PictureFormat::Pdf, PictureFormat::Svg, PictureFormat::Emf}) {
        const std::string path = dir.file("abandoned");
        {
            auto file = createPictureFile(format, path, 50, 40);
            file->surface().fillRect(0, 0, 10, 10, rgb(0, 0, 0));
        }
        EXPECT_FALSE(test::fileExists(path));
    }
}

TEST(QtPictureFiles, TheMeasurerForWritersMeasuresLikeTheRasterSurface)
{
    QtImageSurface surface(10, 10);
    surface.selectFont({21, false});
    const std::unique_ptr<TextMeasurer> measurer = createTextMeasurer();
    EXPECT_EQ(measurer->textExtent({21, false}, "Tick 0.25").width, surface.textExtent("Tick 0.25").width);
    EXPECT_EQ(measurer->fontMetrics({21, false}).ascent, surface.fontMetrics().ascent);
}

}  // namespace
}  // namespace kvx
