#include "platform/qt/qt_text_measurer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

#include <QFontInfo>
#include <QFontMetricsF>
#include <QList>
#include <QString>

#include "platform/utf8_text.h"

namespace kvx {
namespace {

TEST(QtTextMeasurer, ArialResolvesToTheBoldLiberationSans)
{
    QtTextMeasurer measurer;
    const QFontInfo info(measurer.qtFont({17, false}));
    EXPECT_EQ(info.family(), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(info.styleName(), QStringLiteral("Bold"));
    EXPECT_EQ(info.pixelSize(), 17);
}

TEST(QtTextMeasurer, MetricsAreQtsRoundedMetricsWithTheLeadingsOfTheSystem)
{
    QtTextMeasurer measurer;
    // Measured on this platform for a 16-pixel Liberation Sans.
    const FontMetrics m16 = measurer.fontMetrics({16, false});
    EXPECT_EQ(m16.height, 17);
    EXPECT_EQ(m16.ascent, 14);
    EXPECT_EQ(m16.descent, 3);
    EXPECT_EQ(m16.externalLeading, 1);
    EXPECT_EQ(m16.internalLeading, 1);

    for (int height : {8, 12, 17, 24, 127}) {
        const FontMetrics m = measurer.fontMetrics({height, false});
        const QFontMetricsF exact(measurer.qtFont({height, false}));
        EXPECT_EQ(m.ascent, std::lround(exact.ascent())) << height;
        EXPECT_EQ(m.descent, std::lround(exact.descent())) << height;
        EXPECT_EQ(m.height, m.ascent + m.descent) << height;
        EXPECT_EQ(m.internalLeading, m.height - height) << height;
        EXPECT_GE(m.externalLeading, 0) << height;
        const FontMetrics vertical = measurer.fontMetrics({height, true});
        EXPECT_EQ(vertical.height, m.height);
        EXPECT_EQ(vertical.ascent, m.ascent);
    }
}

TEST(QtTextMeasurer, ExtentsAndAdvancesAgree)
{
    QtTextMeasurer measurer;
    const Font font{17, false};
    const TextSize one = measurer.textExtent(font, "1.5");
    const TextSize two = measurer.textExtent(font, "1.5 1.5");
    EXPECT_GT(one.width, 0);
    EXPECT_GT(two.width, 2 * one.width);
    EXPECT_EQ(one.height, measurer.fontMetrics(font).height);
    EXPECT_EQ(measurer.textExtent(font, "").width, 0);
    // Smaller fonts measure smaller.
    EXPECT_LT(measurer.textExtent({14, false}, "1.5").width, one.width);

    for (const char* text : {"Velocity [km/h]", "Wert \xc3\x84\xc3\x96 \xe2\x82\xac", "a\xff" "b\xe2\x82", ""}) {
        const std::vector<int> advances = measurer.characterAdvances(font, text);
        EXPECT_EQ(advances.size(), decodeUtf8(text).size()) << text;
        EXPECT_EQ(std::accumulate(advances.begin(), advances.end(), 0),
                  measurer.textExtent(font, text).width)
            << text;
    }
}

TEST(QtTextMeasurer, InvalidBytesCountLikeTheToolkitCountsThem)
{
    // The writers rely on one replacement character per stray byte; Qt's own
    // decoding agrees for the usual faults (a stray byte, a cut sequence).
    for (const char* text : {"a\xff" "b", "\xe2\x82" "c", "\xc3", "x\x80\x80y"}) {
        EXPECT_EQ(decodeUtf8(text).size(),
                  static_cast<size_t>(QString::fromUtf8(text).toUcs4().size()))
            << text;
    }
}

}  // namespace
}  // namespace kvx
