#include "ui/StoredIconEngine.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QResource>

#include <algorithm>

namespace molvane {

QImage StoredImage(const QString &prefix, int size)
{
    const QResource resource(prefix + '-' + QString::number(size) + ".rgba");
    // Refers to the resource's bytes where it is stored uncompressed, as the build stores it.
    const QByteArray bytes = resource.uncompressedData();
    if (bytes.size() != qsizetype(size) * size * 4)
        return {};
    const QImage stored(reinterpret_cast<const uchar *>(bytes.constData()), size, size,
        qsizetype(size) * 4, QImage::Format_RGBA8888_Premultiplied);
    // A copy in the format a transparent pixmap is drawn in: the same pixels, byte for byte.
    return stored.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

StoredIconEngine::StoredIconEngine(QString prefix, std::vector<int> sizes)
    : m_prefix(std::move(prefix))
    , m_sizes(std::move(sizes))
{
    Q_ASSERT(!m_sizes.empty());
    std::sort(m_sizes.begin(), m_sizes.end());
}

// The image a pixmap icon holding all of them picks: the smallest at least as large as asked,
// else the largest.
int StoredIconEngine::sizeFor(const QSize &requested) const
{
    const qint64 area = qint64(requested.width()) * requested.height();
    for (int size : m_sizes)
        if (qint64(size) * size >= area)
            return size;
    return m_sizes.back();
}

const QIcon &StoredIconEngine::iconOfSize(int size)
{
    QIcon &icon = m_read[size];
    if (icon.isNull())
        icon.addPixmap(QPixmap::fromImage(StoredImage(m_prefix, size)));
    return icon;
}

void StoredIconEngine::paint(
    QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const QPaintDevice *device = painter->device();
    const qreal ratio = device ? device->devicePixelRatio() : qApp->devicePixelRatio();
    painter->drawPixmap(rect, pixmap(rect.size() * ratio, mode, state));
}

QSize StoredIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    const int chosen = sizeFor(size);
    QSize actual(chosen, chosen);
    if (actual.width() > size.width() || actual.height() > size.height())
        actual.scale(size, Qt::KeepAspectRatio);
    return actual;
}

QPixmap StoredIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    // One device pixel per pixel: the icon asking has already multiplied the size out.
    return iconOfSize(sizeFor(size)).pixmap(size, 1.0, mode, state);
}

// Like a pixmap icon's: the sizes held for exactly this mode and state, the others derived.
QList<QSize> StoredIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    QList<QSize> sizes;
    if (mode != QIcon::Normal || state != QIcon::Off)
        return sizes;
    for (int size : m_sizes)
        sizes.append(QSize(size, size));
    return sizes;
}

bool StoredIconEngine::isNull()
{
    return false;
}

QIconEngine *StoredIconEngine::clone() const
{
    return new StoredIconEngine(*this);
}

} // namespace molvane
