#include "core/Derivation.h"

#include "core/Balance.h"
#include "core/BalanceDiagnosis.h"
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

Fraction subtract(Fraction a, Fraction b)
{
    return Add(a, Multiply(b, FromInteger(-1)));
}

Fraction divide(Fraction a, Fraction b)
{
    return Multiply(a, Reduce(Reciprocal(b)));
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
            side.constant = Add(side.constant, Multiply(side.terms[k], *values[k]));
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
        side.terms[i] = Add(side.terms[i], Multiply(factor, expression.terms[i]));
    side.constant = Add(side.constant, Multiply(factor, expression.constant));
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

class Working
{
public:
    Working(std::vector<Equation> equations, const std::vector<std::string> &names,
        std::vector<DerivationStep> &steps)
        : m_open(std::move(equations))
        , m_names(names)
        , m_values(names.size())
        , m_steps(steps)
    { }

    void fix(int k, Fraction value, std::optional<Equation> seed)
    {
        m_values[std::size_t(k)] = value;
        DerivationStep step;
        step.kind = DerivationStep::Kind::Fix;
        if (seed)
            step.equation = equationText(*seed, m_names);
        step.unknown = m_names[std::size_t(k)];
        step.value = valueText(value);
        m_steps.push_back(std::move(step));
    }

    // Every value, found in turn: an equation with one unknown left first, then an unknown
    // whose expression can be worked out, and only then an unknown eliminated.
    std::vector<Fraction> solve()
    {
        while (std::any_of(m_values.begin(), m_values.end(), [](const auto &v) { return !v; })) {
            std::erase_if(
                m_open, [&](const Equation &e) { return unknownsIn(e, m_values).empty(); });
            if (!solveOne() && !backSubstitute() && !eliminate())
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
    };

    Equation reduced(const Equation &equation) const
    {
        return { equation.row, withValues(equation.left, m_values),
            withValues(equation.right, m_values) };
    }

    bool solveOne()
    {
        for (auto it = m_open.begin(); it != m_open.end(); ++it) {
            const std::vector<int> unknowns = unknownsIn(*it, m_values);
            if (unknowns.size() != 1)
                continue;
            const int k = unknowns.front();
            const Equation now = reduced(*it);
            const Fraction coefficient
                = subtract(now.left.terms[std::size_t(k)], now.right.terms[std::size_t(k)]);
            const Fraction value
                = divide(subtract(now.right.constant, now.left.constant), coefficient);
            DerivationStep step;
            step.kind = DerivationStep::Kind::Solve;
            step.equation = equationText(*it, m_names);
            step.reduced = equationText(now, m_names);
            found(k, value, std::move(step));
            m_open.erase(it);
            return true;
        }
        return false;
    }

    bool backSubstitute()
    {
        for (auto it = m_pending.begin(); it != m_pending.end(); ++it) {
            const Side value = withValues(it->expression, m_values);
            if (std::any_of(
                    value.terms.begin(), value.terms.end(), [](Fraction f) { return !isZero(f); }))
                continue;
            DerivationStep step;
            step.kind = DerivationStep::Kind::BackSubstitute;
            const std::string &name = m_names[std::size_t(it->unknown)];
            step.equation = { {}, name + " = " + sideText(it->expression, m_names) };
            step.reduced = { {}, name + " = " + sideText(value, m_names) };
            found(it->unknown, value.constant, std::move(step));
            m_pending.erase(it);
            return true;
        }
        return false;
    }

    // An unknown written through the others and put in their place, as by hand: from the
    // first equation with the fewest unknowns, one that stands alone (coefficient 1) if any.
    bool eliminate()
    {
        auto it = m_open.end();
        std::size_t fewest = 0;
        for (auto e = m_open.begin(); e != m_open.end(); ++e) {
            const std::size_t count = unknownsIn(*e, m_values).size();
            if (count >= 2 && (it == m_open.end() || count < fewest)) {
                it = e;
                fewest = count;
            }
        }
        if (it != m_open.end()) {
            const Equation now = reduced(*it);
            const auto net = [&](int k) {
                return subtract(now.left.terms[std::size_t(k)], now.right.terms[std::size_t(k)]);
            };
            const std::vector<int> unknowns = unknownsIn(*it, m_values);
            int k = unknowns.front();
            for (const int u : unknowns) {
                const Fraction c = Reduce(net(u));
                if (c.denominator == 1 && (c.numerator == 1 || c.numerator == -1)) {
                    k = u;
                    break;
                }
            }
            const Fraction coefficient = net(k);
            Side expression;
            for (std::size_t i = 0; i < m_values.size(); ++i)
                expression.terms.push_back(int(i) == k
                        ? Fraction { 0, 1 }
                        : divide(subtract(now.right.terms[i], now.left.terms[i]), coefficient));
            expression.constant
                = divide(subtract(now.right.constant, now.left.constant), coefficient);

            DerivationStep step;
            step.kind = DerivationStep::Kind::Express;
            step.equation = equationText(*it, m_names);
            step.reduced = equationText(now, m_names);
            step.unknown = m_names[std::size_t(k)];
            step.value = sideText(expression, m_names);
            m_open.erase(it);
            for (Equation &other : m_open) {
                other = reduced(other); // an equation rewritten shows the known values too
                substitute(other.left, k, expression);
                substitute(other.right, k, expression);
                step.substituted.push_back(equationText(other, m_names));
            }
            for (Pending &pending : m_pending)
                substitute(pending.expression, k, expression);
            m_pending.push_back({ k, std::move(expression) });
            m_steps.push_back(std::move(step));
            return true;
        }
        return false;
    }

    void found(int k, Fraction value, DerivationStep step)
    {
        value = Reduce(value);
        m_values[std::size_t(k)] = value;
        step.unknown = m_names[std::size_t(k)];
        step.value = valueText(value);
        m_steps.push_back(std::move(step));
    }

    std::vector<Equation> m_open;
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

    const TextSolverAnswer text = SolveAsText(problem);
    const std::optional<std::size_t> seed = seedRow(problem);
    try {
        Working working(equations, derivation.unknowns, derivation.steps);
        if (text.outcome == TextSolverOutcome::Solved && seed) {
            // As the text solver does: the first substance of the seed row takes the other's
            // count, which the seed equation then turns into the other's value.
            std::vector<int> pair;
            for (std::size_t s = 0; s < problem.counts.size(); ++s)
                if (problem.counts[s][*seed] != 0)
                    pair.push_back(int(s));
            working.fix(pair[0], FromInteger(problem.counts[std::size_t(pair[1])][*seed]),
                equations[*seed]);
        } else {
            derivation.route = DerivationRoute::ExactFallback;
            derivation.fallback = !seed                          ? FallbackReason::NoSeed
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
