#include "render/page_scale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace kvx {
namespace {

// An A4-like page of 2000 x 1000 pixels on 200 x 100 mm.
constexpr DeviceSize page{2000, 1000, 200.0, 100.0};

TEST(PageScale, TheLimitingDirectionSetsTheEnlargementAndTheLineScale)
{
    // Wide: the width limits (5 against 10), the picture fills it.
    const PageScale wide = pageScale(400, 100, page);
    EXPECT_EQ(wide.t, 5.0);
    EXPECT_EQ(wide.pageMm, 200.0);
    EXPECT_EQ(wide.width, 2000);
    EXPECT_EQ(wide.height, 500);
    EXPECT_DOUBLE_EQ(wide.lineScale(1.5), 1.0 * 5.0 * 1.5);

    // Tall: the height limits, and the smaller page extent thickens lines more.
    const PageScale tall = pageScale(300, 200, page);
    EXPECT_EQ(tall.t, 5.0);
    EXPECT_EQ(tall.pageMm, 100.0);
    EXPECT_EQ(tall.width, 1500);
    EXPECT_EQ(tall.height, 1000);
    EXPECT_DOUBLE_EQ(tall.lineScale(2.0), std::sqrt(2.0) * 5.0 * 2.0);

    // A tie takes the height's millimetres.
    const PageScale tie = pageScale(400, 200, page);
    EXPECT_EQ(tie.t, 5.0);
    EXPECT_EQ(tie.pageMm, 100.0);
    EXPECT_TRUE(tie.fits());

    // A minimised window has nothing to put on the page.
    EXPECT_FALSE(pageScale(0, 200, page).fits());
}

}  // namespace
}  // namespace kvx
