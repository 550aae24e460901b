#include "ui/ActionIcons.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <algorithm>
#include <initializer_list>

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

// Rendered here rather than through the SVG icon-engine plugin, so an installed program whose
// plugin path differs still shows its images.
QIcon renderedIcon(const QString &resource, std::initializer_list<int> sizes)
{
    static const bool registered = (initIconResources(), true);
    Q_UNUSED(registered);
    QSvgRenderer renderer(resource);
    if (!renderer.isValid())
        return {};
    QIcon icon;
    for (int size : sizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
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
    // 48 pixels as well, for screens with two device pixels per pixel.
    return renderedIcon(":/icons/" + actionName + ".svg", { 24, 48 });
}

QIcon ProgramIcon()
{
    return renderedIcon(":/icons/molvane.svg", { 16, 24, 32, 48, 64, 128, 256 });
}

} // namespace molvane
