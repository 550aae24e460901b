#include "core/ReactionAnalysis.h"

#include "core/ElementTable.h"
#include "core/Errors.h"
#include "core/Fraction.h"
#include "core/NumberFormat.h"
#include "core/ReactionCharacters.h"
#include "core/ReactionSyntax.h"
#include "core/SubstanceFormula.h"

#include <limits>

namespace molvane {

namespace {

bool isCountChar(char c)
{
    return IsDigit(c) || c == '-';
}

std::string trimmed(std::string_view text)
{
    std::size_t begin = 0, end = text.size();
    while (begin < end && static_cast<unsigned char>(text[begin]) <= ' ')
        ++begin;
    while (end > begin && static_cast<unsigned char>(text[end - 1]) <= ' ')
        --end;
    return std::string(text.substr(begin, end - begin));
}

} // namespace

std::string_view ReadSymbol(std::string_view formula, std::size_t &pos)
{
    const std::size_t start = pos++;
    while (pos < formula.size() && IsLower(formula[pos]))
        ++pos;
    return formula.substr(start, pos - start);
}

std::int32_t ReadCount(std::string_view formula, std::size_t &pos)
{
    const std::size_t start = pos;
    // A usual count, a few digits without a sign, is read at once.
    std::int32_t value = 0;
    while (pos < formula.size() && IsDigit(formula[pos]) && pos - start < 9)
        value = value * 10 + (formula[pos++] - '0');
    if (pos > start && (pos == formula.size() || !isCountChar(formula[pos])))
        return value;
    while (pos < formula.size() && isCountChar(formula[pos]))
        ++pos;
    try {
        return ParseInt32(formula.substr(start, pos - start));
    } catch (const ConversionError &) {
        throw InvalidReaction("malformed count");
    }
}

namespace {

std::int32_t checked(std::int64_t value)
{
    if (value < std::numeric_limits<std::int32_t>::min()
        || value > std::numeric_limits<std::int32_t>::max())
        throw InvalidReaction("count out of range");
    return std::int32_t(value);
}

// Position of the ")" that closes the "(" at @p open, or npos.
std::size_t matchingBracket(std::string_view formula, std::size_t open)
{
    int depth = 0;
    for (std::size_t i = open; i < formula.size(); ++i) {
        if (formula[i] == '(')
            ++depth;
        else if (formula[i] == ')' && --depth == 0)
            return i;
    }
    return std::string_view::npos;
}

// Whether a count of "1" goes between @p prev and @p c when the text omits one.
bool omitsCount(char prev, char c)
{
    const bool wantsCount = c == '(' || c == ')' || c == '+' || c == '>' || IsUpper(c);
    const bool hasCount = prev == '(' || prev == '+' || prev == '>' || IsDigit(prev);
    return wantsCount && !hasCount;
}

// The one walk behind InsertUnitCounts, ListElements and ReadUnitFormula: writes @p text with
// every omitted count into @p units when Units, and lists its distinct symbols into @p symbols
// when Symbols, the one still open at the end only with @p closeLast.
template <bool Units, bool Symbols>
void walkFormula(
    std::string_view text, std::string &units, std::vector<std::string> &symbols, bool closeLast)
{
    std::size_t start = 0, length = 0; // the open symbol
    const auto close = [&] {
        const std::string_view symbol = text.substr(start, length);
        if (length > 0 && IndexOfElement(symbols, symbol) < 0)
            symbols.emplace_back(symbol);
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if constexpr (Units) {
            if (i > 0 && omitsCount(text[i - 1], c))
                units.push_back('1');
            units.push_back(c);
        }
        if constexpr (Symbols) {
            if (IsLower(c)) {
                if (length++ == 0)
                    start = i;
                continue;
            }
            close();
            start = i;
            length = IsUpper(c) ? 1 : 0;
        }
    }
    if constexpr (Units) {
        if (!units.empty() && !IsDigit(units.back()))
            units.push_back('1');
    }
    if constexpr (Symbols) {
        if (closeLast)
            close();
    }
}

} // namespace

std::string InsertUnitCounts(std::string_view text)
{
    std::string units;
    units.reserve(text.size() * 2 + 1);
    std::vector<std::string> none;
    walkFormula<true, false>(text, units, none, false);
    return units;
}

ReactionSides SplitReaction(std::string_view text)
{
    ReactionSides sides;
    // Room for a usual reaction's substances, so the lists seldom grow.
    sides.reactants.reserve(4);
    sides.products.reserve(4);
    std::vector<std::string> *current = &sides.reactants;
    bool inBraces = false; // a charge's sign separates nothing
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '{' || c == '}')
            inBraces = c == '{';
        if (inBraces || (c != '+' && c != '>'))
            continue;
        current->push_back(trimmed(text.substr(start, i - start)));
        if (c == '>')
            current = &sides.products;
        start = i + 1;
    }
    if (start < text.size())
        current->push_back(trimmed(text.substr(start)));
    return sides;
}

std::vector<std::string> ListElements(std::string_view text)
{
    std::string none;
    std::vector<std::string> elements;
    elements.reserve(8);
    walkFormula<false, true>(text, none, elements, false);
    return elements;
}

UnitFormula ReadUnitFormula(std::string_view formula)
{
    UnitFormula read; // a usual formula's unit text fits the string's own buffer
    read.symbols.reserve(4);
    walkFormula<true, true>(formula, read.text, read.symbols, true);
    return read;
}

std::vector<std::int32_t> CountAtoms(
    std::string_view formula, const std::vector<std::string> &elements)
{
    if (formula.empty())
        throw InvalidReaction("empty substance");
    std::vector<std::int32_t> counts(elements.size(), 0);
    std::int32_t multiplier = 1;
    std::size_t pos = 0;
    while (pos < formula.size()) {
        const char c = formula[pos];
        if (IsLetter(c)) {
            const int element = IndexOfElement(elements, ReadSymbol(formula, pos));
            const std::int32_t count = ReadCount(formula, pos);
            if (element < 0)
                throw InvalidReaction("symbol outside the element list");
            counts[element] = checked(
                std::int64_t(counts[element]) + std::int64_t(count) * std::int64_t(multiplier));
        } else if (c == '(') {
            // An unmatched "(" is skipped and changes nothing.
            const std::size_t close = matchingBracket(formula, pos);
            if (close != std::string_view::npos) {
                std::size_t after = close + 1;
                multiplier = checked(std::int64_t(multiplier) * ReadCount(formula, after));
            }
            ++pos;
        } else if (c == ')') {
            ++pos;
            const std::int32_t count = ReadCount(formula, pos);
            // Closing a group restores the multiplier it started with; a zero count or
            // INT_MIN / -1 cannot be undone and makes the formula invalid.
            if (count == 0
                || (count == -1 && multiplier == std::numeric_limits<std::int32_t>::min()))
                throw InvalidReaction("group count out of range");
            multiplier /= count;
        } else {
            throw InvalidReaction("unexpected character in formula");
        }
    }
    return counts;
}

std::string WeightOfAtoms(
    const std::vector<std::string> &symbols, const std::vector<std::int32_t> &counts)
{
    double sum = 0;
    for (std::size_t i = 0; i < symbols.size(); ++i) {
        const std::optional<int> index = FindElement(symbols[i]);
        if (!index)
            throw InvalidReaction("unknown element " + symbols[i]);
        const long double weight = AtomicWeight(*index);
        sum = double(static_cast<long double>(sum) + static_cast<long double>(counts[i]) * weight);
    }
    return FormatGeneral(sum);
}

FormulaAtoms AtomsOfFormula(std::string_view typed)
{
    std::string formula = WithJoiningStars(typed);
    formula.resize(formula.size() - StateLength(formula));
    CheckCharactersAndBrackets(formula);
    if (UsesExtendedNotation(formula)) {
        SubstanceFormula substance = ReadSubstance(formula);
        return { std::move(substance.symbols), std::move(substance.counts), substance.electron };
    }
    UnitFormula units = ReadUnitFormula(formula);
    std::vector<std::int32_t> counts = CountAtoms(units.text, units.symbols);
    return { std::move(units.symbols), std::move(counts), false };
}

std::string FormulaWeight(std::string_view typed)
{
    const FormulaAtoms atoms = AtomsOfFormula(typed);
    if (atoms.electron)
        return std::string(ElectronWeight);
    return WeightOfAtoms(atoms.symbols, atoms.counts);
}

} // namespace molvane
