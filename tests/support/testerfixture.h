#pragma once

#include <memory>

#include <QHash>
#include <QList>
#include <QVariant>

#include "host/widgets/dialogrunner.h"
#include "simulator/simulatoroptions.h"

class QcmaParameter;
class RemoteServerLink;
class SimulatedServerLink;
class TesterServer;
class TestServerLink;
class zelServerManager;

// A tester with a server manager on it, for every suite that needs one: the embedded simulated tester
// (by default a fixed seed and every port with an SFP/SFP+ module), or the small fake link
// a test scripts. The manager sees only the ServerLink interface; a remote tester takes the same place.
class TesterFixture
{
public:
    explicit TesterFixture(int portCount = 4);
    explicit TesterFixture(const SimulatorOptions &options);
    // How the manager reaches the simulated tester: in the process, or served by the tester daemon (in
    // the process too) over TCP on 127.0.0.1.
    enum class Path { Embedded, ThroughDaemon };
    TesterFixture(const SimulatorOptions &options, Path path);
    // A fake link holding one value of every catalogue parameter on each port (global ones once, on no
    // port); initialValues (by SID) replace the catalogue defaults. No port: the test adds the values.
    TesterFixture(const QByteArray &catalogueJson, const QList<int> &ports = {1},
                  const QHash<int, QVariant> &initialValues = {});
    ~TesterFixture();
    TesterFixture(const TesterFixture &) = delete;
    TesterFixture &operator=(const TesterFixture &) = delete;

    // The simulated tester of the fixture: a fixed seed, every port with an SFP/SFP+ module.
    static SimulatorOptions testOptions(int portCount = 4);
    // The same with every port powered on with the named structure and the module it needs.
    static SimulatorOptions structureOptions(const QString &structure, int portCount = 1);

    // The simulated tester (null on a fake link), and the fake link (null on the simulated tester).
    SimulatedServerLink *link() const;
    // The link to the daemon on that path (null otherwise).
    RemoteServerLink *remote() const { return m_remote.get(); }
    TestServerLink *fake() const { return m_fake.get(); }
    // The server manager: on the simulated tester made at once, on a fake link when first asked for, so
    // that the test can give the link its values before.
    zelServerManager *manager() const;
    // The manager's modal runner: a test installs its dialog handler here (ScopedDialogHandler).
    DialogRunner &dialogRunner() const { return m_dialogRunner; }

    // What a binding would read: the manager's cached parameter, or null.
    const QcmaParameter *cached(int port, int id) const;
    const QcmaParameter *cachedSid(int sid) const;
    // Sends a copy of the cached parameter holding value, as one request; false when there is no
    // cached parameter or it cannot hold such a value.
    bool write(int port, int id, const QVariant &value);
    bool writeSid(int sid, const QVariant &value);
    // Lets every answer the tester has posted reach the manager; false if they do not arrive.
    bool settle();
    // write, then settle; true when the tester accepted the value and the cache holds it.
    bool writeAndWait(int port, int id, const QVariant &value);

private:
    int pendingAnswers() const;

    static constexpr int maxSettleRounds = 1000;
    static constexpr int maxWaitMs = 5000;
    std::unique_ptr<SimulatedServerLink> m_simulator;
    std::unique_ptr<TesterServer> m_server;
    std::unique_ptr<RemoteServerLink> m_remote;
    std::unique_ptr<TestServerLink> m_fake;
    // Outlives the manager it is installed on.
    mutable DialogRunner m_dialogRunner;
    mutable std::unique_ptr<zelServerManager> m_manager;
};
