#include "simulatorfixture.h"

#include <QCoreApplication>

#include "apps/shared/sid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "simulator/simulatedserverlink.h"

SimulatorFixture::SimulatorFixture(int portCount) : SimulatorFixture(quietOptions(portCount))
{
}

SimulatorFixture::SimulatorFixture(const SimulatorOptions &options)
    : m_link(std::make_unique<SimulatedServerLink>(options)),
      m_manager(std::make_unique<zelServerManager>(m_link.get()))
{
}

SimulatorFixture::~SimulatorFixture()
{
    // The manager listens to the link: it goes first.
    m_manager.reset();
    m_link.reset();
}

SimulatorOptions SimulatorFixture::quietOptions(int portCount)
{
    SimulatorOptions options;
    options.portCount = portCount;
    options.moduleTypes = {0, 0, 0, 0};
    options.seed = 1;
    options.liveUpdates = false;
    return options;
}

const QcmaParameter *SimulatorFixture::cached(int port, int id) const
{
    return cachedSid(nsSID::otnSid(port, id));
}

const QcmaParameter *SimulatorFixture::cachedSid(int sid) const
{
    return m_manager->cachedParameter(sid);
}

bool SimulatorFixture::write(int port, int id, const QVariant &value)
{
    return writeSid(nsSID::otnSid(port, id), value);
}

bool SimulatorFixture::writeSid(int sid, const QVariant &value)
{
    const QcmaParameter *current = cachedSid(sid);
    if (!current)
        return false;
    std::unique_ptr<QcmaParameter> copy(current->clone());
    if (!copy->setValue(value))
        return false;
    m_manager->SetQcmaParameter(copy.get());
    return true;
}

bool SimulatorFixture::settle()
{
    // Answers are posted events: delivering them needs the event loop, not time.
    for (int round = 0; round < maxSettleRounds && m_link->pendingAnswers() > 0; ++round)
        QCoreApplication::processEvents();
    return m_link->pendingAnswers() == 0;
}

bool SimulatorFixture::writeAndWait(int port, int id, const QVariant &value)
{
    const int refusedBefore = m_link->refusedWrites();
    if (!write(port, id, value) || !settle() || m_link->refusedWrites() != refusedBefore)
        return false;
    const QcmaParameter *now = cached(port, id);
    std::unique_ptr<QcmaParameter> expected(now ? now->clone() : nullptr);
    return expected && expected->setValue(value) && expected->toVariant() == now->toVariant();
}
