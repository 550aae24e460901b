// The Key Options dialog driven by real keys and clicks, with a reaction editor reading it.
#include "DialogTests.h"

#include "ui/Settings.h"
#include "ui/dialogs/KeyOptionsDialog.h"
#include "widgets/ReactionEditor.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace molvane;

class KeyOptionsDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_form = std::make_unique<KeyOptionsDialog>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void cleanup() { m_form.reset(); }

    void firstRunShowsTheDefaults()
    {
        QCOMPARE(edit("KP")->text(), QString("+="));
        QCOMPARE(edit("KOP")->text(), QString("(["));
        QCOMPARE(edit("KCP")->text(), QString(")]"));
        QCOMPARE(edit("KF")->text(), QString(" >."));
        QVERIFY(checkBox()->isChecked());
        QCOMPARE(m_form->keyOptions(), KeyOptions {});
        QCOMPARE(m_form->height(), 145);
        QVERIFY(m_form->width() >= 175);
    }

    // However wide the program font, the caption is never cut off.
    void captionFitsAnyFont()
    {
        for (const int points : { 6, 8, 14 }) {
            m_form->setFont(QFont("DejaVu Sans", points));
            for (const bool farsi : { false, true }) {
                farsi ? m_form->setFarsiCaptions() : m_form->setEnglishCaptions();
                QVERIFY(checkBox()->width() >= checkBox()->sizeHint().width());
                QVERIFY(checkBox()->geometry().right() < m_form->width());
                QCOMPARE(m_form->minimumSize(), m_form->maximumSize());
            }
        }
        m_form->setFont(QFont("DejaVu Sans", 1));
        QCOMPARE(m_form->size(), QSize(175, 145));
    }

    void tabOrderRunsDownTheDialog()
    {
        edit("KP")->setFocus();
        const QStringList expected = { "KOP", "KCP", "KF", "ChB" };
        for (const QString &name : expected) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), name);
        }
    }

    void typedListsAreTheOptions_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("typed");
        QTest::newRow("plus") << "KP"
                              << "*";
        QTest::newRow("open") << "KOP"
                              << "{";
        QTest::newRow("close") << "KCP"
                               << "}";
        QTest::newRow("arrow") << "KF"
                               << "-";
    }
    void typedListsAreTheOptions()
    {
        QFETCH(QString, name);
        QFETCH(QString, typed);
        replaceText(edit(name), typed);
        const KeyOptions options = m_form->keyOptions();
        const std::string list = name == "KP" ? options.plusKeys
            : name == "KOP"                   ? options.openKeys
            : name == "KCP"                   ? options.closeKeys
                                              : options.arrowKeys;
        QCOMPARE(QString::fromStdString(list), typed);
    }

    void switchIsReadAtOnce()
    {
        QTest::mouseClick(checkBox(), Qt::LeftButton, {}, QPoint(6, checkBox()->height() / 2));
        QVERIFY(!m_form->keyOptions().autoIdentify);
    }

    // A character the editor and the settings store cannot hold would come back as "?".
    void wideCharactersAreRefused()
    {
        edit("KP")->setFocus();
        QTest::keyClick(edit("KP"), Qt::Key_End);
        QTest::sendKeyEvent(QTest::Click, edit("KP"), Qt::Key_unknown, QString::fromUtf8("؟"), {});
        QTest::keyClicks(edit("KP"), "x");
        QCOMPARE(edit("KP")->text(), QString("+=x"));
        QCOMPARE(m_form->keyOptions().plusKeys, std::string("+=x"));
    }

    void loadedOptionsAreRead()
    {
        KeyOptions options;
        options.arrowKeys = "";
        options.autoIdentify = false;
        m_form->setKeyOptions(options);
        QCOMPARE(m_form->keyOptions(), options);
    }

    void editorFollowsTheDialog()
    {
        ReactionEditor editor;
        editor.setKeyOptionsSource([this] { return m_form->keyOptions(); });
        editor.resize(400, 30);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.setFocus();
        QTest::keyClicks(&editor, "h2=o2");
        QCOMPARE(editor.text(), QString("H2+O2"));

        replaceText(edit("KF"), "");
        editor.setFocus();
        QTest::keyClicks(&editor, " h");
        QCOMPARE(editor.text(), QString("H2+O2H"));
        QTest::keyClicks(&editor, ">h");
        QCOMPARE(editor.text(), QString("H2+O2H>H"));
    }

    void optionsSurviveARestart()
    {
        QTemporaryDir dir;
        QSettings settings(dir.filePath("Qv1.conf"), QSettings::IniFormat);
        replaceText(edit("KF"), "+");
        QTest::mouseClick(checkBox(), Qt::LeftButton, {}, QPoint(6, checkBox()->height() / 2));
        WriteKeyOptions(settings, m_form->keyOptions());
        settings.sync();

        QSettings reopened(settings.fileName(), QSettings::IniFormat);
        KeyOptionsDialog next;
        next.setKeyOptions(ReadKeyOptions(reopened));
        QCOMPARE(next.findChild<QLineEdit *>("KF")->text(), QString("+"));
        QVERIFY(!next.findChild<QCheckBox *>("ChB")->isChecked());
        QCOMPARE(next.findChild<QLineEdit *>("KP")->text(), QString("+="));
    }

    void captionsFollowTheLanguage()
    {
        for (const UiLanguage language :
            { UiLanguage::Farsi, UiLanguage::English, UiLanguage::Farsi }) {
            if (language == UiLanguage::Farsi)
                m_form->setFarsiCaptions();
            else
                m_form->setEnglishCaptions();
            QCOMPARE(m_form->windowTitle(), qCaption(TextId::KeyOptionsDialogTitle, language));
            QCOMPARE(checkBox()->text(), qCaption(TextId::AutoIdentification, language));
            QCOMPARE(m_form->layoutDirection(), Qt::LeftToRight);
        }
    }

    void closeBoxEndsTheModalShow()
    {
        m_form->hide();
        replaceText(edit("KP"), "=");
        QFont programFont("Liberation Sans", 11);
        QTimer::singleShot(0, m_form.get(), [this] { m_form->close(); });
        m_form->showModal(programFont);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(m_form->font(), programFont);
        // Showing and closing keeps the controls.
        QCOMPARE(m_form->keyOptions().plusKeys, std::string("="));
    }

private:
    QLineEdit *edit(const QString &name) const { return m_form->findChild<QLineEdit *>(name); }
    QCheckBox *checkBox() const { return m_form->findChild<QCheckBox *>("ChB"); }

    static void replaceText(QLineEdit *line, const QString &text)
    {
        line->setFocus();
        QTest::keyClick(line, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(line, Qt::Key_Backspace);
        QTest::keyClicks(line, text);
        QCOMPARE(line->text(), text);
    }

    std::unique_ptr<KeyOptionsDialog> m_form;
};

std::unique_ptr<QObject> newKeyOptionsDialogTest()
{
    return std::make_unique<KeyOptionsDialogTest>();
}

#include "KeyOptionsDialogTest.moc"
