// The Options dialog's loading, list editing, applying and captions.
#include "ui/UiText.h"
#include "ui/dialogs/OptionsDialog.h"

#include "document/FontChoices.h"
#include "document/Templates.h"
#include "export/FontConversion.h"
#include "grid/GridItems.h"
#include "ui/MessageBox.h"
#include "widgets/ReorderableListWidget.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>

#include <algorithm>

namespace molvane {

namespace {

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

// Selects the colour of @p value; a colour the list lacks gets an entry of its own, so that
// it is shown and kept unless another one is picked.
void selectColor(QComboBox *list, ColorValue value)
{
    const int named = int(ColorListEntries().size());
    while (list->count() > named)
        list->removeItem(named);
    int index = FindColorEntry(value);
    if (index < 0) {
        QPixmap picture(16, 12);
        picture.fill(ToQColor(value));
        list->addItem(QIcon(picture), ToQColor(value).name(), value);
        index = named;
    }
    list->setCurrentIndex(index);
}

} // namespace

OptionsResult OptionsDialog::execute(Document &document)
{
    m_target = &document;
    load(document);
    const int result = exec();
    m_target = nullptr;
    return result == int(OptionsResult::OK)     ? OptionsResult::OK
        : result == int(OptionsResult::Default) ? OptionsResult::Default
                                                : OptionsResult::Cancel;
}

void OptionsDialog::load(const Document &document)
{
    m_filling = true;
    setFont(ToQFont(document.fonts[ProgramFont]));
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
    m_itemList->setEntries(qList(ItemEntries(document.grid)));
    m_targets = FormulaTargets(document.grid);
    m_formulaTarget->clear();
    m_formulaTarget->addItems(qList(m_targets));
    m_formulaTarget->setCurrentIndex(-1);
    m_formulaList->setEntries(qList(document.FormulsList));
    m_filling = false;
}

void OptionsDialog::applyTo(Document &document) const
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
    // A row is one line of the grid font and 7 pixels.
    const QFontMetrics grid(ToQFont(document.fonts[GridFont]));
    document.grid.setDefaultRowHeight(grid.height() + 7);
    ApplyItems(document.grid, stdList(m_itemList->entries()));
    document.FormulsList = stdList(m_formulaList->entries());
}

void OptionsDialog::okClicked()
{
    if (m_target)
        applyTo(*m_target);
    m_redrawTimer->start();
    done(int(OptionsResult::OK));
}

void OptionsDialog::defaultClicked()
{
    if (m_target)
        applyTo(*m_target);
    m_redrawTimer->start();
    done(int(OptionsResult::Default));
}

void OptionsDialog::cancelClicked()
{
    done(int(OptionsResult::Cancel));
}

void OptionsDialog::itemSelected()
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

void OptionsDialog::itemNameChanged()
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

void OptionsDialog::newItem()
{
    m_itemList->addItem(ToQString(NewItemEntry));
    m_itemList->setCurrentRow(m_itemList->count() - 1);
}

void OptionsDialog::moveItemUp()
{
    m_itemList->moveSelectedUp(1);
}

void OptionsDialog::moveItemDown()
{
    m_itemList->moveSelectedDown(1);
}

void OptionsDialog::deleteItem()
{
    m_itemList->deleteSelected();
}

void OptionsDialog::formulaSelected()
{
    const int index = m_formulaList->selectedIndex();
    if (index < 0)
        return;
    const FormulaParts parts = SplitFormula(m_formulaList->item(index)->text().toStdString());
    m_filling = true;
    m_formulaTarget->setCurrentIndex(FindTarget(m_targets, parts.target));
    m_formulaExpression->setText(QString::fromStdString(parts.expression));
    m_filling = false;
}

void OptionsDialog::formulaTargetChanged()
{
    const int index = m_formulaList->selectedIndex();
    if (m_filling || index < 0)
        return;
    const QString target
        = m_formulaTarget->currentIndex() >= 0 ? m_formulaTarget->currentText() : QString();
    m_formulaList->item(index)->setText(target + "=" + m_formulaExpression->text());
}

void OptionsDialog::newFormula()
{
    m_formulaList->addItem(QString::fromStdString(NewFormulaLine(m_targets)));
    m_formulaList->setCurrentRow(m_formulaList->count() - 1);
}

void OptionsDialog::deleteFormula()
{
    m_formulaList->deleteSelected();
}

void OptionsDialog::showFormulaHelp()
{
    ShowMessageBox(UiString(TextId::FormulaHelp), MessageKind::Information, MessageButton::Ok);
}

void OptionsDialog::languageChanged(UiLanguage)
{
    // The dialog keeps its size unless the texts of this language need more room.
    const QSize needed = sizeHint().expandedTo(QSize(BaseWidth, BaseHeight));
    setFixedSize(needed);
}

QString RememberAsTemplate(const Document &document, const TemplateDirs &dirs, UiLanguage language)
{
    if (WriteTemplate(document, dirs))
        return {};
    return UiString(TextId::TemplateNotWritten, language);
}

} // namespace molvane
