#pragma once

#include <deque>
#include <memory>

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QTcpServer>

#include "simulator/simulatoroptions.h"
#include "testerjournal.h"

class QCborMap;
class SimulatedServerLink;
class TesterSession;

// The simulated tester served over TCP to many clients at once. Every client sees the same tester: a
// value the tester announces (a confirmation, a dependent change, a measured value) goes to every
// welcomed client; a write is confirmed to its writer after the tester's answer to it went out, and an
// interval answer goes to the client that asked. Writes are kept in the journal before they are confirmed.
class TesterServer : public QObject
{
    Q_OBJECT
public:
    explicit TesterServer(const SimulatorOptions &options, const QString &statePath = QString(),
                          QObject *parent = nullptr);
    ~TesterServer() override;

    // Starts listening (port 0: any free one); false with the reason logged.
    bool listen(const QHostAddress &address, quint16 port);
    quint16 serverPort() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }
    // Clients beyond this many are refused.
    void setMaxClients(int count) { m_maxClients = count; }
    int clientCount() const { return m_sessions.size(); }
    // Closes every connection, telling each client why.
    void closeAll(const QString &reason);

    SimulatedServerLink *tester() const { return m_tester.get(); }
    // Confirmations sent so far (for a test accounting for every write).
    int confirmedWrites() const { return m_confirmedWrites; }

    // From the sessions.
    void welcome(TesterSession *session);
    void write(TesterSession *session, const QCborMap &message);
    void requestInterval(TesterSession *session, int port, int group, quint32 selector);

private:
    void onNewConnection();
    void replayJournal();

    std::unique_ptr<SimulatedServerLink> m_tester;
    QTcpServer m_server;
    TesterJournal m_journal;
    QList<TesterSession *> m_sessions;
    // Who asked for the interval answers still to come, oldest first: the tester answers in order.
    std::deque<QPointer<TesterSession>> m_intervalAskers;
    int m_maxClients = 64;
    int m_confirmedWrites = 0;
};
