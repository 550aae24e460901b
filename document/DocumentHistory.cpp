#include "document/DocumentHistory.h"

namespace molvane {

bool SameContent(const Document &a, const Document &b)
{
    return a.reaction == b.reaction && a.language == b.language && a.fonts == b.fonts
        && a.FormulsList == b.FormulsList && a.subscriptPosition == b.subscriptPosition
        && a.grid.sameContentAs(b.grid);
}

DocumentHistory::DocumentHistory()
{
    reset(Document {});
}

void DocumentHistory::reset(Document document)
{
    m_document = std::move(document);
    m_states.assign(1, State { m_document, 0, EditKind::Other });
    m_index = 0;
    m_saved = m_document;
    m_typingRunOpen = false;
}

bool DocumentHistory::changedSinceCommit() const
{
    return !SameContent(m_document, m_states[m_index].document);
}

bool DocumentHistory::commit(EditKind kind, int caret)
{
    if (!changedSinceCommit()) {
        m_states[m_index].caret = caret;
        return false;
    }
    m_states.resize(m_index + 1); // what could be redone is gone
    const bool merges = kind == EditKind::Typing && m_typingRunOpen && m_index > 0
        && m_states[m_index].kind == EditKind::Typing;
    if (merges) {
        m_states[m_index] = State { m_document, caret, kind };
        // Typed and taken back again: the run leaves nothing to undo.
        if (SameContent(m_document, m_states[m_index - 1].document)) {
            m_states.pop_back();
            --m_index;
            m_typingRunOpen = false;
        }
    } else {
        m_states.push_back(State { m_document, caret, kind });
        ++m_index;
        if (m_states.size() > UndoLimit + 1) {
            m_states.erase(m_states.begin());
            --m_index;
        }
    }
    m_typingRunOpen = kind == EditKind::Typing && m_index > 0;
    return true;
}

bool DocumentHistory::undo()
{
    commit(EditKind::Other, caret());
    if (m_index == 0)
        return false;
    restore(m_index - 1);
    return true;
}

bool DocumentHistory::redo()
{
    if (!canRedo())
        return false;
    restore(m_index + 1);
    return true;
}

// The view keeps its sizes: a dragged column is not a step to go back over.
void DocumentHistory::restore(std::size_t index)
{
    m_index = index;
    Document restored = m_states[index].document;
    restored.grid.takeSizesFrom(m_document.grid);
    m_document = std::move(restored);
    m_typingRunOpen = false;
}

void DocumentHistory::markSaved()
{
    m_saved = m_document;
}

bool DocumentHistory::isModified() const
{
    return !SameContent(m_document, m_saved);
}

} // namespace molvane
