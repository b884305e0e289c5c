#include <QGridLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"
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

QTEST_MAIN(tst_OtnChWidget)
#include "tst_otnchwidget.moc"
