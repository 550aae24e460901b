#pragma once

#include "core/SubstanceFormula.h"

#include <cstdint>

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

/// One balance row per element, and one more for the charge when a substance carries one; one
/// column per substance.
struct BalanceProblem
{
    std::string text; ///< the reaction as read, joining stars in place
    std::vector<std::string> rows; ///< element symbols; the charge row has an empty name
    std::vector<std::vector<std::int32_t>> counts; ///< per substance, one entry per row
    std::vector<std::string> unitSubstances; ///< every omitted count written as "1"
    int reactantCount = 0;
    std::vector<std::string> formulas; ///< as typed, reactants then products
    /// Per unit substance, its symbols in order of first appearance with their counts, as the
    /// weight sums them; read in the extended language when the reaction uses it, and then with
    /// its charge and unit form too.
    std::vector<SubstanceFormula> substances;
    bool extended = false; ///< whether the reaction uses the extended language
};

/// Reads a normalised reaction text into its balance rows. Throws InvalidReaction for text
/// outside the grammar.
BalanceProblem ReadBalanceProblem(std::string_view normalisedText);

/// Whether every coefficient is positive and every row of @p problem balances with them.
bool BalancesEveryRow(const std::vector<std::int64_t> &coefficients, const BalanceProblem &problem);

/// The decimal text of each value.
std::vector<std::string> DecimalTexts(const std::vector<std::int64_t> &values);

/// Balances a normalised reaction text. Throws InvalidReaction for text outside the
/// grammar and CannotBalance for a reaction without exactly one all-positive answer.
BalancedReaction Balance(std::string_view normalisedText);

/// Joins the unit-count substances with their coefficients and drops every 1 that is a
/// coefficient or a count: 2H2+1O2>2H2O1 becomes 2H2+O2>2H2O.
std::string ComposeBalancedReaction(const std::vector<std::string> &substances,
    const std::vector<std::string> &coefficients, int reactantCount);

} // namespace molvane
