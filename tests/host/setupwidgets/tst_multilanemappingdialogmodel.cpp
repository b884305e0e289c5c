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
    void edits_data();
    void edits();
};

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
    QTest::newRow("undefined position refused")
        << QVector<int>{0, undefinedLane, 2, 3} << 1 << 0 << false << QVector<int>{0, undefinedLane, 2, 3}
        << QStringList{};
    QTest::newRow("Default, two swapped") << QVector<int>{0, 2, 1, 3} << -1 << 0 << true << plain
                                          << QStringList{"1:1", "2:2"};
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

QTEST_MAIN(tst_MultiLaneMappingDialogModel)
#include "tst_multilanemappingdialogmodel.moc"
