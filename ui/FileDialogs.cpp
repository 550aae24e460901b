#include "ui/FileDialogs.h"

#include "ui/UiText.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
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

namespace {

// Qt's own dialog, which a desktop's dialog could not take the check box into.
QString askPageFileName(QWidget *parent, const QString &filter, bool &withWorking)
{
    QFileDialog dialog(parent, {}, {}, filter);
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

} // namespace

QString AskHtmlFileName(QWidget *parent, bool &withWorking)
{
    if (g_hook)
        return g_hook(FileDialogKind::SaveHtml);
    return askPageFileName(parent, "HTML files (*.htm *.html)", withWorking);
}

QString AskPdfFileName(QWidget *parent, bool &withWorking)
{
    if (g_hook)
        return g_hook(FileDialogKind::SavePdf);
    return askPageFileName(parent, "PDF documents (*.pdf)", withWorking);
}

QString AskPictureFileName(QWidget *parent)
{
    if (g_hook)
        return g_hook(FileDialogKind::SaveBitmap);
    // Bitmaps first: a name typed with no extension is a bitmap, unless another kind is picked.
    const QStringList filters { "Bitmaps (*.bmp)", "PNG images (*.png)", "SVG drawings (*.svg)" };
    QString selected;
    QString name = QFileDialog::getSaveFileName(
        parent, {}, {}, filters.join(";;"), &selected, QFileDialog::DontConfirmOverwrite);
    if (name.isEmpty() || QFileInfo(name).fileName().contains('.'))
        return name;
    const auto star = selected.indexOf("*.");
    return star < 0 ? name : name + selected.mid(star + 1).chopped(1);
}

} // namespace molvane
