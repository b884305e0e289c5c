#include <QLabel>
#include <QPointer>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/stimuli/otnstimuliwidgetlldskew.h"
#include "host/bindings/uihelper.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/server/zelservermanager.h"
#include "tests/simulator/simulatortesthelpers.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testerfixture.h"

using namespace PID::Otn::STIMULI;

class TestOtnStimuliWidgetLldSkew : public QObject
{
    Q_OBJECT

private slots:
    void laneTypeShowsItsLanes_data();
    void laneTypeShowsItsLanes();
    void nanosecondsFollowTheBitsAndTheLaneRate_data();
    void nanosecondsFollowTheBitsAndTheLaneRate();
};

void TestOtnStimuliWidgetLldSkew::laneTypeShowsItsLanes_data()
{
    QTest::addColumn<int>("laneType");
    QTest::addColumn<bool>("logical");
    QTest::newRow("logical lanes") << 0 << true;
    QTest::newRow("physical lanes") << 1 << false;
}

void TestOtnStimuliWidgetLldSkew::laneTypeShowsItsLanes()
{
    QFETCH(int, laneType);
    QFETCH(bool, logical);
    TesterFixture tester(TesterFixture::structureOptions(QStringLiteral("otl4.4")));
    OtnStimuliWidgetLldSkew panel(ClientInfo{1, tester.manager()});
    QVERIFY(tester.writeAndWait(1, SKEW_LANE_TYPE, 1 - laneType));
    QVERIFY(tester.writeAndWait(1, SKEW_LANE_TYPE, laneType));
    QCOMPARE(panel.findChild<QWidget *>("wgtInsertionLane")->isVisibleTo(&panel), logical);
    QCOMPARE(panel.findChild<QWidget *>("wgtInsertionLanePhysical")->isVisibleTo(&panel), !logical);
}

void TestOtnStimuliWidgetLldSkew::nanosecondsFollowTheBitsAndTheLaneRate_data()
{
    QTest::addColumn<QString>("interface");
    QTest::addColumn<double>("laneRateKbps");   // the OTUk rate over its logical lanes
    QTest::newRow("OTL3.4: four OTU3 lanes") << "OTL3.4" << 255.0 / 236 * 4 * 9953280 / 4;
    QTest::newRow("OTL4.4: twenty OTU4 lanes") << "OTL4.4" << 255.0 / 227 * 99532800 / 20;
}

void TestOtnStimuliWidgetLldSkew::nanosecondsFollowTheBitsAndTheLaneRate()
{
    QFETCH(QString, interface);
    QFETCH(double, laneRateKbps);
    SimulatorOptions options = TesterFixture::testOptions(1);
    // A module that carries both multi-lane interfaces.
    options.moduleTypes = {3};
    TesterFixture tester(options);
    const int txInterface = PID::Otn::TX::MAPPING[0];
    QVERIFY(tester.writeAndWait(1, txInterface, SimTest::valueNamed(tester, txInterface, interface)));
    OtnStimuliWidgetLldSkew panel(ClientInfo{1, tester.manager()});
    panel.setId(nsSID::otnSid(1, LANE_SKEW_PANEL));
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    const auto *ns = panel.findChild<QLabel *>(QStringLiteral("lblSkewNs"));
    QVERIFY(ns);
    for (uint bits : {1000u, 64u}) {
        QVERIFY(tester.writeAndWait(1, SKEW_BITS, bits));
        const double expected = bits * 1e6 / laneRateKbps;
        bool number = false;
        const double shown = ns->text().toDouble(&number);
        QVERIFY2(number, qPrintable(ns->text()));
        QVERIFY2(qAbs(shown - expected) < 0.001, qPrintable(QStringLiteral("%1 ns, %2 expected").arg(shown).arg(expected)));
    }
}

QTEST_MAIN(TestOtnStimuliWidgetLldSkew)
#include "tst_otnstimuliwidgetlldskew.moc"
