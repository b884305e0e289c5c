#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/stimuli/otnstimulicontrol.h"
#include "host/pages/stimuliwidget.h"
#include "host/server/zelservermanager.h"
#include "tests/support/simulatorfixture.h"

class tst_OtnStimuliControl : public QObject
{
    Q_OBJECT
private slots:
    void idsByModuleType_data();
    void idsByModuleType();
    void registrationAppendsPortItems_data();
    void registrationAppendsPortItems();
};

void tst_OtnStimuliControl::idsByModuleType_data()
{
    QTest::addColumn<int>("moduleType");
    QTest::addColumn<QList<int>>("ids");
    // CFP2, CFP4 and CXP modules carry several lanes.
    for (int type = 0; type <= 7; ++type) {
        const bool lanes = type == 3 || type == 4 || type == 6;
        QTest::addRow("module type %d", type) << type << (lanes ? QList<int>{15, 16, 17, 19} : QList<int>{15, 16, 17});
    }
}

void tst_OtnStimuliControl::idsByModuleType()
{
    QFETCH(int, moduleType);
    QFETCH(QList<int>, ids);
    SimulatorOptions options = SimulatorFixture::quietOptions(2);
    options.moduleTypes = {0, moduleType, 0, 0};
    SimulatorFixture tester(options);
    QCOMPARE(tester.manager()->GetPortModuleType(2), moduleType);
    QCOMPARE(OtnStimuliControl::stimuliIds(tester.manager(), 2), ids);
    // Port 1 keeps its own module.
    QCOMPARE(OtnStimuliControl::stimuliIds(tester.manager(), 1), (QList<int>{15, 16, 17}));
}

void tst_OtnStimuliControl::registrationAppendsPortItems_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("moduleType");
    QTest::newRow("port 1, single lane") << 1 << 0;
    QTest::newRow("port 2, multi-lane") << 2 << 4;
}

void tst_OtnStimuliControl::registrationAppendsPortItems()
{
    QFETCH(int, port);
    QFETCH(int, moduleType);
    SimulatorOptions options = SimulatorFixture::quietOptions(2);
    options.moduleTypes = {moduleType, moduleType, 0, 0};
    SimulatorFixture tester(options);

    QList<OtnStimuliControl::Item> items;
    const OtnStimuliControl::Item earlier{nsSID::build(port, 0x050000, 1), nullptr};
    items.append(earlier);
    OtnStimuliControl::registerStimuli(tester.manager(), port, items);

    // What the caller had stays first; each registered panel answers to its port's OTN SID, in the
    // order of the port's ids.
    QVERIFY(!items.isEmpty());
    QCOMPARE(items.first().sid, earlier.sid);
    const QList<int> ids = OtnStimuliControl::stimuliIds(tester.manager(), port);
    QVERIFY(items.size() - 1 <= ids.size());
    int next = 0;
    for (int i = 1; i < items.size(); ++i) {
        QVERIFY(items[i].widget);
        QCOMPARE(nsSID::portOf(items[i].sid), port);
        QCOMPARE(nsSID::groupOf(items[i].sid), nsSID::otn);
        QVERIFY(!nsSID::flagOf(items[i].sid));
        const int at = ids.indexOf(nsSID::idOf(items[i].sid), next);
        QVERIFY2(at >= 0, "items follow the order of the ids");
        next = at + 1;
    }
    for (int i = 1; i < items.size(); ++i)
        delete items[i].widget;
}

QTEST_MAIN(tst_OtnStimuliControl)
#include "tst_otnstimulicontrol.moc"
