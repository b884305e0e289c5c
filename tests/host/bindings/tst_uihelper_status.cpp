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

Q_DECLARE_METATYPE(QcmaParameter *)

using namespace BindingTest;

namespace {
QcmaParameter *status(int value, bool defined = true)
{
    auto *p = new QcmaParameterEnum(sid(alarmId), value, 0, 2);
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
QWidget *statusCell(PortStatusItem *led, QLabel *label)
{
    auto *cell = new QWidget;
    auto *layout = new QHBoxLayout(cell);
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
    void defaultJudge_data();
    void defaultJudge();
    void ledFollowsServer_data();
    void ledFollowsServer();
    void judgeDecides();
    void tablePlacesCellWidgets();
    void tableClearRemovesCellWidgets_data();
    void tableClearRemovesCellWidgets();
};

void tst_UiHelper_Status::defaultJudge_data()
{
    QTest::addColumn<QcmaParameter *>("parameter");
    QTest::addColumn<int>("state");

    QTest::newRow("0 ok") << status(0) << int(StatusJudge::StateOk);
    QTest::newRow("1 alarm") << status(1) << int(StatusJudge::StateAlarm);
    QTest::newRow("2 history") << status(2) << int(StatusJudge::StateHistory);
    QTest::newRow("undefined off") << status(1, false) << int(StatusJudge::StateOff);
    QTest::newRow("unknown 7 off") << static_cast<QcmaParameter *>(new QcmaParameterUInt(sid(alarmId), 7))
                                   << int(StatusJudge::StateOff);
    QTest::newRow("bytes off") << static_cast<QcmaParameter *>(new QcmaParameterByteArray(sid(alarmId), "\x01"))
                               << int(StatusJudge::StateOff);
}

void tst_UiHelper_Status::defaultJudge()
{
    QFETCH(QcmaParameter *, parameter);
    QFETCH(int, state);
    QScopedPointer<QcmaParameter> owner(parameter);
    QCOMPARE(int(UiHelper_Status::defaultJudge(*parameter)), state);
}

void tst_UiHelper_Status::ledFollowsServer_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<bool>("defined");
    QTest::addColumn<int>("led");

    QTest::newRow("alarm") << 1 << true << int(PortStatusItem::Alarm);
    QTest::newRow("history") << 2 << true << int(PortStatusItem::History);
    QTest::newRow("undefined") << 0 << false << int(PortStatusItem::Off);
}

void tst_UiHelper_Status::ledFollowsServer()
{
    QFETCH(int, value);
    QFETCH(bool, defined);
    QFETCH(int, led);

    Server server;
    server.link->addParameter(status(0));
    QWidget page;
    auto *item = new PortStatusItem(&page);
    auto *name = new QLabel(&page);
    UiHelper_Status binding(server.start(), item, name, sid(alarmId), UiHelper::ConnectImmediately);
    QCOMPARE(item->state(), PortStatusItem::Ok);
    QCOMPARE(name->text(), QStringLiteral("LOS"));
    server.link->serverChange(status(value, defined));
    QTRY_COMPARE(int(item->state()), led);
    QCOMPARE(name->isEnabled(), defined);
}

void tst_UiHelper_Status::judgeDecides()
{
    Server server;
    server.link->addParameter(new QcmaParameterUInt(sid(upiId), 0));
    QWidget page;
    auto *item = new PortStatusItem(&page);
    CounterJudge judge;
    UiHelper_Status binding(server.start(), item, nullptr, sid(upiId), UiHelper::ConnectImmediately, &judge);
    QCOMPARE(item->state(), PortStatusItem::Ok);
    // 7 is no state for the default rule; this judge calls it an alarm.
    server.link->serverChange(new QcmaParameterUInt(sid(upiId), 7));
    QTRY_COMPARE(item->state(), PortStatusItem::Alarm);
}

void tst_UiHelper_Status::tablePlacesCellWidgets()
{
    Server server;
    server.link->addParameter(status(1));
    server.link->addParameter(new QcmaParameterEnum(sid(alarmId, 2), 2, 0, 2));
    zelServerManager *manager = server.start();
    QWidget page;
    auto *table = new QTableWidget(1, 2, &page);
    UiHelperListTableStatus list(table);
    const QList<QPair<int, int>> cells{{0, 1}, {2, 3}};   // the second one lies outside the table
    QList<PortStatusItem *> leds;
    for (int i = 0; i < cells.size(); ++i) {
        auto *led = new PortStatusItem(&page);
        auto *label = new QLabel(&page);
        leds << led;
        auto *binding = new UiHelper_Status(manager, led, label, sid(alarmId, i + 1), UiHelper::ConnectManually);
        list.addUiHelper(cells.at(i).first, cells.at(i).second, binding, statusCell(led, label));
    }
    QCOMPARE(list.count(), 2);
    QCOMPARE(list.cellCount(), 2);
    QCOMPARE(table->rowCount(), 3);
    QCOMPARE(table->columnCount(), 4);
    QVERIFY(table->cellWidget(0, 1)->isAncestorOf(leds.at(0)));
    QVERIFY(table->cellWidget(2, 3)->isAncestorOf(leds.at(1)));
    QVERIFY(!table->cellWidget(0, 0));

    list.ConnectManual();
    QCOMPARE(leds.at(0)->state(), PortStatusItem::Alarm);
    QCOMPARE(leds.at(1)->state(), PortStatusItem::History);
}

void tst_UiHelper_Status::tableClearRemovesCellWidgets_data()
{
    QTest::addColumn<bool>("deleteHelpers");
    QTest::newRow("bindings deleted") << true;
    QTest::newRow("bindings kept") << false;
}

void tst_UiHelper_Status::tableClearRemovesCellWidgets()
{
    QFETCH(bool, deleteHelpers);

    Server server;
    server.link->addParameter(status(0));
    zelServerManager *manager = server.start();
    QWidget page;
    auto *table = new QTableWidget(2, 2, &page);
    UiHelperListTableStatus list(table);
    auto *led = new PortStatusItem(&page);
    auto *label = new QLabel(&page);
    QPointer<UiHelper_Status> binding = new UiHelper_Status(manager, led, label, sid(alarmId), UiHelper::ConnectImmediately);
    QPointer<QWidget> cell = statusCell(led, label);
    list.addUiHelper(1, 0, binding, cell);
    QCOMPARE(table->cellWidget(1, 0), cell.data());

    list.Clear(deleteHelpers);
    QVERIFY(!table->cellWidget(1, 0));
    QTRY_VERIFY(!cell);   // removed cell widgets are deleted later
    QCOMPARE(list.count(), 0);
    QCOMPARE(list.cellCount(), 0);
    QCOMPARE(binding.isNull(), deleteHelpers);
    if (binding) {
        // A kept binding outlives its LED without harm.
        server.link->serverChange(status(1));
        QTRY_COMPARE(binding->QcmaParameter_Get()->getEnum(), 1);
        delete binding.data();
    }
}

QTEST_MAIN(tst_UiHelper_Status)
#include "tst_uihelper_status.moc"
