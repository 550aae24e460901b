#include "core/ExactSolver.h"
#include "core/Errors.h"

#include <gtest/gtest.h>

using namespace molvane;

namespace {

TEST(SolveExactly, OneAnswerInSmallestWholeNumbers)
{
    // H2+O2>H2O over H, O.
    const ExactAnswer water = SolveExactly({ { 2, 0 }, { 0, 2 }, { 2, 1 } }, 2);
    EXPECT_EQ(water.freeRatios, 1);
    EXPECT_EQ(water.answer, (std::vector<std::int64_t> { 2, 1, 2 }));
}

TEST(SolveExactly, CountsFreeRatios)
{
    // C+O2>CO+CO2: two independent answers.
    EXPECT_EQ(SolveExactly({ { 1, 0 }, { 0, 2 }, { 1, 1 }, { 1, 2 } }, 2).freeRatios, 2);
    // H2O>H2O2: only all zeros balance it.
    const ExactAnswer none = SolveExactly({ { 2, 1 }, { 2, 2 } }, 1);
    EXPECT_EQ(none.freeRatios, 0);
    EXPECT_TRUE(none.answer.empty());
}

TEST(SolveExactly, ReportsTheSignsOfTheOneAnswer)
{
    // CO2>CO+C needs -1 C; NaCl>Na+Cl2+O2 needs no O2.
    EXPECT_EQ(SolveExactly({ { 1, 2 }, { 1, 1 }, { 1, 0 } }, 1).answer,
        (std::vector<std::int64_t> { 1, 2, -1 }));
    EXPECT_EQ(SolveExactly({ { 1, 1, 0 }, { 1, 0, 0 }, { 0, 2, 0 }, { 0, 0, 2 } }, 1).answer,
        (std::vector<std::int64_t> { 2, 2, 1, 0 }));
}

} // namespace
