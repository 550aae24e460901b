// Show Working (F6) from the main window: it balances as Balance does and opens the working
// in a read-only window that follows the language switch while open.
#include "MainWindowHarness.h"
#include "ui/MainWindow.h"
#include "widgets/ReactionEditor.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextDocument>

class ShowWorkingTest : public MainWindowHarness
{
    Q_OBJECT

private:
    QDialog *workingWindow() const { return m_window->findChild<QDialog *>("WorkingForm"); }

    QString working() const
    {
        QDialog *window = workingWindow();
        return window ? window->findChild<QPlainTextEdit *>("Working")->toPlainText() : QString();
    }

private slots:
    void initTestCase() { QVERIFY(installTemplate()); }
    void init() { QVERIFY(startWindow()); }
    void cleanup() { stopWindow(); }

    void f6BalancesAndShowsTheWorking()
    {
        QWidget *editor = m_window->reactionEditor();
        editor->setFocus();
        QTest::keyClicks(editor, "C3H8+O2 CO2+H2O");
        QTest::keyClick(editor, Qt::Key_F6);
        // The document changes as Balance changes it.
        QCOMPARE(m_window->reactionEditor()->text(), QString("C3H8+5O2>3CO2+4H2O"));
        QTRY_VERIFY(workingWindow() && workingWindow()->isVisible());
        const QStringList lines = working().split('\n');
        QVERIFY(lines.contains("  O: 2b = 2c + d"));
        QVERIFY(lines.contains("O: 2b = 2c + d gives 2b = 10, so b = 5."));
        QCOMPARE(lines.last(), QString());
        QCOMPARE(lines.at(lines.size() - 2), QString("Coefficients: 1, 5, 3, 4"));
        auto *text = workingWindow()->findChild<QPlainTextEdit *>("Working");
        QVERIFY(text->isReadOnly());
        QVERIFY(text->textInteractionFlags() & Qt::TextSelectableByKeyboard);

        // F6 again on the balanced reaction gives the same working, in the same window.
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_F6);
        QCOMPARE(m_window->reactionEditor()->text(), QString("C3H8+5O2>3CO2+4H2O"));
        QCOMPARE(m_window->findChildren<QDialog *>("WorkingForm").size(), 1);
        QCOMPARE(working().split('\n').at(lines.size() - 2), QString("Coefficients: 1, 5, 3, 4"));
    }

    void theOpenWorkingFollowsTheLanguage()
    {
        QWidget *editor = m_window->reactionEditor();
        editor->setFocus();
        QTest::keyClicks(editor, "fe+o2 fe2o3");
        QTest::keyClick(editor, Qt::Key_F6);
        QTRY_VERIFY(workingWindow() && workingWindow()->isVisible());
        QCOMPARE(workingWindow()->windowTitle(), QString("Working"));
        QVERIFY(working().contains("Multiply every value by 2."));

        QTest::keyClick(m_window->reactionEditor(), Qt::Key_F9);
        QVERIFY(workingWindow()->isVisible());
        QCOMPARE(workingWindow()->windowTitle(), QString::fromUtf8("راه حل"));
        QCOMPARE(workingWindow()->layoutDirection(), Qt::RightToLeft);
        const QTextOption farsiLines = workingWindow()
                                           ->findChild<QPlainTextEdit *>("Working")
                                           ->document()
                                           ->defaultTextOption();
        QCOMPARE(farsiLines.textDirection(), Qt::RightToLeft);
        QVERIFY(farsiLines.alignment() & Qt::AlignRight);
        QVERIFY(working().contains(QString::fromUtf8("همه مقدارها را در ")));
        QVERIFY(working().contains(QString::fromUtf8("\u200e4, 3, 2\u200e")));

        QTest::keyClick(m_window->reactionEditor(), Qt::Key_F10);
        QCOMPARE(workingWindow()->layoutDirection(), Qt::LeftToRight);
        QVERIFY(working().contains("Coefficients: 4, 3, 2"));
    }

    void theReactionMenuOffersIt()
    {
        auto *action = m_window->findChild<QAction *>("ReactionShowWorking");
        QVERIFY(action);
        QCOMPARE(action->shortcut(), QKeySequence(Qt::Key_F6));
        QVERIFY(!action->statusTip().isEmpty());
        bool inReactionMenu = false;
        for (QAction *menu : m_window->menuBar()->actions())
            if (menu->menu() && menu->menu()->actions().contains(action))
                inReactionMenu = menu->menu()->actions().contains(
                    m_window->findChild<QAction *>("ReactionCalculateGrid"));
        QVERIFY(inReactionMenu);
    }
};

QTEST_MAIN(ShowWorkingTest)
#include "ShowWorkingTest.moc"
