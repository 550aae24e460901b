#pragma once

#include "grid/InputRules.h"

#include <QLineEdit>
#include <QPersistentModelIndex>

#include <optional>
#include <string>
#include <string_view>

class QKeyEvent;

namespace molvane {

class InputRulesValidator;

/// The characters a key event types, as a cell's keyboard filter sees them: the event's text,
/// Backspace as its control character, and Ctrl with a letter as the control character it
/// stands for, so that clipboard shortcuts count as typed characters. Nothing for keys that
/// type nothing (arrows, Delete, function keys).
std::optional<std::u32string> TypedCharacters(const QKeyEvent &event);

/// What a cell of a column of type @p typeText keeps of @p typed: each character after its
/// best fit, less those the keyboard filter `GridKeyPress` drops.
std::u32string KeptCharacters(std::string_view typeText, std::u32string_view typed);

/// The in-place editor of one cell. Typed characters pass the column's keyboard filter; every
/// change (typed, pasted, dropped) passes the input rules of cell texts, and a refused change
/// leaves the text as it was.
class CellEditor : public QLineEdit
{
    Q_OBJECT

public:
    CellEditor(const QModelIndex &index, CodePageHas codePageHas, QWidget *parent = nullptr);
    ~CellEditor() override;

    const QPersistentModelIndex &index() const { return m_index; }
    /// Text written by code: neither filtered nor refused. The first one is the text the cell
    /// had when editing began.
    void setCellText(const QString &text);
    const QString &originalText() const { return m_originalText; }
    bool hasOriginalText() const { return m_textSet; }

    /// Set once the end of editing has been handled, so that it is handled only once.
    bool isClosed() const { return m_closed; }
    void markClosed() { m_closed = true; }

signals:
    /// A change was refused because saving would lose or corrupt @p character.
    void inputRefused(molvane::Refusal reason, const QString &character);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    QPersistentModelIndex m_index;
    std::string m_type;
    InputRulesValidator *m_rules;
    QString m_originalText;
    bool m_textSet = false;
    bool m_closed = false;
};

} // namespace molvane
