// The images compiled into the Qt library reach a program that links it.

#include <gtest/gtest.h>

#include <QImage>
#include <QString>

namespace {

TEST(QtResourcesTest, IconSizesLoad)
{
    for (int size : {16, 32, 48, 128}) {
        const QImage image(QString(":/kvx/images/kvx_%1.png").arg(size));
        ASSERT_FALSE(image.isNull()) << size;
        EXPECT_EQ(image.width(), size);
        EXPECT_EQ(image.height(), size);
        // Rounded corners: the corner pixel is (nearly) transparent, the centre opaque.
        EXPECT_LT(qAlpha(image.pixel(0, 0)), 16) << size;
        EXPECT_EQ(qAlpha(image.pixel(size / 2, size / 2)), 255) << size;
    }
}

TEST(QtResourcesTest, AboutBitmapLoadsWithItsDoubleSize)
{
    const QImage bitmap(":/kvx/images/bmp_kurvex.png");
    ASSERT_FALSE(bitmap.isNull());
    EXPECT_EQ(bitmap.size(), QSize(160, 100));
    const QImage doubled(":/kvx/images/bmp_kurvex@2x.png");
    EXPECT_EQ(doubled.size(), QSize(320, 200));
}

}  // namespace
