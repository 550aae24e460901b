#include "widgets/ReactionEditor.h"

#include "core/CommonNotation.h"
#include "core/ReactionCharacters.h"
#include "core/ReactionSyntax.h"
#include "core/ReactionText.h"
#include "core/TypedReaction.h"
#include "document/QtText.h"
#include "document/Windows1256.h"
#include "export/ClipboardForms.h"
#include "widgets/ReactionEditorAccessible.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMimeData>
#include <QPainter>

#include <algorithm>

namespace molvane {

namespace {

// The model holds one byte per character: the document's code page, so that every character
// a document can hold is kept and painted as itself.
std::string codePageBytes(const QString &text)
{
    return ToWindows1256Or(text.toStdString(), '?');
}

EditKey editKeyOf(int key, Qt::KeyboardModifiers modifiers = {})
{
    // Ctrl with Delete or Backspace takes a whole substance.
    const bool control = modifiers & Qt::ControlModifier;
    switch (key) {
    case Qt::Key_Right:
        return EditKey::Right;
    case Qt::Key_Left:
        return EditKey::Left;
    case Qt::Key_Delete:
        return control ? EditKey::DeleteSubstance : EditKey::Delete;
    case Qt::Key_Backspace:
        return control ? EditKey::BackspaceSubstance : EditKey::Backspace;
    case Qt::Key_Home:
        return EditKey::Home;
    case Qt::Key_End:
        return EditKey::End;
    default:
        return EditKey::Other;
    }
}

// What a key types. Ctrl with a letter is a command (the window's, or one not assigned, such
// as Ctrl+Z with nothing to undo), never the letter, whatever text the platform gives it;
// Ctrl with Alt may be AltGr.
QString typedText(const QKeyEvent &event)
{
    QString typed = event.text();
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    // Ctrl+Alt is AltGr on some keyboards and types; Alt alone is a menu's access key, and one
    // no menu takes types nothing either.
    if ((modifiers & Qt::ControlModifier) && (modifiers & Qt::AltModifier))
        return typed;
    if (modifiers & (Qt::AltModifier | Qt::MetaModifier))
        return {};
    if (modifiers & Qt::ControlModifier)
        typed.removeIf([](QChar ch) { return ch.isLetter(); });
    return typed;
}

// A key that edits the text or moves the caret: the keys of the table above, a printable
// character or Enter. Bare modifiers and unassigned combinations change nothing.
// A key that types or takes back one character: its changes merge into one undo step.
bool isTypingKey(const QKeyEvent &event)
{
    const EditKey key = editKeyOf(event.key(), event.modifiers());
    if (key == EditKey::Backspace || key == EditKey::Delete)
        return true;
    const QString typed = typedText(event);
    return std::any_of(typed.begin(), typed.end(), [](QChar ch) { return ch.isPrint(); });
}

// Shift for a capital is part of typing.
bool isModifier(const QKeyEvent &event)
{
    switch (event.key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
    case Qt::Key_AltGr:
        return true;
    default:
        return false;
    }
}

bool isEnter(const QKeyEvent &event)
{
    return event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter;
}

// Past this many characters a paste types without pausing, so it never takes long.
constexpr int PausedPasteLimit = 200;
constexpr int PastePauseMs = 10;

} // namespace

ReactionEditor::ReactionEditor(QWidget *parent)
    : QWidget(parent)
    , m_fonts(ReactionFonts::startup())
    , m_measure(std::make_unique<ReactionGlyphs>(m_fonts))
    , m_selectionFonts(m_fonts)
    , m_selectionGlyphs(std::make_unique<ReactionGlyphs>(m_selectionFonts))
    , m_model(std::make_unique<ReactionEditorModel>(*m_measure))
{
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setLayoutDirection(Qt::LeftToRight); // a reaction reads left to right in every language
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    static const bool accessible
        = (QAccessible::installFactory(&ReactionEditorAccessibleFactory), true);
    Q_UNUSED(accessible);
    connect(this, &ReactionEditor::edited, this, &ReactionEditor::announceChange);

    m_blinkTim.setInterval(500);
    connect(&m_blinkTim, &QTimer::timeout, this, &ReactionEditor::showCaretNow);
    m_blinkTim.start();
    m_pasteTimer.setSingleShot(true);
    connect(&m_pasteTimer, &QTimer::timeout, this, &ReactionEditor::pasteNext);
    drawReaction();
}

ReactionEditor::~ReactionEditor() = default;

void ReactionEditor::setFonts(const ReactionFonts &fonts)
{
    m_fonts = fonts;
    m_measure->fontsChanged();
    m_selectionFonts = fonts;
    m_selectionFonts.reactionColor = m_selectionFonts.numbersColor
        = m_selectionFonts.subscriptsColor = QColor();
    m_selectionGlyphs->fontsChanged();
    m_model->setSubscriptsPosition(fonts.subscriptsPosition);
    drawReaction();
}

void ReactionEditor::setKeyOptionsSource(std::function<KeyOptions()> source)
{
    m_keyOptions = std::move(source);
}

KeyOptions ReactionEditor::keyOptions() const
{
    return m_keyOptions ? m_keyOptions() : KeyOptions {};
}

void ReactionEditor::stopPaste()
{
    m_pasteTimer.stop();
    m_pending.clear();
}

void ReactionEditor::pausePaste()
{
    m_pasteTimer.stop();
}

void ReactionEditor::resumePaste()
{
    if (!m_pending.isEmpty())
        m_pasteTimer.start(PastePauseMs);
}

void ReactionEditor::resetText(const QString &text)
{
    stopPaste();
    m_model->resetText(codePageBytes(text));
    paintLayout();
}

void ReactionEditor::writeBack(const QString &text)
{
    m_model->writeBack(codePageBytes(text));
    paintLayout();
}

void ReactionEditor::showText(const QString &text, int caret)
{
    stopPaste();
    m_model->showText(codePageBytes(text), caret);
    paintLayout();
    showCaretNow();
}

void ReactionEditor::setCaretIndex(int index)
{
    m_model->setCaretIndex(index);
    paintLayout();
    showCaretNow();
}

// Screen readers follow the text and the caret through these events.
void ReactionEditor::announceChange()
{
    const QString now = text();
    const int caret = m_model->caretIndex();
    if (now == m_announcedText && caret == m_announcedCaret)
        return;
    const QString before = std::exchange(m_announcedText, now);
    m_announcedCaret = caret;
    if (now != before) {
        QAccessibleTextUpdateEvent update(this, 0, before, now);
        QAccessible::updateAccessibility(&update);
    }
    QAccessibleTextCursorEvent cursor(this, caret);
    QAccessible::updateAccessibility(&cursor);
}

QString ReactionEditor::text() const
{
    return ToQString(FromWindows1256(QByteArrayView(m_model->text())));
}

void ReactionEditor::normalizeReaction()
{
    m_model->normalizeReaction(keyOptions().autoIdentify);
    paintLayout();
}

void ReactionEditor::prepareForBalance()
{
    m_model->prepareForBalance(keyOptions().autoIdentify);
    paintLayout();
}

void ReactionEditor::drawReaction()
{
    m_model->drawReaction();
    paintLayout();
}

// Paints the model's last layout on the editor image: cells of the palette's base, glyphs at
// their places.
void ReactionEditor::paintLayout()
{
    renderImage();
    update();
    emit edited();
}

// The image has the screen's pixels, not the widget's, so that it is sharp at any scale.
void ReactionEditor::renderImage()
{
    const ReactionLayout &layout = m_model->layout();
    if (height() != layout.imageHeight)
        setFixedHeight(layout.imageHeight);
    const QSize size(qMax(1, width()), layout.imageHeight);
    const qreal ratio = devicePixelRatioF();
    m_image = QImage((QSizeF(size) * ratio).toSize(), QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    const ReactionPaper paper = this->paper();
    m_image.fill(paper.background);
    QPainter painter(&m_image);
    painter.setClipRect(QRect(QPoint(), size));
    PaintReactionLayout(painter, layout, *m_measure, paper);
    paintSelection(painter);
    m_caretShown = false;
}

// The selected characters on the palette's highlight, in its text colour, as in a text box.
void ReactionEditor::paintSelection(QPainter &painter)
{
    const ReactionEditorModel &model = *m_model;
    if (!model.hasSelection())
        return;
    const int origin = model.indexToX(model.firstVisible());
    const int left = model.indexToX(model.selectionStart()) - origin;
    const int right = model.indexToX(model.selectionEnd()) - origin;
    const QRect band = QRect(left, 0, right - left, model.layout().imageHeight)
                           .intersected(QRect(0, 0, qMax(1, width()), model.layout().imageHeight));
    if (band.isEmpty())
        return;
    const ReactionPaper selected { palette().color(QPalette::Highlight),
        palette().color(QPalette::HighlightedText) };
    painter.save();
    painter.setClipRect(band);
    painter.fillRect(band, selected.background);
    PaintReactionLayout(painter, model.layout(), *m_selectionGlyphs, selected);
    painter.restore();
}

void ReactionEditor::showCaretNow()
{
    const int flash = QApplication::cursorFlashTime();
    m_blinkTim.setInterval(flash > 0 ? flash / 2 : 500);
    m_caretShown = !m_caretShown;
    QPainter painter(&m_image);
    const ReactionPaper paper = this->paper();
    const int x = m_model->caretX();
    // Hidden, the caret takes the colour of what it stands on: the selection's start is in it.
    const ReactionEditorModel &model = *m_model;
    const bool onSelection = model.hasSelection() && model.caretIndex() == model.selectionStart();
    const QColor under = onSelection ? palette().color(QPalette::Highlight) : paper.background;
    painter.setPen(m_caretShown ? paper.text : under);
    painter.drawLine(x, 1, x, m_image.height() - 3);
    update();
}

void ReactionEditor::setHelpMode(bool on)
{
    m_helpMode = on;
    setCursor(on ? Qt::WhatsThisCursor : Qt::IBeamCursor);
    if (on)
        m_blinkTim.stop();
}

void ReactionEditor::reactionCopy() const
{
    // The selection (all of the text when there is none) as typed, and for word processors and
    // slides the same with its subscripts and charges kept, as HTML and as the editor's picture.
    const std::string selected = m_model->selectedText();
    const QString plain
        = ToQString(FromWindows1256(QByteArrayView(selected.data(), qsizetype(selected.size()))));
    auto *data = new QMimeData;
    data->setText(plain);
    if (!plain.isEmpty()) {
        data->setHtml(QString::fromStdString(ReactionHtml(plain.toStdString())));
        data->setImageData(
            ReactionImage(selected, *m_measure, m_fonts.subscriptsPosition, devicePixelRatioF()));
    }
    QApplication::clipboard()->setMimeData(data);
}

void ReactionEditor::reactionPaste()
{
    const QString pasted = QApplication::clipboard()->text();
    if (pasted.isNull())
        return;
    // A reaction in common notation ("C₆H₁₂O₆ + O₂ → CO₂ + H₂O") is typed as the editor writes
    // it; one whose reading is unclear is refused with the readings it may have, and the
    // reaction stays as it was.
    const PastedReaction read = ReadPastedReaction(pasted.toStdString(), keyOptions().autoIdentify);
    if (read.refusal.cause != FaultCause::None) {
        emit pasteRefused(read.refusal);
        return;
    }
    for (const ChargeReadingNote &note : read.chargeNotes)
        emit chargeReadingTaken(QString::fromStdString(note.typed),
            QString::fromStdString(note.taken), QString::fromStdString(note.other));
    stopPaste();
    if (m_model->hasSelection()) {
        m_model->replaceSelection(
            codePageBytes(QString::fromStdString(read.text)), keyOptions().autoIdentify);
        paintLayout();
        showCaretNow();
        pasteTyped();
        return;
    }
    // Emptied, not reset: the paste is one step of the history.
    m_model->clearText();
    m_pending = QString::fromStdString(read.text).toLatin1();
    if (m_pending.isEmpty()) {
        paintLayout();
        pasteTyped();
        return;
    }
    if (m_pending.size() <= PausedPasteLimit) {
        pasteNext();
        return;
    }
    // A long paste is typed at once and painted once, so that it never takes long. A line
    // break runs Balance where it stands, so such a paste is typed key by key.
    const QByteArray typed = std::exchange(m_pending, {});
    const KeyOptions options = keyOptions();
    const bool pressesEnter
        = std::any_of(typed.begin(), typed.end(), [&](char c) { return PressesEnter(c, options); });
    if (!pressesEnter) {
        m_model->typeText(std::string_view(typed.constData(), std::size_t(typed.size())), options);
    } else {
        for (const char c : typed) {
            if (m_model->keyPress(c, options)) {
                paintLayout();
                emit balanceRequested();
            }
        }
    }
    paintLayout();
    showCaretNow();
    pasteTyped();
}

// Once the whole paste is typed it is one step of the history.
void ReactionEditor::pasteTyped()
{
    emit reactionEdited(false);
}

// One pasted character, typed as if by its key (never as an editing key), then a pause.
void ReactionEditor::pasteNext()
{
    if (m_pending.isEmpty())
        return;
    const char c = m_pending.front();
    m_pending.remove(0, 1);
    typeCharacter(c);
    if (m_pending.isEmpty()) {
        pasteTyped();
        return;
    }
    emit reactionEdited(false);
    if (m_pending.size() <= PausedPasteLimit)
        m_pasteTimer.start(PastePauseMs);
}

void ReactionEditor::typeCharacter(char c)
{
    const KeyOptions options = keyOptions();
    const bool enter = m_model->keyPress(c, options);
    paintLayout();
    showCaretNow();
    if (enter)
        emit balanceRequested();
    if (!options.autoIdentify || !IsLower(c) || !m_pending.isEmpty())
        return;
    if (const auto reading = AmbiguousReading(m_model->text(), m_model->caretIndex()))
        emit letterCaseRead(QString::fromStdString(reading->typed),
            QString::fromStdString(reading->symbol), QString::fromStdString(reading->other));
}

void ReactionEditor::paintEvent(QPaintEvent *)
{
    // Moved to a screen of another scale: painted again at its pixels.
    if (!qFuzzyCompare(m_image.devicePixelRatio(), devicePixelRatioF()))
        renderImage();
    QPainter painter(this);
    painter.fillRect(rect(), paper().background);
    painter.drawImage(0, 0, m_image);
}

// An editable field: the palette's base and text, as in every text box of the theme.
ReactionPaper ReactionEditor::paper() const
{
    return { palette().color(QPalette::Base), palette().color(QPalette::Text) };
}

void ReactionEditor::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        paintLayout();
}

void ReactionEditor::resizeEvent(QResizeEvent *)
{
    m_model->setImageWidth(width());
    drawReaction();
}

// Select All and Cut, which no menu holds: true when @p event was one of them.
bool ReactionEditor::editCommand(const QKeyEvent &event)
{
    if (event.matches(QKeySequence::SelectAll)) {
        m_model->selectAll();
    } else if (event.matches(QKeySequence::Cut)) {
        if (!m_model->hasSelection())
            return true; // cuts nothing, as in a text box
        reactionCopy();
        m_model->keyDown(EditKey::Delete, keyOptions());
    } else {
        return false;
    }
    paintLayout();
    showCaretNow();
    return true;
}

void ReactionEditor::keyPressEvent(QKeyEvent *event)
{
    m_blinkTim.stop();
    const std::string before = m_model->text();
    const int caretBefore = m_model->caretIndex();
    const int anchorBefore = m_model->anchorIndex();
    if (editCommand(*event)) {
        if (m_model->text() != before)
            emit reactionEdited(false);
        else
            emit typingInterrupted();
        return;
    }
    const bool extend = event->modifiers() & Qt::ShiftModifier;
    m_model->keyDown(editKeyOf(event->key(), event->modifiers()), keyOptions(), extend);
    const QString typed = typedText(*event);
    if (typed.isEmpty()) {
        paintLayout();
        showCaretNow();
    }
    // A typed character is painted once, after it is typed: nobody sees the key-down drawing.
    for (const QChar ch : typed)
        typeCharacter(ch.unicode() < 256 ? char(ch.unicode()) : '\0');
    // Enter may have balanced meanwhile, which is a step of its own.
    if (m_model->text() != before && !isEnter(*event))
        emit reactionEdited(isTypingKey(*event));
    else if (m_model->caretIndex() != caretBefore || m_model->anchorIndex() != anchorBefore
        || !(isTypingKey(*event) || isModifier(*event)))
        emit typingInterrupted();
}

void ReactionEditor::keyReleaseEvent(QKeyEvent *)
{
    m_blinkTim.start();
}

void ReactionEditor::mousePressEvent(QMouseEvent *event)
{
    const bool extend = (event->modifiers() & Qt::ShiftModifier) && !m_helpMode;
    m_model->placeCaret(event->position().toPoint().x(), extend);
    paintLayout();
    showCaretNow();
    emit typingInterrupted();
}

// Dragging with the button down selects from where it was pressed.
void ReactionEditor::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_helpMode)
        return;
    const int caret = m_model->caretIndex();
    m_model->placeCaret(event->position().toPoint().x(), true);
    if (m_model->caretIndex() == caret)
        return;
    paintLayout();
    showCaretNow();
}

void ReactionEditor::mouseDoubleClickEvent(QMouseEvent *event)
{
    if (m_helpMode)
        return;
    m_model->selectSubstanceAt(event->position().toPoint().x());
    paintLayout();
    showCaretNow();
    emit typingInterrupted();
}

void ReactionEditor::mouseReleaseEvent(QMouseEvent *)
{
    if (m_helpMode)
        emit helpRequested();
    else
        setFocus(Qt::MouseFocusReason);
}

void ReactionEditor::focusInEvent(QFocusEvent *)
{
    if (!m_helpMode)
        m_blinkTim.start();
}

void ReactionEditor::focusOutEvent(QFocusEvent *)
{
    m_blinkTim.stop();
    if (m_caretShown)
        showCaretNow();
}

} // namespace molvane
