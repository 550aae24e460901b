#include "ui/FileDialogs.h"

#include "ui/UiText.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>

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

QString AskHtmlFileName(QWidget *parent, bool &withWorking)
{
    if (g_hook)
        return g_hook(FileDialogKind::SaveHtml);
    // Qt's own dialog, which a desktop's dialog could not take the check box into.
    QFileDialog dialog(parent, {}, {}, "HTML files (*.htm *.html)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOptions(QFileDialog::DontConfirmOverwrite | QFileDialog::DontUseNativeDialog);
    auto *working = new QCheckBox(UiString(TextId::HtmlWithWorking), &dialog);
    working->setObjectName("WithWorking");
    working->setChecked(withWorking);
    if (auto *grid = qobject_cast<QGridLayout *>(dialog.layout()))
        grid->addWidget(working, grid->rowCount(), 0, 1, grid->columnCount());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    withWorking = working->isChecked();
    return dialog.selectedFiles().constFirst();
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
