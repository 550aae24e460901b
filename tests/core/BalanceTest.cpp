#include "core/Balance.h"
#include "core/Errors.h"
#include "core/ReactionCharacters.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace molvane;

namespace {

using Texts = std::vector<std::string>;

struct BalanceCase
{
    const char *name;
    const char *reaction;
    const char *balanced;
};

class BalanceWrites : public testing::TestWithParam<BalanceCase>
{
};

TEST_P(BalanceWrites, TheBalancedText)
{
    EXPECT_EQ(Balance(GetParam().reaction).text, GetParam().balanced);
}

INSTANTIATE_TEST_SUITE_P(Balance, BalanceWrites,
    testing::Values(BalanceCase { "Water", "H2+O2>H2O", "2H2+O2>2H2O" },
        BalanceCase { "Rust", "Fe+O2>Fe2O3", "4Fe+3O2>2Fe2O3" },
        BalanceCase { "Propane", "C3H8+O2>CO2+H2O", "C3H8+5O2>3CO2+4H2O" },
        BalanceCase {
            "Permanganate", "KMnO4+HCl>KCl+MnCl2+H2O+Cl2", "2KMnO4+16HCl>2KCl+2MnCl2+8H2O+5Cl2" },
        BalanceCase { "Ferrocyanide", "K4Fe(CN)6+KMnO4+H2SO4>KHSO4+Fe2(SO4)3+MnSO4+HNO3+CO2+H2O",
            "10K4Fe(CN)6+122KMnO4+299H2SO4>162KHSO4+5Fe2(SO4)3+122MnSO4+60HNO3+60CO2+"
            "188H2O" },
        BalanceCase { "ScaledBySix", "XY+Z3>XZ+Y2", "6XY+2Z3>6XZ+3Y2" },
        BalanceCase { "UnitCountsDropped", "C1H4+O2>CO2+H2O1", "CH4+2O2>CO2+2H2O" },
        BalanceCase { "NegativeCountKept", "X-2Y+Z>X-2Z+Y", "X-2Y+Z>X-2Z+Y" },
        BalanceCase { "GroupsNest", "((OH)2)3>O2+H2", "((OH)2)3>3O2+3H2" },
        BalanceCase { "WithoutAutoCase", "h2+o2>h2o", "2h2+o2>2h2o" },
        BalanceCase { "NoSeedElement", "XY+YZ+XZ>XYZ", "XY+YZ+XZ>2XYZ" },
        BalanceCase { "SeedAcrossGroups", "Mg(OH)2(H2O)2>MgO+H2O", "Mg(OH)2(H2O)2>MgO+3H2O" }),
    [](const auto &info) { return info.param.name; });

struct FailureCase
{
    const char *name;
    const char *reaction;
    bool invalid; // otherwise cannot balance
};

class BalanceFails : public testing::TestWithParam<FailureCase>
{
};

TEST_P(BalanceFails, WithTheRightMessage)
{
    const FailureCase &c = GetParam();
    if (c.invalid)
        EXPECT_THROW(Balance(c.reaction), InvalidReaction);
    else
        EXPECT_THROW(Balance(c.reaction), CannotBalance);
}

INSTANTIATE_TEST_SUITE_P(Balance, BalanceFails,
    testing::Values(FailureCase { "Empty", "", true }, FailureCase { "NoArrow", "H2+O2+H2O", true },
        FailureCase { "TwoArrows", "H2+O2>H2O>H2", true },
        FailureCase { "DifferentElements", "H2>O2", true },
        FailureCase { "EmptyFirstSubstance", "+H2>H2", true },
        FailureCase { "ArrowFirst", ">H2O", true }, FailureCase { "NoProducts", "H2>", true },
        FailureCase { "ZeroGroupCount", "Ca(OH)0>CaO+H2O", true },
        FailureCase { "CountBeyond32Bits", "H4294967296>H2", true },
        FailureCase { "ProductBeyond32Bits", "(H65536)65536>H2", true },
        FailureCase { "ForeignCharacter", "H2+O2>H2O!", true },
        FailureCase { "Blank", "H2 +O2>H2O", true },
        FailureCase { "MinusAfterDigit", "H2-3>H2", true },
        FailureCase { "FreeRatio", "CH4+O2>CO2+H2O+CO", false },
        FailureCase { "TwoFreeRatios", "C+O2>CO+CO2", false },
        FailureCase { "OnlyZero", "H2O>H2O2", false },
        FailureCase { "NeedsNegative", "CO2>CO+C", false },
        FailureCase { "NeedsZero", "XY+X>XY", false },
        FailureCase { "NeedsNegativeCount", "X-2+Y>XY-2", false },
        FailureCase { "SameSubstanceTwice", "X-+X>X2", false },
        FailureCase { "UnmatchedBracket", "Ca(OH>CaO+H2O", true },
        FailureCase { "NoElementsAtAll", "()>()", false }),
    [](const auto &info) { return info.param.name; });

TEST(Balance, GivesFormulasAsTypedWithCoefficientsAndWeights)
{
    const BalancedReaction water = Balance("H2+O2>H2O");
    EXPECT_EQ(water.formulas, (Texts { "H2", "O2", "H2O" }));
    EXPECT_EQ(water.coefficients, (Texts { "2", "1", "2" }));
    ASSERT_EQ(water.weights.size(), 3u);
    EXPECT_EQ(water.weights[0], "2.02");
    EXPECT_EQ(water.weights[1], "31.98");
    EXPECT_EQ(water.weights[2], "18.01");

    const BalancedReaction methane = Balance("C1H4+O2>CO2+H2O1");
    EXPECT_EQ(methane.formulas, (Texts { "C1H4", "O2", "CO2", "H2O1" }));
}

TEST(Balance, MarksFormulasWithoutWeight)
{
    const BalancedReaction result = Balance("XY+Z3>XZ+Y2");
    ASSERT_EQ(result.weights.size(), 4u);
    EXPECT_FALSE(result.weights[0].has_value()); // X is not an element of the table
    EXPECT_FALSE(result.weights[1].has_value()); // nor is Z
}

TEST(Balance, AnAnswerBeyond32BitsIsInvalid)
{
    EXPECT_THROW(Balance("A2147483647+B2147483646>AB"), InvalidReaction);
}

TEST(ComposeBalancedReaction, DropsOnesThatAreCoefficientsOrCounts)
{
    EXPECT_EQ(ComposeBalancedReaction({ "H2", "O2", "H2O1" }, { "2", "1", "2" }, 2), "2H2+O2>2H2O");
    EXPECT_EQ(ComposeBalancedReaction({ "C1H4", "O2", "C1O2", "H2O1" }, { "1", "2", "1", "2" }, 2),
        "CH4+2O2>CO2+2H2O");
    // A negative count keeps its 1 inside the text; only a final -1 becomes "-".
    EXPECT_EQ(ComposeBalancedReaction({ "X-1", "Y1" }, { "1", "1" }, 1), "X-1>Y");
    EXPECT_EQ(ComposeBalancedReaction({ "Y1", "X-1" }, { "1", "1" }, 1), "Y>X-");
    EXPECT_EQ(ComposeBalancedReaction({ "H1", "H2" }, { "10", "5" }, 1), "10H>5H2");
    EXPECT_EQ(
        ComposeBalancedReaction({ "Na1Cl1", "Na1", "Cl2" }, { "2", "2", "1" }, 1), "2NaCl>2Na+Cl2");
    EXPECT_EQ(ComposeBalancedReaction({ "Ca1(O1H1)2", "Ca1O1", "H2O1" }, { "1", "1", "1" }, 1),
        "Ca(OH)2>CaO+H2O");
    EXPECT_EQ(ComposeBalancedReaction({ "C11", "C1" }, { "1", "11" }, 1), "C11>11C");
}

// The balanced text as it was first composed: every lone 1 erased from the joined text in turn.
std::string composedByErasing(const std::vector<std::string> &substances,
    const std::vector<std::string> &coefficients, int reactantCount)
{
    std::string out;
    std::string separator;
    for (std::size_t i = 0; i < substances.size(); ++i) {
        if (int(i) == reactantCount)
            separator = ">";
        out += separator + coefficients[i] + substances[i];
        separator = "+";
    }
    for (std::size_t i = 1; i + 1 < out.size();) {
        if (out[i] == '1' && out[i - 1] != '-' && !IsDigit(out[i - 1]) && !IsDigit(out[i + 1]))
            out.erase(i, 1);
        else
            ++i;
    }
    if (out.size() >= 2 && out[0] == '1' && !IsDigit(out[1]))
        out.erase(0, 1);
    if (out.size() >= 2 && out.back() == '1' && !IsDigit(out[out.size() - 2]))
        out.pop_back();
    return out;
}

TEST(ComposeBalancedReaction, DropsTheOnesErasingThemInTurnDrops)
{
    const std::vector<std::string> pieces { "", "1", "11", "-", "-1", "2", "H", "(", ")", "0" };
    const std::vector<std::string> numbers { "", "1", "2", "10", "11", "21" };
    std::mt19937 random(7);
    const auto any
        = [&](const std::vector<std::string> &from) { return from[random() % from.size()]; };
    for (int n = 0; n < 100000; ++n) {
        std::vector<std::string> substances(random() % 4), coefficients;
        for (std::string &substance : substances) {
            for (int p = int(random() % 4); p > 0; --p)
                substance += any(pieces);
            coefficients.push_back(any(numbers));
        }
        const int reactantCount = int(random() % (substances.size() + 1));
        ASSERT_EQ(ComposeBalancedReaction(substances, coefficients, reactantCount),
            composedByErasing(substances, coefficients, reactantCount))
            << ::testing::PrintToString(substances) << ::testing::PrintToString(coefficients)
            << reactantCount;
    }
}

} // namespace
