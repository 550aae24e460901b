#pragma once

#include "core/ReactionFault.h"

#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// How the coefficients of a derivation were found.
enum class DerivationRoute {
    Substitution, ///< the text solver's way: fix one unknown from a seed element, substitute
    ExactFallback, ///< the text solver gave no answer; exact elimination did
    NoAnswer, ///< no single all-positive answer
};

/// Why the text solver gave no answer on the exact fallback route.
enum class FallbackReason {
    None,
    NoSeed, ///< no element stands in exactly two substances
    BeyondRange, ///< a value left the text solver's 32-bit range
    Unsettled, ///< its working did not settle on an answer that balances
};

/// One equation of the working; @c row is the element it balances, empty for the charge.
struct DerivationEquation
{
    std::string row;
    std::string text; ///< "3a = c"

    friend bool operator==(const DerivationEquation &, const DerivationEquation &) = default;
};

struct DerivationStep
{
    enum class Kind {
        Fix, ///< unknown = value chosen; equation names the seed element's equation, if any
        Solve, ///< unknown = value from the one unknown left in equation
        Express, ///< unknown = value (an expression), substituted into every other equation
        BackSubstitute, ///< unknown = value, from its expression once the rest were known
    };
    Kind kind = Kind::Fix;
    DerivationEquation equation; ///< as it stood when used: O, "2b = 2c + d"
    DerivationEquation reduced; ///< with the known values put in: O, "2b = 10"
    std::string unknown; ///< "b"
    std::string value; ///< "5", "5/2", or for Express "c + (1/2)d"
    std::vector<DerivationEquation> substituted; ///< Express: the other equations afterwards
};

/// A reaction's balance as a student derives it by hand: one unknown per substance, one
/// equation per element (and the charge), one unknown fixed, the rest solved in turn and the
/// values scaled to whole numbers.
struct Derivation
{
    std::vector<std::string> substances; ///< reactants then products, as typed
    int reactantCount = 0;
    std::vector<std::string> unknowns; ///< a, b, ... z, x27, x28, ...
    std::vector<DerivationEquation> equations; ///< one per balance row
    DerivationRoute route = DerivationRoute::Substitution;
    FallbackReason fallback = FallbackReason::None;
    ReactionFault fault; ///< NoAnswer: why
    std::vector<DerivationStep> steps;
    std::vector<std::string> fractions; ///< values met that are not whole: "b = 13/2"
    std::string multiplier; ///< "multiply every value by" this; empty when not needed
    std::string divisor; ///< then "divide every value by" this; empty when not needed
    bool workingOutOfRange = false; ///< the steps stop: a value left the range shown
    std::vector<std::string> coefficients; ///< as Balance gives them; empty for NoAnswer
};

/// The name of unknown @p index (from 0): a to z, then x27, x28, ...
std::string UnknownName(int index);

/// Derives the balance of a normalised reaction text. Throws InvalidReaction for text outside
/// the grammar, as Balance does; a reaction without a single answer gives route NoAnswer.
Derivation DeriveBalance(std::string_view normalisedText);

} // namespace molvane
