#include <memory>

#include <QPushButton>
#include <QtTest>

#include "apps/shared/sid.h"
#include "client/otn/interface_setup_status/otnsetuppagemanager.h"
#include "host/parameters/qcmaparameterdouble.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "tests/support/diagnosticsrecorder.h"
#include "tests/support/testerfixture.h"

namespace {

using Values = QMap<int, int>;   // parameter id -> value

constexpr int Tx = OtnSetupPageManager::DirectionTx;
constexpr int Rx = OtnSetupPageManager::DirectionRx;
const QList<int> labelIds[3] = {{},
                                {11008, 11009, 11010, 11011, 11166, 11128, 11132, 11201},
                                {12006, 12007, 12008, 12009, 12022, 12011, 12015, 12026, 12012, 12016, 12024}};
const QList<int> tpIds{11128, 11132, 11201, 12012, 12016, 12024};   // unsigned on the tester
const QList<int> modeIds{12011, 12015, 12026};
const QString untouched = QStringLiteral("untouched");

void deliver(OtnSetupPageManager &manager, int port, int id, int value)
{
    const int sid = nsSID::otnSid(port, id);
    std::unique_ptr<QcmaParameter> parameter(tpIds.contains(id) ? static_cast<QcmaParameter *>(new QcmaParameterUInt(sid, uint(value), 0, 80))
                                                        : new QcmaParameterEnum(sid, value, 0, 31));
    manager.updateButtonLabel(parameter.get());
}

// Every label parameter of the direction, the given values over neutral ones (first TP, fixed mode).
void deliverAll(OtnSetupPageManager &manager, int port, const Values &given, int except = 0)
{
    for (int id : labelIds[manager.direction()]) {
        if (id != except)
            deliver(manager, port, id, given.value(id, tpIds.contains(id) || modeIds.contains(id) ? 1 : 0));
    }
}

// A manager registered the way the setup page factory registers it, with its button, attached to
// the tester for its value names. The tester has no port 0: only what a test delivers arrives.
struct Labelled {
    Labelled(int direction, zelServerManager *tester) : manager(direction), button(untouched)
    {
        for (int id : labelIds[direction])
            manager.addButtonLabelId(0, id);
        manager.setButton(&button);
        manager.attach(tester, 0);
    }
    OtnSetupPageManager manager;
    QPushButton button;
};

} // namespace

class tst_OtnSetupPageManager : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void labelWaitsForEveryParameter_data();
    void labelWaitsForEveryParameter();
    void labelTexts_data();
    void labelTexts();
    void setupPageAnswers_data();
    void setupPageAnswers();

private:
    std::unique_ptr<TesterFixture> m_tester;
};

void tst_OtnSetupPageManager::initTestCase()
{
    // The tester's texts name the values the label is made of.
    m_tester = std::make_unique<TesterFixture>(2);
}

void tst_OtnSetupPageManager::cleanupTestCase()
{
    m_tester.reset();
}

void tst_OtnSetupPageManager::labelWaitsForEveryParameter_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("lastId");
    for (int direction : {Rx, Tx}) {
        for (int id : labelIds[direction])
            QTest::addRow("%s, %d last", direction == Tx ? "transmitter" : "receiver", id) << direction << id;
    }
}

void tst_OtnSetupPageManager::labelWaitsForEveryParameter()
{
    QFETCH(int, direction);
    QFETCH(int, lastId);
    Labelled l(direction, m_tester->manager());
    const QList<int> &ids = labelIds[direction];
    QCOMPARE(l.manager.pendingIds(), QSet<int>(ids.begin(), ids.end()));
    deliverAll(l.manager, 0, {}, lastId);
    QCOMPARE(l.manager.pendingIds(), QSet<int>{lastId});
    QCOMPARE(l.button.text(), untouched);

    deliver(l.manager, 0, lastId, tpIds.contains(lastId) || modeIds.contains(lastId) ? 1 : 0);
    QVERIFY(l.manager.pendingIds().isEmpty());
    QCOMPARE(l.button.text(), QStringLiteral("OTU1 - OPU1"));
}

void tst_OtnSetupPageManager::labelTexts_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("port");
    QTest::addColumn<Values>("values");
    QTest::addColumn<QString>("label");
    QTest::newRow("one level: rate and payload") << Tx << 0 << Values{{11008, 1}} << "OTU2 - OPU2";
    QTest::newRow("port 1 counts as port 0") << Tx << 1 << Values{{11008, 3}} << "OTU4 - OPU4";
    QTest::newRow("one level, extended OPU2") << Tx << 0 << Values{{11008, 1}, {11009, 11}} << "OTU2 - Ext. OPU2";
    QTest::newRow("two levels, ODU2 name part removed")
        << Tx << 0 << Values{{11008, 3}, {11010, 16}, {11128, 7}} << "OTU4 - ODTU4.8 #7 - OPU2";
    QTest::newRow("three levels") << Tx << 0 << Values{{11008, 2}, {11010, 6}, {11011, 1}, {11128, 2}, {11132, 1}}
                                  << "OTU3 - ODTU13 (PT=21)#2 - ODTU01#1 - OPU0";
    QTest::newRow("receiver, fixed mode shows the number")
        << Rx << 0 << Values{{12006, 1}, {12008, 1}, {12011, 1}, {12012, 5}} << "OTU2 - ODTU2.1 (PT=21)#5 - OPU0";
    QTest::newRow("receiver, detected TS leave the number out")
        << Rx << 0 << Values{{12006, 1}, {12008, 1}, {12011, 0}, {12012, 5}} << "OTU2 - ODTU2.1 (PT=21) - OPU0";
}

void tst_OtnSetupPageManager::labelTexts()
{
    QFETCH(int, direction);
    QFETCH(int, port);
    QFETCH(Values, values);
    QFETCH(QString, label);
    Labelled l(direction, m_tester->manager());
    deliverAll(l.manager, port, values);
    QVERIFY(l.manager.pendingIds().isEmpty());
    QCOMPARE(l.button.text(), label);
}

void tst_OtnSetupPageManager::setupPageAnswers_data()
{
    QTest::addColumn<int>("technology");
    QTest::addColumn<int>("layer");
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("pageId");   // -2: no identifier at all
    QTest::addColumn<QString>("log");
    const QString fatal = "ZEL_FATAL: ..\\..\\client\\otn\\interface_setup_status\\otnsetuppagemanager: line %d: ";
    QTest::newRow("Tx physical") << 5 << 1 << 1 << 34 << QString();
    QTest::newRow("Rx physical") << 5 << 1 << 2 << 35 << QString();
    QTest::newRow("Tx frame") << 5 << 2 << 1 << 31 << QString();
    QTest::newRow("Rx frame") << 5 << 2 << 2 << 32 << QString();
    QTest::newRow("other technology") << 4 << 2 << 2 << -2 << QString();
    QTest::newRow("unknown direction") << 5 << 2 << 3 << -1 << fatal + "OtnSetupPageManager: setupPage(direction=3) fail.";
    QTest::newRow("unknown layer") << 5 << 3 << 1 << -1
                                   << fatal + "OtnButtonIdentifier: getSetupPage(layer=3, technology=5) fail.";
}

void tst_OtnSetupPageManager::setupPageAnswers()
{
    QFETCH(int, technology);
    QFETCH(int, layer);
    QFETCH(int, direction);
    QFETCH(int, pageId);
    QFETCH(QString, log);
    // The manager's own direction does not matter: the identifier asked about decides.
    OtnSetupPageManager manager(Rx);
    DiagnosticsRecorder recorder;
    std::unique_ptr<InterfaceSetupIdentifier> answer(
        manager.setupPage(InterfaceSetupIdentifier(0, direction, layer, technology)));
    QCOMPARE(recorder.withLineNumbersMasked(), log.isEmpty() ? QStringList() : QStringList{log});
    QCOMPARE(answer != nullptr, pageId != -2);
    if (answer) {
        QCOMPARE((QList<int>{answer->pageId(), answer->direction(), answer->layer(), answer->technology()}),
                 (QList<int>{pageId, direction, layer, technology}));
    }
}

QTEST_MAIN(tst_OtnSetupPageManager)
#include "tst_otnsetuppagemanager.moc"
