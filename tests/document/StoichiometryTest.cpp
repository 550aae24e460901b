// The shipped templates make Calculate Grid a stoichiometry calculator: one amount typed into
// one row of a balanced reaction gives the amounts of every substance in one press.
#include "document/Templates.h"

#include "DocumentFixtures.h"
#include "core/Balance.h"
#include "grid/BalanceFill.h"
#include "grid/GridCalc.h"
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

} // namespace
