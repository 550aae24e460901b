// The Help menu's links: the local manual in the language of the moment, and the project's
// configured addresses with the manual's contact section standing in for missing ones.
#include "ui/HelpLinks.h"
#include "MainWindowHarness.h"
#include "document/DataDir.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QTest>

using namespace molvane;

Q_DECLARE_METATYPE(molvane::HelpLink)
Q_DECLARE_METATYPE(molvane::UiLanguage)

// Takes what the program hands to the desktop instead of opening it.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    Q_INVOKABLE void open(const QUrl &url) { opened << url; }

    QList<QUrl> opened;
};

class HelpLinksTest : public MainWindowHarness
{
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(installTemplate()); }

    void linkUrl_data()
    {
        QTest::addColumn<HelpLink>("link");
        QTest::addColumn<UiLanguage>("language");
        QTest::addColumn<bool>("configured");
        QTest::addColumn<QString>("expected");
        const QString en = "file:///data/manual/en/index.html";
        const QString fa = "file:///data/manual/fa/index.html";
        QTest::newRow("manual") << HelpLink::Manual << UiLanguage::English << true << en;
        QTest::newRow("manual fa") << HelpLink::Manual << UiLanguage::Farsi << true << fa;
        QTest::newRow("site") << HelpLink::Website << UiLanguage::English << true
                              << "https://molvane.test/";
        QTest::newRow("mail") << HelpLink::Contact << UiLanguage::Farsi << true
                              << "mailto:team@molvane.test";
        QTest::newRow("source") << HelpLink::Source << UiLanguage::English << true
                                << "https://code.molvane.test/molvane";
        QTest::newRow("no site") << HelpLink::Website << UiLanguage::English << false
                                 << en + "#contact-website";
        QTest::newRow("no contact")
            << HelpLink::Contact << UiLanguage::Farsi << false << fa + "#contact-comments";
        QTest::newRow("no source")
            << HelpLink::Source << UiLanguage::Farsi << false << fa + "#contact-source";
    }

    void linkUrl()
    {
        QFETCH(HelpLink, link);
        QFETCH(UiLanguage, language);
        QFETCH(bool, configured);
        QFETCH(QString, expected);
        const ProjectLinks links = configured ? ProjectLinks { "https://molvane.test/",
            "team@molvane.test", "https://code.molvane.test/molvane" }
                                              : ProjectLinks {};
        QCOMPARE(HelpLinkUrl(link, links, "/data", language).toString(), expected);
    }

    void contactUrlIsKeptAsGiven()
    {
        const ProjectLinks links { {}, "https://molvane.test/issues?new=1", {} };
        QCOMPARE(HelpLinkUrl(HelpLink::Contact, links, "/data", UiLanguage::English).toString(),
            QString("https://molvane.test/issues?new=1"));
    }

    // Through the menu: Online Help opens the manual of the language the window shows now.
    void onlineHelpOpensTheManualOfTheCurrentLanguage()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler("file", &catcher, "open");
        QVERIFY(startWindow());
        const QString dataDir = ProgramDataDir(QCoreApplication::applicationDirPath());
        m_window->action("HelpOnline")->trigger();
        m_window->action("SettingsFarsi")->trigger();
        m_window->action("HelpOnline")->trigger();
        m_window->action("HelpWebsite")->trigger();
        stopWindow();
        QDesktopServices::unsetUrlHandler("file");
        const QList<QUrl> expected = {
            QUrl::fromLocalFile(ManualPage(dataDir, UiLanguage::English)),
            QUrl::fromLocalFile(ManualPage(dataDir, UiLanguage::Farsi)),
        };
        QCOMPARE(catcher.opened.mid(0, 2), expected);
        if (ConfiguredProjectLinks().homepage.isEmpty()) {
            QCOMPARE(catcher.opened.size(), 3);
            QCOMPARE(catcher.opened[2].fragment(), QString("contact-website"));
        }
    }

    // The offscreen platform opens no address: the message gives it to copy.
    void unopenedLinkIsShownToCopy()
    {
        QVERIFY(startWindow());
        m_window->action("HelpSource")->trigger();
        stopWindow();
        QCOMPARE(m_questions.size(), std::size_t(1));
        const QUrl url = HelpLinkUrl(HelpLink::Source, ConfiguredProjectLinks(),
            ProgramDataDir(QCoreApplication::applicationDirPath()), UiLanguage::English);
        QVERIFY2(m_questions[0].text.endsWith(url.toString()), qPrintable(m_questions[0].text));
    }
};

QTEST_MAIN(HelpLinksTest)
#include "HelpLinksTest.moc"
