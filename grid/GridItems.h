#pragma once

#include "grid/GridModel.h"

#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// An item as the Options dialog lists it: Name ":" TypeCode "=" Width, for example
/// "New Item:0=100".
struct ItemEntry
{
    std::string name; ///< the text before the first ":"
    std::string type; ///< the one character after that ":", or empty
    std::string width; ///< the text after the character that follows the type
};

/// The entry of a new item: "New Item:0=100".
inline constexpr std::string_view NewItemEntry = "New Item:0=100";

std::string ItemEntryText(std::string_view name, std::string_view type, std::string_view width);
/// Read back by position; an entry without ":" is all name.
ItemEntry ParseItemEntry(std::string_view entry);

/// One entry per column of @p grid, in column order.
std::vector<std::string> ItemEntries(const GridModel &grid);
/// One formula target "#" Name "(a)" per column of @p grid, in column order.
std::vector<std::string> FormulaTargets(const GridModel &grid);

/// The decimal value of a digits-only field; @p fallback when it is empty or too long to read.
int FieldNumber(std::string_view text, int fallback);

/// Makes the grid's columns those of @p entries, in order: names (a name an earlier column
/// already has, letter case ignored, becomes "Item k"), type codes in `TypesList` and widths
/// (100 when unreadable). With no entries the grid keeps only its first column, unchanged. Cells of
/// the substance rows stay where they are; `TypesList` entries past the last column are kept.
void ApplyItems(GridModel &grid, const std::vector<std::string> &entries);

/// A formula line split at its first "=": the target before it and the expression after it;
/// a line without "=" is all expression.
struct FormulaParts
{
    std::string target;
    std::string expression;
};
FormulaParts SplitFormula(std::string_view line);

/// The index of the target equal to @p text, letter case ignored, or -1.
int FindTarget(const std::vector<std::string> &targets, std::string_view text);

/// A new formula line: the first target followed by "=b*c".
std::string NewFormulaLine(const std::vector<std::string> &targets);

} // namespace molvane
