#pragma once

#include "document/Document.h"
#include "export/HtmlExport.h"
#include "texts/InterfaceLanguage.h"

#include <QString>

#include <optional>

class QIODevice;
class QPagedPaintDevice;

namespace molvane {

/// The resolution of a device PrintDocument paints on, the screen's: the document's widths
/// are in its pixels, and its fonts measure as on the screen. Paper output stays vector.
inline constexpr int PrintResolution = 96;

/// Paints the document on the pages of @p device (at PrintResolution), as printed and as the PDF
/// export: each page under a header with @p title and its number, ruled off; on the first the
/// reaction as the editor paints it, then the grid as a ruled table that goes on over as many pages
/// as it needs, its header row at the top of each; then the working when one is given. In Farsi the
/// header, table and working stand from the right. A table wider than the page is scaled down
/// to fit. Needs a QGuiApplication.
void PrintDocument(QPagedPaintDevice &device, const Document &document, UiLanguage language,
    const QString &title, const std::optional<PageWorking> &working = std::nullopt);

/// PrintDocument as a PDF of A4 pages written to @p device. Throws DocumentWriteError.
void WritePdf(QIODevice &device, const Document &document, UiLanguage language,
    const QString &title, const std::optional<PageWorking> &working = std::nullopt);

/// WritePdf to a new file renamed over @p path (WriteFileReplacing). Throws DocumentWriteError.
void ExportPdf(const QString &path, const Document &document, UiLanguage language,
    const QString &title, const std::optional<PageWorking> &working = std::nullopt);

/// The file name for a chosen @p name: ".pdf" appended when the name has no extension.
QString WithPdfExtension(const QString &name);

} // namespace molvane
