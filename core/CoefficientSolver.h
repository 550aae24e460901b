#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace molvane {

/// One value text per substance ("3", "5/2", "4/1"), empty while unknown.
using ResultList = std::vector<std::string>;

/// Milliseconds from any fixed origin; the solver measures its own run time with it.
using MillisecondClock = std::function<std::int64_t()>;
std::int64_t SteadyMilliseconds();

/// The solver gives up when a single solve has run longer than this.
inline constexpr std::int64_t SolverTimeLimitMs = 5000;

/// One step of a solve: a value found from a line, or an unknown eliminated by one.
struct SolverStep
{
    enum class Kind { Found, Eliminated };
    Kind kind = Kind::Found;
    int substance = 0;
    int row = 0; ///< the line of the equations given that the working line started as

    friend bool operator==(const SolverStep &, const SolverStep &) = default;
};

/// What a solve did, in order. The seed comes first, as two values found from its row.
struct SolverRecord
{
    std::vector<SolverStep> steps;
    /// The row each working line started as, kept beside the lines as they are erased and
    /// rotated; SolveCoefficients sets it up.
    std::vector<int> lineRows;
};

/// One equation line per element ("2[0]=2[2]"): reactant terms left, product terms right.
std::vector<std::string> BuildEquations(const std::vector<std::string> &elements,
    const std::vector<std::string> &countVectors, int reactantCount);

/// Solves the lines for one value per substance, seeded by the first element found in
/// exactly two substances. False when no seed exists, a pass repeats an earlier state, a
/// removed line does not hold, or the time limit passes. Throws ConversionError on text
/// that cannot be read (values beyond 32 bits among them). Records its steps in @p record
/// when one is given.
bool SolveCoefficients(const std::vector<std::string> &countVectors,
    const std::vector<std::string> &lines, int substanceCount, ResultList &results,
    const MillisecondClock &clock = SteadyMilliseconds, SolverRecord *record = nullptr);

/// One pass over the working lines: substitute, normalise, merge, solve, eliminate.
/// False when a line left without variables has two different sides. A @p record given
/// holds one row per line in its lineRows.
bool SolverPass(std::vector<std::string> &lines, ResultList &results, int substanceCount,
    SolverRecord *record = nullptr);

/// The smallest whole numbers in the ratio of the results, as decimal texts.
ResultList IntegerCoefficients(const ResultList &results);

} // namespace molvane
