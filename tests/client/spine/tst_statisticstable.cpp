#include <QVBoxLayout>
#include <QtTest>

#include "host/pages/statisticslisttablepage.h"
#include "host/pages/statisticstable.h"
#include "host/texts/widgettext.h"

using namespace nsStatistics;
using Items = QVector<TableItem>;
Q_DECLARE_METATYPE(nsStatistics::TableItem)

namespace {

TableItem row(int kind, int counterId = -1, int text = 0, int pair = -1, bool shown = true)
{
    TableItem item;
    item.kind = kind;
    item.counterId = counterId;
    item.textIds[0] = text;
    item.pairCounterId = pair;
    item.shown = shown;
    return item;
}

QStringList rowTexts(const StatisticsTable &table, int r)
{
    QStringList texts;
    for (int c = 0; c < table.columnCount(); ++c)
        texts.append(table.item(r, c) ? table.item(r, c)->text() : QString());
    return texts;
}

QString ui(int number)
{
    return WidgetText().getUiText(number);
}

} // namespace

class tst_StatisticsTable : public QObject
{
    Q_OBJECT
private slots:
    void rowsByKind_data();
    void rowsByKind();
    void counterValuesReachTheirCells();
    void tablePageBuildsItsTableOnce();
};

void tst_StatisticsTable::rowsByKind_data()
{
    QTest::addColumn<Items>("items");
    QTest::addColumn<QList<QStringList>>("rows");

    TableItem section = row(RowSectionHeader, -1, 4027);
    QTest::newRow("section header with default columns")
        << Items{section} << QList<QStringList>{{ui(4027), ui(4560), ui(4563)}};
    section.textIds[1] = 4647;
    section.textIds[2] = 4648;
    QTest::newRow("section header with its own columns")
        << Items{section} << QList<QStringList>{{ui(4027), ui(4647), ui(4648)}};
    QTest::newRow("header, counters and section end")
        << Items{row(RowHeader, -1, 4033), row(RowAlarmError, 1101), row(RowCount, 170), row(RowSectionEnd)}
        << QList<QStringList>{{ui(4033), "", ""}, {"1101", "-", ""}, {"170", "-", ""}};
    QTest::newRow("paired rows") << Items{row(RowPair, 176), row(RowPairSecond, 177, 0, 402)}
                                 << QList<QStringList>{{"176", "-", ""}, {"177", "-", "-"}};
    QTest::newRow("hidden rows are left out")
        << Items{row(RowAlarmError, 101), row(RowAlarmError, 102, 0, -1, false), row(RowAlarmError, 103)}
        << QList<QStringList>{{"101", "-", ""}, {"103", "-", ""}};
}

void tst_StatisticsTable::rowsByKind()
{
    QFETCH(Items, items);
    QFETCH(QList<QStringList>, rows);
    StatisticsTable table;
    table.setTableItems(items);
    QCOMPARE(table.rowCount(), rows.size());
    for (int r = 0; r < rows.size(); ++r)
        QCOMPARE(rowTexts(table, r), rows[r]);
    QCOMPARE(table.tableItems().size(), items.size());
}

void tst_StatisticsTable::counterValuesReachTheirCells()
{
    StatisticsTable table;
    table.setTableItems(Items{row(RowHeader, -1, 4033), row(RowAlarmError, 1101), row(RowPairSecond, 177, 0, 402),
                              row(RowAlarmError, 1104, 0, -1, false)});
    QVERIFY(table.setCounterValue(1101, QStringLiteral("12")));
    QVERIFY(table.setCounterValue(402, QStringLiteral("3")));
    QCOMPARE(rowTexts(table, 1), (QStringList{"1101", "12", ""}));
    QCOMPARE(rowTexts(table, 2), (QStringList{"177", "-", "3"}));
    QCOMPARE(table.rowOfCounter(177), 2);
    // A hidden or unknown counter has no cell.
    QVERIFY(!table.setCounterValue(1104, QStringLiteral("1")));
    QVERIFY(!table.setCounterValue(999, QStringLiteral("1")));
    QCOMPARE(table.rowOfCounter(1104), -1);
    // New rows drop the old values.
    table.setTableItems(Items{row(RowAlarmError, 1101)});
    QCOMPARE(rowTexts(table, 0), (QStringList{"1101", "-", ""}));
}

void tst_StatisticsTable::tablePageBuildsItsTableOnce()
{
    StatisticsListTablePage page(TestResultIdentifier(26), nullptr, {3, 1});
    QCOMPARE(page.port(), 3);
    QCOMPARE(page.intervalSelector(), 0xFFFFFFFDu);
    QVERIFY(!page.getStatisticsTable());
    page.initializePage();
    StatisticsTable *table = page.getStatisticsTable();
    QVERIFY(table);
    QVERIFY(page.tableLayout());
    QCOMPARE(page.tableLayout()->indexOf(table), 0);
    page.initializeUi();
    QCOMPARE(page.getStatisticsTable(), table);
    QCOMPARE(page.findChildren<StatisticsTable *>().size(), 1);
}

QTEST_MAIN(tst_StatisticsTable)
#include "tst_statisticstable.moc"
