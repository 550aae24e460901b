// The reaction editor and the menu images painted at the screen's own pixels. CTest runs this
// once per scale factor (QT_SCALE_FACTOR), since a factor is only read as the program starts.
#include "widgets/MenuStyle.h"
#include "widgets/ReactionEditor.h"

#include <QMenu>
#include <QPainter>
#include <QTest>

using namespace molvane;

namespace {

const QColor Red(255, 0, 0), Blue(0, 0, 255), White(255, 255, 255);

// Red and blue pixels alternating, so that an image scaled on its way shows blended ones.
QPixmap checkerboard(int size)
{
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x)
            image.setPixelColor(x, y, (x + y) % 2 ? Blue : Red);
    return QPixmap::fromImage(image);
}

// The smallest rectangle of @p image inside @p area holding every pixel @p select picks.
template <typename Select> QRect boundingBox(const QImage &image, const QRect &area, Select select)
{
    QRect box;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (select(image.pixelColor(x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

} // namespace

class ScreenScaleTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // Else the test would pass unscaled by accident.
        const qreal factor = qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble();
        QCOMPARE(qApp->devicePixelRatio(), factor);
    }

    void editorImageHasTheScreensPixels()
    {
        ReactionEditor editor;
        editor.resize(301, 30);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.resetText("2H2+O2>2H2O");
        const qreal ratio = editor.devicePixelRatioF();
        const QImage image = editor.image();
        QCOMPARE(image.devicePixelRatio(), ratio);
        QCOMPARE(image.size(), (QSizeF(editor.size()) * ratio).toSize());
    }

    void menuImageAndShadowHaveTheImagesPixels()
    {
        // Everything white but the image and its shadow.
        MenuLook look = ProgramMenuLook();
        for (const MenuColorSlot slot :
            { MenuColorSlot::Back, MenuColorSlot::ImageBack, MenuColorSlot::Text })
            look.setColor(slot, MenuColor::rgb(255, 255, 255));
        look.setColor(MenuColorSlot::Shadow, MenuColor::rgb(0, 0, 0));
        MenuStyle style(look);
        QMenu menu;
        menu.setStyle(&style);
        QIcon icon;
        for (const int size : { 24, 36, 48 }) // the image at each screen scale
            icon.addPixmap(checkerboard(size));
        QAction *action = menu.addAction(icon, "Open\tCtrl+O");
        const QImage image = menu.grab().toImage();
        const qreal ratio = image.devicePixelRatio();
        QCOMPARE(ratio, qApp->devicePixelRatio());

        const QRect item = menu.actionGeometry(action);
        const QRect area(QPointF(item.topLeft() * ratio).toPoint(), (item.size() * ratio));
        const QRect drawn
            = boundingBox(image, area, [](QColor c) { return c == Red || c == Blue; });
        const int side = pixelsOf(MenuStyle::ImageSize, ratio);
        QCOMPARE(drawn.size(), QSize(side, side));
        // One image pixel on one screen pixel: nothing blended.
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                QCOMPARE(
                    image.pixelColor(drawn.left() + x, drawn.top() + y), (x + y) % 2 ? Blue : Red);
        // The shadow: the image's rectangle moved by the look's offset in the menu's pixels;
        // nowhere else, above all not over the text.
        const QRect shadow
            = drawn.translated(pixelsOf(look.shadowPosX, ratio), pixelsOf(look.shadowPosY, ratio));
        QCOMPARE(
            boundingBox(image, area, [](QColor c) { return c != White; }), drawn.united(shadow));
    }

private:
    static int pixelsOf(int logical, qreal ratio) { return qRound(logical * ratio); }
};

QTEST_MAIN(ScreenScaleTest)
#include "ScreenScaleTest.moc"
