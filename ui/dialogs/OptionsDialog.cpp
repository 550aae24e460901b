#include "ui/dialogs/OptionsDialog.h"
#include "ui/UiText.h"

#include "document/FontChoices.h"
#include "document/Windows1256.h"
#include "export/FontConversion.h"
#include "grid/GridItems.h"
#include "widgets/InputRulesValidator.h"
#include "widgets/ReorderableListWidget.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QStyle>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

namespace molvane {

namespace {

QLineEdit *digitsField(QWidget *parent, int width)
{
    auto *field = new QLineEdit(parent);
    field->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*"), field));
    field->setFixedWidth(width);
    return field;
}

// The face of a style toggle: its letter drawn bold or italic.
QIcon styleIcon(bool italic)
{
    QPixmap picture(16, 16);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    QFont font("Times New Roman");
    font.setPixelSize(15);
    font.setBold(!italic);
    font.setItalic(italic);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, italic ? "I" : "B");
    return QIcon(picture);
}

QIcon swatch(ColorValue value)
{
    QPixmap picture(16, 12);
    picture.fill(ToQColor(value));
    return QIcon(picture);
}

QToolButton *squareButton(QWidget *parent, const char *name, int side)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(name);
    button->setFixedSize(side, side);
    return button;
}

} // namespace

OptionsDialog::OptionsDialog(QWidget *parent)
    : BilingualDialog(TextId::OptionsDialogTitle, parent)
{
    setObjectName("OpsForm");
    setLayoutDirection(Qt::LeftToRight);

    m_pages = new QTabWidget(this);
    m_pages->addTab(createFontsPage(), {});
    m_pages->addTab(createGridPage(), {});
    addText(TextId::FontsPage, [this](const QString &text) { m_pages->setTabText(0, text); });
    addText(TextId::GridPage, [this](const QString &text) { m_pages->setTabText(1, text); });

    m_defaultButton = new QPushButton(this);
    m_defaultButton->setObjectName("Def");
    m_okButton = new QPushButton(this);
    m_okButton->setObjectName("OK");
    m_cancelButton = new QPushButton(this);
    m_cancelButton->setObjectName("Cancel");
    addCaption(m_defaultButton, TextId::DefaultCaption);
    addHint(m_defaultButton, TextId::DefaultHint);
    addCaption(m_okButton, TextId::OkCaption);
    addHint(m_okButton, TextId::OkHint);
    addCaption(m_cancelButton, TextId::CancelCaption);
    addHint(m_cancelButton, TextId::CancelHint);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_defaultButton);
    buttons->addStretch();
    buttons->addWidget(m_okButton);
    buttons->addWidget(m_cancelButton);
    for (QPushButton *button : { m_defaultButton, m_okButton, m_cancelButton }) {
        button->setMinimumSize(75, 25);
        // Enter in a field must not close the dialog by surprise.
        button->setAutoDefault(false);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 6, 8);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);

    m_redrawTimer = new QTimer(this);
    m_redrawTimer->setSingleShot(true);
    m_redrawTimer->setInterval(100);
    connect(m_redrawTimer, &QTimer::timeout, this, &OptionsDialog::redrawDue);
    connect(m_okButton, &QPushButton::clicked, this, &OptionsDialog::okClicked);
    connect(m_defaultButton, &QPushButton::clicked, this, &OptionsDialog::defaultClicked);
    connect(m_cancelButton, &QPushButton::clicked, this, &OptionsDialog::cancelClicked);

    setEnglishCaptions();
}

QWidget *OptionsDialog::createFontsPage()
{
    static constexpr std::array<const char *, DocumentFontCount> prefixes
        = { "FP", "FG", "FR", "FN", "FS" };
    static constexpr std::array<TextId, DocumentFontCount> titles
        = { TextId::ProgramFontLabel, TextId::GridFontLabel, TextId::ReactionFontLabel,
              TextId::NumbersFontLabel, TextId::SubscriptsFontLabel };
    auto *page = new QWidget;
    auto *grid = new QGridLayout(page);
    grid->setHorizontalSpacing(4);
    const auto label = [this, page](TextId caption) { return addLabel(page, caption); };
    for (int r = 0; r < DocumentFontCount; ++r) {
        const QString prefix = prefixes[r];
        FontRow &row = m_fontRows[r];
        row.title = label(titles[r]);
        row.face = new QComboBox(page);
        row.face->setObjectName(prefix + "FN");
        row.face->setFixedWidth(145);
        row.size = digitsField(page, 33);
        row.size->setObjectName(prefix + "FS");
        row.bold = squareButton(page, qPrintable(prefix + "FB"), 25);
        row.italic = squareButton(page, qPrintable(prefix + "FI"), 25);
        row.bold->setIcon(styleIcon(false));
        row.italic->setIcon(styleIcon(true));
        row.bold->setCheckable(true);
        row.italic->setCheckable(true);
        row.color = new QComboBox(page);
        row.color->setObjectName(prefix + "FC");
        row.color->setFixedWidth(145);
        for (const NamedColor &entry : ColorListEntries())
            row.color->addItem(swatch(entry.value), ToQString(entry.name), entry.value);

        grid->addWidget(row.title, 2 * r, 0, 1, 8);
        const std::array<QWidget *, 8> controls
            = { label(TextId::NameLabel), row.face, label(TextId::SizeLabel), row.size, row.bold,
                  row.italic, label(TextId::ColorLabel), row.color };
        for (int c = 0; c < int(controls.size()); ++c)
            grid->addWidget(controls[c], 2 * r + 1, c);
    }
    m_subscriptPosition = digitsField(page, 33);
    m_subscriptPosition->setObjectName("FSbP");
    auto *position = new QHBoxLayout;
    position->addWidget(label(TextId::SubscriptsPositionLabel));
    position->addWidget(m_subscriptPosition);
    position->addStretch();
    grid->addLayout(position, 2 * DocumentFontCount, 0, 1, 8);
    grid->setColumnStretch(8, 1);
    return page;
}

QLabel *OptionsDialog::addLabel(QWidget *page, TextId caption)
{
    auto *added = new QLabel(page);
    // The dialog reads left to right in both languages; Farsi labels too.
    added->setAlignment(Qt::AlignLeft | Qt::AlignAbsolute | Qt::AlignVCenter);
    addCaption(added, caption);
    return added;
}

QLineEdit *OptionsDialog::createCheckedField(QWidget *parent, TextField field)
{
    auto *edit = new QLineEdit(parent);
    auto *rules = new InputRulesValidator(field, Windows1256Has, edit);
    edit->setValidator(rules);
    connect(edit, &QLineEdit::inputRejected, this, [this, rules] {
        if (const Refusal reason = rules->takeRefusal().first; reason != Refusal::None)
            emit inputRefused(reason);
    });
    return edit;
}

QWidget *OptionsDialog::createGridPage()
{
    auto *page = new QWidget;
    auto *layout = new QHBoxLayout(page);
    createItemControls(page);
    createFormulaControls(page);
    auto *line = new QFrame(page);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);

    const auto label = [this, page](TextId caption) { return addLabel(page, caption); };
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
    expression->addWidget(new QLabel("=", page));
    expression->addWidget(m_formulaExpression, 1);
    formulas->addLayout(expression, 2, 0, 1, 4);
    formulas->setRowStretch(3, 1);
    formulas->addWidget(m_helpButton, 4, 2, 1, 2, Qt::AlignRight);

    layout->addLayout(items);
    layout->addWidget(line);
    layout->addLayout(formulas);
    return page;
}

void OptionsDialog::createItemControls(QWidget *page)
{
    m_itemList = new ReorderableListWidget(page);
    m_itemList->setObjectName("GIList");
    m_itemList->setFixedSize(177, 153);
    m_itemUp = squareButton(page, "GIUp", 33);
    m_itemDown = squareButton(page, "GIDown", 33);
    m_itemNew = squareButton(page, "GINew", 33);
    m_itemDelete = squareButton(page, "GIDelete", 33);
    m_itemUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    m_itemDown->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    m_itemNew->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    m_itemDelete->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    m_itemName = createCheckedField(page, TextField::ItemName);
    m_itemName->setObjectName("GIName");
    m_itemType = new QComboBox(page);
    m_itemType->setObjectName("GIType");
    for (const std::string_view name : ItemTypeNames)
        m_itemType->addItem(ToQString(name));
    m_itemWidth = digitsField(page, 60);
    m_itemWidth->setObjectName("GIWidth");
    addHint(m_itemList, TextId::ItemListHint);
    addHint(m_itemUp, TextId::ItemUpHint);
    addHint(m_itemDown, TextId::ItemDownHint);
    addHint(m_itemNew, TextId::ItemNewHint);
    addHint(m_itemDelete, TextId::ItemDeleteHint);

    connect(m_itemList, &QListWidget::itemSelectionChanged, this, &OptionsDialog::itemSelected);
    connect(m_itemName, &QLineEdit::textChanged, this, &OptionsDialog::itemNameChanged);
    connect(m_itemType, &QComboBox::currentIndexChanged, this, &OptionsDialog::itemNameChanged);
    connect(m_itemWidth, &QLineEdit::textChanged, this, &OptionsDialog::itemNameChanged);
    connect(m_itemNew, &QToolButton::clicked, this, &OptionsDialog::newItem);
    connect(m_itemUp, &QToolButton::clicked, this, &OptionsDialog::moveItemUp);
    connect(m_itemDown, &QToolButton::clicked, this, &OptionsDialog::moveItemDown);
    connect(m_itemDelete, &QToolButton::clicked, this, &OptionsDialog::deleteItem);
}

void OptionsDialog::createFormulaControls(QWidget *page)
{
    m_formulaList = new ReorderableListWidget(page);
    m_formulaList->setObjectName("GFList");
    m_formulaList->setFixedSize(193, 153);
    m_formulaNew = squareButton(page, "GFNew", 33);
    m_formulaDelete = squareButton(page, "GFDelete", 33);
    m_formulaNew->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    m_formulaDelete->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    m_formulaTarget = new QComboBox(page);
    m_formulaTarget->setObjectName("GFN1");
    m_formulaTarget->setFixedWidth(95);
    m_formulaExpression = createCheckedField(page, TextField::Formula);
    m_formulaExpression->setObjectName("GFN2");
    m_helpButton = new QPushButton(page);
    m_helpButton->setObjectName("HelpBtn");
    m_helpButton->setAutoDefault(false);
    addHint(m_formulaList, TextId::FormulaListHint);
    addHint(m_formulaNew, TextId::FormulaNewHint);
    addHint(m_formulaDelete, TextId::FormulaDeleteHint);
    addCaption(m_helpButton, TextId::HelpButtonCaption);
    addHint(m_helpButton, TextId::HelpButtonHint);

    connect(
        m_formulaList, &QListWidget::itemSelectionChanged, this, &OptionsDialog::formulaSelected);
    connect(m_formulaTarget, &QComboBox::currentIndexChanged, this,
        &OptionsDialog::formulaTargetChanged);
    connect(
        m_formulaExpression, &QLineEdit::textChanged, this, &OptionsDialog::formulaTargetChanged);
    connect(m_formulaNew, &QToolButton::clicked, this, &OptionsDialog::newFormula);
    connect(m_formulaDelete, &QToolButton::clicked, this, &OptionsDialog::deleteFormula);
    connect(m_helpButton, &QPushButton::clicked, this, &OptionsDialog::showFormulaHelp);
}

} // namespace molvane
