// Export as Bitmap (and as PDF) from the main window: the picture dialog and the replace question
// answered by test hooks (or, for the close button, by a real box), the picture read back.
#include "MainWindowHarness.h"
#include "export/BitmapExport.h"
#include "ui/FileDialogs.h"
#include "ui/MainWindow.h"
#include "ui/MessageBox.h"
#include "widgets/ReactionEditor.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <memory>

using namespace molvane;

class FilePrintTest : public MainWindowHarness
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(installTemplate()); }
    void init() { QVERIFY(startWindow()); }
    void cleanup() { stopWindow(); }

    void ctrlPExportsTheBalancedReactionAndItsGrid()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2+o2 h2o");
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_Return);
        QCOMPARE(m_window->reactionEditor()->text(), QString("2H2+O2>2H2O"));
        m_fileAnswers = { m_dir->filePath("water") };
        // Pressed while typing in the editor: a command, not a character of the reaction.
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_P, Qt::ControlModifier);
        QCOMPARE(m_dialogs, (QList<FileDialogKind> { FileDialogKind::SaveBitmap }));
        QCOMPARE(m_window->reactionEditor()->text(), QString("2H2+O2>2H2O"));
        QVERIFY(m_questions.empty());

        QImageReader reader(m_dir->filePath("water.bmp"));
        QCOMPARE(reader.format(), QByteArray("bmp"));
        const QImage picture = reader.read().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture, RenderBitmap(m_window->document(), UiLanguage::English));
        bool blue = false;
        for (int x = 10; x < 30 && !blue; ++x)
            for (int y = 10; y < 35 && !blue; ++y)
                blue = picture.pixelColor(x, y) == QColor(0, 0, 255);
        QVERIFY2(blue, "the first coefficient is blue");
    }

    void formatFollowsTheExtension_data()
    {
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<QString>("saved");
        QTest::addColumn<QByteArray>("format");
        QTest::newRow("no extension") << "result"
                                      << "result.bmp" << QByteArray("bmp");
        QTest::newRow("png") << "result.png"
                             << "result.png" << QByteArray("png");
        QTest::newRow("svg") << "result.SVG"
                             << "result.SVG" << QByteArray("svg");
        QTest::newRow("other extension") << "result.gif"
                                         << "result.gif" << QByteArray("bmp");
        QTest::newRow("lone full stop") << "result."
                                        << "result." << QByteArray("bmp");
    }

    void formatFollowsTheExtension()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, saved);
        QFETCH(QByteArray, format);
        m_fileAnswers = { m_dir->filePath(chosen) };
        m_window->action("FilePrint")->trigger();
        const QByteArray bytes = contents(m_dir->filePath(saved));
        if (format == "svg") {
            QVERIFY(bytes.startsWith("<?xml") && bytes.contains("<text"));
        } else {
            QImageReader reader(m_dir->filePath(saved));
            reader.setDecideFormatFromContent(true);
            QCOMPARE(reader.format(), format);
        }
        QCOMPARE(QDir(m_dir->path()).entryList({ "result*" }, QDir::Files), QStringList { saved });
    }

    // Print has a key of its own, shown in the menu; the PDF export writes the same pages.
    void printKeyAndPdfExport()
    {
        QAction *print = m_window->action("FilePrintPages");
        QCOMPARE(print->shortcut(), QKeySequence("Ctrl+Shift+P"));
        QTest::keyClicks(m_window->reactionEditor(), "h2+o2 h2o");
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_Return);
        m_fileAnswers = { m_dir->filePath("water") };
        m_window->action("FilePDF")->trigger();
        QCOMPARE(m_dialogs, (QList<FileDialogKind> { FileDialogKind::SavePdf }));
        const QByteArray pdf = contents(m_dir->filePath("water.pdf"));
        QVERIFY2(pdf.startsWith("%PDF-"), pdf.left(16).constData());
        QVERIFY(m_questions.empty());
    }

    void noToReplaceAsksForANameAgainAndYesReplaces()
    {
        const QString old = writeOldFile("old.bmp");
        m_fileAnswers = { old, m_dir->filePath("other") };
        m_answers = { MessageButton::No };
        m_window->action("FilePrint")->trigger();
        QCOMPARE(m_dialogs.size(), 2);
        QCOMPARE(m_questions.size(), std::size_t(1));
        QCOMPARE(m_questions[0].text, old + " already exists.\rDo you want to replace it?");
        QCOMPARE(m_questions[0].kind, MessageKind::Warning);
        QCOMPARE(m_questions[0].buttons, MessageButtons(MessageButton::Yes | MessageButton::No));
        QCOMPARE(contents(old), QByteArray("old picture"));
        QVERIFY(QFile::exists(m_dir->filePath("other.bmp")));

        m_fileAnswers = { old };
        m_answers = { MessageButton::Yes };
        m_window->action("FilePrint")->trigger();
        QCOMPARE(QImageReader(old).format(), QByteArray("bmp"));
    }

    void closingTheReplaceQuestionKeepsTheOldFile()
    {
        const QString old = writeOldFile("old.bmp");
        SetMessageBoxHook({}); // the real box, closed as by its title-bar button
        m_fileAnswers = { old };
        bool closed = false;
        QTimer::singleShot(50, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            closed = box->close();
        });
        m_window->action("FilePrint")->trigger();
        QVERIFY(closed);
        QCOMPARE(m_dialogs.size(), 2); // asked again; the second dialog was cancelled
        QCOMPARE(contents(old), QByteArray("old picture"));
    }

    void cancelWritesNothingAndExportChangesNoDocumentState()
    {
        m_window->action("FilePrint")->trigger();
        QCOMPARE(m_dialogs.size(), 1);
        QCOMPARE(QDir(m_dir->path()).entryList({ "*.bmp" }, QDir::Files), QStringList());

        m_fileAnswers = { m_dir->filePath("picture") };
        m_window->action("FilePrint")->trigger();
        QVERIFY(QFile::exists(m_dir->filePath("picture.bmp")));
        QVERIFY(!m_window->isModified());
        QCOMPARE(m_window->windowTitle(), QString("Molvane - Untitled"));
    }

    void scrolledReactionIsExportedWholeAndStaysScrolled()
    {
        QTest::keyClicks(m_window->reactionEditor(), QString("c6h12o6+o2 co2+h2o+").repeated(8));
        const ReactionEditorModel &model = m_window->reactionEditor()->model();
        const int firstVisible = model.firstVisible();
        QVERIFY(firstVisible > 0);
        m_fileAnswers = { m_dir->filePath("long") };
        m_window->action("FilePrint")->trigger();
        QCOMPARE(model.firstVisible(), firstVisible);
        const QImage picture = QImage(m_dir->filePath("long.bmp"));
        // As wide as the whole reaction, which is wider than the window.
        QVERIFY(picture.width() > m_window->reactionEditor()->width() + 20);
    }

    void farsiInterfaceExportsTheMirroredTable()
    {
        QTest::keyClicks(m_window->reactionEditor(), "h2+o2 h2o");
        QTest::keyClick(m_window->reactionEditor(), Qt::Key_Return);
        m_window->switchLanguage(UiLanguage::Farsi);
        m_fileAnswers = { m_dir->filePath("farsi") };
        m_window->action("FilePrint")->trigger();
        const QImage picture
            = QImage(m_dir->filePath("farsi.bmp")).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(picture, RenderBitmap(m_window->document(), UiLanguage::Farsi));
        QVERIFY(picture != RenderBitmap(m_window->document(), UiLanguage::English));
    }

    void failedWriteIsReported()
    {
        m_fileAnswers = { m_dir->filePath("missing/picture") };
        m_window->action("FilePrint")->trigger();
        QCOMPARE(m_questions.size(), std::size_t(1));
        QCOMPARE(m_questions[0].kind, MessageKind::Error);
        QVERIFY(m_questions[0].text.contains("missing/picture.bmp"));
    }

private:
    QString writeOldFile(const char *name) const
    {
        QFile file(m_dir->filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write("old picture");
        return file.fileName();
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

QTEST_MAIN(FilePrintTest)
#include "FilePrintTest.moc"
