#pragma once

#include "core/ReactionFault.h"
#include "editor/KeyOptions.h"
#include "editor/ReactionEditorModel.h"
#include "export/ReactionPainter.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QTimer>
#include <QWidget>

class QPainter;

#include <functional>
#include <memory>

namespace molvane {

/// The one-line reaction editor: paints the reaction on an image of its own, with a caret,
/// and turns keys, clicks and the clipboard into edits of its model.
class ReactionEditor : public QWidget
{
    Q_OBJECT

public:
    explicit ReactionEditor(QWidget *parent = nullptr);
    ~ReactionEditor() override;

    const ReactionEditorModel &model() const { return *m_model; }
    QImage image() const { return m_image; }

    void setFonts(const ReactionFonts &fonts);
    const ReactionFonts &fonts() const { return m_fonts; }
    /// Read at every key, so a change takes effect with the next one.
    void setKeyOptionsSource(std::function<KeyOptions()> source);

    /// Replaces the whole text (new or opened document): caret and view to the start.
    void resetText(const QString &text);
    /// The balanced text written back; the caret goes to its end.
    void writeBack(const QString &text);
    QString text() const;
    /// Keeps the text well formed.
    void normalizeReaction();
    /// Removes blanks and normalises: the first step of Balance.
    void prepareForBalance();
    /// Paints the current text again (after a font change, for example).
    void drawReaction();

    /// While on, a click asks for help instead of editing and the caret does not blink.
    void setHelpMode(bool on);

    /// Copies the selection; all of the reaction when nothing is selected.
    void reactionCopy() const;
    /// Types the clipboard's text into an emptied reaction, character by character; with a
    /// selection, puts the text read in its place.
    void reactionPaste();
    /// The caret to character @p index, as assistive technology may ask.
    void setCaretIndex(int index);

    /// A text the document went back or forth to: the caret at @p caret.
    void showText(const QString &text, int caret);
    /// Whether a paste is still typing.
    bool isPasting() const { return !m_pending.isEmpty(); }

    /// Drops what a paste has not typed yet.
    void stopPaste();
    /// Holds a paste still typing, e.g. while a question is open; resumePaste goes on with it.
    void pausePaste();
    void resumePaste();

signals:
    /// Enter was typed: run Balance.
    void balanceRequested();
    /// The user changed the text: by a typing key (@p typing), or by another key or a paste
    /// (one signal per pasted character; isPasting() is false at the last).
    void reactionEdited(bool typing);
    /// A key or click that changed no text: a run of typing ends.
    void typingInterrupted();
    /// Clicked while help mode is on.
    void helpRequested();
    /// Automatic letter case just read the typed letters @p typed as the element @p symbol,
    /// where the capitals @p other would name two elements.
    void letterCaseRead(const QString &typed, const QString &symbol, const QString &other);
    /// A paste's digits before a sign @p typed were read as the ion @p taken, where the reading
    /// @p other balanced too.
    void chargeReadingTaken(const QString &typed, const QString &taken, const QString &other);
    /// A paste was refused, and why (digits that may be a count or a charge...).
    void pasteRefused(const molvane::ReactionFault &why);
    /// The text or the caret may have changed, and with them what undo and redo can do.
    void edited();

protected:
    void changeEvent(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    void showCaretNow();
    void paintLayout();
    void renderImage();
    void paintSelection(QPainter &painter);
    bool editCommand(const QKeyEvent &event);
    ReactionPaper paper() const;
    void typeCharacter(char c);
    void announceChange();
    void pasteTyped();
    void pasteNext();
    KeyOptions keyOptions() const;

    ReactionFonts m_fonts;
    std::unique_ptr<ReactionGlyphs> m_measure;
    ReactionFonts m_selectionFonts; ///< the fonts without their colours: the selection's text
    std::unique_ptr<ReactionGlyphs> m_selectionGlyphs;
    std::unique_ptr<ReactionEditorModel> m_model;
    std::function<KeyOptions()> m_keyOptions;
    QImage m_image;
    QTimer m_blinkTim;
    bool m_caretShown = false;
    bool m_helpMode = false;
    QTimer m_pasteTimer;
    QByteArray m_pending; ///< pasted characters not typed yet
    QString m_announcedText; ///< the text assistive technology was last told of
    int m_announcedCaret = 0;
};

} // namespace molvane
