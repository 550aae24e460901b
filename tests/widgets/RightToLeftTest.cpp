// Farsi as its readers see it: joined captions, messages that start on the right.
#include "widgets/CaptionStyle.h"
#include "widgets/CellDelegate.h"
#include "widgets/EntryDelegate.h"
#include "widgets/MenuStyle.h"
#include "widgets/StatusBar.h"

#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>

using namespace molvane;

namespace {

// The leftmost and rightmost columns holding dark ink on a light widget.
std::pair<int, int> inkColumns(const QImage &image)
{
    int first = image.width(), last = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
    return { first, last };
}

QImage buttonImage(const QString &caption)
{
    QPushButton button(caption);
    button.resize(120, 30);
    return button.grab().toImage();
}

QImage menuImage(const QString &caption)
{
    MenuStyle style;
    QMenu menu;
    menu.setStyle(&style);
    menu.setLayoutDirection(Qt::RightToLeft);
    menu.addAction(caption);
    return menu.grab().toImage();
}

// The inside of a lone 80-pixel grid cell holding @p text.
QImage cellImage(Qt::LayoutDirection direction, const QString &text)
{
    QStandardItemModel model(1, 1);
    model.setItem(0, 0, new QStandardItem(text));
    QTableView view;
    view.setModel(&model);
    view.setItemDelegate(new CellDelegate([](char32_t) { return true; }, nullptr, &view));
    view.setLayoutDirection(direction);
    view.setWordWrap(false); // as the substance grid
    view.setTextElideMode(Qt::ElideNone);
    view.horizontalHeader()->hide();
    view.verticalHeader()->hide();
    view.setColumnWidth(0, 80);
    view.resize(120, 60);
    view.show();
    const QRect cell = view.visualRect(model.index(0, 0)).translated(view.viewport()->pos());
    return view.grab(cell.adjusted(1, 1, -2, -2)).toImage();
}

QImage entryImage(const QString &entry)
{
    QListWidget list;
    list.setItemDelegate(new EntryDelegate(&list));
    list.addItem(entry);
    list.resize(200, 40);
    list.show();
    return list.viewport()->grab(list.visualItemRect(list.item(0))).toImage();
}

} // namespace

class RightToLeftTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QApplication::setStyle(new CaptionStyle); }

    // An underline inside a Farsi word would draw its letters apart: the caption is drawn as
    // if it had no access key. English captions keep their underline.
    void accessKeysKeepFarsiWordsJoined_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("drawnAsPlainText");
        QTest::newRow("Farsi, mid-word") << QString("ج&ديد") << true;
        QTest::newRow("Farsi, first letter") << QString("&بلي") << true;
        QTest::newRow("English") << QString("&New") << false;
    }
    void accessKeysKeepFarsiWordsJoined()
    {
        QFETCH(QString, caption);
        QFETCH(bool, drawnAsPlainText);
        const QString plain = QString(caption).remove(QRegularExpression("&(?!&)"));
        if (drawnAsPlainText) {
            QCOMPARE(buttonImage(caption), buttonImage(plain));
            QCOMPARE(menuImage(caption), menuImage(plain));
        } else {
            QVERIFY(buttonImage(caption) != buttonImage(plain));
        }
    }

    // The bar's own direction decides, whatever the application's is.
    void statusMessagesStartOnTheReadingSide_data()
    {
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::addColumn<Qt::LayoutDirection>("application");
        QTest::newRow("English") << Qt::LeftToRight << Qt::LeftToRight;
        QTest::newRow("Farsi") << Qt::RightToLeft << Qt::LeftToRight;
        QTest::newRow("Farsi, Farsi application") << Qt::RightToLeft << Qt::RightToLeft;
        QTest::newRow("English, Farsi application") << Qt::LeftToRight << Qt::RightToLeft;
    }
    void statusMessagesStartOnTheReadingSide()
    {
        QFETCH(Qt::LayoutDirection, direction);
        QFETCH(Qt::LayoutDirection, application);
        QGuiApplication::setLayoutDirection(application);
        StatusBar bar;
        bar.setSizeGripEnabled(false);
        bar.setLayoutDirection(direction);
        bar.resize(400, 24);
        bar.showMessage("روي گزينه اي کليک کنيد");
        const auto [first, last] = inkColumns(bar.grab().toImage());
        QGuiApplication::setLayoutDirection(Qt::LeftToRight);
        const QString columns = QString("%1-%2").arg(first).arg(last);
        if (direction == Qt::RightToLeft)
            QVERIFY2(first > 200 && last >= 370, qPrintable(columns));
        else
            QVERIFY2(first <= 20 && last < 200, qPrintable(columns));
    }

    // A number too wide for a Farsi cell shows its first digits, cut at its end, exactly as in
    // an English cell; one that fits stands at the right.
    void numbersInFarsiCellsKeepTheirFirstDigits()
    {
        const QString wide = "0.05551854319342";
        const QImage farsi = cellImage(Qt::RightToLeft, wide);
        const QImage english = cellImage(Qt::LeftToRight, wide);
        // The two cells' rectangles differ by a grid line: compare from the first ink on.
        const auto start = [](const QImage &image) {
            return image.copy(inkColumns(image).first, 0, 40, image.height());
        };
        QVERIFY(inkColumns(farsi).first < 6);
        QCOMPARE(start(farsi), start(english));
        const QImage narrow = cellImage(Qt::RightToLeft, "12");
        QVERIFY(inkColumns(narrow).first > narrow.width() / 2);
    }

    // An Options entry reads in the order it was typed: the Farsi name first, at the left, and
    // its type and width after it (not "110=5:name").
    void entriesShowTheNameFirst()
    {
        const QImage name = entryImage("فرمول");
        const QImage entry = entryImage("فرمول:5=110");
        const int nameEnd = inkColumns(name).second + 1;
        QCOMPARE(
            entry.copy(0, 0, nameEnd, entry.height()), name.copy(0, 0, nameEnd, name.height()));
    }
};

QTEST_MAIN(RightToLeftTest)
#include "RightToLeftTest.moc"
