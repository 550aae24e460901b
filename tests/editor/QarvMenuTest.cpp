// The menu look painted by the proxy style: image column, selection box, right-to-left.
#include "editor/QarvMenu3.h"

#include <QMenu>
#include <QPainter>
#include <QTest>

using namespace molvane;

class QarvMenuTest : public QObject
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
        look.SetColor(ImageBackColor, MenuColor::rgb(0, 200, 0)); // easy to find
        QarvMenu style(look);
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
        QarvMenu style;
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

    void aTwoLineCaptionIsTallerThanOneLine()
    {
        QarvMenu style;
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

QTEST_MAIN(QarvMenuTest)
#include "QarvMenuTest.moc"
