#pragma once

#include "core/ReactionFault.h"

#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// One equation of the working; @c row is the element it balances, empty for the charge.
struct DerivationEquation
{
    std::string row;
    std::string text; ///< "3a = c"

    friend bool operator==(const DerivationEquation &, const DerivationEquation &) = default;
};

/// An equation with values or an expression written in, and what it becomes once the terms on
/// both sides are collected and cancelled.
struct DerivationRewrite
{
    DerivationEquation written; ///< O: "4b = 4c + 2d + (b)"
    std::string simplified; ///< "3b = 4c + 2d"; equal to written.text when nothing changes

    friend bool operator==(const DerivationRewrite &, const DerivationRewrite &) = default;
};

struct DerivationStep
{
    enum class Kind {
        Start, ///< unknown = 1, the substance whose start needs the fewest eliminations
        Solve, ///< unknown = value from the one unknown left in equation
        Express, ///< unknown = value (an expression), written into every other equation
        BackSubstitute, ///< unknown = value, from its expression once the rest were known
    };
    Kind kind = Kind::Start;
    DerivationEquation equation; ///< as it stood when used; BackSubstitute: row empty
    DerivationRewrite reduced; ///< the equation with the known values written in, simplified
    std::string unknown; ///< "b"
    std::string substance; ///< Start: the substance of the unknown fixed
    std::string value; ///< "5", "5/2", or for Express "c + (1/2)d"
    std::vector<DerivationRewrite> substituted; ///< Express: the equations that held unknown
};

/// A reaction's balance as a teacher derives it on the board: one unknown per substance, one
/// equation per element (and the charge), one unknown set to 1, the rest solved in turn, the
/// fractions cleared once and every row checked.
struct Derivation
{
    std::vector<std::string> substances; ///< reactants then products, charges canonical
    int reactantCount = 0;
    std::vector<std::string> unknowns; ///< a, b, c, d, f, ... z, x26, x27, ... (never e)
    std::vector<DerivationEquation> equations; ///< one per balance row
    bool noAnswer = false;
    ReactionFault fault; ///< noAnswer: why
    std::vector<DerivationStep> steps;
    std::vector<std::string> fractions; ///< values met that are not whole: "b = 13/2"
    std::string multiplier; ///< the least common multiple of the denominators; empty if 1
    bool workingOutOfRange = false; ///< the steps stop: a value left the range shown
    std::vector<std::string> coefficients; ///< as Balance gives them; empty for noAnswer
    std::vector<DerivationEquation> check; ///< per row, both sides counted: C, "3 = 3"
};

/// The name of unknown @p index (from 0): a to z without e (which reads as the electron),
/// then x26, x27, ...
std::string UnknownName(int index);

/// Derives the balance of a normalised reaction text. Throws InvalidReaction for text outside
/// the grammar, as Balance does; a reaction without a single answer gives noAnswer.
Derivation DeriveBalance(std::string_view normalisedText);

} // namespace molvane
