#include "ui/ActionTable.h"

namespace molvane {

namespace {

constexpr ActionEntry separatorIn(const char *menu)
{
    return { nullptr, menu, "", {}, {} };
}

constexpr MenuEntry Menus[] = {
    { "File1", TextId::FileMenu },
    { "Reaction1", TextId::ReactionMenu },
    { "Settings1", TextId::SettingsMenu },
    { "SettingsWeights1", TextId::SettingsWeightsMenu, "Settings1" },
    { "Help1", TextId::HelpMenu },
};

constexpr ActionEntry Actions[] = {
    { "FileNew", "File1", "Ctrl+N", TextId::FileNewCaption, TextId::FileNewHint },
    { "FileOpen", "File1", "Ctrl+O", TextId::FileOpenCaption, TextId::FileOpenHint },
    { "FileSave", "File1", "Ctrl+S", TextId::FileSaveCaption, TextId::FileSaveHint },
    { "FileSaveAs", "File1", "", TextId::FileSaveAsCaption, TextId::FileSaveAsHint },
    separatorIn("File1"),
    { "FilePrint", "File1", "Ctrl+P", TextId::FilePrintCaption, TextId::FilePrintHint },
    { "FileHTML", "File1", "Ctrl+H", TextId::FileHtmlCaption, TextId::FileHtmlHint },
    { "FilePDF", "File1", "", TextId::FilePdfCaption, TextId::FilePdfHint },
    separatorIn("File1"),
    // Ctrl+P has long been the bitmap export's.
    { "FilePrintPages", "File1", "Ctrl+Shift+P", TextId::FilePrintPagesCaption,
        TextId::FilePrintPagesHint },
    separatorIn("File1"),
    { "FileExit", "File1", "Ctrl+Q", TextId::FileExitCaption, TextId::FileExitHint },
    // Two shortcuts are separated by "; ".
    { "ReactionUndo", "Reaction1", "Ctrl+Z", TextId::ReactionUndoCaption,
        TextId::ReactionUndoHint },
    { "ReactionRedo", "Reaction1", "Ctrl+Y; Ctrl+Shift+Z", TextId::ReactionRedoCaption,
        TextId::ReactionRedoHint },
    separatorIn("Reaction1"),
    // Copy has Ctrl+C: Ctrl+Q stays Exit.
    { "ReactionCopy", "Reaction1", "Ctrl+C", TextId::ReactionCopyCaption,
        TextId::ReactionCopyHint },
    { "ReactionPaste", "Reaction1", "Ctrl+W; Ctrl+V", TextId::ReactionPasteCaption,
        TextId::ReactionPasteHint },
    separatorIn("Reaction1"),
    { "ReactionCalculateGrid", "Reaction1", "F5", TextId::ReactionCalculateGridCaption,
        TextId::ReactionCalculateGridHint },
    { "ReactionShowWorking", "Reaction1", "F6", TextId::ReactionShowWorkingCaption,
        TextId::ReactionShowWorkingHint },
    { "SettingsOptions", "Settings1", "F3", TextId::SettingsOptionsCaption,
        TextId::SettingsOptionsHint },
    { "SettingsKey", "Settings1", "F4", TextId::SettingsKeyCaption, TextId::SettingsKeyHint },
    // Checked one of the two: the table every weight comes from.
    { "SettingsWeightsOriginal", "SettingsWeights1", "", TextId::SettingsWeightsOriginalCaption,
        TextId::SettingsWeightsOriginalHint },
    { "SettingsWeightsIupac", "SettingsWeights1", "", TextId::SettingsWeightsIupacCaption,
        TextId::SettingsWeightsIupacHint },
    separatorIn("Settings1"),
    { "SettingsEnglish", "Settings1", "F10", TextId::SettingsEnglishCaption,
        TextId::SettingsEnglishHint },
    { "SettingsFarsi", "Settings1", "F9", TextId::SettingsFarsiCaption, TextId::SettingsFarsiHint },
    { "HelpHelp", "Help1", "F1", TextId::HelpHelpCaption, TextId::HelpHelpHint },
    { "HelpOnline", "Help1", "", TextId::HelpOnlineCaption, TextId::HelpOnlineHint },
    { "HelpFarsi", "Help1", "", TextId::HelpFarsiCaption, TextId::HelpFarsiHint },
    separatorIn("Help1"),
    { "HelpMail", "Help1", "Shift+F1", TextId::HelpMailCaption, TextId::HelpMailHint },
    { "HelpWebsite", "Help1", "", TextId::HelpWebsiteCaption, TextId::HelpWebsiteHint },
    { "HelpSource", "Help1", "", TextId::HelpSourceCaption, TextId::HelpSourceHint },
    separatorIn("Help1"),
    { "HelpAbout", "Help1", "", TextId::HelpAboutCaption, TextId::HelpAboutHint },
};

constexpr const char *ToolBar[] = {
    "FileNew",
    "FileOpen",
    "FileSave",
    "FileSaveAs",
    "FilePrint",
    "FileHTML",
    nullptr,
    "ReactionCopy",
    "ReactionPaste",
    nullptr,
    "SettingsEnglish",
    "SettingsFarsi",
    "SettingsOptions",
    "SettingsKey",
    nullptr,
    "HelpHelp",
    "HelpOnline",
    "HelpMail",
    "HelpWebsite",
    "HelpSource",
    "HelpAbout",
};

} // namespace

std::span<const ActionEntry> MainActions()
{
    return Actions;
}

std::span<const MenuEntry> MainMenus()
{
    return Menus;
}

std::span<const char *const> ToolBarActions()
{
    return ToolBar;
}

} // namespace molvane
