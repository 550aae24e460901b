#pragma once

#include "document/Document.h"
#include "grid/InputRules.h"

#include <QWidget>

#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;

namespace molvane {

class DialogTexts;
class ReorderableListWidget;

/// The Options dialog's grid page: the grid's items (name, type, width) and the formulas,
/// each list edited through the fields below it.
class GridPage : public QWidget
{
    Q_OBJECT

public:
    explicit GridPage(DialogTexts &texts, QWidget *parent = nullptr);

    /// Loads both lists from @p document.
    void load(const Document &document);
    /// Writes the items, the formulas and the row height of the grid font into @p document,
    /// whose fonts are already the dialog's.
    void applyTo(Document &document) const;
    /// Sizes the lists, buttons and fields for the page's font.
    void fitToFont();

signals:
    /// A typed or pasted character was refused because saving would lose it.
    void inputRefused(molvane::Refusal reason);

private:
    void createItemControls(DialogTexts &texts);
    void createFormulaControls(DialogTexts &texts);
    QLineEdit *createCheckedField(TextField field);

    void itemSelected();
    void itemNameChanged();
    void newItem();
    void formulaSelected();
    void formulaTargetChanged();
    void newFormula();
    void showFormulaHelp();

    std::vector<std::string> m_targets; ///< formula targets, fixed while the dialog is open
    bool m_filling = false;

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
    QLabel *m_equals = nullptr; ///< between the target and the expression
};

} // namespace molvane
