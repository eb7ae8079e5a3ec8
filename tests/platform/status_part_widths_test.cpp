#include "platform/status_part_widths.h"

#include <gtest/gtest.h>

#include <vector>

namespace kvx {
namespace {

using Widths = std::vector<int>;

TEST(StatusPartWidths, PartsGiveUpTheirRoomBeyondTheTextsThenTheFirstOnesTheirTexts)
{
    const Widths wanted{200, 200, 100, 100, 100};
    const Widths needed{60, 80, 90, 120, 50};
    // Room for all: as laid out, a longer text widening its part.
    EXPECT_EQ(statusPartWidths(wanted, needed, 1000, 2), (Widths{200, 200, 100, 120, 100}));
    // 720 wanted in 640: each part keeps its text and 240 / 320 of the rest.
    EXPECT_EQ(statusPartWidths(wanted, needed, 640, 2), (Widths{165, 170, 97, 120, 87}));
    // Not even the texts fit: the first two give up the 40 missing pixels
    // in proportion to their texts, the others keep theirs whole.
    EXPECT_EQ(statusPartWidths(wanted, needed, 360, 2), (Widths{42, 57, 90, 120, 50}));
}

}  // namespace
}  // namespace kvx
