// The working of a balance, checked line by line on reactions worked by hand, and over both
// corpora and the fuzz target's seeds: every equation written holds for the values found,
// every working starts from 1, ends in the coefficients Balance gives and in a check.
#include "core/Derivation.h"

#include "BalanceSamples.h"
#include "core/Balance.h"
#include "core/Errors.h"
#include "core/Fraction.h"
#include "core/ReactionText.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

using namespace molvane;

namespace {

Derivation derive(const std::string &reaction)
{
    return DeriveBalance(PrepareForBalance(reaction, 0, true).text);
}

// A step as one line: "O: 2b = 2c + d | 2b = 2(3) + 4 | 2b = 10 | b = 5"; the start reads
// "start C3H8 | a = 1", an expression's rewrites follow it.
std::string stepLine(const DerivationStep &step)
{
    const std::string value = step.unknown + " = " + step.value;
    if (step.kind == DerivationStep::Kind::Start)
        return "start " + step.substance + " | " + value;
    const auto named = [&](const DerivationEquation &equation) {
        if (step.kind == DerivationStep::Kind::BackSubstitute)
            return equation.text;
        return (equation.row.empty() ? "charge" : equation.row) + ": " + equation.text;
    };
    std::string line = named(step.equation) + " | " + step.reduced.written.text + " | "
        + step.reduced.simplified + " | " + value;
    for (const DerivationRewrite &rewrite : step.substituted)
        line += " | " + named(rewrite.written) + " -> " + rewrite.simplified;
    return line;
}

// Reads the linear expressions the working writes ("2b + (1/2)c - 3", "2(3/2)", "(b - 1)")
// and works them out with the values of the unknowns.
class Evaluator
{
public:
    Evaluator(std::string_view text, const std::map<std::string, Fraction> &values)
        : m_text(text)
        , m_values(values)
    { }

    // Whether "left = right" holds.
    bool holds()
    {
        const Fraction left = sum();
        if (!take('='))
            return false;
        const Fraction right = sum();
        return m_pos == m_text.size() && Reduce(left) == Reduce(right);
    }

private:
    void blanks()
    {
        while (m_pos < m_text.size() && m_text[m_pos] == ' ')
            ++m_pos;
    }

    bool take(char c)
    {
        blanks();
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    Fraction sum()
    {
        Fraction total = take('-') ? Multiply(product(), FromInteger(-1)) : product();
        for (;;) {
            if (take('+'))
                total = Add(total, product());
            else if (take('-'))
                total = Add(total, Multiply(product(), FromInteger(-1)));
            else
                return total;
        }
    }

    // Factors written side by side multiply; a "/" divides by the next one.
    Fraction product()
    {
        Fraction value = factor();
        for (;;) {
            blanks();
            if (m_pos >= m_text.size())
                return value;
            const char c = m_text[m_pos];
            if (c == '/') {
                ++m_pos;
                value = Multiply(value, Reduce(Reciprocal(factor())));
            } else if (c == '(' || std::isalnum(static_cast<unsigned char>(c))) {
                value = Multiply(value, factor());
            } else {
                return value;
            }
        }
    }

    Fraction factor()
    {
        blanks();
        if (take('(')) {
            const Fraction inner = sum();
            EXPECT_TRUE(take(')')) << m_text;
            return inner;
        }
        const std::size_t start = m_pos;
        if (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos]))) {
            while (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos])))
                ++m_pos;
            return FromInteger(std::stoll(std::string(m_text.substr(start, m_pos - start))));
        }
        ++m_pos; // a name: a letter, or "x" and digits
        while (m_pos < m_text.size() && std::isdigit(static_cast<unsigned char>(m_text[m_pos])))
            ++m_pos;
        const auto value = m_values.find(std::string(m_text.substr(start, m_pos - start)));
        EXPECT_NE(value, m_values.end()) << m_text;
        return value == m_values.end() ? FromInteger(0) : value->second;
    }

    std::string_view m_text;
    const std::map<std::string, Fraction> &m_values;
    std::size_t m_pos = 0;
};

// Every equation the working writes holds for the values it finds, the values are the
// coefficients over the multiplier, the start is 1, and the check counts equal sides.
void expectEveryLineRight(const Derivation &derivation)
{
    ASSERT_FALSE(derivation.steps.empty());
    const std::int64_t multiplier
        = derivation.multiplier.empty() ? 1 : std::stoll(derivation.multiplier);
    std::map<std::string, Fraction> values;
    for (std::size_t k = 0; k < derivation.unknowns.size(); ++k) {
        EXPECT_NE(derivation.unknowns[k], "e");
        values[derivation.unknowns[k]]
            = Reduce({ std::stoll(derivation.coefficients[k]), multiplier });
    }
    const auto holds
        = [&](const std::string &text) { EXPECT_TRUE(Evaluator(text, values).holds()) << text; };
    EXPECT_EQ(derivation.steps.front().kind, DerivationStep::Kind::Start);
    for (const DerivationStep &step : derivation.steps) {
        holds(step.unknown + " = " + step.value);
        if (step.kind == DerivationStep::Kind::Start)
            continue;
        holds(step.equation.text);
        holds(step.reduced.written.text);
        holds(step.reduced.simplified);
        for (const DerivationRewrite &rewrite : step.substituted) {
            holds(rewrite.written.text);
            holds(rewrite.simplified);
        }
    }
    for (const DerivationEquation &equation : derivation.equations)
        holds(equation.text);
    ASSERT_EQ(derivation.check.size(), derivation.equations.size());
    for (const DerivationEquation &row : derivation.check) {
        const std::size_t equals = row.text.find(" = ");
        EXPECT_EQ(row.text.substr(0, equals), row.text.substr(equals + 3)) << row.text;
    }
}

struct Worked
{
    const char *reaction;
    std::vector<std::string> equations; // "row: text", the charge's row "charge"
    std::vector<std::string> steps;
    std::vector<std::string> fractions;
    const char *multiplier;
    std::vector<std::string> coefficients;
};

void PrintTo(const Worked &worked, std::ostream *out)
{
    *out << worked.reaction;
}

class WorkedDerivation : public testing::TestWithParam<Worked>
{
};

TEST_P(WorkedDerivation, ReadsAsWorkedByHand)
{
    const Worked &worked = GetParam();
    const Derivation derivation = derive(worked.reaction);
    EXPECT_FALSE(derivation.noAnswer);
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
    expectEveryLineRight(derivation);
}

INSTANTIATE_TEST_SUITE_P(ByHand, WorkedDerivation,
    testing::Values(Worked { "C3H8+O2>CO2+H2O", { "C: 3a = c", "H: 8a = 2d", "O: 2b = 2c + d" },
                        { "start C3H8 | a = 1", "C: 3a = c | 3(1) = c | 3 = c | c = 3",
                            "H: 8a = 2d | 8(1) = 2d | 8 = 2d | d = 4",
                            "O: 2b = 2c + d | 2b = 2(3) + 4 | 2b = 10 | b = 5" },
                        {}, "", { "1", "5", "3", "4" } },
        // The start of 1 that needs no elimination is the product; one fraction, cleared once.
        Worked { "Fe+O2>Fe2O3", { "Fe: a = 2c", "O: 2b = 3c" },
            { "start Fe2O3 | c = 1", "Fe: a = 2c | a = 2(1) | a = 2 | a = 2",
                "O: 2b = 3c | 2b = 3(1) | 2b = 3 | b = 3/2" },
            { "b = 3/2" }, "2", { "4", "3", "2" } },
        // Ionic: iron is found only through the charge, whose equation is cancelled.
        Worked { "MnO4{-}+Fe{2+}+H{+}>Mn{2+}+Fe{3+}+H2O",
            { "Mn: a = d", "O: 4a = g", "Fe: b = f", "H: c = 2g", "charge: -a + 2b + c = 2d + 3f" },
            { "start MnO4{-} | a = 1", "Mn: a = d | 1 = d | 1 = d | d = 1",
                "O: 4a = g | 4(1) = g | 4 = g | g = 4", "H: c = 2g | c = 2(4) | c = 8 | c = 8",
                "Fe: b = f | b = f | b = f | b = f | charge: -1 + 2f + 8 = 2(1) + 3f -> 5 = f",
                "charge: 5 = f | 5 = f | 5 = f | f = 5", "b = f | b = 5 | b = 5 | b = 5" },
            {}, "", { "1", "5", "8", "1", "5", "4" } },
        // Every equation left holds two unknowns: b, then d, written through f and put in.
        Worked { "Cu+H2SO4>CuSO4+SO2+H2O",
            { "Cu: a = c", "H: 2b = 2f", "S: b = c + d", "O: 4b = 4c + 2d + f" },
            { "start Cu | a = 1", "Cu: a = c | 1 = c | 1 = c | c = 1",
                std::string("H: 2b = 2f | 2b = 2f | 2b = 2f | b = f | S: f = 1 + d -> f = d + 1")
                    + " | O: 4f = 4(1) + 2d + f -> 3f = 2d + 4",
                "S: f = d + 1 | f = d + 1 | f = d + 1 | d = f - 1 | O: 3f = 2(f - 1) + 4 -> f = 2",
                "O: f = 2 | f = 2 | f = 2 | f = 2", "d = f - 1 | d = 2 - 1 | d = 1 | d = 1",
                "b = f | b = 2 | b = 2 | b = 2" },
            {}, "", { "1", "2", "1", "1", "2" } }),
    [](const testing::TestParamInfo<Worked> &info) { return "Case" + std::to_string(info.index); });

TEST(Derivation, WithoutOneAnswerGivesTheCauseAndTheEquations)
{
    const Derivation derivation = derive("H2S+H2SO4>S+SO2+H2O");
    EXPECT_TRUE(derivation.noAnswer);
    EXPECT_EQ(derivation.fault.cause, FaultCause::SeveralReactions);
    ASSERT_EQ(derivation.equations.size(), 3u);
    EXPECT_EQ(derivation.equations[0].text, "2a + 2b = 2f");
    EXPECT_EQ(derivation.equations[2].text, "4b = 2d + f");
    EXPECT_TRUE(derivation.steps.empty());
    EXPECT_TRUE(derivation.coefficients.empty());
}

TEST(Derivation, UnknownsSkipTheElectronsLetterAndPastTheAlphabetAreNumbered)
{
    EXPECT_EQ(UnknownName(0), "a");
    EXPECT_EQ(UnknownName(3), "d");
    EXPECT_EQ(UnknownName(4), "f");
    EXPECT_EQ(UnknownName(24), "z");
    EXPECT_EQ(UnknownName(25), "x26");
    EXPECT_EQ(derive("Fe{+3}+e{-}>Fe{+2}").substances,
        (std::vector<std::string> { "Fe{3+}", "e{-}", "Fe{2+}" }));
}

TEST(DerivationCorpus, EveryWorkingIsRightStartsFromOneAndEndsInACheck)
{
    int derived = 0;
    for (const std::string &reaction : ReadCorporaAndSeeds(MOLVANE_CORPUS_DIR)) {
        SCOPED_TRACE(reaction);
        const std::string text = PrepareForBalance(reaction, 0, true).text;
        BalancedReaction balanced;
        try {
            balanced = Balance(text);
        } catch (const CannotBalance &) {
            EXPECT_TRUE(DeriveBalance(text).noAnswer);
            continue;
        } catch (const InvalidReaction &) {
            EXPECT_THROW(DeriveBalance(text), InvalidReaction);
            continue;
        }
        const Derivation derivation = DeriveBalance(text);
        EXPECT_FALSE(derivation.noAnswer);
        EXPECT_EQ(derivation.coefficients, balanced.coefficients);
        EXPECT_FALSE(derivation.workingOutOfRange);
        expectEveryLineRight(derivation);
        ++derived;
    }
    EXPECT_GT(derived, 500);
}

} // namespace
