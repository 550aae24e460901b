#include "BalanceSamples.h"

#include "core/ElementTable.h"
#include "core/Errors.h"
#include "core/Fraction.h"
#include "core/ReactionAnalysis.h"
#include "core/ReactionCharacters.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

using namespace molvane;

namespace {

using Texts = std::vector<std::string>;

TEST(ElementTable, HoldsEveryEntryInItsPlace)
{
    EXPECT_EQ(MetsLst.front(), "Ac");
    EXPECT_EQ(MetsLst[45], "Lw");
    EXPECT_EQ(MetsLst[51], "Mv");
    EXPECT_EQ(AWList[87], "99"); // Tc
    EXPECT_EQ(AWList[37], "164.930");
    EXPECT_EQ(MetsLst.back(), "Zr");
    EXPECT_EQ(AWList.back(), "91.22");
}

TEST(ElementTable, FindsSymbolsIgnoringCase)
{
    EXPECT_EQ(FindElement("Co"), 21);
    EXPECT_EQ(FindElement("CO"), 21);
    EXPECT_EQ(FindElement("h"), 38);
    EXPECT_EQ(FindElement("Lr"), std::nullopt);
    EXPECT_EQ(FindElement(""), std::nullopt);
    EXPECT_EQ(FindElement("Hee"), std::nullopt);
}

struct UnitCase
{
    const char *in, *out;
};

TEST(InsertUnitCounts, WritesEveryOmittedCount)
{
    const UnitCase cases[] = {
        { "H2+O2>H2O", "H2+O2>H2O1" },
        { "Ca(OH)2", "Ca1(O1H1)2" },
        { "(OH)Cl", "(O1H1)1Cl1" },
        { "X-", "X-1" },
        { "NaCl", "Na1Cl1" },
        { "h2o", "h2o1" },
        { "((OH)2)3", "((O1H1)2)3" },
        { "A(B)2(C)3", "A1(B1)2(C1)3" },
        { "", "" },
        { "H", "H1" },
        { "H2+>H2", "H2+>H2" },
        { "C1H4", "C1H4" },
    };
    for (const UnitCase &c : cases)
        EXPECT_EQ(InsertUnitCounts(c.in), c.out) << c.in;
}

// The counts as they were first written in: a "1" inserted into the text where one is missing,
// the next step seeing the same character behind the new digit.
std::string referenceUnitCounts(std::string_view text)
{
    std::string t(text);
    for (std::size_t i = 1; i < t.size(); ++i) {
        const char c = t[i], prev = t[i - 1];
        const bool wantsCount = c == '(' || c == ')' || c == '+' || c == '>' || IsUpper(c);
        const bool hasCount = prev == '(' || prev == '+' || prev == '>' || IsDigit(prev);
        if (wantsCount && !hasCount)
            t.insert(i, 1, '1');
    }
    if (!t.empty() && !IsDigit(t.back()))
        t.push_back('1');
    return t;
}

TEST(InsertUnitCounts, WritesWhatInsertingOneByOneWrites)
{
    const std::string alphabet = "HOClhao()+>-12{}*. ";
    std::mt19937 random(5);
    for (int n = 0; n < 100000; ++n) {
        const std::string text = RandomText(random, alphabet, 12);
        const std::string units = referenceUnitCounts(text);
        ASSERT_EQ(InsertUnitCounts(text), units) << text;
        // One pass gives the same and the symbols of the result, the last one closed.
        const UnitFormula read = ReadUnitFormula(text);
        ASSERT_EQ(read.text, units) << text;
        ASSERT_EQ(read.symbols, ListElements(units + "+")) << text;
    }
}

// A count is the whole run of digits and "-" read as one integer, however long the run.
TEST(ReadCount, ReadsTheWholeRunAsOneInteger)
{
    const std::string alphabet = "0123456789-H(";
    std::mt19937 random(13);
    for (int n = 0; n < 100000; ++n) {
        const std::string text = RandomText(random, alphabet, 14);
        std::size_t end = 0;
        while (end < text.size() && (IsDigit(text[end]) || text[end] == '-'))
            ++end;
        std::optional<std::int32_t> expected;
        try {
            expected = ParseInt32(std::string_view(text).substr(0, end));
        } catch (const ConversionError &) { }
        std::size_t pos = 0;
        if (!expected) {
            ASSERT_THROW(ReadCount(text, pos), InvalidReaction) << text;
            continue;
        }
        ASSERT_EQ(ReadCount(text, pos), *expected) << text;
        ASSERT_EQ(pos, end) << text;
    }
}

TEST(SplitReaction, SplitsAtPlusAndArrow)
{
    const ReactionSides water = SplitReaction("H2+O2>H2O1");
    EXPECT_EQ(water.reactants, (Texts { "H2", "O2" }));
    EXPECT_EQ(water.products, (Texts { "H2O1" }));

    const ReactionSides leading = SplitReaction(">H2O");
    EXPECT_EQ(leading.reactants, (Texts { "" }));
    EXPECT_EQ(leading.products, (Texts { "H2O" }));

    const ReactionSides trailing = SplitReaction("H2+");
    EXPECT_EQ(trailing.reactants, (Texts { "H2" }));
    EXPECT_TRUE(trailing.products.empty());

    const ReactionSides blanks = SplitReaction(" H2 + O2 > H2O ");
    EXPECT_EQ(blanks.reactants, (Texts { "H2", "O2" }));
    EXPECT_EQ(blanks.products, (Texts { "H2O" }));
}

TEST(ListElements, DistinctSymbolsInOrderIgnoringCase)
{
    EXPECT_EQ(ListElements("H2+O2>H2O1"), (Texts { "H", "O" }));
    EXPECT_EQ(ListElements("Na1Cl1"), (Texts { "Na", "Cl" }));
    EXPECT_EQ(ListElements("Co1"), (Texts { "Co" }));
    EXPECT_EQ(ListElements("C1O1"), (Texts { "C", "O" }));
    EXPECT_EQ(ListElements("h2+H2"), (Texts { "h" }));
    EXPECT_EQ(ListElements("H2O"), (Texts { "H" })); // a symbol open at the end is not listed
}

struct CountCase
{
    const char *formula;
    Texts elements;
    std::vector<std::int32_t> counts;
};

TEST(CountAtoms, FollowsGroupsAndTheirCounts)
{
    const CountCase cases[] = {
        { "(N1H4)2S1O4", { "N", "H", "S", "O" }, { 2, 8, 1, 4 } },
        { "Cu2(O1H1)2C1O3", { "Cu", "O", "H", "C" }, { 2, 5, 2, 1 } },
        { "Ca1(Al1(O1H1)4)2", { "Ca", "Al", "O", "H" }, { 1, 2, 8, 8 } },
        { "Mg1(O1H1)2(H2O1)2", { "Mg", "O", "H" }, { 1, 4, 6 } },
        { "A1(B1)2(C1)3", { "A", "B", "C" }, { 1, 2, 3 } },
        { "((O1H1)2)3", { "O", "H" }, { 6, 6 } },
        { "X-2", { "X" }, { -2 } },
        { "X-1", { "X" }, { -1 } },
        { "h2o1", { "h", "o" }, { 2, 1 } },
        { "H2", { "H", "O" }, { 2, 0 } },
        { "Ca1(O1H1", { "Ca", "O", "H" }, { 1, 1, 1 } }, // unmatched "(" is skipped
        { "Ca1O1H1)2", { "Ca", "O", "H" }, { 1, 1, 1 } }, // unmatched ")" divides later counts
        { "H1)2O4", { "H", "O" }, { 1, 0 } },
    };
    for (const CountCase &c : cases)
        EXPECT_EQ(CountAtoms(c.formula, c.elements), c.counts) << c.formula;
}

TEST(CountAtoms, RejectsMalformedFormulas)
{
    const Texts elements = { "H", "O", "X" };
    const char *cases[] = {
        "", // empty substance
        "H2-3", // a "-" after a digit
        "X--1", // two signs
        "H2147483648", // beyond 32 bits
        "(H1)0", // zero group count
        "-1H1", // "-" where a symbol is expected
        "2H1", // digit where a symbol is expected
        "H1 O1", // blank inside
        "H1*", // foreign character
        "H1(O1)", // group without count
        "Zz1", // symbol outside the element list
        "(H1000000)3000", // product beyond 32 bits
        "H2147483647H1", // sum beyond 32 bits
    };
    for (const char *formula : cases)
        EXPECT_THROW(CountAtoms(formula, elements), InvalidReaction) << formula;
}

TEST(FormulaWeight, SumsTableWeightsInGeneralFormat)
{
    EXPECT_EQ(FormulaWeight("H2O"), "18.01");
    EXPECT_EQ(FormulaWeight("Ca(OH)2"), "74.08");
    EXPECT_EQ(FormulaWeight("H2"), "2.02");
    EXPECT_EQ(FormulaWeight("O2"), "31.98");
    EXPECT_EQ(FormulaWeight("Tc"), "99");
    EXPECT_EQ(FormulaWeight("h2o"), "18.01");
    EXPECT_EQ(FormulaWeight("He"), "4");
    EXPECT_EQ(FormulaWeight("C1H4"), "16.05");
    EXPECT_EQ(FormulaWeight("C6H12O6"), "180.12");
}

TEST(FormulaWeight, FailsOnUnknownSymbolsAndMalformedText)
{
    EXPECT_THROW(FormulaWeight("Xy2"), InvalidReaction);
    EXPECT_THROW(FormulaWeight("Lr"), InvalidReaction);
    EXPECT_THROW(FormulaWeight("H2-3"), InvalidReaction);
    EXPECT_THROW(FormulaWeight("H$"), InvalidReaction);
}

} // namespace
