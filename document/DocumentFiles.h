#pragma once

#include "document/DocumentFormat.h"

#include <QByteArray>
#include <QString>

namespace molvane {

/// Files larger than this are not documents.
constexpr qint64 MaxDocumentBytes = 64 * 1024 * 1024;

/// The bytes of the document file @p path. Throws DocumentReadError for anything that is not
/// a regular file, a file over MaxDocumentBytes, or one that cannot be read.
QByteArray ReadDocumentBytes(const QString &path);

/// Reads the document file @p path completely into a new value (see ReadDocument).
Document ReadDocumentFile(const QString &path, const Document &current);

/// Writes @p bytes to a new file and renames it over @p path, so that a failed or
/// interrupted write leaves the old file as it was. Throws DocumentWriteError.
void WriteFileReplacing(const QString &path, const QByteArray &bytes);

/// @p name with @p extension (".KVX") appended when its file name has none; a name with any
/// extension, or ending in ".", keeps it.
QString WithExtension(const QString &name, const QString &extension);

/// Saves @p document to @p path (see DocumentBytes, WriteFileReplacing).
void SaveDocument(const Document &document, const QString &path);

} // namespace molvane
