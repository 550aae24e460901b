#include "ui/ActionTable.h"

namespace molvane {

namespace {

constexpr ActionEntry Actions[] = {
    { "FileNew", "File1", "Ctrl+N" },
    { "FileOpen", "File1", "Ctrl+O" },
    { "FileSave", "File1", "Ctrl+S" },
    { "FileSaveAs", "File1", "" },
    { nullptr, "File1", "" },
    { "FilePrint", "File1", "Ctrl+P" },
    { "FileHTML", "File1", "Ctrl+H" },
    { nullptr, "File1", "" },
    { "FileExit", "File1", "Ctrl+Q" },
    // Copy has Ctrl+C: Ctrl+Q stays Exit.
    { "ReactionCopy", "Reaction1", "Ctrl+C" },
    { "ReactionPaste", "Reaction1", "Ctrl+W" },
    { "SettingsOptions", "Settings1", "F3" },
    { "SettingsKey", "Settings1", "F4" },
    { nullptr, "Settings1", "" },
    { "SettingsEnglish", "Settings1", "F10" },
    { "SettingsFarsi", "Settings1", "F9" },
    { "HelpHelp", "Help1", "F1" },
    { "HelpOnline", "Help1", "" },
    { "HelpFarsi", "Help1", "" },
    { nullptr, "Help1", "" },
    { "HelpMail", "Help1", "Shift+F1" },
    { "HelpWebsite", "Help1", "" },
    { "HelpSource", "Help1", "" },
    { nullptr, "Help1", "" },
    { "HelpAbout", "Help1", "" },
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

std::span<const char *const> ToolBarActions()
{
    return ToolBar;
}

} // namespace molvane
