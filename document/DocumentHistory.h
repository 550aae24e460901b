#pragma once

#include "document/Document.h"

#include <cstddef>
#include <vector>

namespace molvane {

/// What a step of the history was made by. Typed characters merge into one step until the run
/// ends (a pause, a caret jump, another key); every other change is a step of its own.
enum class EditKind { Typing, Other };

/// The open document and its history: the one owner of the reaction, the grid, the fonts, the
/// formulas and the items. Views edit document() in place and then commit the change as one
/// step; undo and redo go back and forth through the steps. The document is modified exactly
/// when its content differs from the state last saved or opened.
class DocumentHistory
{
public:
    /// At most this many steps can be undone; the oldest go first.
    static constexpr std::size_t UndoLimit = 200;

    DocumentHistory();

    /// Starts over at @p document (New, Open): nothing to undo or redo, and it is saved.
    void reset(Document document);

    /// The document as it stands, with any change not committed yet.
    Document &document() { return m_document; }
    const Document &document() const { return m_document; }

    /// Makes the document as it stands a step, after which the reaction's caret was @p caret.
    /// False when its content is that of the last step: nothing happened, nothing is recorded.
    bool commit(EditKind kind, int caret);
    /// The next typed character starts a step of its own.
    void endTypingRun() { m_typingRunOpen = false; }

    bool canUndo() const { return m_index > 0 || changedSinceCommit(); }
    bool canRedo() const { return m_index + 1 < m_states.size() && !changedSinceCommit(); }
    /// Back or forth one step (a change not committed yet is committed first); false when
    /// there was none. The view shows document() again, its caret at caret().
    bool undo();
    bool redo();
    int caret() const { return m_states[m_index].caret; }

    /// The document as it stands is what the file now holds.
    void markSaved();
    bool isModified() const;

private:
    struct State
    {
        Document document;
        int caret = 0;
        EditKind kind = EditKind::Other;
    };

    bool changedSinceCommit() const;
    void restore(std::size_t index);

    Document m_document;
    std::vector<State> m_states; ///< every step, the current one at m_index
    std::size_t m_index = 0;
    Document m_saved;
    bool m_typingRunOpen = false;
};

/// The same content: what a file would hold, but for the view's sizes.
bool SameContent(const Document &a, const Document &b);

} // namespace molvane
