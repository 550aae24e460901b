#pragma once

#include "core/Balance.h"
#include "core/Fraction.h"
#include "core/SolverLine.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace molvane {

/// One value text per substance ("3", "5/2", "4/1").
using ResultList = std::vector<std::string>;

/// A value the solver found: a seed is written whole ("3"), a solved value "n/d" ("4/1").
struct SolverValue
{
    Fraction value;
    bool whole = false;

    friend bool operator==(const SolverValue &, const SolverValue &) = default;
};
/// One per substance; empty while unknown.
using SolverValues = std::vector<std::optional<SolverValue>>;

/// Milliseconds from any fixed origin; the solver measures its own run time with it. A plain
/// function, as the solver reads it once per pass.
using MillisecondClock = std::int64_t (*)();
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

/// The text of the states since a line was last removed, one after another: a pass that
/// leads back into one would go round for ever. As text, a state found anywhere within the
/// history repeats ("1/1=" stands within "11/1=").
class SolverHistory
{
public:
    explicit SolverHistory(const std::vector<SolverLine> &lines);
    /// True when the text of @p lines stands anywhere in the text of the history.
    bool repeats(const std::vector<SolverLine> &lines);
    /// Adds @p lines, the state last tested. Once a line is gone only that state is kept; the
    /// time limit catches the rest.
    void record(const std::vector<SolverLine> &lines);

private:
    /// The history, followed by the text of the state last tested, so that recording the
    /// state copies nothing.
    std::string m_text;
    std::size_t m_historySize = 0; ///< where the history ends within m_text
    std::size_t m_initialCount;
};

/// One equation line per row ("2[0]=2[2]"): reactant terms left, product terms right. @p counts
/// holds one entry per row for each substance; a missing entry counts as zero.
std::vector<SolverLine> BuildEquations(
    const std::vector<std::vector<std::int32_t>> &counts, std::size_t rowCount, int reactantCount);

/// Solves the lines for one value per substance, seeded by the first row in which exactly two
/// substances have a count. False when no seed exists, a pass repeats an earlier state, a
/// removed line does not hold, or the time limit passes. Throws ConversionError where the
/// text of the lines could not be read (values beyond 32 bits among them). Records its steps
/// in @p record when one is given.
bool SolveCoefficients(const std::vector<std::vector<std::int32_t>> &counts,
    std::vector<SolverLine> lines, SolverValues &results,
    MillisecondClock clock = SteadyMilliseconds, SolverRecord *record = nullptr);

/// One pass over the working lines: substitute, normalise, merge, solve, eliminate.
/// False when a line left without variables has two different sides. A @p record given
/// holds one row per line in its lineRows.
bool SolverPass(std::vector<SolverLine> &lines, SolverValues &results, int substanceCount,
    SolverRecord *record = nullptr);

/// The smallest whole numbers in the ratio of the results. Throws ConversionError for a value
/// missing or beyond 32 bits, as their texts could not be read.
std::vector<std::int32_t> IntegerCoefficients(const SolverValues &results);

enum class TextSolverOutcome {
    Unsettled, ///< no seed, a repeated state, the time limit, or an answer that does not balance
    BeyondRange, ///< a value beyond the 32-bit text range
    Solved,
};

/// The text solver's answer in smallest whole numbers, checked against every row.
struct TextSolverAnswer
{
    TextSolverOutcome outcome = TextSolverOutcome::Unsettled;
    std::vector<std::string> coefficients;
};
/// The text solver on a balance problem, for the working that shows its steps; Balance itself
/// answers from the exact solve, which the text solver's answer always equals. Records the
/// solver's steps in @p record when one is given; rows are those of @p problem.
TextSolverAnswer SolveAsText(const BalanceProblem &problem,
    MillisecondClock clock = SteadyMilliseconds, SolverRecord *record = nullptr);

} // namespace molvane
