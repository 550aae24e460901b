#include "ui/dialogs/GridPage.h"

#include "document/QtText.h"
#include "document/Windows1256.h"
#include "export/FontConversion.h"
#include "grid/GridItems.h"
#include "texts/BidiText.h"
#include "ui/MessageBox.h"
#include "ui/UiText.h"
#include "ui/dialogs/DialogTexts.h"
#include "ui/dialogs/OptionsFields.h"
#include "widgets/EntryDelegate.h"
#include "widgets/InputRulesValidator.h"
#include "widgets/ReorderableListWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

namespace molvane {

namespace {

const QChar LeftToRightMark(0x200E); // starts the expression field: a formula reads left to right

QStringList qList(const std::vector<std::string> &lines)
{
    QStringList result;
    for (const std::string &line : lines)
        result << QString::fromStdString(line);
    return result;
}

std::vector<std::string> stdList(const QStringList &lines)
{
    std::vector<std::string> result;
    for (const QString &line : lines)
        result.push_back(line.toStdString());
    return result;
}

} // namespace

GridPage::GridPage(DialogTexts &texts, QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QHBoxLayout(this);
    createItemControls(texts);
    createFormulaControls(texts);
    auto *line = new QFrame(this);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);

    const auto label = [this, &texts](TextId caption) { return texts.addLeftLabel(this, caption); };
    auto *items = new QGridLayout;
    items->addWidget(label(TextId::ItemsLabel), 0, 0, 1, 2);
    items->addWidget(m_itemList, 1, 0, 1, 2);
    auto *itemButtons = new QVBoxLayout;
    for (QToolButton *button : { m_itemUp, m_itemDown, m_itemNew, m_itemDelete })
        itemButtons->addWidget(button);
    itemButtons->addStretch();
    items->addLayout(itemButtons, 1, 2);
    auto *fields = new QFormLayout;
    fields->addRow(label(TextId::NameLabel), m_itemName);
    fields->addRow(label(TextId::TypeLabel), m_itemType);
    fields->addRow(label(TextId::WidthLabel), m_itemWidth);
    items->addLayout(fields, 2, 0, 1, 3);
    items->setRowStretch(3, 1);

    auto *formulas = new QGridLayout;
    formulas->addWidget(label(TextId::FormulasLabel), 0, 0, 1, 3);
    formulas->addWidget(m_formulaList, 1, 0, 1, 3);
    auto *formulaButtons = new QVBoxLayout;
    formulaButtons->addWidget(m_formulaNew);
    formulaButtons->addWidget(m_formulaDelete);
    formulaButtons->addStretch();
    formulas->addLayout(formulaButtons, 1, 3);
    auto *expression = new QHBoxLayout;
    expression->addWidget(m_formulaTarget);
    m_equals = new QLabel("=", this);
    expression->addWidget(m_equals);
    expression->addWidget(m_formulaExpression, 1);
    formulas->addLayout(expression, 2, 0, 1, 4);
    formulas->setRowStretch(3, 1);
    formulas->addWidget(m_helpButton, 4, 2, 1, 2, Qt::AlignRight);

    layout->addLayout(items);
    layout->addWidget(line);
    layout->addLayout(formulas);
    fitToFont();
}

void GridPage::fitToFont()
{
    const int list = FontScaled(this, 153);
    m_itemList->setFixedSize(FontScaled(this, 177), list);
    m_formulaList->setFixedSize(FontScaled(this, 193), list);
    for (QToolButton *button :
        { m_itemUp, m_itemDown, m_itemNew, m_itemDelete, m_formulaNew, m_formulaDelete })
        button->setFixedSize(FontScaled(this, 33), FontScaled(this, 33));
    m_itemWidth->setFixedWidth(FontScaled(this, 60));
    m_formulaTarget->setFixedWidth(FontScaled(this, 95));
    // A Farsi program font may draw "=" as a mere dash: the sign takes the desktop's face.
    QFont sign = QApplication::font();
    sign.setPointSizeF(font().pointSizeF());
    m_equals->setFont(sign);
}

QLineEdit *GridPage::createCheckedField(TextField field)
{
    auto *edit = new QLineEdit(this);
    auto *rules = new InputRulesValidator(field, Windows1256Has, edit);
    edit->setValidator(rules);
    connect(edit, &QLineEdit::inputRejected, this, [this, rules] {
        if (const Refusal reason = rules->takeRefusal().first; reason != Refusal::None)
            emit inputRefused(reason);
    });
    return edit;
}

void GridPage::createItemControls(DialogTexts &texts)
{
    m_itemList = new ReorderableListWidget(this);
    m_itemList->setItemDelegate(new EntryDelegate(m_itemList));
    m_itemList->setObjectName("GIList");
    m_itemUp = newSquareButton(this, "GIUp", 33);
    m_itemDown = newSquareButton(this, "GIDown", 33);
    m_itemNew = newSquareButton(this, "GINew", 33);
    m_itemDelete = newSquareButton(this, "GIDelete", 33);
    m_itemUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    m_itemDown->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    m_itemNew->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    m_itemDelete->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    m_itemName = createCheckedField(TextField::ItemName);
    m_itemName->setObjectName("GIName");
    m_itemType = new QComboBox(this);
    m_itemType->setObjectName("GIType");
    for (const std::string_view name : ItemTypeNames)
        m_itemType->addItem(ToQString(name));
    m_itemWidth = newDigitsField(this, 60);
    m_itemWidth->setObjectName("GIWidth");
    texts.addHint(m_itemList, TextId::ItemListHint);
    texts.addHint(m_itemUp, TextId::ItemUpHint);
    texts.addHint(m_itemDown, TextId::ItemDownHint);
    texts.addHint(m_itemNew, TextId::ItemNewHint);
    texts.addHint(m_itemDelete, TextId::ItemDeleteHint);

    connect(m_itemList, &QListWidget::itemSelectionChanged, this, &GridPage::itemSelected);
    connect(m_itemName, &QLineEdit::textChanged, this, &GridPage::itemNameChanged);
    connect(m_itemType, &QComboBox::currentIndexChanged, this, &GridPage::itemNameChanged);
    connect(m_itemWidth, &QLineEdit::textChanged, this, &GridPage::itemNameChanged);
    connect(m_itemNew, &QToolButton::clicked, this, &GridPage::newItem);
    connect(m_itemUp, &QToolButton::clicked, this, [this] { m_itemList->moveSelectedUp(1); });
    connect(m_itemDown, &QToolButton::clicked, this, [this] { m_itemList->moveSelectedDown(1); });
    connect(m_itemDelete, &QToolButton::clicked, this, [this] { m_itemList->deleteSelected(); });
}

void GridPage::createFormulaControls(DialogTexts &texts)
{
    m_formulaList = new ReorderableListWidget(this);
    m_formulaList->setItemDelegate(new EntryDelegate(m_formulaList));
    m_formulaList->setObjectName("GFList");
    m_formulaNew = newSquareButton(this, "GFNew", 33);
    m_formulaDelete = newSquareButton(this, "GFDelete", 33);
    m_formulaNew->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    m_formulaDelete->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    m_formulaTarget = new QComboBox(this);
    m_formulaTarget->setObjectName("GFN1");
    m_formulaExpression = createCheckedField(TextField::Formula);
    m_formulaExpression->setObjectName("GFN2");
    m_helpButton = new QPushButton(this);
    m_helpButton->setObjectName("HelpBtn");
    m_helpButton->setAutoDefault(false);
    texts.addHint(m_formulaList, TextId::FormulaListHint);
    texts.addHint(m_formulaNew, TextId::FormulaNewHint);
    texts.addHint(m_formulaDelete, TextId::FormulaDeleteHint);
    texts.addCaption(m_helpButton, TextId::HelpButtonCaption);
    texts.addHint(m_helpButton, TextId::HelpButtonHint);

    connect(m_formulaList, &QListWidget::itemSelectionChanged, this, &GridPage::formulaSelected);
    connect(
        m_formulaTarget, &QComboBox::currentIndexChanged, this, &GridPage::formulaTargetChanged);
    connect(m_formulaExpression, &QLineEdit::textChanged, this, &GridPage::formulaTargetChanged);
    connect(m_formulaNew, &QToolButton::clicked, this, &GridPage::newFormula);
    connect(
        m_formulaDelete, &QToolButton::clicked, this, [this] { m_formulaList->deleteSelected(); });
    connect(m_helpButton, &QPushButton::clicked, this, &GridPage::showFormulaHelp);
}

void GridPage::load(const Document &document)
{
    m_filling = true;
    m_itemList->setEntries(qList(ItemEntries(document.grid)));
    m_targets = FormulaTargets(document.grid);
    m_formulaTarget->clear();
    // A target such as "#مول(a)" reads left to right whatever direction the combo box paints
    // its text in: an embedding, not only marks.
    for (const std::string &target : m_targets)
        m_formulaTarget->addItem(ToQString(LeftToRightEmbedded(target)));
    m_formulaTarget->setCurrentIndex(-1);
    m_formulaList->setEntries(qList(document.FormulsList));
    m_filling = false;
}

void GridPage::applyTo(Document &document) const
{
    // A row is one line of the grid font and 7 pixels.
    const QFontMetrics grid(ToQFont(document.fonts[GridFont]));
    document.grid.setDefaultRowHeight(grid.height() + 7);
    ApplyItems(document.grid, stdList(m_itemList->entries()));
    document.FormulsList = stdList(m_formulaList->entries());
}

void GridPage::itemSelected()
{
    const int index = m_itemList->selectedIndex();
    if (index < 0)
        return;
    const ItemEntry item = ParseItemEntry(m_itemList->item(index)->text().toStdString());
    m_filling = true;
    m_itemName->setText(QString::fromStdString(item.name));
    const bool digit = item.type.size() == 1 && item.type[0] >= '0' && item.type[0] <= '5';
    m_itemType->setCurrentIndex(digit ? item.type[0] - '0' : -1);
    m_itemWidth->setText(QString::fromStdString(item.width));
    m_filling = false;
}

void GridPage::itemNameChanged()
{
    const int index = m_itemList->selectedIndex();
    if (m_filling || index < 0)
        return;
    QListWidgetItem *entry = m_itemList->item(index);
    // A type the list cannot show stays as it was.
    const std::string type = m_itemType->currentIndex() >= 0
        ? std::to_string(m_itemType->currentIndex())
        : ParseItemEntry(entry->text().toStdString()).type;
    entry->setText(QString::fromStdString(
        ItemEntryText(m_itemName->text().toStdString(), type, m_itemWidth->text().toStdString())));
}

void GridPage::newItem()
{
    m_itemList->addItem(ToQString(NewItemEntry));
    m_itemList->setCurrentRow(m_itemList->count() - 1);
}

void GridPage::formulaSelected()
{
    const int index = m_formulaList->selectedIndex();
    if (index < 0)
        return;
    const FormulaParts parts = SplitFormula(m_formulaList->item(index)->text().toStdString());
    m_filling = true;
    m_formulaTarget->setCurrentIndex(FindTarget(m_targets, parts.target));
    m_formulaExpression->setText(LeftToRightMark + QString::fromStdString(parts.expression));
    m_filling = false;
}

void GridPage::formulaTargetChanged()
{
    const int index = m_formulaList->selectedIndex();
    if (m_filling || index < 0)
        return;
    const int targetIndex = m_formulaTarget->currentIndex();
    const QString target
        = targetIndex >= 0 ? ToQString(m_targets[std::size_t(targetIndex)]) : QString();
    const QString expression = m_formulaExpression->text().remove(LeftToRightMark);
    m_formulaList->item(index)->setText(target + "=" + expression);
}

void GridPage::newFormula()
{
    m_formulaList->addItem(QString::fromStdString(NewFormulaLine(m_targets)));
    m_formulaList->setCurrentRow(m_formulaList->count() - 1);
}

void GridPage::showFormulaHelp()
{
    ShowMessageBox(UiString(TextId::FormulaHelp), MessageKind::Information, MessageButton::Ok);
}

} // namespace molvane
