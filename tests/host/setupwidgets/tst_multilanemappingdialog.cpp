#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

#include "apps/shared/sid.h"
#include "host/otn/otnmapping.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/server/zelservermanager.h"
#include "host/setupwidgets/multilanemappingdialog.h"
#include "host/setupwidgets/multilanemappingdialogmodel.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testerfixture.h"

namespace {
constexpr int interfaceSignal = 11008;
constexpr int firstLaneId = PID::Otn::TX::FIRST_LANE_MAPPING;
constexpr int laneCountId = PID::Otn::TX::LANE_COUNT;
constexpr int lanePort = 1;     // a port with a multi-lane module
constexpr int plainPort = 3;    // a port with a single-lane module

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

QPushButton *okButton(QDialog *dialog)
{
    return dialog->findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Ok);
}
} // namespace

class tst_MultiLaneMappingDialog : public QObject
{
    Q_OBJECT
private slots:
    void layoutByMode_data();
    void layoutByMode();
    void editIsSentOnOkOnly();
    void cancelDropsTheEdit();
    void defaultRestoresIdentity();
};

void tst_MultiLaneMappingDialog::layoutByMode_data()
{
    QTest::addColumn<int>("lanes");
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("rowSpan");
    QTest::addColumn<int>("lastPhysical");
    QTest::newRow("4 lanes, mode 0") << 4 << 0 << 1 << 3;
    QTest::newRow("20 lanes, mode 2") << 20 << 2 << 5 << 3;
}

void tst_MultiLaneMappingDialog::layoutByMode()
{
    QFETCH(int, lanes);
    QFETCH(int, mode);
    QFETCH(int, rowSpan);
    QFETCH(int, lastPhysical);
    TesterFixture fixture(laneOptions());
    QVERIFY2(configureLanes(fixture, lanePort, lanes), "no interface with that many logical lanes");

    auto *model = new MultiLaneMappingDialogModel(laneIds(lanes), laneCountId);
    MultiLaneMappingDialog dialog(nullptr, fixture.manager(), lanePort, nsSID::otn, model, mode);
    QCOMPARE(dialog.model(), model);
    QCOMPARE(model->parent(), static_cast<QObject *>(&dialog));
    QCOMPARE(dialog.mode(), mode);
    QCOMPARE(model->rowCount(), lanes);
    QCOMPARE(model->physicalLaneOf(lanes - 1), lastPhysical);
    auto *table = dialog.findChild<QTableView *>("tvLanes");
    QCOMPARE(table->model(), model);
    QCOMPARE(table->rowSpan(0, MultiLaneMappingDialogModel::ColumnPhysical), rowSpan);
    // Shown, every column title fits its column.
    dialog.show();
    QCoreApplication::processEvents();
    const QHeaderView *titles = table->horizontalHeader();
    const int margins = 2 * titles->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, titles);
    for (int column = 0; column < model->columnCount(); ++column) {
        const QString title = model->headerData(column, Qt::Horizontal).toString();
        QVERIFY2(titles->fontMetrics().horizontalAdvance(title) + margins <= titles->sectionSize(column),
                 qPrintable(title));
    }

    // The server's identity mapping arrives at once and may be confirmed.
    QVector<int> identity;
    QVector<int> shown;
    for (int i = 0; i < lanes; ++i) {
        identity.append(i);
        shown.append(model->logicalLane(i));
    }
    QCOMPARE(serverLanes(fixture, lanePort, lanes), identity);
    QCOMPARE(shown, identity);
    QVERIFY(model->isComplete());
    QVERIFY(okButton(&dialog)->isEnabled());
    QCOMPARE(dialog.findChild<QLabel *>("lblLaneCountValue")->text().toInt(), lanes);
}

void tst_MultiLaneMappingDialog::editIsSentOnOkOnly()
{
    TesterFixture fixture(laneOptions());
    QVERIFY(configureLanes(fixture, lanePort, 20));
    const int requestsBefore = fixture.link()->writeRequests();

    MultiLaneMappingDialog dialog(nullptr, fixture.manager(), lanePort, nsSID::otn,
                                  new MultiLaneMappingDialogModel(laneIds(20), laneCountId), 2);
    QVERIFY(dialog.model()->assignLogicalLane(0, 7));
    QVERIFY(fixture.settle());
    QCOMPARE(fixture.link()->writeRequests(), requestsBefore);
    QCOMPARE(fixture.cached(lanePort, firstLaneId)->getInt(), 0);
    // The pending choice stays on screen.
    QCOMPARE(dialog.model()->logicalLane(0), 7);
    QCOMPARE(dialog.model()->logicalLane(7), 0);

    okButton(&dialog)->click();
    QVERIFY(fixture.settle());
    QCOMPARE(fixture.link()->writeRequests(), requestsBefore + 1);
    QCOMPARE(fixture.cached(lanePort, firstLaneId)->getInt(), 7);
    QCOMPARE(fixture.cached(lanePort, firstLaneId + 7)->getInt(), 0);
    QCOMPARE(fixture.cached(lanePort, firstLaneId + 1)->getInt(), 1);
}

void tst_MultiLaneMappingDialog::cancelDropsTheEdit()
{
    TesterFixture fixture(laneOptions());
    QVERIFY(configureLanes(fixture, lanePort, 4));
    const int requestsBefore = fixture.link()->writeRequests();

    MultiLaneMappingDialog dialog(nullptr, fixture.manager(), lanePort, nsSID::otn,
                                  new MultiLaneMappingDialogModel(laneIds(4), laneCountId), 0);
    QVERIFY(dialog.model()->assignLogicalLane(3, 0));
    dialog.findChild<QDialogButtonBox *>("buttonBox")->button(QDialogButtonBox::Cancel)->click();
    QVERIFY(fixture.settle());

    QCOMPARE(fixture.link()->writeRequests(), requestsBefore);
    QCOMPARE(serverLanes(fixture, lanePort, 4), (QVector<int>{0, 1, 2, 3}));
    QCOMPARE(dialog.model()->logicalLane(3), 3);
    QCOMPARE(dialog.model()->logicalLane(0), 0);
}

void tst_MultiLaneMappingDialog::defaultRestoresIdentity()
{
    TesterFixture fixture(laneOptions());
    QVERIFY(configureLanes(fixture, lanePort, 4));
    QVERIFY(fixture.writeAndWait(lanePort, firstLaneId, 2));
    QVERIFY(fixture.writeAndWait(lanePort, firstLaneId + 2, 0));

    MultiLaneMappingDialog dialog(nullptr, fixture.manager(), lanePort, nsSID::otn,
                                  new MultiLaneMappingDialogModel(laneIds(4), laneCountId), 0);
    QCOMPARE(dialog.model()->logicalLane(0), 2);
    dialog.findChild<QPushButton *>("pbDefault")->click();
    okButton(&dialog)->click();
    QVERIFY(fixture.settle());
    QCOMPARE(serverLanes(fixture, lanePort, 4), (QVector<int>{0, 1, 2, 3}));
}

QTEST_MAIN(tst_MultiLaneMappingDialog)
#include "tst_multilanemappingdialog.moc"
