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
        throw InvalidReaction("empty reaction", { FaultCause::EmptyReaction, {}, 0, 0, {} });
    CheckCharactersAndBrackets(text);
    CheckSubstancesPresent(text);
    CheckArrows(text);
}

// Where each substance starts in @p text, in bytes.
std::vector<std::size_t> substanceStarts(std::string_view text)
{
    std::vector<std::size_t> starts { 0 };
    bool inBraces = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '{' || text[i] == '}')
            inBraces = text[i] == '{';
        if (!inBraces && (text[i] == '+' || text[i] == '>'))
            starts.push_back(i + 1);
    }
    return starts;
}

// Reads the substances of @p text with @p read; a fault within one is placed in the whole
// text, and one that names no cause names the substance.
template <typename Read> void readEach(std::string_view text, Read read)
{
    const std::vector<std::size_t> starts = substanceStarts(text);
    for (std::size_t s = 0; s < starts.size(); ++s) {
        try {
            read(s);
        } catch (const InvalidReaction &e) {
            ReactionFault fault = e.fault();
            if (fault.cause == FaultCause::None)
                fault = { FaultCause::MalformedSubstance, {}, int(s) + 1, 0, {} };
            else if (fault.position > 0 && fault.substance == 0)
                fault.position
                    = CharacterPosition(text, starts[s] + std::size_t(fault.position) - 1);
            throw InvalidReaction(e.what(), fault);
        }
    }
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
// @p rowOf receives the row of every symbol of every substance in turn.
std::vector<std::string> elementRows(const std::vector<SubstanceFormula> &substances,
    int reactantCount, std::vector<std::size_t> &rowOf)
{
    std::vector<std::string> rows;
    std::vector<RowPresence> presence;
    // Room for a usual reaction's elements, so the lists seldom grow.
    rows.reserve(8);
    presence.reserve(8);
    rowOf.clear();
    rowOf.reserve(4 * substances.size());
    for (std::size_t s = 0; s < substances.size(); ++s) {
        for (const std::string &symbol : substances[s].symbols) {
            int r = IndexOfElement(rows, symbol);
            if (r < 0) {
                r = int(rows.size());
                rows.push_back(symbol);
                presence.emplace_back();
            }
            rowOf.push_back(std::size_t(r));
            RowPresence &row = presence[std::size_t(r)];
            if (row.first == 0)
                row.first = int(s) + 1;
            (int(s) < reactantCount ? row.inReactants : row.inProducts) = true;
        }
    }
    checkSameElements(rows, presence);
    return rows;
}

// One entry per row: the counts of @p substance, whose symbols stand in the rows @p row
// points at, which then moves past them.
std::vector<std::int32_t> rowCounts(
    const SubstanceFormula &substance, std::size_t rowCount, const std::size_t *&row)
{
    std::vector<std::int32_t> counts(rowCount, 0);
    for (const std::int32_t count : substance.counts)
        counts[*row++] = count;
    return counts;
}

// The first grammar, read exactly as it always was. Writing the omitted counts into each
// formula on its own gives what writing them into the whole text and splitting that gives:
// the "+" and ">" between formulas neither take a count nor give one to what follows them.
// Only a text ending in either differs: that gives one more substance, "1", after them.
BalanceProblem plainProblem(std::string_view text)
{
    BalanceProblem problem;
    ReactionSides sides = SplitReaction(text);
    problem.reactantCount = int(sides.reactants.size());
    problem.formulas = allSubstances(std::move(sides));
    const bool endsInSeparator = text.back() == '+' || text.back() == '>';
    const std::size_t substanceCount = problem.formulas.size() + (endsInSeparator ? 1 : 0);
    problem.unitSubstances.reserve(substanceCount);
    problem.substances.reserve(substanceCount);
    std::vector<std::string> states; // written back after the counts are read
    states.reserve(substanceCount);
    for (const std::string &formula : problem.formulas) {
        const std::size_t body = formula.size() - StateLength(formula);
        UnitFormula read = ReadUnitFormula(std::string_view(formula).substr(0, body));
        states.push_back(formula.substr(body));
        problem.unitSubstances.push_back(std::move(read.text));
        problem.substances.emplace_back().symbols = std::move(read.symbols);
    }
    if (endsInSeparator) {
        problem.unitSubstances.emplace_back("1");
        problem.substances.emplace_back();
    }
    std::vector<std::size_t> rowOf;
    problem.rows = elementRows(problem.substances, problem.reactantCount, rowOf);
    problem.counts.reserve(substanceCount);
    const std::size_t *row = rowOf.data();
    readEach(text, [&](std::size_t s) {
        SubstanceFormula &substance = problem.substances[s];
        substance.counts = CountAtoms(problem.unitSubstances[s], substance.symbols);
        problem.counts.push_back(rowCounts(substance, problem.rows.size(), row));
    });
    for (std::size_t s = 0; s < states.size(); ++s)
        problem.unitSubstances[s] += states[s];
    return problem;
}

// Charges, electrons, hydrates and square brackets.
BalanceProblem notationProblem(std::string_view text)
{
    BalanceProblem problem;
    problem.extended = true;
    ReactionSides sides = SplitReaction(text);
    problem.reactantCount = int(sides.reactants.size());
    problem.formulas = allSubstances(std::move(sides));
    bool charged = false;
    readEach(text, [&](std::size_t s) {
        const std::string &typed = problem.formulas[s];
        const std::size_t body = typed.size() - StateLength(typed);
        problem.substances.push_back(ReadSubstance(std::string_view(typed).substr(0, body)));
        const SubstanceFormula &substance = problem.substances.back();
        problem.unitSubstances.push_back(substance.unitForm + typed.substr(body));
        charged = charged || substance.charge != 0;
    });
    std::vector<std::size_t> rowOf;
    problem.rows = elementRows(problem.substances, problem.reactantCount, rowOf);
    const std::size_t *row = rowOf.data();
    for (const SubstanceFormula &substance : problem.substances) {
        problem.counts.push_back(rowCounts(substance, problem.rows.size(), row));
        if (charged)
            problem.counts.back().push_back(substance.charge);
    }
    if (charged)
        problem.rows.emplace_back();
    return problem;
}

// The weight of formula @p s from the atoms the problem has counted; what FormulaWeight gives
// for it. A formula of the first grammar is read the same on its own as within the reaction,
// which was checked as a whole; one of the extended language may not be, and a formula of the
// first grammar within it is read differently, so those are weighed on their own.
std::string substanceWeight(const BalanceProblem &problem, std::size_t s)
{
    const SubstanceFormula &substance = problem.substances[s];
    if (!problem.extended)
        return WeightOfAtoms(substance.symbols, substance.counts);
    const std::string &formula = problem.formulas[s];
    CheckCharactersAndBrackets(formula);
    if (!UsesExtendedNotation(formula))
        return FormulaWeight(formula);
    if (substance.electron)
        return std::string(ElectronWeight);
    return WeightOfAtoms(substance.symbols, substance.counts);
}

// The exact answer within the 32-bit range coefficients have always had, checked against every
// row before anything is written back.
std::vector<std::string> answerTexts(
    const std::vector<std::int64_t> &answer, const BalanceProblem &problem)
{
    for (const std::int64_t value : answer)
        if (value > std::numeric_limits<std::int32_t>::max())
            throw InvalidReaction(
                "coefficient beyond 32 bits", { FaultCause::OutOfRange, {}, 0, 0, {} });
    if (!BalancesEveryRow(answer, problem))
        throw CannotBalance("coefficients do not balance");
    return DecimalTexts(answer);
}

} // namespace

BalanceProblem ReadBalanceProblem(std::string_view normalisedText)
{
    std::string text = WithJoiningStars(normalisedText);
    checkShape(text);
    BalanceProblem problem
        = UsesExtendedNotation(text) ? notationProblem(text) : plainProblem(text);
    // The problem holds copies of its formulas, so the text moves in.
    problem.text = std::move(text);
    return problem;
}

bool BalancesEveryRow(const std::vector<std::int64_t> &coefficients, const BalanceProblem &problem)
{
    const auto &counts = problem.counts;
    if (coefficients.size() != counts.size())
        return false;
    if (std::any_of(
            coefficients.begin(), coefficients.end(), [](std::int64_t v) { return v <= 0; }))
        return false;
    const std::size_t rows = counts.empty() ? 0 : counts.front().size();
    for (std::size_t e = 0; e < rows; ++e) {
        __int128 sum = 0;
        for (std::size_t s = 0; s < counts.size(); ++s)
            sum += (int(s) < problem.reactantCount ? 1 : -1) * __int128(coefficients[s])
                * counts[s][e];
        if (sum != 0)
            return false;
    }
    return true;
}

std::vector<std::string> DecimalTexts(const std::vector<std::int64_t> &values)
{
    std::vector<std::string> texts;
    texts.reserve(values.size());
    for (const std::int64_t value : values)
        texts.push_back(std::to_string(value));
    return texts;
}

BalancedReaction Balance(std::string_view normalisedText)
{
    BalanceProblem problem = ReadBalanceProblem(normalisedText);
    const int reactantCount = problem.reactantCount;

    // The exact solve decides whether there is one answer and gives it: with one free ratio
    // the answer in smallest whole numbers is the only one.
    ExactAnswer exact;
    try {
        exact = SolveExactly(problem.counts, reactantCount);
    } catch (const ConversionError &) {
        throw InvalidReaction("values beyond range", { FaultCause::OutOfRange, {}, 0, 0, {} });
    }
    if (exact.freeRatios != 1
        || std::any_of(
            exact.answer.begin(), exact.answer.end(), [](std::int64_t v) { return v <= 0; }))
        throw CannotBalance("no unique positive answer",
            DiagnoseNoAnswer(problem.counts, problem.rows, reactantCount, exact));

    BalancedReaction result;
    result.coefficients = answerTexts(exact.answer, problem);
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

namespace {

// Whether @p text ends in a group whose word is a state's in any letter case ("(AQ)"): its
// count 1 keeps it a group, as a state would be read in its place.
bool endsInStateWord(std::string_view text)
{
    if (text.empty() || text.back() != ')')
        return false;
    const std::size_t open = text.rfind('(');
    if (open == std::string_view::npos)
        return false;
    std::string word(text.substr(open));
    std::transform(word.begin(), word.end(), word.begin(),
        [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return IsStateSymbol(word);
}

} // namespace

std::string ComposeBalancedReaction(const std::vector<std::string> &substances,
    const std::vector<std::string> &coefficients, int reactantCount)
{
    std::size_t length = substances.size();
    for (std::size_t i = 0; i < substances.size(); ++i)
        length += coefficients[i].size() + substances[i].size();
    std::string joined;
    joined.reserve(length);
    for (std::size_t i = 0; i < substances.size(); ++i) {
        if (int(i) == reactantCount)
            joined += '>';
        else if (i > 0)
            joined += '+';
        joined += coefficients[i];
        joined += substances[i];
    }
    // A 1 standing alone (not part of a larger number, not after "-" but at the end, not
    // after a group that would read as a state without it) says nothing. Dropping one never changes
    // whether another stands alone: the character after a dropped 1 is no digit, so no 1.
    const std::size_t size = joined.size();
    std::size_t kept = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const char c = joined[i];
        const bool alone = c == '1' && size >= 2
            && (i == 0 || (!IsDigit(joined[i - 1]) && (i + 1 == size || joined[i - 1] != '-')))
            && (i + 1 == size || !IsDigit(joined[i + 1]))
            && !endsInStateWord(std::string_view(joined.data(), kept));
        if (!alone)
            joined[kept++] = c;
    }
    joined.resize(kept);
    return joined;
}

} // namespace molvane
