#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace molvane {

/// The document open and save dialogs ("Molvane File (*.KVX)"); an empty answer is a cancel.
QString AskOpenFileName(QWidget *parent);
QString AskSaveFileName(QWidget *parent);

/// Replaces both dialogs for tests: called with true for save, false for open.
using FileDialogHook = std::function<QString(bool save)>;
void SetFileDialogHook(FileDialogHook hook);

} // namespace molvane
