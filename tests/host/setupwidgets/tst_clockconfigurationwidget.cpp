#include <QComboBox>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "host/bindings/uihelper_number.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/clockconfigurationwidget.h"
#include "host/setupwidgets/setupwidgetids.h"
#include "host/texts/widgettext.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/testerfixture.h"

using namespace nsSetupWidgets;
using namespace PID::Otn;

class tst_ClockConfigurationWidget : public QObject
{
    Q_OBJECT
private slots:
    void showsServerValues_data();
    void showsServerValues();
    void sourceChoiceIsWrittenAndRulesTheOffset();

private:
    static QComboBox *sourceCombo(QWidget *w) { return w->findChild<QComboBox *>("cmbClockSource"); }
    static QPushButton *offsetButton(QWidget *w) { return w->findChild<QPushButton *>("pbFrequencyOffset"); }
};

// The offset applies to the tester's own clock only, and only with full access.
void tst_ClockConfigurationWidget::showsServerValues_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("source");
    QTest::addColumn<double>("offset");
    QTest::addColumn<int>("accessState");
    QTest::addColumn<bool>("offsetEnabled");
    QTest::newRow("port 1, internal clock, positive offset") << 1 << clockSourceInternal << 12.5 << 0 << true;
    QTest::newRow("port 2, recovered clock, negative offset") << 2 << 1 << -3.0 << 0 << false;
    QTest::newRow("external reference") << 1 << 2 << 0.0 << 0 << false;
    QTest::newRow("internal clock, restricted access") << 1 << clockSourceInternal << 1.0 << 1 << false;
}

void tst_ClockConfigurationWidget::showsServerValues()
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

void tst_ClockConfigurationWidget::sourceChoiceIsWrittenAndRulesTheOffset()
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

QTEST_MAIN(tst_ClockConfigurationWidget)
#include "tst_clockconfigurationwidget.moc"
