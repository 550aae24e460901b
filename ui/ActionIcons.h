#pragma once

#include <QIcon>
#include <QString>

#include <span>

namespace molvane {

/// The tool-bar images: the name of the action each image belongs to, which is also the name
/// of its picture.
std::span<const char *const> ToolBarImageNames();

/// The 24 x 24 image of the action named @p actionName; a null icon for one without an image.
/// Its disabled form is the one the style makes from it.
QIcon ActionIcon(const QString &actionName);

/// The program's own icon, at the sizes window managers and dialogs ask for.
QIcon ProgramIcon();

} // namespace molvane
