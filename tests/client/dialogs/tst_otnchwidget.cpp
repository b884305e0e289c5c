#include <QGridLayout>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "client/otn/interface_setup_status/dialogs/otnchwidget.h"

class tst_OtnChWidget : public QObject
{
    Q_OBJECT

private slots:
    void shape_data();
    void shape();
    void stateFollowsInversion_data();
    void stateFollowsInversion();
    void indexGuards();
    void toggleRespectsMaximum_data();
    void toggleRespectsMaximum();
    void reportModeKeepsStates();
    void bitsAndBytes_data();
    void bitsAndBytes();
    void mask_data();
    void mask();
    void copyCellsThroughMask();
    void replacedStyleSheets();
};

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

void tst_OtnChWidget::shape_data()
{
    QTest::addColumn<int>("cells");
    QTest::addColumn<int>("columns");
    QTest::addColumn<bool>("numbered");
    QTest::addColumn<bool>("toggle");
    QTest::addColumn<QSize>("cellSize");
    QTest::addColumn<QPoint>("lastPosition");
    QTest::addColumn<QString>("styleSheet");

    QTest::newRow("main grid 8 TS") << 18 << 9 << true << false << QSize(24, 24) << QPoint(8, 1)
                                    << "QPushButton { min-width: 14px; min-height: 18px; }";
    QTest::newRow("allocation 32 TS") << 32 << 16 << false << false << QSize(9, 9) << QPoint(15, 1)
                                      << "QPushButton { min-width: -1px; min-height: 3px; }";
    QTest::newRow("allocation dialog 80 TS toggling") << 80 << 20 << true << true << QSize(24, 24) << QPoint(19, 3)
                                                      << QString();
    QTest::newRow("no columns: one row") << 8 << 0 << false << false << QSize(9, 9) << QPoint(7, 0)
                                         << "QPushButton { min-width: -1px; min-height: 3px; }";
    QTest::newRow("partial last row") << 10 << 4 << true << true << QSize(24, 24) << QPoint(1, 2) << QString();
}

void tst_OtnChWidget::shape()
{
    QFETCH(int, cells);
    QFETCH(int, columns);
    QFETCH(bool, numbered);
    QFETCH(bool, toggle);
    QFETCH(QSize, cellSize);
    QFETCH(QPoint, lastPosition);
    QFETCH(QString, styleSheet);

    OtnChWidget grid(cells, columns, numbered, toggle, false, false, 8);
    QCOMPARE(grid.cellCount(), cells);
    QCOMPARE(grid.findChildren<QPushButton *>().size(), cells);
    QCOMPARE(grid.cell(0)->size(), cellSize);
    QCOMPARE(grid.styleSheet(), styleSheet);
    QCOMPARE(gridPosition(grid, 0), QPoint(0, 0));
    QCOMPARE(gridPosition(grid, cells - 1), lastPosition);
    QCOMPARE(grid.cell(cells - 1)->text(), numbered ? QString::number(cells) : QString());
    // New cells are clear.
    QCOMPARE(grid.setCellCount(), 0);
    QCOMPARE(grid.cell(0)->styleSheet(), QString::fromLatin1(OtnChWidget::clearStyle));
}

void tst_OtnChWidget::stateFollowsInversion_data()
{
    QTest::addColumn<bool>("inverted");
    QTest::addColumn<bool>("checkable");
    QTest::addColumn<bool>("state");
    QTest::addColumn<bool>("setLook");

    QTest::newRow("plain set") << false << true << true << true;
    QTest::newRow("plain clear") << false << true << false << false;
    QTest::newRow("inverted true shows clear") << true << true << true << false;
    QTest::newRow("inverted false shows set") << true << true << false << true;
    QTest::newRow("not checkable set") << false << false << true << true;
}

void tst_OtnChWidget::stateFollowsInversion()
{
    QFETCH(bool, inverted);
    QFETCH(bool, checkable);
    QFETCH(bool, state);
    QFETCH(bool, setLook);

    OtnChWidget grid(8, 8, false, false, inverted, checkable, 8);
    grid.setCellState(3, state);
    QCOMPARE(grid.cellState(3), state);
    QCOMPARE(grid.cell(3)->styleSheet(),
             QString::fromLatin1(setLook ? OtnChWidget::setStyle : OtnChWidget::clearStyle));
    QCOMPARE(grid.cell(3)->isCheckable(), checkable && setLook);
    QCOMPARE(grid.cell(3)->isChecked(), checkable && setLook);
    QCOMPARE(grid.setCellCount(), setLook ? 1 : 0);
    // Neighbours are untouched.
    QCOMPARE(grid.cellState(2), inverted);
}

void tst_OtnChWidget::indexGuards()
{
    OtnChWidget grid(8, 8, true, false, false, true, 8);
    for (int index : {-1, 8, 100}) {
        grid.setCellState(index, true);
        QVERIFY(!grid.cellState(index));
        grid.setCellText(index, QStringLiteral("x"));
        grid.setCellStyleSheet(index, QStringLiteral("color: red;"));
        grid.setCellEnabled(index, false);
        QVERIFY(!grid.cell(index));
    }
    QCOMPARE(grid.setCellCount(), 0);
    for (int i = 0; i < grid.cellCount(); ++i) {
        QVERIFY(grid.cell(i)->isEnabled());
        QCOMPARE(grid.cell(i)->text(), QString::number(i + 1));
    }
    grid.setCellEnabled(7, false);
    grid.setCellText(7, QStringLiteral("72"));
    QVERIFY(!grid.cell(7)->isEnabled());
    QCOMPARE(grid.cell(7)->text(), QStringLiteral("72"));
}

void tst_OtnChWidget::toggleRespectsMaximum_data()
{
    QTest::addColumn<bool>("inverted");
    QTest::addColumn<int>("maximum");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QByteArray>("setCells");

    QTest::newRow("below maximum") << false << 3 << QList<int>{0, 4} << QByteArray("\x01\x05");
    QTest::newRow("clear cell refused at maximum") << false << 2 << QList<int>{0, 1, 5} << QByteArray("\x01\x02");
    QTest::newRow("set cell always clears") << false << 2 << QList<int>{0, 1, 1, 5} << QByteArray("\x01\x06");
    QTest::newRow("inverted counts the set look") << true << 1 << QList<int>{2, 3} << QByteArray("\x03");
    QTest::newRow("maximum zero refuses all") << false << 0 << QList<int>{0, 1} << QByteArray();
}

void tst_OtnChWidget::toggleRespectsMaximum()
{
    QFETCH(bool, inverted);
    QFETCH(int, maximum);
    QFETCH(QList<int>, clicks);
    QFETCH(QByteArray, setCells);

    OtnChWidget grid(8, 8, true, true, inverted, false, maximum);
    if (inverted)
        grid.setAllCells(true);   // every cell clear
    QSignalSpy reported(&grid, &OtnChWidget::cellClicked);
    for (int index : qAsConst(clicks))
        QTest::mouseClick(grid.cell(index), Qt::LeftButton);
    QCOMPARE(grid.setCellBytes(), setCells);
    QCOMPARE(reported.count(), 0);
}

void tst_OtnChWidget::reportModeKeepsStates()
{
    OtnChWidget grid(18, 9, true, false, true, true, 8);
    grid.setCellState(4, false);   // set look, checked
    QSignalSpy reported(&grid, &OtnChWidget::cellClicked);
    QSignalSpy clicked(&grid, &OtnChWidget::clicked);
    QTest::mouseClick(grid.cell(4), Qt::LeftButton);
    QTest::mouseClick(grid.cell(10), Qt::LeftButton);
    QCOMPARE(reported.count(), 2);
    QCOMPARE(reported.at(0).at(0).toInt(), 4);
    QCOMPARE(reported.at(1).at(0).toInt(), 10);
    QCOMPARE(clicked.count(), 2);
    QVERIFY(grid.cell(4)->isChecked());
    QVERIFY(!grid.cellState(4));
    QVERIFY(grid.cellState(10));
}

void tst_OtnChWidget::bitsAndBytes_data()
{
    QTest::addColumn<int>("cells");
    QTest::addColumn<bool>("inverted");
    QTest::addColumn<QBitArray>("bits");
    QTest::addColumn<QBitArray>("readBack");
    QTest::addColumn<QByteArray>("bytes");

    QBitArray mixed(8);
    mixed.setBit(1);
    mixed.setBit(6);
    QTest::newRow("plain") << 8 << false << mixed << mixed << QByteArray("\x02\x07");
    QTest::newRow("inverted: bytes list the set look") << 8 << true << mixed << mixed
                                                       << QByteArray("\x01\x03\x04\x05\x06\x08");
    QBitArray shorter(3, true);
    QBitArray shorterBack(6);
    shorterBack.fill(true, 0, 3);
    QTest::newRow("shorter array keeps the rest") << 6 << false << shorter << shorterBack
                                                  << QByteArray("\x01\x02\x03");
    QBitArray longer(12);
    longer.setBit(11);
    longer.setBit(0);
    QBitArray longerBack(4);
    longerBack.setBit(0);
    QTest::newRow("longer array is cut") << 4 << false << longer << longerBack << QByteArray("\x01");
}

void tst_OtnChWidget::bitsAndBytes()
{
    QFETCH(int, cells);
    QFETCH(bool, inverted);
    QFETCH(QBitArray, bits);
    QFETCH(QBitArray, readBack);
    QFETCH(QByteArray, bytes);

    OtnChWidget grid(cells, 8, false, false, inverted, false, 8);
    if (inverted)
        grid.setAllCells(true);
    grid.setBits(bits);
    if (inverted) {
        // Cells beyond the array keep their state: here all were true.
        QBitArray expected = readBack;
        for (int i = bits.size(); i < cells; ++i)
            expected.setBit(i, true);
        QCOMPARE(grid.bits(), expected);
    } else {
        QCOMPARE(grid.bits(), readBack);
    }
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
    if (cells > 32) {
        // Reading gives 0 even when cells are set by other means.
        grid.setCellState(0, true);
        QCOMPARE(grid.mask(), 0u);
    }
}

void tst_OtnChWidget::copyCellsThroughMask()
{
    OtnChWidget source(8, 8, false, false, false, false, 8);
    source.setMask(0x3Cu);
    OtnChWidget target(8, 8, true, true, true, false, 8);
    target.copyCells(source);
    QCOMPARE(target.mask(), 0x3Cu);
    // The target's inversion decides the look: four cells of the clear look.
    QCOMPARE(target.setCellCount(), 4);

    OtnChWidget wide(40, 20, false, false, false, false, 40);
    wide.setCellState(1, true);
    target.copyCells(wide);
    QCOMPARE(target.mask(), 0u);
}

void tst_OtnChWidget::replacedStyleSheets()
{
    OtnChWidget grid(8, 8, true, false, false, true, 2);
    grid.setCellState(0, true);
    grid.setStyleSheets(QString(), QString());
    QVERIFY(grid.cell(0)->styleSheet().isEmpty());
    QVERIFY(grid.cell(1)->styleSheet().isEmpty());
    QVERIFY(grid.cell(0)->isChecked());
    grid.setCellState(1, true);
    QVERIFY(grid.cell(1)->styleSheet().isEmpty());
    QVERIFY(grid.cell(1)->isChecked());

    grid.setToggle(true);
    QSignalSpy reported(&grid, &OtnChWidget::cellClicked);
    QTest::mouseClick(grid.cell(1), Qt::LeftButton);
    QCOMPARE(reported.count(), 0);
    QVERIFY(!grid.cellState(1));
}

QTEST_MAIN(tst_OtnChWidget)
#include "tst_otnchwidget.moc"
