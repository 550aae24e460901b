#include "grid/NumberText.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <limits>
#include <locale.h>
#include <random>
#include <string>

using namespace molvane;

namespace {

const auto caseName = [](const auto &info) { return info.param.name; };

struct DecimalCase
{
    const char *name;
    const char *text; // written with "."; also tried with "," in its place
    std::optional<long double> expected;
};

class ReadDecimalCase : public testing::TestWithParam<DecimalCase>
{
};

TEST_P(ReadDecimalCase, WithEitherSeparator)
{
    const DecimalCase &c = GetParam();
    std::string withComma = c.text;
    for (char &ch : withComma)
        if (ch == '.')
            ch = ',';
    EXPECT_EQ(ReadDecimal(c.text, '.'), c.expected);
    EXPECT_EQ(ReadDecimal(withComma, ','), c.expected);
}

INSTANTIATE_TEST_SUITE_P(NumberText, ReadDecimalCase,
    testing::Values(DecimalCase { "Integer", "12", 12 }, DecimalCase { "Fraction", "1.5", 1.5 },
        DecimalCase { "LoneSeparatorIsZero", ".", 0 }, DecimalCase { "TrailingSeparator", "5.", 5 },
        DecimalCase { "LeadingSeparator", ".5", 0.5 },
        DecimalCase { "LeadingSpacesAndSign", "  -2.5", -2.5 }, DecimalCase { "PlusSign", "+3", 3 },
        DecimalCase { "TrailingSpaces", "4  ", 4 }, DecimalCase { "Exponent", "2E3", 2000 },
        DecimalCase { "LowerExponentWithSign", "25e-1", 2.5 },
        DecimalCase { "ExponentAfterLoneSeparator", ".e5", 0 },
        DecimalCase { "LeadingZeros", "0005", 5 },
        DecimalCase { "TwoSeparators", "1.2.3", std::nullopt },
        DecimalCase { "LoneMinus", "-", std::nullopt }, DecimalCase { "Empty", "", std::nullopt },
        DecimalCase { "OnlySpaces", "  ", std::nullopt },
        DecimalCase { "ExponentWithoutDigits", "2E", std::nullopt },
        DecimalCase { "ExponentWithoutMantissa", "E5", std::nullopt },
        DecimalCase { "SpaceInside", "1 2", std::nullopt },
        DecimalCase { "DoubleSign", "--1", std::nullopt },
        DecimalCase { "Letters", "12a", std::nullopt },
        DecimalCase { "Infinity", "inf", std::nullopt },
        DecimalCase { "NotANumber", "nan", std::nullopt },
        DecimalCase { "HexadecimalFloat", "0x1p3", std::nullopt },
        DecimalCase { "BeyondExtendedRange", "1E5000", std::nullopt },
        DecimalCase { "BelowExtendedRangeIsZero", "1E-5000", 0 },
        DecimalCase { "BeyondDoubleWithinExtended", "1E400", 1E400L }),
    caseName);

TEST(ReadDecimal, OtherSeparatorIsNotAccepted)
{
    EXPECT_EQ(ReadDecimal("1,5", '.'), std::nullopt);
    EXPECT_EQ(ReadDecimal("1.5", ','), std::nullopt);
    EXPECT_EQ(ReadDecimal("1.5"), 1.5); // "." when none is given
}

TEST(ReadDecimal, TinyValueReadsAsNearest)
{
    const std::optional<long double> tiny = ReadDecimal("1E-4940");
    ASSERT_TRUE(tiny.has_value());
    EXPECT_GT(*tiny, 0);
    EXPECT_LT(*tiny, std::numeric_limits<long double>::min());
}

struct IntegerCase
{
    const char *name;
    const char *text;
    std::optional<std::int32_t> expected;
};

class ReadIntegerCase : public testing::TestWithParam<IntegerCase>
{
};

TEST_P(ReadIntegerCase, AsTheIntegerConversion)
{
    EXPECT_EQ(ReadInteger(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(NumberText, ReadIntegerCase,
    testing::Values(IntegerCase { "Decimal", "123", 123 },
        IntegerCase { "LeadingSpaces", "  7", 7 }, IntegerCase { "Signs", "-42", -42 },
        IntegerCase { "PlusSign", "+42", 42 }, IntegerCase { "DollarHex", "$1F", 31 },
        IntegerCase { "XHex", "x1f", 31 }, IntegerCase { "UpperXHex", "X10", 16 },
        IntegerCase { "ZeroXHex", "0x10", 16 }, IntegerCase { "ZeroUpperXHex", "0XfF", 255 },
        IntegerCase { "NegativeHex", "-$80000000", -2147483648 },
        IntegerCase { "Largest", "2147483647", 2147483647 },
        IntegerCase { "Smallest", "-2147483648", -2147483648 },
        IntegerCase { "PastLargest", "2147483648", std::nullopt },
        IntegerCase { "PastSmallest", "-2147483649", std::nullopt },
        IntegerCase { "HexPastLargest", "$80000000", std::nullopt },
        IntegerCase { "AllOnesHexIsNotMinusOne", "$FFFFFFFF", std::nullopt },
        IntegerCase { "VeryLong", "99999999999999999999999999", std::nullopt },
        IntegerCase { "LeadingZerosLong", "0000000000000000000012", 12 },
        IntegerCase { "TrailingSpace", "12 ", std::nullopt },
        IntegerCase { "Empty", "", std::nullopt }, IntegerCase { "LoneSign", "-", std::nullopt },
        IntegerCase { "LonePrefix", "$", std::nullopt },
        IntegerCase { "LoneZeroXPrefix", "0x", std::nullopt },
        IntegerCase { "PrefixAfterZero", "00x1", std::nullopt },
        IntegerCase { "Fraction", "1.5", std::nullopt },
        IntegerCase { "HexDigitInDecimal", "1F", std::nullopt },
        IntegerCase { "Exponent", "1E3", std::nullopt }),
    caseName);

} // namespace

// Decimal texts of every shape, compared with the C library's correctly rounded conversion:
// short digit strings take a quicker way to the same value.
TEST(ReadDecimal, AgreesWithTheCLibraryConversion)
{
    const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t {});
    std::mt19937_64 random(20261207);
    for (int n = 0; n < 20000; ++n) {
        std::string text = random() % 4 == 0 ? "-" : "";
        const int digits = 1 + static_cast<int>(random() % 24);
        const int point = static_cast<int>(random() % (digits + 1));
        for (int i = 0; i < digits; ++i) {
            if (i == point)
                text += '.';
            text += static_cast<char>('0' + random() % 10);
        }
        if (random() % 2)
            text += "E" + std::to_string(static_cast<int>(random() % 80) - 40);
        const std::optional<long double> read = ReadDecimal(text);
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_EQ(*read, strtold_l(text.c_str(), nullptr, cLocale)) << text;
    }
    freelocale(cLocale);
}
