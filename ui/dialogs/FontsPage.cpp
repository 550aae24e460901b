#include "ui/dialogs/FontsPage.h"

#include "document/FontChoices.h"
#include "document/QtText.h"
#include "export/FontConversion.h"
#include "grid/GridItems.h"
#include "ui/dialogs/DialogTexts.h"
#include "ui/dialogs/OptionsFields.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

#include <algorithm>

namespace molvane {

namespace {

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

// Selects the colour of @p value; a colour the list lacks gets an entry of its own, so that
// it is shown and kept unless another one is picked.
void selectColor(QComboBox *list, ColorValue value)
{
    const int named = int(ColorListEntries().size());
    while (list->count() > named)
        list->removeItem(named);
    int index = FindColorEntry(value);
    if (index < 0) {
        list->addItem(swatch(value), ToQColor(value).name(), value);
        index = named;
    }
    list->setCurrentIndex(index);
}

} // namespace

FontsPage::FontsPage(DialogTexts &texts, QWidget *parent)
    : QWidget(parent)
{
    static constexpr std::array<const char *, DocumentFontCount> prefixes
        = { "FP", "FG", "FR", "FN", "FS" };
    static constexpr std::array<TextId, DocumentFontCount> titles
        = { TextId::ProgramFontLabel, TextId::GridFontLabel, TextId::ReactionFontLabel,
              TextId::NumbersFontLabel, TextId::SubscriptsFontLabel };
    auto *grid = new QGridLayout(this);
    grid->setHorizontalSpacing(4);
    const auto label = [this, &texts](TextId caption) { return texts.addLeftLabel(this, caption); };
    for (int r = 0; r < DocumentFontCount; ++r) {
        const QString prefix = prefixes[r];
        FontRow &row = m_fontRows[r];
        row.title = label(titles[r]);
        row.face = new QComboBox(this);
        row.face->setObjectName(prefix + "FN");
        row.size = newDigitsField(this, 33);
        row.size->setObjectName(prefix + "FS");
        row.bold = newSquareButton(this, qPrintable(prefix + "FB"), 25);
        row.italic = newSquareButton(this, qPrintable(prefix + "FI"), 25);
        row.bold->setIcon(styleIcon(false));
        row.italic->setIcon(styleIcon(true));
        row.bold->setCheckable(true);
        row.italic->setCheckable(true);
        row.color = new QComboBox(this);
        row.color->setObjectName(prefix + "FC");
        for (const NamedColor &entry : ColorListEntries())
            row.color->addItem(swatch(entry.value), ToQString(entry.name), entry.value);

        grid->addWidget(row.title, 2 * r, 0, 1, 8);
        const std::array<QWidget *, 8> controls
            = { label(TextId::NameLabel), row.face, label(TextId::SizeLabel), row.size, row.bold,
                  row.italic, label(TextId::ColorLabel), row.color };
        for (int c = 0; c < int(controls.size()); ++c)
            grid->addWidget(controls[c], 2 * r + 1, c);
    }
    m_subscriptPosition = newDigitsField(this, 33);
    m_subscriptPosition->setObjectName("FSbP");
    auto *position = new QHBoxLayout;
    position->addWidget(label(TextId::SubscriptsPositionLabel));
    position->addWidget(m_subscriptPosition);
    position->addStretch();
    grid->addLayout(position, 2 * DocumentFontCount, 0, 1, 8);
    grid->setColumnStretch(8, 1);
    fitToFont();
}

void FontsPage::fitToFont()
{
    const int listWidth = FontScaled(this, 145);
    for (FontRow &row : m_fontRows) {
        row.face->setFixedWidth(listWidth);
        // Every colour name is shown whole, with its swatch.
        row.color->setFixedWidth(std::max(listWidth, row.color->sizeHint().width()));
        row.size->setFixedWidth(FontScaled(this, 33));
        row.bold->setFixedSize(FontScaled(this, 25), FontScaled(this, 25));
        row.italic->setFixedSize(row.bold->size());
    }
    m_subscriptPosition->setFixedWidth(FontScaled(this, 33));
}

void FontsPage::load(const Document &document)
{
    const QStringList faces = QFontDatabase::families();
    for (int r = 0; r < DocumentFontCount; ++r) {
        const DocumentFont &font = document.fonts[r];
        FontRow &row = m_fontRows[r];
        row.face->clear();
        row.face->addItems(faces);
        // A face that is not installed selects nothing; applying then keeps it.
        const QString face = QString::fromStdString(font.face);
        const auto found = std::find_if(faces.begin(), faces.end(),
            [&face](const QString &f) { return f.compare(face, Qt::CaseInsensitive) == 0; });
        row.face->setCurrentIndex(found == faces.end() ? -1 : int(found - faces.begin()));
        row.size->setText(QString::number(font.size));
        selectColor(row.color, font.color);
        row.bold->setChecked(font.bold);
        row.italic->setChecked(font.italic);
    }
    m_subscriptPosition->setText(QString::number(document.subscriptPosition));
}

void FontsPage::applyTo(Document &document) const
{
    for (int r = 0; r < DocumentFontCount; ++r) {
        const FontRow &row = m_fontRows[r];
        FontControls controls;
        if (row.face->currentIndex() >= 0)
            controls.face = row.face->currentText().toStdString();
        controls.size = row.size->text().toStdString();
        controls.color = row.color->currentData().toInt();
        controls.bold = row.bold->isChecked();
        controls.italic = row.italic->isChecked();
        document.fonts[r] = ApplyFontControls(document.fonts[r], controls);
    }
    document.subscriptPosition = FieldNumber(m_subscriptPosition->text().toStdString(), 0);
}

} // namespace molvane
