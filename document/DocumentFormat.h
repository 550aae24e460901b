#pragma once

#include "document/Document.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace molvane {

/// Why a document could not be read, and at which line. Messages count lines from 1, as text
/// editors do, so that a user can find and mend the line.
class DocumentReadError : public std::runtime_error
{
public:
    static constexpr long long WholeFile = -1;

    /// @p line counts from 0, or is WholeFile when the file as a whole is at fault.
    DocumentReadError(long long line, const std::string &problem);

    long long line() const { return m_line; }

private:
    long long m_line;
};

/// Why a document could not be written: a text that would not read back as it is, or a
/// file that could not be replaced.
class DocumentWriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

/// Reads a whole document from the bytes of a file into a new value, so that the open
/// document changes only when the file read completely. @p current supplies what a file may
/// leave as it was: a font's face when the file names none, and the grid's row height.
/// Throws DocumentReadError at the first line that is missing or does not hold what it should;
/// counts are checked against what the bytes can hold before anything is allocated.
Document ReadDocument(QByteArrayView bytes, const Document &current);

/// A template applied to @p current as far as it read: its language, columns, item names,
/// fonts, formulas, item types and subscript position. Its reaction and substance rows are
/// never read, and its row count only locates the font lines.
struct TemplateOutcome
{
    Document document;
    std::optional<DocumentReadError> stop; ///< where and why reading stopped, if it did
};

TemplateOutcome ApplyTemplate(QByteArrayView bytes, const Document &current);

/// The lines of @p document in file order, as UTF-8. Throws DocumentWriteError for a text
/// that would not read back as it is: a line break or NUL anywhere, a comma in a cell other
/// than the last of its row or in a face name.
std::vector<std::string> DocumentLines(const Document &document);

/// The file: Windows-1256, every line ended by CR LF. Throws DocumentWriteError also for a
/// character that Windows-1256 lacks.
QByteArray DocumentBytes(const Document &document);

/// A template file: the document's file with an empty reaction line.
QByteArray TemplateBytes(const Document &document);

} // namespace molvane
