#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_number.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/clockconfigurationwidget.h"
#include "host/setupwidgets/setupwidgetids.h"
#include "host/texts/widgettext.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/simulatorfixture.h"

using namespace nsSetupWidgets;

class tst_ClockConfigurationWidget : public QObject
{
    Q_OBJECT
private slots:
    void showsTheServerValues_data();
    void showsTheServerValues();
    void offsetFollowsClockSource_data();
    void offsetFollowsClockSource();
    void offsetRuleFollowsServerChange();
    void sourceChoiceIsWritten();
    void followsPortChange();

private:
    static QComboBox *sourceCombo(QWidget *w) { return w->findChild<QComboBox *>("cmbClockSource"); }
    static QPushButton *offsetButton(QWidget *w) { return w->findChild<QPushButton *>("pbFrequencyOffset"); }
};

void tst_ClockConfigurationWidget::showsTheServerValues_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("source");
    QTest::addColumn<double>("offset");
    QTest::newRow("port 1, internal, positive offset") << 1 << clockSourceInternal << 12.5;
    QTest::newRow("port 2, recovered, negative offset") << 2 << 1 << -3.0;
}

void tst_ClockConfigurationWidget::showsTheServerValues()
{
    QFETCH(int, port);
    QFETCH(int, source);
    QFETCH(double, offset);
    SimulatorFixture fixture;
    QVERIFY(fixture.writeAndWait(port, clockSource, source));
    QVERIFY(fixture.writeAndWait(port, frequencyOffset, offset));

    ClockConfigurationWidget widget(fixture.manager(), port);
    widget.show();

    const int sid = SimulatorFixture::sid(port, clockSource);
    QCOMPARE(sourceCombo(&widget)->currentText(),
             WidgetText::instance()->getValueName(sid, source, fixture.manager()->GetTerminology(port)));
    QCOMPARE(offsetButton(&widget)->text(), UiHelper_Number::valueText(*fixture.cached(port, frequencyOffset)));
}

void tst_ClockConfigurationWidget::offsetFollowsClockSource_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("accessState");
    QTest::addColumn<bool>("offsetEnabled");
    QTest::newRow("internal clock") << clockSourceInternal << 0 << true;
    QTest::newRow("recovered clock") << 1 << 0 << false;
    QTest::newRow("external reference") << 2 << 0 << false;
    QTest::newRow("internal clock, restricted access") << clockSourceInternal << 1 << false;
}

void tst_ClockConfigurationWidget::offsetFollowsClockSource()
{
    QFETCH(int, source);
    QFETCH(int, accessState);
    QFETCH(bool, offsetEnabled);
    SimulatorFixture fixture;
    QVERIFY(fixture.writeAndWait(1, clockSource, source));
    fixture.manager()->setGUIAccessState(accessState);

    ClockConfigurationWidget widget(fixture.manager(), 1);
    widget.show();
    QCOMPARE(offsetButton(&widget)->isEnabled(), offsetEnabled);
}

void tst_ClockConfigurationWidget::offsetRuleFollowsServerChange()
{
    SimulatorFixture fixture;
    QVERIFY(fixture.writeAndWait(1, clockSource, clockSourceInternal));
    ClockConfigurationWidget widget(fixture.manager(), 1);
    widget.show();
    QVERIFY(offsetButton(&widget)->isEnabled());

    QVERIFY(fixture.link()->serverChange(SimulatorFixture::sid(1, clockSource), 2));
    QTRY_VERIFY(!offsetButton(&widget)->isEnabled());
    QVERIFY(fixture.link()->serverChange(SimulatorFixture::sid(1, clockSource), clockSourceInternal));
    QTRY_VERIFY(offsetButton(&widget)->isEnabled());
}

void tst_ClockConfigurationWidget::sourceChoiceIsWritten()
{
    SimulatorFixture fixture;
    QVERIFY(fixture.writeAndWait(1, clockSource, clockSourceInternal));
    ClockConfigurationWidget widget(fixture.manager(), 1);
    widget.show();

    const int sid = SimulatorFixture::sid(1, clockSource);
    const QString external = WidgetText::instance()->getValueName(sid, 2, fixture.manager()->GetTerminology(1));
    const int index = sourceCombo(&widget)->findText(external);
    QVERIFY2(index >= 0, qPrintable(external));
    sourceCombo(&widget)->setCurrentIndex(index);

    QTRY_COMPARE(fixture.cached(1, clockSource)->getEnum(), 2);
    QTRY_VERIFY(!offsetButton(&widget)->isEnabled());
}

void tst_ClockConfigurationWidget::followsPortChange()
{
    SimulatorFixture fixture;
    QVERIFY(fixture.writeAndWait(1, clockSource, 1));
    QVERIFY(fixture.writeAndWait(2, clockSource, clockSourceInternal));
    ClockConfigurationWidget widget(fixture.manager(), 1);
    widget.show();
    QVERIFY(!offsetButton(&widget)->isEnabled());

    widget.setPort(2);
    QCOMPARE(widget.port(), 2);
    const int sid2 = SimulatorFixture::sid(2, clockSource);
    const QString internal =
        WidgetText::instance()->getValueName(sid2, clockSourceInternal, fixture.manager()->GetTerminology(2));
    QCOMPARE(sourceCombo(&widget)->currentText(), internal);
    QVERIFY(offsetButton(&widget)->isEnabled());

    // Port 1 no longer reaches the widget.
    QVERIFY(fixture.link()->serverChange(SimulatorFixture::sid(1, clockSource), 2));
    QVERIFY(fixture.settle());
    QCOMPARE(fixture.cached(1, clockSource)->getEnum(), 2);
    QCOMPARE(sourceCombo(&widget)->currentText(), internal);
    QVERIFY(offsetButton(&widget)->isEnabled());
}

QTEST_MAIN(tst_ClockConfigurationWidget)
#include "tst_clockconfigurationwidget.moc"
