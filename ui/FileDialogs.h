#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace molvane {

enum class FileDialogKind { OpenDocument, SaveDocument, SaveHtml, SaveBitmap, SavePdf };

/// The document open and save dialogs ("Molvane File (*.KVX)"); an empty answer is a cancel.
QString AskOpenFileName(QWidget *parent);
QString AskSaveFileName(QWidget *parent);
/// The page's save dialog, with a check box that adds the working to the page: @p withWorking
/// gives its state and, unless the dialog is cancelled, takes the one chosen.
QString AskHtmlFileName(QWidget *parent, bool &withWorking);
/// The same for the PDF export.
QString AskPdfFileName(QWidget *parent, bool &withWorking);
/// The picture save dialog: bitmaps, PNG and SVG; a name without extension gets the picked
/// kind's.
QString AskPictureFileName(QWidget *parent);

/// Replaces the dialogs for tests, which give the answer; the page's check box keeps its state.
using FileDialogHook = std::function<QString(FileDialogKind kind)>;
void SetFileDialogHook(FileDialogHook hook);

} // namespace molvane
