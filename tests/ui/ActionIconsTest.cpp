// The tool-bar images and the program icon: every image is there, distinct and drawn, and the
// main window's tool bar shows images only.
#include "ui/ActionIcons.h"
#include "ui/ActionTable.h"
#include "ui/MainWindow.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <set>

using namespace molvane;

namespace {

QImage image(const QIcon &icon, QIcon::Mode mode = QIcon::Normal)
{
    return icon.pixmap(QSize(24, 24), mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

int opaquePixels(const QImage &picture)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += qAlpha(picture.pixel(x, y)) > 128;
    return count;
}

} // namespace

class ActionIconsTest : public QObject
{
    Q_OBJECT

private slots:
    void everyToolBarActionHasAnImage()
    {
        for (const char *name : { "FileNew", "FileOpen", "FileSave", "FileSaveAs", "FilePrint",
                 "FileHTML", "FileExit", "ReactionCopy", "ReactionPaste", "SettingsOptions",
                 "SettingsKey", "SettingsEnglish", "SettingsFarsi", "HelpHelp", "HelpOnline",
                 "HelpMail", "HelpWebsite", "HelpSource", "HelpAbout" })
            QVERIFY2(!ActionIcon(name).isNull(), name);
        QCOMPARE(int(ToolBarImageNames().size()), 19);
        // The plain menu entry has no image.
        QVERIFY(ActionIcon("HelpFarsi").isNull());
    }

    void everyImageIsDrawnAndDistinct()
    {
        std::set<QByteArray> seen;
        for (const char *name : ToolBarImageNames()) {
            const QImage picture = image(ActionIcon(name));
            QCOMPARE(picture.size(), QSize(24, 24));
            QVERIFY2(opaquePixels(picture) > 60, name);
            const QByteArray bytes(
                reinterpret_cast<const char *>(picture.constBits()), picture.sizeInBytes());
            QVERIFY2(seen.insert(bytes).second, name);
        }
    }

    void disabledImagesDifferFromNormalOnes()
    {
        for (const char *name : ToolBarImageNames()) {
            const QIcon icon = ActionIcon(name);
            const QImage disabled = image(icon, QIcon::Disabled);
            QVERIFY2(opaquePixels(disabled) > 0, name);
            QVERIFY2(disabled != image(icon), name);
        }
    }

    void programIconHasTheSizesDesktopsAskFor()
    {
        const QIcon icon = ProgramIcon();
        QVERIFY(!icon.isNull());
        for (int size : { 16, 32, 48, 256 })
            QCOMPARE(icon.pixmap(QSize(size, size)).size(), QSize(size, size));
    }

    void toolBarShowsImagesOnly()
    {
        QTemporaryDir dir;
        QSettings settings(dir.filePath("Qv1.conf"), QSettings::IniFormat);
        MainWindow window(settings);
        auto *toolBar = window.findChild<QToolBar *>("ToolBar");
        QVERIFY(toolBar);
        QCOMPARE(toolBar->toolButtonStyle(), Qt::ToolButtonIconOnly);
        QCOMPARE(toolBar->iconSize(), QSize(24, 24));
        int withImage = 0;
        for (QAction *action : toolBar->actions()) {
            if (action->isSeparator())
                continue;
            QVERIFY2(!action->icon().isNull(), qPrintable(action->objectName()));
            ++withImage;
        }
        QCOMPARE(withImage, 18); // Exit is in the menu only
    }
};

QTEST_MAIN(ActionIconsTest)
#include "ActionIconsTest.moc"
