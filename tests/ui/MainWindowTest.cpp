// The main window driven as a user would: keys into the editor, commands from the menu, the
// message box and the file dialogs answered by test hooks.
#include "ui/MainWindow.h"
#include "MainWindowHarness.h"
#include "export/FontConversion.h"
#include "ui/FileDialogs.h"
#include "ui/MessageBox.h"
#include "ui/Settings.h"
#include "ui/UiText.h"
#include "ui/dialogs/KeyOptionsDialog.h"
#include "widgets/GridTableModel.h"
#include "widgets/ReactionEditor.h"
#include "widgets/SubstanceGrid.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <cstdlib>
#include <deque>
#include <memory>

using namespace molvane;

class MainWindowTest : public MainWindowHarness
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(installTemplate()); }
    void init() { QVERIFY(startWindow()); }
    void cleanup() { stopWindow(); }

    void startsWithANewDocumentFromTheTemplate()
    {
        QVERIFY(!m_window->isModified());
        QCOMPARE(m_window->document().grid.rowCount(), 2);
        QVERIFY(m_window->document().grid.colCount() >= 5);
        QCOMPARE(m_window->minimumSize(), QSize(580, 350));
    }

    void typingMarksModifiedAndEnterBalances()
    {
        ReactionEditor *editor = m_window->reactionEditor();
        QTest::keyClicks(editor, "h2+o2 h2o");
        QVERIFY(m_window->isModified());
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(editor->text(), QString("2H2+O2>2H2O"));
        const GridModel &grid = m_window->document().grid;
        QCOMPARE(grid.rowCount(), 4);
        const char *expected[3][3]
            = { { "H2", "2", "2.02" }, { "O2", "1", "31.98" }, { "H2O", "2", "18.01" } };
        for (int row = 0; row < 3; ++row)
            for (int col = 0; col < 3; ++col)
                QCOMPARE(grid.cell(col, row + 1), std::string(expected[row][col]));
        QVERIFY(m_questions.empty());
    }

    void aMassTypedIntoTheGridCalculatesTheOthers()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2+o2 h2o");
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_Return);
        // Type 4 grams of hydrogen into its Gram cell, then calculate.
        SubstanceGrid *grid = m_window->grid();
        const int gram = 4;
        const QModelIndex cell = grid->model()->index(0, gram);
        grid->setCurrentIndex(cell);
        QTest::keyClick(grid, Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), "4.04");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        m_window->calculateGrid();
        const GridModel &model = m_window->document().grid;
        QCOMPARE(model.cell(gram, 1), std::string("4.04"));
        QCOMPARE(model.cell(3, 1), std::string("2")); // mol of hydrogen
        QCOMPARE(model.cell(gram, 2), std::string("31.98")); // oxygen: 1 mol
        QCOMPARE(model.cell(gram, 3), std::string("36.02")); // water: 2 mol
        QVERIFY(m_questions.empty());
    }

    // 40 g of hydrogen and 4 g of oxygen: F5 makes water from the oxygen, says so, and shows
    // which cells it computed; typing over one makes it an input, and undo brings the marks
    // back with the cells.
    void theLimitingReactantMakesTheProducts()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2+o2 h2o");
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_Return);
        SubstanceGrid *grid = m_window->grid();
        const int gram = 4, mol = 3;
        for (const auto &[row, amount] : { std::pair { 0, "40" }, std::pair { 1, "4" } }) {
            grid->setCurrentIndex(grid->model()->index(row, gram));
            QTest::keyClick(grid, Qt::Key_F2);
            QTest::keyClicks(QApplication::focusWidget(), amount);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        }
        QTest::keyClick(m_window.get(), Qt::Key_F5);
        QCOMPARE(m_window->statusBar()->currentMessage(),
            QString("O2 is the limiting reactant; left over: 39.4947 Gram of H2"));
        const GridModel &model = m_window->document().grid;
        QCOMPARE(model.cell(gram, 1), std::string("40"));
        QVERIFY(std::abs(std::stod(model.cell(gram, 3)) - 4 / 31.98 * 2 * 18.01) < 1e-9);
        const auto computed = [&](int row, int col) {
            return grid->model()->index(row, col).data(GridTableModel::ComputedRole).toBool();
        };
        QVERIFY(computed(2, gram) && computed(2, mol) && !computed(0, gram) && !computed(1, gram));
        QVERIFY(!grid->model()->index(2, mol).data(Qt::StatusTipRole).toString().isEmpty());
        grid->setCurrentIndex(grid->model()->index(2, mol));
        QTest::keyClick(grid, Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), "1");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!computed(2, mol));
        QTest::keyClick(m_window.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(computed(2, mol));
        // A weight cell tells what the formula is made of.
        const QString tip = grid->model()->index(2, 2).data(Qt::ToolTipRole).toString();
        QVERIFY2(tip.contains("Mass %") && tip.contains("88.78"), qPrintable(tip));
    }

    // Settings > Atomic Weights: the choice weighs the next Balance and is stored.
    void theAtomicWeightsAreChosenAndStored()
    {
        QAction *iupac = m_window->action("SettingsWeightsIupac");
        QVERIFY(m_window->action("SettingsWeightsOriginal")->isChecked());
        const auto *menu = qobject_cast<QMenu *>(iupac->associatedObjects().value(0));
        QVERIFY(menu);
        QCOMPARE(menu->title(), QString("&Atomic Weights"));
        iupac->trigger();
        QTest::keyClicks(m_window->reactionEditor(), "h2+o2 h2o");
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_Return);
        QCOMPARE(m_window->document().grid.cell(2, 3), std::string("18.015"));
        QCOMPARE(m_settings->value("AtomicWeights").toInt(), 1);
        QVERIFY(!m_window->action("SettingsWeightsOriginal")->isChecked());
        m_window->action("SettingsWeightsOriginal")->trigger();
        QCOMPARE(m_settings->value("AtomicWeights").toInt(), 0);
    }

    // The grid mirrors with the language; an open cell editor would stay behind, over
    // another cell. The edit ends with its text written, as leaving the cell ends it.
    void switchingLanguageEndsACellEdit()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2+o2 h2o");
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_Return);
        SubstanceGrid *grid = m_window->grid();
        const int gram = 4;
        grid->setCurrentIndex(grid->model()->index(0, gram));
        QTest::keyClick(grid, Qt::Key_F2);
        QVERIFY(grid->isEditing());
        QTest::keyClicks(QApplication::focusWidget(), "4.04");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F9);
        QCOMPARE(CurrentUiLanguage(), UiLanguage::Farsi);
        QVERIFY(!grid->isEditing());
        QCOMPARE(m_window->document().grid.cell(gram, 1), std::string("4.04"));
        QTest::keyClick(grid, Qt::Key_F10);
        QCOMPARE(CurrentUiLanguage(), UiLanguage::English);
        QCOMPARE(m_window->document().grid.cell(gram, 1), std::string("4.04"));
        QVERIFY(m_questions.empty());
    }

    void anInvalidNumberIsReported()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2+o2 h2o");
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_Return);
        SubstanceGrid *grid = m_window->grid();
        grid->setCurrentIndex(grid->model()->index(0, 4));
        QTest::keyClick(grid, Qt::Key_F2);
        QTest::keyClicks(QApplication::focusWidget(), "1.5.");
        QTRY_VERIFY(!m_questions.empty());
        QCOMPARE(m_questions[0].text, QString("Invalid number"));
    }

    // A skeleton ionic redox reaction: Enter offers to complete it; Yes takes acid, No base,
    // Cancel leaves it and tells the failure as before.
    void aSkeletonRedoxIsCompletedWhenAsked()
    {
        ReactionEditor *editor = m_window->reactionEditor();
        QTest::keyClicks(editor, "MnO4{-}+Fe{2+} Mn{2+}+Fe{3+}");
        m_answers = { MessageButton::Cancel };
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(m_questions.size(), std::size_t(2));
        QCOMPARE(m_questions[0].kind, MessageKind::Confirmation);
        QCOMPARE(
            m_questions[0].buttons, MessageButton::Yes | MessageButton::No | MessageButton::Cancel);
        QCOMPARE(m_questions[1].kind, MessageKind::Error);
        QCOMPARE(editor->text(), QString("MnO4{-}+Fe{2+}>Mn{2+}+Fe{3+}"));

        m_answers = { MessageButton::Yes };
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(m_questions.size(), std::size_t(3));
        QCOMPARE(editor->text(), QString("5Fe{2+}+MnO4{-}+8H{+}>5Fe{3+}+Mn{2+}+4H2O"));
        QCOMPARE(m_window->document().grid.cell(0, 3), std::string("H{+}"));
    }

    void aSkeletonRedoxIsCompletedInBaseWhenAsked()
    {
        ReactionEditor *editor = m_window->reactionEditor();
        QTest::keyClicks(editor, "MnO4{-}+I{-} MnO2+I2");
        m_answers = { MessageButton::No };
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(editor->text(), QString("6I{-}+2MnO4{-}+4H2O>3I2+2MnO2+8OH{-}"));
    }

    void failuresShowTheirMessage_data()
    {
        QTest::addColumn<QString>("reaction");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("cause");
        QTest::newRow("no arrow") << "h2+o2+h2o"
                                  << "Invalid reaction"
                                  << "Invalid reaction: no arrow between the reactants and the "
                                     "products";
        QTest::newRow("unclosed bracket") << "ca(oh cao"
                                          << "Invalid reaction"
                                          << "Invalid reaction: \"(\" at position 3 is not closed";
        QTest::newRow("free ratio")
            << "CH4+O2 CO2+H2O+CO"
            << "Can not balance this reaction\rIt may be has more than one answer or it is more "
               "than one separate reaction."
            << "Can not balance this reaction: more than one independent reaction";
    }
    void failuresShowTheirMessage()
    {
        QFETCH(QString, reaction);
        QFETCH(QString, message);
        QFETCH(QString, cause);
        QTest::keyClicks(m_window->reactionEditor(), reaction);
        const int rowsBefore = m_window->document().grid.rowCount();
        m_window->balance();
        QCOMPARE(m_questions.size(), std::size_t(1));
        // The box has the cause too, on a line of its own.
        QCOMPARE(m_questions[0].text, message + "\r" + cause.mid(cause.indexOf(": ") + 2));
        QCOMPARE(m_questions[0].kind, MessageKind::Error);
        QCOMPARE(m_window->statusBar()->currentMessage(), cause);
        QCOMPARE(m_window->document().grid.rowCount(), rowsBefore);
        QVERIFY(m_window->isModified());
    }

    void theCauseIsToldInFarsiAndGoesWithASuccess()
    {
        m_window->action("SettingsFarsi")->trigger();
        QTest::keyClicks(m_window->reactionEditor(), "fe{2+} fe{3+}");
        m_window->balance();
        QCOMPARE(m_window->statusBar()->currentMessage(),
            u"نمي\u200cتوانم اين واکنش را موازنه کنم: تنها ضرايب صفر آن را موازنه مي\u200cکنند: "
            u"بار الکتريکي برابر نمي\u200cشود"_qs);
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_End);
        QTest::keyClicks(m_window->reactionEditor(), "+e{-}");
        m_window->balance();
        QCOMPARE(m_window->reactionEditor()->text(), QString("Fe{2+}>Fe{3+}+e{-}"));
        QVERIFY(m_window->statusBar()->currentMessage().isEmpty());
    }

    void theStatusBarSaysWhichLetterCaseReadingWasTaken()
    {
        QTest::keyClicks(m_window->reactionEditor(), "co");
        QCOMPARE(m_window->statusBar()->currentMessage(),
            QString("\"co\" was read as the element Co; for CO type the second letter as a "
                    "capital"));
    }

    void pastedIonsAreReadAsChemistryMeansOrRefusedWithTheirCause()
    {
        ReactionEditor *editor = m_window->reactionEditor();
        // Enter balances; the box has the cause on a line of its own.
        QTest::keyClicks(editor, "h2+o2 h2o+o3");
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(m_questions.size(), std::size_t(1));
        QCOMPARE(m_questions[0].text,
            QString("Can not balance this reaction\rIt may be has more than one answer or it is "
                    "more than one separate reaction.\rmore than one independent reaction"));
        // Digits before a sign that only chemistry tells apart: the ion is taken and told.
        QApplication::clipboard()->setText("Cu + Ag+ > Cu2+ + Ag");
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QTRY_COMPARE(editor->text(), QString("Cu+Ag{+}>Cu{2+}+Ag"));
        QCOMPARE(m_window->statusBar()->currentMessage(),
            QString("\"Cu2+\" was read as Cu{2+}, the ion chemistry knows; type Cu2{+} for the "
                    "other reading"));
        QTest::keyClick(editor, Qt::Key_Return);
        QCOMPARE(editor->text(), QString("Cu+2Ag{+}>Cu{2+}+2Ag"));
        // A paste no reading balances is refused and the reaction stays as it was.
        QApplication::clipboard()->setText("Fe2+ + Cl- > FeCl3");
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(m_questions.size(), std::size_t(2));
        QCOMPARE(m_questions[1].text,
            QString("Invalid reaction\rthe digits at position 3 may be a count or a charge: "
                    "write Fe{2+} or Fe2{+}"));
        QTest::qWait(50);
        QCOMPARE(editor->text(), QString("Cu+2Ag{+}>Cu{2+}+2Ag"));
    }

    void saveAsAddsTheExtensionAndNamesTheWindow()
    {
        QTest::keyClicks(m_window->reactionEditor(), "nacl");
        m_fileAnswers.push_back(m_dir->filePath("salt"));
        m_window->saveAs();
        QVERIFY(QFile::exists(m_dir->filePath("salt.KVX")));
        QCOMPARE(m_window->windowTitle(), QString("Molvane - salt"));
        QVERIFY(!m_window->isModified());
    }

    void replaceQuestionAnsweredNoAsksForANameAgain()
    {
        QFile existing(m_dir->filePath("a.b.KVX"));
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.close();
        m_fileAnswers = { m_dir->filePath("a.b.KVX"), QString() };
        m_answers = { MessageButton::No };
        m_window->saveAs();
        QCOMPARE(m_questions.size(), std::size_t(1));
        QCOMPARE(m_questions[0].kind, MessageKind::Warning);
        QCOMPARE(m_questions[0].buttons, MessageButton::Yes | MessageButton::No);
        QVERIFY(m_window->documentPath().isEmpty());
        QCOMPARE(QFileInfo(existing).size(), 0);

        m_fileAnswers = { m_dir->filePath("a.b.KVX") };
        m_answers = { MessageButton::Yes };
        m_window->saveAs();
        QCOMPARE(m_window->windowTitle(), QString("Molvane - a.b"));
        QVERIFY(QFileInfo(existing).size() > 0);
    }

    // The releases of Ctrl+S, of Enter in the save dialog and of Ctrl+O reach the editor;
    // none of them is an edit, nor is a caret key.
    void savingAndOpeningLeaveTheDocumentUnchanged()
    {
        ReactionEditor *editor = m_window->reactionEditor();
        QTest::keyClicks(editor, "h2");
        m_fileAnswers = { m_dir->filePath("h.KVX") };
        QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
        QTest::keyRelease(editor, Qt::Key_Return); // pressed in the save dialog
        QCOMPARE(m_window->documentPath(), m_dir->filePath("h.KVX"));
        QVERIFY(!m_window->isModified());

        QTest::keyClick(editor, Qt::Key_Home);
        QVERIFY(!m_window->isModified());
        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClick(editor, Qt::Key_O);
        QVERIFY(m_window->isModified());
        QTest::keyClick(editor, Qt::Key_Backspace); // back to what the file holds
        QVERIFY(!m_window->isModified());
        QTest::keyClick(editor, Qt::Key_Plus);
        QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!m_window->isModified());

        m_fileAnswers = { m_dir->filePath("h.KVX") };
        QTest::keyClick(editor, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(editor->text(), QString("H2+"));
        QVERIFY(!m_window->isModified());

        QTest::keyClick(editor, Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_window->isVisible());
        QVERIFY(m_questions.empty());
    }

    void unsavedChangesAreAskedAbout()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2");
        m_answers = { MessageButton::Cancel };
        m_window->newFile();
        QCOMPARE(m_window->reactionEditor()->text(), QString("H2"));
        QCOMPARE(m_questions.back().text, QString("Save changes?"));
        QCOMPARE(m_questions.back().buttons,
            MessageButton::Yes | MessageButton::No | MessageButton::Cancel);

        m_answers = { MessageButton::No };
        m_window->newFile();
        QCOMPARE(m_window->reactionEditor()->text(), QString());
        QVERIFY(!m_window->isModified());
    }

    void aCancelledSaveKeepsTheDocumentOpen()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2");
        m_answers = { MessageButton::Yes };
        m_window->newFile(); // Save As is cancelled: nothing is lost
        QCOMPARE(m_window->reactionEditor()->text(), QString("H2"));
        QVERIFY(m_window->isModified());
    }

    void aFailedSaveKeepsTheDocumentOpen()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2");
        m_fileAnswers = { m_dir->filePath("missing/folder/x.KVX") };
        m_answers = { MessageButton::Yes, MessageButton::Ok };
        m_window->newFile();
        QVERIFY(m_questions.back().text.startsWith("Can not save this file\r"));
        QCOMPARE(m_window->reactionEditor()->text(), QString("H2"));
        QVERIFY(m_window->isModified());
    }

    void aFileThatDoesNotReadLeavesTheDocument()
    {
        QFile bad(m_dir->filePath("bad.KVX"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a document\r\n");
        bad.close();
        QTest::keyClicks(m_window->reactionEditor(), "h2");
        m_window->loadFile(bad.fileName());
        QCOMPARE(m_questions.size(), std::size_t(1)); // no save question first
        QCOMPARE(m_questions[0].text, QString("Can not open this file"));
        QCOMPARE(m_window->reactionEditor()->text(), QString("H2"));
        QVERIFY(m_window->isModified());
    }

    void savedDocumentsOpenAgain()
    {
        QTest::keyClicks(m_window->reactionEditor(), "fe+o2 fe2o3");
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_Return);
        m_fileAnswers = { m_dir->filePath("rust.KVX") };
        m_window->saveAs();
        m_answers = { MessageButton::No };
        m_window->newFile();
        QCOMPARE(m_window->reactionEditor()->text(), QString());
        m_window->loadFile(m_dir->filePath("rust.KVX"));
        QCOMPARE(m_window->reactionEditor()->text(), QString("4Fe+3O2>2Fe2O3"));
        QCOMPARE(m_window->document().grid.rowCount(), 4);
        QCOMPARE(m_window->windowTitle(), QString("Molvane - rust"));
        QVERIFY(!m_window->isModified());
    }

    // A reaction line of the code page's letters (alef, e acute) is kept through open, copy,
    // an edit, save and the page export, byte for byte.
    void theCodePagesLettersSurviveOpenEditAndSave()
    {
        QFile shipped(MOLVANE_DATA_DIR "/New.KVX");
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QByteArray original = "H2O+\xC7\xE9" + shipped.readAll();
        const QString path = m_dir->filePath("letters.KVX");
        QVERIFY(writeFile(path, original));
        ReactionEditor *editor = m_window->reactionEditor();
        const QString letters = QString::fromUtf8("H2O+\u0627\u00E9");

        m_fileAnswers = { path };
        QTest::keyClick(editor, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(editor->text(), letters);
        QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), letters);
        QFile::remove(path);
        QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(readFile(path), original);

        m_fileAnswers = { m_dir->filePath("letters.html") };
        QTest::keyClick(editor, Qt::Key_H, Qt::ControlModifier);
        QVERIFY(readFile(m_dir->filePath("letters.html")).contains("+\xC7\xE9"));

        QTest::keyClick(editor, Qt::Key_End);
        QTest::keyClick(editor, Qt::Key_Backspace);
        QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(readFile(path).startsWith("H2O+\xC7\r\n"));
        QVERIFY(m_questions.empty());
    }

    void openingWhileModifiedAsksAfterReading()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2");
        m_fileAnswers = { m_dir->filePath("h.KVX") };
        m_window->saveAs();
        QTest::keyClicks(m_window->reactionEditor(), "o");
        m_answers = { MessageButton::Cancel };
        m_window->loadFile(m_dir->filePath("h.KVX"));
        QCOMPARE(m_questions.back().text, QString("Save changes?"));
        QCOMPARE(m_window->reactionEditor()->text(), QString("H2O"));
        m_answers = { MessageButton::No };
        m_window->loadFile(m_dir->filePath("h.KVX"));
        QCOMPARE(m_window->reactionEditor()->text(), QString("H2"));
        QVERIFY(!m_window->isModified());
    }

    // The file is read once the question is answered: what Yes saved is what opens.
    void reopeningTheEditedDocumentKeepsWhatYesSaved()
    {
        const QString salt = m_dir->filePath("salt.KVX");
        QTest::keyClicks(m_window->reactionEditor(), "nacl");
        m_fileAnswers = { salt };
        m_window->saveAs();
        QTest::keyClicks(m_window->reactionEditor(), "+fe");
        m_fileAnswers = { salt };
        m_answers = { MessageButton::Yes };
        m_window->action("FileOpen")->trigger();
        QCOMPARE(m_questions.size(), std::size_t(1));
        QCOMPARE(m_window->reactionEditor()->text(), QString("NaCl+Fe"));
        QVERIFY(!m_window->isModified());
        QVERIFY(readFile(salt).startsWith("NaCl+Fe\r\n"));
    }

    void openingOverTheFileSavedAsOpensWhatWasSaved()
    {
        QFile shipped(MOLVANE_DATA_DIR "/New.KVX");
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        const QString salt = m_dir->filePath("salt.KVX");
        QVERIFY(writeFile(salt, "NaCl" + shipped.readAll()));
        QTest::keyClicks(m_window->reactionEditor(), "fe");
        m_fileAnswers = { salt, salt }; // the file to open, then the name to save as
        m_answers = { MessageButton::Yes, MessageButton::Yes }; // save changes, replace
        m_window->action("FileOpen")->trigger();
        QCOMPARE(m_questions.size(), std::size_t(2));
        QCOMPARE(m_window->reactionEditor()->text(), QString("Fe"));
        QCOMPARE(m_window->windowTitle(), QString("Molvane - salt"));
        QVERIFY(!m_window->isModified());
        QVERIFY(readFile(salt).startsWith("Fe\r\n"));
    }

    // A Save As that fails leaves the name, the title and the changed mark as they were.
    void aFailedSaveAsKeepsTheName()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2");
        m_fileAnswers = { m_dir->filePath("missing/x.KVX") };
        m_window->action("FileSaveAs")->trigger();
        QVERIFY(m_questions.back().text.startsWith("Can not save this file\r"));
        QCOMPARE(m_window->windowTitle(), QString("Molvane - Untitled"));
        QVERIFY(m_window->documentPath().isEmpty());
        QVERIFY(m_window->isModified());

        m_fileAnswers = { m_dir->filePath("h") };
        m_window->action("FileSaveAs")->trigger();
        QTest::keyClicks(m_window->reactionEditor(), "o");
        m_fileAnswers = { m_dir->filePath("missing/y.KVX") };
        m_window->action("FileSaveAs")->trigger();
        QCOMPARE(m_questions.size(), std::size_t(2));
        QCOMPARE(m_window->windowTitle(), QString("Molvane - h"));
        QCOMPARE(m_window->documentPath(), m_dir->filePath("h.KVX"));
        QVERIFY(m_window->isModified());
        QVERIFY(readFile(m_dir->filePath("h.KVX")).startsWith("H2\r\n"));

        // Save of an untitled document asks for a name the same way.
        m_answers = { MessageButton::No };
        m_window->newFile();
        QTest::keyClicks(m_window->reactionEditor(), "n2");
        m_fileAnswers = { m_dir->filePath("missing/z.KVX") };
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(m_window->windowTitle(), QString("Molvane - Untitled"));
        QVERIFY(m_window->documentPath().isEmpty());
        QVERIFY(m_window->isModified());
    }

    // A paste typing on its timer stops before "Save changes?": what is saved is what the
    // question was asked about, and nothing is typed after it.
    void closingStopsAPasteBeforeAsking()
    {
        const QString path = m_dir->filePath("paste.KVX");
        m_fileAnswers = { path };
        QString asked;
        SetMessageBoxHook([&](const QString &, MessageKind, MessageButtons) {
            asked = m_window->reactionEditor()->text();
            QTest::qWait(100); // a real message box runs the event loop while it waits
            return MessageButton::Yes;
        });
        QApplication::clipboard()->setText(QString("H2O+").repeated(40));
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(m_window->isModified());
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(!m_window->isVisible());
        QVERIFY(!asked.isEmpty());
        QVERIFY(asked.size() < 160);
        QTest::qWait(50);
        QCOMPARE(m_window->reactionEditor()->text(), asked);
        QVERIFY(readFile(path).startsWith(asked.toLatin1() + "\r\n"));
    }

    // Cancelling the question keeps the document, so the held paste goes on to its end.
    void cancelledCloseLetsAPasteFinish()
    {
        QString asked, afterWaiting;
        SetMessageBoxHook([&](const QString &, MessageKind, MessageButtons) {
            asked = m_window->reactionEditor()->text();
            QTest::qWait(100);
            afterWaiting = m_window->reactionEditor()->text();
            return MessageButton::Cancel;
        });
        QApplication::clipboard()->setText("2H2+O2 2H2O#");
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_W, Qt::ControlModifier);
        QTRY_VERIFY(m_window->isModified());
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_Q, Qt::ControlModifier);
        QVERIFY(m_window->isVisible());
        QCOMPARE(afterWaiting, asked);
        QTRY_COMPARE(m_window->reactionEditor()->text(), QString("H2+O2>H2O"));
    }

    void storedPlacementIsReadAtStartUp()
    {
        WriteWindowSettings(*m_settings, 640, 420, 30, 40, 2, false);
        MainWindow second(*m_settings);
        QCOMPARE(second.restorePlacement(), 2);
        QCOMPARE(second.size(), QSize(640, 420));
        m_settings->clear();
        m_settings->setValue("Width", 600);
        MainWindow third(*m_settings);
        QCOMPARE(third.restorePlacement(), 0);
        QCOMPARE(third.size(), QSize(600, 551));
    }

    // What closing writes is what the next start applies: the window does not grow from one
    // start to the next, whatever its frame. A stored top without a left is applied.
    void placementRoundTripsThroughTheStore()
    {
        m_window->setGeometry(50, 40, 700, 500); // on the 800 x 600 test screen
        QTRY_COMPARE(m_window->geometry(), QRect(50, 40, 700, 500));
        const QRect closed = m_window->geometry();
        QVERIFY(m_window->close());
        MainWindow second(*m_settings);
        QCOMPARE(second.restorePlacement(), 0);
        second.show();
        QVERIFY(QTest::qWaitForWindowExposed(&second));
        QCOMPARE(second.geometry(), closed);

        m_settings->remove("Left");
        MainWindow third(*m_settings);
        third.restorePlacement();
        QCOMPARE(third.geometry().top(), closed.top());
        QCOMPARE(third.size(), closed.size());
    }

    void closingStoresPlacementAndKeyOptions()
    {
        m_window->resize(700, 500);
        QVERIFY(m_window->close());
        QSettings stored(m_settings->fileName(), QSettings::IniFormat);
        QCOMPARE(stored.value("WS").toInt(), 0);
        QVERIFY(stored.value("Width").toInt() >= 700);
        QCOMPARE(stored.value("Lang").toInt(), 0);
        QCOMPARE(stored.value("KP").toString(), QString("+="));
    }

    void helpOnBalanceExplainsInsteadOfBalancing()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2+o2 h2o");
        m_window->action("HelpHelp")->trigger();
        QVERIFY(m_window->helpMode());
        QCOMPARE(m_window->statusBar()->currentMessage(),
            QString("Click on item you need information about"));
        QTest::mouseClick(button("Balance"), Qt::LeftButton);
        QCOMPARE(m_questions.size(), std::size_t(1));
        QVERIFY(m_questions[0].text.startsWith("In most cases you have not to use Shift key"));
        QCOMPARE(m_questions[0].kind, MessageKind::Information);
        QCOMPARE(m_window->reactionEditor()->text(), QString("H2+O2>H2O")); // not balanced
        QVERIFY(!m_window->helpMode());
        QCOMPARE(m_window->reactionEditor()->cursor().shape(), Qt::IBeamCursor);
        QVERIFY(m_window->statusBar()->currentMessage().isEmpty());
    }

    void helpOnCalculateGridCalculatesNothing()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2+o2 h2o");
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_Return);
        m_window->action("HelpHelp")->trigger();
        QTest::mouseClick(button("Calculate Grid"), Qt::LeftButton);
        QVERIFY(m_questions.back().text.startsWith("Click \"Calculate Grid\" button"));
        QCOMPARE(m_window->document().grid.cell(3, 1), std::string()); // no mol written
    }

    void helpOnTheEditorExplainsTheReaction()
    {
        m_window->action("HelpHelp")->trigger();
        QTest::mouseClick(m_window->reactionEditor(), Qt::LeftButton);
        QVERIFY(m_questions.back().text.startsWith("In most cases"));
    }

    void theHelpPromptKeepsItsLanguage()
    {
        m_window->action("HelpHelp")->trigger();
        m_window->action("SettingsFarsi")->trigger();
        QCOMPARE(m_window->statusBar()->currentMessage(),
            QString("Click on item you need information about"));
        QCOMPARE(button("موازنه")->text(), QString("موازنه"));
    }

    // Options and About are built when first opened, in the language of that moment.
    void dialogsFirstOpenedInFarsiSpeakFarsi()
    {
        QVERIFY(!m_window->findChild<QDialog *>("OpsForm"));
        m_window->action("SettingsFarsi")->trigger();
        QStringList titles;
        for (const char *command : { "SettingsOptions", "HelpAbout" }) {
            QTimer::singleShot(50, [&titles] {
                QWidget *dialog = QApplication::activeModalWidget();
                QVERIFY(dialog);
                titles << dialog->windowTitle();
                dialog->close();
            });
            m_window->action(command)->trigger();
        }
        QCOMPARE(titles,
            QStringList({ UiString(TextId::OptionsDialogTitle, UiLanguage::Farsi),
                UiString(TextId::AboutDialogTitle, UiLanguage::Farsi) }));
    }

    void switchingToFarsiAndBackRewritesEveryText()
    {
        const QStringList english = windowTexts();
        m_window->action("SettingsFarsi")->trigger();
        QVERIFY(m_window->isModified());
        QCOMPARE(m_window->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(m_window->reactionEditor()->layoutDirection(), Qt::LeftToRight);
        QCOMPARE(m_window->action("FileNew")->text(), QString("ج&ديد"));
        QVERIFY(!m_window->action("SettingsFarsi")->isVisible());
        QVERIFY(m_window->action("SettingsEnglish")->isVisible());
        QCOMPARE(m_window->windowTitle(), QString("Molvane - Untitled"));
        const QStringList farsi = windowTexts();
        for (int i = 0; i < english.size(); ++i)
            if (!english[i].isEmpty())
                QVERIFY2(english[i] != farsi[i], qPrintable(english[i]));
        m_window->action("SettingsEnglish")->trigger();
        QCOMPARE(windowTexts(), english);
        QCOMPARE(m_window->layoutDirection(), Qt::LeftToRight);
    }

    // Pointing at an item of the Help menu or the tool bar shows its whole hint when it has no
    // short part of its own, in either language.
    void hintsWithoutABarFillTheStatusBar()
    {
        const std::pair<const char *, TextId> hinted[] = { { "HelpHelp", TextId::HelpHelpHint },
            { "HelpOnline", TextId::HelpOnlineHint }, { "HelpFarsi", TextId::HelpFarsiHint } };
        auto *toolBar = m_window->findChild<QToolBar *>("ToolBar");
        for (const UiLanguage language : { UiLanguage::English, UiLanguage::Farsi }) {
            if (language == UiLanguage::Farsi)
                m_window->action("SettingsFarsi")->trigger();
            for (const auto &[name, hint] : hinted) {
                QAction *action = m_window->action(name);
                const QString whole = UiString(hint, language);
                auto *menu = qobject_cast<QMenu *>(action->associatedObjects().value(0));
                QVERIFY(menu);
                menu->popup(m_window->mapToGlobal(QPoint(20, 20)));
                QVERIFY(QTest::qWaitForWindowExposed(menu));
                m_window->statusBar()->clearMessage();
                QTest::mouseMove(menu, menu->actionGeometry(action).center());
                QTRY_COMPARE(m_window->statusBar()->currentMessage(), whole);
                menu->hide();
                if (QWidget *tool = toolBar->widgetForAction(action)) {
                    m_window->statusBar()->clearMessage();
                    QTest::mouseMove(tool, tool->rect().center());
                    QTRY_COMPARE(m_window->statusBar()->currentMessage(), whole);
                    QCOMPARE(tool->toolTip(), whole);
                    QTest::mouseMove(m_window->reactionEditor());
                }
            }
        }
    }

    void openingAFarsiDocumentSwitchesToFarsi()
    {
        m_window->action("SettingsFarsi")->trigger();
        QTest::keyClicks(m_window->reactionEditor(), "nacl");
        m_fileAnswers = { m_dir->filePath("namak.KVX") };
        m_window->saveAs();
        m_window->action("SettingsEnglish")->trigger();
        m_answers = { MessageButton::No };
        m_window->loadFile(m_dir->filePath("namak.KVX"));
        QCOMPARE(m_window->layoutDirection(), Qt::RightToLeft);
        QCOMPARE(CurrentUiLanguage(), UiLanguage::Farsi);
        QCOMPARE(m_window->windowTitle(), QString("Molvane - namak"));
        QVERIFY(!m_window->isModified());
    }

    void theMessageBoxOrdersAndAnswers_data()
    {
        QTest::addColumn<int>("buttons");
        QTest::addColumn<bool>("farsi");
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("escapeAnswer");
        QTest::newRow("save question")
            << (MessageButton::Yes | MessageButton::No | MessageButton::Cancel).toInt() << false
            << QStringList { "&Yes", "&No", "Cancel" } << int(MessageButton::Cancel);
        QTest::newRow("overwrite question")
            << (MessageButton::Yes | MessageButton::No).toInt() << false
            << QStringList { "&Yes", "&No" } << int(MessageButton::No);
        QTest::newRow("error") << MessageButtons(MessageButton::Ok).toInt() << false
                               << QStringList { "OK" } << int(MessageButton::Ok);
        QTest::newRow("farsi question") << (MessageButton::Yes | MessageButton::No).toInt() << true
                                        << QStringList { "&بلي", "&خير" } << int(MessageButton::No);
    }
    void theMessageBoxOrdersAndAnswers()
    {
        QFETCH(int, buttons);
        QFETCH(bool, farsi);
        QFETCH(QStringList, labels);
        QFETCH(int, escapeAnswer);
        SetMessageBoxHook({});
        SetCurrentUiLanguage(farsi ? UiLanguage::Farsi : UiLanguage::English);
        QStringList shown;
        QString title;
        Qt::LayoutDirection direction = Qt::LeftToRight;
        int centreOffset = -1000;
        bool belowText = false;
        QTimer::singleShot(50, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            direction = box->layoutDirection();
            QList<QAbstractButton *> ordered = box->buttons();
            std::sort(ordered.begin(), ordered.end(),
                [](QAbstractButton *a, QAbstractButton *b) { return a->x() < b->x(); });
            if (direction == Qt::RightToLeft)
                std::reverse(ordered.begin(), ordered.end());
            for (QAbstractButton *b : ordered)
                shown << b->text();
            // One row of buttons, centred under the text.
            QRect row;
            for (QAbstractButton *b : ordered)
                row |= QRect(b->mapTo(box, QPoint(0, 0)), b->size());
            centreOffset = row.center().x() - box->rect().center().x();
            const auto *text = box->findChild<QLabel *>("qt_msgbox_label");
            QVERIFY(text);
            belowText = row.top() >= text->mapTo(box, QPoint(0, text->height())).y();
            QTest::keyClick(box, Qt::Key_Escape); // also what the title-bar close button does
        });
        const MessageButton answer = ShowMessageBox(
            "Line one\rLine two", MessageKind::Warning, MessageButtons::fromInt(buttons));
        SetCurrentUiLanguage(UiLanguage::English);
        QCOMPARE(shown, labels);
        QCOMPARE(int(answer), escapeAnswer);
        QCOMPARE(title, farsi ? QString("توجه") : QString("Warning"));
        QCOMPARE(direction, farsi ? Qt::RightToLeft : Qt::LeftToRight);
        QVERIFY2(std::abs(centreOffset) <= 3, qPrintable(QString::number(centreOffset)));
        QVERIFY(belowText);
    }

    void keyOptionsTakeEffectAtTheNextKeyAndSurviveARestart()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2=o2 ");
        QCOMPARE(m_window->reactionEditor()->text(), QString("H2+O2>"));
        // Empty the arrow keys in the dialog, as a user would.
        auto *kf = m_window->keyOptionsDialog()->findChild<QLineEdit *>("KF");
        QVERIFY(kf);
        kf->selectAll();
        QTest::keyClick(kf, Qt::Key_Delete);
        QTest::keyClicks(m_window->reactionEditor(), " h");
        QCOMPARE(m_window->reactionEditor()->text(), QString("H2+O2>H"));
        m_answers = { MessageButton::No };
        QVERIFY(m_window->close());
        m_window = std::make_unique<MainWindow>(*m_settings);
        QCOMPARE(m_window->keyOptionsDialog()->keyOptions().arrowKeys, std::string());
        QCOMPARE(m_window->keyOptionsDialog()->keyOptions().plusKeys, std::string("+="));
    }

    // The Key Options dialog is built when first opened; until then the stored options type
    // as they always did, a close keeps them, and the dialog shows them in the current language.
    void storedKeyOptionsWorkBeforeTheirDialogIsBuilt()
    {
        QVERIFY(m_window->close());
        m_settings->setValue("KP", "#");
        m_settings->setValue("KF", "!");
        m_settings->setValue("ChB", 0);
        for (int start = 0; start < 2; ++start) {
            if (start > 0) {
                m_answers = { MessageButton::No };
                QVERIFY(m_window->close());
            }
            m_window = std::make_unique<MainWindow>(*m_settings);
            m_window->show();
            QVERIFY(
                QTest::qWaitFor([&] { return m_window->windowTitle() == "Molvane - Untitled"; }));
            QVERIFY(!m_window->findChild<KeyOptionsDialog *>());
            QTest::keyClicks(m_window->reactionEditor(), "h2#o2!h2o");
            QCOMPARE(m_window->reactionEditor()->text(), QString("h2+o2>h2o")); // no case fixing
        }
        m_window->action("SettingsFarsi")->trigger();
        KeyOptionsDialog *dialog = m_window->keyOptionsDialog();
        QCOMPARE(m_window->findChild<KeyOptionsDialog *>(), dialog);
        QCOMPARE(dialog->windowTitle(), UiString(TextId::KeyOptionsDialogTitle, UiLanguage::Farsi));
        QCOMPARE(dialog->keyOptions().plusKeys, std::string("#"));
        QCOMPARE(dialog->keyOptions().arrowKeys, std::string("!"));
        QVERIFY(!dialog->keyOptions().autoIdentify);
    }

    void exportingAPageLeavesTheDocumentAsItWas()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2+o2 h2o");
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_Return);
        m_fileAnswers = { m_dir->filePath("page") };
        m_window->action("FileHTML")->trigger();
        QFile page(m_dir->filePath("page.html"));
        QVERIFY(page.open(QIODevice::ReadOnly));
        QVERIFY(page.readAll().contains("<table"));
        QVERIFY(m_window->isModified());
        QVERIFY(m_window->documentPath().isEmpty());

        m_fileAnswers = { m_dir->filePath("page.htm"), m_dir->filePath("missing/x.htm") };
        m_window->action("FileHTML")->trigger();
        QVERIFY(QFile::exists(m_dir->filePath("page.htm")));
        m_window->action("FileHTML")->trigger();
        QCOMPARE(m_questions.size(), std::size_t(1)); // the failure, in the system's words
        QCOMPARE(m_questions[0].kind, MessageKind::Error);
    }

    void optionsDefaultReachesTheNextNewDocument()
    {
        QTimer::singleShot(50, [] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog && dialog->objectName() == "OpsForm");
            auto *position = dialog->findChild<QLineEdit *>("FSbP");
            position->selectAll();
            QTest::keyClicks(position, "3");
            QTest::mouseClick(dialog->findChild<QPushButton *>("Def"), Qt::LeftButton);
        });
        m_window->action("SettingsOptions")->trigger();
        QCOMPARE(m_window->document().subscriptPosition, 3);
        QVERIFY(m_window->isModified());
        m_answers = { MessageButton::No };
        m_window->newFile();
        QCOMPARE(m_window->document().subscriptPosition, 3);
        // Put the shipped template back for the other tests.
        const QString user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QFile::remove(user + "/New.KVX");
        QVERIFY(QFile::copy(MOLVANE_DATA_DIR "/New.KVX", user + "/New.KVX"));
    }

    // The menu bar, every drop-down and the two captions take the program font and its colour,
    // from start-up on, through Options, New and Open.
    void menusAndCaptionsFollowTheProgramFont()
    {
        const DocumentFont initial = m_window->document().fonts[ProgramFont];
        verifyProgramFont(initial);
        QTimer::singleShot(50, [] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog && dialog->objectName() == "OpsForm");
            auto *size = dialog->findChild<QLineEdit *>("FPFS");
            size->setFocus();
            size->selectAll();
            QTest::keyClicks(size, "13");
            auto *color = dialog->findChild<QComboBox *>("FPFC");
            color->setFocus();
            QTest::keyClicks(color, "Red");
            QTest::mouseClick(dialog->findChild<QPushButton *>("OK"), Qt::LeftButton);
        });
        m_window->action("SettingsOptions")->trigger();
        const DocumentFont changed = m_window->document().fonts[ProgramFont];
        QCOMPARE(changed.size, 13);
        QCOMPARE(changed.color, ColorValue(0x0000FF));
        verifyProgramFont(changed);
        m_fileAnswers = { m_dir->filePath("red.KVX") };
        m_window->saveAs();
        m_window->newFile();
        verifyProgramFont(initial);
        m_window->loadFile(m_dir->filePath("red.KVX"));
        verifyProgramFont(changed);
    }

    void optionsCancelChangesNothing()
    {
        QTimer::singleShot(50, [] {
            QWidget *dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            auto *position = dialog->findChild<QLineEdit *>("FSbP");
            position->selectAll();
            QTest::keyClicks(position, "7");
            QTest::mouseClick(dialog->findChild<QPushButton *>("Cancel"), Qt::LeftButton);
        });
        m_window->action("SettingsOptions")->trigger();
        QCOMPARE(m_window->document().subscriptPosition, 0);
        QVERIFY(!m_window->isModified());
    }

    void closingWithChangesAnsweredNoCloses()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2");
        m_answers = { MessageButton::No };
        QVERIFY(m_window->close());
    }

    void closingWithChangesCanBeCancelled()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2");
        m_answers = { MessageButton::Cancel };
        QVERIFY(!m_window->close());
        QVERIFY(m_window->isVisible());
    }

private:
    static bool writeFile(const QString &path, const QByteArray &bytes)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    }

    static QByteArray readFile(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void verifyProgramFont(const DocumentFont &expected) const
    {
        const QFont font = ToQFont(expected);
        QList<QWidget *> shown { m_window->menuBar() };
        for (QMenu *menu : m_window->menuBar()->findChildren<QMenu *>())
            shown << menu;
        QVERIFY(shown.size() > 4); // the bar and its four menus at least
        for (const QWidget *widget : shown) {
            QCOMPARE(widget->font().family(), font.family());
            QCOMPARE(widget->font().pointSize(), font.pointSize());
        }
        for (const QLabel *label : m_window->findChildren<QLabel *>()) {
            if (label->window() != m_window.get())
                continue;
            QCOMPARE(label->font().pointSize(), font.pointSize());
            QCOMPARE(label->palette().color(QPalette::WindowText), ToQColor(expected.color));
        }
    }

    QPushButton *button(const QString &text) const
    {
        for (QPushButton *b : m_window->findChildren<QPushButton *>())
            if (b->text() == text)
                return b;
        return nullptr;
    }

    // Every action's caption and hint, the menus' titles and the labels and buttons.
    QStringList windowTexts() const
    {
        QStringList texts;
        // The language actions and the Farsi advice read the same in both languages.
        const QStringList same = { "SettingsEnglish", "SettingsFarsi", "HelpFarsi" };
        for (QAction *a : m_window->findChildren<QAction *>())
            if (!same.contains(a->objectName()))
                texts << a->text() << a->toolTip() << a->statusTip();
        for (QWidget *w : m_window->findChildren<QWidget *>()) {
            if (w->window() != m_window.get())
                continue; // the dialogs have texts of their own
            if (auto *label = qobject_cast<QLabel *>(w))
                texts << label->text();
            if (auto *b = qobject_cast<QPushButton *>(w))
                texts << b->text() << b->statusTip();
        }
        return texts;
    }
};

QTEST_MAIN(MainWindowTest)
#include "MainWindowTest.moc"
