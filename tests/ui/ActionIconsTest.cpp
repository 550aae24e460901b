// The tool-bar images and the program icon: every image is there, distinct and drawn, the same
// pixels as the SVG pictures drawn at run time, and the main window's tool bar shows images only.
#include "DrawnIcon.h"

#include "ui/ActionIcons.h"
#include "ui/ActionTable.h"
#include "ui/MainWindow.h"
#include "ui/StoredIconEngine.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include <set>
#include <span>

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

constexpr std::span<const int> ActionSizes(DrawnActionSizes);
constexpr std::span<const int> ProgramSizes(DrawnProgramSizes);

QIcon drawnIcon(const QString &name, std::span<const int> sizes)
{
    return DrawnIcon(MOLVANE_DATA_DIR, name, sizes);
}

QImage premultiplied(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

// Every answer of @p icon equals the reference's: sizes, images in every mode and state at one
// and two device pixels per pixel, and painting.
void compareWithReference(const QIcon &icon, const QIcon &reference)
{
    QCOMPARE(icon.availableSizes(), reference.availableSizes());
    for (QIcon::Mode mode : { QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected })
        for (QIcon::State state : { QIcon::Off, QIcon::On })
            for (int size : { 12, 16, 20, 22, 24, 25, 32, 36, 48, 60, 64, 100, 128, 200, 256, 300 })
                for (qreal ratio : { 1.0, 1.5, 2.0 }) {
                    const QSize asked(size, size);
                    QCOMPARE(icon.actualSize(asked, mode, state),
                        reference.actualSize(asked, mode, state));
                    const QPixmap got = icon.pixmap(asked, ratio, mode, state);
                    const QPixmap expected = reference.pixmap(asked, ratio, mode, state);
                    QCOMPARE(got.devicePixelRatio(), expected.devicePixelRatio());
                    QCOMPARE(premultiplied(got), premultiplied(expected));
                }
    for (qreal ratio : { 1.0, 2.0 }) {
        QImage got(QSize(40, 30) * ratio, QImage::Format_ARGB32_Premultiplied);
        got.setDevicePixelRatio(ratio);
        got.fill(Qt::transparent);
        QImage expected = got;
        for (auto [image, source] : { std::pair(&got, &icon), std::pair(&expected, &reference) }) {
            QPainter painter(image);
            source->paint(&painter, QRect(0, 0, 24, 24));
            source->paint(&painter, QRect(4, 2, 30, 26), Qt::AlignCenter, QIcon::Disabled);
        }
        QCOMPARE(got, expected);
    }
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

    // The build draws each picture as the program drew it at run time: the same pixels.
    void storedImagesAreTheSvgPicturesDrawn()
    {
        QVERIFY(!ProgramIcon().isNull()); // makes the images' resource known
        QVERIFY(StoredImage(":/icons/FileNew", 30).isNull()); // no such size
        const auto check = [](const QString &name, std::span<const int> sizes) {
            const QIcon reference = drawnIcon(name, sizes);
            for (int size : sizes) {
                const QImage stored = StoredImage(":/icons/" + name, size);
                QVERIFY2(!stored.isNull(), qPrintable(name));
                QCOMPARE(stored, premultiplied(reference.pixmap(QSize(size, size), 1.0)));
            }
        };
        for (const char *name : ToolBarImageNames())
            check(name, ActionSizes);
        check("molvane", ProgramSizes);
    }

    // Read only as asked, the icons still answer as icons holding every image did.
    void iconsAnswerAsDrawnIconsDid()
    {
        for (const char *name : ToolBarImageNames()) {
            compareWithReference(ActionIcon(name), drawnIcon(name, ActionSizes));
            if (QTest::currentTestFailed())
                QFAIL(name);
        }
        compareWithReference(ProgramIcon(), drawnIcon("molvane", ProgramSizes));
    }

    // The whole window, painted at one and two device pixels per pixel, looks as it did with
    // the images drawn at start.
    void windowIsPaintedAsWithDrawnIcons()
    {
        QTemporaryDir dir;
        QSettings settings(dir.filePath("Qv1.conf"), QSettings::IniFormat);
        MainWindow window(settings);
        window.show();
        QVERIFY(QTest::qWaitFor([&] { return window.windowTitle() == "Molvane - Untitled"; }));
        const auto paint = [&](qreal ratio) {
            QImage image(window.size() * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            window.render(&image);
            return image;
        };
        const QImage stored[] = { paint(1), paint(2) };
        for (const char *name : ToolBarImageNames())
            window.action(name)->setIcon(drawnIcon(name, ActionSizes));
        QCOMPARE(paint(1), stored[0]);
        QCOMPARE(paint(2), stored[1]);
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
