#include "ui/ActionIcons.h"

#include "ui/StoredIconEngine.h"

#include <algorithm>

// The images live in a static library: naming the resource keeps the linker from dropping it.
static void initIconResources()
{
    Q_INIT_RESOURCE(molvane_icons);
}

namespace molvane {

namespace {

constexpr const char *ImageNames[] = {
    "FileNew",
    "FileOpen",
    "FileSave",
    "FileSaveAs",
    "FileExit",
    "HelpAbout",
    "FilePrint",
    "SettingsOptions",
    "HelpWebsite",
    "SettingsEnglish",
    "SettingsFarsi",
    "SettingsKey",
    "HelpSource",
    "HelpHelp",
    "ReactionPaste",
    "ReactionCopy",
    "HelpMail",
    "FileHTML",
    "HelpOnline",
};

// The sizes the build draws each picture at.
constexpr int ActionIconSizes[] = { MOLVANE_ACTION_ICON_SIZES };
constexpr int ProgramIconSizes[] = { MOLVANE_PROGRAM_ICON_SIZES };

// Images drawn at build time rather than through the SVG icon-engine plugin, so an installed
// program whose plugin path differs still shows them.
QIcon storedIcon(const QString &name, std::span<const int> sizes)
{
    static const bool registered = (initIconResources(), true);
    Q_UNUSED(registered);
    return QIcon(new StoredIconEngine(":/icons/" + name, { sizes.begin(), sizes.end() }));
}

} // namespace

std::span<const char *const> ToolBarImageNames()
{
    return ImageNames;
}

QIcon ActionIcon(const QString &actionName)
{
    if (std::none_of(std::begin(ImageNames), std::end(ImageNames),
            [&](const char *name) { return actionName == QLatin1String(name); }))
        return {};
    return storedIcon(actionName, ActionIconSizes);
}

QIcon ProgramIcon()
{
    return storedIcon("molvane", ProgramIconSizes);
}

} // namespace molvane
