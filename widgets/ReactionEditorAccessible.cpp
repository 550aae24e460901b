#include "widgets/ReactionEditorAccessible.h"

#include "widgets/ReactionEditor.h"

#include <algorithm>
#include <utility>

namespace molvane {

namespace {

bool isSeparator(QChar ch)
{
    return ch == '+' || ch == '>';
}

// The piece of @p text that holds @p offset: one character, one substance or separator (a
// reaction's words), or the whole line.
std::pair<int, int> pieceAt(const QString &text, int offset, QAccessible::TextBoundaryType type)
{
    const int length = int(text.size());
    if (type == QAccessible::CharBoundary)
        return { offset, std::min(offset + 1, length) };
    if (type != QAccessible::WordBoundary)
        return { 0, length };
    if (offset < length && isSeparator(text.at(offset)))
        return { offset, offset + 1 };
    int start = offset;
    int end = offset;
    while (start > 0 && !isSeparator(text.at(start - 1)))
        --start;
    while (end < length && !isSeparator(text.at(end)))
        ++end;
    return { start, end };
}

QString piece(const QString &text, std::pair<int, int> range, int *startOffset, int *endOffset)
{
    *startOffset = range.first;
    *endOffset = range.second;
    return text.mid(range.first, range.second - range.first);
}

} // namespace

ReactionEditorAccessible::ReactionEditorAccessible(ReactionEditor *editor)
    : QAccessibleWidget(editor, QAccessible::EditableText)
{ }

ReactionEditor *ReactionEditorAccessible::editor() const
{
    return static_cast<ReactionEditor *>(widget());
}

QString ReactionEditorAccessible::content() const
{
    return editor()->text();
}

void *ReactionEditorAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

QString ReactionEditorAccessible::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return content();
    return QAccessibleWidget::text(kind);
}

QAccessible::State ReactionEditorAccessible::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.selectableText = true;
    return state;
}

void ReactionEditorAccessible::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
}

int ReactionEditorAccessible::cursorPosition() const
{
    return editor()->model().caretIndex();
}

void ReactionEditorAccessible::setCursorPosition(int position)
{
    editor()->setCaretIndex(position);
}

QString ReactionEditorAccessible::text(int startOffset, int endOffset) const
{
    return content().mid(startOffset, endOffset - startOffset);
}

QString ReactionEditorAccessible::textAtOffset(
    int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset, int *endOffset) const
{
    const QString text = content();
    if (offset == -2)
        offset = cursorPosition();
    offset = std::clamp(offset, 0, int(text.size()));
    return piece(text, pieceAt(text, offset, boundaryType), startOffset, endOffset);
}

QString ReactionEditorAccessible::textBeforeOffset(
    int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset, int *endOffset) const
{
    const QString text = content();
    if (offset == -2)
        offset = cursorPosition();
    const int start = pieceAt(text, std::clamp(offset, 0, int(text.size())), boundaryType).first;
    if (start == 0)
        return piece(text, { 0, 0 }, startOffset, endOffset);
    return piece(text, pieceAt(text, start - 1, boundaryType), startOffset, endOffset);
}

QString ReactionEditorAccessible::textAfterOffset(
    int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset, int *endOffset) const
{
    const QString text = content();
    const int length = int(text.size());
    if (offset == -2)
        offset = cursorPosition();
    const int end = pieceAt(text, std::clamp(offset, 0, length), boundaryType).second;
    if (end >= length)
        return piece(text, { length, length }, startOffset, endOffset);
    return piece(text, pieceAt(text, end, boundaryType), startOffset, endOffset);
}

int ReactionEditorAccessible::characterCount() const
{
    return int(content().size());
}

// In screen coordinates, as the interface asks.
QRect ReactionEditorAccessible::characterRect(int offset) const
{
    const ReactionEditorModel &model = editor()->model();
    const int origin = model.indexToX(model.firstVisible());
    const int left = model.indexToX(offset) - origin;
    const int right = model.indexToX(offset + 1) - origin;
    const QRect local(left, 0, std::max(1, right - left), editor()->height());
    return QRect(editor()->mapToGlobal(local.topLeft()), local.size());
}

int ReactionEditorAccessible::offsetAtPoint(const QPoint &point) const
{
    const ReactionEditorModel &model = editor()->model();
    const int x = editor()->mapFromGlobal(point).x() + model.indexToX(model.firstVisible());
    for (int i = 0; i < characterCount(); ++i) {
        if (x < model.indexToX(i + 1))
            return x >= model.indexToX(i) ? i : -1;
    }
    return -1;
}

QString ReactionEditorAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

QAccessibleInterface *ReactionEditorAccessibleFactory(const QString &className, QObject *object)
{
    auto *editor = qobject_cast<ReactionEditor *>(object);
    if (editor && className == QLatin1String(ReactionEditor::staticMetaObject.className()))
        return new ReactionEditorAccessible(editor);
    return nullptr;
}

} // namespace molvane
