#include <QBitArray>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "bindingtestserver.h"
#include "host/bindings/uihelper_multilane.h"
#include "host/parameters/qcmaparameterbitarray.h"
#include "host/parameters/qcmaparameterint.h"
#include "host/widgets/multilanewidget.h"

using namespace BindingTest;

namespace {
QBitArray bitsOf(const QString &pattern)
{
    QBitArray bits(pattern.size());
    for (int i = 0; i < pattern.size(); ++i)
        bits.setBit(i, pattern.at(i) == QLatin1Char('1'));
    return bits;
}

QString patternOf(const QBitArray &bits)
{
    QString pattern;
    for (int i = 0; i < bits.size(); ++i)
        pattern += bits.testBit(i) ? QLatin1Char('1') : QLatin1Char('0');
    return pattern;
}
} // namespace

class tst_UiHelper_MultiLane : public QObject
{
    Q_OBJECT
private slots:
    void showsBits_data();
    void showsBits();
    void toggleWritesWholeArray_data();
    void toggleWritesWholeArray();
};

void tst_UiHelper_MultiLane::showsBits_data()
{
    QTest::addColumn<QString>("bits");
    QTest::addColumn<int>("lanesPerRow");
    QTest::addColumn<int>("rows");

    QTest::newRow("4 lanes, one row") << "0110" << 5 << 1;
    QTest::newRow("10 lanes, 5 a row") << "1000000001" << 5 << 2;
    QTest::newRow("20 lanes, 10 a row") << "11110000111100001111" << 10 << 2;
}

void tst_UiHelper_MultiLane::showsBits()
{
    QFETCH(QString, bits);
    QFETCH(int, lanesPerRow);
    QFETCH(int, rows);

    Server server;
    server.link->addParameter(new QcmaParameterBitArray(sid(lanesId), bitsOf(bits)));
    QWidget page;
    auto *lanes = new MultiLaneWidget(&page);
    auto *caption = new QLabel(&page);
    UiHelper_MultiLane binding(server.start(), lanes, caption, sid(lanesId), lanesPerRow, false,
                               UiHelper::ConnectImmediately);
    QCOMPARE(patternOf(lanes->bits()), bits);
    QCOMPARE(lanes->laneCount(), bits.size());
    QCOMPARE(caption->text(), QStringLiteral("Error Lane"));
    QCOMPARE(lanes->laneButton(bits.size() - 1)->text(), QString::number(bits.size()));
    // The last lane sits in the last row.
    QWidget *last = lanes->laneButton(bits.size() - 1);
    QWidget *first = lanes->laneButton(0);
    lanes->adjustSize();
    QCOMPARE(last->y() > first->y(), rows > 1);
    QVERIFY(lanes->isEnabled());
    QCOMPARE(server.link->writeRequests(), 0);
}

void tst_UiHelper_MultiLane::toggleWritesWholeArray_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("singleLane");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<QString>("written");

    QTest::newRow("set a lane") << "1000" << false << 2 << "1010";
    QTest::newRow("clear a lane") << "1010" << false << 0 << "0010";
    QTest::newRow("single lane moves") << "0100" << true << 3 << "0001";
    QTest::newRow("single lane from none") << "0000" << true << 1 << "0100";
}

void tst_UiHelper_MultiLane::toggleWritesWholeArray()
{
    QFETCH(QString, before);
    QFETCH(bool, singleLane);
    QFETCH(int, pressed);
    QFETCH(QString, written);

    Server server;
    server.link->addParameter(new QcmaParameterBitArray(sid(lanesId), bitsOf(before)));
    QWidget page;
    // The widget itself allows several lanes: the binding's own rule is what is tested.
    auto *lanes = new MultiLaneWidget(&page, false);
    UiHelper_MultiLane binding(server.start(), lanes, nullptr, sid(lanesId), 5, singleLane,
                               UiHelper::ConnectImmediately);
    lanes->laneButton(pressed)->click();
    QCOMPARE(server.link->writeRequests(), 1);
    QCOMPARE(patternOf(server.link->value(sid(lanesId))->getBitArray()), written);
    QTRY_COMPARE(patternOf(binding.QcmaParameter_Get()->getBitArray()), written);
    QCOMPARE(patternOf(lanes->bits()), written);
    QCOMPARE(server.link->writeRequests(), 1);
}

QTEST_MAIN(tst_UiHelper_MultiLane)
#include "tst_uihelper_multilane.moc"
