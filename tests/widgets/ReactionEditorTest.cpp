// The painted reaction editor driven by real key and mouse events.
#include "AskingMeasure.h"

#include "widgets/ReactionEditor.h"

#include <QAccessible>
#include <QAccessibleTextInterface>
#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QSet>
#include <QSignalSpy>
#include <QTest>

using namespace molvane;

class ReactionEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_editor = std::make_unique<ReactionEditor>();
        m_editor->resize(400, 30);
        m_editor->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
        m_editor->setFocus();
    }
    void cleanup() { m_editor.reset(); }

    void typing_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        QTest::newRow("auto case") << "h2+o2=h2o"
                                   << "H2+O2+H2O";
        QTest::newRow("space types the arrow") << "h2 o2"
                                               << "H2>O2";
        QTest::newRow("brackets") << "ca[oh]2"
                                  << "Ca(OH)2";
        QTest::newRow("no typed coefficient") << "2h2+3o2"
                                              << "H2+O2";
        QTest::newRow("no doubled operator") << "h2++>o2"
                                             << "H2+O2";
        QTest::newRow("charges and the electron") << "fe{3+}+e{-} fe{2+}"
                                                  << "Fe{3+}+e{-}>Fe{2+}";
        QTest::newRow("a sign first keeps its digit") << "fe{+2}"
                                                      << "Fe{+2}";
        QTest::newRow("a letter leaves the braces") << "fe{3h"
                                                    << "Fe{3}H";
        QTest::newRow("a space leaves the braces for the arrow") << "fe{2+ fe"
                                                                 << "Fe{2+}>Fe";
        QTest::newRow("hydrate multiplier") << "cuso4*5h2o"
                                            << "CuSO4*5H2O";
    }
    void typing()
    {
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        QTest::keyClicks(m_editor.get(), keys);
        QCOMPARE(m_editor->text(), expected);
        QCOMPARE(m_editor->model().caretIndex(), int(expected.size()));
    }

    void editingKeys()
    {
        QTest::keyClicks(m_editor.get(), "h2o");
        QTest::keyClick(m_editor.get(), Qt::Key_Left);
        QTest::keyClick(m_editor.get(), Qt::Key_Backspace);
        QCOMPARE(m_editor->text(), QString("HO"));
        QTest::keyClick(m_editor.get(), Qt::Key_Home);
        QTest::keyClick(m_editor.get(), Qt::Key_Delete);
        QCOMPARE(m_editor->text(), QString("O"));
        QCOMPARE(m_editor->model().caretIndex(), 0);
        QTest::keyClick(m_editor.get(), Qt::Key_End);
        QCOMPARE(m_editor->model().caretIndex(), 1);
    }

    void enterAsksForBalance()
    {
        QSignalSpy balance(m_editor.get(), &ReactionEditor::balanceRequested);
        QTest::keyClicks(m_editor.get(), "h2");
        QTest::keyClick(m_editor.get(), Qt::Key_Return);
        QCOMPARE(balance.count(), 1);
        QCOMPARE(m_editor->text(), QString("H2"));
    }

    // Keys that change the text tell the document, typing keys as such; keys that only move
    // the caret end a run of typing; bare modifiers and releases say nothing.
    void editsAreToldAsTypingOrNot()
    {
        QSignalSpy edited(m_editor.get(), &ReactionEditor::reactionEdited);
        QSignalSpy interrupted(m_editor.get(), &ReactionEditor::typingInterrupted);
        const struct
        {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int typing; // 1 typing, 0 another edit, -1 no edit
        } keys[] = { { Qt::Key_H, {}, 1 }, { Qt::Key_2, {}, 1 }, { Qt::Key_Plus, {}, 1 },
            { Qt::Key_O, {}, 1 }, { Qt::Key_Home, {}, -1 },
            { Qt::Key_Delete, Qt::ControlModifier, 0 }, { Qt::Key_Delete, {}, 1 },
            { Qt::Key_End, {}, -1 } };
        for (const auto &key : keys) {
            const auto edits = edited.count(), ends = interrupted.count();
            QTest::keyClick(m_editor.get(), key.key, key.modifiers);
            QCOMPARE(edited.count(), edits + (key.typing >= 0 ? 1 : 0));
            QCOMPARE(interrupted.count(), ends + (key.typing < 0 ? 1 : 0));
            if (key.typing >= 0)
                QCOMPARE(edited.last().at(0).toBool(), key.typing == 1);
        }
        QCOMPARE(m_editor->text(), QString("O"));
        const auto edits = edited.count();
        QTest::keyClick(m_editor.get(), Qt::Key_Shift);
        QTest::keyRelease(m_editor.get(), Qt::Key_S, Qt::ControlModifier);
        QTest::keyRelease(m_editor.get(), Qt::Key_Return);
        QTest::keyClick(m_editor.get(), Qt::Key_F, Qt::AltModifier);
        QCOMPARE(m_editor->text(), QString("O"));
        QCOMPARE(edited.count(), edits);
    }

    void clickPlacesTheCaret()
    {
        m_editor->resetText("H2+O2");
        QTest::mouseClick(m_editor.get(), Qt::LeftButton, {}, QPoint(1, 5));
        QCOMPARE(m_editor->model().caretIndex(), 1);
        QTest::mouseClick(m_editor.get(), Qt::LeftButton, {}, QPoint(390, 5));
        QCOMPARE(m_editor->model().caretIndex(), 5);
    }

    void clickInHelpModeAsksForHelp()
    {
        QSignalSpy help(m_editor.get(), &ReactionEditor::helpRequested);
        m_editor->setHelpMode(true);
        QTest::mouseClick(m_editor.get(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(help.count(), 1);
    }

    void pasteTypesCharactersOnly()
    {
        // "." and "#" share key codes with Delete and End; pasted, they are only typed. (A "."
        // between two formulas is a hydrate's join, so this one follows a blank.)
        QApplication::clipboard()->setText("2H2+O2 .2H2O#");
        m_editor->reactionPaste();
        QTRY_COMPARE(m_editor->text(), QString("H2+O2>H2O"));
    }

    void pasteReadsCommonNotation()
    {
        QApplication::clipboard()->setText(u"CH4 + 2O2 \u2192 CO2 + 2H2O"_qs);
        m_editor->reactionPaste();
        QTRY_COMPARE(m_editor->text(), QString("CH4+O2>CO2+H2O"));
        QApplication::clipboard()->setText(u"CuSO4\u00B75H2O -> CuSO4 + 5H2O"_qs);
        m_editor->reactionPaste();
        QTRY_COMPARE(m_editor->text(), QString("CuSO4*5H2O>CuSO4+H2O"));
    }

    // Keys that type nothing leave a balanced reaction balanced and the document unchanged.
    void keysThatTypeNothingChangeNothing()
    {
        QSignalSpy edited(m_editor.get(), &ReactionEditor::reactionEdited);
        m_editor->resetText("C3H8+5O2>3CO2+4H2O");
        for (const Qt::Key key : { Qt::Key_Escape, Qt::Key_E, Qt::Key_J, Qt::Key_Z, Qt::Key_Y })
            QTest::keyClick(
                m_editor.get(), key, key == Qt::Key_Escape ? Qt::NoModifier : Qt::ControlModifier);
        QTest::keyClick(m_editor.get(), Qt::Key_X, Qt::ControlModifier); // nothing selected
        QCOMPARE(m_editor->text(), QString("C3H8+5O2>3CO2+4H2O"));
        QCOMPARE(edited.count(), 0);
        QTest::keyClick(m_editor.get(), Qt::Key_A, Qt::ControlModifier);
        m_editor->reactionCopy();
        QCOMPARE(QApplication::clipboard()->text(), QString("C3H8+5O2>3CO2+4H2O"));
        QCOMPARE(edited.count(), 0);
    }

    // Shift with the caret keys, a drag and a double click select; Copy, typing, Cut and Paste
    // act on the selection, each as one change; the selection is painted in the highlight.
    void selectionIsCopiedReplacedAndPainted()
    {
        QSignalSpy edited(m_editor.get(), &ReactionEditor::reactionEdited);
        m_editor->resetText("H2+O2>H2O");
        QTest::keyClick(m_editor.get(), Qt::Key_End);
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(m_editor.get(), Qt::Key_Left, Qt::ShiftModifier);
        m_editor->reactionCopy();
        QCOMPARE(QApplication::clipboard()->text(), QString("H2O"));
        const ReactionEditorModel &model = m_editor->model();
        const int selected = model.indexToX(7);
        const QColor highlight = m_editor->palette().color(QPalette::Highlight);
        QCOMPARE(m_editor->image().pixelColor(selected, 1), highlight);
        QVERIFY(m_editor->image().pixelColor(model.indexToX(2), 1) != highlight);
        QTest::keyClicks(m_editor.get(), "n");
        QCOMPARE(m_editor->text(), QString("H2+O2>N"));
        QCOMPARE(edited.count(), 1);

        const int o2 = (model.indexToX(3) + model.indexToX(4)) / 2;
        QTest::mouseDClick(m_editor.get(), Qt::LeftButton, {}, QPoint(o2, 5));
        QApplication::clipboard()->setText("CO2");
        m_editor->reactionPaste();
        QCOMPARE(m_editor->text(), QString("H2+CO2>N"));
        QCOMPARE(edited.count(), 2);

        QTest::mousePress(m_editor.get(), Qt::LeftButton, {}, QPoint(0, 5));
        QMouseEvent drag(QEvent::MouseMove, QPointF(model.indexToX(2), 5),
            m_editor->mapToGlobal(QPointF(model.indexToX(2), 5)), Qt::NoButton, Qt::LeftButton,
            Qt::NoModifier);
        QApplication::sendEvent(m_editor.get(), &drag);
        QTest::mouseRelease(m_editor.get(), Qt::LeftButton, {}, QPoint(model.indexToX(2), 5));
        QTest::keyClick(m_editor.get(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("H2"));
        QCOMPARE(m_editor->text(), QString("+CO2>N")); // as Backspace leaves it
        QCOMPARE(edited.count(), 3);
    }

    // A pasted text with blanks is a whole reaction: its blanks type no arrows.
    void pasteWithBlanksIsOneReaction()
    {
        QApplication::clipboard()->setText("H2 + O2 = H2O");
        m_editor->reactionPaste();
        QTRY_COMPARE(m_editor->text(), QString("H2+O2>H2O"));
    }

    void saysWhichReadingAutomaticCaseTook()
    {
        QSignalSpy read(m_editor.get(), &ReactionEditor::letterCaseRead);
        QTest::keyClicks(m_editor.get(), "co");
        QCOMPARE(m_editor->text(), QString("Co"));
        QCOMPARE(read.count(), 1);
        QCOMPARE(read.at(0), (QVariantList { "co", "Co", "CO" }));
        QTest::keyClicks(m_editor.get(), "+cO+na"); // a capital, or no other reading: nothing
        QCOMPARE(read.count(), 1);
    }

    void longPasteDoesNotPause()
    {
        QString reaction;
        for (int i = 0; i < 150; ++i)
            reaction += "H2+";
        QApplication::clipboard()->setText(reaction + "O2>H2O");
        m_editor->reactionPaste();
        QCOMPARE(m_editor->text(), reaction + "O2>H2O"); // no waiting needed

        // A very long paste is typed whole, coefficients and doubled operators removed.
        QString huge;
        for (int i = 0; i < 1000; ++i)
            huge += "2H2++";
        QApplication::clipboard()->setText(huge + "O2");
        m_editor->reactionPaste();
        QCOMPARE(m_editor->text().size(), 1000 * 3 + 2);
        QVERIFY(m_editor->text().endsWith("H2+O2"));
    }

    void longPasteBalancesAtItsLineBreak()
    {
        QString reaction;
        while (reaction.size() < 300)
            reaction += "H2+";
        reaction += "O2>H2O";
        QStringList balanced;
        connect(m_editor.get(), &ReactionEditor::balanceRequested,
            [&] { balanced << m_editor->text(); });
        QApplication::clipboard()->setText(reaction + "\rN2");
        m_editor->reactionPaste();
        QCOMPARE(balanced, QStringList { reaction }); // Balance ran on the text before the break
        QCOMPARE(m_editor->text(), reaction + "N2");
    }

    // Ctrl+Backspace and Ctrl+Delete take the separators at the caret and the substance past them.
    void controlDeletesWholeSubstances()
    {
        QTest::keyClicks(m_editor.get(), "h2+o2 h2o");
        QTest::keyClick(m_editor.get(), Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(m_editor->text(), QString("H2+O2>"));
        QTest::keyClick(m_editor.get(), Qt::Key_Backspace, Qt::ControlModifier);
        QCOMPARE(m_editor->text(), QString("H2+"));
        QTest::keyClicks(m_editor.get(), "n2 nh3");
        QTest::keyClick(m_editor.get(), Qt::Key_Home);
        QTest::keyClick(m_editor.get(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(m_editor->text(), QString("+N2>NH3"));
        QTest::keyClick(m_editor.get(), Qt::Key_Delete, Qt::ControlModifier);
        QCOMPARE(m_editor->text(), QString(">NH3"));
        QCOMPARE(m_editor->model().caretIndex(), 0);
        // Without Ctrl they still take one character.
        QTest::keyClick(m_editor.get(), Qt::Key_Delete);
        QCOMPARE(m_editor->text(), QString("NH3"));
    }

    // Assistive technology reads an editable text with its caret. (The change events it
    // hears are only delivered while one is running, which an offscreen test cannot start.)
    void screenReadersReadTheReaction()
    {
        m_editor->setAccessibleName("Reaction");
        QAccessibleInterface *editor = QAccessible::queryAccessibleInterface(m_editor.get());
        QVERIFY(editor);
        QCOMPARE(editor->role(), QAccessible::EditableText);
        QCOMPARE(editor->text(QAccessible::Name), QString("Reaction"));
        QVERIFY(editor->state().editable && editor->state().focusable);

        QTest::keyClicks(m_editor.get(), "h2+o2");
        QTest::keyClick(m_editor.get(), Qt::Key_Left);
        QAccessibleTextInterface *text = editor->textInterface();
        QVERIFY(text);
        QCOMPARE(editor->text(QAccessible::Value), QString("H2+O2"));
        QCOMPARE(text->characterCount(), 5);
        QCOMPARE(text->text(0, 5), QString("H2+O2"));
        QCOMPARE(text->cursorPosition(), 4);
        int start = -1;
        int end = -1;
        QCOMPARE(text->textAtOffset(4, QAccessible::WordBoundary, &start, &end), QString("O2"));
        QCOMPARE(start, 3);
        QCOMPARE(end, 5);
        QCOMPARE(text->textBeforeOffset(3, QAccessible::WordBoundary, &start, &end), QString("+"));
        QCOMPARE(text->textAtOffset(0, QAccessible::CharBoundary, &start, &end), QString("H"));
        const QRect second = text->characterRect(1);
        QCOMPARE(text->offsetAtPoint(second.center()), 1);
        text->setCursorPosition(1);
        QCOMPARE(m_editor->model().caretIndex(), 1);
    }

    void closingDuringAPasteIsSafe()
    {
        QApplication::clipboard()->setText("H2+O2>H2O");
        m_editor->reactionPaste();
        m_editor.reset();
        QTest::qWait(50);
    }

    void paintsCoefficientsBlueAndTheArrow()
    {
        m_editor->resetText("2H2>H2");
        const QImage image = m_editor->image();
        const ReactionLayout &layout = m_editor->model().layout();
        bool blue = false;
        const int coefficientWidth = layout.charWidths[0];
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < coefficientWidth; ++x)
                blue = blue || image.pixelColor(x, y) == QColor(0, 0, 255);
        QVERIFY(blue);
        QCOMPARE(layout.glyphs[3].font, GlyphFont::Arrow);
        QVERIFY(layout.charWidths[3] > 0);
    }

    // A charge is smaller and raised, in the reaction's colour, not the subscripts'.
    void paintsChargesRaised()
    {
        ReactionFonts fonts = ReactionFonts::startup();
        fonts.reactionColor = QColor(0, 128, 0);
        fonts.subscriptsColor = QColor(255, 0, 0);
        m_editor->setFonts(fonts);
        m_editor->resetText("Fe{3+}");
        const QImage image = m_editor->image();
        const ReactionLayout &layout = m_editor->model().layout();
        QCOMPARE(layout.glyphs[3].font, GlyphFont::Superscripts);
        const auto lowestInk = [&](int from, int to, QColor colour) {
            int lowest = -1;
            for (int y = 0; y < image.height(); ++y)
                for (int x = from; x < to; ++x)
                    if (image.pixelColor(x, y) == colour)
                        lowest = y;
            return lowest;
        };
        const QColor green(0, 128, 0);
        const int letter = lowestInk(layout.glyphs[0].x, layout.glyphs[1].x, green);
        const int charge = lowestInk(layout.glyphs[3].x, layout.glyphs[4].x, green);
        QVERIFY(letter > 0);
        QVERIFY(charge > 0);
        QVERIFY2(charge < letter - 2, "the charge's digit ends above the letters' baseline");
        QCOMPARE(lowestInk(layout.glyphs[2].x, layout.glyphs[5].x + layout.charWidths[5],
                     QColor(255, 0, 0)),
            -1);
        QVERIFY(layout.charWidths[3] < layout.charWidths[0]); // smaller than the letters
    }

    void darkPaletteColoursBackgroundTextAndCaret()
    {
        QPalette dark = m_editor->palette();
        dark.setColor(QPalette::Window, QColor(40, 40, 40));
        dark.setColor(QPalette::WindowText, QColor(200, 200, 200));
        dark.setColor(QPalette::Base, QColor(30, 30, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 120));
        m_editor->setPalette(dark);
        m_editor->resetText("2H2O");
        QTest::keyClick(m_editor.get(), Qt::Key_End); // shows the caret after the text
        const QImage image = m_editor->image();
        const ReactionLayout &layout = m_editor->model().layout();
        const auto colours = [&](int from, int to) {
            QSet<QRgb> found;
            for (int y = 0; y < image.height(); ++y)
                for (int x = from; x < to; ++x)
                    found.insert(image.pixel(x, y));
            return found;
        };
        QCOMPARE(image.pixelColor(image.width() - 2, 1), QColor(30, 30, 30));
        // The "H" in the default colour: the palette's text on its base, never white.
        const QSet<QRgb> letter = colours(layout.glyphs[1].x, layout.glyphs[2].x);
        QVERIFY(letter.contains(QColor(230, 230, 120).rgb()));
        QVERIFY(letter.contains(QColor(30, 30, 30).rgb()));
        QVERIFY(!letter.contains(QColor(255, 255, 255).rgb()));
        // The coefficient keeps the colour the fonts set.
        QVERIFY(colours(0, layout.glyphs[1].x).contains(QColor(0, 0, 255).rgb()));
        QCOMPARE(image.pixelColor(m_editor->model().caretX(), image.height() / 2),
            QColor(230, 230, 120));
    }

    void imageEqualsEveryGlyphAskedAndPainted_data()
    {
        QTest::addColumn<int>("length");
        QTest::addColumn<bool>("caretAtEnd");
        QTest::addColumn<bool>("sameFaces");
        for (int length : { 200, 2000, 12500 })
            for (bool caretAtEnd : { false, true })
                for (bool sameFaces : { false, true })
                    QTest::addRow("%d %s %s", length, caretAtEnd ? "end" : "start",
                        sameFaces ? "same faces" : "other faces")
                        << length << caretAtEnd << sameFaces;
    }

    // The editor measures once per font change and paints only what its image shows; its image
    // must be the one of every glyph asked of the fonts and painted.
    void imageEqualsEveryGlyphAskedAndPainted()
    {
        QFETCH(int, length);
        QFETCH(bool, caretAtEnd);
        QFETCH(bool, sameFaces);
        ReactionFonts fonts = ReactionFonts::startup();
        if (sameFaces)
            fonts.subscripts = fonts.reaction; // digits then keep the line they follow
        m_editor->resize(670, 30);
        m_editor->setFonts(fonts);
        QString reaction;
        while (reaction.size() < length)
            reaction += "2Fe2(SO4)3+";
        reaction.truncate(length);
        m_editor->resetText(reaction);
        if (caretAtEnd)
            QTest::keyClick(m_editor.get(), Qt::Key_End);
        const QImage image = m_editor->image();

        const ReactionGlyphs glyphs(fonts);
        const AskingMeasure asking(glyphs);
        ReactionEditorModel model(asking);
        model.setImageWidth(m_editor->model().imageWidth());
        model.resetText(m_editor->model().text());
        if (caretAtEnd)
            model.keyDown(EditKey::End, KeyOptions {});
        QCOMPARE(model.caretX(), m_editor->model().caretX());
        const ReactionPaper paper { m_editor->palette().color(QPalette::Base),
            m_editor->palette().color(QPalette::Text) };
        QImage expected(image.size(), QImage::Format_RGB32);
        expected.fill(paper.background);
        QPainter painter(&expected);
        PaintReactionLayout(painter, model.layout(), glyphs, paper);
        painter.end();
        // The caret's column is left out: whether it shows depends on its blinking.
        int differing = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                differing += x != model.caretX() && image.pixel(x, y) != expected.pixel(x, y);
        QCOMPARE(differing, 0);
    }

private:
    std::unique_ptr<ReactionEditor> m_editor;
};

QTEST_MAIN(ReactionEditorTest)
#include "ReactionEditorTest.moc"
