#include "ui/MainWindow.h"

#include "core/ElementTable.h"
#include "document/Windows1256.h"
#include "export/FontConversion.h"
#include "texts/FaultTexts.h"
#include "ui/ActionIcons.h"
#include "ui/ActionTable.h"
#include "ui/MessageBox.h"
#include "ui/QtTranslation.h"
#include "ui/Settings.h"
#include "ui/UiText.h"
#include "ui/WindowPlacement.h"
#include "ui/dialogs/AboutDialog.h"
#include "ui/dialogs/KeyOptionsDialog.h"
#include "ui/dialogs/OptionsDialog.h"
#include "ui/dialogs/WorkingDialog.h"
#include "widgets/MenuStyle.h"
#include "widgets/ReactionEditor.h"
#include "widgets/StatusBar.h"
#include "widgets/SubstanceGrid.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMimeData>
#include <QMoveEvent>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QWindow>

#include <algorithm>
#include <optional>

namespace molvane {

MainWindow::MainWindow(QSettings &settings, QString commandLineDocument, QWidget *parent)
    : QMainWindow(parent)
    , m_settings(settings)
    , m_commandLineDocument(std::move(commandLineDocument))
{
    setWindowTitle("Molvane");
    setAcceptDrops(true);
    setMinimumSize(580, 350);
    resize(780, 551);
    createWidgets();
    createActions();
    createMenusAndToolBar();
    createRecentMenu();
    createDialogs();
    createHelpActions();
    connect(qGuiApp, &QGuiApplication::commitDataRequest, this, &MainWindow::commitData);
    applyDocument(
        m_history.document()); // the built-in document, in English, until the first activation
}

MainWindow::~MainWindow()
{
    // The document goes before the child widgets do; the grid must not read it meanwhile.
    m_grid->setGridModel(nullptr);
}

void MainWindow::createWidgets()
{
    auto *central = new QWidget(this);
    auto *layout = new QGridLayout(central);
    layout->setContentsMargins(8, 8, 14, 8);
    layout->setHorizontalSpacing(7);

    m_reactionLabel = new QLabel(central);
    m_reactionEditor = new ReactionEditor(central);
    m_balanceButton = new QPushButton(central);
    m_balanceButton->setFixedSize(73, 25);
    m_gridLabel = new QLabel(central);
    m_grid = new SubstanceGrid(Windows1256Has, central);
    m_grid->setGridModel(&m_history.document().grid);
    m_calculateButton = new QPushButton(central);
    m_calculateButton->setMinimumSize(105, 25);

    layout->addWidget(m_reactionLabel, 0, 0);
    layout->addWidget(m_reactionEditor, 1, 0, Qt::AlignTop);
    layout->addWidget(m_balanceButton, 1, 1, Qt::AlignTop);
    layout->setRowMinimumHeight(2, 11);
    layout->addWidget(m_gridLabel, 3, 0, 1, 2);
    layout->addWidget(m_grid, 4, 0, 1, 2);
    layout->addWidget(m_calculateButton, 5, 0, 1, 2, Qt::AlignRight);
    layout->setRowStretch(4, 1);
    setCentralWidget(central);
    setStatusBar(new StatusBar(this));

    connect(m_balanceButton, &QPushButton::clicked, this, &MainWindow::balance);
    connect(m_calculateButton, &QPushButton::clicked, this, &MainWindow::calculateGrid);
    connect(m_reactionEditor, &ReactionEditor::balanceRequested, this, &MainWindow::balance);
    connect(m_reactionEditor, &ReactionEditor::reactionEdited, this, &MainWindow::reactionEdited);
    connect(m_reactionEditor, &ReactionEditor::typingInterrupted, this,
        [this] { m_history.endTypingRun(); });
    m_typingPause.setSingleShot(true);
    m_typingPause.setInterval(1000);
    connect(&m_typingPause, &QTimer::timeout, this, [this] { m_history.endTypingRun(); });
    // A letter case read while typing is told for a while; a paste's reading until replaced.
    const auto tellReading = [this](TextId id, int timeout) {
        return
            [this, id, timeout](const QString &typed, const QString &taken, const QString &other) {
                const std::string text = FillIn(Text(id, CurrentUiLanguage()),
                    { typed.toStdString(), taken.toStdString(), other.toStdString() });
                statusBar()->showMessage(QString::fromStdString(text), timeout);
            };
    };
    connect(m_reactionEditor, &ReactionEditor::letterCaseRead, this,
        tellReading(TextId::LetterCaseReading, 5000));
    connect(m_reactionEditor, &ReactionEditor::chargeReadingTaken, this,
        tellReading(TextId::ChargeReadingTaken, 0));
    connect(m_reactionEditor, &ReactionEditor::edited, this, &MainWindow::updateUndoActions);
    // A cell being typed into becomes one step when its editing ends.
    connect(m_grid, &SubstanceGrid::modified, this, [this] {
        if (!m_grid->isEditing())
            recordChange(EditKind::Other);
    });
    connect(m_reactionEditor, &ReactionEditor::pasteRefused, this,
        [this](const ReactionFault &why) { showBalanceFailure(TextId::InvalidReaction, why); });
    connect(m_grid, &SubstanceGrid::invalidNumber, this,
        [this] { showMessageText(TextId::InvalidNumber); });
    connect(m_grid, &SubstanceGrid::inputRefused, this,
        [this](Refusal reason) { showRefusal(reason); });
}

// The dialogs live as long as the window, so a language switch can reach them. The key
// options feed every key from the start; their dialog waits until it is first opened.
void MainWindow::createDialogs()
{
    createWeightActions();
    connect(action("SettingsOptions"), &QAction::triggered, this, &MainWindow::showOptions);
    m_storedKeyOptions = ReadKeyOptions(m_settings);
    // The editor reads the options at every key: a change counts from the next one.
    m_reactionEditor->setKeyOptionsSource([this] { return keyOptions(); });
    connect(action("SettingsKey"), &QAction::triggered, this,
        [this] { keyOptionsDialog()->showModal(font()); });
    connect(action("HelpAbout"), &QAction::triggered, this,
        [this] { aboutDialog()->showModal(font()); });
}

// The table chosen last is in force from the start; a choice counts from the next weight.
void MainWindow::createWeightActions()
{
    auto *group = new QActionGroup(this);
    const std::pair<const char *, WeightTable> choices[]
        = { { "SettingsWeightsOriginal", WeightTable::Original },
              { "SettingsWeightsIupac", WeightTable::Iupac2021 } };
    const WeightTable stored = ReadWeightTable(m_settings);
    UseWeightTable(stored);
    for (const auto &[name, chosen] : choices) {
        QAction *choice = action(name);
        choice->setCheckable(true);
        choice->setChecked(chosen == stored);
        group->addAction(choice);
        const WeightTable table = chosen; // a lambda cannot capture a structured binding
        connect(choice, &QAction::triggered, this, [this, table] {
            UseWeightTable(table);
            WriteWeightTable(m_settings, table);
            SyncSettings(m_settings);
            m_grid->refresh();
        });
    }
}

KeyOptionsDialog *MainWindow::keyOptionsDialog()
{
    if (!m_keyOptionsDialog) {
        m_keyOptionsDialog = new KeyOptionsDialog(this);
        m_keyOptionsDialog->setKeyOptions(m_storedKeyOptions);
        if (m_history.document().language == UiLanguage::Farsi)
            m_keyOptionsDialog->setFarsiCaptions();
    }
    return m_keyOptionsDialog;
}

// The dialog has no OK or Cancel: once built, its controls are where the options live.
KeyOptions MainWindow::keyOptions() const
{
    return m_keyOptionsDialog ? m_keyOptionsDialog->keyOptions() : m_storedKeyOptions;
}

OptionsDialog *MainWindow::optionsDialog()
{
    if (!m_optionsDialog) {
        m_optionsDialog = new OptionsDialog(this);
        // The reaction is drawn again once the dialog has gone, with the fonts it set.
        connect(m_optionsDialog, &OptionsDialog::redrawDue, m_reactionEditor,
            &ReactionEditor::drawReaction);
        connect(m_optionsDialog, &OptionsDialog::inputRefused, this,
            [this](Refusal reason) { showRefusal(reason); });
        if (m_history.document().language == UiLanguage::Farsi)
            m_optionsDialog->setFarsiCaptions();
    }
    return m_optionsDialog;
}

AboutDialog *MainWindow::aboutDialog()
{
    if (!m_aboutDialog) {
        m_aboutDialog = new AboutDialog(this);
        if (m_history.document().language == UiLanguage::Farsi)
            m_aboutDialog->setFarsiCaptions();
    }
    return m_aboutDialog;
}

void MainWindow::createActions()
{
    const QMap<QString, std::function<void()>> commands = {
        { "FileNew", [this] { newFile(); } },
        { "FileOpen", [this] { openFile(); } },
        { "FileSave", [this] { save(); } },
        { "FileSaveAs", [this] { saveAs(); } },
        { "FileHTML", [this] { exportHtml(); } },
        { "FilePrint", [this] { exportBitmap(); } },
        { "FilePDF", [this] { exportPdf(); } },
        { "FilePrintPages", [this] { printDocument(); } },
        { "FileExit", [this] { close(); } },
        { "ReactionCopy", [this] { copyReaction(); } },
        { "ReactionPaste", [this] { pasteReaction(); } },
        { "ReactionUndo", [this] { undo(); } },
        { "ReactionRedo", [this] { redo(); } },
        { "ReactionCalculateGrid", [this] { calculateGrid(); } },
        { "ReactionShowWorking", [this] { showWorking(); } },
    };
    for (const ActionEntry &entry : MainActions()) {
        if (!entry.name)
            continue;
        auto *action = new QAction(this);
        action->setObjectName(entry.name);
        action->setShortcuts(QKeySequence::listFromString(entry.shortcut));
        action->setIcon(ActionIcon(entry.name));
        if (const auto command = commands.value(entry.name))
            connect(action, &QAction::triggered, this, command);
        m_actions.insert(entry.name, action);
    }
    // Before the actions join the menus and the tool bar, which every change would update.
    applyActionCaptions(m_history.document().language);
    updateUndoActions();
}

void MainWindow::updateUndoActions()
{
    if (QAction *undo = action("ReactionUndo"))
        undo->setEnabled(m_history.canUndo());
    if (QAction *redo = action("ReactionRedo"))
        redo->setEnabled(m_history.canRedo());
}

void MainWindow::recordChange(EditKind kind)
{
    m_history.commit(kind, m_reactionEditor->model().caretIndex());
    updateUndoActions();
}

// The editor holds the text as it is typed; the document takes every change at once.
void MainWindow::reactionEdited(bool typing)
{
    m_history.document().reaction = m_reactionEditor->text().toStdString();
    if (m_reactionEditor->isPasting()) // the whole paste is one step
        return;
    recordChange(typing ? EditKind::Typing : EditKind::Other);
    if (typing)
        m_typingPause.start();
}

void MainWindow::createMenusAndToolBar()
{
    for (const ActionEntry &entry : MainActions()) {
        QMenu *&menu = m_menus[entry.menu];
        if (!menu) {
            const auto menus = MainMenus();
            const auto found = std::find_if(menus.begin(), menus.end(),
                [&](const MenuEntry &known) { return qstrcmp(known.name, entry.menu) == 0; });
            menu = found != menus.end() && found->parent
                ? m_menus.value(found->parent)->addMenu(QString())
                : menuBar()->addMenu(QString());
        }
        if (entry.name)
            menu->addAction(m_actions.value(entry.name));
        else
            menu->addSeparator();
    }
    // The menu bar and its menus are drawn with the program's own look.
    auto *menuLook = new MenuStyle;
    menuLook->setParent(this);
    menuBar()->setStyle(menuLook);
    for (QMenu *menu : std::as_const(m_menus))
        menu->setStyle(menuLook);
    // The first entries are measured wider: the File menu 200 pixels, the others 100.
    for (auto it = m_menus.cbegin(); it != m_menus.cend(); ++it)
        it.value()->setMinimumWidth(it.key() == "File1" ? 200 : 100);

    m_toolBar = addToolBar(QString());
    m_toolBar->setObjectName("ToolBar");
    m_toolBar->setMovable(false);
    m_toolBar->setIconSize(QSize(24, 24));
    m_toolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    for (const char *name : ToolBarActions()) {
        if (name)
            m_toolBar->addAction(m_actions.value(name));
        else
            m_toolBar->addSeparator();
    }
}

// Hints give the tool-tip and the status text.
void MainWindow::applyActionCaptions(UiLanguage language)
{
    for (const ActionEntry &entry : MainActions()) {
        if (!entry.name)
            continue;
        QAction *action = m_actions.value(entry.name);
        const UiHint hint = SplitUiHint(UiString(entry.hint, language));
        action->setText(UiString(entry.caption, language));
        action->setToolTip(hint.toolTip);
        action->setStatusTip(hint.statusTip);
    }
}

// Every text of the window from the one table.
void MainWindow::applyCaptions(UiLanguage language)
{
    applyActionCaptions(language);
    for (const MenuEntry &menu : MainMenus())
        m_menus.value(menu.name)->setTitle(UiString(menu.title, language));
    m_recentMenu->setTitle(UiString(TextId::RecentDocumentsMenu, language));
    m_actions.value("SettingsEnglish")->setVisible(language == UiLanguage::Farsi);
    m_actions.value("SettingsFarsi")->setVisible(language == UiLanguage::English);
    m_reactionLabel->setText(UiString(TextId::ReactionLabel, language));
    m_gridLabel->setText(UiString(TextId::PropertiesLabel, language));
    m_balanceButton->setText(UiString(TextId::BalanceButton, language));
    m_calculateButton->setText(UiString(TextId::CalculateGridButton, language));
    m_calculateButton->setStatusTip(
        SplitUiHint(UiString(TextId::CalculateGridHint, language)).statusTip);
    m_reactionEditor->setStatusTip(
        SplitUiHint(UiString(TextId::ReactionEditorHint, language)).statusTip);
    // Screen readers name the controls as the captions do, without the label's colon.
    const auto accessibleName = [language](TextId id) {
        QString name = UiString(id, language);
        if (name.endsWith(':'))
            name.chop(1);
        return name;
    };
    m_reactionEditor->setAccessibleName(accessibleName(TextId::ReactionLabel));
    m_grid->setAccessibleName(accessibleName(TextId::PropertiesLabel));
    m_grid->setComputedHint(UiString(TextId::GridHint, language));
    m_balanceButton->setAccessibleName(accessibleName(TextId::BalanceButton));
    m_calculateButton->setAccessibleName(accessibleName(TextId::CalculateGridButton));
    m_calculateButton->setAccessibleDescription(m_calculateButton->statusTip());
    m_reactionEditor->setAccessibleDescription(m_reactionEditor->statusTip());
    const Qt::LayoutDirection direction
        = language == UiLanguage::Farsi ? Qt::RightToLeft : Qt::LeftToRight;
    setLayoutDirection(direction);
    // Qt's dialogs follow too; set here, Qt's translation does not change it on its own.
    QGuiApplication::setLayoutDirection(direction);
    SetCurrentUiLanguage(language);
    UseQtTranslation(language);
    if (m_workingDialog && language == UiLanguage::Farsi) // it stays open across the switch
        m_workingDialog->setFarsiCaptions();
    else if (m_workingDialog)
        m_workingDialog->setEnglishCaptions();
}

// The stored size and position are the client area's, as closing writes them: applied as
// they are, the window keeps its size from one start to the next under any frame.
int MainWindow::restorePlacement()
{
    const WindowSettings stored = ReadWindowSettings(m_settings);
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    // The frame is not known before the window is shown: it is kept on screen once it is.
    const QRect restored = RestoredGeometry(stored, geometry(), screens);
    if (stored.top)
        setGeometry(restored);
    else
        resize(restored.size());
    m_startupFarsi = stored.farsi.value_or(false);
    return stored.windowState.value_or(0);
}

void MainWindow::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (!m_activatedOnce) {
        m_activatedOnce = true;
        windowHandle()->installEventFilter(this);
        // Once the window is up: language, a new document, the command-line document.
        QTimer::singleShot(0, this, &MainWindow::firstActivation);
    }
}

// With its frame known, the whole window, title bar included, is moved and fitted onto a
// screen, so that it can always be dragged.
void MainWindow::keepFrameOnScreen()
{
    if (isMaximized() || isFullScreen())
        return;
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    const QRect frame = frameGeometry(), client = geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
        frame.right() - client.right(), frame.bottom() - client.bottom());
    const QRect placed = FramedOnScreen(client, margins, screens);
    if (placed != client)
        setGeometry(placed);
}

// The window manager frames the window after it is shown, and moves it by the frame: then
// the frame is known.
void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    if (m_frameKept || !isVisible() || frameGeometry() == geometry())
        return;
    m_frameKept = true;
    keepFrameOnScreen();
}

void MainWindow::firstActivation()
{
    applyCaptions(m_startupFarsi ? UiLanguage::Farsi : UiLanguage::English);
    Document startup = m_history.document();
    startup.language = CurrentUiLanguage();
    m_history.reset(startup);
    newFile();
    if (!m_commandLineDocument.isEmpty() && QFileInfo(m_commandLineDocument).isFile())
        loadFile(m_commandLineDocument);
    emit firstDocumentShown();
}

// While the question is up the window is inside its first close: a second request would be
// taken as accepted without asking anybody, and the program would end. It stops here.
bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (m_asking && event->type() == QEvent::Close && watched == windowHandle()) {
        event->ignore();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // One close at a time: a request while the question is up waits for its answer.
    if (m_asking || !maybeSave()) {
        event->ignore();
        return;
    }
    writeSettings();
    event->accept();
}

void MainWindow::commitData(QSessionManager &manager)
{
    if (manager.allowsInteraction()) {
        // One question at a time: a logout while it is up waits, as a second close does.
        const bool mayEnd = !m_asking && maybeSave();
        manager.release();
        if (!mayEnd) {
            manager.cancel();
            return;
        }
    }
    writeSettings();
}

void MainWindow::writeSettings()
{
    // The normal geometry, so that a maximised window comes back to its own size.
    const QRect bounds = normalGeometry().isEmpty() ? geometry() : normalGeometry();
    const int state = isMaximized() ? 2 : isMinimized() ? 1 : 0;
    WriteWindowSettings(m_settings, bounds.width(), bounds.height(), bounds.top(), bounds.left(),
        state, CurrentUiLanguage() == UiLanguage::Farsi);
    WriteKeyOptions(m_settings, keyOptions());
    if (!SyncSettings(m_settings))
        ShowMessageBox(UiString(TextId::CannotSave) + "\n" + PathInText(m_settings.fileName()),
            MessageKind::Error, MessageButton::Ok);
}

// The recent documents stand above Exit, in a group of their own.
void MainWindow::createRecentMenu()
{
    QMenu *file = m_menus.value("File1");
    m_recentMenu = new QMenu(file);
    m_recentMenu->setObjectName("FileRecent");
    m_recentMenu->setStyle(file->style());
    m_recentMenu->setMinimumWidth(100);
    const QList<QAction *> entries = file->actions();
    QAction *exitGroup = entries.at(entries.indexOf(action("FileExit")) - 1);
    file->insertMenu(exitGroup, m_recentMenu);
    file->insertSeparator(m_recentMenu->menuAction());
    // Another window may have changed the list since: it is read again before it shows.
    connect(m_recentMenu, &QMenu::aboutToShow, this, [this] {
        m_recent.read(m_settings);
        fillRecentMenu();
    });
    m_recent.read(m_settings);
    fillRecentMenu();
}

void MainWindow::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList &paths = m_recent.paths();
    for (int i = 0; i < paths.size(); ++i) {
        const QString path = paths.at(i);
        QAction *entry = m_recentMenu->addAction(RecentEntryCaption(i + 1, path));
        entry->setStatusTip(PathInText(path));
        entry->setToolTip(PathInText(path));
        connect(entry, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    m_recentMenu->menuAction()->setEnabled(!paths.isEmpty());
}

void MainWindow::rememberRecent(const QString &path)
{
    m_recent.add(m_settings, path);
    fillRecentMenu();
}

// A document that has gone since leaves the list; one that is there opens as Open opens it.
void MainWindow::openRecent(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        showMessageText(TextId::CannotOpen);
        m_recent.remove(m_settings, path);
        fillRecentMenu();
        return;
    }
    loadFile(path);
}

namespace {

// The one document file a drag carries, if it carries exactly that.
QString droppedDocument(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1)
        return {};
    const QString path = data->urls().constFirst().toLocalFile();
    return path.endsWith(".KVX", Qt::CaseInsensitive) ? path : QString();
}

} // namespace

void MainWindow::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedDocument(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent *event)
{
    const QString path = droppedDocument(event->mimeData());
    if (path.isEmpty())
        return;
    event->acceptProposedAction();
    // The drag's source waits for the drop to end: the document opens, and may ask, after it.
    QTimer::singleShot(0, this, [this, path] { loadFile(path); });
}

namespace {

// A switch, so a new refusal without a text does not compile.
std::optional<TextId> refusalText(Refusal reason)
{
    switch (reason) {
    case Refusal::None:
        return std::nullopt;
    case Refusal::NotInCodePage:
        return TextId::RefusedNotInCodePage;
    case Refusal::Comma:
        return TextId::RefusedComma;
    case Refusal::Colon:
        return TextId::RefusedColon;
    case Refusal::LineBreak:
        return TextId::RefusedLineBreak;
    case Refusal::NotADigit:
        return TextId::RefusedNotADigit;
    case Refusal::NotANumber:
        return TextId::InvalidNumber;
    case Refusal::OutsideGrid:
        return TextId::RefusedOutsideGrid;
    }
    return std::nullopt;
}

} // namespace

void MainWindow::showRefusal(Refusal reason)
{
    if (const std::optional<TextId> text = refusalText(reason))
        statusBar()->showMessage(UiString(*text), 5000);
}

void MainWindow::updateTitle()
{
    setWindowTitle(QString::fromStdString(WindowTitle(m_documentPath.toStdString())));
}

void MainWindow::showMessageText(TextId text)
{
    ShowMessageBox(UiString(text), MessageKind::Error, MessageButton::Ok);
}

// The message box keeps its text; the status bar says why, until the next message.
void MainWindow::showBalanceFailure(TextId message, const ReactionFault &fault)
{
    statusBar()->showMessage(QString::fromStdString(
        MessageWithCause(message, fault, CurrentUiLanguage(), MessagePart::FirstLine)));
    ShowMessageBox(ToQString(MessageBoxText(message, fault, CurrentUiLanguage())),
        MessageKind::Error, MessageButton::Ok);
}

} // namespace molvane
