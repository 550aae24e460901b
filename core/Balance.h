#pragma once

#include "core/CoefficientSolver.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace molvane {

/// Everything a successful Balance writes back: the reaction and one grid row per substance.
struct BalancedReaction
{
    std::string text; ///< coefficients written in: 2H2+O2>2H2O
    std::vector<std::string> formulas; ///< reactants then products, as typed
    std::vector<std::string> coefficients; ///< decimal, one per formula
    /// Formula weight per formula; empty where the formula has none (a symbol outside the
    /// element table), where filling the weight column stops.
    std::vector<std::optional<std::string>> weights;
};

/// Balances a normalised reaction text. Throws InvalidReaction for text outside the
/// grammar and CannotBalance for a reaction without exactly one all-positive answer.
BalancedReaction Balance(
    std::string_view normalisedText, const MillisecondClock &clock = SteadyMilliseconds);

/// Joins the unit-count substances with their coefficients and drops every 1 that is a
/// coefficient or a count: 2H2+1O2>2H2O1 becomes 2H2+O2>2H2O.
std::string ComposeBalancedReaction(const std::vector<std::string> &substances,
    const std::vector<std::string> &coefficients, int reactantCount);

} // namespace molvane
