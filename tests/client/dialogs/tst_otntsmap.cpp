#include <QPushButton>
#include <QtTest>

#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
#include "client/otn/interface_setup_status/dialogs/otntsmap.h"
#include "host/otn/otnsettings.h"

class tst_OtnTsMap : public QObject
{
    Q_OBJECT

private slots:
    void gridSize_data();
    void gridSize();
    void allocationColumns_data();
    void allocationColumns();
    void gridShape_data();
    void gridShape();
    void channelContents_data();
    void channelContents();
    void mainTsMarks_data();
    void mainTsMarks();
};

void tst_OtnTsMap::gridSize_data()
{
    using namespace nsSettings::Otn;
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("size");

    QTest::newRow("none") << int(MUX_NONE) << 8;
    QTest::newRow("ODU0 in ODU2") << int(MUX_ODU0_ODU2) << 8;
    QTest::newRow("ODU0 in ODU1") << int(MUX_ODU0_ODU1) << 8;
    QTest::newRow("ODU1 in ODU3 PT20") << int(MUX_ODU1_ODU3_PT20) << 16;
    QTest::newRow("ODU2 in ODU3 PT20") << int(MUX_ODU2_ODU3_PT20) << 16;
    QTest::newRow("kind 8") << int(MUX_RESERVED_8) << 16;
    QTest::newRow("ODU2e in ODU3e1") << int(MUX_ODU2E_ODU3E1) << 16;
    QTest::newRow("ODU1 in ODU3 PT21") << int(MUX_ODU1_ODU3_PT21) << 32;
    QTest::newRow("ODU2 in ODU3 PT21") << int(MUX_ODU2_ODU3_PT21) << 32;
    QTest::newRow("ODU2e in ODU3") << int(MUX_ODU2E_ODU3) << 32;
    QTest::newRow("ODU0 in ODU3") << int(MUX_ODU0_ODU3) << 32;
    QTest::newRow("ODU2e in ODU3e2") << int(MUX_ODU2E_ODU3E2) << 32;
    QTest::newRow("ODUflex in ODU3") << int(MUX_ODUFLEX_ODU3) << 32;
    QTest::newRow("ODU0 in ODU4") << int(MUX_ODU0_ODU4) << 80;
    QTest::newRow("kind 17") << int(MUX_RESERVED_17) << 80;
    QTest::newRow("ODU3 in ODU4") << int(MUX_ODU3_ODU4) << 80;
    QTest::newRow("ODUflex in ODU4") << int(MUX_ODUFLEX_ODU4) << 80;
    QTest::newRow("ODUflex in ODU2") << int(MUX_ODUFLEX_ODU2) << 8;
    QTest::newRow("unknown kind") << 99 << 8;
}

void tst_OtnTsMap::gridSize()
{
    QFETCH(int, kind);
    QFETCH(int, size);
    QCOMPARE(OtnTsMap::gridSize(kind), size);
}

void tst_OtnTsMap::allocationColumns_data()
{
    QTest::addColumn<int>("tsTotal");
    QTest::addColumn<int>("columns");
    QTest::newRow("8 TS") << 8 << 8;
    QTest::newRow("32 TS") << 32 << 16;
    QTest::newRow("80 TS") << 80 << 20;
    QTest::newRow("16 TS has no entry") << 16 << 0;
    QTest::newRow("none") << 0 << 0;
}

void tst_OtnTsMap::allocationColumns()
{
    QFETCH(int, tsTotal);
    QFETCH(int, columns);
    QCOMPARE(OtnTsMap::allocationColumns(tsTotal), columns);
}

void tst_OtnTsMap::gridShape_data()
{
    QTest::addColumn<int>("gridSize");
    QTest::addColumn<int>("tsCount");
    QTest::addColumn<int>("cells");
    QTest::addColumn<QStringList>("rowLabels");

    QTest::newRow("8 TS: header and row 0") << 8 << 8 << 18 << QStringList{"0"};
    QTest::newRow("8-TS grid, 2 TS used") << 8 << 2 << 18 << QStringList{"0"};
    QTest::newRow("16 TS") << 16 << 16 << 27 << QStringList{"0", "8"};
    QTest::newRow("32 TS") << 32 << 32 << 45 << QStringList{"0", "8", "16", "24"};
    QTest::newRow("80 TS") << 80 << 80 << 99
                           << QStringList{"0", "8", "16", "24", "32", "40", "48", "56", "64", "72"};
}

void tst_OtnTsMap::gridShape()
{
    QFETCH(int, gridSize);
    QFETCH(int, tsCount);
    QFETCH(int, cells);
    QFETCH(QStringList, rowLabels);

    QScopedPointer<OtnChWidget> grid(OtnTsMap::createMainGrid(gridSize, nullptr));
    QCOMPARE(grid->cellCount(), cells);
    QCOMPARE(grid->columnCount(), 9);
    QVERIFY(grid->isNumbered() && !grid->isToggle() && grid->isInverted() && grid->isCheckable());
    QCOMPARE(grid->maximum(), 8);

    int channels[OtnTsMap::maxTs];
    for (int t = 0; t < OtnTsMap::maxTs; ++t)
        channels[t] = t % 4;
    OtnTsMap::layout(grid.data(), OtnTsMap::channelContents(channels, tsCount), OtnTsMap::rows(tsCount));

    const QString header = QString::fromLatin1(OtnTsMap::headerStyle);
    QCOMPARE(grid->cell(0)->text(), QStringLiteral("TS"));
    for (int c = 1; c < 9; ++c) {
        QCOMPARE(grid->cell(c)->text(), QStringLiteral("+%1").arg(c));
        QCOMPARE(grid->cell(c)->styleSheet(), header);
    }
    QCOMPARE(OtnTsMap::rows(tsCount), rowLabels.size());
    for (int r = 0; r < rowLabels.size(); ++r) {
        const int label = (r + 1) * 9;
        QCOMPARE(grid->cell(label)->text(), rowLabels.at(r));
        QCOMPARE(grid->cell(label)->styleSheet(), header);
        for (int c = 0; c < 8; ++c) {
            const int ts = 8 * r + c;
            const QString expected = ts < tsCount ? QString::number(ts % 4 + 1) : QStringLiteral("--");
            QCOMPARE(grid->cell(label + 1 + c)->text(), expected);
            QCOMPARE(grid->cell(label + 1 + c)->styleSheet(), QString::fromLatin1(OtnTsMap::dummyTpStyle));
        }
    }
}

void tst_OtnTsMap::channelContents_data()
{
    QTest::addColumn<int>("tsCount");
    QTest::addColumn<int>("channel");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<QString>("lastUsedText");

    QTest::newRow("4 TS of TP 3") << 4 << 2 << "3" << "3";
    QTest::newRow("no TS") << 0 << 2 << "--" << "--";
    QTest::newRow("unassigned TS") << 2 << -1 << "0" << "0";
    QTest::newRow("80 TS") << 80 << 79 << "80" << "80";
}

void tst_OtnTsMap::channelContents()
{
    QFETCH(int, tsCount);
    QFETCH(int, channel);
    QFETCH(QString, firstText);
    QFETCH(QString, lastUsedText);

    int channels[OtnTsMap::maxTs];
    std::fill(std::begin(channels), std::end(channels), channel);
    const OtnTsMap::Contents contents = OtnTsMap::channelContents(channels, tsCount);
    QCOMPARE(contents.size(), OtnTsMap::maxTs);
    QCOMPARE(contents.first().text, firstText);
    QCOMPARE(contents.at(qMax(0, tsCount - 1)).text, lastUsedText);
    for (int t = tsCount; t < OtnTsMap::maxTs; ++t)
        QCOMPARE(contents.at(t).text, QStringLiteral("--"));
    for (const OtnTsMap::Cell &cell : contents)
        QCOMPARE(cell.styleSheet, QString::fromLatin1(OtnTsMap::dummyTpStyle));
}

void tst_OtnTsMap::mainTsMarks_data()
{
    QTest::addColumn<QVector<int>>("mainTs");
    QTest::addColumn<int>("tpCount");
    QTest::addColumn<QVector<int>>("marked");

    QTest::newRow("two TPs") << QVector<int>{3, 7} << 2 << QVector<int>{2, 6};
    QTest::newRow("only TPs below the count") << QVector<int>{3, 7, 9} << 1 << QVector<int>{2};
    QTest::newRow("entry 80 is the last TS") << QVector<int>{80} << 1 << QVector<int>{79};
    QTest::newRow("entry above 80 ignored") << QVector<int>{81, 5} << 2 << QVector<int>{4};
    QTest::newRow("entry 0 ignored") << QVector<int>{0} << 1 << QVector<int>{};
}

void tst_OtnTsMap::mainTsMarks()
{
    QFETCH(QVector<int>, mainTs);
    QFETCH(int, tpCount);
    QFETCH(QVector<int>, marked);

    OtnTsMap::Contents contents = OtnTsMap::emptyContents();
    OtnTsMap::markMainTs(contents, mainTs.constData(), tpCount);
    for (int t = 0; t < OtnTsMap::maxTs; ++t) {
        const char *style = marked.contains(t) ? OtnTsMap::mainTpStyle : OtnTsMap::dummyTpStyle;
        QVERIFY2(contents.at(t).styleSheet == QLatin1String(style), qPrintable(QStringLiteral("TS index %1").arg(t)));
        QCOMPARE(contents.at(t).text, QStringLiteral("--"));
    }
}

QTEST_MAIN(tst_OtnTsMap)
#include "tst_otntsmap.moc"
