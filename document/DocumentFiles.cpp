#include "document/DocumentFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace molvane {

namespace {

[[noreturn]] void cannotRead(const QString &path, const std::string &why)
{
    throw DocumentReadError(DocumentReadError::WholeFile, path.toStdString() + ": " + why);
}

} // namespace

QByteArray ReadDocumentBytes(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        cannotRead(path, "no such file");
    if (!info.isFile())
        cannotRead(path, "not a regular file");
    if (info.size() > MaxDocumentBytes)
        cannotRead(path, "larger than 64 MB");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        cannotRead(path, file.errorString().toStdString());
    // the file may have grown since it was measured
    QByteArray bytes = file.read(MaxDocumentBytes + 1);
    if (file.error() != QFileDevice::NoError)
        cannotRead(path, file.errorString().toStdString());
    if (bytes.size() > MaxDocumentBytes)
        cannotRead(path, "larger than 64 MB");
    return bytes;
}

Document ReadDocumentFile(const QString &path, const Document &current)
{
    return ReadDocument(ReadDocumentBytes(path), current);
}

namespace {

// The data written so far are on the disk. A file system that cannot sync counts as synced.
bool syncToDisk([[maybe_unused]] QFileDevice &file, std::string &why)
{
#ifdef Q_OS_UNIX
    if (::fsync(file.handle()) != 0 && errno != EINVAL && errno != ENOTSUP) {
        why = std::strerror(errno);
        return false;
    }
#endif
    return true;
}

} // namespace

void WriteFileReplacing(const QString &path, const std::function<bool(QIODevice &)> &write)
{
    QSaveFile file(path);
    // A writable file in a folder that is not writable has no room for a new file beside it:
    // it is then written in place, with the same checks.
    file.setDirectWriteFallback(true);
    std::string why;
    // A save file renames even when its buffered bytes never reached the disk (a full disk
    // empties the document), so the buffer is flushed and synced here, before the commit.
    // Leaving without commit removes the new file.
    const bool written = file.open(QIODevice::WriteOnly) && write(file)
        && file.error() == QFileDevice::NoError && file.flush() && syncToDisk(file, why)
        && file.commit();
    if (!written) {
        if (why.empty())
            why = file.error() == QFileDevice::NoError ? "the file could not be written"
                                                       : file.errorString().toStdString();
        throw DocumentWriteError(path.toStdString() + ": " + why);
    }
}

void WriteFileReplacing(const QString &path, const QByteArray &bytes)
{
    WriteFileReplacing(
        path, [&bytes](QIODevice &device) { return device.write(bytes) == bytes.size(); });
}

void SaveDocument(const Document &document, const QString &path)
{
    WriteFileReplacing(path, DocumentBytes(document));
}

QString WithExtension(const QString &name, const QString &extension)
{
    return QFileInfo(name).fileName().contains('.') ? name : name + extension;
}

} // namespace molvane
