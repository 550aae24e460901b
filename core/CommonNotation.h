#pragma once

#include "core/ReactionFault.h"

#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// Whether UTF-8 @p text holds an arrow of common notation: ">", "->", "-->", "=>", "==",
/// "<=>", "<->", "<-->", U+2192, U+27F6, U+21CC, U+21D2, U+21C4, U+2194 or U+27F7.
bool HoldsCommonArrow(std::string_view text);

/// How a reaction written as textbooks and web pages write it is read.
struct TypedOptions
{
    bool loneEqualsIsArrow = false; ///< a single "=" is the arrow where no other stands
    /// Per digits-before-a-sign spot in turn, whether its digits are a count ("Fe3{+}") rather
    /// than a charge ("Fe{3+}"); spots past its end are read as charges.
    std::vector<bool> countReadings {};
};

/// Digits before a plain sign, which may be a count or a charge.
struct ChargeSpot
{
    std::string asCharge; ///< "Cu{2+}"
    std::string asCount; ///< "Cu2{+}"
    int position = 0; ///< typed character position of the digit
};

/// A typed reaction in this program's own language, and where each of its bytes was typed.
struct TypedReading
{
    std::string text; ///< arrows ">", hydrate dots "*", charges in braces
    std::vector<int> origin; ///< per byte of text, its typed character position from 1
    std::vector<ChargeSpot> spots; ///< digits before a sign, in order
    ReactionFault fault; ///< a "-" that is neither a charge's sign nor part of an arrow
};

/// Reads common notation: arrows as ">", Unicode subscript digits as counts and superscripts
/// as a charge, caret charges ("Fe^3+", "e^-"), plain signs that end a substance ("Cl-",
/// "Fe3+" before a blank, an arrow, a state or the end) as a charge, and ".", "•" or "·"
/// between two formulas as "*". Blanks are dropped; anything else is copied, for the analysis
/// to name.
TypedReading ReadTyped(std::string_view typed, const TypedOptions &options);

/// ReadTyped's text: a reaction written in common notation (pasted, or given to molvane-cli)
/// in this program's own.
std::string FromCommonNotation(std::string_view text, bool loneEqualsIsArrow);

} // namespace molvane
