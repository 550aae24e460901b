// The menu look painted by the proxy style: image column, selection box, right-to-left.
#include "widgets/MenuStyle.h"

#include <QApplication>
#include <QMenu>
#include <QSet>
#include <QTest>

using namespace molvane;

class MenuStyleTest : public QObject
{
    Q_OBJECT

private slots:
    void imageColumnStandsOnTheLeadingSide_data()
    {
        QTest::addColumn<bool>("rightToLeft");
        QTest::newRow("English") << false;
        QTest::newRow("Farsi") << true;
    }
    void imageColumnStandsOnTheLeadingSide()
    {
        QFETCH(bool, rightToLeft);
        MenuLook look = ProgramMenuLook();
        look.setColor(MenuColorSlot::ImageBack, MenuColor::rgb(0, 200, 0)); // easy to find
        MenuStyle style(look);
        QMenu menu;
        menu.setStyle(&style);
        menu.setLayoutDirection(rightToLeft ? Qt::RightToLeft : Qt::LeftToRight);
        QPixmap icon(16, 16);
        icon.fill(Qt::red);
        menu.addAction(QIcon(icon), "&New\tCtrl+N");
        menu.addSeparator();
        menu.addAction("Exit");
        const QImage image = menu.grab().toImage();
        const QRect first = menu.actionGeometry(menu.actions().at(0));
        const int y = first.top(); // above the centred image, inside the column
        const int leading = rightToLeft ? first.right() - 1 : first.left() + 1;
        const int trailing = rightToLeft ? first.left() + 2 : first.right() - 2;
        QCOMPARE(image.pixelColor(leading, y), QColor(0, 200, 0));
        QCOMPARE(image.pixelColor(trailing, y), QColor(255, 255, 255));
    }

    void selectedItemHasTheSelectionBox()
    {
        MenuStyle style;
        QMenu menu;
        menu.setStyle(&style);
        QAction *open = menu.addAction("Open");
        menu.addAction("Save");
        menu.setActiveAction(open);
        const QImage image = menu.grab().toImage();
        const QRect r = menu.actionGeometry(open);
        QCOMPARE(image.pixelColor(r.center().x() + 30, r.center().y()), QColor(198, 211, 239));
        const QRect other = menu.actionGeometry(menu.actions().at(1));
        QCOMPARE(
            image.pixelColor(other.center().x() + 30, other.center().y()), QColor(255, 255, 255));
    }

    // On a dark palette the menus take back, text and selection from it: every caption
    // contrasts with what is behind it.
    void darkPaletteMenusAreReadable()
    {
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Window, QColor(35, 38, 41));
        dark.setColor(QPalette::WindowText, QColor(239, 240, 241));
        dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
        dark.setColor(QPalette::HighlightedText, QColor(20, 20, 20));
        QApplication::setPalette(dark);
        MenuStyle style;
        QMenu menu;
        menu.setStyle(&style);
        QAction *open = menu.addAction("Open");
        QAction *save = menu.addAction("Save");
        menu.setActiveAction(open);
        const QImage image = menu.grab().toImage();
        QApplication::setPalette(light);
        const auto colours = [&](const QRect &r) {
            QSet<QRgb> found;
            for (int y = r.top() + 2; y < r.bottom() - 1; ++y)
                for (int x = r.left() + 30; x < r.left() + 80; ++x)
                    found.insert(image.pixel(x, y));
            return found;
        };
        const QSet<QRgb> plain = colours(menu.actionGeometry(save));
        QVERIFY(plain.contains(QColor(35, 38, 41).rgb()));
        QVERIFY(plain.contains(QColor(239, 240, 241).rgb()));
        QVERIFY(!plain.contains(QColor(255, 255, 255).rgb()));
        const QSet<QRgb> selected = colours(menu.actionGeometry(open));
        QVERIFY(selected.contains(QColor(61, 174, 233).rgb()));
        QVERIFY(selected.contains(QColor(20, 20, 20).rgb()));
    }

    void checkedItemsShowAChevronOrAFrame()
    {
        MenuLook look = ProgramMenuLook();
        look.setColor(MenuColorSlot::Text, MenuColor::rgb(200, 0, 0));
        look.setColor(MenuColorSlot::Check, MenuColor::rgb(0, 0, 200));
        MenuStyle style(look);
        QMenu menu;
        menu.setStyle(&style);
        QAction *plain = menu.addAction("Plain");
        plain->setCheckable(true);
        plain->setChecked(true);
        QPixmap icon(16, 16);
        icon.fill(Qt::transparent);
        QAction *withImage = menu.addAction(QIcon(icon), "With image");
        withImage->setCheckable(true);
        withImage->setChecked(true);
        const QImage image = menu.grab().toImage();
        const auto count = [&](const QRect &r, const QColor &color) {
            int n = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x < r.left() + 26; ++x)
                    n += image.pixelColor(x, y) == color;
            return n;
        };
        const QRect first = menu.actionGeometry(plain), second = menu.actionGeometry(withImage);
        QVERIFY(count(first, QColor(200, 0, 0)) >= 8); // the chevron's strokes
        QCOMPARE(count(first, QColor(0, 0, 200)), 0);
        QVERIFY(count(second, QColor(0, 0, 200)) >= 16); // the frame
        QCOMPARE(count(second, QColor(200, 0, 0)), 0);
    }

    // Menu images are the tool bar's 24 x 24, and an item with one is tall enough for it.
    void imagesAreTwentyFourPixelsAndItemsFitThem()
    {
        MenuStyle style;
        QMenu menu;
        menu.setStyle(&style);
        QPixmap icon(48, 48);
        icon.fill(Qt::red);
        QAction *open = menu.addAction(QIcon(icon), "Open");
        const QImage image = menu.grab().toImage();
        const QRect r = menu.actionGeometry(open);
        QVERIFY(r.height() >= MenuStyle::ImageSize + 2);
        int reds = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x < r.left() + 40; ++x)
                reds += image.pixelColor(x, y) == QColor(Qt::red);
        QCOMPARE(reds, MenuStyle::ImageSize * MenuStyle::ImageSize);
    }

    void aTwoLineCaptionIsTallerThanOneLine()
    {
        MenuStyle style;
        QMenu menu;
        menu.setStyle(&style);
        QAction *one = menu.addAction("One line");
        QAction *two = menu.addAction("Two\rlines");
        menu.grab();
        const int lineHeight = menu.fontMetrics().height();
        QVERIFY(menu.actionGeometry(two).height() >= 2 * lineHeight + 8);
        QVERIFY(menu.actionGeometry(one).height() < menu.actionGeometry(two).height());
    }
};

QTEST_MAIN(MenuStyleTest)
#include "MenuStyleTest.moc"
