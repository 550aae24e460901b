// The keys, menus and mouse habits desktop users bring: undo and redo, Ctrl+V, Delete and F5
// in the grid, Tab out of it, recent documents, dropping a document, screen readers.
#include "MainWindowHarness.h"
#include "ui/MainWindow.h"
#include "widgets/ReactionEditor.h"
#include "widgets/SubstanceGrid.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QUrl>

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
        // A run of typing is one step, ended by a caret key.
        QTest::keyClicks(editor, "h2+o2");
        QTest::keyClick(editor, Qt::Key_Left);
        QTest::keyClick(editor, Qt::Key_Right);
        QTest::keyClicks(editor, "x");
        QTest::keyClick(editor, Qt::Key_Backspace);
        QVERIFY(undo->isEnabled() && !redo->isEnabled());
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString(""));
        QVERIFY(redo->isEnabled());
        QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString("H2+O2"));
        QCOMPARE(editor->model().caretIndex(), 5);
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

    void deleteClearsSelectedCellsAndF5Calculates()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2+o2 h2o");
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_Return);
        SubstanceGrid *grid = m_window->grid();
        const GridModel &model = m_window->document().grid;
        const int gram = 4;
        const auto click = [grid](int row, int column, Qt::KeyboardModifiers modifiers = {}) {
            const QRect cell = grid->visualRect(grid->model()->index(row, column));
            QTest::mouseClick(grid->viewport(), Qt::LeftButton, modifiers, cell.center());
        };
        click(0, gram);
        QTest::keyClick(grid, Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), "4.04");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(grid, Qt::Key_F5);
        QCOMPARE(model.cell(gram, 2), std::string("31.98"));
        QCOMPARE(model.cell(gram, 3), std::string("36.02"));

        m_fileAnswers = { m_dir->filePath("water.KVX") };
        QVERIFY(m_window->save());
        QVERIFY(!m_window->isModified());
        click(1, gram);
        click(2, gram, Qt::ShiftModifier);
        QTest::keyClick(grid, Qt::Key_Delete);
        QCOMPARE(model.cell(gram, 2), std::string());
        QCOMPARE(model.cell(gram, 3), std::string());
        QCOMPARE(model.cell(gram, 1), std::string("4.04"));
        QVERIFY(!grid->isEditing());
        QVERIFY(m_window->isModified());

        // A click on the item names selects nothing there: Backspace leaves the names.
        const std::string name = model.itemName(gram);
        click(0, gram);
        QTest::mouseClick(grid->horizontalHeader()->viewport(), Qt::LeftButton, {},
            QPoint(grid->horizontalHeader()->sectionViewportPosition(gram) + 5, 5));
        QTest::keyClick(grid, Qt::Key_Backspace);
        QCOMPARE(model.itemName(gram), name);
        QCOMPARE(model.cell(gram, 1), std::string());

        // Calculate Grid from the menu entry too: the moles came from the deleted mass and go
        // with it, until moles are typed. The arrows move between cells, Tab leaves the grid.
        m_window->action("ReactionCalculateGrid")->trigger();
        QCOMPARE(model.cell(gram - 1, 1), std::string());
        QCOMPARE(model.cell(gram, 3), std::string());
        click(0, gram - 1);
        QTest::keyClick(grid, Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), "2");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        m_window->action("ReactionCalculateGrid")->trigger();
        QCOMPARE(model.cell(gram, 1), std::string("4.04"));
        QCOMPARE(model.cell(gram, 3), std::string("36.02"));
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(0, 0));
        QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(grid->currentIndex().column(), 1);
        QTest::keyClick(grid, Qt::Key_Tab);
        QCOMPARE(qobject_cast<QPushButton *>(QApplication::focusWidget())->text(),
            QString("Calculate Grid"));
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(
            qobject_cast<QPushButton *>(QApplication::focusWidget())->text(), QString("Balance"));
    }

    void recentDocumentsOutliveARestart()
    {
        const QStringList names = { "a", "b", "c", "d", "e", "f", "g" };
        for (const QString &name : names) {
            m_answers = { MessageButton::No };
            m_window->newFile();
            QTest::keyClicks(m_window->reactionEditor(), "h2");
            m_fileAnswers = { m_dir->filePath(name) };
            QVERIFY(m_window->saveAs());
        }
        m_window->loadFile(m_dir->filePath("c.KVX"));
        const QStringList newestFirst
            = { "&1 c.KVX", "&2 g.KVX", "&3 f.KVX", "&4 e.KVX", "&5 d.KVX", "&6 b.KVX" };
        QCOMPARE(recentEntries(), newestFirst);

        QVERIFY(m_window->close());
        m_window = std::make_unique<MainWindow>(*m_settings);
        m_window->show();
        QTRY_COMPARE(m_window->windowTitle(), QString("Molvane - Untitled"));
        QCOMPARE(recentEntries(), newestFirst);

        // The save-changes question comes first, as for Open.
        QTest::keyClicks(m_window->reactionEditor(), "o2");
        m_questions.clear();
        m_answers = { MessageButton::No };
        recentEntry("&3 f.KVX")->trigger();
        QCOMPARE(m_questions.size(), std::size_t(1));
        QCOMPARE(m_questions[0].text, QString("Save changes?"));
        QCOMPARE(m_window->windowTitle(), QString("Molvane - f"));
        QCOMPARE(recentEntries().first(), QString("&1 f.KVX"));

        // A document that has gone says so and leaves the list; nothing else changes.
        QVERIFY(QFile::remove(m_dir->filePath("d.KVX")));
        QTest::keyClicks(m_window->reactionEditor(), "o2");
        m_questions.clear();
        recentEntry("&5 d.KVX")->trigger();
        QCOMPARE(m_questions.size(), std::size_t(1));
        QCOMPARE(m_questions[0].text, QString("Can not open this file"));
        QCOMPARE(recentEntries(),
            QStringList({ "&1 f.KVX", "&2 c.KVX", "&3 g.KVX", "&4 e.KVX", "&5 b.KVX" }));
        QCOMPARE(m_window->windowTitle(), QString("Molvane - f"));
        QVERIFY(m_window->isModified());
    }

    void aDroppedDocumentOpensAsOpenDoes()
    {
        QTest::keyClicks(m_window->reactionEditor(), "n2");
        m_fileAnswers = { m_dir->filePath("nitrogen.KVX") };
        QVERIFY(m_window->saveAs());
        m_answers = { MessageButton::No };
        m_window->newFile();
        QTest::keyClicks(m_window->reactionEditor(), "o2");

        QFile text(m_dir->filePath("notes.txt"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.close();
        QVERIFY(!drop(text.fileName()));
        QVERIFY(drop(m_dir->filePath("nitrogen.KVX")));
        m_questions.clear();
        m_answers = { MessageButton::No };
        QTRY_COMPARE(m_window->windowTitle(), QString("Molvane - nitrogen"));
        QCOMPARE(m_questions.size(), std::size_t(1));
        QCOMPARE(m_questions[0].text, QString("Save changes?"));
        QCOMPARE(m_window->reactionEditor()->text(), QString("N2"));

        QFile bad(m_dir->filePath("bad.KVX"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a document\r\n");
        bad.close();
        m_questions.clear();
        QVERIFY(drop(bad.fileName()));
        QTRY_COMPARE(m_questions.size(), std::size_t(1));
        QCOMPARE(m_questions[0].text, QString("Can not open this file"));
        QCOMPARE(m_window->windowTitle(), QString("Molvane - nitrogen"));
    }

    void controlsHaveNamesInTheCurrentLanguage()
    {
        const auto name = [](QWidget *widget) {
            return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
        };
        const auto button = [this](const QString &text) {
            for (QPushButton *button : m_window->findChildren<QPushButton *>())
                if (button->text() == text)
                    return button;
            return static_cast<QPushButton *>(nullptr);
        };
        QCOMPARE(name(m_window->reactionEditor()), QString("Reaction"));
        QCOMPARE(name(m_window->grid()), QString("Substances' properties"));
        QCOMPARE(name(button("Balance")), QString("Balance"));
        QCOMPARE(name(button("Calculate Grid")), QString("Calculate Grid"));
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_F9);
        QCOMPARE(name(m_window->reactionEditor()), QString("واکنش"));
        QCOMPARE(name(m_window->grid()), QString("خواص مواد"));
        QCOMPARE(name(button("موازنه")), QString("موازنه"));
        QCOMPARE(name(button("محاسبه جدول")), QString("محاسبه جدول"));
    }

private:
    QMenu *recentMenu() const { return m_window->findChild<QMenu *>("FileRecent"); }

    QStringList recentEntries() const
    {
        QStringList texts;
        for (const QAction *entry : recentMenu()->actions())
            texts << entry->text();
        return texts;
    }

    QAction *recentEntry(const QString &text) const
    {
        for (QAction *entry : recentMenu()->actions())
            if (entry->text() == text)
                return entry;
        return nullptr;
    }

    // Drags @p path over the window and drops it there; false when the window refused it.
    bool drop(const QString &path)
    {
        QMimeData data;
        data.setUrls({ QUrl::fromLocalFile(path) });
        const QPoint at = m_window->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &enter);
        if (!enter.isAccepted())
            return false;
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(m_window.get(), &dropped);
        return dropped.isAccepted();
    }
};

QTEST_MAIN(DesktopHabitsTest)
#include "DesktopHabitsTest.moc"
