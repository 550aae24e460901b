#pragma once

#include <QAccessibleWidget>

namespace molvane {

class ReactionEditor;

/// What assistive technology reads of the painted reaction editor: an editable line of text
/// with its caret, its pieces being the substances and the separators between them.
class ReactionEditorAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit ReactionEditorAccessible(ReactionEditor *editor);

    void *interface_cast(QAccessible::InterfaceType type) override;
    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
        int *startOffset, int *endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
        int *startOffset, int *endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int *startOffset,
        int *endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int, int) override { }
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    ReactionEditor *editor() const;
    QString content() const;
};

/// The factory QAccessible asks for the editor's interface.
QAccessibleInterface *ReactionEditorAccessibleFactory(const QString &className, QObject *object);

} // namespace molvane
