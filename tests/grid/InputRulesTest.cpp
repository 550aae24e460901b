#include "grid/InputRules.h"

#include <gtest/gtest.h>

using namespace molvane;

namespace {

const auto caseName = [](const auto &info) { return info.param.name; };

// A stand-in for the code page: ASCII, the Arabic letters up to Arabic yeh, and keheh.
bool fakeCodePage(char32_t c)
{
    return c < 0x80 || (c >= 0x0621 && c <= 0x064A) || c == 0x06A9;
}

struct TypedCase
{
    const char *name;
    TextField field;
    char32_t typed;
    Refusal refusal;
    char32_t fitted; // what is inserted when accepted
};

class CheckTypedCase : public testing::TestWithParam<TypedCase>
{
};

TEST_P(CheckTypedCase, AcceptsFitsOrRefuses)
{
    const TypedCase &c = GetParam();
    EXPECT_EQ(CheckTyped(c.field, c.typed, fakeCodePage), c.refusal);
    const FittedText fitted = FitInput(c.field, std::u32string(1, c.typed), fakeCodePage);
    EXPECT_EQ(fitted.refusal, c.refusal);
    EXPECT_EQ(fitted.text, c.refusal == Refusal::None ? std::u32string(1, c.fitted) : U"");
}

constexpr TextField Cell = TextField::Cell, Name = TextField::ItemName,
                    Formula = TextField::Formula, Number = TextField::Number;

INSTANTIATE_TEST_SUITE_P(InputRules, CheckTypedCase,
    testing::Values(TypedCase { "AsciiLetter", Cell, U'a', Refusal::None, U'a' },
        TypedCase { "ArabicLetter", Name, 0x0628, Refusal::None, 0x0628 },
        TypedCase { "Keheh", Formula, 0x06A9, Refusal::None, 0x06A9 },
        TypedCase { "FarsiYehToArabicYeh", Cell, 0x06CC, Refusal::None, 0x064A },
        TypedCase { "PersianFiveToFive", Cell, 0x06F5, Refusal::None, U'5' },
        TypedCase { "PersianZeroToZero", Formula, 0x06F0, Refusal::None, U'0' },
        TypedCase { "PersianNineToNine", Name, 0x06F9, Refusal::None, U'9' },
        TypedCase { "ArabicIndicSevenToSeven", Cell, 0x0667, Refusal::None, U'7' },
        TypedCase { "ArabicDecimalSeparatorToPoint", Cell, 0x066B, Refusal::None, U'.' },
        TypedCase { "CommaInCell", Cell, U',', Refusal::Comma, 0 },
        TypedCase { "CommaInName", Name, U',', Refusal::Comma, 0 },
        TypedCase { "CommaInFormula", Formula, U',', Refusal::None, U',' },
        TypedCase { "ColonInName", Name, U':', Refusal::Colon, 0 },
        TypedCase { "ColonInCell", Cell, U':', Refusal::None, U':' },
        TypedCase { "ColonInFormula", Formula, U':', Refusal::None, U':' },
        TypedCase { "LineFeedInCell", Cell, U'\n', Refusal::LineBreak, 0 },
        TypedCase { "CarriageReturnInFormula", Formula, U'\r', Refusal::LineBreak, 0 },
        TypedCase { "NulInName", Name, 0, Refusal::LineBreak, 0 },
        TypedCase { "TabIsKept", Cell, U'\t', Refusal::None, U'\t' },
        TypedCase { "CjkOutsideCodePage", Cell, 0x4E2D, Refusal::NotInCodePage, 0 },
        TypedCase { "EmojiOutsideCodePage", Formula, 0x1F600, Refusal::NotInCodePage, 0 },
        TypedCase { "LineSeparatorOutsideCodePage", Name, 0x2028, Refusal::NotInCodePage, 0 },
        TypedCase { "DigitInNumber", Number, U'4', Refusal::None, U'4' },
        TypedCase { "PersianDigitInNumber", Number, 0x06F8, Refusal::None, U'8' },
        TypedCase { "ArabicIndicDigitInNumber", Number, 0x0662, Refusal::None, U'2' },
        TypedCase { "LetterInNumber", Number, U'a', Refusal::NotADigit, 0 },
        TypedCase { "MinusInNumber", Number, U'-', Refusal::NotADigit, 0 },
        TypedCase { "DecimalSeparatorInNumber", Number, 0x066B, Refusal::NotADigit, 0 }),
    caseName);

TEST(FitInput, PastedTextIsFittedWhole)
{
    const FittedText fitted
        = FitInput(TextField::Cell, U"\u06F1\u06F2\u066B\u06F5 \u06CC", fakeCodePage);
    EXPECT_EQ(fitted.refusal, Refusal::None);
    EXPECT_EQ(fitted.text, U"12.5 \u064A");
}

TEST(FitInput, OneRefusedCharacterRefusesThePaste)
{
    const FittedText fitted = FitInput(TextField::ItemName, U"Mass:g", fakeCodePage);
    EXPECT_EQ(fitted.refusal, Refusal::Colon);
    EXPECT_EQ(fitted.text, U"");
    EXPECT_EQ(FitInput(TextField::Cell, U"1\r\n2", fakeCodePage).refusal, Refusal::LineBreak);
    EXPECT_EQ(FitInput(TextField::Cell, U"", fakeCodePage).refusal, Refusal::None);
}

} // namespace
