#include <QComboBox>
#include <QVBoxLayout>
#include <QtTest>

#include "apps/shared/sid.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/pages/statisticslisttablepage.h"
#include "host/pages/statisticstable.h"
#include "host/texts/widgettext.h"

using namespace nsStatistics;
using Items = QVector<TableItem>;
using Value = IntervalDataCounters::Value;
using Values = StatisticsTable::Values;
Q_DECLARE_METATYPE(nsStatistics::TableItem)
Q_DECLARE_METATYPE(IntervalDataCounters::Value)

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

TableItem state(int counterId)
{
    TableItem item = row(RowValue, counterId);
    item.flagA = true;
    return item;
}

Value value(quint64 count, double rate = -1.0, const QString &text = QString())
{
    Value v;
    v.count = count;
    v.rate = rate;
    v.text = text;
    return v;
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
    void valuesByKind_data();
    void valuesByKind();
    void rowsNamedAfterTheCatalogue();
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
    section.textIds[2] = StatisticsTable::noColumnText;
    QTest::newRow("section header with one column") << Items{section} << QList<QStringList>{{ui(4027), ui(4647), ""}};
    QTest::newRow("header, counters and section end")
        << Items{row(RowHeader, -1, 4033), row(RowAlarmError, 1101), row(RowCount, 170), row(RowSectionEnd)}
        << QList<QStringList>{{ui(4033), "", ""}, {"1101", "-", "-"}, {"170", "-", ""}};
    QTest::newRow("paired rows") << Items{row(RowPair, 176), row(RowPairSecond, 177, 0, 402)}
                                 << QList<QStringList>{{"176", "-", ""}, {"177", "-", "-"}};
    QTest::newRow("hidden rows are left out")
        << Items{row(RowAlarmError, 101), row(RowAlarmError, 102, 0, -1, false), row(RowAlarmError, 103)}
        << QList<QStringList>{{"101", "-", "-"}, {"103", "-", "-"}};
}

void tst_StatisticsTable::rowsByKind()
{
    QFETCH(Items, items);
    QFETCH(QList<QStringList>, rows);
    StatisticsTable table;
    table.setTableItems(items);
    QCOMPARE(table.rowCount(), rows.size());
    for (int r = 0; r < rows.size(); ++r)
        QCOMPARE(table.rowTexts(r), rows[r]);
    QCOMPARE(table.tableItems().size(), items.size());
}

void tst_StatisticsTable::valuesByKind_data()
{
    QTest::addColumn<TableItem>("item");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QStringList>("cells");   // the two value columns
    QTest::addColumn<bool>("standsOut");

    QTest::newRow("error count and rate") << row(RowAlarmError, 1101) << Values{{1101, value(12, 1.25e-7)}}
                                          << QStringList{"12", "1.25E-07"} << false;
    QTest::newRow("a count past 32 bits") << row(RowCount, 1401) << Values{{1401, value(5000000000ull)}}
                                          << QStringList{"5000000000", ""} << false;
    QTest::newRow("unavailable stands out") << state(5223) << Values{{5223, value(1, -1, "Unavailable")}}
                                            << QStringList{"Unavailable", ""} << true;
    QTest::newRow("both counters of a pair") << row(RowPairSecond, 177, 0, 402)
                                             << Values{{177, value(4)}, {402, value(9)}} << QStringList{"4", "9"}
                                             << false;
    QTest::newRow("a counter the interval lacks") << row(RowAlarmError, 103) << Values{{102, value(3)}}
                                                  << QStringList{"-", "-"} << false;
}

void tst_StatisticsTable::valuesByKind()
{
    QFETCH(TableItem, item);
    QFETCH(Values, values);
    QFETCH(QStringList, cells);
    QFETCH(bool, standsOut);
    StatisticsTable table;
    table.setTableItems(Items{row(RowSectionHeader, -1, 4027), item});
    table.showValues(values);
    QCOMPARE(table.rowTexts(1).mid(1), cells);
    QCOMPARE(table.item(1, 1)->foreground().color() == QColor(Qt::red), standsOut);
}

void tst_StatisticsTable::rowsNamedAfterTheCatalogue()
{
    auto catalogue = QSharedPointer<ParameterCatalogue>::create();
    QStringList errors;
    QVERIFY(catalogue->loadJson(R"({"parameters": [{"id": 102, "group": "0x0D0000", "kind": "enum", "name": "LOF",
        "values": [{"value": 0, "name": "Clear"}], "default": 0}]})",
                                &errors));
    StatisticsTable table;
    table.setTexts(WidgetText(catalogue));
    table.setTableItems(Items{row(RowAlarmError, 102), row(RowAlarmError, 103)});
    QCOMPARE(table.item(0, 0)->text(), QStringLiteral("102"));
    table.setCounterScope(nsSID::otn, 2);
    // A counter the catalogue does not name keeps its number.
    QCOMPARE(table.item(0, 0)->text(), QStringLiteral("LOF"));
    QCOMPARE(table.item(1, 0)->text(), QStringLiteral("103"));
}

void tst_StatisticsTable::tablePageBuildsItsTableOnce()
{
    StatisticsListTablePage page(TestResultIdentifier(26), nullptr, {3, 1});
    QCOMPARE(page.shownPort(), 3);
    QCOMPARE(page.intervalSelector(), 0xFFFFFFFDu);
    QVERIFY(!page.getStatisticsTable());
    page.initializePage();
    StatisticsTable *table = page.getStatisticsTable();
    QVERIFY(table && page.tableLayout()->indexOf(table) >= 0);
    page.initializeUi();
    QCOMPARE(page.findChildren<StatisticsTable *>(), QList<StatisticsTable *>{table});
    // The host's choices: a port of the page and the interval.
    auto *ports = page.findChild<QComboBox *>("cmbResultPort");
    QCOMPARE(ports->count(), 2);
    ports->setCurrentIndex(1);
    QCOMPARE(page.shownPort(), 1);
    page.showPort(4);
    QCOMPARE(page.shownPort(), 1);
    page.findChild<QComboBox *>("cmbInterval")->setCurrentIndex(1);
    QCOMPARE(page.intervalSelector(), cumulativeIntervalSelector);
}

QTEST_MAIN(tst_StatisticsTable)
#include "tst_statisticstable.moc"
