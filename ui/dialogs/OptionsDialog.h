#pragma once

#include "document/Document.h"
#include "grid/InputRules.h"
#include "ui/dialogs/BilingualDialog.h"

#include <array>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;
class QTimer;
class QToolButton;

namespace molvane {

class ReorderableListWidget;

struct TemplateDirs;

/// How the Options dialog was closed. The title-bar close box counts as Cancel.
enum class OptionsResult { Cancel, OK, Default };

/// The Options dialog: the five document fonts and the subscripts position on one page, the
/// grid's items and the formulas on the other. Edits stay in the controls until OK or
/// Default applies them to the document; Cancel drops them.
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

    struct FontRow
    {
        QLabel *title;
        QComboBox *face;
        QLineEdit *size;
        QToolButton *bold;
        QToolButton *italic;
        QComboBox *color;
    };

    QWidget *createFontsPage();
    QWidget *createGridPage();
    void createItemControls(QWidget *page);
    void createFormulaControls(QWidget *page);
    QLineEdit *createCheckedField(QWidget *parent, TextField field);
    QLabel *addLabel(QWidget *page, TextId caption);
    void languageChanged(UiLanguage language) override;
    void applyTo(Document &document) const;

    void okClicked();
    void defaultClicked();
    void cancelClicked();
    void itemSelected();
    void itemNameChanged();
    void newItem();
    void moveItemUp();
    void moveItemDown();
    void deleteItem();
    void formulaSelected();
    void formulaTargetChanged();
    void newFormula();
    void deleteFormula();
    void showFormulaHelp();

    Document *m_target = nullptr;
    std::vector<std::string> m_targets; ///< formula targets, fixed while the dialog is open
    bool m_filling = false;

    QTabWidget *m_pages = nullptr;
    std::array<FontRow, DocumentFontCount> m_fontRows {};
    QLineEdit *m_subscriptPosition = nullptr;
    ReorderableListWidget *m_itemList = nullptr;
    QToolButton *m_itemUp = nullptr;
    QToolButton *m_itemDown = nullptr;
    QToolButton *m_itemNew = nullptr;
    QToolButton *m_itemDelete = nullptr;
    QLineEdit *m_itemName = nullptr;
    QComboBox *m_itemType = nullptr;
    QLineEdit *m_itemWidth = nullptr;
    ReorderableListWidget *m_formulaList = nullptr;
    QToolButton *m_formulaNew = nullptr;
    QToolButton *m_formulaDelete = nullptr;
    QComboBox *m_formulaTarget = nullptr;
    QLineEdit *m_formulaExpression = nullptr;
    QPushButton *m_helpButton = nullptr;
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
