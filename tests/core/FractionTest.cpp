#include "core/Fraction.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

using namespace molvane;

namespace {

struct TextCase
{
    const char *name;
    const char *text;
    std::int64_t numerator, denominator;
};

class FromTextReads : public testing::TestWithParam<TextCase>
{
};

TEST_P(FromTextReads, IntoFields)
{
    const TextCase &c = GetParam();
    EXPECT_EQ(FromText(c.text), (Fraction { c.numerator, c.denominator }));
}

INSTANTIATE_TEST_SUITE_P(Fractions, FromTextReads,
    testing::Values(TextCase { "NegativeDenominatorMovesSign", "6/-4", -3, 2 },
        TextCase { "IntegerAlone", "4", 4, 1 }, TextCase { "PlusSign", "+3/2", 3, 2 },
        TextCase { "NegativeInteger", "-7", -7, 1 },
        TextCase { "ZeroIsNotNormalised", "0/5", 0, 5 },
        TextCase { "ZeroDenominatorSurvives", "3/0", 3, 0 },
        TextCase { "NoSlashIsNotReduced", "-2147483648", -2147483648, 1 },
        TextCase { "LargestValues", "2147483647/-2147483648", -2147483647, 2147483648 }),
    [](const auto &info) { return info.param.name; });

class FromTextRejects : public testing::TestWithParam<const char *>
{
};

TEST_P(FromTextRejects, WithConversionError)
{
    EXPECT_THROW(FromText(GetParam()), ConversionError);
}

INSTANTIATE_TEST_SUITE_P(Fractions, FromTextRejects,
    testing::Values("", "-", "+", "2147483648", "1/2147483648", "-2147483649", "1/", "/2", "1/2/3",
        "1.5", " 1", "1 ", "--1", "+-1", "12a", "1/+"));

TEST(Fraction, ToTextAlwaysWritesTheSlash)
{
    EXPECT_EQ(ToText(FromInteger(3)), "3/1");
    EXPECT_EQ(ToText({ -1, 2 }), "-1/2");
    EXPECT_EQ(ToText({ 0, 5 }), "0/5");
    EXPECT_EQ(ToText({ std::numeric_limits<std::int64_t>::min(), 1 }), "-9223372036854775808/1");
}

TEST(Fraction, GcdOfMagnitudesAndOneForZero)
{
    EXPECT_EQ(Gcd(0, 7), 1);
    EXPECT_EQ(Gcd(7, 0), 1);
    EXPECT_EQ(Gcd(0, 0), 1);
    EXPECT_EQ(Gcd(12, -18), 6);
    EXPECT_EQ(Gcd(-12, -18), 6);
    EXPECT_EQ(Gcd(7, 7), 7);
    EXPECT_EQ(Gcd(2147483646, 1073741823), 1073741823);
    EXPECT_EQ(Gcd(std::numeric_limits<std::int64_t>::min(), 6), 2);
}

TEST(Fraction, GcdAgreesWithTrialDivisionBelow2To31)
{
    // The downward search for a common divisor, on a spread of small magnitudes.
    for (std::int64_t a = -60; a <= 60; ++a) {
        for (std::int64_t b = -60; b <= 60; ++b) {
            std::int64_t m = std::min(std::abs(a), std::abs(b)), d = m;
            while (d > 1 && (a % d != 0 || b % d != 0))
                --d;
            EXPECT_EQ(Gcd(a, b), d < 1 ? 1 : d) << a << ", " << b;
        }
    }
}

TEST(Fraction, ArithmeticReduces)
{
    EXPECT_EQ(Add(FromText("0/5"), FromText("1/1")), (Fraction { 1, 1 }));
    EXPECT_EQ(Multiply(Reciprocal(FromText("-2/3")), FromText("1/1")), (Fraction { -3, 2 }));
    EXPECT_EQ(Reciprocal(FromText("-2/3")), (Fraction { 3, -2 }));
    EXPECT_EQ(Add(FromText("1/6"), FromText("1/3")), (Fraction { 1, 2 }));
    EXPECT_EQ(Multiply(FromText("0/2"), FromText("5")), (Fraction { 0, 2 }));
    EXPECT_EQ(FromInteger(-9), (Fraction { -9, 1 }));
}

TEST(Fraction, OverflowIsAConversionFailureNotAWrap)
{
    const Fraction big { std::numeric_limits<std::int64_t>::max(), 1 };
    EXPECT_THROW(Multiply(big, FromInteger(2)), ConversionError);
    EXPECT_THROW(Add(big, FromInteger(1)), ConversionError);
    EXPECT_THROW(Add({ 1, std::numeric_limits<std::int64_t>::max() }, { 1, 3 }), ConversionError);
    const Fraction lowest { std::numeric_limits<std::int64_t>::min(), 1 };
    EXPECT_THROW(Reduce({ 1, std::numeric_limits<std::int64_t>::min() }), ConversionError);
    EXPECT_THROW(Multiply(lowest, FromInteger(-1)), ConversionError);
}

} // namespace
