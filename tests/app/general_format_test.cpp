#include "app/general_format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace kvx {
namespace {

// printf's own text in the "C" locale, restoring the locale afterwards.
std::string printfGeneral(double value, int precision)
{
    const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
    std::setlocale(LC_NUMERIC, "C");
    char buffer[1200];
    std::snprintf(buffer, sizeof buffer, "%.*g", precision, value);
    std::setlocale(LC_NUMERIC, saved.c_str());
    return buffer;
}

TEST(GeneralFormat, WritesTheTextsOfPercentG)
{
    EXPECT_EQ(formatGeneral(1e6), "1e+06");
    EXPECT_EQ(formatGeneral(100000.0), "100000");
    EXPECT_EQ(formatGeneral(1e-5), "1e-05");
    EXPECT_EQ(formatGeneral(0.0001), "0.0001");
    EXPECT_EQ(formatGeneral(53.13010235415598), "53.1301");
    EXPECT_EQ(formatGeneral(-0.0), "-0");
    EXPECT_EQ(formatGeneral(1e300), "1e+300");
    EXPECT_EQ(formatGeneral(9.9999996), "10");
    EXPECT_EQ(formatGeneral(0.49999, 4), "0.5");
    EXPECT_EQ(formatGeneral(2.5, 0), "2");
    EXPECT_EQ(formatGeneral(123456.0, -1), "123456");
    EXPECT_EQ(formatGeneral(0.1, 17), "0.10000000000000001");
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::infinity()), "inf");
    EXPECT_EQ(formatGeneral(-std::numeric_limits<double>::infinity()), "-inf");
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::quiet_NaN()), "nan");
    EXPECT_EQ(formatGeneral(-std::numeric_limits<double>::quiet_NaN()), "-nan");
}

TEST(GeneralFormat, MatchesPrintfForBoundaryValuesAndPrecisions)
{
    const double values[] = {0.0,
                             -0.0,
                             1.0,
                             -1.0,
                             0.5,
                             0.05,
                             0.00001,
                             0.000099999999,
                             999999.5,
                             9999995.0,
                             1e15,
                             1e16,
                             1e17,
                             123456789012345678.0,
                             1.0 / 3.0,
                             2.0 / 3.0,
                             std::numeric_limits<double>::max(),
                             std::numeric_limits<double>::lowest(),
                             std::numeric_limits<double>::min(),
                             std::numeric_limits<double>::denorm_min(),
                             std::numeric_limits<double>::epsilon(),
                             std::numeric_limits<double>::infinity()};
    for (double v : values) {
        for (int p = -2; p <= 40; ++p) {
            EXPECT_EQ(formatGeneral(v, p), printfGeneral(v, p)) << "value " << v << " precision " << p;
        }
    }
    // Beyond a double's 767 significant digits the text does not grow.
    EXPECT_EQ(formatGeneral(std::numeric_limits<double>::denorm_min(), 1000),
              printfGeneral(std::numeric_limits<double>::denorm_min(), 1000));
}

TEST(GeneralFormat, MatchesPrintfForManyRandomValues)
{
    std::mt19937_64 random(20240611);
    std::uniform_int_distribution<int> precision(-1, 18);
    std::uniform_real_distribution<double> mantissa(-10.0, 10.0);
    std::uniform_int_distribution<int> exponent(-30, 30);
    for (int i = 0; i < 20000; ++i) {
        // Half of them any bit pattern (subnormals, NaNs, the extremes),
        // half of them values of the sizes that plots show.
        double v;
        if (i % 2 == 0) {
            const uint64_t bits = random();
            std::memcpy(&v, &bits, sizeof v);
        } else {
            v = mantissa(random) * std::pow(10.0, exponent(random));
        }
        const int p = precision(random);
        ASSERT_EQ(formatGeneral(v, p), printfGeneral(v, p)) << "precision " << p;
    }
}

}  // namespace
}  // namespace kvx
