#include "core/Balance.h"

#include "core/Errors.h"
#include "core/ExactSolver.h"
#include "core/Fraction.h"
#include "core/ReactionAnalysis.h"
#include "core/ReactionCharacters.h"

#include <algorithm>
#include <limits>

namespace molvane {

namespace {

void checkShape(std::string_view text)
{
    if (text.empty())
        throw InvalidReaction("empty reaction");
    if (!std::all_of(text.begin(), text.end(), IsReactionCharacter))
        throw InvalidReaction("character outside the reaction grammar");
    const std::size_t arrow = text.find('>');
    if (arrow != std::string_view::npos && text.find('>', arrow + 1) != std::string_view::npos)
        throw InvalidReaction("more than one arrow");
}

// Both sides must hold the same set of element symbols.
void checkSameElements(std::string_view units)
{
    const std::size_t arrow = units.find('>');
    const std::string before
        = arrow == std::string_view::npos ? std::string() : std::string(units.substr(0, arrow));
    const std::string after(arrow == std::string_view::npos ? units : units.substr(arrow + 1));
    const std::vector<std::string> reactantElements = ListElements(before + "+");
    const std::vector<std::string> productElements = ListElements(after + "+");
    if (reactantElements.size() != productElements.size())
        throw InvalidReaction("the sides hold different elements");
    for (const std::string &element : reactantElements)
        if (IndexOfElement(productElements, element) < 0)
            throw InvalidReaction("the sides hold different elements");
}

std::vector<std::string> allSubstances(ReactionSides sides)
{
    std::vector<std::string> all = std::move(sides.reactants);
    all.insert(all.end(), std::make_move_iterator(sides.products.begin()),
        std::make_move_iterator(sides.products.end()));
    return all;
}

// Every element occurs equally often on both sides, and every coefficient is positive.
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
    const std::size_t elements = counts.empty() ? 0 : counts.front().size();
    for (std::size_t e = 0; e < elements; ++e) {
        __int128 sum = 0;
        for (std::size_t s = 0; s < counts.size(); ++s)
            sum += (int(s) < reactantCount ? 1 : -1) * values[s] * counts[s][e];
        if (sum != 0)
            return false;
    }
    return true;
}

// The text solver's answer; none where it cannot give one (no seed, a repeated state, the
// time limit, or a value beyond the 32-bit text range).
std::optional<std::vector<std::string>> textSolverAnswer(const std::vector<std::string> &elements,
    const std::vector<std::string> &vectors, int reactantCount, const MillisecondClock &clock)
{
    try {
        const std::vector<std::string> lines = BuildEquations(elements, vectors, reactantCount);
        ResultList results;
        if (!SolveCoefficients(vectors, lines, int(vectors.size()), results, clock))
            return std::nullopt;
        return IntegerCoefficients(results);
    } catch (const ConversionError &) {
        return std::nullopt;
    }
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

BalancedReaction Balance(std::string_view normalisedText, const MillisecondClock &clock)
{
    checkShape(normalisedText);
    const std::string units = InsertUnitCounts(normalisedText);
    const ReactionSides sides = SplitReaction(units);
    const int reactantCount = int(sides.reactants.size());
    checkSameElements(units);

    const std::vector<std::string> elements = ListElements(units);
    const std::vector<std::string> substances = allSubstances(sides);
    std::vector<std::vector<std::int32_t>> counts;
    std::vector<std::string> vectors;
    for (const std::string &substance : substances) {
        counts.push_back(CountAtoms(substance, elements));
        vectors.push_back(CountVectorText(counts.back()));
    }

    // The exact rank decides at once whether there is one answer at all.
    ExactAnswer exact;
    try {
        exact = SolveExactly(counts, reactantCount);
    } catch (const ConversionError &) {
        throw InvalidReaction("values beyond range");
    }
    if (exact.freeRatios != 1)
        throw CannotBalance("no unique answer");
    if (std::any_of(
            exact.answer.begin(), exact.answer.end(), [](std::int64_t v) { return v <= 0; }))
        throw CannotBalance("the answer needs a zero or negative coefficient");

    std::optional<std::vector<std::string>> coefficients
        = textSolverAnswer(elements, vectors, reactantCount, clock);
    if (!coefficients || !balances(*coefficients, counts, reactantCount))
        coefficients = exactAnswerTexts(exact.answer);
    if (!balances(*coefficients, counts, reactantCount))
        throw CannotBalance("coefficients do not balance");

    BalancedReaction result;
    result.formulas = allSubstances(SplitReaction(normalisedText));
    result.coefficients = *coefficients;
    for (const std::string &formula : result.formulas) {
        try {
            result.weights.emplace_back(FormulaWeight(formula));
        } catch (const InvalidReaction &) {
            result.weights.emplace_back(std::nullopt);
        }
    }
    result.text = ComposeBalancedReaction(substances, result.coefficients, reactantCount);
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
