#include "testerserver.h"

#include <QCborMap>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QLoggingCategory>
#include <QTcpSocket>

#include "host/link/framecodec.h"
#include "host/link/linkmessage.h"
#include "host/parameters/qcmaparameter.h"
#include "simulator/simulatedserverlink.h"
#include "testersession.h"

Q_LOGGING_CATEGORY(lcTesterServer, "zel.tester")

namespace {
// The tester answers the replayed requests at once; this only bounds a tester that would not.
constexpr int replayAnswerWaitMs = 5 * 1000;
} // namespace

TesterServer::TesterServer(const SimulatorOptions &options, const QString &statePath, QObject *parent)
    : QObject(parent), m_tester(std::make_unique<SimulatedServerLink>(options)), m_journal(statePath)
{
    for (const QString &error : m_tester->catalogueErrors())
        qCWarning(lcTesterServer).noquote() << "catalogue:" << error;
    replayJournal();
    connect(m_tester.get(), &ServerLink::parameterChanged, this, [this](QSharedPointer<QcmaParameter> parameter) {
        const QCborMap message = LinkMessage::changed({parameter});
        for (TesterSession *session : qAsConst(m_sessions)) {
            if (session->isWelcomed())
                session->send(message);
        }
    });
    connect(m_tester.get(), &ServerLink::intervalDataArrived, this, [this](QSharedPointer<IntervalData> data) {
        if (m_intervalAskers.empty()) {
            qCWarning(lcTesterServer) << "interval data nobody asked for, sid" << Qt::hex << data->sid();
            return;
        }
        if (TesterSession *asker = m_intervalAskers.front())
            asker->send(LinkMessage::data({data}));
    });
    connect(&m_server, &QTcpServer::newConnection, this, &TesterServer::onNewConnection);
}

TesterServer::~TesterServer()
{
    const QList<TesterSession *> sessions = m_sessions;
    m_sessions.clear();
    qDeleteAll(sessions);
}

void TesterServer::replayJournal()
{
    QStringList errors;
    const QList<QCborMap> writes = m_journal.load(&errors);
    for (const QString &error : qAsConst(errors))
        qCWarning(lcTesterServer).noquote() << "state:" << error;
    for (const QCborMap &message : writes) {
        std::vector<std::unique_ptr<QcmaParameter>> values;
        QString error;
        if (!LinkMessage::readParameters(message, &values, &error)) {
            qCWarning(lcTesterServer).noquote() << "state: a request skipped:" << error;
            continue;
        }
        QList<const QcmaParameter *> list;
        for (const std::unique_ptr<QcmaParameter> &p : values)
            list.append(p.get());
        m_tester->write(list);
    }
    // The tester's answers to the replay are for nobody: they are let through before a client can come.
    const QDeadlineTimer deadline(replayAnswerWaitMs);
    while (m_tester->pendingAnswers() > 0 && !deadline.hasExpired())
        QCoreApplication::processEvents();
    if (!writes.isEmpty())
        qCInfo(lcTesterServer).noquote() << QStringLiteral("state: %1 requests replayed from %2").arg(writes.size()).arg(m_journal.path());
}

bool TesterServer::listen(const QHostAddress &address, quint16 port)
{
    if (!m_server.listen(address, port)) {
        qCCritical(lcTesterServer).noquote() << QStringLiteral("cannot listen on %1:%2: %3")
                                                    .arg(address.toString()).arg(port).arg(m_server.errorString());
        return false;
    }
    qCInfo(lcTesterServer).noquote() << QStringLiteral("listening on %1:%2").arg(address.toString()).arg(m_server.serverPort());
    return true;
}

void TesterServer::onNewConnection()
{
    while (QTcpSocket *socket = m_server.nextPendingConnection()) {
        auto *session = new TesterSession(socket, this);
        if (m_sessions.size() >= m_maxClients) {
            qCWarning(lcTesterServer).noquote() << "refused" << session->peer() << ": already" << m_sessions.size() << "clients";
            connect(session, &TesterSession::finished, session, &QObject::deleteLater);
            session->close(QStringLiteral("the tester serves %1 clients already").arg(m_maxClients));
            continue;
        }
        m_sessions.append(session);
        qCInfo(lcTesterServer).noquote() << "client" << session->peer() << "connected;" << m_sessions.size() << "clients";
        connect(session, &TesterSession::finished, this, [this](TesterSession *finished) {
            if (!m_sessions.removeOne(finished))
                return;
            qCInfo(lcTesterServer).noquote() << "client" << finished->peer() << "gone;" << m_sessions.size() << "clients";
            finished->deleteLater();
        });
    }
}

void TesterServer::closeAll(const QString &reason)
{
    m_server.close();
    const QList<TesterSession *> sessions = m_sessions;
    for (TesterSession *session : sessions)
        session->close(reason);
}

void TesterServer::welcome(TesterSession *session)
{
    QVector<int> modules;
    for (int port = 1; port <= m_tester->portCount(); ++port)
        modules.append(m_tester->portModuleType(port));
    session->send(LinkMessage::welcome(m_tester->catalogue(), modules, m_tester->applicationType(), m_tester->snapshot()));
}

void TesterServer::write(TesterSession *session, const QCborMap &message)
{
    qint64 id = 0;
    QString error;
    std::vector<std::unique_ptr<QcmaParameter>> values;
    if (!LinkMessage::readNumber(message, QStringLiteral("id"), 1, LLONG_MAX, &id, &error)
        || !LinkMessage::readParameters(message, &values, &error)) {
        session->close(QStringLiteral("bad write: %1").arg(error));
        return;
    }
    // Kept before the tester takes it: a confirmed write is in the file.
    if (!m_journal.append(message)) {
        session->close(QStringLiteral("the tester cannot keep its state"));
        return;
    }
    QList<const QcmaParameter *> list;
    for (const std::unique_ptr<QcmaParameter> &p : values)
        list.append(p.get());
    m_tester->write(list);
    // The tester's answer is already posted; this comes after it.
    QMetaObject::invokeMethod(
        this,
        [this, asker = QPointer<TesterSession>(session), id] {
            if (!asker)
                return;
            ++m_confirmedWrites;
            asker->send(LinkMessage::confirm(quint64(id)));
        },
        Qt::QueuedConnection);
}

void TesterServer::requestInterval(TesterSession *session, int port, int group, quint32 selector)
{
    m_intervalAskers.push_back(session);
    m_tester->requestIntervalData(port, group, selector);
    // Marks where the answers to this request end.
    QMetaObject::invokeMethod(this, [this] { m_intervalAskers.pop_front(); }, Qt::QueuedConnection);
}
