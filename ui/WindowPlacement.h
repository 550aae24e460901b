#pragma once

#include "ui/Settings.h"

#include <QList>
#include <QRect>

namespace molvane {

/// Where the main window starts: @p current (the default size, and the position the window
/// would get) with the stored values laid over it, each as far as the reading got. Width and
/// height are the client area's size, top and left its position. A position off every
/// screen of @p screens (their available areas) moves onto the nearest one.
QRect RestoredGeometry(
    const WindowSettings &stored, const QRect &current, const QList<QRect> &screens);

/// @p window moved, without resizing, so that as much of it as fits lies on the screen
/// nearest to it; unchanged when some of it is already on a screen or there is none.
QRect KeptOnScreen(const QRect &window, const QList<QRect> &screens);

} // namespace molvane
