#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "host/bindings/uihelper_label.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/intervalpoller.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/outputsignalsetupwidget.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/testerfixture.h"

using namespace PID::Otn;

class tst_OutputSignalSetupWidget : public QObject
{
    Q_OBJECT
private slots:
    void laserFollowsPortAndIsWritten();
    void measuredValuesShown();
};

void tst_OutputSignalSetupWidget::laserFollowsPortAndIsWritten()
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
    QVERIFY(!off->isChecked());

    widget.setPort(3);
    QVERIFY(off->isChecked());
    QVERIFY(!on->isChecked());
    on->click();
    QTRY_COMPARE(fixture.cached(3, TX::LASER)->getEnum(), 1);
    QTRY_VERIFY(on->isChecked());
    off->click();
    QTRY_COMPARE(fixture.cached(3, TX::LASER)->getEnum(), 0);
    QTRY_VERIFY(off->isChecked());
    // The first port keeps its own switch.
    QCOMPARE(fixture.cached(1, TX::LASER)->getEnum(), 1);
}

void tst_OutputSignalSetupWidget::measuredValuesShown()
{
    TesterFixture fixture;
    OutputSignalSetupWidget widget(fixture.manager(), 1);
    widget.show();
    auto *level = widget.findChild<QLabel *>("lblTxLevelValue");
    auto *wavelength = widget.findChild<QLabel *>("lblTxWavelengthValue");
    const int terminology = fixture.manager()->GetTerminology(1);
    QCOMPARE(level->text(), UiHelper_Label::formatValue(fixture.manager()->texts(),
                                                        *fixture.cached(1, PHYSICAL::TX_LEVEL), terminology, 0));
    QCOMPARE(wavelength->text(),
             UiHelper_Label::formatValue(fixture.manager()->texts(), *fixture.cached(1, PHYSICAL::TX_WAVELENGTH),
                                         terminology, 0));
    QVERIFY(!wavelength->text().isEmpty());

    // The level is measured anew each interval the host polls; the label goes with it.
    const QString initial = level->text();
    IntervalPoller poller(fixture.manager());
    poller.start(10);
    QTRY_VERIFY(level->text() != initial);
    QCOMPARE(level->text(), UiHelper_Label::formatValue(fixture.manager()->texts(),
                                                        *fixture.cached(1, PHYSICAL::TX_LEVEL), terminology, 0));
}

QTEST_MAIN(tst_OutputSignalSetupWidget)
#include "tst_outputsignalsetupwidget.moc"
