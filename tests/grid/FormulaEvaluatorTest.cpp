#include "grid/FormulaEvaluator.h"

#include "core/NumberFormat.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <random>
#include <string>

using namespace molvane;

namespace {

struct EvaluateCase
{
    const char *name;
    std::string expression;
    std::optional<std::string> expected; // nothing: the expression fails
};

class EvaluateFormulaCase : public testing::TestWithParam<EvaluateCase>
{
};

TEST_P(EvaluateFormulaCase, GivesResultText)
{
    const EvaluateCase &c = GetParam();
    EXPECT_EQ(EvaluateFormula(c.expression), c.expected);
}

const auto caseName = [](const auto &info) { return info.param.name; };
const std::optional<std::string> Fails;

// The evaluator's documented examples, one row each.
INSTANTIATE_TEST_SUITE_P(Examples, EvaluateFormulaCase,
    testing::Values(EvaluateCase { "ParenthesesFirst", "(2+3)*4", "20" },
        EvaluateCase { "TimesBeforePlus", "2+3*4", "14" },
        EvaluateCase { "TimesBeforeDivide", "8/2*2", "2" },
        EvaluateCase { "DivideLeftToRight", "8/2/2", "2" },
        EvaluateCase { "PlusBeforeMinus", "5-2+1", "2" },
        EvaluateCase { "MinusLeftToRight", "5-2-1", "2" },
        EvaluateCase { "PowerLeftToRight", "2^3^2", "64" },
        EvaluateCase { "MinusExponentIsSubtraction", "2^-1", "0" },
        EvaluateCase { "SquareRootOfTwo", "2^0.5", "1.4142135623731" },
        EvaluateCase { "Factorial", "3!", "6" },
        EvaluateCase { "DoubleFactorialIsTwice", "3!!", "720" },
        EvaluateCase { "FactorialOfZero", "0!", "1" }, EvaluateCase { "FactorialOfOne", "1!", "1" },
        EvaluateCase { "FactorialOfTwelve", "12!", "479001600" },
        EvaluateCase { "DigitsAfterFactorialAreLost", "5!2", "120" },
        EvaluateCase { "FactorialOfFractionFails", "2.5!", Fails },
        EvaluateCase { "LeadingMinus", "-3", "-3" },
        EvaluateCase { "MinusAfterTimes", "2*-3", "-3" },
        EvaluateCase { "MinusBeforePower", "-2^2", "-4" },
        EvaluateCase { "NegativePartIsPutBackAsText", "(1-3)^2", "-4" },
        EvaluateCase { "OneThird", "1/3", "0.333333333333333" },
        EvaluateCase { "TwoThirdsRoundsUp", "2/3", "0.666666666666667" },
        EvaluateCase { "DivisionByZeroFails", "1/0", Fails },
        EvaluateCase { "ZeroByZeroFails", "0/0", Fails },
        EvaluateCase { "CubeRootThroughText", "(0-8)^(1/3)", "-2" },
        EvaluateCase { "LoneOperandKeepsItsZero", "5", "05" },
        EvaluateCase { "ParenthesisedOperandGetsTwoZeros", "(5)", "005" },
        EvaluateCase { "DigitsJoinPutBackPart", "2(3)", "0203" },
        EvaluateCase { "EmptyExpression", "", "0" },
        EvaluateCase { "SpacesDroppedBeforeDigitsJoin", "1 2 + 3", "15" },
        EvaluateCase { "ExponentLetter", "2E3+1", "2001" },
        EvaluateCase { "OtherLetterFails", "2X+1", Fails },
        EvaluateCase { "SmallResultInExponentForm", "1/100000", "1E-5" },
        EvaluateCase { "LargeResultInExponentForm", "1000000*1000000000", "1E15" },
        EvaluateCase { "SmallResultStillFixed", "0.001*0.1", "0.0001" },
        EvaluateCase { "UnclosedParenthesisFails", "(2+3", Fails },
        EvaluateCase { "UnopenedParenthesisFails", "2+3)", Fails }),
    caseName);

// Further rules: text that is not a number, parentheses put back as text, the number format.
INSTANTIATE_TEST_SUITE_P(Rules, EvaluateFormulaCase,
    testing::Values(EvaluateCase { "TextWithoutOperatorIsKept", "abc", "0abc" },
        EvaluateCase { "TextOperandFails", "abc+1", Fails },
        EvaluateCase { "StrayCloseStaysInLoneOperand", "5)", "05)" },
        EvaluateCase { "StrayCloseAfterGroupStays", "(2))", "002)" },
        EvaluateCase { "NestedGroupsWithoutOperators", "((1+2))", "003" },
        EvaluateCase { "GroupsLeftToRight", "(1+1)*(2+2)", "8" },
        EvaluateCase { "ExponentMinusOfPutBackPartSplits", "(1/100000)+1", Fails },
        EvaluateCase { "TypicalFormula", "((0.5 * 5) + 1) / (0.25)", "14" },
        EvaluateCase { "OnlySpaces", "   ", "0" },
        EvaluateCase { "LoneSeparatorIsZero", ".+1", "1" },
        EvaluateCase { "CommaIsNotTheSeparator", "1,5+1", Fails },
        EvaluateCase { "FifteenDigitsFixed", "999999999999999+0", "999999999999999" },
        EvaluateCase { "SixteenDigitsRoundToExponentForm", "9999999999999999+0", "1E16" },
        EvaluateCase { "FixedUpToFifteenPlaces", "100000000000000*10", "1E15" },
        EvaluateCase { "FourteenZerosFixed", "10000000000000*10", "100000000000000" },
        EvaluateCase { "HalfAndSignificantDigits", "123.5*1", "123.5" },
        EvaluateCase { "FractionalExponentForm", "0.00000015*1", "1.5E-7" },
        EvaluateCase { "NegativeZeroIsZero", "0-0", "0" },
        EvaluateCase { "OverflowFails", "1E4000*1E4000", Fails },
        EvaluateCase { "TinyResultIsReadAgain", "1/1E2000/1E2000", "1E-4000" },
        EvaluateCase { "UnderflowIsZero", "1/1E4000/1E4000", "0" },
        EvaluateCase { "OperandBeyondRangeFails", "1E5000+0", Fails },
        EvaluateCase { "NoInfinityText", "1E4932*10", Fails }),
    caseName);

// Power rules in their order, and the factorial's 64-bit range.
INSTANTIATE_TEST_SUITE_P(PowersAndFactorials, EvaluateFormulaCase,
    testing::Values(EvaluateCase { "ZeroToZeroIsOne", "0^0", "1" },
        EvaluateCase { "ZeroToPositiveIsZero", "0^0.5", "0" },
        EvaluateCase { "WholeExponent", "3^4", "81" },
        EvaluateCase { "FractionalBase", "0.5^3", "0.125" },
        EvaluateCase { "LargestWholeExponentOfOne", "1^2147483647", "1" },
        EvaluateCase { "LargestWholeExponentOverflows", "2^2147483647", Fails },
        EvaluateCase { "LargestWholeExponentUnderflows", "0.5^2147483647", "0" },
        EvaluateCase { "HugeExponentOfOne", "1^99999999999", "1" },
        EvaluateCase { "HugeExponentOverflows", "2^99999999999", Fails },
        EvaluateCase { "HugeExponentUnderflows", "0.5^1E300", "0" },
        EvaluateCase { "FractionalExponent", "16^0.25", "2" },
        EvaluateCase { "ThirteenFactorialNeeds64Bits", "13!", "6227020800" },
        EvaluateCase { "TwentyFactorialFits", "20!", "2432902008176640000" },
        EvaluateCase { "TwentyOneFactorialFails", "21!", Fails },
        EvaluateCase { "FactorialOfHugeOperandFails", "99999999999!", Fails },
        EvaluateCase { "FactorialOfHexOperand", "x10!", "20922789888000" },
        EvaluateCase { "FactorialOfTextFails", "a!", Fails },
        EvaluateCase { "FactorialBeforePower", "2^3!", "64" },
        EvaluateCase { "FactorialFeedsFactorialLimit", "3!!!", Fails }),
    caseName);

TEST(EvaluateFlat, TakesNoParentheses)
{
    EXPECT_EQ(EvaluateFlat("8/2*2"), "2");
    EXPECT_EQ(EvaluateFlat("(5)"), "0(5)"); // a lone operand, parentheses and all
    EXPECT_EQ(EvaluateFlat("(2)+1"), std::nullopt);
}

// Whole results below 10^15 take a quicker way to the general number format's text.
TEST(ApplyOperator, WholeResultsInTheGeneralNumberFormat)
{
    std::mt19937_64 random(7);
    std::vector<long double> values
        = { 0, 1, 999999999999999, 1e15L, 1e15L + 2, 123456789012345678 };
    for (int n = 0; n < 2000; ++n)
        values.push_back(static_cast<long double>(random() % (std::uint64_t { 1 } << (n % 62))));
    for (const long double value : values) {
        const std::string text = FormatGeneral(value, 15);
        EXPECT_EQ(ApplyOperator('*', text, "1"), text);
        EXPECT_EQ(ApplyOperator('-', "0", text), value == 0 ? "0" : "-" + text);
    }
}

struct PowerCase
{
    const char *name;
    long double a, b;
    std::optional<long double> expected;
};

class RaisePowerCase : public testing::TestWithParam<PowerCase>
{
};

TEST_P(RaisePowerCase, FollowsTheRulesInOrder)
{
    const PowerCase &c = GetParam();
    EXPECT_EQ(RaisePower(c.a, c.b), c.expected);
}

// Negative operands reach the power only through the function itself: operand texts never
// carry a sign, and factorials are never negative.
INSTANTIATE_TEST_SUITE_P(Evaluator, RaisePowerCase,
    testing::Values(PowerCase { "NegativeBaseOddExponent", -2, 3, -8 },
        PowerCase { "NegativeBaseEvenExponent", -2, 2, 4 },
        PowerCase { "NegativeWholeExponent", 2, -2, 0.25 },
        PowerCase { "ZeroToNegativeWholeFails", 0, -2, std::nullopt },
        PowerCase { "ZeroToNegativeFractionFails", 0, -0.5, std::nullopt },
        PowerCase { "NegativeBaseFractionalExponentFails", -8, 0.5, std::nullopt },
        PowerCase { "ZeroExponentBeforeZeroBase", 0, 0, 1 },
        PowerCase { "NegativeExponentBeyond32Bits", 2, -1E10, 0 },
        PowerCase { "OverflowingProductFails", 10, -5000, std::nullopt }),
    caseName);

// Nesting is evaluated without recursion: deep expressions neither overflow the stack nor
// cost more than their length.
TEST(EvaluateFormula, HundredThousandNestedParenthesesEvaluate)
{
    constexpr std::size_t depth = 100000;
    const std::string plain = std::string(depth, '(') + "5" + std::string(depth, ')');
    EXPECT_EQ(EvaluateFormula(plain), std::string(depth + 1, '0') + "5");

    std::string summed(depth, '(');
    summed += "0";
    for (std::size_t i = 0; i < depth; ++i)
        summed += "+1)";
    EXPECT_EQ(EvaluateFormula(summed), "0" + std::to_string(depth)); // the outer part's zero

    EXPECT_EQ(EvaluateFormula(std::string(depth, '(') + "1"), std::nullopt);
}

TEST(EvaluateFormula, LongOperandTexts)
{
    const std::string digits(1000000, '1');
    EXPECT_EQ(EvaluateFormula(digits), "0" + digits);
    EXPECT_EQ(EvaluateFormula(digits + "*0"), std::nullopt); // beyond the extended range
    EXPECT_EQ(EvaluateFormula("0." + digits + "*9"), "1");
    EXPECT_EQ(EvaluateFormula(std::string(1000000, '0') + "7*2"), "14");

    std::string sum = "1";
    for (int i = 0; i < 100000; ++i)
        sum += "+1";
    EXPECT_EQ(EvaluateFormula(sum), "100001");
}

// Numbers keep "." under a locale whose decimal separator is ",".
TEST(EvaluateFormula, PointUnderCommaLocale)
{
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8"))
        GTEST_SKIP() << "no locale with a decimal comma";
    const std::optional<std::string> sum = EvaluateFormula("1.25+1"),
                                     third = EvaluateFormula("1/3"),
                                     comma = EvaluateFormula("1,25+1");
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(sum, "2.25");
    EXPECT_EQ(third, "0.333333333333333");
    EXPECT_EQ(comma, std::nullopt);
}

} // namespace
