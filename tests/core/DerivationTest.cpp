// The derivation of a balance, checked step by step on reactions worked by hand, and against
// Balance over both corpora and the fuzz target's seeds.
#include "core/Derivation.h"

#include "BalanceSamples.h"
#include "core/Balance.h"
#include "core/CoefficientSolver.h"
#include "core/Errors.h"
#include "core/Fraction.h"
#include "core/ReactionText.h"

#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

using namespace molvane;

namespace {

Derivation derive(const std::string &reaction)
{
    return DeriveBalance(PrepareForBalance(reaction, 0, true).text);
}

// A step as one line: "C: 3a = c | 3 = c | c = 3"; a fixed unknown reads "fix | a = 1", a
// back-substitution names no row.
std::string stepLine(const DerivationStep &step)
{
    const std::string value = step.unknown + " = " + step.value;
    if (step.kind == DerivationStep::Kind::Fix)
        return "fix | " + value;
    const std::string row = step.kind == DerivationStep::Kind::BackSubstitute ? ""
        : step.equation.row.empty()                                           ? "charge: "
                                    : step.equation.row + ": ";
    std::string line = row + step.equation.text + " | " + step.reduced.text + " | " + value;
    for (const DerivationEquation &other : step.substituted)
        line += " | " + (other.row.empty() ? "charge" : other.row) + ": " + other.text;
    return line;
}

// Each step as "= b@O" for a value found from row O, "~ e@H" for e eliminated by row H; a
// back-substitution names the row its unknown was eliminated by.
std::vector<std::string> stepOrder(const Derivation &derivation)
{
    std::map<std::string, std::string> eliminatedBy;
    std::vector<std::string> order;
    for (const DerivationStep &step : derivation.steps) {
        std::string row = step.equation.row;
        if (step.kind == DerivationStep::Kind::Express)
            eliminatedBy[step.unknown] = row;
        else if (step.kind == DerivationStep::Kind::BackSubstitute)
            row = eliminatedBy.at(step.unknown);
        order.push_back(
            (step.kind == DerivationStep::Kind::Express ? "~ " : "= ") + step.unknown + "@" + row);
    }
    return order;
}

// The text solver's record in the same terms; a value it finds again, or an unknown it
// eliminates again from the same row, says nothing new.
std::vector<std::string> solverOrder(const BalanceProblem &problem, const SolverRecord &record)
{
    std::vector<bool> found(problem.counts.size(), false);
    std::vector<int> eliminatedFrom(problem.rows.size(), -1);
    std::vector<std::string> order;
    for (const SolverStep &step : record.steps) {
        const std::size_t k = std::size_t(step.substance), row = std::size_t(step.row);
        if (step.kind == SolverStep::Kind::Found) {
            if (found[k])
                continue;
            found[k] = true;
        } else {
            if (eliminatedFrom[row] == step.substance)
                continue;
            eliminatedFrom[row] = step.substance;
        }
        order.push_back((step.kind == SolverStep::Kind::Found ? "= " : "~ ")
            + UnknownName(step.substance) + "@" + problem.rows[row]);
    }
    return order;
}

// The steps name the unknowns in the order the text solver found them, from the rows it used,
// and each value found is the coefficient before scaling.
void expectStepsFollowTheTextSolver(const std::string &text, const Derivation &derivation)
{
    const BalanceProblem problem = ReadBalanceProblem(text);
    SolverRecord record;
    ASSERT_EQ(SolveAsText(problem, SteadyMilliseconds, &record).outcome, TextSolverOutcome::Solved);
    EXPECT_EQ(stepOrder(derivation), solverOrder(problem, record));

    const Fraction multiplier
        = FromInteger(derivation.multiplier.empty() ? 1 : std::stoll(derivation.multiplier));
    const std::int64_t divisor = derivation.divisor.empty() ? 1 : std::stoll(derivation.divisor);
    for (const DerivationStep &step : derivation.steps) {
        if (step.kind == DerivationStep::Kind::Express)
            continue;
        const auto k
            = std::find(derivation.unknowns.begin(), derivation.unknowns.end(), step.unknown)
            - derivation.unknowns.begin();
        EXPECT_EQ(Reduce(Multiply(FromText(step.value), multiplier)),
            FromInteger(std::stoll(derivation.coefficients.at(std::size_t(k))) * divisor))
            << step.unknown;
    }
}

struct Worked
{
    const char *reaction;
    DerivationRoute route;
    std::vector<std::string> equations; // "row: text", the charge's row "charge"
    std::vector<std::string> steps;
    std::vector<std::string> fractions;
    const char *multiplier;
    std::vector<std::string> coefficients;
};

class WorkedDerivation : public testing::TestWithParam<Worked>
{
};

TEST_P(WorkedDerivation, ReadsAsWorkedByHand)
{
    const Worked &worked = GetParam();
    const Derivation derivation = derive(worked.reaction);
    EXPECT_EQ(derivation.route, worked.route);
    std::vector<std::string> equations, steps;
    for (const DerivationEquation &equation : derivation.equations)
        equations.push_back(
            (equation.row.empty() ? "charge" : equation.row) + ": " + equation.text);
    for (const DerivationStep &step : derivation.steps)
        steps.push_back(stepLine(step));
    EXPECT_EQ(equations, worked.equations);
    EXPECT_EQ(steps, worked.steps);
    EXPECT_EQ(derivation.fractions, worked.fractions);
    EXPECT_EQ(derivation.multiplier, worked.multiplier);
    EXPECT_EQ(derivation.coefficients, worked.coefficients);
    EXPECT_FALSE(derivation.workingOutOfRange);
}

INSTANTIATE_TEST_SUITE_P(ByHand, WorkedDerivation,
    testing::Values(Worked { "C3H8+O2>CO2+H2O", DerivationRoute::Substitution,
                        { "C: 3a = c", "H: 8a = 2d", "O: 2b = 2c + d" },
                        { "fix | a = 1", "C: 3a = c | 3 = c | c = 3", "H: 8a = 2d | 8 = 2d | d = 4",
                            "O: 2b = 2c + d | 2b = 10 | b = 5" },
                        {}, "", { "1", "5", "3", "4" } },
        Worked { "Fe+O2>Fe2O3", DerivationRoute::Substitution, { "Fe: a = 2c", "O: 2b = 3c" },
            { "fix | a = 2", "Fe: a = 2c | 2 = 2c | c = 1", "O: 2b = 3c | 2b = 3 | b = 3/2" },
            { "b = 3/2" }, "2", { "4", "3", "2" } },
        // Redox: chlorine's value is a half on the way.
        Worked { "KMnO4+HCl>KCl+MnCl2+H2O+Cl2", DerivationRoute::Substitution,
            { "K: a = c", "Mn: a = d", "O: 4a = e", "H: b = 2e", "Cl: b = c + 2d + 2f" },
            { "fix | a = 1", "K: a = c | 1 = c | c = 1", "Mn: a = d | 1 = d | d = 1",
                "O: 4a = e | 4 = e | e = 4", "H: b = 2e | b = 8 | b = 8",
                "Cl: b = c + 2d + 2f | 8 = 2f + 3 | f = 5/2" },
            { "f = 5/2" }, "2", { "2", "16", "2", "2", "8", "5" } },
        // Ionic: iron is found only through the charge.
        Worked { "MnO4{-}+Fe{2+}+H{+}>Mn{2+}+Fe{3+}+H2O", DerivationRoute::Substitution,
            { "Mn: a = d", "O: 4a = f", "Fe: b = e", "H: c = 2f", "charge: -a + 2b + c = 2d + 3e" },
            { "fix | a = 1", "Mn: a = d | 1 = d | d = 1", "O: 4a = f | 4 = f | f = 4",
                "H: c = 2f | c = 8 | c = 8", "Fe: b = e | b = e | e = b | charge: 2b + 7 = 3b + 2",
                "charge: 2b + 7 = 3b + 2 | 2b + 7 = 3b + 2 | b = 5", "e = b | e = 5 | e = 5" },
            {}, "", { "1", "5", "8", "1", "5", "4" } },
        // Every equation left holds two unknowns: the solver eliminates e, then d, each by the
        // first term of its line, and finds them last from the lines it kept.
        Worked { "Cu+H2SO4>CuSO4+SO2+H2O", DerivationRoute::Substitution,
            { "Cu: a = c", "H: 2b = 2e", "S: b = c + d", "O: 4b = 4c + 2d + e" },
            { "fix | a = 1", "Cu: a = c | 1 = c | c = 1",
                "H: 2b = 2e | 2b = 2e | e = b | S: b = d + 1 | O: 4b = b + 2d + 4",
                "S: b = d + 1 | b = d + 1 | d = b - 1 | O: 4b = 3b + 2",
                "O: 4b = 3b + 2 | 4b = 3b + 2 | b = 2", "e = b | e = 2 | e = 2",
                "d = b - 1 | d = 1 | d = 1" },
            {}, "", { "1", "2", "1", "1", "2" } },
        // No element stands in exactly two substances: the text solver has no seed.
        Worked { "NO+NO2>N2O3", DerivationRoute::ExactFallback,
            { "N: a + b = 2c", "O: a + 2b = 3c" },
            { "fix | a = 1", "N: a + b = 2c | b + 1 = 2c | b = 2c - 1 | O: 4c - 1 = 3c",
                "O: 4c - 1 = 3c | 4c - 1 = 3c | c = 1", "b = 2c - 1 | b = 1 | b = 1" },
            {}, "", { "1", "1", "1" } }));

TEST(Derivation, WithoutOneAnswerGivesTheCauseAndTheEquations)
{
    const Derivation derivation = derive("H2S+H2SO4>S+SO2+H2O");
    EXPECT_EQ(derivation.route, DerivationRoute::NoAnswer);
    EXPECT_EQ(derivation.fault.cause, FaultCause::SeveralReactions);
    ASSERT_EQ(derivation.equations.size(), 3u);
    EXPECT_EQ(derivation.equations[0].text, "2a + 2b = 2e");
    EXPECT_EQ(derivation.equations[2].text, "4b = 2d + e");
    EXPECT_TRUE(derivation.steps.empty());
    EXPECT_TRUE(derivation.coefficients.empty());

    EXPECT_EQ(derive("NO+NO2>N2O3").fallback, FallbackReason::NoSeed);
}

TEST(Derivation, UnknownsPastTheAlphabetAreNumbered)
{
    EXPECT_EQ(UnknownName(0), "a");
    EXPECT_EQ(UnknownName(25), "z");
    EXPECT_EQ(UnknownName(26), "x27");
}

TEST(DerivationCorpus, EveryDerivationEndsInTheCoefficientsBalanceGives)
{
    int derived = 0, followed = 0;
    for (const std::string &reaction : ReadCorporaAndSeeds(MOLVANE_CORPUS_DIR)) {
        SCOPED_TRACE(reaction);
        const std::string text = PrepareForBalance(reaction, 0, true).text;
        BalancedReaction balanced;
        try {
            balanced = Balance(text);
        } catch (const CannotBalance &) {
            EXPECT_EQ(DeriveBalance(text).route, DerivationRoute::NoAnswer);
            continue;
        } catch (const InvalidReaction &) {
            EXPECT_THROW(DeriveBalance(text), InvalidReaction);
            continue;
        }
        const Derivation derivation = DeriveBalance(text);
        EXPECT_NE(derivation.route, DerivationRoute::NoAnswer);
        EXPECT_EQ(derivation.coefficients, balanced.coefficients);
        EXPECT_FALSE(derivation.workingOutOfRange);
        if (derivation.route == DerivationRoute::Substitution && !derivation.workingOutOfRange) {
            expectStepsFollowTheTextSolver(text, derivation);
            ++followed;
        }
        ++derived;
    }
    EXPECT_GT(derived, 100);
    EXPECT_GT(followed, 100);
}

} // namespace
