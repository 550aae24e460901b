// The Balance path against its reference (the path that read every formula again): the same
// outcome, text, coefficients and weights on both corpora, the fuzz target's seeds and random
// reactions.
#include "BalanceReference.h"
#include "BalanceSamples.h"

#include "core/Balance.h"
#include "core/Errors.h"
#include "core/ReactionSyntax.h"
#include "core/ReactionText.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace molvane;

namespace {

// Texts with a state such as "(aq)" are read anew on purpose; the reference reads a group.
void expectSameAsReference(const std::string &text)
{
    if (HoldsAState(text))
        return;
    EXPECT_EQ(WithoutInvalidCause(BalanceOutcome([&] { return Balance(text); })),
        WithoutInvalidCause(BalanceOutcome([&] { return reference::Balance(text); })))
        << text;
    const std::string problem = ProblemComparison(text);
    EXPECT_TRUE(problem == "same" || problem == "invalid") << text << " " << problem;
}

TEST(BalancePath, CorporaAndSeedsGiveTheReferenceResults)
{
    const std::vector<std::string> reactions = ReadCorporaAndSeeds(MOLVANE_CORPUS_DIR);
    ASSERT_GT(reactions.size(), 600u);
    for (const std::string &reaction : reactions) {
        expectSameAsReference(reaction);
        for (const bool autoIdentify : { true, false })
            expectSameAsReference(PrepareForBalance(reaction, 0, autoIdentify).text);
    }
}

// Where writing the omitted counts into each formula and into the whole reaction could differ:
// at the separators, at the ends, around groups and signs.
TEST(BalancePath, OddTextsGiveTheReferenceResults)
{
    const char *const texts[] = { "H2>", "H2+>H2", "H>H+", "H2>H2+", "+H2>H2", ">H2", "H+>H",
        "H-+O>HO-", "H->H-", "(H)2>H2", "H2>(H)2+", "H(O)>HO", "h+O>hO", "H1+1>H1", "1H>H", "H>",
        ">", "H2O+>H2+O", "A(B)-+C>AB-C" };
    for (const char *text : texts)
        expectSameAsReference(text);
}

TEST(BalancePath, RandomReactionsGiveTheReferenceResults)
{
    const std::vector<std::string> corpus
        = ReadCorpusReactions(std::string(MOLVANE_CORPUS_DIR) + "/corpus.txt");
    std::mt19937 random(20261207);
    int balanced = 0;
    for (int i = 0; i < 100000; ++i) {
        const std::string typed = RandomReaction(random, corpus);
        const std::string text = i % 2 ? PrepareForBalance(typed, 0, i % 4 == 1).text : typed;
        const std::string now = BalanceOutcome([&] { return Balance(text); });
        if (MissesASubstance(text)) { // once read as a substance "1" or as none
            ASSERT_TRUE(now.starts_with("invalid")) << text;
            continue;
        }
        ASSERT_EQ(WithoutInvalidCause(now), WithoutInvalidCause(BalanceOutcome([&] {
            return reference::Balance(text);
        }))) << text;
        const std::string problem = ProblemComparison(text);
        ASSERT_TRUE(problem == "same" || problem == "invalid") << text;
        balanced += now.starts_with("ok ");
    }
    // Enough of them balance for the weights and coefficients to be compared too.
    EXPECT_GT(balanced, 20000);
}

} // namespace
