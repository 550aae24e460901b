#include "texts/Captions.h"
#include "document/Windows1256.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

using namespace molvane;

namespace {

TEST(Captions, KeysAreUniqueAndNoTextIsEmpty)
{
    std::set<std::string_view> keys;
    for (const UiText &text : UiTexts()) {
        EXPECT_TRUE(keys.insert(text.key).second) << text.key;
        EXPECT_FALSE(text.english.empty()) << text.key;
        EXPECT_FALSE(text.farsi.empty()) << text.key;
    }
}

TEST(Captions, FarsiTextsAreTranslatedAndFitTheCodePage)
{
    // the texts a switch leaves alone, on purpose
    const std::set<std::string_view> sameInBoth = { "SettingsEnglish.Caption",
        "SettingsEnglish.Hint", "SettingsFarsi.Caption", "SettingsFarsi.Hint", "HelpFarsi.Caption",
        "HelpFarsi.Hint", "FarsiAdviceText", "Application.Title", "Tit.Caption" };
    for (const UiText &text : UiTexts()) {
        EXPECT_EQ(text.english == text.farsi, sameInBoth.contains(text.key)) << text.key;
        EXPECT_TRUE(ToWindows1256(text.farsi).has_value()) << text.key;
        EXPECT_TRUE(ToWindows1256(text.english).has_value()) << text.key;
    }
}

TEST(Captions, EveryActionAndControlHasItsTexts)
{
    const char *const keys[] = {
        "SaveChangesText",
        "CannotBalanceText",
        "InvalidReactionText",
        "InvalidNumberText",
        "CannotOpenText",
        "CannotSaveText",
        "AlreadyExistsText",
        "ReactionHelpText",
        "GridHelpText",
        "MessageBox.Warning",
        "MessageBox.Error",
        "MessageBox.Information",
        "MessageBox.Confirmation",
        "MessageBox.Yes",
        "MessageBox.No",
        "MessageBox.OK",
        "MessageBox.Cancel",
        "File1.Caption",
        "Reaction1.Caption",
        "Settings1.Caption",
        "Help1.Caption",
        "Lbl1.Caption",
        "Lbl2.Caption",
        "WeightBtn.Caption",
        "CalGrid.Caption",
        "TextImg.Hint",
        "CalGrid.Hint",
        "OpenDialog.Title",
        "SaveDialog.Title",
        "HelpPromptText",
        "FarsiAdviceText",
        "HelpFarsi.Caption",
        "HelpFarsi.Hint",
        "AboutForm.Caption",
        "Tit.Caption",
        "Ver.Caption",
        "KOForm.Caption",
        "ChB.Caption",
        "OpsForm.Caption",
        "FontsPage.Caption",
        "GridPage.Caption",
        "ProgramFontLbl.Caption",
        "GridFontLbl.Caption",
        "ReactionFontLbl.Caption",
        "NumbersFontLbl.Caption",
        "SubscriptsFontLbl.Caption",
        "NameLbl.Caption",
        "SizeLbl.Caption",
        "ColorLbl.Caption",
        "SubscriptsPositionLbl.Caption",
        "ItemsLbl.Caption",
        "FormulasLbl.Caption",
        "TypeLbl.Caption",
        "WidthLbl.Caption",
        "Def.Caption",
        "Def.Hint",
        "OK.Caption",
        "OK.Hint",
        "Cancel.Caption",
        "Cancel.Hint",
        "HelpBtn.Caption",
        "HelpBtn.Hint",
        "GIUp.Hint",
        "GIDown.Hint",
        "GIDelete.Hint",
        "GFDelete.Hint",
        "GINew.Hint",
        "GFNew.Hint",
        "GIList.Hint",
        "GFList.Hint",
        "FormulaHelpText",
    };
    for (const char *key : keys)
        EXPECT_NO_THROW(Caption(key, UiLanguage::Farsi)) << key;
    const char *const actions[] = { "FileNew", "FileOpen", "FileSave", "FileSaveAs", "FilePrint",
        "FileHTML", "FileExit", "ReactionCopy", "ReactionPaste", "SettingsOptions", "SettingsKey",
        "SettingsEnglish", "SettingsFarsi", "HelpHelp", "HelpOnline", "HelpMail", "HelpWebsite",
        "HelpSource", "HelpAbout" };
    for (const std::string action : actions) {
        EXPECT_NO_THROW(Caption(action + ".Caption", UiLanguage::English)) << action;
        EXPECT_NO_THROW(Caption(action + ".Hint", UiLanguage::English)) << action;
    }
}

struct ExactText
{
    const char *name;
    const char *key;
    UiLanguage language;
    const char *text;
};

class CaptionReads : public testing::TestWithParam<ExactText>
{
};

TEST_P(CaptionReads, ExactlyAsGiven)
{
    EXPECT_EQ(Caption(GetParam().key, GetParam().language), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Captions, CaptionReads,
    testing::Values(
        ExactText { "MessageLineBreakIsCarriageReturn", "CannotBalanceText", UiLanguage::English,
            "Can not balance this reaction\rIt may be has more than one answer or it is "
            "more than one separate reaction." },
        ExactText { "GridHelpKeepsItsQuotes", "GridHelpText", UiLanguage::English,
            "Click \"Calculate Grid\" button to caculate grid's empty cells.\rThis program "
            "can calculate cells by formulas were given to.\rTo view, add or change "
            "formulas choose Options from Settings menu." },
        ExactText { "AlreadyExistsStartsWithSpace", "AlreadyExistsText", UiLanguage::English,
            " already exists.\rDo you want to replace it?" },
        ExactText { "SaveAsHintSpaceBeforeBar", "FileSaveAs.Hint", UiLanguage::Farsi,
            "ذخيره با نام جديد |پرونده را با نام جديد ذخيره مي كند" },
        ExactText { "PasteHintSpaceAfterBar", "ReactionPaste.Hint", UiLanguage::Farsi,
            "فرا خواني| واکنش کپي شده در Clipboard را فرا مي خواند" },
        ExactText {
            "HintWithoutBar", "TextImg.Hint", UiLanguage::English, "Click to type reaction" },
        ExactText { "FarsiWarningCaption", "MessageBox.Warning", UiLanguage::Farsi, "توجه" },
        ExactText { "FarsiYes", "MessageBox.Yes", UiLanguage::Farsi, "&بلي" },
        ExactText { "LanguageActionSameUnderEnglish", "SettingsEnglish.Caption",
            UiLanguage::English, "&انگليسي" },
        ExactText { "AdviceEnglishUnderFarsi", "HelpFarsi.Caption", UiLanguage::Farsi,
            "&Problem with Farsi language" },
        ExactText { "SharedOkUnderFarsi", "OK.Caption", UiLanguage::Farsi, "قبول" },
        ExactText { "SharedDeleteHint", "GFDelete.Hint", UiLanguage::English,
            "Delete|Deletes current item" },
        ExactText { "FarsiVersion", "Ver.Caption", UiLanguage::Farsi, "نسخه 1/1" },
        ExactText { "FormulaHelpFourthLine", "FormulaHelpText", UiLanguage::English,
            "Use # mark before functions' name.\ra=Current Substance , b=Another "
            "Substance\rSupported mathematical operators: !, ^(power), *, /, +, "
            "-\rExample: ((#Mol(b) * 5) + 1) / (#Mol(a))" }),
    [](const auto &info) { return info.param.name; });

TEST(Captions, UnknownKeyThrows)
{
    EXPECT_THROW(Caption("NoSuchButton.Caption", UiLanguage::English), std::out_of_range);
}

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

INSTANTIATE_TEST_SUITE_P(Captions, WindowTitleOf,
    testing::Values(TitleCase { "Untitled", "", "Molvane - Untitled" },
        TitleCase { "DirectoryAndExtensionDropped", "/work/salt.kvx", "Molvane - salt" },
        TitleCase { "OnlyLastExtensionDropped", "/data/a.b.kvx", "Molvane - a.b" },
        TitleCase { "RelativeName", "salt.KVX", "Molvane - salt" },
        TitleCase { "NoExtension", "/data.d/notes", "Molvane - notes" }),
    [](const auto &info) { return info.param.name; });

} // namespace
