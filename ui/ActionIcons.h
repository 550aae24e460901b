#pragma once

#include <QIcon>
#include <QString>

#include <span>

namespace molvane {

/// The tool-bar image list, in image-index order: the name of the action each image belongs
/// to, which is also the name of its picture.
std::span<const char *const> ToolBarImageNames();

/// The image index of the action named @p actionName, or -1 for an action without an image.
int ActionImageIndex(const QString &actionName);

/// The 24 x 24 image of the action named @p actionName; a null icon for one without an image.
/// Its disabled form is the one the style makes from it.
QIcon ActionIcon(const QString &actionName);

/// The program's own icon, at the sizes window managers and dialogs ask for.
QIcon ProgramIcon();

} // namespace molvane
