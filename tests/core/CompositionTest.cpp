// Composition rows worked by hand from the tables' published weights.
#include "core/Composition.h"
#include "core/ElementTable.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace molvane;

namespace {

struct Case
{
    const char *formula;
    WeightTable table;
    const char *weight;
    std::vector<std::string> lines;
};

TEST(Composition, EachElementsShareOfTheWeight)
{
    const Case cases[] = {
        { "H2O", WeightTable::Iupac2021, "18.015",
            { "H\t2\t1.008\t2.016\t11.19", "O\t1\t15.999\t15.999\t88.81" } },
        { "CuSO4*5H2O", WeightTable::Iupac2021, "249.677",
            { "Cu\t1\t63.546\t63.546\t25.45", "S\t1\t32.06\t32.06\t12.84",
                "O\t9\t15.999\t143.991\t57.67", "H\t10\t1.008\t10.08\t4.04" } },
        { "CO2", WeightTable::Original, "43.99",
            { "C\t1\t12.01\t12.01\t27.30", "O\t2\t15.99\t31.98\t72.70" } },
        { "SO4{2-}", WeightTable::Original, "96.02",
            { "S\t1\t32.06\t32.06\t33.39", "O\t4\t15.99\t63.96\t66.61" } },
        { "Tc2O7", WeightTable::Iupac2021, "305.993",
            { "Tc\t2\t[97]\t194\t63.40", "O\t7\t15.999\t111.993\t36.60" } },
        { "e{-}", WeightTable::Original, "0.000549", { "e\t1\t0.000549\t0.000549\t100.00" } },
    };
    for (const Case &c : cases) {
        UseWeightTable(c.table);
        const Composition composition = FormulaComposition(c.formula);
        EXPECT_EQ(composition.weight, c.weight) << c.formula;
        std::vector<std::string> lines;
        for (const ElementShare &share : composition.elements)
            lines.push_back(ShareLine(share));
        EXPECT_EQ(lines, c.lines) << c.formula;
    }
    UseWeightTable(WeightTable::Original);
}

TEST(Composition, PercentsSumToAHundredWithinRounding)
{
    for (const char *formula : { "C6H12O6", "K4[Fe(CN)6]*3H2O", "Ca3(PO4)2", "NH4{+}" }) {
        double sum = 0;
        const Composition composition = FormulaComposition(formula);
        for (const ElementShare &share : composition.elements)
            sum += std::stod(share.percent);
        EXPECT_NEAR(sum, 100, 0.005 * double(composition.elements.size())) << formula;
    }
}

TEST(Composition, FailsAsTheWeightDoes)
{
    EXPECT_THROW(FormulaComposition("Xq2"), InvalidReaction);
    EXPECT_THROW(FormulaComposition("Ca(OH"), InvalidReaction);
}

} // namespace
