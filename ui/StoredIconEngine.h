#pragma once

#include <QIcon>
#include <QIconEngine>
#include <QString>

#include <map>
#include <vector>

namespace molvane {

/// The image of @p size pixels square stored at PREFIX-SIZE.rgba (premultiplied RGBA, a byte
/// per channel, no header); a null image where there is none of that size.
QImage StoredImage(const QString &prefix, int size);

/// An icon whose images were drawn ahead of time, stored as StoredImage reads them, each read
/// the first time a size it serves is asked for: images shown in
/// menus only are not read at start, nor the double-density ones on an ordinary screen. It
/// answers every request as an icon holding all its images from the start would.
class StoredIconEngine : public QIconEngine
{
public:
    /// @p sizes in pixels, at least one, each image square.
    StoredIconEngine(QString prefix, std::vector<int> sizes);

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override;
    bool isNull() override;
    QIconEngine *clone() const override;

private:
    int sizeFor(const QSize &requested) const;
    const QIcon &iconOfSize(int size);

    QString m_prefix;
    std::vector<int> m_sizes; // ascending
    std::map<int, QIcon> m_read; // by size, each holding the one image of that size
};

} // namespace molvane
