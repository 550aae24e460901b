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
    OnlyZero, ///< only zero coefficients balance it: name is the element, or the smallest set
              ///< of elements ("Fe, O"), that cannot be matched (empty when none is found)
    ChargeNotMatched, ///< only zero coefficients balance it because of the charge
    NegativeCoefficient, ///< substance would need a negative coefficient; name lists them
                         ///< all ("2, 4") when there are several
    ZeroCoefficient, ///< substance would take no part
    EmptyReaction,
    EmptySubstance, ///< position of the "+" or arrow with no substance on one side
    BadCharge, ///< name is the charge in braces, position where it opens
    ChargeNotLast, ///< position of the charge's "{" followed by more formula
    EmptyPart, ///< a hydrate's "*" with no formula beside it: its position
    ZeroCount, ///< a count or multiplier of 0: its position
    OutOfRange, ///< a count, charge or coefficient beyond what is read or written
    MisplacedSign, ///< a "-" that is no charge's sign (never a count): its position
    AmbiguousCharge, ///< digits before a sign: name and other are the two readings
    MalformedSubstance, ///< any other fault within substance (number)
};

/// A failure's cause and where it is. Substance numbers and positions count from 1; 0 means
/// none. Positions count characters of the reaction text, not bytes.
struct ReactionFault
{
    FaultCause cause = FaultCause::None;
    std::string name;
    int substance = 0;
    int position = 0;
    std::string other {}; ///< the second reading of an ambiguous charge

    friend bool operator==(const ReactionFault &, const ReactionFault &) = default;
};

} // namespace molvane
