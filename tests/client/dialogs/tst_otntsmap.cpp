#include <QPushButton>
#include <QtTest>

#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
#include "client/otn/interface_setup_status/dialogs/otntsmap.h"
#include "host/otn/otnsignalcatalogue.h"

class tst_OtnTsMap : public QObject
{
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void mainTsMarks_data();
    void mainTsMarks();
};

void tst_OtnTsMap::layout_data()
{
    QTest::addColumn<int>("gridSize");
    QTest::addColumn<int>("tsCount");
    QTest::addColumn<int>("cells");
    QTest::addColumn<QStringList>("rowLabels");

    QTest::newRow("8-TS grid, 2 TS used") << 8 << 2 << 18 << QStringList{"0"};
    QTest::newRow("16 TS") << 16 << 16 << 27 << QStringList{"0", "8"};
    QTest::newRow("80 TS") << 80 << 80 << 99
                           << QStringList{"0", "8", "16", "24", "32", "40", "48", "56", "64", "72"};
}

void tst_OtnTsMap::layout()
{
    QFETCH(int, gridSize);
    QFETCH(int, tsCount);
    QFETCH(int, cells);
    QFETCH(QStringList, rowLabels);

    QScopedPointer<OtnChWidget> grid(OtnTsMap::createMainGrid(gridSize, nullptr));
    QCOMPARE(grid->cellCount(), cells);
    QCOMPARE(grid->columnCount(), 9);

    // TP 0-2 in turn, and every fourth TS carrying no TP (-1, shown as 0).
    int channels[OtnTsMap::maxTs];
    for (int t = 0; t < OtnTsMap::maxTs; ++t)
        channels[t] = t % 4 - 1;
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
            const QString expected = ts < tsCount ? QString::number(ts % 4) : QStringLiteral("--");
            QCOMPARE(grid->cell(label + 1 + c)->text(), expected);
            QCOMPARE(grid->cell(label + 1 + c)->styleSheet(), QString::fromLatin1(OtnTsMap::dummyTpStyle));
        }
    }
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
