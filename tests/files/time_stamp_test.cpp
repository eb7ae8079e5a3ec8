#include "files/time_stamp.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace kvx {
namespace {

TEST(TimeStamp, EveryFormOfLoggersReadsAsSecondsSince1970AndNothingElseDoes)
{
    const double t = 1796685326.0;  // 2026-12-07 23:15:26
    const std::vector<std::pair<std::string, double>> read{
        {"2026-12-07T23:15:26", t},
        {"2026-12-07 23:15:26", t},
        {"2026-12-07T23:15:26.25Z", t + 0.25},
        {"2026-12-07T23:15:26+01:00", t - 3600},
        {"2026-12-07T23:15:26-0530", t + 19800},
        {"2026-12-07T23:15+01", t - 26 - 3600},
        {"2026-12-07", 1796601600.0},
        {"2026/12/07 23:15:26", t},
        {"07.12.2026 23:15:26", t},
        {"1969-12-31 23:59:59", -1.0},
        {"2024-02-29", 1709164800.0},
    };
    for (const auto& [text, seconds] : read) {
        const auto got = parseTimeStamp(text);
        ASSERT_TRUE(got.has_value()) << text;
        EXPECT_DOUBLE_EQ(*got, seconds) << text;
    }
    for (const char* text : {"2026-02-30", "2025-02-29", "2026-12-07 24:00", "2026-12-07T23:61", "2026-13-01",
                             "2026-12-07T23:15:26+25:00", "2026-12-07 23:15:26 x", "2026/12/07T23:15", "12.5",
                             "2026", "-5", "", "2026-12-7", "07.12.2026T23:15"}) {
        EXPECT_FALSE(parseTimeStamp(text).has_value()) << text;
    }
}

}  // namespace
}  // namespace kvx
