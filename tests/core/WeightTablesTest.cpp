// The IUPAC table against values typed in from IUPAC's 2021 table of standard atomic weights
// (abridged, conventional values for intervals, mass numbers in brackets), not from the code.
#include "core/Balance.h"
#include "core/ElementTable.h"
#include "core/Errors.h"
#include "core/ReactionAnalysis.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace molvane;

namespace {

class WeightTables : public ::testing::Test
{
protected:
    void TearDown() override { UseWeightTable(WeightTable::Original); }
};

double weightOf(const std::string &formula)
{
    return std::stod(FormulaWeight(formula));
}

TEST_F(WeightTables, IupacElementsAsPublished)
{
    const std::pair<const char *, const char *> published[] = {
        { "H", "1.008" },
        { "He", "4.0026" },
        { "C", "12.011" },
        { "N", "14.007" },
        { "O", "15.999" },
        { "Na", "22.990" },
        { "Mg", "24.305" },
        { "S", "32.06" },
        { "Cl", "35.45" },
        { "K", "39.098" },
        { "Ca", "40.078" },
        { "Fe", "55.845" },
        { "Cu", "63.546" },
        { "Zn", "65.38" },
        { "Br", "79.904" },
        { "Ag", "107.87" },
        { "I", "126.90" },
        { "Ba", "137.33" },
        { "W", "183.84" },
        { "Au", "196.97" },
        { "Hg", "200.59" },
        { "Pb", "207.2" },
        { "U", "238.03" },
        { "Tc", "[97]" },
        { "Pm", "[145]" },
        { "Md", "[258]" },
        { "Lr", "[262]" },
        { "Og", "[294]" },
    };
    UseWeightTable(WeightTable::Iupac2021);
    const ElementList table = CurrentElements();
    ASSERT_EQ(table.symbols.size(), 118U);
    for (const auto &[symbol, weight] : published) {
        const std::optional<int> index = FindElement(symbol);
        ASSERT_TRUE(index) << symbol;
        EXPECT_EQ(table.symbols[*index], symbol);
        EXPECT_EQ(table.weights[*index], weight) << symbol;
    }
}

TEST_F(WeightTables, CompoundsAsAnswerKeysGiveThem)
{
    // Worked by hand from the published weights above.
    const std::pair<const char *, double> compounds[] = {
        { "CO2", 44.009 },
        { "H2O", 18.015 },
        { "NaCl", 58.44 },
        { "C6H12O6", 180.156 },
        { "CuSO4*5H2O", 249.677 },
        { "Fe2O3", 159.687 },
        { "Tc2O7", 305.993 },
        { "SO4{2-}", 96.056 },
        { "Lr", 262 },
    };
    UseWeightTable(WeightTable::Iupac2021);
    for (const auto &[formula, weight] : compounds)
        EXPECT_NEAR(weightOf(formula), weight, 1e-9) << formula;
}

TEST_F(WeightTables, OriginalTableStaysTheDefault)
{
    EXPECT_EQ(CurrentWeightTable(), WeightTable::Original);
    EXPECT_EQ(FormulaWeight("CO2"), "43.99");
    EXPECT_EQ(FormulaWeight("H2O"), "18.01");
    EXPECT_FALSE(FindElement("Lr"));
    EXPECT_TRUE(FindElement("Lw"));
    EXPECT_THROW(FormulaWeight("Og"), InvalidReaction);
}

TEST_F(WeightTables, EveryIupacSymbolIsFoundAtItsOwnPlace)
{
    UseWeightTable(WeightTable::Iupac2021);
    std::set<std::string_view> seen;
    for (int i = 0; i < IupacElementCount; ++i) {
        EXPECT_EQ(FindElement(IupacSymbols[i]), i) << IupacSymbols[i];
        EXPECT_TRUE(seen.insert(IupacSymbols[i]).second) << IupacSymbols[i];
        EXPECT_GT(AtomicWeight(i), i > 0 ? 0.9 * AtomicWeight(i - 1) : 1.0) << IupacSymbols[i];
    }
    EXPECT_FALSE(FindElement("Lw")); // the old symbols are gone
    EXPECT_FALSE(FindElement("Mv"));
}

TEST_F(WeightTables, BalanceWeighsWithTheTableInForce)
{
    UseWeightTable(WeightTable::Iupac2021);
    const BalancedReaction balanced = Balance("H2+O2>H2O");
    ASSERT_EQ(balanced.weights.size(), 3U);
    EXPECT_EQ(balanced.weights[0], "2.016");
    EXPECT_EQ(balanced.weights[1], "31.998");
    EXPECT_EQ(balanced.weights[2], "18.015");
}

} // namespace
