#pragma once

#include "core/AsciiCase.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// Reactant and product formula texts, each trimmed.
struct ReactionSides
{
    std::vector<std::string> reactants;
    std::vector<std::string> products;
};

/// Writes every omitted count as "1": H2+O2>H2O becomes H2+O2>H2O1, X- becomes X-1.
std::string InsertUnitCounts(std::string_view text);

/// Splits at "+" and at the arrow ">" outside braces (a charge's sign separates nothing); a
/// leading separator gives an empty first substance.
ReactionSides SplitReaction(std::string_view text);

/// Distinct element symbols in order of first appearance, compared ignoring case.
/// A symbol still open at the end of the text is not listed.
std::vector<std::string> ListElements(std::string_view text);

/// A formula with every omitted count written as "1", and its distinct element symbols in
/// order of first appearance (compared ignoring case), as InsertUnitCounts and ListElements
/// of the result give them, read in one pass.
struct UnitFormula
{
    std::string text;
    std::vector<std::string> symbols;
};
UnitFormula ReadUnitFormula(std::string_view formula);

/// Atoms of each listed element in one unit-count formula, in element-list order.
/// Throws InvalidReaction on malformed text or a count beyond 32 bits.
std::vector<std::int32_t> CountAtoms(
    std::string_view formula, const std::vector<std::string> &elements);

/// The element symbol at @p pos: its letter and the lower-case letters after it; @p pos moves
/// past it.
std::string_view ReadSymbol(std::string_view formula, std::size_t &pos);

/// The count run at @p pos ("-" and digits) as one signed 32-bit integer; @p pos moves past it.
/// Throws InvalidReaction when the run is not one such integer.
std::int32_t ReadCount(std::string_view formula, std::size_t &pos);

/// The atoms of one formula as FormulaWeight reads it (a state, hydrate dots and a charge
/// allowed): symbols in order of first appearance and their counts; the electron has none.
/// Throws InvalidReaction on malformed text.
struct FormulaAtoms
{
    std::vector<std::string> symbols;
    std::vector<std::int32_t> counts;
    bool electron = false;
};
FormulaAtoms AtomsOfFormula(std::string_view formula);

/// Formula weight from the element table, in general format with 15 significant digits; an
/// ion weighs as its atoms, the electron weighs ElectronWeight. Throws InvalidReaction on
/// malformed text (an unclosed or unopened bracket among it) or a symbol missing from the
/// table.
std::string FormulaWeight(std::string_view formula);

/// Formula weight of atoms already counted: @p counts[i] atoms of @p symbols[i]. Sums count x
/// weight in the order given, each product in extended precision and the sum rounded to double
/// after every addition, so the same order gives the same digits. Throws InvalidReaction on a
/// symbol missing from the table.
std::string WeightOfAtoms(
    const std::vector<std::string> &symbols, const std::vector<std::int32_t> &counts);

/// Index of @p symbol in @p elements ignoring letter case, or -1. Inline: reading a reaction
/// looks up every symbol of it a few times, in lists of a few symbols.
inline int IndexOfElement(const std::vector<std::string> &elements, std::string_view symbol)
{
    for (std::size_t i = 0; i < elements.size(); ++i)
        if (EqualIgnoringCase(elements[i], symbol))
            return int(i);
    return -1;
}

} // namespace molvane
