#include "ui/FileDialogs.h"

#include "ui/UiText.h"

#include <QFileDialog>

namespace molvane {

namespace {

FileDialogHook g_hook;

const char *const Filter = "Molvane File (*.KVX)";

} // namespace

void SetFileDialogHook(FileDialogHook hook)
{
    g_hook = std::move(hook);
}

QString AskOpenFileName(QWidget *parent)
{
    if (g_hook)
        return g_hook(FileDialogKind::OpenDocument);
    return QFileDialog::getOpenFileName(parent, UiString(TextId::OpenDialogTitle), {}, Filter);
}

QString AskSaveFileName(QWidget *parent)
{
    if (g_hook)
        return g_hook(FileDialogKind::SaveDocument);
    // The overwrite question is the program's own, in the interface language.
    return QFileDialog::getSaveFileName(parent, UiString(TextId::SaveDialogTitle), {}, Filter,
        nullptr, QFileDialog::DontConfirmOverwrite);
}

} // namespace molvane

namespace molvane {

QString AskHtmlFileName(QWidget *parent)
{
    if (g_hook)
        return g_hook(FileDialogKind::SaveHtml);
    return QFileDialog::getSaveFileName(
        parent, {}, {}, "HTML files (*.htm *.html)", nullptr, QFileDialog::DontConfirmOverwrite);
}

} // namespace molvane

namespace molvane {

QString AskBitmapFileName(QWidget *parent)
{
    if (g_hook)
        return g_hook(FileDialogKind::SaveBitmap);
    return QFileDialog::getSaveFileName(
        parent, {}, {}, "Bitmaps (*.bmp)", nullptr, QFileDialog::DontConfirmOverwrite);
}

} // namespace molvane
