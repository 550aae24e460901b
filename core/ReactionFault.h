#pragma once

#include <string>

namespace molvane {

/// Why a reaction or a formula failed, so that the program can say more than its message.
enum class FaultCause {
    None, ///< nothing more to say than the message
    UnknownElement, ///< a symbol missing from the element table: name, substance
    OneSideElement, ///< an element on one side of the arrow only: name
    NoArrow,
    SeveralArrows, ///< position of the second arrow
    UnclosedBracket, ///< name is the bracket or brace, position where it opens
    UnopenedBracket, ///< name is the bracket or brace, position where it closes
    BadCharacter, ///< name is the character, position where it stands
    SeveralReactions, ///< more than one independent answer
    OnlyZero, ///< only zero coefficients balance it: name is the element that cannot be
              ///< matched (empty when no one element is to blame)
    ChargeNotMatched, ///< only zero coefficients balance it because of the charge
    NegativeCoefficient, ///< substance would need a negative coefficient
    ZeroCoefficient, ///< substance would take no part
};

/// A failure's cause and where it is. Substance numbers and positions count from 1; 0 means
/// none. Positions count characters of the reaction text, not bytes.
struct ReactionFault
{
    FaultCause cause = FaultCause::None;
    std::string name;
    int substance = 0;
    int position = 0;

    friend bool operator==(const ReactionFault &, const ReactionFault &) = default;
};

} // namespace molvane
