#pragma once

#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QSvgRenderer>

#include <span>

namespace molvane {

inline constexpr int DrawnActionSizes[] = { 24, 48 };
inline constexpr int DrawnProgramSizes[] = { 16, 24, 32, 48, 64, 128, 256 };

/// The icon as the program drew it at start before its images were drawn at build time: every
/// size rendered from the SVG picture in @p dataDir into a pixmap. Kept as the reference.
inline QIcon DrawnIcon(const QString &dataDir, const QString &name, std::span<const int> sizes)
{
    QSvgRenderer renderer(dataDir + "/icons/" + name + ".svg");
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

} // namespace molvane
