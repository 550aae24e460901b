#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace molvane {

enum class FileDialogKind { OpenDocument, SaveDocument, SaveHtml };

/// The document open and save dialogs ("Molvane File (*.KVX)") and the page's save dialog;
/// an empty answer is a cancel.
QString AskOpenFileName(QWidget *parent);
QString AskSaveFileName(QWidget *parent);
QString AskHtmlFileName(QWidget *parent);

/// Replaces the dialogs for tests, which give the answer.
using FileDialogHook = std::function<QString(FileDialogKind kind)>;
void SetFileDialogHook(FileDialogHook hook);

} // namespace molvane
