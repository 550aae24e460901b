// The main window's commands: documents, Balance, Calculate Grid, copy and paste.
#include "ui/MainWindow.h"

#include "core/Balance.h"
#include "core/Errors.h"
#include "core/ReactionText.h"
#include "core/Redox.h"
#include "core/TypedReaction.h"
#include "document/DocumentFiles.h"
#include "document/Templates.h"
#include "export/BitmapExport.h"
#include "export/DocumentPrint.h"
#include "export/FontConversion.h"
#include "export/HtmlExport.h"
#include "export/PictureExport.h"
#include "grid/BalanceFill.h"
#include "grid/LimitingReactant.h"
#include "texts/FaultTexts.h"
#include "texts/ReactantNote.h"
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
    m_asking = true;
    const bool mayReplace = askToSaveChanges();
    m_asking = false;
    if (mayReplace)
        m_reactionEditor->stopPaste();
    else
        m_reactionEditor->resumePaste();
    return mayReplace;
}

bool MainWindow::askToSaveChanges()
{
    if (!isModified())
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
    Document fresh = m_history.document();
    fresh.grid.setRowCount(2);
    for (int col = 0; col < fresh.grid.colCount(); ++col)
        fresh.grid.setCell(col, 1, {});
    fresh.language = CurrentUiLanguage();
    fresh = ApplyTemplateFile(fresh, DefaultTemplateDirs()).document;
    fresh.reaction.clear();
    m_documentPath.clear();
    applyDocument(fresh);
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
    Document opened;
    try {
        // The whole file is read before anything changes: a file that fails leaves the
        // open document as it was, and nobody is asked to save.
        opened = ReadDocumentFile(path, m_history.document());
    } catch (const std::exception &) {
        showMessageText(TextId::CannotOpen);
        return;
    }
    const bool asks = isModified();
    if (!maybeSave())
        return;
    if (asks) {
        // Yes may have saved over this very file: what opens is the file as it is now.
        try {
            opened = ReadDocumentFile(path, m_history.document());
        } catch (const std::exception &) {
            showMessageText(TextId::CannotOpen);
            return;
        }
    }
    m_documentPath = path;
    applyDocument(opened);
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

// The pages are of the document as it stands; the working, asked for in the save dialog and
// remembered, is derived without balancing it.
void MainWindow::exportPages(const std::function<QString(bool &withWorking)> &ask,
    const std::function<QString(const QString &)> &withExtension, const PagesWriter &write)
{
    bool withWorking = ReadHtmlWorking(m_settings);
    const QString name = askTargetName([&] { return ask(withWorking); }, withExtension);
    if (name.isEmpty())
        return;
    WriteHtmlWorking(m_settings, withWorking);
    m_grid->commitEdit(); // a cell being typed into is part of the pages
    try {
        write(name, pageWorking(withWorking));
    } catch (const std::exception &e) {
        // The program's own box, in its language, as every other failure is told.
        ShowMessageBox(QString::fromLocal8Bit(e.what()), MessageKind::Error, MessageButton::Ok);
    }
}

void MainWindow::exportHtml()
{
    exportPages([this](bool &withWorking) { return AskHtmlFileName(this, withWorking); },
        &WithHtmlExtension,
        [this](const QString &name, const std::optional<PageWorking> &working) {
            ExportHtml(m_history.document(), windowTitle().toStdString(), name, working);
        });
}

std::optional<PageWorking> MainWindow::pageWorking(bool withWorking) const
{
    if (!withWorking)
        return std::nullopt;
    const bool autoIdentify = keyOptions().autoIdentify;
    return PageWorking { PrepareForBalance(m_history.document().reaction, 0, autoIdentify).text,
        CurrentUiLanguage() };
}

// The pages are those of the print preview; the working goes with them as with the web page.
void MainWindow::exportPdf()
{
    exportPages([this](bool &withWorking) { return AskPdfFileName(this, withWorking); },
        &WithPdfExtension,
        [this](const QString &name, const std::optional<PageWorking> &working) {
            ExportPdf(name, m_history.document(), CurrentUiLanguage(), windowTitle(), working);
        });
}

// The picture is of the document as it stands; the export changes nothing in it.
void MainWindow::exportBitmap()
{
    const QString name
        = askTargetName([this] { return AskPictureFileName(this); }, &WithBitmapExtension);
    if (name.isEmpty())
        return;
    m_grid->commitEdit(); // a cell being typed into is part of the picture
    try {
        // PNG as sharp as this screen shows the window.
        SavePicture(m_history.document(), CurrentUiLanguage(), name, devicePixelRatioF());
    } catch (const std::exception &e) {
        // The program's own box, in its language, as every other failure is told.
        ShowMessageBox(QString::fromLocal8Bit(e.what()), MessageKind::Error, MessageButton::Ok);
    }
}

bool MainWindow::saveDocumentTo(const QString &path)
{
    m_grid->commitEdit();
    try {
        SaveDocument(m_history.document(), path);
    } catch (const std::exception &e) {
        // The old file is as it was, and so are the title and the changed flag; the box says
        // why on a line of its own.
        ShowMessageBox(UiString(TextId::CannotSave) + '\r' + QString::fromLocal8Bit(e.what()),
            MessageKind::Error, MessageButton::Ok);
        return false;
    }
    m_history.markSaved();
    updateTitle();
    rememberRecent(path);
    return true;
}

void MainWindow::applyDocument(const Document &document)
{
    m_history.reset(document);
    m_grid->setGridModel(&m_history.document().grid);
    applyDocumentFonts();
    m_reactionEditor->resetText(QString::fromStdString(m_history.document().reaction));
    // Every document and template carries its language: reading one switches to it.
    applyLanguage(m_history.document().language);
    updateUndoActions();
}

void MainWindow::showDocument(int caret)
{
    const Document &document = m_history.document();
    m_grid->setGridModel(&m_history.document().grid);
    applyDocumentFonts();
    m_reactionEditor->showText(QString::fromStdString(document.reaction), caret);
    if (document.language != CurrentUiLanguage())
        applyLanguage(document.language);
    updateUndoActions();
}

void MainWindow::showOptions()
{
    m_grid->commitEdit();
    const OptionsResult result = optionsDialog()->execute(m_history.document());
    if (result == OptionsResult::Cancel)
        return;
    recordChange(EditKind::Other);
    m_grid->setGridModel(
        &m_history.document().grid); // columns, widths and row heights may all differ
    applyDocumentFonts();
    if (result == OptionsResult::Default) {
        const QString failure
            = RememberAsTemplate(m_history.document(), DefaultTemplateDirs(), CurrentUiLanguage());
        if (!failure.isEmpty())
            statusBar()->showMessage(failure, 5000);
    }
}

void MainWindow::applyDocumentFonts()
{
    m_grid->setGridFont(ToQFont(m_history.document().fonts[GridFont]),
        ToQColor(m_history.document().fonts[GridFont].color));
    m_reactionEditor->setFonts(
        ToReactionFonts(m_history.document().fonts, m_history.document().subscriptPosition));
    setFont(ToQFont(m_history.document().fonts[ProgramFont]));
    // Menus are windows of their own: the program font reaches them here.
    for (QMenu *menu : menuBar()->findChildren<QMenu *>())
        menu->setFont(font());
    // The captions are the program's texts and take its font's colour too.
    const QColor captionColor = ToQColor(m_history.document().fonts[ProgramFont].color);
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
    m_grid->commitEdit();
    m_reactionEditor->prepareForBalance();
    Document &document = m_history.document();
    document.reaction = m_reactionEditor->text().toStdString();
    // The reaction and the rows it writes are one step; a balanced text changes nothing.
    try {
        const BalancedReaction balanced = Balance(document.reaction);
        FillGridFromBalance(document.grid, balanced);
        m_grid->refresh();
        m_reactionEditor->writeBack(QString::fromStdString(balanced.text));
        const std::vector<std::string> symbols = SymbolsNotElements(document.reaction);
        document.reaction = m_reactionEditor->text().toStdString();
        recordChange(EditKind::Other);
        // A cause told for an earlier try no longer holds; symbols that are no element do.
        if (symbols.empty())
            statusBar()->clearMessage();
        else
            statusBar()->showMessage(ToQString(
                FillIn(Text(TextId::NotAnElement, CurrentUiLanguage()), { symbols.front() })));
    } catch (const CannotBalance &e) {
        if (offerCompletion(e.fault()))
            return;
        recordChange(EditKind::Other);
        showBalanceFailure(TextId::CannotBalance, e.fault());
    } catch (const InvalidReaction &e) {
        if (offerCompletion(e.fault()))
            return;
        recordChange(EditKind::Other);
        showBalanceFailure(TextId::InvalidReaction, e.fault());
    }
}

// A skeleton ionic redox reaction lacks the water and hydrogen ions of its half-reactions:
// Balance finds only zero, or oxygen or hydrogen on one side only. The user may complete it in
// acid (Yes) or base (No), and it is balanced at once; true when it was.
bool MainWindow::offerCompletion(const ReactionFault &fault)
{
    const bool lacking = fault.cause == FaultCause::OnlyZero
        || fault.cause == FaultCause::ChargeNotMatched
        || (fault.cause == FaultCause::OneSideElement && (fault.name == "O" || fault.name == "H"));
    const std::string reaction = m_history.document().reaction;
    if (!lacking || reaction.find('{') == std::string::npos)
        return false;
    std::string completed[2];
    for (const RedoxMedium medium : { RedoxMedium::Acid, RedoxMedium::Base }) {
        try {
            completed[medium == RedoxMedium::Base] = CompleteRedox(reaction, medium);
        } catch (const ReactionError &) { }
    }
    if (completed[0].empty() && completed[1].empty())
        return false;
    const MessageButton answer = ShowMessageBox(UiString(TextId::CompleteRedoxOffer),
        MessageKind::Confirmation, MessageButton::Yes | MessageButton::No | MessageButton::Cancel);
    const std::string &chosen = answer == MessageButton::Yes ? completed[0]
        : answer == MessageButton::No                        ? completed[1]
                                                             : std::string();
    if (chosen.empty())
        return false;
    m_reactionEditor->writeBack(QString::fromStdString(chosen));
    balance();
    return true;
}

void MainWindow::showWorking()
{
    if (m_helpMode) {
        leaveHelpMode(HelpTopic::Reaction);
        return;
    }
    // The working is of the reaction as Balance would read it; the document stays as it is.
    const std::string reaction
        = PrepareForBalance(m_history.document().reaction, 0, keyOptions().autoIdentify).text;
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
    Document &document = m_history.document();
    const ReactantOutcome outcome = CalculateGridLimited(
        document.grid, document.FormulsList, ReactantRows(document.reaction));
    m_grid->refresh();
    recordChange(EditKind::Other);
    const std::string note = ReactantNote(document.grid, outcome, CurrentUiLanguage());
    if (note.empty())
        statusBar()->clearMessage();
    else
        statusBar()->showMessage(ToQString(note));
}

// Copy and Paste act on the part that has the focus.
void MainWindow::copyReaction()
{
    if (m_grid->isAncestorOf(focusWidget()) || m_grid->hasFocus())
        m_grid->copyCells();
    else
        m_reactionEditor->reactionCopy();
}

void MainWindow::pasteReaction()
{
    if (m_grid->isAncestorOf(focusWidget()) || m_grid->hasFocus())
        m_grid->pasteCells();
    else
        m_reactionEditor->reactionPaste();
}

void MainWindow::undo()
{
    m_grid->commitEdit(); // an open cell's edit is the step to undo first
    if (m_history.undo())
        showDocument(m_history.caret());
    updateUndoActions();
}

void MainWindow::redo()
{
    m_grid->commitEdit();
    if (m_history.redo())
        showDocument(m_history.caret());
    updateUndoActions();
}

} // namespace molvane
