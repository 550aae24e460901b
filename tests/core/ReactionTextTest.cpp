#include "BalanceSamples.h"

#include "core/ReactionText.h"

#include <gtest/gtest.h>

#include <random>

using namespace molvane;

namespace {

struct NormalizeCase
{
    const char *name;
    const char *text;
    int caret;
    bool autoIdentify;
    const char *expected;
    int expectedCaret;
};

class NormalizeReactionCase : public testing::TestWithParam<NormalizeCase>
{
};

TEST_P(NormalizeReactionCase, GivesTextAndCaret)
{
    const NormalizeCase &c = GetParam();
    const EditedText result = NormalizeReaction(c.text, c.caret, c.autoIdentify);
    EXPECT_EQ(result.text, c.expected);
    EXPECT_EQ(result.caret, c.expectedCaret);
}

INSTANTIATE_TEST_SUITE_P(Editor, NormalizeReactionCase,
    testing::Values(NormalizeCase { "SaltKeepsSymbolCase", "nacl", 4, true, "NaCl", 4 },
        NormalizeCase { "CobaltStaysOneSymbol", "co", 2, true, "Co", 2 },
        NormalizeCase { "WaterAfterDigit", "h2o", 3, true, "H2O", 3 },
        NormalizeCase { "TypedReaction", "h2+o2>h2o", 9, true, "H2+O2>H2O", 9 },
        NormalizeCase { "LowerAfterLowerStartsSymbol", "nacll", 5, true, "NaClL", 5 },
        NormalizeCase { "NotASymbolPair", "hx", 2, true, "HX", 2 },
        NormalizeCase { "AfterMinusStartsSymbol", "X-o", 3, true, "X-O", 3 },
        NormalizeCase { "AfterBracketIsLookedUp", "(oh)2", 5, true, "(OH)2", 5 },
        NormalizeCase { "OffKeepsCase", "h2+o2>h2o", 9, false, "h2+o2>h2o", 9 },
        NormalizeCase { "CoefficientsRemoved", "2H2+O2>2H2O", 11, true, "H2+O2>H2O", 9 },
        NormalizeCase { "CoefficientsRemovedWhenOff", "12h2+3o2", 8, false, "h2+o2", 5 },
        NormalizeCase { "DoubledJoinsRemoved", "H2++O2>>H2O", 11, true, "H2+O2>H2O", 9 },
        NormalizeCase { "PlusAfterArrowRemoved", "H2>+O", 5, true, "H2>O", 4 },
        NormalizeCase { "NegativeCountKept", "X-2+Y", 5, true, "X-2+Y", 5 },
        NormalizeCase { "CaretBeforeRemovalStays", "H2++O2", 2, true, "H2+O2", 2 },
        NormalizeCase { "CaretAtRemovedCharacter", "H2++O2", 4, true, "H2+O2", 3 },
        NormalizeCase { "CaretAfterCoefficient", "22H", 1, true, "H", 0 },
        NormalizeCase { "DigitsAfterRemovedJoinRemoved", "+2H", 3, true, "+H", 2 },
        NormalizeCase { "Empty", "", 0, true, "", 0 },
        NormalizeCase { "CaretClamped", "H2", 9, true, "H2", 2 },
        NormalizeCase { "LonePlusStays", "+", 1, true, "+", 1 },
        NormalizeCase { "ForeignCharactersKept", "H2$o", 4, true, "H2$O", 4 }),
    [](const auto &info) { return info.param.name; });

TEST(RemoveBlanks, DropsBlanksAndTabsKeepingTheCaret)
{
    EXPECT_EQ(RemoveBlanks("H2 + O2\t> H2O", 8), (EditedText { "H2+O2>H2O", 5 }));
    EXPECT_EQ(RemoveBlanks("  ", 2), (EditedText { "", 0 }));
    EXPECT_EQ(RemoveBlanks("H2", 1), (EditedText { "H2", 1 }));
}

TEST(RemoveBlanks, KeepsEveryOtherCharacterAndTheCaretAmongThem)
{
    std::mt19937 random(19);
    for (int n = 0; n < 20000; ++n) {
        const std::string text = RandomText(random, n % 2 ? "H2+ \t" : "H2+>", 10);
        const int caret = int(random() % (text.size() + 5)) - 2;
        // The caret stays after as many of the kept characters as stood before it.
        EditedText expected { {}, 0 };
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == ' ' || text[i] == '\t')
                continue;
            expected.text += text[i];
            expected.caret += int(i) < caret ? 1 : 0;
        }
        ASSERT_EQ(RemoveBlanks(text, caret), expected) << text << " " << caret;
    }
}

TEST(PrepareForBalance, RemovesBlanksBeforeNormalising)
{
    // With the blank gone the 2 follows "+" and is a typed coefficient.
    EXPECT_EQ(PrepareForBalance("H2 + 2 O2 > h2o", 0, true).text, "H2+O2>H2O");
    EXPECT_EQ(PrepareForBalance("h 2", 0, true).text, "H2");
}

TEST(PrepareForBalance, IsNormalisingWhatRemovingBlanksLeaves)
{
    const std::string alphabet = "Hhcoe2{}+>- \t";
    std::mt19937 random(3);
    for (int n = 0; n < 20000; ++n) {
        const std::string text = RandomText(random, alphabet, 10);
        const int caret = int(random() % (text.size() + 5)) - 2;
        const bool autoIdentify = random() % 2 == 0;
        const EditedText compact = RemoveBlanks(text, caret);
        ASSERT_EQ(PrepareForBalance(text, caret, autoIdentify),
            NormalizeReaction(compact.text, compact.caret, autoIdentify))
            << text << " " << caret;
    }
}

} // namespace
