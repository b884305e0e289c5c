#include <QGridLayout>
#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/stimuli/otnstimuliwidgetllderror.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/widgets/multilanewidget.h"
#include "tests/support/testerfixture.h"
#include "visiblecontrols.h"

using namespace PID::Otn::STIMULI;

class TestOtnStimuliWidgetLldError : public QObject
{
    Q_OBJECT

private slots:
    void settingsFollowTypeAndInsertion_data();
    void settingsFollowTypeAndInsertion();
    void lanesFollowTheApplication_data();
    void lanesFollowTheApplication();
};

void TestOtnStimuliWidgetLldError::settingsFollowTypeAndInsertion_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("insertion");
    QTest::addColumn<QStringList>("extra");
    const QStringList inserting{"cmbErrorInsertion", "lblErrorInsertion", "lblLldErrorLane"};
    const QStringList alarm = inserting + QStringList{"cmbAlarmDestination", "lblAlarmDestination"};
    const QStringList error = inserting + QStringList{"cmbErrorDestination", "lblErrorDestination"};
    QTest::newRow("none: the type selector alone") << 0 << 0 << QStringList();
    QTest::newRow("alarm, burst") << 1 << 0 << alarm + QStringList{"lblErrorBurst", "pbErrorBurst"};
    QTest::newRow("error, alternate")
        << 2 << 1 << error + QStringList{"lblErrorFrame", "lblNormalFrame", "pbErrorFrame", "pbNormalFrame"};
    QTest::newRow("error, continuous") << 2 << 2 << error;
    QTest::newRow("alarm, an insertion of a newer tester") << 1 << 5 << alarm;
}

void TestOtnStimuliWidgetLldError::settingsFollowTypeAndInsertion()
{
    QFETCH(int, type);
    QFETCH(int, insertion);
    QFETCH(QStringList, extra);
    TesterFixture tester;
    OtnStimuliWidgetLldError panel(ClientInfo{1, tester.manager()});
    // The insertion first: the page it picks must hold when the type shows the insertion settings.
    panel.qcmaParameterChanged(QcmaParameterEnum(nsSID::otnSid(1, LLD_INSERTION), insertion, 0, 5));
    panel.qcmaParameterChanged(QcmaParameterEnum(nsSID::otnSid(1, LLD_TYPE), type, 0, 2));
    QStringList expected = QStringList{"cmbType", "lblType"} + extra;
    expected.sort();
    QCOMPARE(visibleControls(&panel), expected);
}

void TestOtnStimuliWidgetLldError::lanesFollowTheApplication_data()
{
    QTest::addColumn<int>("application");
    QTest::addColumn<QString>("firstText");
    QTest::addColumn<int>("perRow");
    QTest::newRow("numbered lanes") << 0 << "1" << 5;
    // Bare toggles take half the room: ten to a row.
    QTest::newRow("application without lane numbers") << 0x1000 << "" << 10;
    QTest::newRow("with other application bits") << 0x3001 << "" << 10;
    QTest::newRow("bit 0x1000 clear among others") << 0xefff << "1" << 5;
}

void TestOtnStimuliWidgetLldError::lanesFollowTheApplication()
{
    QFETCH(int, application);
    QFETCH(QString, firstText);
    QFETCH(int, perRow);
    // OTL4.4: twenty logical lanes.
    SimulatorOptions options = TesterFixture::structureOptions(QStringLiteral("otl4.4"));
    options.applicationType = application;
    TesterFixture tester(options);
    OtnStimuliWidgetLldError panel(ClientInfo{1, tester.manager()});
    panel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&panel));
    const auto *lanes = panel.findChild<MultiLaneWidget *>();
    QVERIFY(lanes);
    QCOMPARE(lanes->laneCount(), 20);
    QCOMPARE(lanes->laneButton(0)->text(), firstText);
    const auto *grid = qobject_cast<QGridLayout *>(lanes->layout());
    int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
    grid->getItemPosition(grid->indexOf(lanes->laneButton(perRow - 1)), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(row, 0);
    grid->getItemPosition(grid->indexOf(lanes->laneButton(perRow)), &row, &column, &rowSpan, &columnSpan);
    QCOMPARE(row, 1);
    QCOMPARE(column, 0);
}

QTEST_MAIN(TestOtnStimuliWidgetLldError)
#include "tst_otnstimuliwidgetllderror.moc"
