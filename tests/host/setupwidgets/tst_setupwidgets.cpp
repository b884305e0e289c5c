#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_label.h"
#include "host/bindings/uihelper_number.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/intervalpoller.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/bulkdialog.h"
#include "host/setupwidgets/clockconfigurationwidget.h"
#include "host/setupwidgets/outputsignalsetupwidget.h"
#include "host/setupwidgets/physicalstatusminiwidget.h"
#include "host/setupwidgets/setupwidgetids.h"
#include "host/texts/widgettext.h"
#include "host/widgets/portstatusitem.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testerfixture.h"

using namespace nsSetupWidgets;
using namespace PID::Otn;

namespace {
QPushButton *boxButton(QDialog *dialog, QDialogButtonBox::StandardButton which)
{
    return dialog->findChild<QDialogButtonBox *>("buttonBox")->button(which);
}

// Tx and Rx set apart, so that a dialog bound to the wrong direction shows.
bool prepare(TesterFixture &fixture, int port)
{
    return fixture.writeAndWait(port, TX::BULK_PATTERN, 2) && fixture.writeAndWait(port, TX::BULK_POLARITY, 1)
           && fixture.writeAndWait(port, RX::BULK_PATTERN, 4) && fixture.writeAndWait(port, RX::BULK_POLARITY, 0);
}

QComboBox *sourceCombo(QWidget *w)
{
    return w->findChild<QComboBox *>("cmbClockSource");
}

QPushButton *offsetButton(QWidget *w)
{
    return w->findChild<QPushButton *>("pbFrequencyOffset");
}
} // namespace

// The setup widgets of host/setupwidgets on the simulated tester.
class tst_SetupWidgets : public QObject
{
    Q_OBJECT
private slots:
    void clockShowsServerValues_data();
    void clockShowsServerValues();
    void sourceChoiceIsWrittenAndRulesTheOffset();
    void laserFollowsPortAndIsWritten();
    void ledFollowsSignalState_data();
    void ledFollowsSignalState();
    void miniValuesLiveFromIntervalToInterval();
    void bulkShowsAndSendsTheSelectedDirection_data();
    void bulkShowsAndSendsTheSelectedDirection();
    void bulkUnknownSelectIsReported();
};

// The offset applies to the tester's own clock only, and only with full access.
void tst_SetupWidgets::clockShowsServerValues_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("source");
    QTest::addColumn<double>("offset");
    QTest::addColumn<int>("accessState");
    QTest::addColumn<bool>("offsetEnabled");
    QTest::newRow("port 1, internal clock, positive offset") << 1 << clockSourceInternal << 12.5 << 0 << true;
    QTest::newRow("port 2, recovered clock, negative offset") << 2 << 1 << -3.0 << 0 << false;
    QTest::newRow("internal clock, restricted access") << 1 << clockSourceInternal << 1.0 << 1 << false;
}

void tst_SetupWidgets::clockShowsServerValues()
{
    QFETCH(int, port);
    QFETCH(int, source);
    QFETCH(double, offset);
    QFETCH(int, accessState);
    QFETCH(bool, offsetEnabled);
    TesterFixture fixture;
    QVERIFY(fixture.writeAndWait(port, TX::CLOCK_SOURCE, source));
    QVERIFY(fixture.writeAndWait(port, STIMULI::FREQUENCY_OFFSET, offset));
    fixture.manager()->setGUIAccessState(accessState);

    ClockConfigurationWidget widget(fixture.manager(), port);
    widget.show();
    const int sid = nsSID::otnSid(port, TX::CLOCK_SOURCE);
    QCOMPARE(sourceCombo(&widget)->currentText(),
             fixture.manager()->texts().getValueName(sid, source, fixture.manager()->GetTerminology(port)));
    QCOMPARE(offsetButton(&widget)->text(),
             UiHelper_Number::valueText(*fixture.cached(port, STIMULI::FREQUENCY_OFFSET)));
    QCOMPARE(offsetButton(&widget)->isEnabled(), offsetEnabled);
}

void tst_SetupWidgets::sourceChoiceIsWrittenAndRulesTheOffset()
{
    TesterFixture fixture;
    QVERIFY(fixture.writeAndWait(1, TX::CLOCK_SOURCE, clockSourceInternal));
    ClockConfigurationWidget widget(fixture.manager(), 1);
    widget.show();
    QVERIFY(offsetButton(&widget)->isEnabled());

    const int sid = nsSID::otnSid(1, TX::CLOCK_SOURCE);
    const QString external = fixture.manager()->texts().getValueName(sid, 2, fixture.manager()->GetTerminology(1));
    const int index = sourceCombo(&widget)->findText(external);
    QVERIFY2(index >= 0, qPrintable(external));
    sourceCombo(&widget)->setCurrentIndex(index);
    QTRY_COMPARE(fixture.cached(1, TX::CLOCK_SOURCE)->getEnum(), 2);
    QTRY_VERIFY(!offsetButton(&widget)->isEnabled());

    // A change made on the tester itself rules the offset as well.
    QVERIFY(fixture.link()->serverChange(sid, clockSourceInternal));
    QTRY_VERIFY(offsetButton(&widget)->isEnabled());
    QCOMPARE(sourceCombo(&widget)->currentText(),
             fixture.manager()->texts().getValueName(sid, clockSourceInternal, fixture.manager()->GetTerminology(1)));
}

void tst_SetupWidgets::laserFollowsPortAndIsWritten()
{
    TesterFixture fixture;
    QVERIFY2(fixture.cached(1, TX::LASER), "the TX::LASER switch is missing from the catalogue");
    QVERIFY(fixture.writeAndWait(1, TX::LASER, 1));
    QVERIFY(fixture.writeAndWait(3, TX::LASER, 0));
    OutputSignalSetupWidget widget(fixture.manager(), 1);
    widget.show();
    auto *on = widget.findChild<QPushButton *>("pbLaserOn");
    auto *off = widget.findChild<QPushButton *>("pbLaserOff");
    QVERIFY(on->isChecked());

    widget.setPort(3);
    QVERIFY(off->isChecked());
    on->click();
    QTRY_COMPARE(fixture.cached(3, TX::LASER)->getEnum(), 1);
    QTRY_VERIFY(on->isChecked() && !off->isChecked());
    // The first port keeps its own switch.
    QCOMPARE(fixture.cached(1, TX::LASER)->getEnum(), 1);
}

// The simulated receiver sees its own port's transmitter: port mode 0 (off) loses the signal. The
// group selects whose parameters the widget shows.
void tst_SetupWidgets::ledFollowsSignalState_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<QList<int>>("portModes");
    QTest::addColumn<int>("led");
    QTest::newRow("signal present") << nsSID::otn << QList<int>{} << int(PortStatusItem::Ok);
    QTest::newRow("signal lost") << nsSID::otn << QList<int>{0} << int(PortStatusItem::Alarm);
    QTest::newRow("signal back after a loss") << nsSID::otn << QList<int>{0, 1} << int(PortStatusItem::History);
    QTest::newRow("a group without these parameters") << 0x050000 << QList<int>{0} << int(PortStatusItem::Off);
}

void tst_SetupWidgets::ledFollowsSignalState()
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

// The values are the current interval's: they move when the host's poller asks for a new interval, and
// only a shown widget has the poller ask.
void tst_SetupWidgets::miniValuesLiveFromIntervalToInterval()
{
    TesterFixture fixture;
    PhysicalStatusMiniWidget widget(fixture.manager(), 2, nsSID::otn);
    IntervalPoller poller(fixture.manager());
    QCOMPARE(poller.poll(), 0);
    widget.show();
    QCOMPARE(fixture.manager()->intervalRequests(), (QList<IntervalRequest>{{2, nsSID::otn, currentIntervalSelector}}));

    auto *label = widget.findChild<QLabel *>("lblLevelValue");
    const QString first = label->text();
    poller.start(10);
    QTRY_VERIFY(label->text() != first);
    const int terminology = fixture.manager()->GetTerminology(2);
    QCOMPARE(label->text(),
             UiHelper_Label::formatValue(fixture.manager()->texts(), *fixture.cached(2, PHYSICAL::RX_LEVEL), terminology, 0));
    widget.hide();
    QCOMPARE(poller.poll(), 0);
}

void tst_SetupWidgets::bulkShowsAndSendsTheSelectedDirection_data()
{
    QTest::addColumn<int>("select");
    QTest::addColumn<int>("patternId");
    QTest::addColumn<int>("polarityId");
    QTest::addColumn<int>("pattern");
    QTest::addColumn<QString>("checkedPolarity");
    QTest::addColumn<QString>("otherPolarity");
    QTest::newRow("transmitter") << int(bulkSelectTx) << TX::BULK_PATTERN << TX::BULK_POLARITY << 2 << "rbInverted"
                                 << "rbNormal";
    QTest::newRow("receiver") << int(bulkSelectRx) << RX::BULK_PATTERN << RX::BULK_POLARITY << 4 << "rbNormal"
                              << "rbInverted";
}

// Edits stay in the dialog until OK sends them in one request.
void tst_SetupWidgets::bulkShowsAndSendsTheSelectedDirection()
{
    QFETCH(int, select);
    QFETCH(int, patternId);
    QFETCH(int, polarityId);
    QFETCH(int, pattern);
    QFETCH(QString, checkedPolarity);
    QFETCH(QString, otherPolarity);
    TesterFixture fixture;
    QVERIFY(prepare(fixture, 2));
    const int requestsBefore = fixture.link()->writeRequests();
    const int terminology = fixture.manager()->GetTerminology(2);
    const int sid = nsSID::otnSid(2, patternId);

    BulkDialog dialog(nullptr, fixture.manager(), 2, select);
    QCOMPARE(dialog.select(), select);
    QCOMPARE(dialog.port(), 2);
    auto *combo = dialog.findChild<QComboBox *>("cmbPatternType");
    QCOMPARE(combo->currentText(), fixture.manager()->texts().getValueName(sid, pattern, terminology));
    QVERIFY(dialog.findChild<QRadioButton *>(checkedPolarity)->isChecked());

    // The other direction's pattern, so that a dialog bound to the wrong direction shows.
    const int otherPattern = select == bulkSelectTx ? 4 : 2;
    const int index = combo->findText(fixture.manager()->texts().getValueName(sid, otherPattern, terminology));
    QVERIFY(index >= 0);
    combo->setCurrentIndex(index);
    dialog.findChild<QRadioButton *>(otherPolarity)->click();
    QVERIFY(fixture.settle());
    QCOMPARE(fixture.link()->writeRequests(), requestsBefore);

    boxButton(&dialog, QDialogButtonBox::Ok)->click();
    QVERIFY(fixture.settle());
    QCOMPARE(fixture.link()->writeRequests(), requestsBefore + 1);
    QCOMPARE(fixture.cached(2, patternId)->getEnum(), otherPattern);
    QCOMPARE(fixture.cached(2, polarityId)->getEnum(), otherPolarity == QLatin1String("rbInverted") ? 1 : 0);
}

void tst_SetupWidgets::bulkUnknownSelectIsReported()
{
    TesterFixture fixture;
    DiagnosticsRecorder recorder;
    BulkDialog dialog(nullptr, fixture.manager(), 1, 3);
    QCOMPARE(recorder.linesStartingWith(QStringLiteral("ZEL_ASSERT_MSG: ")).size(), 1);
    QVERIFY(!dialog.findChild<QGroupBox *>("gbPattern")->isEnabled());
    QVERIFY(!boxButton(&dialog, QDialogButtonBox::Ok)->isEnabled());
    QCOMPARE(dialog.findChild<QComboBox *>("cmbPatternType")->count(), 0);
}

QTEST_MAIN(tst_SetupWidgets)
#include "tst_setupwidgets.moc"
