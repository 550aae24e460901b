#pragma once

#include "core/ReactionFault.h"
#include "document/Document.h"
#include "editor/KeyOptions.h"
#include "grid/InputRules.h"
#include "texts/Texts.h"
#include "ui/RecentDocuments.h"

#include <QMainWindow>
#include <QMap>

#include <functional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QSettings;
class QToolBar;

namespace molvane {

class AboutDialog;
class KeyOptionsDialog;
class OptionsDialog;
class ReactionEditor;
class SubstanceGrid;
class WorkingDialog;

/// The main window: the reaction editor above the substance grid, the commands on the menu
/// and the tool bar, and the life of the open document. The work itself is done by the
/// libraries; the window reads its widgets, calls them and shows the result.
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    /// @p settings is the per-user settings store; @p commandLineDocument is opened at the
    /// first activation when it names an existing file.
    MainWindow(QSettings &settings, QString commandLineDocument = {}, QWidget *parent = nullptr);
    ~MainWindow() override;

    /// Applies the stored placement; the window state to show with (0, 1 or 2).
    int restorePlacement();

    const Document &document() const { return m_document; }
    const QString &documentPath() const { return m_documentPath; }
    bool isModified() const { return m_modified; }
    ReactionEditor *reactionEditor() const { return m_reactionEditor; }
    SubstanceGrid *grid() const { return m_grid; }
    KeyOptionsDialog *keyOptionsDialog() const { return m_keyOptionsDialog; }
    QAction *action(const QString &name) const { return m_actions.value(name); }

    /// Opens @p path as the Open command does once a file is chosen.
    void loadFile(const QString &path);

    // Commands.
    void newFile();
    void openFile();
    bool save();
    /// False when no name was given or the file was not written.
    bool saveAs();
    void exportHtml();
    void exportBitmap();
    void showOptions();
    void copyReaction();
    void pasteReaction();
    void undoReaction();
    void redoReaction();
    void balance();
    /// Balances as Balance does, then shows the working of the reaction beside the window.
    void showWorking();
    void calculateGrid();

    /// Context help: a click on the editor, Balance, the grid or Calculate Grid explains it.
    enum class HelpTopic { Reaction, Grid };
    void enterHelpMode();
    void leaveHelpMode(HelpTopic topic);
    bool helpMode() const { return m_helpMode; }
    /// Rewrites every text of the window in @p language, and marks the document modified.
    void switchLanguage(UiLanguage language);

signals:
    /// The first activation has shown the first document.
    void firstDocumentShown();

protected:
    bool event(QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void createWidgets();
    void createActions();
    void createMenusAndToolBar();
    void createHelpActions();
    void createRecentMenu();
    void fillRecentMenu();
    void rememberRecent(const QString &path);
    void openRecent(const QString &path);
    void createDialogs();
    // Built on first use: the start-up does not wait for dialogs nobody has opened yet.
    OptionsDialog *optionsDialog();
    AboutDialog *aboutDialog();
    QList<QWidget *> helpControls() const;
    void applyCaptions(UiLanguage language);
    void firstActivation();

    bool maybeSave();
    bool askToSaveChanges();
    bool saveDocumentTo(const QString &path);
    QString askTargetName(const std::function<QString()> &ask,
        const std::function<QString(const QString &)> &withExtension);
    void applyDocument(const Document &document);
    void applyDocumentFonts();
    void syncDocumentFromWidgets();
    void setModified(bool modified);
    void updateUndoActions();
    void updateTitle();
    void showMessageText(TextId text);
    void showBalanceFailure(TextId message, const ReactionFault &fault);
    void showRefusal(Refusal reason);

    QSettings &m_settings;
    QString m_commandLineDocument;
    Document m_document;
    QString m_documentPath;
    bool m_modified = false;
    bool m_activatedOnce = false;
    bool m_startupFarsi = false;
    bool m_helpMode = false;

    QLabel *m_reactionLabel = nullptr;
    QLabel *m_gridLabel = nullptr;
    ReactionEditor *m_reactionEditor = nullptr;
    QPushButton *m_balanceButton = nullptr;
    QPushButton *m_calculateButton = nullptr;
    SubstanceGrid *m_grid = nullptr;
    QToolBar *m_toolBar = nullptr;
    AboutDialog *m_aboutDialog = nullptr;
    WorkingDialog *m_workingDialog = nullptr;
    KeyOptionsDialog *m_keyOptionsDialog = nullptr;
    OptionsDialog *m_optionsDialog = nullptr;
    QMap<QString, QMenu *> m_menus;
    QMap<QString, QAction *> m_actions;
    QMenu *m_recentMenu = nullptr;
    RecentDocuments m_recent;
};

} // namespace molvane
