#include "testerfixture.h"

#include <QCoreApplication>
#include <QTest>

#include "apps/shared/sid.h"
#include "host/link/remoteserverlink.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "simulator/poweronstructure.h"
#include "simulator/daemon/testerserver.h"
#include "simulator/simulatedserverlink.h"
#include "testserverlink.h"

TesterFixture::TesterFixture(int portCount) : TesterFixture(testOptions(portCount)) {}

TesterFixture::TesterFixture(const SimulatorOptions &options)
    : m_simulator(std::make_unique<SimulatedServerLink>(options))
{
    manager();
}

TesterFixture::TesterFixture(const SimulatorOptions &options, Path path)
{
    if (path == Path::Embedded) {
        m_simulator = std::make_unique<SimulatedServerLink>(options);
    } else {
        m_server = std::make_unique<TesterServer>(options);
        m_server->listen(QHostAddress::LocalHost, 0);
        m_remote = std::make_unique<RemoteServerLink>(QStringLiteral("127.0.0.1"), m_server->serverPort());
        m_remote->waitForConnected(maxWaitMs);
    }
    manager();
}

TesterFixture::TesterFixture(const QByteArray &catalogueJson, const QList<int> &ports,
                             const QHash<int, QVariant> &initialValues)
    : m_fake(std::make_unique<TestServerLink>(catalogueJson, ports, initialValues))
{}

TesterFixture::~TesterFixture()
{
    // The manager listens to the link: it goes first.
    m_manager.reset();
    m_remote.reset();
}

SimulatedServerLink *TesterFixture::link() const
{
    return m_server ? m_server->tester() : m_simulator.get();
}

SimulatorOptions TesterFixture::testOptions(int portCount)
{
    SimulatorOptions options;
    options.portCount = portCount;
    options.moduleTypes = {0, 0, 0, 0};
    options.seed = 1;
    return options;
}

SimulatorOptions TesterFixture::structureOptions(const QString &structure, int portCount)
{
    SimulatorOptions options = testOptions(portCount);
    if (const PowerOnStructure *found = PowerOnStructure::find(structure)) {
        options.structure = structure;
        options.moduleTypes = QVector<int>(portCount, found->moduleType);
    }
    return options;
}

zelServerManager *TesterFixture::manager() const
{
    if (!m_manager) {
        ServerLink *link = m_remote ? static_cast<ServerLink *>(m_remote.get())
                           : m_simulator ? static_cast<ServerLink *>(m_simulator.get())
                                         : m_fake.get();
        m_manager = std::make_unique<zelServerManager>(link);
        m_manager->setModalRunner(&m_dialogRunner);
    }
    return m_manager.get();
}

const QcmaParameter *TesterFixture::cached(int port, int id) const
{
    return cachedSid(nsSID::otnSid(port, id));
}

const QcmaParameter *TesterFixture::cachedSid(int sid) const
{
    return manager()->cachedParameter(sid);
}

bool TesterFixture::write(int port, int id, const QVariant &value)
{
    return writeSid(nsSID::otnSid(port, id), value);
}

bool TesterFixture::writeSid(int sid, const QVariant &value)
{
    const QcmaParameter *current = cachedSid(sid);
    if (!current)
        return false;
    std::unique_ptr<QcmaParameter> copy = current->clone();
    if (!copy->setValue(value))
        return false;
    manager()->SetQcmaParameter(copy.get());
    return true;
}

int TesterFixture::pendingAnswers() const
{
    return link() ? link()->pendingAnswers() : m_fake->pendingAnswers();
}

bool TesterFixture::settle()
{
    // Over TCP an answer needs the sockets too: done when every write is confirmed.
    if (m_remote)
        return QTest::qWaitFor([this] { return m_remote->unconfirmedWrites() == 0 && pendingAnswers() == 0; }, maxWaitMs);
    // Answers are posted events: delivering them needs the event loop, not time.
    for (int round = 0; round < maxSettleRounds && pendingAnswers() > 0; ++round)
        QCoreApplication::processEvents();
    return pendingAnswers() == 0;
}

bool TesterFixture::writeAndWait(int port, int id, const QVariant &value)
{
    const int refusedBefore = link() ? link()->refusedWrites() : 0;
    if (!write(port, id, value) || !settle())
        return false;
    if (link() && link()->refusedWrites() != refusedBefore)
        return false;
    const QcmaParameter *now = cached(port, id);
    std::unique_ptr<QcmaParameter> expected = now ? now->clone() : nullptr;
    return expected && expected->setValue(value) && expected->toVariant() == now->toVariant();
}
