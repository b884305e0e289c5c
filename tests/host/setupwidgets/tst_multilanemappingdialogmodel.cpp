#include <QSignalSpy>
#include <QtTest>

#include "host/otn/otnpid.h"
#include "host/setupwidgets/multilanemappingdialogmodel.h"

namespace {
constexpr int firstLaneId = PID::Otn::TX::FIRST_LANE_MAPPING;
constexpr int undefinedLane = MultiLaneMappingDialogModel::undefinedLane;

QList<int> laneIds(int count)
{
    return MultiLaneMappingDialogModel::consecutiveIds(firstLaneId, count);
}

// A model of lanes.size() rows holding the given server values.
void fill(MultiLaneMappingDialogModel &model, const QVector<int> &lanes)
{
    for (int row = 0; row < lanes.size(); ++row)
        model.setLogicalLane(row, lanes.at(row));
}

QVector<int> lanesOf(const MultiLaneMappingDialogModel &model)
{
    QVector<int> lanes;
    for (int row = 0; row < model.laneCount(); ++row)
        lanes.append(model.logicalLane(row));
    return lanes;
}

// Edits as "row:lane", in the order the model reported them.
QStringList editsOf(const QSignalSpy &spy)
{
    QStringList edits;
    for (const QList<QVariant> &args : spy)
        edits.append(QStringLiteral("%1:%2").arg(args.at(0).toInt()).arg(args.at(1).toInt()));
    return edits;
}
} // namespace

class tst_MultiLaneMappingDialogModel : public QObject
{
    Q_OBJECT
private slots:
    void idsAndRows();
    void physicalLanes_data();
    void physicalLanes();
    void edits_data();
    void edits();
    void serverValuesAreNoEdits();
    void complete_data();
    void complete();
    void editThroughItemModel_data();
    void editThroughItemModel();
};

void tst_MultiLaneMappingDialogModel::idsAndRows()
{
    MultiLaneMappingDialogModel model(laneIds(4), 11165);
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.rowOfLaneId(11147), 2);
    QCOMPARE(model.rowOfLaneId(11149), -1);
    // Nothing is known before the server answers.
    QCOMPARE(lanesOf(model), QVector<int>(4, undefinedLane));
    QCOMPARE(model.data(model.index(1, MultiLaneMappingDialogModel::ColumnLogical)).toString(), QStringLiteral("-"));
}

void tst_MultiLaneMappingDialogModel::physicalLanes_data()
{
    QTest::addColumn<int>("lanes");
    QTest::addColumn<int>("perPhysical");
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("physical");
    QTest::addColumn<int>("physicalCount");
    QTest::newRow("20 over 4, fifth row still lane 0") << 20 << 5 << 4 << 0 << 4;
    QTest::newRow("20 over 4, sixth row lane 1") << 20 << 5 << 5 << 1 << 4;
    QTest::newRow("20 over 4, last") << 20 << 5 << 19 << 3 << 4;
    QTest::newRow("20 over 10, last") << 20 << 2 << 19 << 9 << 10;
    QTest::newRow("row beyond the lanes") << 4 << 1 << 4 << -1 << 4;
    QTest::newRow("zero per lane counts as one") << 4 << 0 << 2 << 2 << 4;
}

void tst_MultiLaneMappingDialogModel::physicalLanes()
{
    QFETCH(int, lanes);
    QFETCH(int, perPhysical);
    QFETCH(int, row);
    QFETCH(int, physical);
    QFETCH(int, physicalCount);
    MultiLaneMappingDialogModel model(laneIds(lanes), 11165);
    model.setLogicalLanesPerPhysicalLane(perPhysical);
    QCOMPARE(model.physicalLaneOf(row), physical);
    QCOMPARE(model.physicalLaneCount(), physicalCount);
    if (physical >= 0)
        QCOMPARE(model.data(model.index(row, MultiLaneMappingDialogModel::ColumnPhysical)).toInt(), physical);
}

// A user's edit swaps lanes, so that every logical lane stays carried once; Default restores the plain
// order. Only what the user changes is reported as an edit.
void tst_MultiLaneMappingDialogModel::edits_data()
{
    QTest::addColumn<QVector<int>>("initial");
    QTest::addColumn<int>("row");   // -1: Default
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
    QTest::newRow("negative lane refused") << plain << 0 << -1 << false << plain << QStringList{};
    QTest::newRow("row beyond the lanes refused") << plain << 4 << 0 << false << plain << QStringList{};
    QTest::newRow("undefined position refused")
        << QVector<int>{0, undefinedLane, 2, 3} << 1 << 0 << false << QVector<int>{0, undefinedLane, 2, 3}
        << QStringList{};
    QTest::newRow("Default, already plain") << plain << -1 << 0 << false << plain << QStringList{};
    QTest::newRow("Default, two swapped") << QVector<int>{0, 2, 1, 3} << -1 << 0 << true << plain
                                          << QStringList{"1:1", "2:2"};
    QTest::newRow("Default, reversed") << QVector<int>{3, 2, 1, 0} << -1 << 0 << true << plain
                                       << QStringList{"0:0", "1:1", "2:2", "3:3"};
}

void tst_MultiLaneMappingDialogModel::edits()
{
    QFETCH(QVector<int>, initial);
    QFETCH(int, row);
    QFETCH(int, lane);
    QFETCH(bool, changed);
    QFETCH(QVector<int>, expected);
    QFETCH(QStringList, edits);
    MultiLaneMappingDialogModel model(laneIds(initial.size()), 11165);
    fill(model, initial);
    QSignalSpy spy(&model, &MultiLaneMappingDialogModel::laneEdited);

    if (row < 0)
        model.resetToDefault();
    else
        QCOMPARE(model.assignLogicalLane(row, lane), changed);
    QCOMPARE(lanesOf(model), expected);
    QCOMPARE(editsOf(spy), edits);
}

void tst_MultiLaneMappingDialogModel::serverValuesAreNoEdits()
{
    MultiLaneMappingDialogModel model(laneIds(4), 11165);
    QSignalSpy edits(&model, &MultiLaneMappingDialogModel::laneEdited);
    QSignalSpy changes(&model, &QAbstractItemModel::dataChanged);
    fill(model, {3, 2, 1, 0});
    QCOMPARE(lanesOf(model), (QVector<int>{3, 2, 1, 0}));
    QCOMPARE(edits.count(), 0);
    QCOMPARE(changes.count(), 4);
    // The same value again is no change.
    model.setLogicalLane(0, 3);
    QCOMPARE(changes.count(), 4);
    model.setLogicalLane(0, -5);
    QCOMPARE(model.logicalLane(0), undefinedLane);
}

void tst_MultiLaneMappingDialogModel::complete_data()
{
    QTest::addColumn<QVector<int>>("lanes");
    QTest::addColumn<bool>("complete");
    QTest::newRow("permutation") << QVector<int>{3, 0, 2, 1} << true;
    QTest::newRow("lane used twice") << QVector<int>{0, 1, 1, 3} << false;
    QTest::newRow("position undefined") << QVector<int>{0, 1, undefinedLane, 3} << false;
    QTest::newRow("lane beyond the count") << QVector<int>{0, 1, 2, 4} << false;
    QTest::newRow("no lanes") << QVector<int>{} << false;
}

void tst_MultiLaneMappingDialogModel::complete()
{
    QFETCH(QVector<int>, lanes);
    QFETCH(bool, complete);
    MultiLaneMappingDialogModel model(laneIds(lanes.size()), 11165);
    fill(model, lanes);
    QCOMPARE(model.isComplete(), complete);
}

void tst_MultiLaneMappingDialogModel::editThroughItemModel_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("logical lane") << int(MultiLaneMappingDialogModel::ColumnLogical) << int(Qt::EditRole)
                                  << QVariant(3) << true;
    QTest::newRow("physical lane is fixed") << int(MultiLaneMappingDialogModel::ColumnPhysical)
                                            << int(Qt::EditRole) << QVariant(3) << false;
    QTest::newRow("display role") << int(MultiLaneMappingDialogModel::ColumnLogical) << int(Qt::DisplayRole)
                                  << QVariant(3) << false;
    QTest::newRow("not a number") << int(MultiLaneMappingDialogModel::ColumnLogical) << int(Qt::EditRole)
                                  << QVariant(QStringLiteral("three")) << false;
}

void tst_MultiLaneMappingDialogModel::editThroughItemModel()
{
    QFETCH(int, column);
    QFETCH(int, role);
    QFETCH(QVariant, value);
    QFETCH(bool, accepted);
    MultiLaneMappingDialogModel model(laneIds(4), 11165);
    fill(model, {0, 1, 2, 3});
    const QModelIndex index = model.index(0, column);
    QCOMPARE(bool(model.flags(index) & Qt::ItemIsEditable), column == MultiLaneMappingDialogModel::ColumnLogical);
    QCOMPARE(model.setData(index, value, role), accepted);
    QCOMPARE(model.logicalLane(0), accepted ? 3 : 0);
    QCOMPARE(model.logicalLane(3), accepted ? 0 : 3);

    // An undefined position cannot be edited at all.
    model.setLogicalLane(1, undefinedLane);
    QVERIFY(!(model.flags(model.index(1, MultiLaneMappingDialogModel::ColumnLogical)) & Qt::ItemIsEditable));
}

QTEST_MAIN(tst_MultiLaneMappingDialogModel)
#include "tst_multilanemappingdialogmodel.moc"
