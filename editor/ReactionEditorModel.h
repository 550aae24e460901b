#pragma once

#include "editor/KeyOptions.h"
#include "editor/ReactionLayout.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace molvane {

/// Editing keys of the reaction editor; every other key only redraws. The two substance keys
/// delete up to the next or previous "+" or arrow (Ctrl+Delete and Ctrl+Backspace).
enum class EditKey {
    Right,
    Left,
    Delete,
    Backspace,
    Home,
    End,
    DeleteSubstance,
    BackspaceSubstance,
    Other
};

/// The reaction editor without its widget: the text, the caret, the horizontal view and the
/// layout of the last drawing. Every drawing measures through the GlyphMeasure given.
class ReactionEditorModel
{
public:
    explicit ReactionEditorModel(const GlyphMeasure &measure);

    const std::string &text() const { return m_text; }
    int caretIndex() const { return m_caret; }
    /// The other end of the selection; the caret's index when nothing is selected.
    int anchorIndex() const { return m_anchor; }
    bool hasSelection() const { return m_anchor != m_caret; }
    int selectionStart() const { return std::min(m_anchor, m_caret); }
    int selectionEnd() const { return std::max(m_anchor, m_caret); }
    /// The selected characters; the whole text when nothing is selected.
    std::string selectedText() const;
    int firstVisible() const { return m_firstVisible; }
    const ReactionLayout &layout() const { return m_layout; }
    const std::vector<int> &charWidths() const { return m_layout.charWidths; }

    /// Pixel offset of character boundary @p n in the last drawing (clamped to its length).
    int indexToX(int n) const;
    /// The caret's x on the image.
    int caretX() const { return indexToX(m_caret) - indexToX(m_firstVisible); }

    /// A new width: the view keeps the caret on the image and shows as much as fits.
    void setImageWidth(int width);
    int imageWidth() const { return m_imageWidth; }
    void setSubscriptsPosition(int pixels) { m_subscriptsPosition = pixels; }

    /// A new text as a whole (new or opened document): caret and view to the start.
    void resetText(std::string_view text);
    /// A text the document went back or forth to (undo, redo): the caret at @p caret, in view.
    void showText(std::string_view text, int caret);
    /// Empties the text for a paste.
    void clearText();
    /// The text written back by Balance: the caret keeps its index where it still can.
    void writeBack(std::string_view text);

    /// Lays the text out again with the widths of the previous drawing for its origin.
    void drawReaction();
    /// Keeps the text well formed (see the free NormalizeReaction), then draws.
    void normalizeReaction(bool autoIdentify);
    /// The text Balance analyses: blanks removed (they are not part of a reaction), then
    /// normalised, then drawn.
    void prepareForBalance(bool autoIdentify);
    /// Moves the view so the caret lies on the image.
    void scrollIntoView();

    /// An editing key; with @p extend (Shift) a caret key moves the caret and keeps the anchor.
    /// Delete and Backspace take the selection when there is one.
    void keyDown(EditKey key, const KeyOptions &options, bool extend = false);
    /// Types @p typed in place of the selection; true when it was Enter, which asks for
    /// Balance. A key that inserts nothing changes nothing.
    bool keyPress(char typed, const KeyOptions &options);
    /// With the caret at the end of the text (a paste empties the reaction first), types every
    /// character of @p typed as keyPress would, but normalises and draws once, so that a long
    /// paste takes no longer than one key: the same text, caret and view. Enter types nothing
    /// here; a caller that must run Balance at an Enter types key by key.
    void typeText(std::string_view typed, const KeyOptions &options);
    /// The caret to the first character boundary at or right of image position @p x; with
    /// @p extend (a mouse drag) the anchor stays.
    void placeCaret(int x, bool extend = false);
    void selectAll();
    /// Selects the substance at image position @p x: from the separator before to the next.
    void selectSubstanceAt(int x);
    /// Puts @p text, already in the program's own form, in place of the selection, normalised.
    void replaceSelection(std::string_view text, bool autoIdentify);
    /// The caret to character boundary @p index (clamped to the text).
    void setCaretIndex(int index);

private:
    void deleteSubstance(bool forward);
    bool eraseSelection();
    int boundaryAt(int x) const;

    const GlyphMeasure &m_measure;
    std::string m_text;
    int m_caret = 0;
    int m_anchor = 0;
    int m_firstVisible = 0;
    int m_imageWidth = 1;
    int m_subscriptsPosition = 0;
    ReactionLayout m_layout;
    std::vector<int> m_boundaries { 0 }; ///< indexToX of every boundary of the last drawing
};

} // namespace molvane
