#include <QtTest>

#include "apps/shared/sid.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/parameterobserver.h"
#include "host/server/zelservermanager.h"
#include "simulator/simulatedserverlink.h"

namespace {

// The SM third byte's reserved bits: nothing else on the tester follows them.
const int smByte3 = nsSID::otnSid(1, 11019);

struct Recorder : ParameterObserver {
    QList<uint> values;
    void parameterUpdated(const QcmaParameter &parameter) override { values.append(parameter.getUInt()); }
};

SimulatorOptions onePort()
{
    SimulatorOptions options;
    options.portCount = 1;
    options.moduleTypes = {0};
    options.seed = 1;
    return options;
}

} // namespace

// The server manager and the simulated tester as a client without a screen has them.
class tst_SessionCore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void lossAndReturnReachTheManager();
};

void tst_SessionCore::initTestCase()
{
    qRegisterMetaType<ServerLink::State>();
}

void tst_SessionCore::lossAndReturnReachTheManager()
{
    SimulatedServerLink link(onePort());
    zelServerManager manager(&link);
    QCOMPARE(manager.linkState(), ServerLink::State::Connected);
    Recorder recorder;
    manager.addObserver(smByte3, &recorder);
    QSignalSpy states(&manager, &zelServerManager::linkStateChanged);

    // Its answer is on its way when the connection goes.
    const QcmaParameterUInt sent(smByte3, 5);
    manager.SetQcmaParameter(&sent);
    QTest::ignoreMessage(QtWarningMsg, "server link lost: cable pulled");
    link.dropConnection(QStringLiteral("cable pulled"));
    QCOMPARE(manager.linkState(), ServerLink::State::Lost);
    QCOMPARE(manager.linkStateReason(), QStringLiteral("cable pulled"));

    // Meanwhile the tester moves on by itself and hears nothing of the client.
    QVERIFY(link.serverChange(smByte3, 9u));
    const QcmaParameterUInt unsent(smByte3, 7);
    QTest::ignoreMessage(QtWarningMsg, "write not received, the connection is down: sid 0x010d2b0b");
    manager.SetQcmaParameter(&unsent);
    QCOMPARE(link.writeRequests(), 1);

    link.restoreConnection();
    QCOMPARE(states.count(), 2);
    QCOMPARE(manager.linkState(), ServerLink::State::Connected);
    // What the tester holds now is in the cache, and told to the observers, once the connection is back.
    QCOMPARE(manager.cachedParameter(smByte3)->getUInt(), 9u);
    QCOMPARE(recorder.values, QList<uint>{9u});

    // The answer from before the loss never overwrites it.
    QTRY_COMPARE(link.pendingAnswers(), 0);
    QCOMPARE(recorder.values, QList<uint>{9u});
    QCOMPARE(manager.cachedParameter(smByte3)->getUInt(), 9u);
    manager.removeObserver(smByte3, &recorder);
}

QTEST_GUILESS_MAIN(tst_SessionCore)
#include "tst_sessioncore.moc"
