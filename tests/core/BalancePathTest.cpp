// The Balance path against its reference (the path before the work done twice was removed):
// the same outcome, text, coefficients and weights on both corpora and on random reactions.
#include "BalanceReference.h"
#include "BalanceSamples.h"

#include "core/Balance.h"
#include "core/Errors.h"
#include "core/ReactionText.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <vector>

using namespace molvane;

namespace {

std::vector<std::string> readReactions(const std::string &name)
{
    std::ifstream file(std::string(MOLVANE_CORPUS_DIR) + "/" + name);
    std::vector<std::string> reactions;
    for (std::string line; std::getline(file, line);)
        if (!line.empty() && line[0] != '#')
            reactions.push_back(line.substr(0, line.find('\t')));
    return reactions;
}

// A clock that moves a 64th of the time limit a reading: a solve that never settles ends
// after as many passes on both sides, and soon.
std::int64_t ticks = 0;
std::int64_t tickingClock()
{
    return ++ticks * (SolverTimeLimitMs / 64);
}

// The balance rows read and the text solver's answer for them, whether or not Balance
// would go on to ask the text solver.
std::string problemOutcome(const std::string &text)
{
    BalanceProblem problem;
    try {
        problem = ReadBalanceProblem(text);
    } catch (const InvalidReaction &) {
        return "invalid";
    }
    const BalanceProblem expected = reference::ReadBalanceProblem(text);
    if (problem.text != expected.text || problem.rows != expected.rows
        || problem.counts != expected.counts || problem.unitSubstances != expected.unitSubstances
        || problem.reactantCount != expected.reactantCount)
        return "problem differs";
    ticks = 0;
    SolverRecord record, expectedRecord;
    const TextSolverAnswer now = SolveAsText(problem, tickingClock, &record);
    const std::int64_t passes = ticks;
    ticks = 0;
    const TextSolverAnswer then = reference::SolveAsText(problem, tickingClock, &expectedRecord);
    if (now.outcome != then.outcome || now.coefficients != then.coefficients || passes != ticks
        || record.steps != expectedRecord.steps)
        return "answer differs";
    return "same " + std::to_string(int(now.outcome));
}

void expectSameAsReference(const std::string &text)
{
    EXPECT_EQ(BalanceOutcome([&] { return Balance(text); }), BalanceOutcome([&] {
        return reference::Balance(text);
    })) << text;
    EXPECT_TRUE(problemOutcome(text).starts_with("same") || problemOutcome(text) == "invalid")
        << text;
}

TEST(BalancePath, CorporaGiveTheReferenceResults)
{
    std::vector<std::string> reactions = readReactions("corpus.txt");
    const std::vector<std::string> edge = readReactions("corpus-edge.txt");
    reactions.insert(reactions.end(), edge.begin(), edge.end());
    ASSERT_GT(reactions.size(), 600u);
    for (const std::string &reaction : reactions) {
        expectSameAsReference(reaction);
        for (const bool autoIdentify : { true, false })
            expectSameAsReference(PrepareForBalance(reaction, 0, autoIdentify).text);
    }
}

TEST(BalancePath, RandomReactionsGiveTheReferenceResults)
{
    const std::vector<std::string> corpus = readReactions("corpus.txt");
    std::mt19937 random(20261207);
    int balanced = 0, solvedAsText = 0, beyondRange = 0;
    for (int i = 0; i < 100000; ++i) {
        const std::string typed = RandomReaction(random, corpus);
        const std::string text = i % 2 ? PrepareForBalance(typed, 0, i % 4 == 1).text : typed;
        const std::string now = BalanceOutcome([&] { return Balance(text); });
        ASSERT_EQ(now, BalanceOutcome([&] { return reference::Balance(text); })) << text;
        const std::string problem = problemOutcome(text);
        ASSERT_TRUE(problem.starts_with("same") || problem == "invalid") << text;
        balanced += now.starts_with("ok ");
        solvedAsText += problem == "same " + std::to_string(int(TextSolverOutcome::Solved));
        beyondRange += problem == "same " + std::to_string(int(TextSolverOutcome::BeyondRange));
    }
    // Enough of them balance for the weights and coefficients to be compared too.
    EXPECT_GT(balanced, 20000);
    // The text solver answers most of them itself; some fail on its 32-bit text.
    EXPECT_GT(solvedAsText, 20000);
    EXPECT_GT(beyondRange, 200);
}

} // namespace
