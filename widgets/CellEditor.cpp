#include "widgets/CellEditor.h"

#include "grid/CellCheck.h"
#include "widgets/GridTableModel.h"
#include "widgets/InputRulesValidator.h"

#include <QKeyEvent>

#include <limits>

namespace molvane {

std::optional<std::u32string> TypedCharacters(const QKeyEvent &event)
{
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    const int key = event.key();
    if ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier) && key >= Qt::Key_A
        && key <= Qt::Key_Z)
        return std::u32string(1, char32_t(key - Qt::Key_A + 1));
    if (key == Qt::Key_Backspace)
        return std::u32string(1, BackspaceKey);
    const std::u32string text = event.text().toStdU32String();
    if (text.empty())
        return std::nullopt;
    for (const char32_t c : text) {
        if (c < 0x20 || c == 0x7F) // Enter, Escape, Tab, Delete: keys, not characters
            return std::nullopt;
    }
    return text;
}

std::u32string KeptCharacters(std::string_view typeText, std::u32string_view typed)
{
    std::u32string kept;
    for (const char32_t c : typed) {
        if (const std::optional<char32_t> passed = GridKeyPress(typeText, BestFit(c)))
            kept += *passed;
    }
    return kept;
}

CellEditor::CellEditor(const QModelIndex &index, CodePageHas codePageHas, QWidget *parent)
    : QLineEdit(parent)
    , m_index(index)
    , m_type(index.data(GridTableModel::TypeRole).toString().toStdString())
    , m_rules(new InputRulesValidator(TextField::Cell, std::move(codePageHas), this))
{
    setFrame(false);
    // Cells have no length limit: the line edit's default of 32767 would cut long ones.
    setMaxLength(std::numeric_limits<int>::max());
    setValidator(m_rules);
    connect(this, &QLineEdit::inputRejected, this, [this] {
        const auto [reason, character] = m_rules->takeRefusal();
        if (reason != Refusal::None)
            emit inputRefused(reason, QString::fromStdU32String(std::u32string(1, character)));
    });
}

CellEditor::~CellEditor() = default;

void CellEditor::setCellText(const QString &text)
{
    if (!m_textSet) {
        m_originalText = text;
        m_textSet = true;
    }
    setValidator(nullptr);
    setText(text);
    setValidator(m_rules);
}

void CellEditor::keyPressEvent(QKeyEvent *event)
{
    // The clipboard's keys type nothing: what they paste passes the input rules instead.
    const bool clipboardKey = event->matches(QKeySequence::Paste)
        || event->matches(QKeySequence::Copy) || event->matches(QKeySequence::Cut)
        || event->matches(QKeySequence::SelectAll);
    const std::optional<std::u32string> typed = TypedCharacters(*event);
    if (!typed || clipboardKey) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const std::u32string kept = KeptCharacters(m_type, *typed);
    if (kept.empty()) {
        event->accept(); // dropped without a sound
        return;
    }
    if (kept == *typed) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    QKeyEvent fitted(event->type(), event->key(), event->modifiers(),
        QString::fromStdU32String(kept), event->isAutoRepeat(), ushort(event->count()));
    QLineEdit::keyPressEvent(&fitted);
    event->setAccepted(fitted.isAccepted());
}

} // namespace molvane
