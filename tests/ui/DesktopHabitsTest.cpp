// Undo and redo of the reaction by their keys and menu entries, and Ctrl+V beside Ctrl+W.
#include "MainWindowHarness.h"
#include "ui/MainWindow.h"
#include "widgets/ReactionEditor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTest>

using namespace molvane;

class DesktopHabitsTest : public MainWindowHarness
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(installTemplate()); }
    void init() { QVERIFY(startWindow()); }
    void cleanup() { stopWindow(); }

    void undoRedoAndPasteByTheirKeys()
    {
        ReactionEditor *editor = m_window->reactionEditor();
        QAction *undo = m_window->action("ReactionUndo");
        QAction *redo = m_window->action("ReactionRedo");
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QTest::keyClicks(editor, "h2+o2");
        QVERIFY(undo->isEnabled() && !redo->isEnabled());
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString("H2+O"));
        QVERIFY(redo->isEnabled());
        QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString("H2+O2"));
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(editor->text(), QString("H2+O2"));
        QVERIFY(!redo->isEnabled());

        // Ctrl+V pastes as Ctrl+W does; the paste and Balance's write-back are one step each.
        QApplication::clipboard()->setText("fe+o2>fe2o3");
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(editor->text(), QString("Fe+O2>Fe2O3"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(editor->text(), QString("4Fe+3O2>2Fe2O3"));
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString("Fe+O2>Fe2O3"));
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString("H2+O2"));

        // Undoing after a save changes the document again.
        m_fileAnswers = { m_dir->filePath("undo.KVX") };
        QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!m_window->isModified());
        QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString("Fe+O2>Fe2O3"));
        QVERIFY(m_window->isModified());

        // A new document starts a new history.
        m_answers = { MessageButton::No };
        QTest::keyClick(editor, Qt::Key_N, Qt::ControlModifier);
        QVERIFY(!undo->isEnabled() && !redo->isEnabled());
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString());
        QVERIFY(!m_window->isModified());

        QApplication::clipboard()->setText("n2");
        QTest::keyClick(editor, Qt::Key_W, Qt::ControlModifier);
        QTRY_COMPARE(editor->text(), QString("N2"));
    }
};

QTEST_MAIN(DesktopHabitsTest)
#include "DesktopHabitsTest.moc"
