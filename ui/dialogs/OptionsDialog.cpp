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

    m_def = new QPushButton(this);
    m_def->setObjectName("Def");
    m_ok = new QPushButton(this);
    m_ok->setObjectName("OK");
    m_cancel = new QPushButton(this);
    m_cancel->setObjectName("Cancel");
    addCaption(m_def, TextId::DefaultCaption);
    addHint(m_def, TextId::DefaultHint);
    addCaption(m_ok, TextId::OkCaption);
    addHint(m_ok, TextId::OkHint);
    addCaption(m_cancel, TextId::CancelCaption);
    addHint(m_cancel, TextId::CancelHint);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_def);
    buttons->addStretch();
    buttons->addWidget(m_ok);
    buttons->addWidget(m_cancel);
    for (QPushButton *button : { m_def, m_ok, m_cancel }) {
        button->setMinimumSize(75, 25);
        // Enter in a field must not close the dialog by surprise.
        button->setAutoDefault(false);
    }
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 6, 8);
    layout->addWidget(m_pages);
    layout->addLayout(buttons);

    m_tim = new QTimer(this);
    m_tim->setSingleShot(true);
    m_tim->setInterval(100);
    connect(m_tim, &QTimer::timeout, this, &OptionsDialog::TimTimer);
    connect(m_ok, &QPushButton::clicked, this, &OptionsDialog::OKClick);
    connect(m_def, &QPushButton::clicked, this, &OptionsDialog::DefClick);
    connect(m_cancel, &QPushButton::clicked, this, &OptionsDialog::CancelClick);

    SetEnglishCaptions();
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
    m_fsbp = digitsField(page, 33);
    m_fsbp->setObjectName("FSbP");
    auto *position = new QHBoxLayout;
    position->addWidget(label(TextId::SubscriptsPositionLabel));
    position->addWidget(m_fsbp);
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
    items->addWidget(m_giList, 1, 0, 1, 2);
    auto *itemButtons = new QVBoxLayout;
    for (QToolButton *button : { m_giUp, m_giDown, m_giNew, m_giDelete })
        itemButtons->addWidget(button);
    itemButtons->addStretch();
    items->addLayout(itemButtons, 1, 2);
    auto *fields = new QFormLayout;
    fields->addRow(label(TextId::NameLabel), m_giName);
    fields->addRow(label(TextId::TypeLabel), m_giType);
    fields->addRow(label(TextId::WidthLabel), m_giWidth);
    items->addLayout(fields, 2, 0, 1, 3);
    items->setRowStretch(3, 1);

    auto *formulas = new QGridLayout;
    formulas->addWidget(label(TextId::FormulasLabel), 0, 0, 1, 3);
    formulas->addWidget(m_gfList, 1, 0, 1, 3);
    auto *formulaButtons = new QVBoxLayout;
    formulaButtons->addWidget(m_gfNew);
    formulaButtons->addWidget(m_gfDelete);
    formulaButtons->addStretch();
    formulas->addLayout(formulaButtons, 1, 3);
    auto *expression = new QHBoxLayout;
    expression->addWidget(m_gfn1);
    expression->addWidget(new QLabel("=", page));
    expression->addWidget(m_gfn2, 1);
    formulas->addLayout(expression, 2, 0, 1, 4);
    formulas->setRowStretch(3, 1);
    formulas->addWidget(m_helpBtn, 4, 2, 1, 2, Qt::AlignRight);

    layout->addLayout(items);
    layout->addWidget(line);
    layout->addLayout(formulas);
    return page;
}

void OptionsDialog::createItemControls(QWidget *page)
{
    m_giList = new ReorderableListWidget(page);
    m_giList->setObjectName("GIList");
    m_giList->setFixedSize(177, 153);
    m_giUp = squareButton(page, "GIUp", 33);
    m_giDown = squareButton(page, "GIDown", 33);
    m_giNew = squareButton(page, "GINew", 33);
    m_giDelete = squareButton(page, "GIDelete", 33);
    m_giUp->setIcon(style()->standardIcon(QStyle::SP_ArrowUp));
    m_giDown->setIcon(style()->standardIcon(QStyle::SP_ArrowDown));
    m_giNew->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    m_giDelete->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    m_giName = createCheckedField(page, TextField::ItemName);
    m_giName->setObjectName("GIName");
    m_giType = new QComboBox(page);
    m_giType->setObjectName("GIType");
    for (const std::string_view name : ItemTypeNames)
        m_giType->addItem(ToQString(name));
    m_giWidth = digitsField(page, 60);
    m_giWidth->setObjectName("GIWidth");
    addHint(m_giList, TextId::ItemListHint);
    addHint(m_giUp, TextId::ItemUpHint);
    addHint(m_giDown, TextId::ItemDownHint);
    addHint(m_giNew, TextId::ItemNewHint);
    addHint(m_giDelete, TextId::ItemDeleteHint);

    connect(m_giList, &QListWidget::itemSelectionChanged, this, &OptionsDialog::GIListClick);
    connect(m_giName, &QLineEdit::textChanged, this, &OptionsDialog::GINameChange);
    connect(m_giType, &QComboBox::currentIndexChanged, this, &OptionsDialog::GINameChange);
    connect(m_giWidth, &QLineEdit::textChanged, this, &OptionsDialog::GINameChange);
    connect(m_giNew, &QToolButton::clicked, this, &OptionsDialog::GINewClick);
    connect(m_giUp, &QToolButton::clicked, this, &OptionsDialog::GIUpClick);
    connect(m_giDown, &QToolButton::clicked, this, &OptionsDialog::GIDownClick);
    connect(m_giDelete, &QToolButton::clicked, this, &OptionsDialog::GIDeleteClick);
}

void OptionsDialog::createFormulaControls(QWidget *page)
{
    m_gfList = new ReorderableListWidget(page);
    m_gfList->setObjectName("GFList");
    m_gfList->setFixedSize(193, 153);
    m_gfNew = squareButton(page, "GFNew", 33);
    m_gfDelete = squareButton(page, "GFDelete", 33);
    m_gfNew->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    m_gfDelete->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    m_gfn1 = new QComboBox(page);
    m_gfn1->setObjectName("GFN1");
    m_gfn1->setFixedWidth(95);
    m_gfn2 = createCheckedField(page, TextField::Formula);
    m_gfn2->setObjectName("GFN2");
    m_helpBtn = new QPushButton(page);
    m_helpBtn->setObjectName("HelpBtn");
    m_helpBtn->setAutoDefault(false);
    addHint(m_gfList, TextId::FormulaListHint);
    addHint(m_gfNew, TextId::FormulaNewHint);
    addHint(m_gfDelete, TextId::FormulaDeleteHint);
    addCaption(m_helpBtn, TextId::HelpButtonCaption);
    addHint(m_helpBtn, TextId::HelpButtonHint);

    connect(m_gfList, &QListWidget::itemSelectionChanged, this, &OptionsDialog::GFListClick);
    connect(m_gfn1, &QComboBox::currentIndexChanged, this, &OptionsDialog::GFN1Change);
    connect(m_gfn2, &QLineEdit::textChanged, this, &OptionsDialog::GFN1Change);
    connect(m_gfNew, &QToolButton::clicked, this, &OptionsDialog::GFNewClick);
    connect(m_gfDelete, &QToolButton::clicked, this, &OptionsDialog::GFDeleteClick);
    connect(m_helpBtn, &QPushButton::clicked, this, &OptionsDialog::HelpBtnClick);
}

} // namespace molvane
