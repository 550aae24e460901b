#pragma once

#include "document/Document.h"
#include "grid/InputRules.h"
#include "ui/dialogs/BilingualDialog.h"

class QPushButton;
class QTabWidget;
class QTimer;

namespace molvane {

class FontsPage;
class GridPage;
struct TemplateDirs;

/// How the Options dialog was closed. The title-bar close box counts as Cancel.
enum class OptionsResult { Cancel, OK, Default };

/// The Options dialog (OpsForm): the fonts page and the grid page. Edits stay in the
/// controls until OK or Default applies them to the document; Cancel drops them.
class OptionsDialog : public BilingualDialog
{
    Q_OBJECT

public:
    explicit OptionsDialog(QWidget *parent = nullptr);

    /// Shows the dialog modally, loaded from @p document. OK and Default apply the controls
    /// to @p document before the dialog closes; Cancel leaves it untouched.
    OptionsResult execute(Document &document);

    /// Loads every control from @p document; the dialog takes its program font.
    void load(const Document &document);

signals:
    /// 100 ms after OK or Default: the reaction is due to be drawn with its new fonts.
    void redrawDue();
    /// A typed or pasted character was refused because saving would lose it.
    void inputRefused(molvane::Refusal reason);

private:
    static constexpr int BaseWidth = 521;
    static constexpr int BaseHeight = 351;

    void languageChanged(UiLanguage language) override;
    void showEvent(QShowEvent *event) override;
    /// Sizes the controls and then the dialog for its font and texts.
    void fitToFont();
    void applyAndClose(OptionsResult result);

    Document *m_target = nullptr;
    QTabWidget *m_pages = nullptr;
    FontsPage *m_fontsPage = nullptr;
    GridPage *m_gridPage = nullptr;
    QPushButton *m_defaultButton = nullptr;
    QPushButton *m_okButton = nullptr;
    QPushButton *m_cancelButton = nullptr;
    QTimer *m_redrawTimer = nullptr;
};

/// What Default does after applying: writes @p document as the template of its language, so
/// new documents start from it. Empty when written; otherwise the status-bar text, in
/// @p language, saying the settings were not remembered.
QString RememberAsTemplate(const Document &document, const TemplateDirs &dirs, UiLanguage language);

} // namespace molvane
