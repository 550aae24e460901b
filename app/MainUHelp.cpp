// Context help, the help links and the language switch of the main window.
#include "app/MainU.h"
#include "app/UiText.h"

#include "app/AboutU.h"
#include "app/HelpLinks.h"
#include "app/KOU.h"
#include "app/MessageBox.h"
#include "app/OpsU.h"
#include "editor/ReactionEditor.h"
#include "grid/SubstanceGrid.h"

#include <QAction>
#include <QDesktopServices>
#include <QEvent>
#include <QPushButton>
#include <QStatusBar>
#include <QUrl>

namespace molvane {

void MainU::HelpHelp()
{
    if (m_helpMode)
        return;
    m_helpMode = true;
    for (QWidget *control : helpControls())
        control->setCursor(Qt::WhatsThisCursor);
    m_textImg->setHelpMode(true);
    m_grid->setHelpMode(true);
    // The prompt stays in the language of this moment until the mode ends.
    statusBar()->showMessage(UiString("HelpPromptText", CurrentUiLanguage()));
}

void MainU::LeaveHelpMode(HelpTopic topic)
{
    m_helpMode = false;
    for (QWidget *control : helpControls())
        control->unsetCursor();
    m_textImg->setHelpMode(false);
    m_grid->setHelpMode(false);
    statusBar()->clearMessage();
    ShowMessageBox(UiString(topic == HelpTopic::Reaction ? "ReactionHelpText" : "GridHelpText",
                       CurrentUiLanguage()),
        MessageKind::Information, OK);
}

QList<QWidget *> MainU::helpControls() const
{
    return { m_calGrid, m_grid->viewport(), m_weightBtn };
}

void MainU::createHelpActions()
{
    const auto open = [](const char *link) { QDesktopServices::openUrl(QUrl(link)); };
    connect(action("HelpHelp"), &QAction::triggered, this, &MainU::HelpHelp);
    connect(action("HelpOnline"), &QAction::triggered, this, [open] { open(OnlineHelpPage); });
    connect(action("HelpWebsite"), &QAction::triggered, this, [open] { open(MakerSite); });
    connect(action("HelpMail"), &QAction::triggered, this, [open] { open(MakerMail); });
    connect(action("HelpSource"), &QAction::triggered, this, [open] { open(MakerMail); });
    connect(action("HelpFarsi"), &QAction::triggered, this, [] {
        ShowMessageBox(
            UiString("FarsiAdviceText", UiLanguage::English), MessageKind::Information, OK);
    });
    connect(action("SettingsEnglish"), &QAction::triggered, this,
        [this] { switchLanguage(UiLanguage::English); });
    connect(action("SettingsFarsi"), &QAction::triggered, this,
        [this] { switchLanguage(UiLanguage::Farsi); });
    connect(m_textImg, &ReactionEditor::helpRequested, this,
        [this] { LeaveHelpMode(HelpTopic::Reaction); });
    connect(
        m_grid, &SubstanceGrid::helpRequested, this, [this] { LeaveHelpMode(HelpTopic::Grid); });
}

void MainU::switchLanguage(UiLanguage language)
{
    setModified(true);
    m_document.language = language;
    applyCaptions(language);
    updateTitle();
    if (language == UiLanguage::Farsi) {
        m_opsForm->SetFarsiCaptions();
        m_aboutForm->SetFarsiCaptions();
        m_koForm->SetFarsiCaptions();
    } else {
        m_opsForm->SetEnglishCaptions();
        m_aboutForm->SetEnglishCaptions();
        m_koForm->SetEnglishCaptions();
    }
}

bool MainU::event(QEvent *event)
{
    // In help mode the status bar keeps its prompt instead of following hints.
    if (event->type() == QEvent::StatusTip && m_helpMode)
        return true;
    return QMainWindow::event(event);
}

} // namespace molvane
