#include "testerfixture.h"

#include <QCoreApplication>

#include "apps/shared/sid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "simulator/poweronstructure.h"
#include "simulator/simulatedserverlink.h"
#include "testserverlink.h"

TesterFixture::TesterFixture(int portCount) : TesterFixture(testOptions(portCount)) {}

TesterFixture::TesterFixture(const SimulatorOptions &options)
    : m_simulator(std::make_unique<SimulatedServerLink>(options))
{
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
        ServerLink *link = m_simulator ? static_cast<ServerLink *>(m_simulator.get()) : m_fake.get();
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
    return m_simulator ? m_simulator->pendingAnswers() : m_fake->pendingAnswers();
}

bool TesterFixture::settle()
{
    // Answers are posted events: delivering them needs the event loop, not time.
    for (int round = 0; round < maxSettleRounds && pendingAnswers() > 0; ++round)
        QCoreApplication::processEvents();
    return pendingAnswers() == 0;
}

bool TesterFixture::writeAndWait(int port, int id, const QVariant &value)
{
    const int refusedBefore = m_simulator ? m_simulator->refusedWrites() : 0;
    if (!write(port, id, value) || !settle())
        return false;
    if (m_simulator && m_simulator->refusedWrites() != refusedBefore)
        return false;
    const QcmaParameter *now = cached(port, id);
    std::unique_ptr<QcmaParameter> expected = now ? now->clone() : nullptr;
    return expected && expected->setValue(value) && expected->toVariant() == now->toVariant();
}
