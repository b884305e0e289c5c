#include <QHBoxLayout>
#include <QLabel>
#include <QTableWidget>
#include <QtTest>

#include "bindingtestserver.h"
#include "host/bindings/uihelper_status.h"
#include "host/bindings/uihelperlisttablestatus.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/widgets/portstatusitem.h"

using namespace BindingTest;

namespace {
QcmaParameter *status(int value, bool defined = true)
{
    auto *p = new QcmaParameterEnum(nsSID::otnSid(port, alarmId), value, 0, 2);
    p->setDefined(defined);
    return p;
}

// Green for anything that is not an alarm: a judge for counters where any value > 0 is bad.
class CounterJudge : public StatusJudge
{
public:
    State judge(const QcmaParameter &parameter) const override
    {
        return parameter.getUInt() > 0 ? StateAlarm : StateOk;
    }
};

// A cell as the status page builds it: LED and label side by side in a parentless widget.
std::unique_ptr<QWidget> statusCell(PortStatusItem *led, QLabel *label)
{
    auto cell = std::make_unique<QWidget>();
    auto *layout = new QHBoxLayout(cell.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(led);
    layout->addWidget(label);
    return cell;
}
} // namespace

class tst_UiHelper_Status : public QObject
{
    Q_OBJECT
private slots:
    void ledFollowsServer();
    void judgeDecides();
    void tableCells();
};

void tst_UiHelper_Status::ledFollowsServer()
{
    Server server;
    server.fake()->addParameter(status(0));
    QWidget page;
    auto *item = new PortStatusItem(&page);
    auto *name = new QLabel(&page);
    UiHelper_Status binding(server.manager(), item, name, nsSID::otnSid(port, alarmId), UiHelper::ConnectImmediately);
    QCOMPARE(item->state(), PortStatusItem::Ok);
    QCOMPARE(name->text(), QStringLiteral("LOS"));
    server.fake()->serverChange(status(1));
    QTRY_COMPARE(item->state(), PortStatusItem::Alarm);
    server.fake()->serverChange(status(2));
    QTRY_COMPARE(item->state(), PortStatusItem::History);
    QVERIFY(name->isEnabled());
    server.fake()->serverChange(status(0, false));
    QTRY_COMPARE(item->state(), PortStatusItem::Off);
    QVERIFY(!name->isEnabled());
}

void tst_UiHelper_Status::judgeDecides()
{
    Server server;
    server.fake()->addParameter(new QcmaParameterUInt(nsSID::otnSid(port, upiId), 0));
    QWidget page;
    auto *item = new PortStatusItem(&page);
    CounterJudge judge;
    UiHelper_Status binding(server.manager(), item, nullptr, nsSID::otnSid(port, upiId), UiHelper::ConnectImmediately,
                            &judge);
    QCOMPARE(item->state(), PortStatusItem::Ok);
    // 7 is no state for the default rule; this judge calls it an alarm.
    server.fake()->serverChange(new QcmaParameterUInt(nsSID::otnSid(port, upiId), 7));
    QTRY_COMPARE(item->state(), PortStatusItem::Alarm);
}

void tst_UiHelper_Status::tableCells()
{
    Server server;
    server.fake()->addParameter(status(1));
    server.fake()->addParameter(new QcmaParameterEnum(nsSID::otnSid(2, alarmId), 2, 0, 2));
    zelServerManager *manager = server.manager();
    QWidget page;
    auto *table = new QTableWidget(1, 2, &page);
    UiHelperListTableStatus list(table);
    const QList<QPair<int, int>> cells{{0, 1}, {2, 3}};   // the second one lies outside the table
    QList<PortStatusItem *> leds;
    QList<QPointer<UiHelper_Status>> bindings;
    QList<QPointer<QWidget>> cellWidgets;
    for (int i = 0; i < cells.size(); ++i) {
        auto *led = new PortStatusItem(&page);
        auto *label = new QLabel(&page);
        leds << led;
        auto binding = std::make_unique<UiHelper_Status>(manager, led, label, nsSID::otnSid(i + 1, alarmId),
                                                         UiHelper::ConnectManually);
        std::unique_ptr<QWidget> cell = statusCell(led, label);
        bindings << binding.get();
        cellWidgets << cell.get();
        list.addUiHelper(cells.at(i).first, cells.at(i).second, std::move(binding), std::move(cell));
    }
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.cellCount(), 2);
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->columnCount(), 4);
    QCOMPARE(table->cellWidget(0, 1), cellWidgets.at(0).data());
    QCOMPARE(table->cellWidget(2, 3), cellWidgets.at(1).data());
    QVERIFY(!table->cellWidget(0, 0));
    list.ConnectManual();
    QCOMPARE(leds.at(0)->state(), PortStatusItem::Alarm);
    QCOMPARE(leds.at(1)->state(), PortStatusItem::History);

    list.Clear();
    QVERIFY(!table->cellWidget(0, 1));
    QVERIFY(!table->cellWidget(2, 3));
    QTRY_VERIFY(!cellWidgets.at(0) && !cellWidgets.at(1));   // removed cell widgets are deleted later
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.cellCount(), 0);
    QVERIFY(!bindings.at(0) && !bindings.at(1));
}

QTEST_MAIN(tst_UiHelper_Status)
#include "tst_uihelper_status.moc"
