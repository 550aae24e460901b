#pragma once

#include "core/Balance.h"
#include "core/CoefficientSolver.h"

#include <string_view>

namespace molvane::reference {

/// The Balance path as it was before its repeated work was removed: the faster path must read
/// the same problem and give the same outcome, text, coefficients and weights.
BalanceProblem ReadBalanceProblem(std::string_view normalisedText);
TextSolverAnswer SolveAsText(const BalanceProblem &problem,
    const MillisecondClock &clock = SteadyMilliseconds, SolverRecord *record = nullptr);
BalancedReaction Balance(
    std::string_view normalisedText, const MillisecondClock &clock = SteadyMilliseconds);

/// A substance's count vector as the text solver read it: the counts joined by commas
/// ("2,0,1").
std::string CountVectorText(const std::vector<std::int32_t> &counts);

/// The text solver as it was, which the reference path solves with: it rewrote its equations as
/// text ("2[0]=2[2]").
std::vector<std::string> BuildEquations(const std::vector<std::string> &elements,
    const std::vector<std::string> &countVectors, int reactantCount);
bool SolveCoefficients(const std::vector<std::string> &countVectors,
    const std::vector<std::string> &lines, int substanceCount, ResultList &results,
    const MillisecondClock &clock, SolverRecord *record = nullptr);
bool SolverPass(std::vector<std::string> &lines, ResultList &results, int substanceCount,
    SolverRecord *record = nullptr);
ResultList IntegerCoefficients(const ResultList &results);

} // namespace molvane::reference
