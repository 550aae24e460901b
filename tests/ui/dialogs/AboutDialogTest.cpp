// The About dialog: texts and reading order of both languages, its fixed layout and fonts.
#include "DialogTests.h"

#include "ui/dialogs/AboutDialog.h"

#include <QLabel>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace molvane;

class AboutDialogTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_form = std::make_unique<AboutDialog>();
        m_form->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_form.get()));
    }
    void cleanup() { m_form.reset(); }

    void textsFollowTheLanguage_data()
    {
        QTest::addColumn<bool>("farsi");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("English") << false << Qt::LeftToRight;
        QTest::newRow("Farsi") << true << Qt::RightToLeft;
    }
    void textsFollowTheLanguage()
    {
        QFETCH(bool, farsi);
        QFETCH(Qt::LayoutDirection, direction);
        const UiLanguage language = farsi ? UiLanguage::Farsi : UiLanguage::English;
        // Switch away first, so each row also checks the way back.
        farsi ? m_form->setEnglishCaptions() : m_form->setFarsiCaptions();
        farsi ? m_form->setFarsiCaptions() : m_form->setEnglishCaptions();
        QCOMPARE(m_form->windowTitle(), qCaption(TextId::AboutDialogTitle, language));
        QCOMPARE(label("Tit")->text(), QString("Molvane"));
        QCOMPARE(label("Ver")->text(), qCaption(TextId::AboutVersion, language));
        QCOMPARE(m_form->layoutDirection(), direction);
        QCOMPARE(label("Ver")->layoutDirection(), direction);
        const Qt::Alignment side = farsi ? Qt::AlignRight : Qt::AlignLeft;
        for (const char *name : { "Tit", "Ver" })
            QVERIFY(label(name)->alignment() & side);
    }

    void fixedLayoutWithTheIcon()
    {
        QCOMPARE(m_form->minimumSize(), QSize(306, 149));
        QCOMPARE(m_form->maximumSize(), QSize(306, 149));
        QCOMPARE(label("Icon")->geometry(), QRect(32, 24, 32, 32));
        QVERIFY(!label("Icon")->pixmap().isNull());
        QCOMPARE(label("Icon")->pixmap().deviceIndependentSize().toSize(), QSize(32, 32));
        QCOMPARE(label("Tit")->geometry(), QRect(80, 24, 212, 33));
        QCOMPARE(label("Ver")->geometry(), QRect(80, 72, 212, 17));
    }

    void showingTakesTheProgramFontButTheTitleKeepsItsOwn()
    {
        m_form->hide();
        const QFont programFont("Liberation Sans", 13);
        QTimer::singleShot(0, m_form.get(), [this] { m_form->close(); });
        m_form->showModal(programFont);
        QVERIFY(!m_form->isVisible());
        QCOMPARE(label("Ver")->font(), programFont);
        QVERIFY(label("Tit")->font().bold());
        QCOMPARE(label("Tit")->font().pixelSize(), 21);
        QCOMPARE(label("Tit")->font().family(), QString("Times New Roman"));
    }

private:
    QLabel *label(const char *name) const { return m_form->findChild<QLabel *>(name); }

    std::unique_ptr<AboutDialog> m_form;
};

std::unique_ptr<QObject> newAboutDialogTest()
{
    return std::make_unique<AboutDialogTest>();
}

#include "AboutDialogTest.moc"
