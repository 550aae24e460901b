#pragma once

#include "ui/Settings.h"

#include <QList>
#include <QMargins>
#include <QRect>

namespace molvane {

/// Where the main window starts: @p current (the default size, and the position the window
/// would get) with the stored values laid over it, each as far as the reading got. Width and
/// height are the client area's size, top and left its position. The result is kept on the
/// screens of @p screens (their available areas) with FramedOnScreen, so a stored size
/// larger than every screen is fitted.
QRect RestoredGeometry(const WindowSettings &stored, const QRect &current,
    const QList<QRect> &screens, const QMargins &frame = {});

/// The client area @p client, whose window frame adds @p frame, moved and fitted so that the
/// whole frame, title bar included, lies on one screen: the one it overlaps most, else the
/// nearest. Unchanged when it lies on a screen already or no screen is known.
QRect FramedOnScreen(const QRect &client, const QMargins &frame, const QList<QRect> &screens);

} // namespace molvane
