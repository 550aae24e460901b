// The substance grid widget driven by real key and mouse events.
#include "widgets/SubstanceGrid.h"
#include "document/Windows1256.h"
#include "widgets/CellEditor.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace molvane;

namespace {

enum Column { TextCol, IntegerCol, RealCol, NumberCol, WeightCol, FormulaCol };

} // namespace

class SubstanceGridTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_model = GridModel();
        m_model.setColCount(6);
        m_model.setTypesList({ "0", "1", "2", "3", "4", "5" });
        m_model.setRowCount(4);
        const char *names[] = { "Name", "Count", "Mass", "N", "W", "Formula" };
        for (int column = 0; column < 6; ++column)
            m_model.setCell(column, 0, names[column]);
        m_grid = std::make_unique<SubstanceGrid>(Windows1256Has);
        m_grid->setGridModel(&m_model);
        m_grid->resize(700, 200);
        m_grid->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_grid.get()));
        m_grid->activateWindow();
        m_grid->setFocus();
        m_modified = std::make_unique<QSignalSpy>(m_grid.get(), &SubstanceGrid::modified);
        m_invalid = std::make_unique<QSignalSpy>(m_grid.get(), &SubstanceGrid::invalidNumber);
    }
    void cleanup()
    {
        m_modified.reset();
        m_invalid.reset();
        m_grid.reset();
    }

    void typing_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<int>>("invalidAt"); // keystrokes, from 1, that show the message
        QTest::addColumn<int>("changes");

        QTest::newRow("integer drops the point") << int(IntegerCol) << "12."
                                                 << "12" << QList<int> {} << 2;
        QTest::newRow("integer drops sign, letters, blank") << int(IntegerCol) << "-a1 e+2"
                                                            << "12" << QList<int> {} << 2;
        QTest::newRow("substance number drops the point") << int(NumberCol) << "3."
                                                          << "3" << QList<int> {} << 1;
        QTest::newRow("real second point") << int(RealCol) << "1.5."
                                           << "1.5." << QList<int> { 4 } << 4;
        QTest::newRow("atomic weight second point") << int(WeightCol) << "1.5."
                                                    << "1.5." << QList<int> { 4 } << 4;
        QTest::newRow("real lone point") << int(RealCol) << "."
                                         << "." << QList<int> {} << 1;
        QTest::newRow("real digit then point") << int(RealCol) << "5."
                                               << "5." << QList<int> {} << 2;
        QTest::newRow("real point then digit") << int(RealCol) << ".5"
                                               << ".5" << QList<int> {} << 2;
        QTest::newRow("real two points") << int(RealCol) << "1.2.3"
                                         << "1.2.3" << QList<int> { 4, 5 } << 5;
        QTest::newRow("real drops minus and exponent") << int(RealCol) << "-1e5"
                                                       << "15" << QList<int> {} << 2;
        QTest::newRow("real drops comma") << int(RealCol) << "1,5"
                                          << "15" << QList<int> {} << 2;
        QTest::newRow("nine nines") << int(IntegerCol) << "999999999"
                                    << "999999999" << QList<int> {} << 9;
        QTest::newRow("eleven nines") << int(IntegerCol) << "99999999999"
                                      << "99999999999" << QList<int> { 10, 11 } << 11;
        QTest::newRow("text takes everything") << int(TextCol) << "-1.2.3 x+E"
                                               << "-1.2.3 x+E" << QList<int> {} << 10;
        QTest::newRow("formula takes everything") << int(FormulaCol) << "Fe2(SO4)3 ."
                                                  << "Fe2(SO4)3 ." << QList<int> {} << 11;
        QTest::newRow("persian digits in integer")
            << int(IntegerCol) << u"\u06F1\u06F2"_qs << "12" << QList<int> {} << 2;
        QTest::newRow("arabic-indic digits and separator in real")
            << int(RealCol) << u"\u0663\u066B\u0665"_qs << "3.5" << QList<int> {} << 3;
        QTest::newRow("farsi yeh becomes arabic yeh")
            << int(TextCol) << u"\u06CC"_qs << u"\u064A"_qs << QList<int> {} << 1;
    }
    void typing()
    {
        QFETCH(int, column);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(QList<int>, invalidAt);
        QFETCH(int, changes);

        click(column, 1);
        QList<int> signalledAt;
        for (int i = 0; i < keys.size(); ++i) {
            const qsizetype before = m_invalid->count();
            typeKeys(keys.mid(i, 1));
            if (m_invalid->count() != before)
                signalledAt << i + 1;
        }
        QCOMPARE(signalledAt, invalidAt);
        QCOMPARE(editor()->text(), text);
        QCOMPARE(cell(column, 1), text); // every change flows into the model
        QCOMPARE(m_modified->count(), changes);
    }

    void backspaceAfterInvalidNumber()
    {
        click(RealCol, 1);
        typeKeys("1.5.");
        QCOMPARE(m_invalid->count(), 1);
        QTest::keyClick(editor(), Qt::Key_Backspace);
        QCOMPARE(editor()->text(), QString("1.5"));
        QCOMPARE(m_invalid->count(), 1);
        QCOMPARE(m_modified->count(), 5);
    }

    void editingContinuesAfterTheMessageBox()
    {
        // The message box takes the focus; the editor must stay open and get it back.
        answerWithMessageBox(&SubstanceGrid::invalidNumber);
        click(RealCol, 1);
        typeKeys("1.5.5");
        QCOMPARE(m_invalid->count(), 2);
        QVERIFY(m_grid->isEditing());
        QCOMPARE(editor()->text(), QString("1.5.5"));
        QCOMPARE(cell(RealCol, 1), QString("1.5.5"));
        click(TextCol, 2); // ends editing inside a change of focus
        QVERIFY(!m_grid->isEditing());
        QTRY_COMPARE(m_invalid->count(), 3); // shown once
        QTest::qWait(20);
        QCOMPARE(m_invalid->count(), 3);
        QCOMPARE(m_grid->currentIndex(), m_grid->model()->index(1, TextCol));
    }

    void helpClickWithTheMessageBox()
    {
        answerWithMessageBox(&SubstanceGrid::helpRequested);
        QSignalSpy help(m_grid.get(), &SubstanceGrid::helpRequested);
        m_grid->setHelpMode(true);
        click(RealCol, 1);
        QTest::mouseClick(m_grid->horizontalHeader()->viewport(), Qt::LeftButton, {},
            QPoint(m_grid->horizontalHeader()->sectionViewportPosition(TextCol) + 20, 5));
        QCOMPARE(help.count(), 2);
        QVERIFY(!m_grid->isEditing());
    }

    void emptyingNeverSignals_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("before");
        QTest::newRow("integer") << int(IntegerCol) << "12";
        QTest::newRow("invalid integer") << int(IntegerCol) << "-";
        QTest::newRow("invalid real") << int(RealCol) << "1.5.";
        QTest::newRow("atomic weight") << int(WeightCol) << "18.01";
    }
    void emptyingNeverSignals()
    {
        QFETCH(int, column);
        QFETCH(QString, before);
        writeByCode(column, 1, before);
        startEditing(column, 1); // opens with the whole text selected
        QTest::keyClick(editor(), Qt::Key_Backspace);
        QCOMPARE(cell(column, 1), QString());
        QTest::keyClick(editor(), Qt::Key_Return);
        QTRY_VERIFY(!m_grid->isEditing()); // Enter closes the editor from the event loop
        QTest::qWait(20);
        QCOMPARE(m_invalid->count(), 0);
        QCOMPARE(m_modified->count(), 2); // the change and the end of editing
    }

    void leavingACellChecksItAgain_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("byCode");
        QTest::addColumn<int>("invalid");
        QTest::newRow("fraction in integer") << int(IntegerCol) << "2.5" << 1;
        QTest::newRow("negative integer") << int(IntegerCol) << "-7" << 0;
        QTest::newRow("hexadecimal integer") << int(NumberCol) << "$1F" << 0;
        QTest::newRow("letters in real") << int(RealCol) << "abc" << 1;
        QTest::newRow("exponent in real") << int(WeightCol) << "-1.5E-3" << 0;
        QTest::newRow("empty real") << int(RealCol) << "" << 0;
        QTest::newRow("anything in text") << int(TextCol) << "2.5.x" << 0;
    }
    void leavingACellChecksItAgain()
    {
        QFETCH(int, column);
        QFETCH(QString, byCode);
        QFETCH(int, invalid);
        writeByCode(column, 1, byCode);
        QCOMPARE(m_invalid->count(), 0); // writing from code is never checked
        QCOMPARE(m_modified->count(), 0);
        startEditing(column, 1);
        click(TextCol, 2); // leave without a change
        QVERIFY(!m_grid->isEditing());
        QTest::qWait(20); // the message waits for the next turn of the event loop
        QCOMPARE(m_invalid->count(), invalid);
        QCOMPARE(m_modified->count(), 1);
        QCOMPARE(cell(column, 1), byCode);
    }

    void eachWayOfLeavingEndsEditingOnce_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("enter") << int(Qt::Key_Return);
        QTest::newRow("tab") << int(Qt::Key_Tab);
        QTest::newRow("escape") << int(Qt::Key_Escape);
    }
    void eachWayOfLeavingEndsEditingOnce()
    {
        QFETCH(int, key);
        writeByCode(IntegerCol, 1, "2.5");
        startEditing(IntegerCol, 1);
        QTest::keyClick(editor(), Qt::Key(key));
        QTRY_VERIFY(!cellEditorOf(IntegerCol, 1));
        QTRY_COMPARE(m_invalid->count(), 1);
        QTest::qWait(20);
        QCOMPARE(m_invalid->count(), 1);
        QCOMPARE(m_modified->count(), 1);
    }

    void commitEditEndsEditingAsLeavingDoes()
    {
        click(RealCol, 1);
        typeKeys("1.5.");
        m_grid->commitEdit(); // as Calculate Grid does before it reads the grid
        QVERIFY(!m_grid->isEditing());
        QCOMPARE(cell(RealCol, 1), QString("1.5."));
        QCOMPARE(m_modified->count(), 5);
        QTRY_COMPARE(m_invalid->count(), 2);
        m_grid->commitEdit(); // nothing open: nothing happens
        QTest::qWait(20);
        QCOMPARE(m_modified->count(), 5);
        QCOMPARE(m_invalid->count(), 2);
    }

    void escapeGivesBackTheTextEditingBeganWith()
    {
        writeByCode(IntegerCol, 1, "7");
        startEditing(IntegerCol, 1);
        typeKeys("8");
        QCOMPARE(cell(IntegerCol, 1), QString("8"));
        QTest::keyClick(editor(), Qt::Key_Escape);
        QCOMPARE(cell(IntegerCol, 1), QString("7"));
        QCOMPARE(m_grid->model()->index(0, IntegerCol).data().toString(), QString("7"));
        QCOMPARE(m_modified->count(), 2);
    }

    void refreshDropsAnOpenEditorWithoutWritingIt()
    {
        click(IntegerCol, 1);
        typeKeys("5");
        m_model.setCell(IntegerCol, 1, "2.5"); // as Balance or Open rewrites the grid
        m_grid->refresh();
        QTest::qWait(0);
        QVERIFY(!cellEditorOf(IntegerCol, 1));
        QCOMPARE(cell(IntegerCol, 1), QString("2.5"));
        QCOMPARE(m_grid->model()->index(0, IntegerCol).data().toString(), QString("2.5"));
        QCOMPARE(m_invalid->count(), 0);
        QCOMPARE(m_modified->count(), 1);
    }

    void refusedCharacters_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("reason"); // Refusal, None when nothing is said
        QTest::addColumn<QString>("refused");
        QTest::newRow("comma in text") << int(TextCol) << "a,b"
                                       << "ab" << int(Refusal::Comma) << ",";
        QTest::newRow("comma in formula column") << int(FormulaCol) << "a,"
                                                 << "a" << int(Refusal::Comma) << ",";
        QTest::newRow("outside the code page")
            << int(TextCol) << u"a\u4E2D"_qs << "a" << int(Refusal::NotInCodePage) << u"\u4E2D"_qs;
        QTest::newRow("arabic letters pass")
            << int(TextCol) << u"\u0622\u0628"_qs << u"\u0622\u0628"_qs << int(Refusal::None) << "";
        QTest::newRow("comma in a number column is only dropped")
            << int(RealCol) << "1,"
            << "1" << int(Refusal::None) << "";
    }
    void refusedCharacters()
    {
        QFETCH(int, column);
        QFETCH(QString, keys);
        QFETCH(QString, text);
        QFETCH(int, reason);
        QFETCH(QString, refused);
        QSignalSpy refusals(m_grid.get(), &SubstanceGrid::inputRefused);
        click(column, 1);
        typeKeys(keys);
        QCOMPARE(editor()->text(), text);
        QCOMPARE(cell(column, 1), text);
        QCOMPARE(refusals.count(), reason == int(Refusal::None) ? 0 : 1);
        if (!refusals.isEmpty()) {
            QCOMPARE(int(refusals[0][0].value<Refusal>()), reason);
            QCOMPARE(refusals[0][1].toString(), refused);
        }
    }

    void paste_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QKeyCombination>("keys");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("reason");
        QTest::addColumn<int>("invalid");
        const QKeyCombination ctrlV(Qt::ControlModifier, Qt::Key_V);
        const QKeyCombination shiftInsert(Qt::ShiftModifier, Qt::Key_Insert);
        QTest::newRow("text") << int(TextCol) << "H2O" << ctrlV << "xH2O" << int(Refusal::None)
                              << 0;
        QTest::newRow("comma refuses the whole paste")
            << int(TextCol) << "a,b" << ctrlV << "x" << int(Refusal::Comma) << 0;
        QTest::newRow("line break refuses the whole paste")
            << int(TextCol) << "a\nb" << ctrlV << "x" << int(Refusal::LineBreak) << 0;
        QTest::newRow("nul refuses the whole paste")
            << int(FormulaCol) << QString(QChar(0)) << ctrlV << "x" << int(Refusal::LineBreak) << 0;
        QTest::newRow("best fit of a paste") << int(TextCol) << u"\u06F1\u06F2\u06CC"_qs << ctrlV
                                             << u"x12\u064A"_qs << int(Refusal::None) << 0;
        QTest::newRow("ctrl+v pastes into a number cell")
            << int(IntegerCol) << "5" << ctrlV << "15" << int(Refusal::None) << 0;
        QTest::newRow("shift+insert pastes a negative number")
            << int(IntegerCol) << "-5" << shiftInsert << "1-5" << int(Refusal::None) << 1;
        QTest::newRow("pasted real checked")
            << int(RealCol) << "2.5e3" << shiftInsert << "12.5e3" << int(Refusal::None) << 0;
    }
    void paste()
    {
        QFETCH(int, column);
        QFETCH(QString, clipboard);
        QFETCH(QKeyCombination, keys);
        QFETCH(QString, text);
        QFETCH(int, reason);
        QFETCH(int, invalid);
        QSignalSpy refusals(m_grid.get(), &SubstanceGrid::inputRefused);
        QApplication::clipboard()->setText(clipboard);
        click(column, 1);
        typeKeys(column == TextCol || column == FormulaCol ? "x" : "1");
        QTest::keyClick(editor(), keys.key(), keys.keyboardModifiers());
        QCOMPARE(editor()->text(), text);
        QCOMPARE(cell(column, 1), text);
        QCOMPARE(refusals.count(), reason == int(Refusal::None) ? 0 : 1);
        if (!refusals.isEmpty())
            QCOMPARE(int(refusals[0][0].value<Refusal>()), reason);
        QCOMPARE(m_invalid->count(), invalid);
    }

    // Cells have no length cap: a long cell goes through editing whole, and a long paste
    // is kept whole.
    // Ctrl+C copies the selected cells as tab-separated lines; Ctrl+V pastes them from the
    // current cell on, whole or not at all; Ctrl+X copies and empties.
    void clipboardBlocks_data()
    {
        QTest::addColumn<QString>("pasted");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("refusals");
        QTest::newRow("fits") << "7\t1.5\r\n8\t2\r\n" << int(IntegerCol) << 0;
        QTest::newRow("past the last row") << "1\n2\n3\n4" << int(IntegerCol) << 1;
        QTest::newRow("past the last column") << "a\tb" << int(FormulaCol) << 1;
        QTest::newRow("not a number") << "7\tx" << int(IntegerCol) << 1;
        QTest::newRow("a comma") << "a,b" << int(TextCol) << 1;
    }
    void clipboardBlocks()
    {
        QFETCH(QString, pasted);
        QFETCH(int, column);
        QFETCH(int, refusals);
        QSignalSpy refused(m_grid.get(), &SubstanceGrid::inputRefused);
        writeByCode(TextCol, 1, "H2");
        click(column, 1);
        QApplication::clipboard()->setText(pasted);
        m_grid->pasteCells();
        QCOMPARE(refused.count(), refusals);
        QCOMPARE(m_modified->count(), 1 - refusals);
        if (refusals) {
            QCOMPARE(cell(IntegerCol, 1), QString()); // refused whole
            return;
        }
        QCOMPARE(cell(IntegerCol, 2), QString("8"));
        QCOMPARE(cell(RealCol, 1), QString("1.5"));
        // Shift+click selects the block; Ctrl+X copies it and leaves its cells empty.
        click(TextCol, 1);
        QTest::mouseClick(
            m_grid->viewport(), Qt::LeftButton, Qt::ShiftModifier, centre(RealCol, 2));
        QTest::keyClick(m_grid.get(), Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QString("H2\t7\t1.5\n\t8\t2\n"));
        QCOMPARE(cell(IntegerCol, 2), QString());
    }

    // A key typed right after a click on the current cell goes into that cell, never to a
    // search that moves to another row; Tab from the last cell leaves the grid.
    void keysStayInTheirCell()
    {
        writeByCode(TextCol, 2, "7");
        click(IntegerCol, 1);
        click(IntegerCol, 1); // already current: the click waits for a double click
        typeKeys("7");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(cell(IntegerCol, 1), QString("7"));
        QCOMPARE(cell(TextCol, 2), QString("7"));

        startEditing(FormulaCol, 3);
        QTest::keyClick(editor(), Qt::Key_Tab);
        QVERIFY(!m_grid->isEditing());
        QCOMPARE(m_grid->currentIndex(), m_grid->model()->index(2, FormulaCol));
    }

    void longTextIsNeverCut()
    {
        const QString loaded(42000, 'a');
        writeByCode(TextCol, 1, loaded);
        startEditing(TextCol, 1);
        QCOMPARE(editor()->text().size(), loaded.size());
        QTest::keyClick(editor(), Qt::Key_Return);
        QTRY_VERIFY(!cellEditorOf(TextCol, 1));
        QCOMPARE(cell(TextCol, 1).size(), loaded.size());

        const QString pasted(40000, 'b');
        QApplication::clipboard()->setText(pasted);
        click(TextCol, 2);
        typeKeys("x");
        QTest::keyClick(editor(), Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(editor()->text().size(), pasted.size() + 1);
        QTest::keyClick(editor(), Qt::Key_Return);
        QTRY_VERIFY(!cellEditorOf(TextCol, 2));
        QVERIFY(cell(TextCol, 2) == "x" + pasted);
        QVERIFY(cell(TextCol, 1) == loaded);
    }

    void helpModeClick()
    {
        QSignalSpy help(m_grid.get(), &SubstanceGrid::helpRequested);
        m_grid->setHelpMode(true);
        click(RealCol, 2);
        QCOMPARE(help.count(), 1);
        QCOMPARE(m_grid->currentIndex(), m_grid->model()->index(1, RealCol)); // still selects
        click(RealCol, 2); // a click on the current cell would open its editor
        QCOMPARE(help.count(), 2);
        QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, {}, centre(RealCol, 2));
        QTest::qWait(QApplication::doubleClickInterval() + 100);
        QVERIFY(!m_grid->isEditing());
        const qsizetype beforeHeader = help.count();
        QTest::mouseClick(m_grid->horizontalHeader()->viewport(), Qt::LeftButton, {},
            QPoint(m_grid->horizontalHeader()->sectionViewportPosition(TextCol) + 20, 5));
        QCOMPARE(help.count(), beforeHeader + 1); // the header row is part of the grid
        QCOMPARE(m_modified->count(), 0);

        const qsizetype helpClicks = help.count();
        m_grid->setHelpMode(false);
        click(TextCol, 1);
        QTest::mouseDClick(m_grid->viewport(), Qt::LeftButton, {}, centre(TextCol, 1));
        QCOMPARE(help.count(), helpClicks);
        QVERIFY(cellEditorOf(TextCol, 1));
    }

    void rightToLeftColumns()
    {
        m_grid->setLayoutDirection(Qt::RightToLeft);
        const QHeaderView *header = m_grid->horizontalHeader();
        QVERIFY(
            header->sectionViewportPosition(TextCol) > header->sectionViewportPosition(IntegerCol));
        // The right-most cell of the first row is column 0.
        const QPoint rightmost(
            m_grid->viewport()->width() - 10, m_grid->rowViewportPosition(0) + 5);
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, rightmost);
        typeKeys("ab");
        QCOMPARE(cell(TextCol, 1), QString("ab"));
        CellEditor *edit = cellEditorOf(TextCol, 1);
        QVERIFY(edit);
        QCOMPARE(edit->layoutDirection(), Qt::RightToLeft);
        QVERIFY(edit->geometry().contains(rightmost - QPoint(5, 0)));

        // Text starts at the right while edited, as it is shown, and so do the item names.
        QVERIFY(inkStartsInTheRightHalf(edit->grab().toImage()));
        QHeaderView *names = m_grid->horizontalHeader();
        QVERIFY(inkStartsInTheRightHalf(
            names->grab().toImage().copy(names->sectionViewportPosition(TextCol), 0,
                names->sectionSize(TextCol), names->height())));

        QTest::keyClick(edit, Qt::Key_Return);
        m_grid->setLayoutDirection(Qt::LeftToRight);
        QVERIFY(
            header->sectionViewportPosition(TextCol) < header->sectionViewportPosition(IntegerCol));
    }

    void sizesComeFromTheModel()
    {
        m_model.setColWidth(RealCol, 150);
        m_model.setDefaultRowHeight(30);
        m_model.setRowCount(6); // rows added by code take the default height
        m_model.setRowHeight(2, 40);
        m_grid->refresh();
        QCOMPARE(m_grid->model()->rowCount(), 5);
        QCOMPARE(m_grid->columnWidth(RealCol), 150);
        QCOMPARE(m_grid->columnWidth(TextCol), GridModel::DefaultColWidth);
        QCOMPARE(m_grid->rowHeight(1), 40);
        QCOMPARE(m_grid->rowHeight(4), 30);
        QCOMPARE(m_grid->horizontalHeader()->height(), 30);
        QCOMPARE(m_grid->model()->headerData(RealCol, Qt::Horizontal).toString(), QString("Mass"));
    }

    void draggedSizesGoToTheModel()
    {
        QHeaderView *header = m_grid->horizontalHeader();
        const int border
            = header->sectionViewportPosition(IntegerCol) + header->sectionSize(IntegerCol) - 1;
        drag(header->viewport(), QPoint(border, 5), QPoint(border + 30, 5));
        QCOMPARE(m_model.colWidth(IntegerCol), GridModel::DefaultColWidth + 30);

        QHeaderView *rows = m_grid->verticalHeader();
        const int rowBorder = rows->sectionViewportPosition(0) + rows->sectionSize(0) - 1;
        drag(rows->viewport(), QPoint(3, rowBorder), QPoint(3, rowBorder + 12));
        QCOMPARE(m_model.rowHeight(1), GridModel::BuiltInRowHeight + 12);
        QCOMPARE(m_model.rowHeight(2), GridModel::BuiltInRowHeight);
        QCOMPARE(m_modified->count(), 0);
    }

    void gridFont()
    {
        const QFont font("DejaVu Serif", 15);
        m_grid->setGridFont(font, Qt::darkRed);
        QCOMPARE(m_grid->horizontalHeader()->font().pointSize(), 15);
        QCOMPARE(
            m_grid->horizontalHeader()->palette().color(QPalette::ButtonText), QColor(Qt::darkRed));
        startEditing(TextCol, 1);
        QCOMPARE(editor()->font().pointSize(), 15);
        QCOMPARE(editor()->palette().color(QPalette::Text), QColor(Qt::darkRed));
    }

private:
    QPoint centre(int column, int row) const
    {
        return m_grid->visualRect(m_grid->model()->index(row - 1, column)).center();
    }
    void click(int column, int row)
    {
        QTest::mouseClick(m_grid->viewport(), Qt::LeftButton, {}, centre(column, row));
    }
    void startEditing(int column, int row)
    {
        click(column, row);
        QTest::keyClick(m_grid.get(), Qt::Key_F2);
        QVERIFY(cellEditorOf(column, row));
    }
    void writeByCode(int column, int row, const QString &text)
    {
        m_model.setCell(column, row, text.toStdString());
        m_grid->refresh();
    }
    QString cell(int column, int row) const
    {
        return QString::fromStdString(m_model.cell(column, row));
    }
    /// Answers @p signal as the program does: with a modal message box, here closed at once.
    template <typename Signal> void answerWithMessageBox(Signal signal)
    {
        connect(m_grid.get(), signal, this, [this] {
            {
                QMessageBox box(
                    QMessageBox::Critical, "Molvane", "Message", QMessageBox::Ok, m_grid.get());
                QTimer::singleShot(0, &box, &QDialog::accept);
                box.exec();
            }
            // The window manager gives the activation back when the box has gone.
            m_grid->activateWindow();
            QTRY_COMPARE(QApplication::activeWindow(), m_grid.get());
        });
    }
    /// Each character goes to the widget with the keyboard focus, as typing does.
    void typeKeys(const QString &keys)
    {
        for (const QChar ch : keys) {
            QWidget *target = QApplication::focusWidget();
            QVERIFY(target);
            if (ch.unicode() < 0x80)
                QTest::keyClick(target, ch.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, target, Qt::Key(ch.unicode()), QString(ch), {});
        }
    }
    CellEditor *editor() const { return qobject_cast<CellEditor *>(QApplication::focusWidget()); }
    CellEditor *cellEditorOf(int column, int row) const
    {
        CellEditor *edit = editor();
        return edit && edit->index() == m_grid->model()->index(row - 1, column) ? edit : nullptr;
    }
    /// Whether @p image has dark pixels (text), all of them in its right half.
    static bool inkStartsInTheRightHalf(const QImage &image)
    {
        int first = image.width();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (qGray(image.pixel(x, y)) < 100)
                    first = std::min(first, x);
            }
        }
        return first > image.width() / 2 && first < image.width();
    }
    static void drag(QWidget *widget, QPoint from, QPoint to)
    {
        QTest::mousePress(widget, Qt::LeftButton, {}, from);
        QTest::mouseMove(widget, (from + to) / 2);
        QTest::mouseMove(widget, to);
        QTest::mouseRelease(widget, Qt::LeftButton, {}, to);
    }

    GridModel m_model;
    std::unique_ptr<SubstanceGrid> m_grid;
    std::unique_ptr<QSignalSpy> m_modified, m_invalid;
};

QTEST_MAIN(SubstanceGridTest)
#include "SubstanceGridTest.moc"
