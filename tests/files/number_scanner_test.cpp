#include "files/number_scanner.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <string>
#include <vector>

namespace kvx {
namespace {

using Result = NumberScanner::Result;

// What a lone sign gives in the values below.
constexpr double blank = -12345.0;

std::vector<double> reals(std::string_view line)
{
    NumberScanner scanner(line);
    std::vector<double> values;
    double value = 0.0;
    for (Result r; (r = scanner.nextReal(value)) != Result::Missing;) {
        values.push_back(r == Result::Converted ? value : blank);
    }
    return values;
}

using Values = std::vector<double>;

TEST(NumberScanner, SeparatorsAndTextBetweenNumbers)
{
    EXPECT_EQ(reals("Time: 1.5; 2"), (Values{1.5, 2}));
    EXPECT_EQ(reals("1,5"), (Values{1, 5}));
    EXPECT_EQ(reals(" 1\t2 ;;3,,4 "), (Values{1, 2, 3, 4}));
    EXPECT_EQ(reals("x1 y1"), (Values{1, 1}));
    EXPECT_EQ(reals("time,voltage"), Values{});
    EXPECT_EQ(reals(std::string("\0\x01" "7\xff", 4)), (Values{7}));
}

TEST(NumberScanner, TheRestOfATokenIsSkipped)
{
    EXPECT_EQ(reals("1-2"), (Values{1}));
    EXPECT_EQ(reals("1.5abc2 3"), (Values{1.5, 3}));
    EXPECT_EQ(reals("3e-4 1.5E+03 -2.5 +7"), (Values{3e-4, 1.5e3, -2.5, 7}));
    EXPECT_EQ(reals("1e 2e+ 4.e1"), (Values{1, 2, 40}));
    // Hexadecimal is read as its leading zero.
    EXPECT_EQ(reals("0x10"), (Values{0}));
}

TEST(NumberScanner, ALeadingPointStartsANumber)
{
    EXPECT_EQ(reals(".5 +.5 -.5 .000001;1.2"), (Values{0.5, 0.5, -0.5, 1e-6, 1.2}));
    EXPECT_EQ(reals("v.25 . .x -. 1..5"), (Values{0.25, 1}));
}

TEST(NumberScanner, ASignIsANumberOnlyBeforeADigitAndBlankAlone)
{
    EXPECT_EQ(reals("Saint-Etienne SUB-SAHARAN 3"), (Values{3}));
    EXPECT_EQ(reals("-x +-1 -nan -inf a- -b 2"), (Values{-1, 2}));
    EXPECT_EQ(reals("1 - 2,+;-"), (Values{1, blank, 2, blank, blank}));
    // A blank leaves the value as it was.
    NumberScanner scanner("-");
    double value = 42.0;
    EXPECT_EQ(scanner.nextReal(value), Result::Blank);
    EXPECT_EQ(value, 42.0);
    EXPECT_EQ(scanner.nextReal(value), Result::Missing);
}

TEST(NumberScanner, InfinityAndNanWordsAreText)
{
    EXPECT_EQ(reals("inf nan infinity"), Values{});
}

TEST(NumberScanner, OutOfRangeNumbersSaturate)
{
    EXPECT_EQ(reals("1e999 -1e999 1e-999"), (Values{DBL_MAX, -DBL_MAX, 0.0}));
    const Values tiny = reals("-1e-999");
    ASSERT_EQ(tiny.size(), 1u);
    EXPECT_TRUE(std::signbit(tiny[0]));
    EXPECT_EQ(reals(std::string(400, '9')), (Values{DBL_MAX}));
    // Denormals are values, not underflows.
    EXPECT_EQ(reals("4.9406564584124654e-324"), (Values{4.9406564584124654e-324}));
}

TEST(NumberScanner, IntegersEndAtTheFirstNonDigit)
{
    NumberScanner scanner("1.0 -3 +4 99999999999 x");
    int32_t value = 0;
    EXPECT_EQ(scanner.nextInteger(value), Result::Converted);
    EXPECT_EQ(value, 1);
    double real = 0.0;
    EXPECT_EQ(scanner.nextReal(real), Result::Converted);  // the "0" after the point
    EXPECT_EQ(real, 0.0);
    EXPECT_EQ(scanner.nextInteger(value), Result::Converted);
    EXPECT_EQ(value, -3);
    EXPECT_EQ(scanner.nextInteger(value), Result::Converted);
    EXPECT_EQ(value, 4);
    EXPECT_EQ(scanner.nextInteger(value), Result::Converted);
    EXPECT_EQ(value, 2147483647);
    EXPECT_EQ(scanner.nextInteger(value), Result::Missing);

    NumberScanner lone("- .5 5");
    value = 9;
    EXPECT_EQ(lone.nextInteger(value), Result::Blank);
    EXPECT_EQ(value, 9);
    EXPECT_EQ(lone.nextInteger(value), Result::Converted);
    EXPECT_EQ(value, 0);
    EXPECT_EQ(lone.nextInteger(value), Result::Converted);
    EXPECT_EQ(value, 5);
}

TEST(NumberScanner, CountsNumberStarts)
{
    EXPECT_EQ(NumberScanner::count(""), 0u);
    EXPECT_EQ(NumberScanner::count("NEW"), 0u);
    EXPECT_EQ(NumberScanner::count("1 2 1.0 3 0"), 5u);
    EXPECT_EQ(NumberScanner::count("1 - 2"), 3u);
    EXPECT_EQ(NumberScanner::count("1-2 .5"), 2u);
    EXPECT_EQ(NumberScanner::count("Saint-Etienne -x 45.4"), 1u);
}

}  // namespace
}  // namespace kvx
