#include "core/Derivation.h"

#include "core/Balance.h"
#include "core/BalanceDiagnosis.h"
#include "core/Errors.h"
#include "core/ExactSolver.h"
#include "core/ReactionAnalysis.h"
#include "core/WorkingEquation.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace molvane {

namespace {

// The working as on the board: each row's equation as it stands, the values found and the
// unknowns written through the others, in the order a teacher takes them.
class Working
{
public:
    Working(std::vector<WorkingEquation> equations, const std::vector<std::string> &names,
        std::vector<DerivationStep> &steps)
        : m_equations(std::move(equations))
        , m_open(m_equations.size(), true)
        , m_names(names)
        , m_values(names.size())
        , m_steps(steps)
    { }

    void start(std::size_t k, const std::string &substance)
    {
        m_values[k] = FromInteger(1);
        DerivationStep step;
        step.kind = DerivationStep::Kind::Start;
        step.unknown = m_names[k];
        step.substance = substance;
        step.value = "1";
        m_steps.push_back(std::move(step));
    }

    // The values left: an equation with one unknown left first (the shortest), then an
    // unknown whose expression can be worked out, and only then an unknown eliminated.
    std::vector<Fraction> solve()
    {
        while (std::any_of(m_values.begin(), m_values.end(), [](const auto &v) { return !v; })) {
            closeSettled();
            if (!solveOne() && !backSubstituteOne() && !eliminate())
                throw ConversionError("the working stalled");
        }
        std::vector<Fraction> values;
        for (const std::optional<Fraction> &value : m_values)
            values.push_back(Reduce(*value));
        return values;
    }

private:
    struct Pending
    {
        std::size_t unknown;
        WorkingSide expression; ///< as written when it was found, never rewritten unseen
    };

    Replacement knownValues() const
    {
        return [this](std::size_t k) -> std::optional<std::string> {
            return m_values[k] ? std::optional(ValueText(*m_values[k])) : std::nullopt;
        };
    }

    WorkingEquation withValues(const WorkingEquation &equation) const
    {
        return { equation.row, WithValues(equation.left, m_values),
            WithValues(equation.right, m_values) };
    }

    DerivationEquation shown(const WorkingEquation &equation) const
    {
        return { equation.row, EquationText(equation, m_names) };
    }

    // The equation with the known values written in, then simplified.
    DerivationRewrite reduced(const WorkingEquation &equation) const
    {
        return { { equation.row, EquationText(equation, m_names, knownValues()) },
            EquationText(Cancelled(withValues(equation)), m_names) };
    }

    void closeSettled()
    {
        for (std::size_t row = 0; row < m_equations.size(); ++row)
            if (m_open[row] && UnknownsLeft(m_equations[row], m_values).empty())
                m_open[row] = false;
    }

    // The open row with @p unknowns unknowns left (any number from 2 when zero) and the
    // fewest terms.
    std::optional<std::size_t> simplestRow(std::size_t unknowns) const
    {
        std::optional<std::size_t> chosen;
        std::pair<std::size_t, std::size_t> best;
        for (std::size_t row = 0; row < m_equations.size(); ++row) {
            if (!m_open[row])
                continue;
            const std::size_t left = UnknownsLeft(m_equations[row], m_values).size();
            if (unknowns != 0 ? left != unknowns : left < 2)
                continue;
            const std::pair<std::size_t, std::size_t> rank { left, TermCount(m_equations[row]) };
            if (!chosen || rank < best) {
                chosen = row;
                best = rank;
            }
        }
        return chosen;
    }

    bool solveOne()
    {
        const std::optional<std::size_t> row = simplestRow(1);
        if (!row)
            return false;
        const std::size_t k = UnknownsLeft(m_equations[*row], m_values).front();
        const WorkingEquation now = Cancelled(withValues(m_equations[*row]));
        const Fraction coefficient = Difference(now.left.terms[k], now.right.terms[k]);
        DerivationStep step;
        step.kind = DerivationStep::Kind::Solve;
        step.equation = shown(m_equations[*row]);
        step.reduced = reduced(m_equations[*row]);
        found(k, Quotient(Difference(now.right.constant, now.left.constant), coefficient),
            std::move(step));
        m_open[*row] = false;
        return true;
    }

    // The last unknown expressed whose expression holds known values only.
    bool backSubstituteOne()
    {
        for (auto it = m_pending.rbegin(); it != m_pending.rend(); ++it) {
            const WorkingSide value = WithValues(it->expression, m_values);
            if (std::any_of(
                    value.terms.begin(), value.terms.end(), [](Fraction f) { return !IsZero(f); }))
                continue;
            const std::string name = m_names[it->unknown] + " = ";
            DerivationStep step;
            step.kind = DerivationStep::Kind::BackSubstitute;
            step.equation = { {}, name + SideText(it->expression, m_names) };
            step.reduced = { { {}, name + SideText(it->expression, m_names, knownValues()) },
                name + ValueText(value.constant) };
            found(it->unknown, value.constant, std::move(step));
            m_pending.erase(std::next(it).base());
            return true;
        }
        return false;
    }

    // As by hand: from the open equation with the fewest unknowns, the unknown that stands
    // alone (coefficient 1) if any, written through the others and put in their place.
    bool eliminate()
    {
        const std::optional<std::size_t> row = simplestRow(0);
        if (!row)
            return false;
        const WorkingEquation now = Cancelled(withValues(m_equations[*row]));
        const std::vector<std::size_t> unknowns = UnknownsLeft(now, m_values);
        std::size_t k = unknowns.front();
        for (const std::size_t u : unknowns) {
            const Fraction c = Reduce(Difference(now.left.terms[u], now.right.terms[u]));
            if (c.denominator == 1 && (c.numerator == 1 || c.numerator == -1)) {
                k = u;
                break;
            }
        }
        const Fraction coefficient = Difference(now.left.terms[k], now.right.terms[k]);
        WorkingSide expression;
        for (std::size_t i = 0; i < m_values.size(); ++i)
            expression.terms.push_back(i == k
                    ? Fraction { 0, 1 }
                    : Quotient(Difference(now.right.terms[i], now.left.terms[i]), coefficient));
        expression.constant
            = Quotient(Difference(now.right.constant, now.left.constant), coefficient);

        DerivationStep step;
        step.kind = DerivationStep::Kind::Express;
        step.equation = shown(m_equations[*row]);
        step.reduced = reduced(m_equations[*row]);
        step.unknown = m_names[k];
        step.value = SideText(expression, m_names);
        m_open[*row] = false;
        putIn(k, expression, step);
        m_pending.push_back({ k, std::move(expression) });
        m_steps.push_back(std::move(step));
        return true;
    }

    // The expression of @p k written into every open equation that holds it, the known values
    // with it.
    void putIn(std::size_t k, const WorkingSide &expression, DerivationStep &step)
    {
        const std::string expressionText = SideText(expression, m_names);
        const Replacement replace = [&](std::size_t u) -> std::optional<std::string> {
            return u == k ? std::optional(expressionText) : knownValues()(u);
        };
        for (std::size_t other = 0; other < m_equations.size(); ++other) {
            WorkingEquation &equation = m_equations[other];
            if (!m_open[other]
                || (IsZero(equation.left.terms[k]) && IsZero(equation.right.terms[k])))
                continue;
            const DerivationEquation written { equation.row,
                EquationText(equation, m_names, replace) };
            equation = withValues(equation);
            Substitute(equation.left, k, expression);
            Substitute(equation.right, k, expression);
            equation = Cancelled(equation);
            step.substituted.push_back({ written, EquationText(equation, m_names) });
        }
    }

    void found(std::size_t k, Fraction value, DerivationStep step)
    {
        value = Reduce(value);
        m_values[k] = value;
        step.unknown = m_names[k];
        step.value = ValueText(value);
        m_steps.push_back(std::move(step));
    }

    std::vector<WorkingEquation> m_equations; ///< per row, eliminated unknowns replaced
    std::vector<bool> m_open; ///< per row: not yet used, unknowns left
    std::vector<Pending> m_pending;
    const std::vector<std::string> &m_names;
    KnownValues m_values;
    std::vector<DerivationStep> &m_steps;
};

std::vector<WorkingEquation> balanceEquations(const BalanceProblem &problem)
{
    const std::size_t unknowns = problem.counts.size();
    std::vector<WorkingEquation> equations;
    for (std::size_t r = 0; r < problem.rows.size(); ++r) {
        WorkingEquation equation { problem.rows[r], {}, {} };
        equation.left.terms.assign(unknowns, { 0, 1 });
        equation.right.terms.assign(unknowns, { 0, 1 });
        for (std::size_t s = 0; s < unknowns; ++s)
            (int(s) < problem.reactantCount ? equation.left : equation.right).terms[s]
                = FromInteger(problem.counts[s][r]);
        equations.push_back(std::move(equation));
    }
    return equations;
}

// How many unknowns follow from unknown @p k alone, each from an equation with one unknown
// left.
std::size_t reachedFrom(std::size_t k, const BalanceProblem &problem)
{
    std::vector<bool> known(problem.counts.size(), false);
    known[k] = true;
    std::size_t reached = 1;
    for (bool more = true; more;) {
        more = false;
        for (std::size_t r = 0; r < problem.rows.size(); ++r) {
            std::optional<std::size_t> single;
            int left = 0;
            for (std::size_t s = 0; s < known.size(); ++s) {
                if (problem.counts[s][r] != 0 && !known[s]) {
                    single = s;
                    ++left;
                }
            }
            if (left == 1) {
                known[*single] = true;
                ++reached;
                more = true;
            }
        }
    }
    return reached;
}

// The simplest start: the unknown from which the most values follow without eliminating,
// then the one with the smallest coefficient (the fewest fractions), then the first.
std::size_t startUnknown(const BalanceProblem &problem, const std::vector<std::int64_t> &answer)
{
    std::size_t best = 0;
    std::pair<std::size_t, std::int64_t> bestRank { 0, 0 };
    for (std::size_t k = 0; k < answer.size(); ++k) {
        const std::pair<std::size_t, std::int64_t> rank { reachedFrom(k, problem), -answer[k] };
        if (k == 0 || rank > bestRank) {
            best = k;
            bestRank = rank;
        }
    }
    return best;
}

// Whole numbers from the values of a start of 1: every value times the least common multiple
// of the denominators. With a start of 1 the numbers share no divisor, so none divides back.
void clearFractions(const std::vector<Fraction> &values, Derivation &derivation)
{
    std::int64_t multiplier = 1;
    for (const Fraction value : values)
        multiplier = Multiply(FromInteger(multiplier / Gcd(multiplier, value.denominator)),
            FromInteger(value.denominator))
                         .numerator;
    if (multiplier != 1)
        derivation.multiplier = std::to_string(multiplier);
    for (const Fraction value : values)
        derivation.coefficients.push_back(
            std::to_string(Multiply(value, FromInteger(multiplier)).numerator));
}

// Every row counted on both sides with the coefficients found.
std::vector<DerivationEquation> checkRows(
    const BalanceProblem &problem, const Derivation &derivation)
{
    std::vector<DerivationEquation> check;
    for (std::size_t r = 0; r < problem.rows.size(); ++r) {
        Fraction sides[2] { { 0, 1 }, { 0, 1 } };
        for (std::size_t s = 0; s < problem.counts.size(); ++s) {
            Fraction &side = sides[int(s) < problem.reactantCount ? 0 : 1];
            side = Sum(side,
                Product(FromInteger(problem.counts[s][r]),
                    FromInteger(std::stoll(derivation.coefficients[s]))));
        }
        check.push_back({ problem.rows[r], ValueText(sides[0]) + " = " + ValueText(sides[1]) });
    }
    return check;
}

} // namespace

std::string UnknownName(int index)
{
    static constexpr std::string_view letters = "abcdfghijklmnopqrstuvwxyz";
    if (index < int(letters.size()))
        return std::string(1, letters[std::size_t(index)]);
    return "x" + std::to_string(index + 1);
}

Derivation DeriveBalance(std::string_view normalisedText)
{
    const BalanceProblem problem = ReadBalanceProblem(normalisedText);
    Derivation derivation;
    ReactionSides sides = SplitReaction(problem.text);
    for (const std::vector<std::string> *side : { &sides.reactants, &sides.products })
        for (const std::string &substance : *side)
            derivation.substances.push_back(CanonicalSubstance(substance));
    derivation.reactantCount = problem.reactantCount;
    for (std::size_t s = 0; s < problem.counts.size(); ++s)
        derivation.unknowns.push_back(UnknownName(int(s)));
    const std::vector<WorkingEquation> equations = balanceEquations(problem);
    for (const WorkingEquation &equation : equations)
        derivation.equations.push_back(
            { equation.row, EquationText(equation, derivation.unknowns) });

    ExactAnswer exact;
    try {
        exact = SolveExactly(problem.counts, problem.reactantCount);
    } catch (const ConversionError &) {
        throw InvalidReaction("values beyond range");
    }
    if (exact.freeRatios != 1
        || std::any_of(
            exact.answer.begin(), exact.answer.end(), [](std::int64_t v) { return v <= 0; })) {
        derivation.noAnswer = true;
        derivation.fault
            = DiagnoseNoAnswer(problem.counts, problem.rows, problem.reactantCount, exact);
        return derivation;
    }

    try {
        Working working(equations, derivation.unknowns, derivation.steps);
        const std::size_t start = startUnknown(problem, exact.answer);
        working.start(start, derivation.substances[start]);
        const std::vector<Fraction> values = working.solve();
        for (std::size_t s = 0; s < values.size(); ++s)
            if (values[s].denominator != 1)
                derivation.fractions.push_back(
                    derivation.unknowns[s] + " = " + ValueText(values[s]));
        clearFractions(values, derivation);
    } catch (const ConversionError &) {
        derivation.workingOutOfRange = true;
        derivation.multiplier.clear();
        derivation.coefficients = DecimalTexts(exact.answer);
    }
    derivation.check = checkRows(problem, derivation);
    return derivation;
}

} // namespace molvane
