// Today's Balance path, kept verbatim as the reference of the differential tests.
#include "BalanceReference.h"

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

namespace molvane::reference {

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

bool holds(const std::vector<std::string> &symbols, std::string_view element)
{
    return IndexOfElement(symbols, element) >= 0;
}

// Both sides must hold the same set of element symbols. An element that stands on one side
// only is named; one missing from the element table is more likely a slip of the keyboard than
// a missing substance, so such a one is named first, as unknown.
void checkSameElements(const std::vector<std::string> &elements,
    const std::vector<std::vector<std::string>> &symbolsPerSubstance, int reactantCount)
{
    std::optional<ReactionFault> fault;
    for (const std::string &element : elements) {
        bool inReactants = false, inProducts = false;
        int first = 0;
        for (std::size_t s = 0; s < symbolsPerSubstance.size(); ++s) {
            if (!holds(symbolsPerSubstance[s], element))
                continue;
            if (first == 0)
                first = int(s) + 1;
            (int(s) < reactantCount ? inReactants : inProducts) = true;
        }
        if (inReactants == inProducts)
            continue;
        if (!FindElement(element)) {
            fault = ReactionFault { FaultCause::UnknownElement, element, first, 0 };
            break;
        }
        if (!fault)
            fault = ReactionFault { FaultCause::OneSideElement, element, 0, 0 };
    }
    if (fault)
        throw InvalidReaction("the sides hold different elements", *fault);
}

// The first grammar, read exactly as it always was.
BalanceProblem plainProblem(std::string_view text)
{
    BalanceProblem problem;
    const std::string units = InsertUnitCounts(text);
    ReactionSides sides = SplitReaction(units);
    problem.reactantCount = int(sides.reactants.size());
    problem.unitSubstances = allSubstances(std::move(sides));
    problem.rows = ListElements(units);
    std::vector<std::vector<std::string>> symbols;
    for (const std::string &substance : problem.unitSubstances)
        symbols.push_back(ListElements(substance + "+"));
    checkSameElements(problem.rows, symbols, problem.reactantCount);
    for (const std::string &substance : problem.unitSubstances)
        problem.counts.push_back(CountAtoms(substance, problem.rows));
    return problem;
}

// Charges, electrons, hydrates and square brackets.
BalanceProblem notationProblem(std::string_view text)
{
    BalanceProblem problem;
    const ReactionSides sides = SplitReaction(text);
    problem.reactantCount = int(sides.reactants.size());
    std::vector<SubstanceFormula> substances;
    std::vector<std::vector<std::string>> symbols;
    bool charged = false;
    for (const std::string &typed : allSubstances(sides)) {
        substances.push_back(ReadSubstance(typed));
        const SubstanceFormula &substance = substances.back();
        for (const std::string &symbol : substance.symbols)
            if (!holds(problem.rows, symbol))
                problem.rows.push_back(symbol);
        symbols.push_back(substance.symbols);
        problem.unitSubstances.push_back(substance.unitForm);
        charged = charged || substance.charge != 0;
    }
    checkSameElements(problem.rows, symbols, problem.reactantCount);
    for (const SubstanceFormula &substance : substances) {
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

// Every row balances, and every coefficient is positive.
bool balances(const std::vector<std::string> &coefficients,
    const std::vector<std::vector<std::int32_t>> &counts, int reactantCount)
{
    if (coefficients.size() != counts.size())
        return false;
    std::vector<__int128> values;
    for (const std::string &text : coefficients) {
        const std::int32_t value = ParseInt32(text);
        if (value <= 0)
            return false;
        values.push_back(value);
    }
    const std::size_t rows = counts.empty() ? 0 : counts.front().size();
    for (std::size_t e = 0; e < rows; ++e) {
        __int128 sum = 0;
        for (std::size_t s = 0; s < counts.size(); ++s)
            sum += (int(s) < reactantCount ? 1 : -1) * values[s] * counts[s][e];
        if (sum != 0)
            return false;
    }
    return true;
}

std::vector<std::string> exactAnswerTexts(const std::vector<std::int64_t> &answer)
{
    std::vector<std::string> texts;
    for (const std::int64_t value : answer) {
        if (value > std::numeric_limits<std::int32_t>::max())
            throw InvalidReaction("coefficient beyond 32 bits");
        texts.push_back(std::to_string(value));
    }
    return texts;
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

BalancedReaction Balance(std::string_view normalisedText)
{
    const BalanceProblem problem = reference::ReadBalanceProblem(normalisedText);
    const std::string &text = problem.text;
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

    const std::vector<std::string> coefficients = exactAnswerTexts(exact.answer);
    if (!balances(coefficients, problem.counts, reactantCount))
        throw CannotBalance("coefficients do not balance");

    BalancedReaction result;
    result.formulas = allSubstances(SplitReaction(text));
    result.coefficients = coefficients;
    for (const std::string &formula : result.formulas) {
        try {
            result.weights.emplace_back(FormulaWeight(formula));
        } catch (const InvalidReaction &) {
            result.weights.emplace_back(std::nullopt);
        }
    }
    result.text
        = ComposeBalancedReaction(problem.unitSubstances, result.coefficients, reactantCount);
    return result;
}

} // namespace molvane::reference
