#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include "host/bindings/uihelper_label.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/outputsignalsetupwidget.h"
#include "host/setupwidgets/setupwidgetids.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/simulatorfixture.h"

using namespace nsSetupWidgets;

class tst_OutputSignalSetupWidget : public QObject
{
    Q_OBJECT
private slots:
    void laserPressIsWritten_data();
    void laserPressIsWritten();
    void measuredValuesShown();
    void followsPortChange();
};

void tst_OutputSignalSetupWidget::laserPressIsWritten_data()
{
    QTest::addColumn<int>("initial");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("expected");
    QTest::addColumn<QString>("checkedBefore");
    QTest::newRow("switch off") << 1 << "pbLaserOff" << 0 << "pbLaserOn";
    QTest::newRow("switch on") << 0 << "pbLaserOn" << 1 << "pbLaserOff";
}

void tst_OutputSignalSetupWidget::laserPressIsWritten()
{
    QFETCH(int, initial);
    QFETCH(QString, button);
    QFETCH(int, expected);
    QFETCH(QString, checkedBefore);
    SimulatorFixture fixture;
    QVERIFY2(fixture.cached(2, laser), "the laser switch is missing from the catalogue");
    QVERIFY(fixture.writeAndWait(2, laser, initial));
    OutputSignalSetupWidget widget(fixture.manager(), 2);
    widget.show();
    QVERIFY(widget.findChild<QPushButton *>(checkedBefore)->isChecked());
    QVERIFY(!widget.findChild<QPushButton *>(button)->isChecked());

    widget.findChild<QPushButton *>(button)->click();
    QTRY_COMPARE(fixture.cached(2, laser)->getEnum(), expected);
    QTRY_VERIFY(widget.findChild<QPushButton *>(button)->isChecked());
    // The other port keeps its own switch.
    QCOMPARE(fixture.cached(1, laser)->getEnum(), 1);
}

void tst_OutputSignalSetupWidget::measuredValuesShown()
{
    SimulatorFixture fixture;
    OutputSignalSetupWidget widget(fixture.manager(), 1);
    widget.show();
    auto *level = widget.findChild<QLabel *>("lblTxLevelValue");
    auto *wavelength = widget.findChild<QLabel *>("lblTxWavelengthValue");
    const int terminology = fixture.manager()->GetTerminology(1);
    QCOMPARE(level->text(), UiHelper_Label::formatValue(*fixture.cached(1, txLevel), terminology, 0));
    QCOMPARE(wavelength->text(), UiHelper_Label::formatValue(*fixture.cached(1, txWavelength), terminology, 0));
    QVERIFY(!wavelength->text().isEmpty());

    // The measured level wanders; the label goes with it.
    const double initial = fixture.cached(1, txLevel)->getDouble();
    for (int step = 0; step < 50 && qFuzzyCompare(fixture.cached(1, txLevel)->getDouble(), initial); ++step) {
        fixture.link()->advance();
        QVERIFY(fixture.settle());
    }
    QVERIFY(!qFuzzyCompare(fixture.cached(1, txLevel)->getDouble(), initial));
    QCOMPARE(level->text(), UiHelper_Label::formatValue(*fixture.cached(1, txLevel), terminology, 0));
}

void tst_OutputSignalSetupWidget::followsPortChange()
{
    SimulatorFixture fixture;
    QVERIFY(fixture.writeAndWait(1, laser, 1));
    QVERIFY(fixture.writeAndWait(3, laser, 0));
    OutputSignalSetupWidget widget(fixture.manager(), 1);
    widget.show();
    QVERIFY(widget.findChild<QPushButton *>("pbLaserOn")->isChecked());

    widget.setPort(3);
    QVERIFY(widget.findChild<QPushButton *>("pbLaserOff")->isChecked());
    widget.findChild<QPushButton *>("pbLaserOn")->click();
    QTRY_COMPARE(fixture.cached(3, laser)->getEnum(), 1);
    QCOMPARE(fixture.cached(1, laser)->getEnum(), 1);
}

QTEST_MAIN(tst_OutputSignalSetupWidget)
#include "tst_outputsignalsetupwidget.moc"
