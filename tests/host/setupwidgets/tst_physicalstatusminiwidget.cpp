#include <QLabel>
#include <QtTest>

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_label.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/intervalpoller.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/physicalstatusminiwidget.h"
#include "host/widgets/portstatusitem.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/testerfixture.h"

using namespace PID::Otn;

class tst_PhysicalStatusMiniWidget : public QObject
{
    Q_OBJECT
private slots:
    void ledFollowsSignalState_data();
    void ledFollowsSignalState();
    void valuesLiveFromIntervalToInterval_data();
    void valuesLiveFromIntervalToInterval();
};

// The simulated receiver sees its own port's transmitter: port mode 0 (off) loses the signal. The
// group selects whose parameters the widget shows.
void tst_PhysicalStatusMiniWidget::ledFollowsSignalState_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QList<int>>("portModes");
    QTest::addColumn<int>("led");
    QTest::newRow("signal present") << nsSID::otn << QList<int>{} << int(PortStatusItem::Ok);
    QTest::newRow("signal lost") << nsSID::otn << QList<int>{0} << int(PortStatusItem::Alarm);
    QTest::newRow("signal back after a loss") << nsSID::otn << QList<int>{0, 1} << int(PortStatusItem::History);
    QTest::newRow("a group without these parameters") << 0x050000 << QList<int>{0} << int(PortStatusItem::Off);
}

void tst_PhysicalStatusMiniWidget::ledFollowsSignalState()
{
    QFETCH(int, group);
    QFETCH(QList<int>, portModes);
    QFETCH(int, led);
    TesterFixture fixture;
    PhysicalStatusMiniWidget widget(fixture.manager(), 2, group);
    QCOMPARE(widget.group(), group);
    widget.show();
    for (int mode : portModes)
        QVERIFY(fixture.writeAndWait(2, TX::PORT_MODE, mode));
    QTRY_COMPARE(int(widget.led()->state()), led);
}

void tst_PhysicalStatusMiniWidget::valuesLiveFromIntervalToInterval_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("valueLabel");
    QTest::newRow("level") << PHYSICAL::RX_LEVEL << "lblLevelValue";
    QTest::newRow("frequency") << PHYSICAL::RX_FREQUENCY << "lblFrequencyValue";
}

// The values are the current interval's: they move when the host's poller asks for a new interval, and
// only a shown widget has the poller ask.
void tst_PhysicalStatusMiniWidget::valuesLiveFromIntervalToInterval()
{
    QFETCH(int, id);
    QFETCH(QString, valueLabel);
    TesterFixture fixture;
    PhysicalStatusMiniWidget widget(fixture.manager(), 2, nsSID::otn);
    IntervalPoller poller(fixture.manager());
    QCOMPARE(poller.poll(), 0);
    widget.show();
    QCOMPARE(fixture.manager()->intervalRequests(), (QList<IntervalRequest>{{2, nsSID::otn, currentIntervalSelector}}));

    auto *label = widget.findChild<QLabel *>(valueLabel);
    const QString first = label->text();
    poller.start(10);
    QTRY_VERIFY(label->text() != first);
    const int terminology = fixture.manager()->GetTerminology(2);
    QCOMPARE(label->text(),
             UiHelper_Label::formatValue(fixture.manager()->texts(), *fixture.cached(2, id), terminology, 0));
    widget.hide();
    QCOMPARE(poller.poll(), 0);
}

QTEST_MAIN(tst_PhysicalStatusMiniWidget)
#include "tst_physicalstatusminiwidget.moc"
