// Farsi as its readers see it: joined captions, messages that start on the right.
#include "widgets/CaptionStyle.h"
#include "widgets/CellDelegate.h"
#include "widgets/EntryDelegate.h"
#include "widgets/MenuStyle.h"
#include "widgets/StatusBar.h"

#include "texts/BidiText.h"

#include <QApplication>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTableView>
#include <QTest>
#include <QTextLayout>

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

    // A Farsi caption is drawn whole, its letters joined, with its access letter underlined
    // under the shaped word: it differs from the plain caption only in a thin band below the
    // letters, under the access letter. English captions keep Qt's own underline.
    void accessKeysUnderlineJoinedFarsiWords_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("farsi");
        QTest::newRow("Farsi, mid-word") << QString("ج&ديد") << true;
        QTest::newRow("Farsi, first letter") << QString("&بلي") << true;
        QTest::newRow("English") << QString("&New") << false;
    }
    void accessKeysUnderlineJoinedFarsiWords()
    {
        QFETCH(QString, caption);
        QFETCH(bool, farsi);
        const QString plain = QString(caption).remove(QRegularExpression("&(?!&)"));
        for (const auto &image : { &buttonImage, &menuImage }) {
            const QImage marked = image(caption), unmarked = image(plain);
            QCOMPARE(marked.size(), unmarked.size());
            int top = marked.height(), bottom = -1, left = marked.width(), right = -1;
            for (int y = 0; y < marked.height(); ++y)
                for (int x = 0; x < marked.width(); ++x)
                    if (marked.pixel(x, y) != unmarked.pixel(x, y)) {
                        top = std::min(top, y);
                        bottom = std::max(bottom, y);
                        left = std::min(left, x);
                        right = std::max(right, x);
                    }
            QVERIFY2(bottom >= 0, "no underline");
            if (!farsi)
                continue;
            QVERIFY2(bottom - top <= 2, qPrintable(QString("rows %1-%2").arg(top).arg(bottom)));
            const auto [inkLeft, inkRight] = inkColumns(unmarked);
            QVERIFY(left >= inkLeft - 1 && right <= inkRight + 1);
            QVERIFY(right - left < (inkRight - inkLeft) * 2 / 3); // one letter, not the word
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

    // A formula in a Farsi cell reads as in an English one: "(NH4)2SO4", "MnO4{-}"; only a
    // text with Farsi letters takes the cell's right-to-left direction.
    void formulasInFarsiCellsReadLeftToRight_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Qt::LayoutDirection>("direction");
        QTest::newRow("group") << "(NH4)2SO4" << Qt::LeftToRight;
        QTest::newRow("charge") << "MnO4{-}" << Qt::LeftToRight;
        QTest::newRow("electron") << "e{-}" << Qt::LeftToRight;
        QTest::newRow("number") << "0.997506234413965" << Qt::LeftToRight;
        QTest::newRow("Farsi name") << "آب (H2O)" << Qt::RightToLeft;
    }
    void formulasInFarsiCellsReadLeftToRight()
    {
        QFETCH(QString, text);
        QFETCH(Qt::LayoutDirection, direction);
        struct Delegate : CellDelegate
        {
            using CellDelegate::CellDelegate;
            using CellDelegate::initStyleOption;
        } delegate([](char32_t) { return true; }, nullptr);
        QStandardItemModel model(1, 1);
        model.setItem(0, 0, new QStandardItem(text));
        QStyleOptionViewItem option;
        option.direction = Qt::RightToLeft;
        option.rect = QRect(0, 0, 200, 20);
        delegate.initStyleOption(&option, model.index(0, 0));
        QCOMPARE(option.direction, direction);
    }

    // A path with Farsi folder and file names inside a Farsi message reads in its own order:
    // every "/" and the extension's "." left of the next as the text engine lays them out.
    void pathsInFarsiTextsKeepTheirOrder()
    {
        const QString path = u"/home/\u067E\u0648\u0634\u0647/\u0622\u0628.bmp"_qs;
        const QString message = u"\u0641\u0627\u06CC\u0644 "_qs
            + QString::fromStdString(LeftToRightEmbedded(path.toStdString()))
            + u" \u0646\u06CC\u0633\u062A"_qs;
        QTextLayout layout(message, QApplication::font());
        QTextOption option;
        option.setTextDirection(Qt::RightToLeft);
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(1000);
        layout.endLayout();
        // Cursor places inside each run, where they are unambiguous: "o" of home, the
        // folder's third letter, the file's second, "p" of bmp.
        const QList<QChar> inside = { 'o', QChar(0x0634), QChar(0x0628), 'p' };
        QList<qreal> xs;
        for (const QChar c : inside)
            xs.append(line.cursorToX(int(message.indexOf(c))));
        for (int i = 1; i < xs.size(); ++i)
            QVERIFY2(xs[i - 1] < xs[i], qPrintable(QString("part %1").arg(i)));
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
