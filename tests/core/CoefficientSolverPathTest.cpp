// The coefficient solver against the text solver it replaced, kept as the reference: on random
// count tables (negative and 32-bit edge counts among them) the same lines, the same values,
// the same failures, pass by pass and over whole solves.
#include "BalanceReference.h"

#include "core/CoefficientSolver.h"
#include "core/Errors.h"
#include "core/Fraction.h"
#include "core/SolverLine.h"

#include <gtest/gtest.h>

#include <array>
#include <random>
#include <string>
#include <vector>

using namespace molvane;

namespace {

using Counts = std::vector<std::vector<std::int32_t>>;

int below(std::mt19937 &random, int n)
{
    return std::uniform_int_distribution<int>(0, n - 1)(random);
}

constexpr std::array<std::int32_t, 20> countChoices { 0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 3, 4, 6, -1, -2,
    12, 65536, 2147483647, -2147483647 - 1, 1073741824 };

// A sparse table, so that rows held by exactly two substances seed the solver.
Counts randomCounts(std::mt19937 &random, std::size_t rows, std::size_t substances)
{
    Counts counts(substances, std::vector<std::int32_t>(rows));
    for (std::vector<std::int32_t> &column : counts)
        for (std::int32_t &count : column)
            count = below(random, 4) == 0 ? countChoices[std::size_t(below(random, 20))]
                                          : std::int32_t(below(random, 2) * (1 + below(random, 3)));
    return counts;
}

std::string randomValue(std::mt19937 &random)
{
    static constexpr std::array<const char *, 12> values { "1", "2", "3/2", "-1", "-5/3", "0/1",
        "2147483647", "-2147483648", "7/2147483647", "4/1", "0", "12" };
    return values[std::size_t(below(random, 12))];
}

std::vector<std::string> textLines(const std::vector<SolverLine> &lines)
{
    std::vector<std::string> texts;
    texts.reserve(lines.size());
    for (const SolverLine &line : lines)
        texts.push_back(SolverLineText(line));
    return texts;
}

ResultList textValues(const SolverValues &values)
{
    ResultList texts;
    for (const std::optional<SolverValue> &value : values)
        texts.push_back(!value ? std::string()
                : value->whole ? std::to_string(value->value.numerator)
                               : ToText(value->value));
    return texts;
}

SolverValues readValues(const ResultList &texts)
{
    SolverValues values;
    for (const std::string &text : texts)
        values.push_back(text.empty() ? std::nullopt
                                      : std::optional(SolverValue {
                                          FromText(text), text.find('/') == std::string::npos }));
    return values;
}

// Both solves read the same clock, which moves a 64th of the time limit a reading, so that a
// solve that never settles ends at the time limit on both sides at the same pass.
std::int64_t ticks = 0;
std::int64_t tickingClock()
{
    return ++ticks * (SolverTimeLimitMs / 64);
}

// How a solve ended and after how many clock readings, one per pass.
template <typename Solve> std::string outcome(Solve solve)
{
    ticks = 0;
    try {
        const bool solved = solve();
        return (solved ? "solved " : "unsettled ") + std::to_string(ticks);
    } catch (const ConversionError &) {
        return "conversion";
    } catch (const std::exception &error) {
        return std::string("other ") + error.what();
    }
}

struct Table
{
    Counts counts;
    std::vector<std::string> rows, vectors;
    int reactantCount = 0;
};

Table randomTable(std::mt19937 &random)
{
    Table table;
    const std::size_t rows = 1 + std::size_t(below(random, 4));
    const std::size_t substances = 2 + std::size_t(below(random, 5));
    table.counts = randomCounts(random, rows, substances);
    for (std::size_t r = 0; r < rows; ++r)
        table.rows.push_back("E" + std::to_string(r));
    for (const std::vector<std::int32_t> &column : table.counts)
        table.vectors.push_back(reference::CountVectorText(column));
    table.reactantCount = 1 + below(random, int(substances) - 1);
    return table;
}

TEST(CoefficientSolverPath, WholeSolvesGiveTheReferenceValuesAndFailures)
{
    std::mt19937 random(7122026);
    int solved = 0, failed = 0;
    for (int i = 0; i < 100000; ++i) {
        const Table t = randomTable(random);
        const std::vector<std::string> expectedLines
            = reference::BuildEquations(t.rows, t.vectors, t.reactantCount);
        const std::vector<SolverLine> lines
            = BuildEquations(t.counts, t.rows.size(), t.reactantCount);
        ASSERT_EQ(textLines(lines), expectedLines);

        ResultList expected;
        SolverRecord expectedRecord;
        const std::string expectedOutcome = outcome([&] {
            return reference::SolveCoefficients(t.vectors, expectedLines, int(t.counts.size()),
                expected, tickingClock, &expectedRecord);
        });
        SolverValues values;
        SolverRecord record;
        const std::string actualOutcome = outcome(
            [&] { return SolveCoefficients(t.counts, lines, values, tickingClock, &record); });
        ASSERT_EQ(actualOutcome, expectedOutcome) << testing::PrintToString(expectedLines);
        ASSERT_EQ(record.steps, expectedRecord.steps) << testing::PrintToString(expectedLines);
        ASSERT_EQ(record.lineRows, expectedRecord.lineRows);
        if (expectedOutcome.starts_with("solved")) {
            ASSERT_EQ(textValues(values), expected) << testing::PrintToString(expectedLines);
            ResultList whole, expectedWhole;
            ASSERT_EQ(outcome([&] {
                for (const std::int32_t value : IntegerCoefficients(values))
                    whole.push_back(std::to_string(value));
                return true;
            }),
                outcome([&] {
                    expectedWhole = reference::IntegerCoefficients(expected);
                    return true;
                }));
            ASSERT_EQ(whole, expectedWhole);
        }
        solved += expectedOutcome.starts_with("solved");
        failed += expectedOutcome == "conversion";
    }
    // Both the answers and the 32-bit failures are compared often.
    EXPECT_GT(solved, 8000);
    EXPECT_GT(failed, 20000);
}

TEST(CoefficientSolverPath, EveryPassLeavesTheReferenceLinesAndValues)
{
    std::mt19937 random(20261207);
    int passes = 0, failures = 0;
    for (int i = 0; i < 20000; ++i) {
        const Table t = randomTable(random);
        std::vector<std::string> expectedLines
            = reference::BuildEquations(t.rows, t.vectors, t.reactantCount);
        ResultList expected(t.counts.size());
        for (std::string &value : expected)
            if (below(random, 3) == 0)
                value = randomValue(random);
        std::vector<SolverLine> lines = BuildEquations(t.counts, t.rows.size(), t.reactantCount);
        SolverValues values = readValues(expected);
        const int n = int(t.counts.size());
        SolverRecord expectedRecord, record;
        for (int row = 0; row < int(lines.size()); ++row) {
            expectedRecord.lineRows.push_back(row);
            record.lineRows.push_back(row);
        }
        for (int pass = 0; pass < 12 && !expectedLines.empty(); ++pass) {
            const std::string expectedOutcome = outcome(
                [&] { return reference::SolverPass(expectedLines, expected, n, &expectedRecord); });
            const std::string actualOutcome
                = outcome([&] { return SolverPass(lines, values, n, &record); });
            ASSERT_EQ(actualOutcome, expectedOutcome) << "pass " << pass;
            if (!expectedOutcome.starts_with("solved")) {
                failures += 1;
                break;
            }
            ASSERT_EQ(textLines(lines), expectedLines) << "pass " << pass;
            ASSERT_EQ(textValues(values), expected) << "pass " << pass;
            ASSERT_EQ(record.steps, expectedRecord.steps) << "pass " << pass;
            ASSERT_EQ(record.lineRows, expectedRecord.lineRows) << "pass " << pass;
            ++passes;
        }
    }
    EXPECT_GT(passes, 20000);
    EXPECT_GT(failures, 2000);
}

// Terms whose texts run into each other: "1" then "1/1" reads "11/1", "+-1" ends in "-1", and
// a state's first line may start inside a history line.
constexpr std::array<SolverTerm, 15> historyTerms { {
    { -1, 0, 0, 1, 1, false },
    { -1, 0, 0, 11, 1, false },
    { -1, 0, '+', 1, 1, false },
    { -1, '+', '-', 1, 1, false },
    { -1, 0, 0, 1, 1, true },
    { -1, 0, 0, 11, 1, true },
    { -1, 0, '-', 1, -1, true },
    { -1, 0, 0, 0, 1, false },
    { 0, 0, 0, 1, 1, false },
    { 0, 0, '+', 1, 1, false },
    { 1, 0, '-', 1, 1, false },
    { 1, 0, 0, 11, 1, false },
    { 10, 0, '+', 1, 1, false },
    { 0, 0, '+', 1, 11, true },
    { 1, 0, 0, 1, 1, true },
} };

std::vector<SolverTerm> randomSide(std::mt19937 &random)
{
    std::vector<SolverTerm> side(1 + std::size_t(below(random, 2)));
    for (SolverTerm &term : side)
        term = historyTerms[std::size_t(below(random, int(historyTerms.size())))];
    return side;
}

std::string stateText(const std::vector<SolverLine> &lines)
{
    std::string text;
    for (const SolverLine &line : lines)
        text += SolverLineText(line) + "\r\n";
    return text;
}

TEST(SolverHistory, RepeatsExactlyWhereTheStateTextStandsInTheHistoryText)
{
    std::mt19937 random(2261207);
    int repeats = 0, withinALine = 0;
    for (int solve = 0; solve < 3000; ++solve) {
        std::vector<SolverLine> state(1 + std::size_t(below(random, 3)));
        for (SolverLine &line : state)
            line = { randomSide(random), randomSide(random) };
        const std::size_t initialCount = state.size();
        std::vector<SolverLine> lines = state; // every line the history has held
        std::string expected = stateText(state);
        SolverHistory history(state);
        for (int pass = 0; pass < 8; ++pass) {
            // A run of earlier lines, its first line cut in front now and then, or new lines.
            state.resize(std::size_t(below(random, 4)));
            const std::size_t from
                = lines.empty() ? 0 : std::size_t(below(random, int(lines.size())));
            for (std::size_t i = 0; i < state.size(); ++i) {
                if (below(random, 3) == 0 || from + i >= lines.size())
                    state[i] = { randomSide(random), randomSide(random) };
                else
                    state[i] = lines[from + i];
            }
            if (!state.empty() && state.front().left.size() > 1 && below(random, 2) == 0)
                state.front().left.erase(state.front().left.begin());

            const std::string text = stateText(state);
            const bool found = !text.empty() && expected.find(text) != std::string::npos;
            ASSERT_EQ(history.repeats(state), found) << expected << " / " << text;
            repeats += found;
            if (found) {
                const std::string firstLine = text.substr(0, text.find('\r') + 2);
                withinALine += ("\n" + expected).find("\n" + firstLine) == std::string::npos;
            }
            history.record(state);
            if (state.size() < initialCount) {
                expected.clear();
                lines.clear();
            }
            expected += text;
            lines.insert(lines.end(), state.begin(), state.end());
        }
    }
    // Whole repeated states and states whose first line starts inside a line are both common.
    EXPECT_GT(repeats, 3000);
    EXPECT_GT(withinALine, 300);
}

} // namespace
