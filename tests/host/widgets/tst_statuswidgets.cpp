#include <QBitArray>
#include <QDialog>
#include <QGridLayout>
#include <QPushButton>
#include <QtTest>

#include "host/widgets/multilanewidget.h"
#include "host/widgets/portstatusitem.h"
#include "host/widgets/zeleditbutton.h"
#include "tests/support/bitpattern.h"

// The small host widgets: the LED, the lane toggles and the value button.
class tst_StatusWidgets : public QObject
{
    Q_OBJECT
private slots:
    void lanesRoundTrip_data();
    void lanesRoundTrip();
    void laneClicks_data();
    void laneClicks();
};

void tst_StatusWidgets::lanesRoundTrip_data()
{
    QTest::addColumn<QString>("bits");
    QTest::addColumn<int>("lanesPerRow");
    QTest::addColumn<int>("lastRow");
    QTest::addColumn<int>("lastColumn");

    QTest::newRow("7, 5 a row") << "1010101" << 5 << 1 << 1;
    QTest::newRow("20, 10 a row") << "00000000001111111111" << 10 << 1 << 9;
}

void tst_StatusWidgets::lanesRoundTrip()
{
    QFETCH(QString, bits);
    QFETCH(int, lanesPerRow);
    QFETCH(int, lastRow);
    QFETCH(int, lastColumn);

    MultiLaneWidget lanes;
    lanes.setBits(bitsOf(bits), 1, lanesPerRow);
    QCOMPARE(patternOf(lanes.bits()), bits);
    QCOMPARE(lanes.laneCount(), bits.size());
    auto *grid = qobject_cast<QGridLayout *>(lanes.layout());
    QVERIFY(grid);
    int row = -1, column = -1, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(lanes.laneButton(bits.size() - 1)), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(row, lastRow);
    QCOMPARE(column, lastColumn);
    // A second value of the same size reuses the buttons.
    QPushButton *first = lanes.laneButton(0);
    QString inverted = bits;
    for (QChar &c : inverted)
        c = c == QLatin1Char('1') ? QLatin1Char('0') : QLatin1Char('1');
    lanes.setBits(bitsOf(inverted), 1, lanesPerRow);
    QCOMPARE(lanes.laneButton(0), first);
    QCOMPARE(patternOf(lanes.bits()), inverted);
}

void tst_StatusWidgets::laneClicks_data()
{
    QTest::addColumn<bool>("singleLane");
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<QString>("after");

    QTest::newRow("several: set") << false << "1000" << 2 << "1010";
    QTest::newRow("several: clear") << false << "1010" << 0 << "0010";
    QTest::newRow("single: moves") << true << "1000" << 2 << "0010";
    QTest::newRow("single: stays on") << true << "0100" << 1 << "0100";
}

void tst_StatusWidgets::laneClicks()
{
    QFETCH(bool, singleLane);
    QFETCH(QString, before);
    QFETCH(int, clicked);
    QFETCH(QString, after);

    MultiLaneWidget lanes(nullptr, singleLane);
    lanes.setBits(bitsOf(before));
    QSignalSpy edited(&lanes, &MultiLaneWidget::lanesEdited);
    lanes.laneButton(clicked)->click();
    QCOMPARE(edited.count(), 1);
    QCOMPARE(patternOf(lanes.bits()), after);
    // Values from code are no user edits.
    lanes.setBits(bitsOf(before));
    QCOMPARE(edited.count(), 1);
}

QTEST_MAIN(tst_StatusWidgets)
#include "tst_statuswidgets.moc"
