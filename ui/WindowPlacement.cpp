#include "ui/WindowPlacement.h"

#include <algorithm>

namespace molvane {

namespace {

// The gap between two rectangles along x plus the gap along y; 0 when they meet.
int distance(const QRect &a, const QRect &b)
{
    const int dx = std::max({ 0, b.left() - a.right(), a.left() - b.right() });
    const int dy = std::max({ 0, b.top() - a.bottom(), a.top() - b.bottom() });
    return dx + dy;
}

// Moves @p start into [low, high - length], the low end winning when it does not fit.
int clampedStart(int start, int length, int low, int high)
{
    return std::max(low, std::min(start, high - length));
}

// The screen @p window overlaps most; the nearest when it overlaps none.
QRect screenFor(const QRect &window, const QList<QRect> &screens)
{
    const auto overlap = [&](const QRect &screen) {
        const QRect common = screen.intersected(window);
        return qint64(common.width()) * common.height();
    };
    QRect best = screens.front();
    for (const QRect &screen : screens) {
        const bool more = overlap(screen) > overlap(best);
        const bool nearer = overlap(best) == 0 && overlap(screen) == 0
            && distance(window, screen) < distance(window, best);
        if (more || nearer)
            best = screen;
    }
    return best;
}

} // namespace

QRect FramedOnScreen(const QRect &client, const QMargins &frame, const QList<QRect> &screens)
{
    QRect outer = client.marginsAdded(frame);
    if (screens.isEmpty() || std::any_of(screens.begin(), screens.end(), [&](const QRect &screen) {
            return screen.contains(outer);
        }))
        return client;
    const QRect screen = screenFor(outer, screens);
    outer.setSize(outer.size().boundedTo(screen.size()));
    outer.moveTo(
        clampedStart(outer.left(), outer.width(), screen.left(), screen.left() + screen.width()),
        clampedStart(outer.top(), outer.height(), screen.top(), screen.top() + screen.height()));
    return outer.marginsRemoved(frame);
}

QRect RestoredGeometry(const WindowSettings &stored, const QRect &current,
    const QList<QRect> &screens, const QMargins &frame)
{
    QRect restored = current;
    if (stored.width)
        restored.setWidth(*stored.width);
    if (stored.height)
        restored.setHeight(*stored.height);
    if (stored.top)
        restored.moveTop(*stored.top);
    if (stored.left)
        restored.moveLeft(*stored.left);
    return FramedOnScreen(restored, frame, screens);
}

} // namespace molvane
