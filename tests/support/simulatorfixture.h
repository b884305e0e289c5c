#pragma once

#include <memory>

#include <QVariant>

#include "simulator/simulatoroptions.h"

class QcmaParameter;
class SimulatedServerLink;
class zelServerManager;

// A simulated tester with a server manager on it, for tests that need a live server. The physical
// values stand still unless the test calls link()->advance().
class SimulatorFixture
{
public:
    explicit SimulatorFixture(int portCount = 4);
    explicit SimulatorFixture(const SimulatorOptions &options);
    ~SimulatorFixture();
    SimulatorFixture(const SimulatorFixture &) = delete;
    SimulatorFixture &operator=(const SimulatorFixture &) = delete;

    // The options of a fixture: no timer, fixed seed, all ports with an SFP/SFP+ module.
    static SimulatorOptions quietOptions(int portCount = 4);

    SimulatedServerLink *link() const { return m_link.get(); }
    zelServerManager *manager() const { return m_manager.get(); }

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
    static constexpr int maxSettleRounds = 1000;
    std::unique_ptr<SimulatedServerLink> m_link;
    std::unique_ptr<zelServerManager> m_manager;
};
