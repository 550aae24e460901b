#pragma once

#include "document/DocumentFormat.h"

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

namespace molvane {

/// Files larger than this are not documents.
constexpr qint64 MaxDocumentBytes = 64 * 1024 * 1024;

/// The bytes of the document file @p path. Throws DocumentReadError for anything that is not
/// a regular file, a file over MaxDocumentBytes, or one that cannot be read.
QByteArray ReadDocumentBytes(const QString &path);

/// Reads the document file @p path completely into a new value (see ReadDocument).
Document ReadDocumentFile(const QString &path, const Document &current);

/// Writes a new file through @p write (false when it could not write everything) and renames
/// it over @p path only once every byte has reached the disk, so that a failed, short or
/// interrupted write (a full disk among them) leaves the old file as it was. Throws
/// DocumentWriteError with the cause.
void WriteFileReplacing(const QString &path, const std::function<bool(QIODevice &)> &write);
/// The same for @p bytes.
void WriteFileReplacing(const QString &path, const QByteArray &bytes);

/// @p name with @p extension (".KVX") appended when its file name has none; a name with any
/// extension, or ending in ".", keeps it.
QString WithExtension(const QString &name, const QString &extension);

/// Saves @p document to @p path (see DocumentBytes, WriteFileReplacing).
void SaveDocument(const Document &document, const QString &path);

} // namespace molvane
