#include "document/DocumentFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

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

void WriteFileReplacing(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw DocumentWriteError(path.toStdString() + ": " + file.errorString().toStdString());
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
