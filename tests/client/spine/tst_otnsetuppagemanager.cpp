#include <memory>

#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/otnsetuppagemanager.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/simulatorfixture.h"

namespace {

using Values = QMap<int, int>;   // parameter id -> value

const QList<int> txLabelIds{11008, 11009, 11010, 11011, 11166, 11128, 11132, 11201};
const QList<int> rxLabelIds{12006, 12007, 12008, 12009, 12022, 12011, 12015, 12026, 12012, 12016, 12024};
const QString untouched = QStringLiteral("untouched");

// Values of the kinds the tester uses: port numbers are unsigned, everything else enumerations.
std::unique_ptr<QcmaParameter> parameterOf(int port, int id, int value)
{
    const int sid = nsSID::build(port, nsSID::otn, id);
    const bool portNumber = id == 11128 || id == 11132 || id == 11201 || id == 12012 || id == 12016 || id == 12024;
    if (portNumber)
        return std::make_unique<QcmaParameterUInt>(sid, uint(value), 0, 80);
    return std::make_unique<QcmaParameterEnum>(sid, value, 0, 31);
}

// A manager registered the way the setup page factory registers it.
std::unique_ptr<OtnSetupPageManager> managerFor(int direction)
{
    auto manager = std::make_unique<OtnSetupPageManager>(direction);
    for (int id : direction == OtnSetupPageManager::DirectionTx ? txLabelIds : rxLabelIds)
        manager->addButtonLabelId(0, id);
    return manager;
}

void deliver(OtnSetupPageManager &manager, int port, int id, int value)
{
    std::unique_ptr<QcmaParameter> parameter = parameterOf(port, id, value);
    manager.updateButtonLabel(parameter.get());
}

void deliverAll(OtnSetupPageManager &manager, int port, const Values &values)
{
    for (auto it = values.constBegin(); it != values.constEnd(); ++it)
        deliver(manager, port, it.key(), it.value());
}

// Every label parameter of a direction: the given values over neutral defaults (first port, fixed modes).
Values completeValues(int direction, const Values &given)
{
    Values values;
    for (int id : direction == OtnSetupPageManager::DirectionTx ? txLabelIds : rxLabelIds)
        values.insert(id, 0);
    for (int id : {11128, 11132, 11201, 12012, 12016, 12024, 12011, 12015, 12026})
        values.insert(id, 1);
    for (auto it = given.constBegin(); it != given.constEnd(); ++it)
        values.insert(it.key(), it.value());
    for (auto it = values.begin(); it != values.end();) {
        const QList<int> &ids = direction == OtnSetupPageManager::DirectionTx ? txLabelIds : rxLabelIds;
        it = ids.contains(it.key()) ? it + 1 : values.erase(it);
    }
    return values;
}

} // namespace

class tst_OtnSetupPageManager : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void registrationFillsPending_data();
    void registrationFillsPending();
    void labelWaitsForEveryParameter_data();
    void labelWaitsForEveryParameter();
    void otherPortsCountAsPortZero_data();
    void otherPortsCountAsPortZero();
    void unregisteredParameterIsIgnoredSilently();
    void labelTexts_data();
    void labelTexts();
    void refreshWritesWhateverIsPending();
    void rejectedInputsAreLogged_data();
    void rejectedInputsAreLogged();
    void setupPageAnswers_data();
    void setupPageAnswers();
    void hostDeliversCurrentPortOnly();
    void labelFollowsMappingChangesOnTheTester();

private:
    std::unique_ptr<SimulatorFixture> m_tester;
};

void tst_OtnSetupPageManager::init()
{
    // The tester's catalogue names the values the label is made of.
    m_tester = std::make_unique<SimulatorFixture>(2);
}

void tst_OtnSetupPageManager::cleanup()
{
    m_tester.reset();
}

void tst_OtnSetupPageManager::registrationFillsPending_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<QList<int>>("ids");
    QTest::newRow("transmitter") << int(OtnSetupPageManager::DirectionTx) << txLabelIds;
    QTest::newRow("receiver") << int(OtnSetupPageManager::DirectionRx) << rxLabelIds;
}

void tst_OtnSetupPageManager::registrationFillsPending()
{
    QFETCH(int, direction);
    QFETCH(QList<int>, ids);
    const auto manager = managerFor(direction);
    QList<int> expectedSids;
    for (int id : ids)
        expectedSids.append(nsSID::build(0, nsSID::otn, id));
    QCOMPARE(manager->buttonLabelSIDs(), expectedSids);
    QCOMPARE(manager->pendingIds(), QSet<int>(ids.begin(), ids.end()));
    QCOMPARE(manager->direction(), direction);
}

void tst_OtnSetupPageManager::labelWaitsForEveryParameter_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("lastId");
    for (int id : rxLabelIds)
        QTest::addRow("receiver, %d last", id) << int(OtnSetupPageManager::DirectionRx) << id;
    for (int id : txLabelIds)
        QTest::addRow("transmitter, %d last", id) << int(OtnSetupPageManager::DirectionTx) << id;
}

void tst_OtnSetupPageManager::labelWaitsForEveryParameter()
{
    QFETCH(int, direction);
    QFETCH(int, lastId);
    const auto manager = managerFor(direction);
    QPushButton button(untouched);
    manager->setButton(&button);
    Values values = completeValues(direction, {});
    const int lastValue = values.take(lastId);

    deliverAll(*manager, 0, values);
    QCOMPARE(manager->pendingIds(), QSet<int>{lastId});
    QCOMPARE(button.text(), untouched);

    deliver(*manager, 0, lastId, lastValue);
    QVERIFY(manager->pendingIds().isEmpty());
    QCOMPARE(button.text(), QStringLiteral("OTU1 - OPU1"));
}

void tst_OtnSetupPageManager::otherPortsCountAsPortZero_data()
{
    QTest::addColumn<int>("port");
    QTest::newRow("port 1") << 1;
    QTest::newRow("port 3") << 3;
    QTest::newRow("no port") << int(nsSID::noPort);
}

void tst_OtnSetupPageManager::otherPortsCountAsPortZero()
{
    QFETCH(int, port);
    const auto manager = managerFor(OtnSetupPageManager::DirectionTx);
    QPushButton button(untouched);
    manager->setButton(&button);
    deliverAll(*manager, port, completeValues(OtnSetupPageManager::DirectionTx, {{11008, 3}}));
    QVERIFY(manager->pendingIds().isEmpty());
    QCOMPARE(manager->mapping().value(OtnMapping::FieldInterface), 3);
    QCOMPARE(button.text(), QStringLiteral("OTU4 - OPU4"));
}

void tst_OtnSetupPageManager::unregisteredParameterIsIgnoredSilently()
{
    const auto manager = managerFor(OtnSetupPageManager::DirectionRx);
    DiagnosticsRecorder log;
    // A Tx id reaches a receiver manager only when registered there.
    deliver(*manager, 0, 11008, 2);
    deliver(*manager, 1, 12001, 1);
    QCOMPARE(manager->mapping().value(OtnMapping::FieldInterface), 0);
    QCOMPARE(manager->pendingIds().size(), rxLabelIds.size());
    QCOMPARE(log.lines(), QStringList());
}

void tst_OtnSetupPageManager::labelTexts_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("label");

    const int tx = OtnSetupPageManager::DirectionTx;
    const int rx = OtnSetupPageManager::DirectionRx;
    QTest::newRow("one level: rate and payload") << tx << Values{{11008, 1}} << "OTU2 - OPU2";
    QTest::newRow("one level, extended OPU2") << tx << Values{{11008, 1}, {11009, 11}} << "OTU2 - Ext. OPU2";
    QTest::newRow("two levels") << tx << Values{{11008, 1}, {11010, 2}, {11128, 3}}
                                << "OTU2 - ODTU12 (PT=20)#3 - OPU1";
    QTest::newRow("two levels, ODU2 name part removed")
        << tx << Values{{11008, 3}, {11010, 16}, {11128, 7}} << "OTU4 - ODTU4.8 #7 - OPU2";
    QTest::newRow("three levels") << tx << Values{{11008, 2}, {11010, 6}, {11011, 1}, {11128, 2}, {11132, 1}}
                                  << "OTU3 - ODTU13 (PT=21)#2 - ODTU01#1 - OPU0";
    QTest::newRow("receiver, fixed mode shows the number")
        << rx << Values{{12006, 1}, {12008, 1}, {12011, 1}, {12012, 5}} << "OTU2 - ODTU2.1 (PT=21)#5 - OPU0";
    QTest::newRow("receiver, detected TS leave the number out")
        << rx << Values{{12006, 1}, {12008, 1}, {12011, 0}, {12012, 5}} << "OTU2 - ODTU2.1 (PT=21) - OPU0";
    QTest::newRow("receiver, fixed TS keep the number in any mode")
        << rx << Values{{12006, 1}, {12008, 2}, {12011, 0}, {12012, 4}} << "OTU2 - ODTU12 (PT=20)#4 - OPU1";
    QTest::newRow("transmitter ignores the receiver's mode rule")
        << tx << Values{{11008, 1}, {11010, 1}, {11128, 5}} << "OTU2 - ODTU2.1 (PT=21)#5 - OPU0";
}

void tst_OtnSetupPageManager::labelTexts()
{
    QFETCH(int, direction);
    QFETCH(Values, values);
    QFETCH(QString, label);
    const auto manager = managerFor(direction);
    QPushButton button(untouched);
    manager->setButton(&button);
    deliverAll(*manager, 0, completeValues(direction, values));
    QCOMPARE(manager->buttonLabel(), label);
    QCOMPARE(button.text(), label);
}

void tst_OtnSetupPageManager::refreshWritesWhateverIsPending()
{
    const auto manager = managerFor(OtnSetupPageManager::DirectionTx);
    manager->refreshButtonLabel();   // no button yet: nothing to write, nothing breaks
    QPushButton button(untouched);
    manager->setButton(&button);
    deliver(*manager, 0, 11008, 2);
    QCOMPARE(button.text(), untouched);
    manager->refreshButtonLabel();
    QCOMPARE(button.text(), QStringLiteral("OTU3 - OPU3"));
    QVERIFY(!manager->pendingIds().isEmpty());
}

void tst_OtnSetupPageManager::rejectedInputsAreLogged_data()
{
    QTest::addColumn<int>("input");
    QTest::addColumn<QString>("line");
    QTest::newRow("null parameter") << 0 << "OtnSetupPageManager::updateButtonLabel: parameter is null.";
    QTest::newRow("double value")
        << 1 << "OtnSetupPageManager::updateButtonLabel: unknown parameter type for ID 2b00; ignored.";
    QTest::newRow("registered id of neither table")
        << 2 << "OtnSetupPageManager::updateButtonLabel: unknown PID for ID 2ee1; ignored.";
}

void tst_OtnSetupPageManager::rejectedInputsAreLogged()
{
    QFETCH(int, input);
    QFETCH(QString, line);
    const auto manager = managerFor(OtnSetupPageManager::DirectionTx);
    QPushButton button(untouched);
    manager->setButton(&button);
    deliverAll(*manager, 0, completeValues(OtnSetupPageManager::DirectionTx, {{11008, 1}}));
    button.setText(untouched);
    const QString labelBefore = manager->buttonLabel();

    DiagnosticsRecorder log;
    if (input == 0) {
        manager->updateButtonLabel(nullptr);
    } else if (input == 1) {
        QcmaParameterDouble rate(nsSID::build(0, nsSID::otn, 11008), 2.0, 0.0, 10.0, 1);
        manager->updateButtonLabel(&rate);
    } else {
        // The Rx module type is no label parameter of either direction.
        manager->setButtonLabelSID(nsSID::build(0, nsSID::otn, 12001));
        QcmaParameterEnum module(nsSID::build(2, nsSID::otn, 12001), 1, 0, 8);
        manager->updateButtonLabel(&module);
    }
    QCOMPARE(log.lines(), QStringList{line});
    QCOMPARE(manager->buttonLabel(), labelBefore);
    QCOMPARE(button.text(), untouched);
}

void tst_OtnSetupPageManager::setupPageAnswers_data()
{
    QTest::addColumn<int>("technology");
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("pageId");   // -2: no identifier at all
    QTest::addColumn<QString>("log");

    QTest::newRow("Tx physical") << 5 << 1 << 1 << 34 << QString();
    QTest::newRow("Rx physical") << 5 << 1 << 2 << 35 << QString();
    QTest::newRow("Tx frame") << 5 << 2 << 1 << 31 << QString();
    QTest::newRow("Rx frame") << 5 << 2 << 2 << 32 << QString();
    QTest::newRow("other technology") << 4 << 2 << 2 << -2 << QString();
    QTest::newRow("no technology") << 0 << 1 << 1 << -2 << QString();
    QTest::newRow("unknown direction")
        << 5 << 2 << 3 << -1
        << "ZEL_FATAL: ..\\..\\client\\otn\\interface_setup_status\\otnsetuppagemanager: line %d: "
           "OtnSetupPageManager: setupPage(direction=3) fail.";
    QTest::newRow("no direction")
        << 5 << 1 << 0 << -1
        << "ZEL_FATAL: ..\\..\\client\\otn\\interface_setup_status\\otnsetuppagemanager: line %d: "
           "OtnSetupPageManager: setupPage(direction=0) fail.";
    QTest::newRow("unknown layer")
        << 5 << 3 << 1 << -1
        << "ZEL_FATAL: ..\\..\\client\\otn\\interface_setup_status\\otnsetuppagemanager: line %d: "
           "OtnButtonIdentifier: getSetupPage(layer=3, technology=5) fail.";
}

void tst_OtnSetupPageManager::setupPageAnswers()
{
    QFETCH(int, technology);
    QFETCH(int, layer);
    QFETCH(int, direction);
    QFETCH(int, pageId);
    QFETCH(QString, log);

    // The manager's own direction does not matter: the identifier asked about decides.
    OtnSetupPageManager manager(OtnSetupPageManager::DirectionRx);
    DiagnosticsRecorder recorder;
    std::unique_ptr<InterfaceSetupIdentifier> answer(
        manager.setupPage(InterfaceSetupIdentifier(0, direction, layer, technology)));
    QCOMPARE(recorder.withLineNumbersMasked(), log.isEmpty() ? QStringList() : QStringList{log});
    if (pageId == -2) {
        QVERIFY(!answer);
        return;
    }
    QVERIFY(answer);
    QCOMPARE(answer->pageId(), pageId);
    QCOMPARE(answer->direction(), direction);
    QCOMPARE(answer->layer(), layer);
    QCOMPARE(answer->technology(), technology);
}

void tst_OtnSetupPageManager::hostDeliversCurrentPortOnly()
{
    const auto manager = managerFor(OtnSetupPageManager::DirectionTx);
    QPushButton button(untouched);
    manager->setButton(&button);
    QVERIFY(m_tester->writeAndWait(1, 11008, 1));
    QVERIFY(m_tester->writeAndWait(2, 11008, 2));

    // Attaching reads what the tester holds for the port.
    manager->attach(m_tester->manager(), 2);
    QVERIFY(manager->pendingIds().isEmpty());
    QCOMPARE(button.text(), QStringLiteral("OTU3 - OPU3"));

    // A change on another port leaves the label alone; moving to that port shows it.
    QVERIFY(m_tester->writeAndWait(1, 11008, 3));
    QCOMPARE(button.text(), QStringLiteral("OTU3 - OPU3"));
    manager->setPort(1);
    QCOMPARE(button.text(), QStringLiteral("OTU4 - OPU4"));

    manager->attach(nullptr, 1);
    QVERIFY(m_tester->writeAndWait(1, 11008, 0));
    QCOMPARE(button.text(), QStringLiteral("OTU4 - OPU4"));
}

void tst_OtnSetupPageManager::labelFollowsMappingChangesOnTheTester()
{
    const auto manager = managerFor(OtnSetupPageManager::DirectionTx);
    QPushButton button(untouched);
    manager->setButton(&button);
    manager->attach(m_tester->manager(), 1);
    QVERIFY(m_tester->writeAndWait(1, 11008, 1));
    QTRY_COMPARE(button.text(), QStringLiteral("OTU2 - OPU2"));
    QVERIFY(m_tester->write(1, 11010, 2));
    QTRY_COMPARE(button.text(), QStringLiteral("OTU2 - ODTU12 (PT=20)#1 - OPU1"));
    QVERIFY(m_tester->write(1, 11128, 3));
    QTRY_COMPARE(button.text(), QStringLiteral("OTU2 - ODTU12 (PT=20)#3 - OPU1"));
}

QTEST_MAIN(tst_OtnSetupPageManager)
#include "tst_otnsetuppagemanager.moc"
