#include "editor/ReactionEditorModel.h"

#include "core/ReactionCharacters.h"
#include "core/ReactionText.h"
#include "editor/ReactionLayout.h"

#include <algorithm>

namespace molvane {

namespace {

bool isChargeCharacter(char c)
{
    return IsDigit(c) || c == '+' || c == '-';
}

// Whether @p caret stands inside a charge's braces: after its "{" and its digits and signs.
// A charge is short: the look back is bounded, so a long paste of digits stays linear.
bool insideCharge(const std::string &text, std::size_t caret)
{
    constexpr std::size_t LongestCharge = 16;
    const std::size_t limit = caret > LongestCharge ? caret - LongestCharge : 0;
    while (caret > limit && isChargeCharacter(text[caret - 1]))
        --caret;
    return caret > 0 && text[caret - 1] == '{';
}

// Types @p c at the caret. Inside a charge only digits and signs are typed; any other key
// first leaves it past its "}", written where it is still missing, and "}" does no more.
void typeAt(std::string &text, int &caret, char c)
{
    if (insideCharge(text, std::size_t(caret)) && !isChargeCharacter(c)) {
        std::size_t end = std::size_t(caret);
        while (end < text.size() && isChargeCharacter(text[end]))
            ++end;
        if (end == text.size() || text[end] != '}')
            text.insert(end, 1, '}');
        caret = int(end) + 1;
        if (c == '}')
            return;
    }
    text.insert(std::size_t(caret++), 1, c);
}

// Whether each character parts two substances: "+" and the arrow, but not a "+" inside a
// charge's braces, which belongs to its substance.
std::vector<bool> separators(const std::string &text)
{
    std::vector<bool> separator = ChargeCharacters(text);
    for (std::size_t i = 0; i < text.size(); ++i)
        separator[i] = text[i] == '>' || (text[i] == '+' && !separator[i]);
    return separator;
}

} // namespace

ReactionEditorModel::ReactionEditorModel(const GlyphMeasure &measure)
    : m_measure(measure)
{ }

int ReactionEditorModel::indexToX(int n) const
{
    return m_boundaries[std::clamp(n, 0, int(m_boundaries.size()) - 1)];
}

std::string ReactionEditorModel::selectedText() const
{
    if (!hasSelection())
        return m_text;
    return m_text.substr(
        std::size_t(selectionStart()), std::size_t(selectionEnd() - selectionStart()));
}

void ReactionEditorModel::setImageWidth(int width)
{
    m_imageWidth = width;
    scrollIntoView();
    drawReaction();
}

void ReactionEditorModel::resetText(std::string_view text)
{
    m_text = text;
    m_caret = m_anchor = m_firstVisible = 0;
    drawReaction();
}

void ReactionEditorModel::clearText()
{
    m_text.clear();
    m_caret = m_anchor = m_firstVisible = 0;
    drawReaction();
}

void ReactionEditorModel::writeBack(std::string_view text)
{
    m_text = text;
    // Coefficients were written in before the caret's characters: the end is where it was.
    m_caret = m_anchor = int(m_text.size());
    m_firstVisible = std::min(m_firstVisible, int(m_text.size()));
    drawReaction();
    scrollIntoView();
    drawReaction();
}

void ReactionEditorModel::drawReaction()
{
    const int origin = -indexToX(m_firstVisible);
    m_layout = LayoutReaction(m_text, origin, m_subscriptsPosition, m_measure);
    m_boundaries.assign(1, 0);
    for (const int width : m_layout.charWidths)
        m_boundaries.push_back(m_boundaries.back() + width);
}

void ReactionEditorModel::normalizeReaction(bool autoIdentify)
{
    EditedText normalised = molvane::NormalizeReaction(m_text, m_caret, autoIdentify);
    m_text = std::move(normalised.text);
    m_caret = m_anchor = normalised.caret;
    m_firstVisible = std::min(m_firstVisible, int(m_text.size()));
    drawReaction();
}

void ReactionEditorModel::prepareForBalance(bool autoIdentify)
{
    EditedText prepared = molvane::PrepareForBalance(m_text, m_caret, autoIdentify);
    m_text = std::move(prepared.text);
    m_caret = m_anchor = prepared.caret;
    m_firstVisible = std::min(m_firstVisible, int(m_text.size()));
    drawReaction();
}

void ReactionEditorModel::scrollIntoView()
{
    // The caret bound only matters for an image without width, where nothing would fit.
    while (indexToX(m_caret) - indexToX(m_firstVisible) >= m_imageWidth && m_firstVisible < m_caret)
        ++m_firstVisible;
    while (indexToX(m_caret) - indexToX(m_firstVisible) < 0 && m_firstVisible > 0)
        --m_firstVisible;
    // A wider image shows as much as fits: hidden characters come back while the end fits.
    const int end = indexToX(int(m_boundaries.size()) - 1);
    while (m_firstVisible > 0 && end - indexToX(m_firstVisible - 1) < m_imageWidth)
        --m_firstVisible;
}

void ReactionEditorModel::keyDown(EditKey key, const KeyOptions &options, bool extend)
{
    const int drawn = int(m_layout.charWidths.size());
    const bool deleting = key == EditKey::Delete || key == EditKey::Backspace
        || key == EditKey::DeleteSubstance || key == EditKey::BackspaceSubstance;
    const bool moving = key == EditKey::Right || key == EditKey::Left || key == EditKey::Home
        || key == EditKey::End;
    const bool collapsing = hasSelection() && !extend;
    if (deleting && eraseSelection())
        key = EditKey::Other;
    switch (key) {
    case EditKey::Right:
        if (collapsing)
            m_caret = selectionEnd();
        else if (m_caret < drawn)
            ++m_caret;
        break;
    case EditKey::Left:
        if (collapsing)
            m_caret = selectionStart();
        else if (m_caret > 0)
            --m_caret;
        break;
    case EditKey::Delete:
        if (m_caret < int(m_text.size()))
            m_text.erase(m_caret, 1);
        break;
    case EditKey::Backspace:
        if (m_caret > 0 && m_caret <= int(m_text.size()))
            m_text.erase(--m_caret, 1);
        break;
    case EditKey::Home:
        m_caret = 0;
        break;
    case EditKey::End:
        m_caret = drawn;
        break;
    case EditKey::DeleteSubstance:
    case EditKey::BackspaceSubstance:
        deleteSubstance(key == EditKey::DeleteSubstance);
        break;
    case EditKey::Other:
        break;
    }
    m_caret = std::min(m_caret, int(m_text.size()));
    if ((moving && !extend) || deleting)
        m_anchor = m_caret;
    m_anchor = std::min(m_anchor, int(m_text.size()));
    scrollIntoView();
    if (deleting)
        normalizeReaction(options.autoIdentify);
    else
        drawReaction();
}

// Removes the selected characters, the caret where they were; false when none are selected.
bool ReactionEditorModel::eraseSelection()
{
    if (!hasSelection())
        return false;
    const int start = selectionStart();
    m_text.erase(std::size_t(start), std::size_t(selectionEnd() - start));
    m_caret = m_anchor = start;
    return true;
}

// Separators right at the caret go first, then the substance up to the next separator, as a
// word and the blanks before it go with Ctrl+Backspace in a text box.
void ReactionEditorModel::deleteSubstance(bool forward)
{
    const int size = int(m_text.size());
    const std::vector<bool> separator = separators(m_text);
    const auto separatorAt = [&](int i) { return separator[std::size_t(i)]; };
    int caret = std::min(m_caret, size);
    int end = caret;
    if (forward) {
        while (end < size && separatorAt(end))
            ++end;
        while (end < size && !separatorAt(end))
            ++end;
    } else {
        while (caret > 0 && separatorAt(caret - 1))
            --caret;
        while (caret > 0 && !separatorAt(caret - 1))
            --caret;
        end = std::min(m_caret, size);
    }
    m_text.erase(std::size_t(caret), std::size_t(end - caret));
    m_caret = m_anchor = caret;
}

bool ReactionEditorModel::keyPress(char typed, const KeyOptions &options)
{
    const char c = MapTypedCharacter(typed, options);
    if (c == '\r')
        return true;
    // A key that types nothing (Escape, Ctrl with a letter) leaves the text as it is.
    if (!IsInsertable(c))
        return false;
    eraseSelection();
    typeAt(m_text, m_caret, c);
    normalizeReaction(options.autoIdentify);
    scrollIntoView();
    normalizeReaction(options.autoIdentify); // drawn again with the new widths and the final view
    return false;
}

void ReactionEditorModel::typeText(std::string_view typed, const KeyOptions &options)
{
    bool inserted = false; // a key that inserts nothing leaves the text as it is
    // What a typed character removes or changes depends only on what stands before it, and
    // nothing follows the caret: normalising once removes what each key would have removed.
    for (const char typedChar : typed) {
        const char c = MapTypedCharacter(typedChar, options);
        if (IsInsertable(c)) {
            typeAt(m_text, m_caret, c);
            inserted = true;
        }
    }
    if (!inserted)
        return;
    normalizeReaction(options.autoIdentify);
    scrollIntoView();
    normalizeReaction(options.autoIdentify);
}

int ReactionEditorModel::boundaryAt(int x) const
{
    const int drawn = int(m_layout.charWidths.size());
    const int target = x + indexToX(m_firstVisible);
    const auto first = std::lower_bound(m_boundaries.begin(), m_boundaries.end(), target);
    const int index = first == m_boundaries.end() ? drawn : int(first - m_boundaries.begin());
    return std::min(index, int(m_text.size()));
}

void ReactionEditorModel::placeCaret(int x, bool extend)
{
    m_caret = boundaryAt(x);
    if (!extend)
        m_anchor = m_caret;
    scrollIntoView();
    drawReaction();
}

void ReactionEditorModel::selectAll()
{
    m_anchor = 0;
    m_caret = int(m_text.size());
    scrollIntoView();
    drawReaction();
}

void ReactionEditorModel::selectSubstanceAt(int x)
{
    const std::vector<bool> separator = separators(m_text);
    const auto separatorAt = [&](int i) { return separator[std::size_t(i)]; };
    // The character under the point, not the boundary after it.
    int start = std::max(0, boundaryAt(x) - 1);
    if (start < int(m_text.size()) && separatorAt(start)) {
        m_anchor = start;
        m_caret = start + 1;
    } else {
        int end = start;
        while (start > 0 && !separatorAt(start - 1))
            --start;
        while (end < int(m_text.size()) && !separatorAt(end))
            ++end;
        m_anchor = start;
        m_caret = end;
    }
    scrollIntoView();
    drawReaction();
}

void ReactionEditorModel::replaceSelection(std::string_view text, bool autoIdentify)
{
    eraseSelection();
    m_text.insert(std::size_t(m_caret), text);
    m_caret += int(text.size());
    normalizeReaction(autoIdentify);
    scrollIntoView();
    normalizeReaction(autoIdentify);
}

void ReactionEditorModel::setCaretIndex(int index)
{
    m_caret = m_anchor = std::clamp(index, 0, int(m_text.size()));
    scrollIntoView();
    drawReaction();
}

void ReactionEditorModel::showText(std::string_view text, int caret)
{
    m_text = text;
    m_caret = m_anchor = std::clamp(caret, 0, int(m_text.size()));
    m_firstVisible = std::min(m_firstVisible, m_caret);
    drawReaction();
    scrollIntoView();
    drawReaction();
}

} // namespace molvane
