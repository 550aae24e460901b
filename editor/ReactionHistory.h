#pragma once

#include <optional>
#include <string>
#include <vector>

namespace molvane {

/// The reaction text with its caret, as one step of the editor's history keeps it.
struct ReactionSnapshot
{
    std::string text;
    int caret = 0;
};

/// The undo and redo steps of the reaction editor. It holds the state the editor last
/// committed; a commit with another text makes that state a step to go back to and drops
/// what could be redone. Only text changes are steps: a caret that moved alone is not.
class ReactionHistory
{
public:
    /// Starts a new history at @p current: nothing to undo or redo.
    void reset(ReactionSnapshot current);
    /// @p current is the editor's state after a change; false when its text is the last one.
    bool commit(ReactionSnapshot current);

    bool canUndo() const { return !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    /// The state before the last step, which becomes one to redo; none when there is none.
    std::optional<ReactionSnapshot> undo();
    /// The state the last undo left; none when there is none.
    std::optional<ReactionSnapshot> redo();

    const ReactionSnapshot &current() const { return m_current; }

private:
    std::optional<ReactionSnapshot> step(
        std::vector<ReactionSnapshot> &from, std::vector<ReactionSnapshot> &to);

    ReactionSnapshot m_current;
    std::vector<ReactionSnapshot> m_undo;
    std::vector<ReactionSnapshot> m_redo;
};

} // namespace molvane
