#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace molvane {

enum class FileDialogKind { OpenDocument, SaveDocument, SaveHtml, SaveBitmap };

/// The document open and save dialogs ("Molvane File (*.KVX)") and the page's save dialog;
/// an empty answer is a cancel.
QString AskOpenFileName(QWidget *parent);
QString AskSaveFileName(QWidget *parent);
QString AskHtmlFileName(QWidget *parent);
/// The picture save dialog: "Bitmaps (*.bmp)" and no extension of its own.
QString AskBitmapFileName(QWidget *parent);

/// Replaces the dialogs for tests, which give the answer.
using FileDialogHook = std::function<QString(FileDialogKind kind)>;
void SetFileDialogHook(FileDialogHook hook);

} // namespace molvane
