#pragma once

#include "core/Balance.h"
#include "core/CommonNotation.h"
#include "core/ReactionFault.h"

#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// Digits before a sign that another reading would have balanced too, read as chemistry means
/// them: "Cu2+" taken as "Cu{2+}", where "Cu2{+}" (no ion chemistry knows) balanced as well.
struct ChargeReadingNote
{
    std::string typed, taken, other;
    friend bool operator==(const ChargeReadingNote &, const ChargeReadingNote &) = default;
};

/// A typed reaction read, normalised and checked for its reading: a "-" that is no charge,
/// a missing substance, or digits before a sign that more or fewer than one reading balances
/// (both readings named) throw InvalidReaction at their typed position. Where several readings
/// balance, those with an ion chemistry does not know (a charge of 1 on several atoms of one
/// element, or beyond 8) are left out first.
struct ReadReaction
{
    std::string text; ///< normalised, for Balance
    std::vector<int> origin; ///< per byte of text, its typed character position
    std::vector<ChargeReadingNote> chargeNotes; ///< readings chemistry chose among balancing ones
};
ReadReaction ReadTypedReaction(std::string_view typed, bool loneEqualsIsArrow, bool autoIdentify);

/// @p fault with its position moved from @p read's text to the typed text.
ReactionFault AtTypedPosition(ReactionFault fault, const ReadReaction &read);

/// Balances a typed reaction; failures name their positions in the typed text.
BalancedReaction BalanceTyped(std::string_view typed, bool loneEqualsIsArrow, bool autoIdentify);

/// What a paste puts into the editor: the reaction in this program's own language, or why it
/// is refused (digits before a sign that may be a count or a charge).
struct PastedReaction
{
    std::string text;
    ReactionFault refusal;
    std::vector<ChargeReadingNote> chargeNotes {};
};
PastedReaction ReadPastedReaction(std::string_view pasted, bool autoIdentify);

/// Symbols of @p normalised that are no element (they balance, without a weight), in order.
std::vector<std::string> SymbolsNotElements(std::string_view normalised);

/// Letter-case readings automatic letter case took in @p typed (co read as Co) where the
/// capitals name two elements: "co", "Co", "CO" each.
struct LetterCaseNote
{
    std::string typed, symbol, other;
    friend bool operator==(const LetterCaseNote &, const LetterCaseNote &) = default;
};
std::vector<LetterCaseNote> LetterCaseNotes(const ReadReaction &read, std::string_view typed);

} // namespace molvane
