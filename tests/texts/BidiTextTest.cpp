#include "texts/BidiText.h"

#include <gtest/gtest.h>

namespace molvane {
namespace {

// The marks spelled out, so an expectation reads as what is stored: ">" LRM, "<" RLM, "["
// and "]" a left-to-right embedding.
std::string spelled(std::string text)
{
    const std::pair<std::string_view, std::string_view> marks[]
        = { { "\u200E", ">" }, { "\u200F", "<" }, { "\u202A", "[" }, { "\u202C", "]" } };
    for (const auto &[mark, shown] : marks)
        for (std::size_t at; (at = text.find(mark)) != std::string::npos;)
            text.replace(at, mark.size(), shown);
    return text;
}

TEST(BidiText, PathsKeepTheirOrder)
{
    EXPECT_EQ(spelled(LeftToRightRun("3a = c")), ">3a = c>");
    EXPECT_EQ(spelled(LeftToRightEmbedded("/home/پوشه/a.KVX")), "[>/home/پوشه>/a.KVX]");
}

TEST(BidiText, FarsiLettersMakeARightToLeftText)
{
    EXPECT_TRUE(HoldsArabicScript("Text ماده"));
    EXPECT_FALSE(HoldsArabicScript("Use a Farsi font: Nazli, Tahoma"));
}

TEST(BidiText, EveryLineStartsRightToLeft)
{
    EXPECT_EQ(spelled(RightToLeftLines("سطر\ra=ماده\nb")), "<سطر\r<a=ماده\n<b");
}

struct EntryCase
{
    const char *typed;
    const char *shown;
};

class LeftToRightEntryTest : public testing::TestWithParam<EntryCase>
{
};

TEST_P(LeftToRightEntryTest, MarksTheEndOfEachRunOfFarsiWords)
{
    EXPECT_EQ(spelled(LeftToRightEntry(GetParam().typed)), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Entries, LeftToRightEntryTest,
    testing::Values(EntryCase { "Formula:5=110", ">Formula:5=110" },
        EntryCase { "فرمول:5=110", ">فرمول>:5=110" },
        // Words with a space or a zero-width non-joiner between them make one run; a space
        // after the last word stays outside.
        EntryCase { "ماده مورد نظر :1=80", ">ماده مورد نظر> :1=80" },
        EntryCase { "مى\u200Cشود ", ">مى\u200Cشود> " },
        EntryCase { "#گرم(a)=#مول(b)*22.414", ">#گرم>(a)=#مول>(b)*22.414" },
        EntryCase { "", ">" }));

} // namespace
} // namespace molvane
