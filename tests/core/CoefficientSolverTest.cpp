#include "core/CoefficientSolver.h"
#include "core/Errors.h"
#include "core/Fraction.h"
#include "core/SolverLine.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace molvane;

namespace {

using Lines = std::vector<std::string>;
using Counts = std::vector<std::vector<std::int32_t>>;

// The solver's lines and values in the text form they are written in.
std::vector<SolverLine> read(const Lines &texts)
{
    std::vector<SolverLine> lines;
    for (const std::string &text : texts)
        lines.push_back(ReadSolverLine(text));
    return lines;
}

Lines texts(const std::vector<SolverLine> &lines)
{
    Lines texts;
    for (const SolverLine &line : lines)
        texts.push_back(SolverLineText(line));
    return texts;
}

SolverValues values(const ResultList &texts)
{
    SolverValues values;
    for (const std::string &text : texts) {
        if (text.empty())
            values.emplace_back();
        else
            values.push_back(SolverValue { FromText(text), text.find('/') == std::string::npos });
    }
    return values;
}

ResultList texts(const SolverValues &values)
{
    ResultList texts;
    for (const std::optional<SolverValue> &value : values) {
        if (!value)
            texts.emplace_back();
        else
            texts.push_back(
                value->whole ? std::to_string(value->value.numerator) : ToText(value->value));
    }
    return texts;
}

bool SolverPass(Lines &lines, ResultList &results, int substanceCount)
{
    std::vector<SolverLine> solverLines = read(lines);
    SolverValues solverValues = values(results);
    const bool passed = molvane::SolverPass(solverLines, solverValues, substanceCount);
    lines = texts(solverLines);
    results = texts(solverValues);
    return passed;
}

// The whole coefficients as decimal texts.
ResultList wholeTexts(const SolverValues &results)
{
    ResultList texts;
    for (const std::int32_t value : IntegerCoefficients(results))
        texts.push_back(std::to_string(value));
    return texts;
}

ResultList IntegerCoefficients(const ResultList &results)
{
    return wholeTexts(values(results));
}

TEST(BuildEquations, OneLinePerElementReactantsLeft)
{
    EXPECT_EQ(texts(BuildEquations({ { 2, 0 }, { 0, 2 }, { 2, 1 } }, 2, 2)),
        (Lines { "2[0]=2[2]", "2[1]=1[2]" }));
    // Propane: C, H, O over C3H8, O2, CO2, H2O.
    EXPECT_EQ(texts(BuildEquations({ { 3, 8, 0 }, { 0, 0, 2 }, { 1, 0, 2 }, { 0, 2, 1 } }, 3, 2)),
        (Lines { "3[0]=1[2]", "8[0]=2[3]", "2[1]=2[2]+1[3]" }));
    // An element no reactant holds begins with "="; one no product holds ends with "=0".
    EXPECT_EQ(texts(BuildEquations({ { 1, 0 }, { 0, 1 } }, 2, 1)), (Lines { "1[0]=0", "=1[1]" }));
    // Negative counts carry their own sign.
    EXPECT_EQ(
        texts(BuildEquations({ { -2 }, { 3 }, { -1 } }, 1, 2)), (Lines { "-2[0]+3[1]=-1[2]" }));
}

TEST(SolverPass, PropanePassOneSubstitutesNormalisesAndSolves)
{
    Lines lines = { "3[0]=1[2]", "8[0]=2[3]", "2[1]=2[2]+1[3]" };
    ResultList results = { "1", "", "3", "" };
    ASSERT_TRUE(SolverPass(lines, results, 4));
    EXPECT_EQ(lines, (Lines { "8=2[3]", "-6/1=+1[3]-2[1]" }));
    EXPECT_EQ(results, (ResultList { "1", "", "3", "4/1" }));

    ASSERT_TRUE(SolverPass(lines, results, 4));
    EXPECT_EQ(lines, (Lines { "-10/1=-2[1]" }));
    EXPECT_EQ(results, (ResultList { "1", "5/1", "3", "4/1" }));

    ASSERT_TRUE(SolverPass(lines, results, 4));
    EXPECT_TRUE(lines.empty());
    EXPECT_EQ(IntegerCoefficients(results), (ResultList { "1", "5", "3", "4" }));
}

TEST(SolverPass, EliminationStepOfSulfuricAcidOnCopper)
{
    // Cu+H2SO4>CuSO4+SO2+H2O, seeded by copper.
    Lines lines = { "1[0]=1[2]", "2[1]=2[4]", "1[1]=1[2]+1[3]", "4[1]=4[2]+2[3]+1[4]" };
    ResultList results = { "1", "", "1", "", "" };
    ASSERT_TRUE(SolverPass(lines, results, 5));
    EXPECT_EQ(lines, (Lines { "-1/1=+1[3]-1[1]", "-4/1=+2[3]+1/1[1]+0/2-4[1]", "0=2[4]-2[1]" }));

    const Lines equations = { "1[0]=1[2]", "2[1]=2[4]", "1[1]=1[2]+1[3]", "4[1]=4[2]+2[3]+1[4]" };
    SolverValues solved;
    ASSERT_TRUE(SolveCoefficients(
        { { 1, 0, 0, 0 }, { 0, 2, 1, 4 }, { 1, 0, 1, 4 }, { 0, 0, 1, 2 }, { 0, 2, 0, 1 } },
        read(equations), solved));
    EXPECT_EQ(wholeTexts(solved), (ResultList { "1", "2", "1", "1", "2" }));
}

TEST(SolverPass, MergesRepeatedVariablesAtTheLineEnd)
{
    Lines merged = { "0=1[0]+2[1]-3[0]", "0=1[0]+1[1]+1[2]" };
    ResultList none(3);
    ASSERT_TRUE(SolverPass(merged, none, 3));
    EXPECT_EQ(merged.back(), "0=+2[1]-2/1[0]"); // moved last by the elimination step

    // A zero sum stays as a term; its line then solves to "0=0" as its factor is zero.
    Lines cancelled = { "0=1[0]-1[0]", "0=2[1]+1[0]" };
    ResultList results(2);
    ASSERT_TRUE(SolverPass(cancelled, results, 2));
    EXPECT_EQ(cancelled, (Lines { "0=0", "0=2[1]+1[0]" }));
}

TEST(SolverPass, EliminationSkipsAZeroPivot)
{
    // The first term's factor is zero; dividing by it would put a zero under a fraction.
    Lines lines = { "0=0/2[0]+2[1]-2[2]", "0=1[1]+1[2]+1[0]" };
    ResultList results(3);
    ASSERT_TRUE(SolverPass(lines, results, 3));
    EXPECT_EQ(lines, (Lines { "0=+0/4[0]+1/1[2]+0/2+1[2]+1[0]", "0=0/2[0]+2[1]-2[2]" }));
}

TEST(SolverPass, ARemovedLineThatDoesNotHoldFailsTheSolve)
{
    Lines lines = { "2[0]=1[1]", "1[0]=1[2]" };
    ResultList results = { "1", "3", "1" };
    EXPECT_FALSE(SolverPass(lines, results, 3));
}

struct SolveCase
{
    const char *name;
    Counts counts;
    Lines lines;
    ResultList results;
};

class SolveCoefficientsFinds : public testing::TestWithParam<SolveCase>
{
};

TEST_P(SolveCoefficientsFinds, TheWorkedResults)
{
    const SolveCase &c = GetParam();
    SolverValues results;
    ASSERT_TRUE(SolveCoefficients(c.counts, read(c.lines), results));
    EXPECT_EQ(texts(results), c.results);
}

INSTANTIATE_TEST_SUITE_P(Solver, SolveCoefficientsFinds,
    testing::Values(SolveCase { "Water", { { 2, 0 }, { 0, 2 }, { 2, 1 } },
                        { "2[0]=2[2]", "2[1]=1[2]" }, { "2", "1/1", "2" } },
        SolveCase { "Rust", { { 1, 0 }, { 0, 2 }, { 2, 3 } }, { "1[0]=2[2]", "2[1]=3[2]" },
            { "2", "3/2", "1" } },
        SolveCase { "Propane", { { 3, 8, 0 }, { 0, 0, 2 }, { 1, 0, 2 }, { 0, 2, 1 } },
            { "3[0]=1[2]", "8[0]=2[3]", "2[1]=2[2]+1[3]" }, { "1", "5/1", "3", "4/1" } }),
    [](const auto &info) { return info.param.name; });

TEST(SolveCoefficients, RecordsItsStepsWithTheRowEachLineStartedAs)
{
    // Cu+H2SO4>CuSO4+SO2+H2O over Cu, H, S, O. Copper seeds a and c; every line left then
    // holds two unknowns, so hydrogen's eliminates e and moves last, and sulfur's eliminates d.
    // Oxygen's then holds b alone; with b known, the rotated lines of hydrogen and sulfur give
    // e and d, in the order they now stand.
    const Counts counts
        = { { 1, 0, 0, 0 }, { 0, 2, 1, 4 }, { 1, 0, 1, 4 }, { 0, 0, 1, 2 }, { 0, 2, 0, 1 } };
    const Lines equations = { "1[0]=1[2]", "2[1]=2[4]", "1[1]=1[2]+1[3]", "4[1]=4[2]+2[3]+1[4]" };
    using Kind = SolverStep::Kind;
    SolverRecord record;
    SolverValues results;
    ASSERT_TRUE(SolveCoefficients(counts, read(equations), results, SteadyMilliseconds, &record));
    EXPECT_EQ(record.steps,
        (std::vector<SolverStep> { { Kind::Found, 0, 0 }, { Kind::Found, 2, 0 },
            { Kind::Eliminated, 4, 1 }, { Kind::Eliminated, 3, 2 }, { Kind::Found, 1, 3 },
            { Kind::Found, 4, 1 }, { Kind::Found, 3, 2 } }));

    SolverValues unrecorded;
    ASSERT_TRUE(SolveCoefficients(counts, read(equations), unrecorded));
    EXPECT_EQ(unrecorded, results);
}

TEST(SolveCoefficients, WithoutASeedElementGivesUp)
{
    // C+O2>CO+CO2: carbon and oxygen each stand in three substances.
    SolverValues results;
    EXPECT_FALSE(SolveCoefficients({ { 1, 0 }, { 0, 2 }, { 1, 1 }, { 1, 2 } },
        read({ "1[0]=1[2]+1[3]", "2[1]=1[2]+2[3]" }), results));
}

TEST(SolveCoefficients, SeedOnOneSideIsAConversionFailure)
{
    SolverValues results;
    EXPECT_THROW(SolveCoefficients({ { 1 }, { 1 }, { 0 } }, read({ "1[0]+1[1]=0" }), results),
        ConversionError);
}

// A clock that jumps past the time limit at every reading.
int jumpingClockReadings = 0;
std::int64_t jumpingClock()
{
    return std::int64_t(jumpingClockReadings++) * (SolverTimeLimitMs + 1);
}

TEST(SolveCoefficients, StopsAtTheTimeLimitBetweenPasses)
{
    // CH4+O2>CO2+H2O+CO leaves a free ratio; a clock that jumps past the limit ends it at once.
    const Counts counts = { { 1, 4, 0 }, { 0, 0, 2 }, { 1, 0, 2 }, { 0, 2, 1 }, { 1, 0, 1 } };
    jumpingClockReadings = 0;
    SolverValues results;
    EXPECT_FALSE(SolveCoefficients(counts, BuildEquations(counts, 3, 2), results, jumpingClock));
    EXPECT_EQ(jumpingClockReadings, 2); // the start, then the first test after one pass
}

TEST(IntegerCoefficients, ScalesToSmallestWholeNumbers)
{
    EXPECT_EQ(IntegerCoefficients({ "1", "1/3", "1", "1/2" }), (ResultList { "6", "2", "6", "3" }));
    EXPECT_EQ(IntegerCoefficients({ "2", "3/2", "1" }), (ResultList { "4", "3", "2" }));
    EXPECT_EQ(IntegerCoefficients({ "4", "6", "8" }), (ResultList { "2", "3", "4" }));
    // A zero makes the common divisor 1: nothing else is reduced.
    EXPECT_EQ(IntegerCoefficients({ "2", "0/1", "4" }), (ResultList { "2", "0", "4" }));
    EXPECT_EQ(IntegerCoefficients({ "0", "2", "4" }), (ResultList { "0", "2", "4" }));
}

TEST(IntegerCoefficients, FailsOnEmptyAndOutOfRangeResults)
{
    EXPECT_THROW(IntegerCoefficients({ "1", "" }), ConversionError);
    EXPECT_THROW(IntegerCoefficients({ "1/2147483647", "1/2147483646", "1" }), ConversionError);
    EXPECT_THROW(IntegerCoefficients({ "1", "1/0" }), ConversionError);
}

} // namespace
