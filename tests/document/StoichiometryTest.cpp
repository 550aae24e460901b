// The shipped templates make Calculate Grid a stoichiometry calculator: one amount typed into
// one row of a balanced reaction gives the amounts of every substance in one press.
#include "document/Templates.h"

#include "DocumentFixtures.h"
#include "core/Balance.h"
#include "grid/BalanceFill.h"
#include "grid/GridCalc.h"
#include "grid/LimitingReactant.h"
#include "grid/NumberText.h"

#include <gtest/gtest.h>

#include <QLocale>

#include <locale>

using namespace molvane;
using namespace molvane::test;

namespace {

// Both templates have the same columns: formula, coefficient, weight, mol, gram, litre.
enum Column { FormulaCol, NumberCol, WeightCol, MolCol, GramCol, LitreCol };

struct StoichiometryCase
{
    const char *name;
    const char *reaction;
    int knownRow;
    Column knownColumn;
    const char *knownValue;
    std::vector<double> grams; ///< worked out by hand, one per substance
};

// A new document of @p language from its shipped template, balanced and with one amount.
Document calculated(UiLanguage language, const StoichiometryCase &c)
{
    Document doc;
    doc.language = language;
    doc.grid.setRowCount(2);
    doc = ApplyTemplateFile(doc, { {}, {}, QString::fromStdString(dataDir()) }).document;
    FillGridFromBalance(doc.grid, Balance(c.reaction));
    doc.grid.setCell(c.knownColumn, c.knownRow, c.knownValue);
    CalculateGrid(doc.grid, doc.FormulsList);
    return doc;
}

double valueOf(const GridModel &grid, Column col, int row)
{
    const std::optional<long double> value = ReadDecimal(grid.cell(col, row));
    EXPECT_TRUE(value.has_value())
        << "column " << col << " row " << row << ": " << grid.cell(col, row);
    return value ? double(*value) : 0.0;
}

class Stoichiometry : public testing::TestWithParam<std::tuple<UiLanguage, StoichiometryCase>>
{
};

TEST_P(Stoichiometry, OnePressGivesEveryMass)
{
    const auto &[language, c] = GetParam();
    const Document doc = calculated(language, c);
    EXPECT_EQ(doc.grid.cell(c.knownColumn, c.knownRow), c.knownValue);
    for (std::size_t i = 0; i < c.grams.size(); ++i) {
        const int row = int(i) + 1;
        EXPECT_NEAR(valueOf(doc.grid, GramCol, row), c.grams[i], c.grams[i] * 1e-13) << row;
        // and the moles and litres agree with the mass
        const double mol = valueOf(doc.grid, MolCol, row);
        EXPECT_NEAR(mol * valueOf(doc.grid, WeightCol, row), c.grams[i], c.grams[i] * 1e-13);
        EXPECT_NEAR(valueOf(doc.grid, LitreCol, row), mol * 22.414, mol * 22.414 * 1e-13);
    }
}

INSTANTIATE_TEST_SUITE_P(Templates, Stoichiometry,
    testing::Combine(testing::Values(UiLanguage::English, UiLanguage::Farsi),
        testing::Values(
            // 4 g of hydrogen: 4/2.02 mol, half as much oxygen, as much water
            StoichiometryCase { "HydrogenMassInFirstRow", "H2+O2>H2O", 1, GramCol, "4",
                { 4.0, 31.6633663366336634, 35.6633663366336634 } },
            // 88 g of carbon dioxide in the third of four rows: 88/43.99 mol of it
            StoichiometryCase { "CarbonDioxideMassInThirdRow", "CH4+O2>CO2+H2O", 3, GramCol, "88",
                { 32.1072971129802228, 127.949079336212776, 88.0, 72.0563764491929984 } },
            // 22.414 litres of nitrogen, one mole: 3 mol hydrogen, 2 mol ammonia
            StoichiometryCase { "NitrogenVolumeInFirstRow", "N2+H2>NH3", 1, LitreCol, "22.414",
                { 28.02, 6.06, 34.08 } },
            // only two substances: the last row still gets its mass in the same press
            StoichiometryCase {
                "TwoSubstancesMassInLastRow", "O3>O2", 2, GramCol, "95.94", { 95.94, 95.94 } })),
    [](const auto &info) {
        return std::string(std::get<0>(info.param) == UiLanguage::English ? "English" : "Farsi")
            + std::get<1>(info.param).name;
    });

// A numpunct that writes "," as the decimal point, as many locales do.
struct CommaPoint : std::numpunct<char>
{
    char do_decimal_point() const override { return ','; }
};

TEST(Stoichiometry, ResultsAndSavedDocumentKeepTheDotUnderACommaLocale)
{
    const StoichiometryCase c { "Methane", "CH4+O2>CO2+H2O", 3, GramCol, "88", {} };
    const QByteArray expected = DocumentBytes(calculated(UiLanguage::English, c));
    const std::locale previous = std::locale::global(std::locale(std::locale(), new CommaPoint));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    const QByteArray underComma = DocumentBytes(calculated(UiLanguage::English, c));
    std::locale::global(previous);
    QLocale::setDefault(QLocale::c());
    EXPECT_EQ(underComma, expected);
    EXPECT_TRUE(underComma.contains("\r\nH2O,2,18.01,4.0009092975676"));
    EXPECT_TRUE(underComma.contains(",72.05637644919"));
}

struct Typed
{
    int row;
    Column col;
    const char *value;
};

struct LimitingCase
{
    const char *name;
    const char *reaction;
    std::vector<Typed> typed;
    std::vector<std::string> formulas; ///< none: the template's; "@" is the gram item
    ReactantOutcome::Kind kind;
    int limitingRow;
    double productGrams; ///< of the last row, worked by hand from the original weights
    std::vector<std::pair<Typed, double>> leftOvers;
};

class LimitingReactant : public testing::TestWithParam<std::tuple<UiLanguage, LimitingCase>>
{
};

// Mass is never created: the reactant that gives the least product limits it.
TEST_P(LimitingReactant, ProductsComeFromTheLimitingOne)
{
    const auto &[language, c] = GetParam();
    Document doc;
    doc.language = language;
    doc.grid.setRowCount(2);
    doc = ApplyTemplateFile(doc, { {}, {}, QString::fromStdString(dataDir()) }).document;
    FillGridFromBalance(doc.grid, Balance(c.reaction));
    for (const Typed &typed : c.typed)
        doc.grid.setCell(typed.col, typed.row, typed.value);
    if (!c.formulas.empty())
        doc.FormulsList.clear();
    for (std::string formula : c.formulas) {
        for (std::size_t at; (at = formula.find('@')) != std::string::npos;)
            formula.replace(at, 1, doc.grid.itemName(GramCol));
        doc.FormulsList.push_back(formula);
    }
    const ReactantOutcome outcome
        = CalculateGridLimited(doc.grid, doc.FormulsList, ReactantRows(c.reaction));
    EXPECT_EQ(outcome.kind, c.kind);
    EXPECT_EQ(outcome.limitingRow, c.limitingRow);
    const int last = doc.grid.rowCount() - 1;
    EXPECT_NEAR(valueOf(doc.grid, GramCol, last), c.productGrams, c.productGrams * 1e-12);
    EXPECT_TRUE(doc.grid.isComputed(GramCol, last));
    for (const Typed &typed : c.typed) // the excess keeps what was typed
        EXPECT_EQ(doc.grid.cell(typed.col, typed.row), typed.value);
    ASSERT_EQ(outcome.leftOvers.size(), c.leftOvers.size());
    for (std::size_t i = 0; i < c.leftOvers.size(); ++i) {
        const auto &[where, amount] = c.leftOvers[i];
        EXPECT_EQ(outcome.leftOvers[i].row, where.row);
        EXPECT_EQ(outcome.leftOvers[i].col, where.col);
        EXPECT_NEAR(std::stod(outcome.leftOvers[i].amount), amount, 1e-4) << i;
    }
}

using Kind = ReactantOutcome::Kind;

INSTANTIATE_TEST_SUITE_P(Templates, LimitingReactant,
    testing::Combine(testing::Values(UiLanguage::English, UiLanguage::Farsi),
        testing::Values(
            // 40 g of hydrogen, 4 g of oxygen: 4/31.98 mol of oxygen gives twice that of water
            LimitingCase { "OxygenLimitsWater", "H2+O2>H2O",
                { { 1, GramCol, "40" }, { 2, GramCol, "4" } }, {}, Kind::Limiting, 2,
                4 / 31.98 * 2 * 18.01, { { { 1, GramCol, "" }, 40 - 4 / 31.98 * 2 * 2.02 } } },
            // hydrogen in moles: what is left of it is told in moles
            LimitingCase { "LeftOverInTheTypedColumn", "H2+O2>H2O",
                { { 1, MolCol, "19.8" }, { 2, GramCol, "4" } }, {}, Kind::Limiting, 2,
                4 / 31.98 * 2 * 18.01, { { { 1, MolCol, "" }, 19.8 - 4 / 31.98 * 2 } } },
            // exactly the amounts the reaction takes: the first limits, nothing is left
            LimitingCase { "EqualAmounts", "H2+O2>H2O",
                { { 1, GramCol, "4.04" }, { 2, GramCol, "31.98" } }, {}, Kind::Limiting, 1, 36.02,
                { { { 2, GramCol, "" }, 0 } } },
            // 2N2 + 4H2 + 3O2 > 2NH4NO3: of three, hydrogen gives the least
            LimitingCase { "ThreeGivenReactants", "N2+H2+O2>NH4NO3",
                { { 1, GramCol, "10" }, { 2, GramCol, "1" }, { 3, GramCol, "100" } }, {},
                Kind::Limiting, 2, 1 / 2.02 / 2 * 80.03,
                { { { 1, GramCol, "" }, 10 - 1 / 2.02 / 2 * 28.02 },
                    { { 3, GramCol, "" }, 100 - 1 / 2.02 * 3 / 4 * 31.98 } } },
            // twice the amount does not give twice the product: nothing can be decided, and
            // the first given row computes as it always has
            LimitingCase { "NotProportional", "H2+O2>H2O",
                { { 1, GramCol, "40" }, { 2, GramCol, "4" } }, { "#@(a)=#@(b)*#@(b)" },
                Kind::Undecided, 0, 1600, {} })),
    [](const auto &info) {
        return std::string(std::get<0>(info.param) == UiLanguage::English ? "English" : "Farsi")
            + std::get<1>(info.param).name;
    });

} // namespace
