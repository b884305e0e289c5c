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
    void showsTheMeasuredValuesWithTheirNamesAndUnits();
    void laserOffLosesTheSignalAndLeavesHistory();
    void frequencyOffsetMovesBothDirections();
};

void tst_OtnStatusPhysicalPage::showsTheMeasuredValuesWithTheirNamesAndUnits()
{
    TesterFixture tester(1);
    const auto page = shownFactoryPage<OtnStatusPhysicalPage>(tester, 37);
    QVERIFY(page);
    QCOMPARE(labelText(*page, "lblRx"), tester.manager()->texts().getUiText(4188, 0));
    QCOMPARE(labelText(*page, "lblTx"), tester.manager()->texts().getUiText(4187, 0));
    QCOMPARE(labelText(*page, "lblRxLevelUnit"), QStringLiteral("dBm"));
    QCOMPARE(labelText(*page, "lblTxFreqUnit"), QStringLiteral("Hz"));
    QCOMPARE(labelText(*page, "lblRxFreqDiffUnit"), QStringLiteral("ppm"));
    QCOMPARE(labelText(*page, "lblRxLevel"), tester.manager()->texts().getSidName(nsSID::otnSid(1, PID::Otn::PHYSICAL::RX_LEVEL), 0));
    QCOMPARE(valueOf(*page, "lblRxLevelValue"), tester.cached(1, PID::Otn::PHYSICAL::RX_LEVEL)->getDouble());
    QCOMPARE(valueOf(*page, "lblTxFreqValue"), tester.cached(1, PID::Otn::PHYSICAL::TX_FREQUENCY)->getDouble());
    // One LED: the received level's.
    const QList<PortStatusItem *> leds = page->findChildren<PortStatusItem *>();
    QCOMPARE(leds.size(), 1);
    QCOMPARE(leds.first()->parentWidget(), page->findChild<QLabel *>(QStringLiteral("lblRxLevelLed")));
    QCOMPARE(leds.first()->state(), PortStatusItem::Ok);
}

void tst_OtnStatusPhysicalPage::laserOffLosesTheSignalAndLeavesHistory()
{
    TesterFixture tester(1);
    const auto page = shownFactoryPage<OtnStatusPhysicalPage>(tester, 37);
    QVERIFY(page);
    PortStatusItem *led = page->findChild<PortStatusItem *>();
    QVERIFY(led);
    const double nominalLevel = valueOf(*page, "lblRxLevelValue");

    QVERIFY(tester.writeAndWait(1, PID::Otn::TX::LASER, 0));
    QCOMPARE(led->state(), PortStatusItem::Alarm);
    QVERIFY(valueOf(*page, "lblRxLevelValue") < nominalLevel - 20.0);
    QCOMPARE(valueOf(*page, "lblRxFreqValue"), 0.0);

    QVERIFY(tester.writeAndWait(1, PID::Otn::TX::LASER, 1));
    QCOMPARE(led->state(), PortStatusItem::History);
    QCOMPARE(valueOf(*page, "lblRxLevelValue"), nominalLevel);
    QCOMPARE(valueOf(*page, "lblRxFreqValue"), valueOf(*page, "lblTxFreqValue"));
}

void tst_OtnStatusPhysicalPage::frequencyOffsetMovesBothDirections()
{
    TesterFixture tester(1);
    const auto page = shownFactoryPage<OtnStatusPhysicalPage>(tester, 37);
    QVERIFY(page);
    const double nominal = valueOf(*page, "lblTxFreqValue");
    QVERIFY(nominal > 0);

    QVERIFY(tester.writeAndWait(1, PID::Otn::STIMULI::FREQUENCY_OFFSET, 15.0));
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
