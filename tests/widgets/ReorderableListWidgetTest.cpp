// The list box's move and delete operations, on entries selected by real clicks.
#include "widgets/ReorderableListWidget.h"

#include <QTest>

#include <memory>

using namespace molvane;

class ReorderableListWidgetTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_list = std::make_unique<ReorderableListWidget>();
        m_list->resize(150, 150);
        m_list->setEntries({ "a", "b", "c", "d" });
        m_list->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_list.get()));
    }
    void cleanup() { m_list.reset(); }

    void operations_data()
    {
        QTest::addColumn<int>("clicked"); // -1: no click, nothing selected
        QTest::addColumn<QString>("operation");
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("selected");
        QTest::newRow("up") << 2 << "up" << QStringList { "a", "c", "b", "d" } << 1;
        QTest::newRow("up at the top") << 0 << "up" << QStringList { "a", "b", "c", "d" } << 0;
        QTest::newRow("down") << 1 << "down" << QStringList { "a", "c", "b", "d" } << 2;
        QTest::newRow("down at the bottom")
            << 3 << "down" << QStringList { "a", "b", "c", "d" } << 3;
        QTest::newRow("delete selects the next")
            << 1 << "delete" << QStringList { "a", "c", "d" } << 1;
        QTest::newRow("delete the last selects the new last")
            << 3 << "delete" << QStringList { "a", "b", "c" } << 2;
        QTest::newRow("nothing selected moves nothing")
            << -1 << "up" << QStringList { "a", "b", "c", "d" } << -1;
        QTest::newRow("nothing selected deletes nothing")
            << -1 << "delete" << QStringList { "a", "b", "c", "d" } << -1;
    }
    void operations()
    {
        QFETCH(int, clicked);
        QFETCH(QString, operation);
        QFETCH(QStringList, entries);
        QFETCH(int, selected);
        QCOMPARE(m_list->selectedIndex(), -1);
        if (clicked >= 0)
            click(clicked);
        if (operation == "up")
            m_list->moveSelectedUp(1);
        else if (operation == "down")
            m_list->moveSelectedDown(1);
        else
            m_list->deleteSelected();
        QCOMPARE(m_list->entries(), entries);
        QCOMPARE(m_list->selectedIndex(), selected);
    }

    void largeStepsStopAtTheEnds()
    {
        click(2);
        m_list->moveSelectedUp(10);
        QCOMPARE(m_list->entries(), (QStringList { "c", "a", "b", "d" }));
        m_list->moveSelectedDown(10);
        QCOMPARE(m_list->entries(), (QStringList { "a", "b", "d", "c" }));
        QCOMPARE(m_list->selectedIndex(), 3);
    }

    void deletingTheOnlyEntryLeavesNoSelection()
    {
        m_list->setEntries({ "x" });
        click(0);
        m_list->deleteSelected();
        QCOMPARE(m_list->count(), 0);
        QCOMPARE(m_list->selectedIndex(), -1);
    }

private:
    void click(int row)
    {
        const QRect rect = m_list->visualItemRect(m_list->item(row));
        QTest::mouseClick(m_list->viewport(), Qt::LeftButton, {}, rect.center());
        QCOMPARE(m_list->selectedIndex(), row);
    }

    std::unique_ptr<ReorderableListWidget> m_list;
};

QTEST_MAIN(ReorderableListWidgetTest)
#include "ReorderableListWidgetTest.moc"
