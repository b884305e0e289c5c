#include <QBitArray>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "bindingtestserver.h"
#include "host/bindings/uihelper_multilane.h"
#include "host/parameters/qcmaparameterbitarray.h"
#include "host/widgets/multilanewidget.h"
#include "tests/support/bitpattern.h"

using namespace BindingTest;

class tst_UiHelper_MultiLane : public QObject
{
    Q_OBJECT
private slots:
    void showsAndWritesWholeArray_data();
    void showsAndWritesWholeArray();
};

void tst_UiHelper_MultiLane::showsAndWritesWholeArray_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("lanesPerRow");
    QTest::addColumn<bool>("singleLane");
    QTest::addColumn<int>("pressed");
    QTest::addColumn<QString>("written");

    QTest::newRow("4 lanes in one row, set a lane") << "1000" << 5 << false << 2 << "1010";
    QTest::newRow("10 lanes, 5 a row, clear a lane") << "1000000001" << 5 << false << 0 << "0000000001";
    QTest::newRow("20 lanes, 10 a row, clear the last") << "11110000111100001111" << 10 << false << 19
                                                      << "11110000111100001110";
    QTest::newRow("single lane moves") << "0100" << 5 << true << 3 << "0001";
    QTest::newRow("single lane from none") << "0000" << 5 << true << 1 << "0100";
}

void tst_UiHelper_MultiLane::showsAndWritesWholeArray()
{
    QFETCH(QString, before);
    QFETCH(int, lanesPerRow);
    QFETCH(bool, singleLane);
    QFETCH(int, pressed);
    QFETCH(QString, written);

    Server server;
    server.fake()->addParameter(new QcmaParameterBitArray(nsSID::otnSid(port, lanesId), bitsOf(before)));
    QWidget page;
    // The widget itself allows several lanes: the binding's own rule is what is tested.
    auto *lanes = new MultiLaneWidget(&page, false);
    auto *caption = new QLabel(&page);
    UiHelper_MultiLane binding(server.manager(), lanes, caption, nsSID::otnSid(port, lanesId), lanesPerRow, singleLane,
                               UiHelper::ConnectImmediately);
    QCOMPARE(patternOf(lanes->bits()), before);
    QCOMPARE(lanes->laneCount(), before.size());
    QCOMPARE(caption->text(), QStringLiteral("Error Lane"));
    QCOMPARE(lanes->laneButton(before.size() - 1)->text(), QString::number(before.size()));
    // The last lane sits in a row of its own once the lanes fill more than one.
    lanes->adjustSize();
    QCOMPARE(lanes->laneButton(before.size() - 1)->y() > lanes->laneButton(0)->y(), before.size() > lanesPerRow);
    QVERIFY(lanes->isEnabled());
    QCOMPARE(server.fake()->writeRequests(), 0);

    lanes->laneButton(pressed)->click();
    QCOMPARE(server.fake()->writeRequests(), 1);
    QCOMPARE(patternOf(server.fake()->value(nsSID::otnSid(port, lanesId))->getBitArray()), written);
    QTRY_COMPARE(patternOf(binding.QcmaParameter_Get()->getBitArray()), written);
    QCOMPARE(patternOf(lanes->bits()), written);
    QCOMPARE(server.fake()->writeRequests(), 1);
}

QTEST_MAIN(tst_UiHelper_MultiLane)
#include "tst_uihelper_multilane.moc"
