#include "core/Balance.h"

#include "core/BalanceDiagnosis.h"
#include "core/ElementTable.h"
#include "core/Errors.h"
#include "core/ExactSolver.h"
#include "core/Fraction.h"
#include "core/ReactionAnalysis.h"
#include "core/ReactionCharacters.h"
#include "core/ReactionSyntax.h"
#include "core/SubstanceFormula.h"

#include <algorithm>
#include <limits>

namespace molvane {

namespace {

void checkShape(std::string_view text)
{
    if (text.empty())
        throw InvalidReaction("empty reaction");
    CheckCharactersAndBrackets(text);
    CheckArrows(text);
}

std::vector<std::string> allSubstances(ReactionSides sides)
{
    std::vector<std::string> all = std::move(sides.reactants);
    all.insert(all.end(), std::make_move_iterator(sides.products.begin()),
        std::make_move_iterator(sides.products.end()));
    return all;
}

// Where an element row stands: the first substance holding it (counted from 1) and the sides.
struct RowPresence
{
    int first = 0;
    bool inReactants = false;
    bool inProducts = false;
};

// Both sides must hold the same set of element symbols. An element that stands on one side
// only is named; one missing from the element table is more likely a slip of the keyboard than
// a missing substance, so such a one is named first, as unknown.
void checkSameElements(
    const std::vector<std::string> &rows, const std::vector<RowPresence> &presence)
{
    std::optional<ReactionFault> fault;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const RowPresence &row = presence[r];
        if (row.inReactants == row.inProducts)
            continue;
        if (!FindElement(rows[r])) {
            fault = ReactionFault { FaultCause::UnknownElement, rows[r], row.first, 0 };
            break;
        }
        if (!fault)
            fault = ReactionFault { FaultCause::OneSideElement, rows[r], 0, 0 };
    }
    if (fault)
        throw InvalidReaction("the sides hold different elements", *fault);
}

// The element rows in order of first appearance, the symbols of each substance in turn, once
// both sides are found to hold the same ones. Symbols differing only in case share a row.
std::vector<std::string> elementRows(
    const std::vector<std::vector<std::string>> &symbols, int reactantCount)
{
    std::vector<std::string> rows;
    std::vector<RowPresence> presence;
    // Room for a usual reaction's elements, so the lists seldom grow.
    rows.reserve(8);
    presence.reserve(8);
    for (std::size_t s = 0; s < symbols.size(); ++s) {
        for (const std::string &symbol : symbols[s]) {
            int r = IndexOfElement(rows, symbol);
            if (r < 0) {
                r = int(rows.size());
                rows.push_back(symbol);
                presence.emplace_back();
            }
            RowPresence &row = presence[std::size_t(r)];
            if (row.first == 0)
                row.first = int(s) + 1;
            (int(s) < reactantCount ? row.inReactants : row.inProducts) = true;
        }
    }
    checkSameElements(rows, presence);
    return rows;
}

// The first grammar, read exactly as it always was.
BalanceProblem plainProblem(std::string_view text)
{
    BalanceProblem problem;
    const std::string units = InsertUnitCounts(text);
    ReactionSides sides = SplitReaction(units);
    problem.reactantCount = int(sides.reactants.size());
    problem.unitSubstances = allSubstances(std::move(sides));
    problem.formulas = allSubstances(SplitReaction(text));
    problem.symbols.reserve(problem.unitSubstances.size());
    std::string ended; // the substance with a "+" that ends its last symbol, reused
    for (const std::string &substance : problem.unitSubstances) {
        ended.assign(substance);
        ended += '+';
        problem.symbols.push_back(ListElements(ended));
    }
    problem.rows = elementRows(problem.symbols, problem.reactantCount);
    problem.counts.reserve(problem.unitSubstances.size());
    for (const std::string &substance : problem.unitSubstances)
        problem.counts.push_back(CountAtoms(substance, problem.rows));
    return problem;
}

// Charges, electrons, hydrates and square brackets.
BalanceProblem notationProblem(std::string_view text)
{
    BalanceProblem problem;
    ReactionSides sides = SplitReaction(text);
    problem.reactantCount = int(sides.reactants.size());
    problem.formulas = allSubstances(std::move(sides));
    bool charged = false;
    for (const std::string &typed : problem.formulas) {
        problem.substances.push_back(ReadSubstance(typed));
        const SubstanceFormula &substance = problem.substances.back();
        problem.symbols.push_back(substance.symbols);
        problem.unitSubstances.push_back(substance.unitForm);
        charged = charged || substance.charge != 0;
    }
    problem.rows = elementRows(problem.symbols, problem.reactantCount);
    for (const SubstanceFormula &substance : problem.substances) {
        std::vector<std::int32_t> counts(problem.rows.size(), 0);
        for (std::size_t i = 0; i < substance.symbols.size(); ++i)
            counts[std::size_t(IndexOfElement(problem.rows, substance.symbols[i]))]
                = substance.counts[i];
        if (charged)
            counts.push_back(substance.charge);
        problem.counts.push_back(std::move(counts));
    }
    if (charged)
        problem.rows.emplace_back();
    return problem;
}

// The weight of formula @p s from the atoms the problem has counted; what FormulaWeight gives
// for it. A formula read differently on its own than within the reaction (one that is not
// checked or split the same way) is weighed on its own.
std::string substanceWeight(const BalanceProblem &problem, std::size_t s)
{
    const std::string &formula = problem.formulas[s];
    CheckCharactersAndBrackets(formula);
    if (problem.substances.empty()) {
        if (problem.unitSubstances.size() != problem.formulas.size()
            || InsertUnitCounts(formula) != problem.unitSubstances[s])
            return FormulaWeight(formula);
        const std::vector<std::string> &symbols = problem.symbols[s];
        std::vector<std::int32_t> counts;
        counts.reserve(symbols.size());
        for (const std::string &symbol : symbols)
            counts.push_back(problem.counts[s][std::size_t(IndexOfElement(problem.rows, symbol))]);
        return WeightOfAtoms(symbols, counts);
    }
    if (!UsesExtendedNotation(formula))
        return FormulaWeight(formula);
    const SubstanceFormula &substance = problem.substances[s];
    if (substance.electron)
        return std::string(ElectronWeight);
    return WeightOfAtoms(substance.symbols, substance.counts);
}

// Every row balances, and every coefficient is positive.
template <typename Int>
bool balances(const std::vector<Int> &coefficients,
    const std::vector<std::vector<std::int32_t>> &counts, int reactantCount)
{
    if (coefficients.size() != counts.size())
        return false;
    if (std::any_of(coefficients.begin(), coefficients.end(), [](Int v) { return v <= 0; }))
        return false;
    const std::size_t rows = counts.empty() ? 0 : counts.front().size();
    for (std::size_t e = 0; e < rows; ++e) {
        __int128 sum = 0;
        for (std::size_t s = 0; s < counts.size(); ++s)
            sum += (int(s) < reactantCount ? 1 : -1) * __int128(coefficients[s]) * counts[s][e];
        if (sum != 0)
            return false;
    }
    return true;
}

template <typename Int> std::vector<std::string> decimalTexts(const std::vector<Int> &values)
{
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (const Int value : values)
        texts.push_back(std::to_string(value));
    return texts;
}

// The exact answer, which the text solver's 32-bit limit applies to as well.
std::vector<std::string> exactAnswerTexts(const std::vector<std::int64_t> &answer,
    const std::vector<std::vector<std::int32_t>> &counts, int reactantCount)
{
    for (const std::int64_t value : answer)
        if (value > std::numeric_limits<std::int32_t>::max())
            throw InvalidReaction("coefficient beyond 32 bits");
    if (!balances(answer, counts, reactantCount))
        throw CannotBalance("coefficients do not balance");
    return decimalTexts(answer);
}

} // namespace

BalanceProblem ReadBalanceProblem(std::string_view normalisedText)
{
    const std::string text = WithJoiningStars(normalisedText);
    checkShape(text);
    BalanceProblem problem
        = UsesExtendedNotation(text) ? notationProblem(text) : plainProblem(text);
    problem.text = text;
    return problem;
}

TextSolverAnswer SolveAsText(
    const BalanceProblem &problem, MillisecondClock clock, SolverRecord *record)
{
    try {
        SolverValues results;
        if (!SolveCoefficients(problem.counts,
                BuildEquations(problem.counts, problem.rows.size(), problem.reactantCount), results,
                clock, record))
            return {};
        const std::vector<std::int32_t> coefficients = IntegerCoefficients(results);
        if (!balances(coefficients, problem.counts, problem.reactantCount))
            return {};
        return { TextSolverOutcome::Solved, decimalTexts(coefficients) };
    } catch (const ConversionError &) {
        return { TextSolverOutcome::BeyondRange, {} };
    }
}

BalancedReaction Balance(std::string_view normalisedText, MillisecondClock clock)
{
    BalanceProblem problem = ReadBalanceProblem(normalisedText);
    const int reactantCount = problem.reactantCount;

    // The exact rank decides at once whether there is one answer at all.
    ExactAnswer exact;
    try {
        exact = SolveExactly(problem.counts, reactantCount);
    } catch (const ConversionError &) {
        throw InvalidReaction("values beyond range");
    }
    if (exact.freeRatios != 1
        || std::any_of(
            exact.answer.begin(), exact.answer.end(), [](std::int64_t v) { return v <= 0; }))
        throw CannotBalance("no unique positive answer",
            DiagnoseNoAnswer(problem.counts, problem.rows, reactantCount, exact));

    TextSolverAnswer answer = SolveAsText(problem, clock);
    // A solved answer was checked against every row already; only the fallback still needs it.
    if (answer.outcome != TextSolverOutcome::Solved) {
        answer.coefficients = exactAnswerTexts(exact.answer, problem.counts, reactantCount);
    }

    BalancedReaction result;
    result.coefficients = std::move(answer.coefficients);
    result.weights.reserve(problem.formulas.size());
    for (std::size_t s = 0; s < problem.formulas.size(); ++s) {
        try {
            result.weights.emplace_back(substanceWeight(problem, s));
        } catch (const InvalidReaction &) {
            result.weights.emplace_back(std::nullopt);
        }
    }
    result.text
        = ComposeBalancedReaction(problem.unitSubstances, result.coefficients, reactantCount);
    // The problem is done with once weighed: its formulas move rather than copy.
    result.formulas = std::move(problem.formulas);
    return result;
}

std::string ComposeBalancedReaction(const std::vector<std::string> &substances,
    const std::vector<std::string> &coefficients, int reactantCount)
{
    std::string out;
    std::string_view separator;
    for (std::size_t i = 0; i < substances.size(); ++i) {
        if (int(i) == reactantCount)
            separator = ">";
        out += separator;
        out += coefficients[i];
        out += substances[i];
        separator = "+";
    }
    // A 1 standing alone (not part of a larger number, not after "-") says nothing.
    for (std::size_t i = 1; i + 1 < out.size();) {
        if (out[i] == '1' && out[i - 1] != '-' && !IsDigit(out[i - 1]) && !IsDigit(out[i + 1]))
            out.erase(i, 1);
        else
            ++i;
    }
    if (out.size() >= 2 && out[0] == '1' && !IsDigit(out[1]))
        out.erase(0, 1);
    if (out.size() >= 2 && out.back() == '1' && !IsDigit(out[out.size() - 2]))
        out.pop_back();
    return out;
}

} // namespace molvane
