#include "texts/Texts.h"
#include "texts/FaultTexts.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace molvane;

namespace {

TEST(Texts, EveryIdHasItsOwnEntryAndNoTextIsEmpty)
{
    ASSERT_EQ(UiTexts().size(), std::size_t(TextId::Count));
    for (std::size_t i = 0; i < UiTexts().size(); ++i) {
        const UiText &text = UiTexts()[i];
        EXPECT_EQ(text.id, TextId(i)) << i;
        EXPECT_FALSE(text.english.empty()) << i;
        EXPECT_FALSE(text.farsi.empty()) << i;
    }
}

TEST(Texts, FarsiTextsAreTranslated)
{
    // the texts a switch leaves alone, on purpose
    const std::set<TextId> sameInBoth = { TextId::SettingsEnglishCaption,
        TextId::SettingsEnglishHint, TextId::SettingsFarsiCaption, TextId::SettingsFarsiHint,
        TextId::HelpFarsiCaption, TextId::HelpFarsiHint, TextId::FarsiAdvice,
        TextId::ApplicationTitle, TextId::AboutProgramName };
    for (const UiText &text : UiTexts()) {
        EXPECT_EQ(text.english == text.farsi, sameInBoth.contains(text.id)) << text.english;
    }
}

TEST(Hints, ShortPartBeforeTheBarLongPartAfterIt)
{
    const HintTexts open = SplitHint(Text(TextId::FileOpenHint, UiLanguage::English));
    EXPECT_EQ(open.shortText, "Open");
    EXPECT_EQ(open.longText, "Opens an existing file");
}

TEST(Hints, AHintWithoutABarIsBothTexts)
{
    for (const TextId id : { TextId::HelpHelpHint, TextId::HelpOnlineHint, TextId::HelpFarsiHint })
        for (const UiLanguage language : { UiLanguage::English, UiLanguage::Farsi }) {
            const std::string_view hint = Text(id, language);
            ASSERT_EQ(hint.find('|'), std::string_view::npos);
            EXPECT_EQ(SplitHint(hint).shortText, hint);
            EXPECT_EQ(SplitHint(hint).longText, hint);
        }
}

struct ExactText
{
    const char *name;
    TextId id;
    UiLanguage language;
    const char *text;
};

class TextReads : public testing::TestWithParam<ExactText>
{
};

TEST_P(TextReads, ExactlyAsGiven)
{
    EXPECT_EQ(Text(GetParam().id, GetParam().language), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Texts, TextReads,
    testing::Values(
        ExactText { "MessageLineBreakIsCarriageReturn", TextId::CannotBalance, UiLanguage::English,
            "Can not balance this reaction\rIt may be has more than one answer or it is "
            "more than one separate reaction." },
        ExactText { "GridHelpKeepsItsQuotes", TextId::GridHelp, UiLanguage::English,
            "Click \"Calculate Grid\" button to caculate grid's empty cells.\rThis program "
            "can calculate cells by formulas were given to.\rTo view, add or change "
            "formulas choose Options from Settings menu." },
        ExactText { "AlreadyExistsStartsWithSpace", TextId::AlreadyExists, UiLanguage::English,
            " already exists.\rDo you want to replace it?" },
        ExactText { "SaveAsHintSpaceBeforeBar", TextId::FileSaveAsHint, UiLanguage::Farsi,
            "ذخيره با نام جديد |پرونده را با نام جديد ذخيره "
            "مي‌کند" },
        ExactText { "PasteHintSpaceAfterBar", TextId::ReactionPasteHint, UiLanguage::Farsi,
            "فرا خواني| واکنش کپي شده در Clipboard را فرا "
            "مي‌خواند" },
        ExactText { "HintWithoutBar", TextId::ReactionEditorHint, UiLanguage::English,
            "Click to type reaction" },
        ExactText { "FarsiWarningCaption", TextId::WarningTitle, UiLanguage::Farsi, "توجه" },
        ExactText { "FarsiYes", TextId::YesButton, UiLanguage::Farsi, "&بلي" },
        ExactText { "LanguageActionSameUnderEnglish", TextId::SettingsEnglishCaption,
            UiLanguage::English, "&انگليسي" },
        ExactText { "AdviceEnglishUnderFarsi", TextId::HelpFarsiCaption, UiLanguage::Farsi,
            "&Problem with Farsi language" },
        ExactText { "SharedOkUnderFarsi", TextId::OkCaption, UiLanguage::Farsi, "قبول" },
        ExactText { "SharedDeleteHint", TextId::FormulaDeleteHint, UiLanguage::English,
            "Delete|Deletes current item" },
        ExactText { "FarsiVersion", TextId::AboutVersion, UiLanguage::Farsi, "نسخه 1/1" },
        ExactText { "FormulaHelpFourthLine", TextId::FormulaHelp, UiLanguage::English,
            "Use # mark before functions' name.\ra=Current Substance , b=Another "
            "Substance\rSupported mathematical operators: !, ^(power), *, /, +, "
            "-\rExample: ((#Mol(b) * 5) + 1) / (#Mol(a))" }),
    [](const auto &info) { return info.param.name; });

struct TitleCase
{
    const char *name;
    const char *path;
    const char *title;
};

class WindowTitleOf : public testing::TestWithParam<TitleCase>
{
};

TEST_P(WindowTitleOf, Path)
{
    EXPECT_EQ(WindowTitle(GetParam().path), GetParam().title);
}

INSTANTIATE_TEST_SUITE_P(Texts, WindowTitleOf,
    testing::Values(TitleCase { "Untitled", "", "Molvane - Untitled" },
        TitleCase { "DirectoryAndExtensionDropped", "/work/salt.kvx", "Molvane - salt" },
        TitleCase { "OnlyLastExtensionDropped", "/data/a.b.kvx", "Molvane - a.b" },
        TitleCase { "RelativeName", "salt.KVX", "Molvane - salt" },
        TitleCase { "NoExtension", "/data.d/notes", "Molvane - notes" }),
    [](const auto &info) { return info.param.name; });

TEST(FaultTexts, TheMessageThenItsCause)
{
    const ReactionFault unknown { FaultCause::UnknownElement, "Xx", 1, 0 };
    EXPECT_EQ(
        MessageWithCause(TextId::InvalidReaction, unknown, UiLanguage::English, MessagePart::Whole),
        "Invalid reaction: unknown element \"Xx\" in substance 1");
    const ReactionFault unclosed { FaultCause::UnclosedBracket, "(", 0, 3 };
    EXPECT_EQ(
        MessageWithCause(TextId::InvalidReaction, unclosed, UiLanguage::Farsi, MessagePart::Whole),
        "واکنش غلط است: «(» در جايگاه 3 بسته نشده است");
    // The status bar takes the message's first line only.
    const ReactionFault twoReactions { FaultCause::SeveralReactions, {}, 0, 0 };
    EXPECT_EQ(MessageWithCause(
                  TextId::CannotBalance, twoReactions, UiLanguage::English, MessagePart::FirstLine),
        "Can not balance this reaction: more than one independent reaction");
    EXPECT_EQ(MessageWithCause(
                  TextId::CannotBalance, twoReactions, UiLanguage::Farsi, MessagePart::FirstLine),
        "نمي‌توانم اين واکنش را موازنه کنم: بيش از يک "
        "واکنش "
        "مستقل");
    // Without a cause the message stands alone, as it always did.
    EXPECT_EQ(
        MessageWithCause(TextId::InvalidReaction, {}, UiLanguage::English, MessagePart::Whole),
        "Invalid reaction");
}

TEST(FaultTexts, EveryCauseIsToldInBothLanguages)
{
    for (int cause = int(FaultCause::UnknownElement); cause <= int(FaultCause::ZeroCoefficient);
         ++cause) {
        const ReactionFault fault { FaultCause(cause), "X", 2, 0 };
        for (const UiLanguage language : { UiLanguage::English, UiLanguage::Farsi }) {
            const std::string text = FaultText(fault, language);
            EXPECT_FALSE(text.empty()) << cause;
            EXPECT_EQ(text.find('%'), std::string::npos) << text;
        }
    }
}

} // namespace
