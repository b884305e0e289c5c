#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "apps/shared/sid.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/multilanemappingdialog.h"
#include "host/setupwidgets/multilanemappingdialogmodel.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/testerfixture.h"

namespace {
constexpr int interfaceSignal = 11008;
constexpr int firstLaneId = PID::Otn::TX::FIRST_LANE_MAPPING;
constexpr int laneCountId = PID::Otn::TX::LANE_COUNT;
constexpr int lanePort = 1;     // a port with a multi-lane module
constexpr int undefinedLane = MultiLaneMappingDialogModel::undefinedLane;

SimulatorOptions laneOptions()
{
    SimulatorOptions options = TesterFixture::testOptions();
    options.moduleTypes = {4, 4, 0, 0};
    return options;
}

QList<int> laneIds(int count)
{
    return MultiLaneMappingDialogModel::consecutiveIds(firstLaneId, count);
}

// Sets the port's interface to one with the given number of logical lanes; false when none is offered.
bool configureLanes(TesterFixture &fixture, int port, int lanes)
{
    const auto *parameter = dynamic_cast<const QcmaParameterEnum *>(fixture.cached(port, interfaceSignal));
    if (!parameter)
        return false;
    for (int value : parameter->activeEnums()) {
        if (OtnMapping::numOfLldLane(value) == lanes)
            return fixture.writeAndWait(port, interfaceSignal, value);
    }
    return false;
}

QVector<int> serverLanes(const TesterFixture &fixture, int port, int count)
{
    QVector<int> lanes;
    for (int i = 0; i < count; ++i)
        lanes.append(fixture.cached(port, firstLaneId + i)->getInt());
    return lanes;
}
} // namespace

class tst_MultiLaneMappingDialog : public QObject
{
    Q_OBJECT
private slots:
    void closing_data();
    void closing();
    void modelEdits_data();
    void modelEdits();
};

// The dialog opens on the server's mapping, five logical lanes a physical one in mode 2. An edit waits on
// screen and goes out with OK alone; Cancel drops it; Default restores the plain order.
void tst_MultiLaneMappingDialog::closing_data()
{
    QTest::addColumn<int>("lanes");
    QTest::addColumn<QString>("action");
    QTest::addColumn<QVector<int>>("sent");   // the server's first three lanes afterwards
    QTest::newRow("OK sends the swap") << 20 << "ok" << QVector<int>{7, 1, 2};
    QTest::newRow("Cancel drops it") << 4 << "cancel" << QVector<int>{0, 1, 2};
    QTest::newRow("Default restores identity") << 4 << "default" << QVector<int>{0, 1, 2};
}

void tst_MultiLaneMappingDialog::closing()
{
    QFETCH(int, lanes);
    QFETCH(QString, action);
    QFETCH(QVector<int>, sent);
    TesterFixture fixture(laneOptions());
    QVERIFY(configureLanes(fixture, lanePort, lanes));
    if (action == QLatin1String("default"))
        QVERIFY(fixture.writeAndWait(lanePort, firstLaneId, 2) && fixture.writeAndWait(lanePort, firstLaneId + 2, 0));
    const int requestsBefore = fixture.link()->writeRequests();

    MultiLaneMappingDialog dialog(nullptr, fixture.manager(), lanePort, nsSID::otn,
                                  new MultiLaneMappingDialogModel(laneIds(lanes), laneCountId), lanes > 4 ? 2 : 0);
    QCOMPARE(dialog.model()->rowCount(), lanes);
    QCOMPARE(dialog.model()->physicalLaneOf(lanes - 1), 3);
    QCOMPARE(dialog.findChild<QLabel *>("lblLaneCountValue")->text().toInt(), lanes);
    if (action == QLatin1String("default")) {
        QCOMPARE(dialog.model()->logicalLane(0), 2);
        dialog.findChild<QPushButton *>("pbDefault")->click();
    } else {
        QVERIFY(dialog.model()->assignLogicalLane(0, 7 % lanes));
        QVERIFY(fixture.settle());
        QCOMPARE(fixture.link()->writeRequests(), requestsBefore);
        // The pending choice stays on screen.
        QCOMPARE(dialog.model()->logicalLane(7 % lanes), 0);
    }
    const auto which = action == QLatin1String("cancel") ? QDialogButtonBox::Cancel : QDialogButtonBox::Ok;
    dialog.findChild<QDialogButtonBox *>("buttonBox")->button(which)->click();
    QVERIFY(fixture.settle());
    QCOMPARE(fixture.link()->writeRequests(), requestsBefore + (action == QLatin1String("cancel") ? 0 : 1));
    QCOMPARE(serverLanes(fixture, lanePort, 3), sent);
    if (lanes > 7)
        QCOMPARE(fixture.cached(lanePort, firstLaneId + 7)->getInt(), 0);
    QCOMPARE(dialog.model()->logicalLane(0), sent.first());
}

// A user's edit swaps lanes, so that every logical lane stays carried once. Only what the user changes
// is reported as an edit.
void tst_MultiLaneMappingDialog::modelEdits_data()
{
    QTest::addColumn<QVector<int>>("initial");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("lane");
    QTest::addColumn<bool>("changed");
    QTest::addColumn<QVector<int>>("expected");
    QTest::addColumn<QStringList>("edits");
    const QVector<int> plain{0, 1, 2, 3};
    QTest::newRow("swap first and third") << plain << 0 << 2 << true << QVector<int>{2, 1, 0, 3}
                                          << QStringList{"0:2", "2:0"};
    QTest::newRow("same lane changes nothing") << plain << 1 << 1 << false << plain << QStringList{};
    QTest::newRow("a lane nobody carries is taken alone")
        << QVector<int>{0, 0, 2, 3} << 1 << 1 << true << plain << QStringList{"1:1"};
    QTest::newRow("lane beyond the count refused") << plain << 0 << 4 << false << plain << QStringList{};
    QTest::newRow("undefined position refused")
        << QVector<int>{0, undefinedLane, 2, 3} << 1 << 0 << false << QVector<int>{0, undefinedLane, 2, 3}
        << QStringList{};
}

void tst_MultiLaneMappingDialog::modelEdits()
{
    QFETCH(QVector<int>, initial);
    QFETCH(int, row);
    QFETCH(int, lane);
    QFETCH(bool, changed);
    QFETCH(QVector<int>, expected);
    QFETCH(QStringList, edits);
    MultiLaneMappingDialogModel model(laneIds(initial.size()), laneCountId);
    for (int r = 0; r < initial.size(); ++r)
        model.setLogicalLane(r, initial.at(r));
    QSignalSpy spy(&model, &MultiLaneMappingDialogModel::laneEdited);

    QCOMPARE(model.assignLogicalLane(row, lane), changed);
    QVector<int> lanes;
    for (int r = 0; r < model.laneCount(); ++r)
        lanes.append(model.logicalLane(r));
    QCOMPARE(lanes, expected);
    QStringList seen;
    for (const QList<QVariant> &args : spy)
        seen.append(QStringLiteral("%1:%2").arg(args.at(0).toInt()).arg(args.at(1).toInt()));
    QCOMPARE(seen, edits);
}

QTEST_MAIN(tst_MultiLaneMappingDialog)
#include "tst_multilanemappingdialog.moc"
