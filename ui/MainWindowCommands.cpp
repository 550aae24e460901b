// The main window's commands: documents, Balance, Calculate Grid, copy and paste.
#include "ui/MainWindow.h"

#include "core/Balance.h"
#include "core/Errors.h"
#include "core/ReactionText.h"
#include "core/TypedReaction.h"
#include "document/DocumentFiles.h"
#include "document/Templates.h"
#include "export/BitmapExport.h"
#include "export/FontConversion.h"
#include "export/HtmlExport.h"
#include "grid/BalanceFill.h"
#include "grid/GridCalc.h"
#include "texts/FaultTexts.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBox.h"
#include "ui/Settings.h"
#include "ui/UiText.h"
#include "ui/dialogs/KeyOptionsDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/dialogs/WorkingDialog.h"
#include "widgets/ReactionEditor.h"
#include "widgets/SubstanceGrid.h"

#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>

namespace molvane {

bool MainWindow::maybeSave()
{
    // A paste still typing would change the document while the question is open; it goes on
    // only if the document stays.
    m_reactionEditor->pausePaste();
    const bool mayReplace = askToSaveChanges();
    if (mayReplace)
        m_reactionEditor->stopPaste();
    else
        m_reactionEditor->resumePaste();
    return mayReplace;
}

bool MainWindow::askToSaveChanges()
{
    if (!m_modified)
        return true;
    switch (ShowMessageBox(UiString(TextId::SaveChanges), MessageKind::Confirmation,
        MessageButton::Yes | MessageButton::No | MessageButton::Cancel)) {
    case MessageButton::No:
        return true;
    case MessageButton::Yes:
        // A save that fails, or a name not given, keeps the document open.
        return save() && !m_documentPath.isEmpty();
    default:
        return false;
    }
}

void MainWindow::newFile()
{
    if (!maybeSave())
        return;
    Document fresh = m_document;
    fresh.grid.setRowCount(2);
    for (int col = 0; col < fresh.grid.colCount(); ++col)
        fresh.grid.setCell(col, 1, {});
    fresh.language = CurrentUiLanguage();
    fresh = ApplyTemplateFile(fresh, DefaultTemplateDirs()).document;
    fresh.reaction.clear();
    m_documentPath.clear();
    applyDocument(fresh);
    setModified(false);
    m_reactionEditor->setFocus();
    updateTitle();
}

void MainWindow::openFile()
{
    const QString path = AskOpenFileName(this);
    if (!path.isEmpty())
        loadFile(path);
}

void MainWindow::loadFile(const QString &path)
{
    syncDocumentFromWidgets();
    Document opened;
    try {
        // The whole file is read before anything changes: a file that fails leaves the
        // open document as it was, and nobody is asked to save.
        opened = ReadDocumentFile(path, m_document);
    } catch (const std::exception &) {
        showMessageText(TextId::CannotOpen);
        return;
    }
    const bool asks = m_modified;
    if (!maybeSave())
        return;
    if (asks) {
        // Yes may have saved over this very file: what opens is the file as it is now.
        try {
            opened = ReadDocumentFile(path, m_document);
        } catch (const std::exception &) {
            showMessageText(TextId::CannotOpen);
            return;
        }
    }
    m_documentPath = path;
    applyDocument(opened);
    setModified(false);
    updateTitle();
    rememberRecent(path);
}

bool MainWindow::save()
{
    if (m_documentPath.isEmpty())
        return saveAs();
    return saveDocumentTo(m_documentPath);
}

// Asks for a file name until one is given that does not exist or may be replaced; empty
// when the dialog is cancelled.
QString MainWindow::askTargetName(const std::function<QString()> &ask,
    const std::function<QString(const QString &)> &withExtension)
{
    for (;;) {
        const QString chosen = ask();
        if (chosen.isEmpty())
            return {};
        QString name = withExtension(chosen);
        // Only Yes replaces: No and the close button ask for a name again.
        if (!QFileInfo::exists(name)
            || ShowMessageBox(PathInText(name) + UiString(TextId::AlreadyExists),
                   MessageKind::Warning, MessageButton::Yes | MessageButton::No)
                == MessageButton::Yes)
            return name;
    }
}

bool MainWindow::saveAs()
{
    const QString name = askTargetName([this] { return AskSaveFileName(this); },
        [](const QString &chosen) { return WithExtension(chosen, ".KVX"); });
    // The document takes the new name only once it is written there.
    if (name.isEmpty() || !saveDocumentTo(name))
        return false;
    m_documentPath = name;
    updateTitle();
    return true;
}

// The page is of the document as it stands; its working is derived without balancing it.
void MainWindow::exportHtml()
{
    bool withWorking = ReadHtmlWorking(m_settings);
    const QString name
        = askTargetName([&] { return AskHtmlFileName(this, withWorking); }, &WithHtmlExtension);
    if (name.isEmpty())
        return;
    WriteHtmlWorking(m_settings, withWorking);
    syncDocumentFromWidgets();
    std::optional<PageWorking> working;
    if (withWorking) {
        const bool autoIdentify = keyOptions().autoIdentify;
        working = PageWorking { PrepareForBalance(m_document.reaction, 0, autoIdentify).text,
            CurrentUiLanguage() };
    }
    try {
        ExportHtml(m_document, windowTitle().toStdString(), name, working);
    } catch (const std::exception &e) {
        ShowFailureBox(QString::fromLocal8Bit(e.what()));
    }
}

// The picture is of the document as it stands; the export changes nothing in it.
void MainWindow::exportBitmap()
{
    const QString name
        = askTargetName([this] { return AskBitmapFileName(this); }, &WithBitmapExtension);
    if (name.isEmpty())
        return;
    m_grid->commitEdit(); // a cell being typed into is part of the picture
    syncDocumentFromWidgets();
    try {
        SaveBitmap(RenderBitmap(m_document, CurrentUiLanguage()), name);
    } catch (const std::exception &e) {
        ShowFailureBox(QString::fromLocal8Bit(e.what()));
    }
}

bool MainWindow::saveDocumentTo(const QString &path)
{
    syncDocumentFromWidgets();
    try {
        SaveDocument(m_document, path);
    } catch (const std::exception &) {
        showMessageText(TextId::CannotSave);
        return false;
    }
    setModified(false);
    updateTitle();
    rememberRecent(path);
    return true;
}

void MainWindow::syncDocumentFromWidgets()
{
    m_document.reaction = m_reactionEditor->text().toStdString();
}

void MainWindow::applyDocument(const Document &document)
{
    m_document = document;
    m_grid->setGridModel(&m_document.grid);
    applyDocumentFonts();
    m_reactionEditor->resetText(QString::fromStdString(m_document.reaction));
    // Every document and template carries its language: reading one switches to it.
    switchLanguage(m_document.language);
}

void MainWindow::showOptions()
{
    syncDocumentFromWidgets();
    const OptionsResult result = optionsDialog()->execute(m_document);
    if (result == OptionsResult::Cancel)
        return;
    setModified(true);
    m_grid->setGridModel(&m_document.grid); // columns, widths and row heights may all differ
    applyDocumentFonts();
    if (result == OptionsResult::Default) {
        const QString failure
            = RememberAsTemplate(m_document, DefaultTemplateDirs(), CurrentUiLanguage());
        if (!failure.isEmpty())
            statusBar()->showMessage(failure, 5000);
    }
}

void MainWindow::applyDocumentFonts()
{
    m_grid->setGridFont(
        ToQFont(m_document.fonts[GridFont]), ToQColor(m_document.fonts[GridFont].color));
    m_reactionEditor->setFonts(ToReactionFonts(m_document.fonts, m_document.subscriptPosition));
    setFont(ToQFont(m_document.fonts[ProgramFont]));
    // Menus are windows of their own: the program font reaches them here.
    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        menu->setFont(font());
    // The captions are the program's texts and take its font's colour too.
    const QColor captionColor = ToQColor(m_document.fonts[ProgramFont].color);
    for (QLabel *caption : { m_reactionLabel, m_gridLabel }) {
        QPalette palette = caption->palette();
        palette.setColor(QPalette::WindowText, captionColor);
        caption->setPalette(palette);
    }
}

void MainWindow::balance()
{
    if (m_helpMode) {
        leaveHelpMode(HelpTopic::Reaction);
        return;
    }
    m_reactionEditor->prepareForBalance();
    setModified(true);
    try {
        const std::string text = m_reactionEditor->text().toStdString();
        const BalancedReaction balanced = Balance(text);
        FillGridFromBalance(m_document.grid, balanced);
        m_grid->refresh();
        m_reactionEditor->writeBack(QString::fromStdString(balanced.text));
        // A cause told for an earlier try no longer holds; symbols that are no element do.
        const std::vector<std::string> symbols = SymbolsNotElements(text);
        if (symbols.empty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(ToQString(
                FillIn(Text(TextId::NotAnElement, CurrentUiLanguage()), { symbols.front() })));
    } catch (const CannotBalance &e) {
        showBalanceFailure(TextId::CannotBalance, e.fault());
    } catch (const InvalidReaction &e) {
        showBalanceFailure(TextId::InvalidReaction, e.fault());
    }
}

void MainWindow::showWorking()
{
    if (m_helpMode) {
        leaveHelpMode(HelpTopic::Reaction);
        return;
    }
    m_reactionEditor->prepareForBalance();
    const std::string reaction = m_reactionEditor->text().toStdString();
    balance();
    if (!m_workingDialog) {
        m_workingDialog = new WorkingDialog(this);
        if (CurrentUiLanguage() == UiLanguage::Farsi)
            m_workingDialog->setFarsiCaptions();
        else
            m_workingDialog->setEnglishCaptions();
    }
    m_workingDialog->setFont(font());
    m_workingDialog->setReaction(reaction);
    m_workingDialog->show();
    m_workingDialog->raise();
    m_workingDialog->activateWindow();
}

void MainWindow::calculateGrid()
{
    if (m_helpMode) {
        leaveHelpMode(HelpTopic::Grid);
        return;
    }
    m_grid->commitEdit();
    CalculateGrid(m_document.grid, m_document.FormulsList);
    m_grid->refresh();
    setModified(true);
}

void MainWindow::copyReaction()
{
    m_reactionEditor->reactionCopy();
}

void MainWindow::pasteReaction()
{
    m_reactionEditor->reactionPaste();
}

void MainWindow::undoReaction()
{
    if (m_reactionEditor->undo())
        setModified(true);
}

void MainWindow::redoReaction()
{
    if (m_reactionEditor->redo())
        setModified(true);
}

} // namespace molvane
