// Context help, the help links and the language switch of the main window.
#include "ui/MainWindow.h"
#include "ui/UiText.h"

#include "document/DataDir.h"
#include "ui/HelpLinks.h"
#include "ui/MessageBox.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/KeyOptionsDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "widgets/ReactionEditor.h"
#include "widgets/SubstanceGrid.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>

#include <initializer_list>

namespace molvane {

void MainWindow::enterHelpMode()
{
    if (m_helpMode)
        return;
    m_helpMode = true;
    for (QWidget *control : helpControls())
        control->setCursor(Qt::WhatsThisCursor);
    m_reactionEditor->setHelpMode(true);
    m_grid->setHelpMode(true);
    // The prompt stays in the language of this moment until the mode ends.
    statusBar()->showMessage(UiString(TextId::HelpPrompt, CurrentUiLanguage()));
}

void MainWindow::leaveHelpMode(HelpTopic topic)
{
    m_helpMode = false;
    for (QWidget *control : helpControls())
        control->unsetCursor();
    m_reactionEditor->setHelpMode(false);
    m_grid->setHelpMode(false);
    statusBar()->clearMessage();
    ShowMessageBox(UiString(topic == HelpTopic::Reaction ? TextId::ReactionHelp : TextId::GridHelp,
                       CurrentUiLanguage()),
        MessageKind::Information, MessageButton::Ok);
}

QList<QWidget *> MainWindow::helpControls() const
{
    return { m_calculateButton, m_grid->viewport(), m_balanceButton };
}

void MainWindow::createHelpActions()
{
    // The manual of this installation, in the language of the moment.
    // A desktop without a browser or mail program opens nothing: the address is then shown
    // to be copied.
    const auto open = [](HelpLink link) {
        const QUrl url = HelpLinkUrl(link, ConfiguredProjectLinks(),
            ProgramDataDir(QCoreApplication::applicationDirPath()), CurrentUiLanguage());
        if (!QDesktopServices::openUrl(url))
            ShowMessageBox(UiString(TextId::LinkNotOpened).arg(url.toString()),
                MessageKind::Warning, MessageButton::Ok);
    };
    connect(action("HelpHelp"), &QAction::triggered, this, &MainWindow::enterHelpMode);
    connect(action("HelpOnline"), &QAction::triggered, this, [open] { open(HelpLink::Manual); });
    connect(action("HelpWebsite"), &QAction::triggered, this, [open] { open(HelpLink::Website); });
    connect(action("HelpMail"), &QAction::triggered, this, [open] { open(HelpLink::Contact); });
    connect(action("HelpSource"), &QAction::triggered, this, [open] { open(HelpLink::Source); });
    connect(action("HelpFarsi"), &QAction::triggered, this, [] {
        ShowMessageBox(UiString(TextId::FarsiAdvice, UiLanguage::English), MessageKind::Information,
            MessageButton::Ok);
    });
    connect(action("SettingsEnglish"), &QAction::triggered, this,
        [this] { switchLanguage(UiLanguage::English); });
    connect(action("SettingsFarsi"), &QAction::triggered, this,
        [this] { switchLanguage(UiLanguage::Farsi); });
    connect(m_reactionEditor, &ReactionEditor::helpRequested, this,
        [this] { leaveHelpMode(HelpTopic::Reaction); });
    connect(
        m_grid, &SubstanceGrid::helpRequested, this, [this] { leaveHelpMode(HelpTopic::Grid); });
}

void MainWindow::switchLanguage(UiLanguage language)
{
    m_history.document().language = language;
    applyLanguage(language);
    recordChange(EditKind::Other);
}

void MainWindow::applyLanguage(UiLanguage language)
{
    applyCaptions(language);
    updateTitle();
    for (BilingualDialog *dialog : std::initializer_list<BilingualDialog *> {
             m_optionsDialog, m_aboutDialog, m_keyOptionsDialog }) {
        if (dialog && language == UiLanguage::Farsi)
            dialog->setFarsiCaptions();
        else if (dialog)
            dialog->setEnglishCaptions();
    }
}

bool MainWindow::event(QEvent *event)
{
    // In help mode the status bar keeps its prompt instead of following hints.
    if (event->type() == QEvent::StatusTip && m_helpMode)
        return true;
    return QMainWindow::event(event);
}

} // namespace molvane
