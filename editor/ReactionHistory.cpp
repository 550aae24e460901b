#include "editor/ReactionHistory.h"

#include <utility>

namespace molvane {

namespace {

// Reactions are short: this many steps cost little and reach back far.
constexpr std::size_t MaxSteps = 500;

} // namespace

void ReactionHistory::reset(ReactionSnapshot current)
{
    m_current = std::move(current);
    m_undo.clear();
    m_redo.clear();
}

bool ReactionHistory::commit(ReactionSnapshot current)
{
    if (current.text == m_current.text) {
        m_current.caret = current.caret;
        return false;
    }
    m_undo.push_back(std::exchange(m_current, std::move(current)));
    if (m_undo.size() > MaxSteps)
        m_undo.erase(m_undo.begin());
    m_redo.clear();
    return true;
}

std::optional<ReactionSnapshot> ReactionHistory::undo()
{
    return step(m_undo, m_redo);
}

std::optional<ReactionSnapshot> ReactionHistory::redo()
{
    return step(m_redo, m_undo);
}

// The last state of @p from becomes the current one, and the current one the last of @p to.
std::optional<ReactionSnapshot> ReactionHistory::step(
    std::vector<ReactionSnapshot> &from, std::vector<ReactionSnapshot> &to)
{
    if (from.empty())
        return std::nullopt;
    to.push_back(std::exchange(m_current, std::move(from.back())));
    from.pop_back();
    return m_current;
}

} // namespace molvane
