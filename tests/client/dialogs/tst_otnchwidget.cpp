#include <QGridLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
#include "client/otn/interface_setup_status/dialogs/otntsmap.h"
#include "tests/support/bitpattern.h"

namespace {
QPoint gridPosition(const OtnChWidget &grid, int index)
{
    auto *layout = qobject_cast<QGridLayout *>(grid.layout());
    const int at = layout ? layout->indexOf(grid.cell(index)) : -1;
    if (at < 0)
        return QPoint(-1, -1);
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    layout->getItemPosition(at, &row, &column, &rowSpan, &columnSpan);
    return QPoint(column, row);
}
} // namespace

class tst_OtnChWidget : public QObject
{
    Q_OBJECT

private slots:
    void clicks_data();
    void clicks();
    void bitsAndBytes_data();
    void bitsAndBytes();
    void mask_data();
    void mask();
    void tsMapLayout_data();
    void tsMapLayout();
    void mainTsMarks_data();
    void mainTsMarks();
};

void tst_OtnChWidget::clicks_data()
{
    QTest::addColumn<bool>("toggle");
    QTest::addColumn<bool>("inverted");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QByteArray>("setCells");   // after the clicks, 1-based; report mode starts with them
    QTest::addColumn<QList<int>>("reported");
    QTest::addColumn<int>("takenClicks");

    QTest::newRow("toggle: below maximum") << true << false << 3 << QList<int>{0, 4} << QByteArray("\x01\x05")
                                           << QList<int>{} << 2;
    QTest::newRow("toggle: clear cell refused at maximum") << true << false << 2 << QList<int>{0, 1, 5}
                                                           << QByteArray("\x01\x02") << QList<int>{} << 2;
    QTest::newRow("toggle: set cell always clears") << true << false << 2 << QList<int>{0, 1, 1, 5}
                                                    << QByteArray("\x01\x06") << QList<int>{} << 4;
    QTest::newRow("toggle: inverted counts the set look") << true << true << 1 << QList<int>{2, 3}
                                                          << QByteArray("\x03") << QList<int>{} << 1;
    QTest::newRow("report mode keeps states") << false << true << 8 << QList<int>{4, 6} << QByteArray("\x05")
                                              << QList<int>{4, 6} << 2;
}

void tst_OtnChWidget::clicks()
{
    QFETCH(bool, toggle);
    QFETCH(bool, inverted);
    QFETCH(int, maximum);
    QFETCH(QList<int>, clicks);
    QFETCH(QByteArray, setCells);
    QFETCH(QList<int>, reported);
    QFETCH(int, takenClicks);

    OtnChWidget grid(8, 8, true, toggle, inverted, true, maximum);
    grid.setAllCells(inverted);   // every cell clear
    if (!toggle) {
        for (char ts : setCells)
            grid.setCellState(ts - 1, !inverted);
    }
    QSignalSpy cellClicked(&grid, &OtnChWidget::cellClicked);
    QSignalSpy clicked(&grid, &OtnChWidget::clicked);
    for (int index : qAsConst(clicks))
        QTest::mouseClick(grid.cell(index), Qt::LeftButton);
    QCOMPARE(grid.setCellBytes(), setCells);
    for (int i = 0; i < grid.cellCount(); ++i)
        QCOMPARE(grid.cell(i)->isChecked(), setCells.contains(char(i + 1)));
    QList<int> reportedCells;
    for (const QList<QVariant> &arguments : qAsConst(cellClicked))
        reportedCells << arguments.at(0).toInt();
    QCOMPARE(reportedCells, reported);
    QCOMPARE(clicked.count(), takenClicks);
}

void tst_OtnChWidget::bitsAndBytes_data()
{
    QTest::addColumn<bool>("inverted");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("bits");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("plain") << false << "00000000" << "01000010" << "01000010" << QByteArray("\x02\x07");
    QTest::newRow("inverted: bytes list the set look") << true << "11111111" << "01000010" << "01000010"
                                                       << QByteArray("\x01\x03\x04\x05\x06\x08");
    QTest::newRow("shorter array keeps the rest") << false << "111111" << "010" << "010111"
                                                  << QByteArray("\x02\x04\x05\x06");
    QTest::newRow("longer array is cut") << false << "0000" << "100000000001" << "1000" << QByteArray("\x01");
}

void tst_OtnChWidget::bitsAndBytes()
{
    QFETCH(bool, inverted);
    QFETCH(QString, before);
    QFETCH(QString, bits);
    QFETCH(QString, after);
    QFETCH(QByteArray, bytes);

    OtnChWidget grid(before.size(), 8, false, false, inverted, false, 8);
    grid.setBits(bitsOf(before));
    QCOMPARE(grid.bits(), bitsOf(before));
    grid.setBits(bitsOf(bits));
    QCOMPARE(grid.bits(), bitsOf(after));
    QCOMPARE(grid.setCellBytes(), bytes);
}

void tst_OtnChWidget::mask_data()
{
    QTest::addColumn<int>("cells");
    QTest::addColumn<quint32>("mask");
    QTest::addColumn<quint32>("readBack");
    QTest::addColumn<int>("setLook");

    QTest::newRow("8 cells") << 8 << 0x000000A5u << 0x000000A5u << 4;
    QTest::newRow("8 cells ignore high bits") << 8 << 0xFFFF0101u << 0x00000001u << 1;
    QTest::newRow("32 cells all") << 32 << 0xFFFFFFFFu << 0xFFFFFFFFu << 32;
    QTest::newRow("32 cells top bit") << 32 << 0x80000000u << 0x80000000u << 1;
    QTest::newRow("33 cells ignored") << 33 << 0xFFFFFFFFu << 0u << 0;
    QTest::newRow("80 cells ignored") << 80 << 0x0000000Fu << 0u << 0;
}

void tst_OtnChWidget::mask()
{
    QFETCH(int, cells);
    QFETCH(quint32, mask);
    QFETCH(quint32, readBack);
    QFETCH(int, setLook);

    OtnChWidget grid(cells, 16, false, true, false, false, cells);
    grid.setMask(mask);
    QCOMPARE(grid.mask(), readBack);
    QCOMPARE(grid.setCellCount(), setLook);
    // Copying goes through the mask; the target's own inversion decides the looks.
    OtnChWidget copy(8, 8, true, true, true, false, 8);
    copy.copyCells(grid);
    QCOMPARE(copy.mask(), readBack & 0xFFu);
    QCOMPARE(copy.setCellCount(), 8 - int(qPopulationCount(readBack & 0xFFu)));
    if (cells > 32) {
        // Reading gives 0 even when cells are set by other means.
        grid.setCellState(0, true);
        QCOMPARE(grid.mask(), 0u);
    }
}

// The TS map is a grid of 9 columns: a header row, then rows of 8 TS behind their first index.
void tst_OtnChWidget::tsMapLayout_data()
{
    QTest::addColumn<int>("gridSize");
    QTest::addColumn<int>("tsCount");
    QTest::addColumn<int>("cells");
    QTest::addColumn<QStringList>("rowLabels");

    QTest::newRow("8-TS grid, 2 TS used") << 8 << 2 << 18 << QStringList{"0"};
    QTest::newRow("80 TS") << 80 << 80 << 99
                           << QStringList{"0", "8", "16", "24", "32", "40", "48", "56", "64", "72"};
}

void tst_OtnChWidget::tsMapLayout()
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

void tst_OtnChWidget::mainTsMarks_data()
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

void tst_OtnChWidget::mainTsMarks()
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

QTEST_MAIN(tst_OtnChWidget)
#include "tst_otnchwidget.moc"
