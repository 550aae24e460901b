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

} // namespace

QRect KeptOnScreen(const QRect &window, const QList<QRect> &screens)
{
    if (screens.isEmpty() || std::any_of(screens.begin(), screens.end(), [&](const QRect &screen) {
            return screen.intersects(window);
        }))
        return window;
    QRect nearest = screens.front();
    for (const QRect &screen : screens) {
        if (distance(window, screen) < distance(window, nearest))
            nearest = screen;
    }
    QRect moved = window;
    moved.moveTo(clampedStart(window.left(), window.width(), nearest.left(),
                     nearest.left() + nearest.width()),
        clampedStart(
            window.top(), window.height(), nearest.top(), nearest.top() + nearest.height()));
    return moved;
}

QRect RestoredGeometry(
    const WindowSettings &stored, const QRect &current, const QList<QRect> &screens)
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
    return stored.top ? KeptOnScreen(restored, screens) : restored;
}

} // namespace molvane
