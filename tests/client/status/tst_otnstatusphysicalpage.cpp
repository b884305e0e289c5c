#include <memory>

#include <QLabel>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/otnsetuppagefactory.h"
#include "client/otn/interface_setup_status/pages/status/otnstatusphysicalpage.h"
#include "host/otn/otnpid.h"
#include "host/parameters/intervaldata.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/widgets/portstatusitem.h"
#include "tests/support/factorypage.h"

namespace {

double valueOf(const QWidget &page, const char *name)
{
    bool ok = false;
    const double value = labelText(page, name).toDouble(&ok);
    return ok ? value : qQNaN();
}

} // namespace

class tst_OtnStatusPhysicalPage : public QObject
{
    Q_OBJECT
private slots:
    void measuredValuesOnTheTester();
};

// The page on the simulated tester's loopback: names, units and values, a laser switched off and on, and a
// frequency offset seen in both directions.
void tst_OtnStatusPhysicalPage::measuredValuesOnTheTester()
{
    using namespace PID::Otn;
    TesterFixture tester(1);
    const auto page = shownFactoryPage<OtnStatusPhysicalPage>(tester, 37);
    QVERIFY(page);
    QCOMPARE(labelText(*page, "lblRx"), tester.manager()->texts().getUiText(4188, 0));
    QCOMPARE(labelText(*page, "lblTx"), tester.manager()->texts().getUiText(4187, 0));
    QCOMPARE(labelText(*page, "lblRxLevelUnit"), QStringLiteral("dBm"));
    QCOMPARE(labelText(*page, "lblTxFreqUnit"), QStringLiteral("Hz"));
    QCOMPARE(labelText(*page, "lblRxFreqDiffUnit"), QStringLiteral("ppm"));
    QCOMPARE(labelText(*page, "lblRxLevel"), tester.manager()->texts().getSidName(nsSID::otnSid(1, PHYSICAL::RX_LEVEL), 0));
    const double nominalLevel = valueOf(*page, "lblRxLevelValue");
    QCOMPARE(nominalLevel, tester.cached(1, PHYSICAL::RX_LEVEL)->getDouble());
    const double nominal = valueOf(*page, "lblTxFreqValue");
    QCOMPARE(nominal, tester.cached(1, PHYSICAL::TX_FREQUENCY)->getDouble());
    QVERIFY(nominal > 0);
    // One LED: the received level's.
    const QList<PortStatusItem *> leds = page->findChildren<PortStatusItem *>();
    QCOMPARE(leds.size(), 1);
    PortStatusItem *led = leds.first();
    QCOMPARE(led->parentWidget(), page->findChild<QLabel *>(QStringLiteral("lblRxLevelLed")));
    QCOMPARE(led->state(), PortStatusItem::Ok);

    QVERIFY(tester.writeAndWait(1, TX::LASER, 0));
    QCOMPARE(led->state(), PortStatusItem::Alarm);
    QVERIFY(valueOf(*page, "lblRxLevelValue") < nominalLevel - 20.0);
    QCOMPARE(valueOf(*page, "lblRxFreqValue"), 0.0);
    QVERIFY(tester.writeAndWait(1, TX::LASER, 1));
    QCOMPARE(led->state(), PortStatusItem::History);
    QCOMPARE(valueOf(*page, "lblRxLevelValue"), nominalLevel);
    QCOMPARE(valueOf(*page, "lblRxFreqValue"), nominal);

    QVERIFY(tester.writeAndWait(1, STIMULI::FREQUENCY_OFFSET, 15.0));
    QCOMPARE(valueOf(*page, "lblTxFreqDiff"), 15.0);
    QCOMPARE(valueOf(*page, "lblRxFreqDiff"), 15.0);
    QCOMPARE(valueOf(*page, "lblTxFreqValue"), std::round(nominal * (1.0 + 15e-6)));
    QCOMPARE(valueOf(*page, "lblRxFreqValue"), valueOf(*page, "lblTxFreqValue"));
    // Each new interval measures anew: the values stay near what the offset sets.
    tester.manager()->Interval_GetAndPost_Ex(1, nsSID::otn, currentIntervalSelector);
    QVERIFY(tester.settle());
    QVERIFY(qAbs(valueOf(*page, "lblTxFreqDiff") - 15.0) <= 0.5);
}

QTEST_MAIN(tst_OtnStatusPhysicalPage)
#include "tst_otnstatusphysicalpage.moc"
