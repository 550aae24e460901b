#include "core/Derivation.h"

#include "core/Balance.h"
#include "core/BalanceDiagnosis.h"
#include "core/CoefficientSolver.h"
#include "core/Errors.h"
#include "core/ExactSolver.h"
#include "core/Fraction.h"
#include "core/ReactionAnalysis.h"

#include <algorithm>
#include <cstdint>
#include <optional>

namespace molvane {

namespace {

struct Side
{
    std::vector<Fraction> terms; ///< one coefficient per unknown
    Fraction constant { 0, 1 };
};

// An equation as the working holds it: values not put in, eliminated unknowns replaced.
struct Equation
{
    std::string row;
    Side left, right;
};

using Values = std::vector<std::optional<Fraction>>;

bool isZero(Fraction f)
{
    return f.numerator == 0;
}

// Zero as 0/1. Reduce leaves a zero's denominator as it is, and the zero terms of the working
// enter sum after sum, their denominators multiplying until they leave the range.
Fraction withoutZeroDenominator(Fraction f)
{
    return isZero(f) ? Fraction { 0, 1 } : f;
}

Fraction sum(Fraction a, Fraction b)
{
    return withoutZeroDenominator(Add(a, b));
}

Fraction product(Fraction a, Fraction b)
{
    return withoutZeroDenominator(Multiply(a, b));
}

Fraction subtract(Fraction a, Fraction b)
{
    return sum(a, product(b, FromInteger(-1)));
}

Fraction divide(Fraction a, Fraction b)
{
    return product(a, Reduce(Reciprocal(b)));
}

std::string valueText(Fraction f)
{
    f = Reduce(f);
    return f.denominator == 1 ? std::to_string(f.numerator) : ToText(f);
}

std::string sideText(const Side &side, const std::vector<std::string> &names)
{
    std::string text;
    const auto append = [&](Fraction value, const std::string &name) {
        value = Reduce(value);
        const bool negative = value.numerator < 0;
        const Fraction size = negative ? Multiply(value, FromInteger(-1)) : value;
        if (text.empty())
            text += negative ? "-" : "";
        else
            text += negative ? " - " : " + ";
        if (name.empty())
            text += valueText(size);
        else if (size.denominator != 1)
            text += "(" + ToText(size) + ")" + name;
        else if (size.numerator != 1)
            text += std::to_string(size.numerator) + name;
        else
            text += name;
    };
    for (std::size_t k = 0; k < side.terms.size(); ++k)
        if (!isZero(side.terms[k]))
            append(side.terms[k], names[k]);
    if (!isZero(side.constant) || text.empty())
        append(side.constant, {});
    return text;
}

DerivationEquation equationText(const Equation &equation, const std::vector<std::string> &names)
{
    return { equation.row,
        sideText(equation.left, names) + " = " + sideText(equation.right, names) };
}

// The known values moved into the constant.
Side withValues(Side side, const Values &values)
{
    for (std::size_t k = 0; k < side.terms.size(); ++k) {
        if (values[k] && !isZero(side.terms[k])) {
            side.constant = sum(side.constant, product(side.terms[k], *values[k]));
            side.terms[k] = { 0, 1 };
        }
    }
    return side;
}

// @p expression written in place of unknown @p k.
void substitute(Side &side, int k, const Side &expression)
{
    const Fraction factor = side.terms[std::size_t(k)];
    if (isZero(factor))
        return;
    side.terms[std::size_t(k)] = { 0, 1 };
    for (std::size_t i = 0; i < side.terms.size(); ++i)
        side.terms[i] = sum(side.terms[i], product(factor, expression.terms[i]));
    side.constant = sum(side.constant, product(factor, expression.constant));
}

// Unknowns left in an equation once the known values are put in, by net coefficient.
std::vector<int> unknownsIn(const Equation &equation, const Values &values)
{
    std::vector<int> left;
    for (std::size_t k = 0; k < values.size(); ++k)
        if (!values[k] && !isZero(subtract(equation.left.terms[k], equation.right.terms[k])))
            left.push_back(int(k));
    return left;
}

// The working: each row's equation as it stands, the values found and the unknowns written
// through the others, stepped through as the text solver recorded it or by a policy of its own.
class Working
{
public:
    Working(std::vector<Equation> equations, const std::vector<std::string> &names,
        std::vector<DerivationStep> &steps)
        : m_equations(std::move(equations))
        , m_open(m_equations.size(), true)
        , m_names(names)
        , m_values(names.size())
        , m_steps(steps)
    { }

    void fix(int k, Fraction value, std::optional<std::size_t> seed)
    {
        m_values[std::size_t(k)] = value;
        DerivationStep step;
        step.kind = DerivationStep::Kind::Fix;
        if (seed)
            step.equation = equationText(m_equations[*seed], m_names);
        step.unknown = m_names[std::size_t(k)];
        step.value = valueText(value);
        m_steps.push_back(std::move(step));
    }

    // The text solver's steps in its order, each from the row it used, for as long as the
    // working can take them; solve() finishes whatever is left.
    void follow(const std::vector<SolverStep> &record)
    {
        for (const SolverStep &step : record) {
            closeSettled();
            if (!take(step))
                return;
        }
    }

    // The values left, found in turn: an equation with one unknown left first, then an
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
        int unknown;
        Side expression;
        std::size_t row; ///< the equation it was written from
    };

    Equation reduced(const Equation &equation) const
    {
        return { equation.row, withValues(equation.left, m_values),
            withValues(equation.right, m_values) };
    }

    std::vector<int> unknownsOf(std::size_t row) const
    {
        return unknownsIn(m_equations[row], m_values);
    }

    void closeSettled()
    {
        for (std::size_t row = 0; row < m_equations.size(); ++row)
            if (m_open[row] && unknownsOf(row).empty())
                m_open[row] = false;
    }

    // One recorded step; false where the working cannot take it as the solver did.
    bool take(const SolverStep &step)
    {
        const std::size_t row = std::size_t(step.row);
        const int k = step.substance;
        if (row >= m_equations.size() || k < 0 || std::size_t(k) >= m_values.size())
            return false;
        const auto pending = std::find_if(
            m_pending.begin(), m_pending.end(), [&](const Pending &p) { return p.row == row; });
        if (step.kind == SolverStep::Kind::Eliminated) {
            // Eliminated again from its own row: the other rows hold it no longer.
            if (pending != m_pending.end())
                return pending->unknown == k;
            const std::vector<int> unknowns = unknownsOf(row);
            if (!m_open[row] || std::find(unknowns.begin(), unknowns.end(), k) == unknowns.end())
                return false;
            express(row, k);
            return true;
        }
        if (m_values[std::size_t(k)])
            return true; // the seed's fixed value, or one a second row gave in the same pass
        if (pending != m_pending.end())
            return pending->unknown == k && backSubstitute(pending);
        if (!m_open[row] || unknownsOf(row) != std::vector<int> { k })
            return false;
        solveFrom(row, k);
        return true;
    }

    void solveFrom(std::size_t row, int k)
    {
        const Equation now = reduced(m_equations[row]);
        const Fraction coefficient
            = subtract(now.left.terms[std::size_t(k)], now.right.terms[std::size_t(k)]);
        const Fraction value = divide(subtract(now.right.constant, now.left.constant), coefficient);
        DerivationStep step;
        step.kind = DerivationStep::Kind::Solve;
        step.equation = equationText(m_equations[row], m_names);
        step.reduced = equationText(now, m_names);
        found(k, value, std::move(step));
        m_open[row] = false;
    }

    bool solveOne()
    {
        for (std::size_t row = 0; row < m_equations.size(); ++row) {
            if (!m_open[row])
                continue;
            const std::vector<int> unknowns = unknownsOf(row);
            if (unknowns.size() == 1) {
                solveFrom(row, unknowns.front());
                return true;
            }
        }
        return false;
    }

    // An unknown's value from its expression, once the unknowns in it are known.
    bool backSubstitute(std::vector<Pending>::iterator pending)
    {
        const Side value = withValues(pending->expression, m_values);
        if (std::any_of(
                value.terms.begin(), value.terms.end(), [](Fraction f) { return !isZero(f); }))
            return false;
        DerivationStep step;
        step.kind = DerivationStep::Kind::BackSubstitute;
        const std::string &name = m_names[std::size_t(pending->unknown)];
        step.equation = { {}, name + " = " + sideText(pending->expression, m_names) };
        step.reduced = { {}, name + " = " + sideText(value, m_names) };
        found(pending->unknown, value.constant, std::move(step));
        m_pending.erase(pending);
        return true;
    }

    bool backSubstituteOne()
    {
        for (auto it = m_pending.begin(); it != m_pending.end(); ++it)
            if (backSubstitute(it))
                return true;
        return false;
    }

    // Unknown @p k written through the others from row @p row, and put in their place.
    void express(std::size_t row, int k)
    {
        const Equation now = reduced(m_equations[row]);
        const Fraction coefficient
            = subtract(now.left.terms[std::size_t(k)], now.right.terms[std::size_t(k)]);
        Side expression;
        for (std::size_t i = 0; i < m_values.size(); ++i)
            expression.terms.push_back(int(i) == k
                    ? Fraction { 0, 1 }
                    : divide(subtract(now.right.terms[i], now.left.terms[i]), coefficient));
        expression.constant = divide(subtract(now.right.constant, now.left.constant), coefficient);

        DerivationStep step;
        step.kind = DerivationStep::Kind::Express;
        step.equation = equationText(m_equations[row], m_names);
        step.reduced = equationText(now, m_names);
        step.unknown = m_names[std::size_t(k)];
        step.value = sideText(expression, m_names);
        m_open[row] = false;
        for (std::size_t other = 0; other < m_equations.size(); ++other) {
            if (!m_open[other])
                continue;
            Equation &equation = m_equations[other];
            equation = reduced(equation); // an equation rewritten shows the known values too
            substitute(equation.left, k, expression);
            substitute(equation.right, k, expression);
            step.substituted.push_back(equationText(equation, m_names));
        }
        for (Pending &pending : m_pending)
            substitute(pending.expression, k, expression);
        m_pending.push_back({ k, std::move(expression), row });
        m_steps.push_back(std::move(step));
    }

    // As by hand: from the first equation with the fewest unknowns, the unknown that stands
    // alone (coefficient 1) if any.
    bool eliminate()
    {
        std::optional<std::size_t> chosen;
        std::size_t fewest = 0;
        for (std::size_t row = 0; row < m_equations.size(); ++row) {
            const std::size_t count = m_open[row] ? unknownsOf(row).size() : 0;
            if (count >= 2 && (!chosen || count < fewest)) {
                chosen = row;
                fewest = count;
            }
        }
        if (!chosen)
            return false;
        const Equation now = reduced(m_equations[*chosen]);
        const std::vector<int> unknowns = unknownsOf(*chosen);
        int k = unknowns.front();
        for (const int u : unknowns) {
            const Fraction c
                = Reduce(subtract(now.left.terms[std::size_t(u)], now.right.terms[std::size_t(u)]));
            if (c.denominator == 1 && (c.numerator == 1 || c.numerator == -1)) {
                k = u;
                break;
            }
        }
        express(*chosen, k);
        return true;
    }

    void found(int k, Fraction value, DerivationStep step)
    {
        value = Reduce(value);
        m_values[std::size_t(k)] = value;
        step.unknown = m_names[std::size_t(k)];
        step.value = valueText(value);
        m_steps.push_back(std::move(step));
    }

    std::vector<Equation> m_equations; ///< per row, eliminated unknowns replaced
    std::vector<bool> m_open; ///< per row: not yet used, unknowns left
    std::vector<Pending> m_pending;
    const std::vector<std::string> &m_names;
    Values m_values;
    std::vector<DerivationStep> &m_steps;
};

std::vector<Equation> balanceEquations(const BalanceProblem &problem)
{
    const std::size_t unknowns = problem.counts.size();
    std::vector<Equation> equations;
    for (std::size_t r = 0; r < problem.rows.size(); ++r) {
        Equation equation { problem.rows[r], {}, {} };
        equation.left.terms.assign(unknowns, { 0, 1 });
        equation.right.terms.assign(unknowns, { 0, 1 });
        for (std::size_t s = 0; s < unknowns; ++s)
            (int(s) < problem.reactantCount ? equation.left : equation.right).terms[s]
                = FromInteger(problem.counts[s][r]);
        equations.push_back(std::move(equation));
    }
    return equations;
}

// The text solver's seed: the first row with exactly two substances in it.
std::optional<std::size_t> seedRow(const BalanceProblem &problem)
{
    for (std::size_t r = 0; r < problem.rows.size(); ++r) {
        const auto present = std::count_if(problem.counts.begin(), problem.counts.end(),
            [r](const std::vector<std::int32_t> &counts) { return counts[r] != 0; });
        if (present == 2)
            return r;
    }
    return std::nullopt;
}

// Whole numbers in the ratio of @p values: the multiplier that clears the denominators (and
// makes the first value positive), then the divisor of what they share.
void scaleToWholeNumbers(const std::vector<Fraction> &values, Derivation &derivation)
{
    std::int64_t multiplier = 1;
    for (const Fraction value : values)
        multiplier = Multiply(FromInteger(multiplier / Gcd(multiplier, value.denominator)),
            FromInteger(value.denominator))
                         .numerator;
    if (!values.empty() && values.front().numerator < 0)
        multiplier = -multiplier;
    std::vector<std::int64_t> whole;
    std::int64_t divisor = 0;
    for (const Fraction value : values) {
        whole.push_back(Multiply(value, FromInteger(multiplier)).numerator);
        divisor = divisor == 0 ? whole.back() : Gcd(divisor, whole.back());
    }
    if (multiplier != 1)
        derivation.multiplier = std::to_string(multiplier);
    if (divisor > 1)
        derivation.divisor = std::to_string(divisor);
    for (const std::int64_t value : whole)
        derivation.coefficients.push_back(std::to_string(divisor > 1 ? value / divisor : value));
}

} // namespace

std::string UnknownName(int index)
{
    if (index < 26)
        return std::string(1, char('a' + index));
    return "x" + std::to_string(index + 1);
}

Derivation DeriveBalance(std::string_view normalisedText)
{
    const BalanceProblem problem = ReadBalanceProblem(normalisedText);
    Derivation derivation;
    ReactionSides sides = SplitReaction(problem.text);
    derivation.substances = std::move(sides.reactants);
    derivation.substances.insert(
        derivation.substances.end(), sides.products.begin(), sides.products.end());
    derivation.reactantCount = problem.reactantCount;
    for (std::size_t s = 0; s < problem.counts.size(); ++s)
        derivation.unknowns.push_back(UnknownName(int(s)));
    const std::vector<Equation> equations = balanceEquations(problem);
    for (const Equation &equation : equations)
        derivation.equations.push_back(equationText(equation, derivation.unknowns));

    ExactAnswer exact;
    try {
        exact = SolveExactly(problem.counts, problem.reactantCount);
    } catch (const ConversionError &) {
        throw InvalidReaction("values beyond range");
    }
    if (exact.freeRatios != 1
        || std::any_of(
            exact.answer.begin(), exact.answer.end(), [](std::int64_t v) { return v <= 0; })) {
        derivation.route = DerivationRoute::NoAnswer;
        derivation.fault
            = DiagnoseNoAnswer(problem.counts, problem.rows, problem.reactantCount, exact);
        return derivation;
    }

    SolverRecord record;
    const TextSolverAnswer text = SolveAsText(problem, SteadyMilliseconds, &record);
    try {
        Working working(equations, derivation.unknowns, derivation.steps);
        if (text.outcome == TextSolverOutcome::Solved) {
            // The seed: its row's first substance takes the other's count, and the seed's
            // equation then gives the other's value, as the solver recorded.
            const SolverStep &first = record.steps.at(0);
            const SolverStep &second = record.steps.at(1);
            working.fix(first.substance,
                FromInteger(problem.counts[std::size_t(second.substance)][std::size_t(first.row)]),
                std::size_t(first.row));
            working.follow(record.steps);
        } else {
            derivation.route = DerivationRoute::ExactFallback;
            derivation.fallback = !seedRow(problem)              ? FallbackReason::NoSeed
                : text.outcome == TextSolverOutcome::BeyondRange ? FallbackReason::BeyondRange
                                                                 : FallbackReason::Unsettled;
            working.fix(0, FromInteger(1), std::nullopt);
        }
        const std::vector<Fraction> values = working.solve();
        for (std::size_t s = 0; s < values.size(); ++s)
            if (values[s].denominator != 1)
                derivation.fractions.push_back(
                    derivation.unknowns[s] + " = " + valueText(values[s]));
        scaleToWholeNumbers(values, derivation);
    } catch (const ConversionError &) {
        derivation.workingOutOfRange = true;
        derivation.multiplier.clear();
        derivation.divisor.clear();
        derivation.coefficients.clear();
        for (const std::int64_t value : exact.answer)
            derivation.coefficients.push_back(std::to_string(value));
    }
    return derivation;
}

} // namespace molvane
