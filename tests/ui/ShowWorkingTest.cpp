// Show Working (F6) from the main window: it balances as Balance does and opens the working
// in a read-only window that follows the language switch while open. The page's save dialog
// adds the working to the page when its check box is ticked.
#include "MainWindowHarness.h"
#include "ui/MainWindow.h"
#include "widgets/ReactionEditor.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextDocument>
#include <QTimer>

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

    // Answers the page's save dialog once it shows: the check box as found, ticked or left,
    // then the name typed and the accept button clicked, or Escape for no name. What went
    // wrong goes to m_problem, and the dialog is then closed, so that the test goes on to fail.
    void answerPageDialog(bool &found, bool tick, const QString &name)
    {
        m_problem.clear();
        QTimer::singleShot(0, this, [this, &found, tick, name] {
            QFileDialog *dialog = nullptr;
            if (!QTest::qWaitFor([&] {
                    return (
                        dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget()));
                })) {
                m_problem = "no file dialog";
                return;
            }
            auto *box = dialog->findChild<QCheckBox *>("WithWorking");
            auto *edit = dialog->findChild<QLineEdit *>("fileNameEdit");
            auto *buttons = dialog->findChild<QDialogButtonBox *>();
            if (!box || !box->isVisible() || !edit || !buttons) {
                m_problem = "no check box, name field or buttons";
                dialog->reject();
                return;
            }
            m_boxText = box->text();
            found = box->isChecked();
            if (tick) { // on its square, which stands on the side the line starts from
                const int x = box->isRightToLeft() ? box->width() - 8 : 8;
                QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(x, box->height() / 2));
            }
            if (name.isEmpty()) {
                QTest::keyClick(edit, Qt::Key_Escape);
            } else {
                dialog->setDirectory(m_dir->path());
                QTest::keyClicks(edit, name);
                QTest::mouseClick(buttons->buttons().constFirst(), Qt::LeftButton);
            }
            if (dialog->isVisible()) {
                m_problem = "the dialog stayed open";
                dialog->reject();
            }
        });
    }

    QByteArray page(const QString &name) const
    {
        QFile file(m_dir->filePath(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QString m_boxText, m_problem;

private slots:
    void initTestCase() { QVERIFY(installTemplate()); }
    void init() { QVERIFY(startWindow()); }
    void cleanup() { stopWindow(); }

    void f6ShowsTheWorkingAndChangesNothing()
    {
        QWidget *editor = m_window->reactionEditor();
        editor->setFocus();
        QTest::keyClicks(editor, "C3H8+O2 CO2+H2O");
        QTest::keyClick(editor, Qt::Key_F6);
        QCOMPARE(m_window->reactionEditor()->text(), QString("C3H8+O2>CO2+H2O"));
        QTRY_VERIFY(workingWindow() && workingWindow()->isVisible());
        const QStringList lines = working().split('\n');
        QVERIFY(lines.contains("  O: 2b = 2c + d"));
        QVERIFY(lines.contains("O: 2b = 2c + d gives 2b = 2(3) + 4, that is 2b = 10, so b = 5."));
        QCOMPARE(lines.last(), QString());
        QCOMPARE(lines.at(lines.size() - 2), QString("Check: C: 3 = 3, H: 8 = 8, O: 10 = 10"));
        auto *text = workingWindow()->findChild<QPlainTextEdit *>("Working");
        QVERIFY(text->isReadOnly());
        QVERIFY(text->textInteractionFlags() & Qt::TextSelectableByKeyboard);

        // F6 on the balanced, saved reaction gives the same working, in the same window, and
        // leaves the document unchanged.
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_Return);
        m_fileAnswers = { m_dir->filePath("propane.KVX") };
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_S, Qt::ControlModifier);
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_F6);
        QCOMPARE(m_window->reactionEditor()->text(), QString("C3H8+5O2>3CO2+4H2O"));
        QVERIFY(!m_window->isModified());
        QCOMPARE(m_window->findChildren<QDialog *>("WorkingForm").size(), 1);
        QCOMPARE(working().split('\n').at(lines.size() - 3), QString("Coefficients: 1, 5, 3, 4"));

        // A reaction that cannot be balanced shows its equations and why, with no box.
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_End);
        QTest::keyClicks(m_window->reactionEditor(), "+CO");
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_F6);
        QVERIFY(working().contains("No single answer: more than one independent reaction."));
        QVERIFY(m_questions.empty());
    }

    void theOpenWorkingFollowsTheLanguage()
    {
        QWidget *editor = m_window->reactionEditor();
        editor->setFocus();
        QTest::keyClicks(editor, "fe+o2 fe2o3");
        QTest::keyClick(editor, Qt::Key_F6);
        QTRY_VERIFY(workingWindow() && workingWindow()->isVisible());
        QCOMPARE(workingWindow()->windowTitle(), QString("Working"));
        QVERIFY(working().contains("We multiply every value by 2, the least common multiple"));

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
        QVERIFY(working().contains(QString::fromUtf8("همه\u200cي مقدارها را در ")));
        QVERIFY(working().contains(QString::fromUtf8("\u200e4\u200e\u060C \u200e3\u200e")));

        QTest::keyClick(m_window->reactionEditor(), Qt::Key_F10);
        QCOMPARE(workingWindow()->layoutDirection(), Qt::LeftToRight);
        QVERIFY(working().contains("Coefficients: 4, 3, 2"));
    }

    void thePageDialogAddsTheWorkingWhenTickedAndRemembersIt()
    {
        QWidget *editor = m_window->reactionEditor();
        editor->setFocus();
        QTest::keyClicks(editor, "h2+o2 h2o");
        molvane::SetFileDialogHook({}); // the real dialog, driven by events

        bool ticked = true;
        answerPageDialog(ticked, false, "plain");
        m_window->action("FileHTML")->trigger();
        QVERIFY2(m_problem.isEmpty(), qPrintable(m_problem));
        QVERIFY(!ticked); // off until chosen
        QCOMPARE(m_boxText, QString("Add the &working to the page"));
        QVERIFY(page("plain.html").contains("</table></body>"));
        QVERIFY(!page("plain.html").contains("<pre>"));

        answerPageDialog(ticked, true, "worked");
        m_window->action("FileHTML")->trigger();
        QVERIFY2(m_problem.isEmpty(), qPrintable(m_problem));
        QVERIFY(!ticked);
        const QByteArray worked = page("worked.html");
        QVERIFY(worked.contains("<h3>Working</h3>\r\n<pre>Unknowns, one per substance:\r\n"));
        QVERIFY(worked.contains("\r\nCoefficients: 2, 1, 2\r\nCheck: H: 4 = 4, O: 2 = 2</pre>\r\n"
                                "<h3>Half-reactions</h3>\r\n"));
        // The working is derived; the document is not balanced by the export.
        QCOMPARE(m_window->reactionEditor()->text(), QString("H2+O2>H2O"));
        QCOMPARE(m_settings->value("HtmlWorking").toInt(), 1);

        // Remembered, and in Farsi the page's working reads from the right.
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_F9);
        answerPageDialog(ticked, false, "farsi");
        m_window->action("FileHTML")->trigger();
        QVERIFY2(m_problem.isEmpty(), qPrintable(m_problem));
        QVERIFY(ticked);
        QCOMPARE(m_boxText, QString::fromUtf8("افزودن &راه حل به صفحه"));
        QVERIFY(page("farsi.html").contains("<div dir=\"rtl\" lang=\"fa\">"));

        // A cancelled dialog changes nothing, its box included.
        answerPageDialog(ticked, true, {});
        m_window->action("FileHTML")->trigger();
        QVERIFY2(m_problem.isEmpty(), qPrintable(m_problem));
        QCOMPARE(m_settings->value("HtmlWorking").toInt(), 1);
    }

    // The second page: Ctrl+Tab turns to the half-reactions, in the language of the window.
    void theSecondPageShowsTheHalfReactions()
    {
        QWidget *editor = m_window->reactionEditor();
        editor->setFocus();
        QTest::keyClicks(editor, "MnO4{-}+Fe{2+}+H{+} Mn{2+}+Fe{3+}+H2O");
        QTest::keyClick(editor, Qt::Key_F6);
        QTRY_VERIFY(workingWindow() && workingWindow()->isVisible());
        auto *pages = workingWindow()->findChild<QTabWidget *>("WorkingPages");
        QVERIFY(pages);
        QCOMPARE(pages->tabText(1), QString("Half-reactions"));
        QCOMPARE(pages->currentIndex(), 0);
        auto *text = workingWindow()->findChild<QPlainTextEdit *>("Working");
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(pages->currentIndex(), 1);
        auto *halves = workingWindow()->findChild<QPlainTextEdit *>("HalfReactions");
        QVERIFY(halves->isVisible());
        const QStringList lines = halves->toPlainText().split('\n');
        QVERIFY(
            lines.contains("  We balance the charge with e{-}: MnO4{-}+8H{+}+5e{-}>Mn{2+}+4H2O."));
        QVERIFY(
            lines.contains("This is Balance's answer: MnO4{-}+5Fe{2+}+8H{+}>Mn{2+}+5Fe{3+}+4H2O."));

        QTest::keyClick(m_window->reactionEditor(), Qt::Key_F9);
        QCOMPARE(pages->tabText(1), QString::fromUtf8("نيم\u200cواکنش\u200cها"));
        QVERIFY(halves->toPlainText().contains(QString::fromUtf8("نيم\u200cواکنش کاهش")));
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_F10);
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
