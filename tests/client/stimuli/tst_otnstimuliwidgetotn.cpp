#include <memory>

#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/stimuli/otnstimuliwidgetotn.h"
#include "host/bindings/uihelper.h"
#include "host/bindings/uihelperlist.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/server/zelservermanager.h"
#include "tests/support/testerfixture.h"

using namespace PID::Otn::STIMULI;

namespace {

// The OTN SIDs of a port that something on the manager observes.
QList<int> observedOn(const zelServerManager *manager, int port)
{
    QList<int> sids;
    for (int sid : manager->observedSids()) {
        if (nsSID::portOf(sid) == port && nsSID::groupOf(sid) == nsSID::otn)
            sids.append(sid);
    }
    return sids;
}

} // namespace

class TestOtnStimuliWidgetOtn : public QObject
{
    Q_OBJECT

private slots:
    void aPortChangeRebindsThePanelAndItsPages();
    void categoryFollowsTheTester();
    void insertionSamples_data();
    void insertionSamples();
};

void TestOtnStimuliWidgetOtn::aPortChangeRebindsThePanelAndItsPages()
{
    TesterFixture tester;
    OtnStimuliWidgetOtn panel(ClientInfo{1, tester.manager()});
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QVERIFY(observedOn(tester.manager(), 1).contains(nsSID::otnSid(1, CATEGORY)));

    panel.setPort(2);
    QVERIFY(observedOn(tester.manager(), 1).isEmpty());
    QVERIFY(observedOn(tester.manager(), 2).contains(nsSID::otnSid(2, CATEGORY)));
    for (int key = 0; key < 5; ++key)
        QCOMPARE(panel.categoryPanel(key)->port(), 2);

    // A port the tester cannot have is reported and leaves the panel where it is.
    panel.setPort(5);
    QCOMPARE(panel.port(), 2);
    QVERIFY(observedOn(tester.manager(), 2).contains(nsSID::otnSid(2, CATEGORY)));
}

void TestOtnStimuliWidgetOtn::categoryFollowsTheTester()
{
    TesterFixture tester;
    OtnStimuliWidgetOtn panel(ClientInfo{1, tester.manager()});
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QCOMPARE(panel.currentPanel(), panel.categoryPanel(0));

    QVERIFY(tester.writeAndWait(1, CATEGORY, 3));
    QCOMPARE(panel.currentPanel(), panel.categoryPanel(3));

    // A category this client has no panel for keeps the page.
    panel.qcmaParameterChanged(QcmaParameterEnum(nsSID::otnSid(1, CATEGORY), 7, 0, 7));
    QCOMPARE(panel.currentPanel(), panel.categoryPanel(3));
}

void TestOtnStimuliWidgetOtn::insertionSamples_data()
{
    QTest::addColumn<QString>("structure");
    QTest::addColumn<int>("index");        // after one state per category
    QTest::addColumn<QString>("sample");   // the state's name; empty: not offered
    QTest::addColumn<QString>("level");    // the alarms page's level that shows it
    QTest::addColumn<QString>("inserting");
    QTest::newRow("ODU-AIS, multiplexed") << "otu4-odu2-odu0" << 5 << "inserting ODU-AIS on ODU2" << "ODU2"
                                          << "ODU-AIS on ODU2, Continuous";
    QTest::newRow("LOR, multi-lane") << "otl4.4" << 5 << "inserting LOR on lane 1" << "Multi-Lane" << "";
    QTest::newRow("cHEC, GFP-F") << "otu4-oduflex-gfpf" << 6 << "inserting cHEC Uncorrectable continuously"
                                 << "ODUflex" << "";
    // A single level offers no level to choose: the page shows it as it opens.
    QTest::newRow("FEC, bulk") << "otu2-bulk" << 5 << "inserting Uncorrectable Sub-row continuously" << ""
                               << "";
    QTest::newRow("nothing more, bulk") << "otu2-bulk" << 6 << "" << "" << "";
}

void TestOtnStimuliWidgetOtn::insertionSamples()
{
    QFETCH(QString, structure);
    QFETCH(int, index);
    QFETCH(QString, sample);
    QFETCH(QString, level);
    QFETCH(QString, inserting);
    TesterFixture tester(TesterFixture::structureOptions(structure));
    OtnStimuliWidgetOtn panel(ClientInfo{1, tester.manager()});
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    QCOMPARE(panel.insertionSid(), nsSID::otnSid(1, INSERTION));
    QCOMPARE(panel.sampleStateNames().value(index), sample);
    if (sample.isEmpty()) {
        QVERIFY(!panel.stepToSampleState(index));
        QVERIFY(tester.settle());
        QCOMPARE(tester.cached(1, INSERTION)->getInt(), int(INSERTION_OFF));
        return;
    }
    QCOMPARE(panel.sampleStatePages(index), QList<int>{38});
    QCOMPARE(panel.sampleStatePageState(index), level);
    // Each step waits for the tester's answers: the settings, then the switch.
    bool reached = false;
    for (int step = 0; step < 4 && !reached; ++step) {
        reached = panel.stepToSampleState(index);
        QVERIFY(tester.settle());
    }
    QVERIFY(reached);
    QCOMPARE(tester.cached(1, INSERTION)->getInt(), int(INSERTION_ON));
    if (!inserting.isEmpty())
        QCOMPARE(panel.insertionText(), inserting);
}

QTEST_MAIN(TestOtnStimuliWidgetOtn)
#include "tst_otnstimuliwidgetotn.moc"
