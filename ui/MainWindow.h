#pragma once

#include "core/ReactionFault.h"
#include "document/DocumentHistory.h"
#include "editor/KeyOptions.h"
#include "export/HtmlExport.h"
#include "grid/InputRules.h"
#include "texts/Texts.h"
#include "ui/RecentDocuments.h"

#include <QMainWindow>
#include <QMap>
#include <QTimer>

#include <functional>
#include <optional>

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QSessionManager;
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

    const Document &document() const { return m_history.document(); }
    const QString &documentPath() const { return m_documentPath; }
    /// Whether the document differs from the file it was opened from or saved to.
    bool isModified() const { return m_history.isModified(); }
    ReactionEditor *reactionEditor() const { return m_reactionEditor; }
    SubstanceGrid *grid() const { return m_grid; }
    /// Built on first use, holding the key options from then on.
    KeyOptionsDialog *keyOptionsDialog();
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
    void exportPdf();
    /// Writes a page export: @p write gets the chosen name and the working when asked for.
    using PagesWriter
        = std::function<void(const QString &name, const std::optional<PageWorking> &working)>;
    void exportPages(const std::function<QString(bool &withWorking)> &ask,
        const std::function<QString(const QString &)> &withExtension, const PagesWriter &write);
    void printDocument();
    /// The working for a page, when @p withWorking, in the interface language.
    std::optional<PageWorking> pageWorking(bool withWorking) const;
    void showOptions();
    void copyReaction();
    void pasteReaction();
    /// Back or forth one step of the document's history, wherever the focus is.
    void undo();
    void redo();
    void balance();
    /// Balances as Balance does, then shows the working of the reaction beside the window.
    void showWorking();
    void calculateGrid();

    /// Context help: a click on the editor, Balance, the grid or Calculate Grid explains it.
    enum class HelpTopic { Reaction, Grid };
    void enterHelpMode();
    void leaveHelpMode(HelpTopic topic);
    bool helpMode() const { return m_helpMode; }
    /// The document's language, and with it every text of the window: a step of the history.
    void switchLanguage(UiLanguage language);

signals:
    /// The first activation has shown the first document.
    void firstDocumentShown();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
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
    void createWeightActions();
    // Built on first use: the start-up does not wait for dialogs nobody has opened yet.
    OptionsDialog *optionsDialog();
    AboutDialog *aboutDialog();
    KeyOptions keyOptions() const;
    QList<QWidget *> helpControls() const;
    void applyActionCaptions(UiLanguage language);
    void applyCaptions(UiLanguage language);
    void firstActivation();
    void keepFrameOnScreen();

    bool maybeSave();
    bool askToSaveChanges();
    bool saveDocumentTo(const QString &path);
    QString askTargetName(const std::function<QString()> &ask,
        const std::function<QString(const QString &)> &withExtension);
    /// Starts over at @p document (New, Open), nothing to undo, and shows it.
    void applyDocument(const Document &document);
    /// Shows the document as it stands in every view (after undo, redo, Options).
    void showDocument(int caret);
    void applyDocumentFonts();
    /// Rewrites every text of the window in @p language; the document is not changed.
    void applyLanguage(UiLanguage language);
    /// Makes the change just made to the document one step of its history.
    void recordChange(EditKind kind);
    void reactionEdited(bool typing);
    void writeSettings();
    /// The desktop session ends: ask or save as Close does.
    void commitData(QSessionManager &manager);
    void updateUndoActions();
    void updateTitle();
    void showMessageText(TextId text);
    void showBalanceFailure(TextId message, const ReactionFault &fault);
    bool offerCompletion(const ReactionFault &fault);
    void showRefusal(Refusal reason);

    QSettings &m_settings;
    QString m_commandLineDocument;
    DocumentHistory m_history;
    QTimer m_typingPause; ///< a pause ends a run of typing
    QString m_documentPath;
    bool m_asking = false; ///< the save-changes question, or a dialog it opened, is up
    bool m_activatedOnce = false;
    bool m_frameKept = false; ///< the frame was kept on screen once the window manager framed it
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
    KeyOptions m_storedKeyOptions; // as read at start; the dialog holds them once built
    OptionsDialog *m_optionsDialog = nullptr;
    QMap<QString, QMenu *> m_menus;
    QMap<QString, QAction *> m_actions;
    QMenu *m_recentMenu = nullptr;
    RecentDocuments m_recent;
};

} // namespace molvane
