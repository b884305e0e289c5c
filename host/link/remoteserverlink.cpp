#include "remoteserverlink.h"

#include <QCborArray>
#include <QEventLoop>
#include <QLoggingCategory>

#include "host/parameters/intervaldata.h"
#include "host/parameters/qcmaparameter.h"
#include "linkmessage.h"

Q_LOGGING_CATEGORY(lcRemoteLink, "zel.link.remote")

namespace {

QString sidList(const QList<int> &sids)
{
    QStringList names;
    for (int sid : sids)
        names.append(QStringLiteral("0x%1").arg(uint(sid), 8, 16, QLatin1Char('0')));
    return names.join(QStringLiteral(", "));
}

} // namespace

RemoteServerLink::RemoteServerLink(const QString &host, quint16 port, QObject *parent)
    : ServerLink(parent), m_host(host), m_port(port)
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &RemoteServerLink::connectToTester);
    connect(&m_socket, &QTcpSocket::connected, this, [this] {
        qCInfo(lcRemoteLink).noquote() << "connected to" << peer();
        send(LinkMessage::hello(QStringLiteral("otn-client")));
    });
    connect(&m_socket, &QTcpSocket::readyRead, this, &RemoteServerLink::onReadyRead);
    connect(&m_socket, &QTcpSocket::disconnected, this, [this] { lose(QStringLiteral("the tester closed the connection")); });
    connect(&m_socket, &QTcpSocket::errorOccurred, this, [this] { lose(m_socket.errorString()); });
    connectToTester();
}

RemoteServerLink::~RemoteServerLink()
{
    m_socket.disconnect(this);
    m_socket.abort();
}

void RemoteServerLink::setRetryPauses(int firstRetryMs, int lastRetryMs)
{
    m_firstRetryMs = firstRetryMs;
    m_lastRetryMs = qMax(firstRetryMs, lastRetryMs);
    m_retryMs = firstRetryMs;
}

void RemoteServerLink::connectToTester()
{
    m_codec = FrameCodec();
    m_welcomed = false;
    m_socket.connectToHost(m_host, m_port);
}

bool RemoteServerLink::waitForConnected(int msecs)
{
    if (state() == State::Connected)
        return true;
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    const QMetaObject::Connection followed = connect(this, &ServerLink::stateChanged, &loop, [&loop](State s) {
        if (s == State::Connected)
            loop.quit();
    });
    timeout.start(msecs);
    loop.exec();
    disconnect(followed);
    return state() == State::Connected;
}

std::vector<std::unique_ptr<QcmaParameter>> RemoteServerLink::snapshot() const
{
    std::vector<std::unique_ptr<QcmaParameter>> copies;
    if (state() != State::Connected)
        return copies;
    copies.reserve(m_values.size());
    for (const auto &entry : m_values)
        copies.push_back(entry.second->clone());
    return copies;
}

void RemoteServerLink::write(const QList<const QcmaParameter *> &parameters)
{
    QList<int> sids;
    for (const QcmaParameter *p : parameters) {
        if (p)
            sids.append(p->getSID());
    }
    if (sids.isEmpty())
        return;
    if (!m_welcomed) {
        ++m_writesNotApplied;
        qCWarning(lcRemoteLink).noquote() << QStringLiteral("write not applied, the tester cannot be reached: sid %1")
                                                 .arg(sidList(sids));
        return;
    }
    const quint64 id = ++m_nextWrite;
    m_unconfirmed[id] = sids;
    send(LinkMessage::write(id, parameters));
}

void RemoteServerLink::requestIntervalData(int port, int group, quint32 selector)
{
    if (!m_welcomed) {
        qCDebug(lcRemoteLink) << "interval request not sent: the tester cannot be reached";
        return;
    }
    send(LinkMessage::interval(port, group, selector));
}

void RemoteServerLink::send(const QCborMap &message)
{
    m_socket.write(FrameCodec::encode(message));
}

void RemoteServerLink::onReadyRead()
{
    const bool readable = m_codec.read(m_socket.readAll(), [this](const QCborMap &message) {
        handle(message);
        // A message that ends the connection leaves nothing more to read.
        return m_socket.state() == QAbstractSocket::ConnectedState;
    });
    if (!readable)
        lose(QStringLiteral("bad frame from the tester: %1").arg(m_codec.error()));
}

void RemoteServerLink::handle(const QCborMap &message)
{
    QString error;
    const LinkMessage::Type type = LinkMessage::check(message, &error);
    if (type != LinkMessage::Type::Welcome && type != LinkMessage::Type::Close && !m_welcomed && error.isEmpty())
        error = QStringLiteral("message before the welcome");
    switch (type) {
    case LinkMessage::Type::Welcome:
        if (error.isEmpty())
            welcome(message);
        return;
    case LinkMessage::Type::Changed: {
        std::vector<std::unique_ptr<QcmaParameter>> values;
        if (!error.isEmpty() || !LinkMessage::readParameters(message, &values, &error))
            break;
        // The copy first: whoever is told may take a snapshot.
        for (std::unique_ptr<QcmaParameter> &p : values) {
            QSharedPointer<QcmaParameter> told(p->clone().release());
            m_values[p->getSID()] = std::move(p);
            emit parameterChanged(told);
        }
        return;
    }
    case LinkMessage::Type::Confirm: {
        qint64 id = 0;
        if (!error.isEmpty() || !LinkMessage::readNumber(message, QStringLiteral("id"), 1, LLONG_MAX, &id, &error))
            break;
        if (m_unconfirmed.erase(quint64(id)) == 0)
            qCWarning(lcRemoteLink) << "confirmation of a write never sent or confirmed before:" << id;
        return;
    }
    case LinkMessage::Type::Data: {
        QList<QSharedPointer<IntervalData>> blocks;
        if (!error.isEmpty() || !LinkMessage::readIntervalData(message, &blocks, &error))
            break;
        for (const QSharedPointer<IntervalData> &block : qAsConst(blocks))
            emit intervalDataArrived(block);
        return;
    }
    case LinkMessage::Type::Close:
        error = QStringLiteral("the tester closed the connection: %1").arg(message.value(QStringLiteral("reason")).toString());
        break;
    case LinkMessage::Type::Hello:
    case LinkMessage::Type::Write:
    case LinkMessage::Type::Interval:
        error = QStringLiteral("a client's message from the tester");
        break;
    case LinkMessage::Type::Unknown:
        break;
    }
    lose(error);
}

void RemoteServerLink::welcome(const QCborMap &message)
{
    QString error;
    auto catalogue = QSharedPointer<ParameterCatalogue>::create();
    std::vector<std::unique_ptr<QcmaParameter>> values;
    const QCborArray modules = message.value(QStringLiteral("modules")).toArray();
    if (!LinkMessage::readCatalogue(message, catalogue.data(), &error)
        || !LinkMessage::readParameters(message, &values, &error)) {
        lose(QStringLiteral("bad welcome: %1").arg(error));
        return;
    }
    if (modules.isEmpty()) {
        lose(QStringLiteral("bad welcome: the tester has no port"));
        return;
    }
    // Texts already built keep the first catalogue; a tester that comes back with another is told.
    const QByteArray json = catalogue->toJson();
    if (m_catalogueJson.isEmpty()) {
        m_catalogue = catalogue;
        m_catalogueJson = json;
    } else if (json != m_catalogueJson) {
        qCWarning(lcRemoteLink) << "the tester describes its parameters otherwise than before; names shown stay the "
                                   "first ones until the client restarts";
        m_catalogue = catalogue;
        m_catalogueJson = json;
    }
    QVector<int> moduleTypes;
    for (const QCborValue type : modules)
        moduleTypes.append(int(type.toInteger()));
    if (!m_moduleTypes.isEmpty() && moduleTypes.size() != m_moduleTypes.size())
        qCWarning(lcRemoteLink) << "the tester now has" << moduleTypes.size() << "ports instead of" << m_moduleTypes.size();
    m_moduleTypes = moduleTypes;
    m_applicationType = int(message.value(QStringLiteral("application")).toInteger());
    m_values.clear();
    for (std::unique_ptr<QcmaParameter> &p : values)
        m_values[p->getSID()] = std::move(p);
    m_welcomed = true;
    m_retryMs = m_firstRetryMs;
    qCInfo(lcRemoteLink).noquote() << QStringLiteral("welcomed by %1: %2 ports, %3 parameters, %4 values")
                                          .arg(peer()).arg(m_moduleTypes.size()).arg(m_catalogue->count())
                                          .arg(m_values.size());
    setState(State::Connected);
}

void RemoteServerLink::lose(const QString &reason)
{
    if (m_retry.isActive() || m_losing)
        return;
    const bool wasWelcomed = m_welcomed;
    m_welcomed = false;
    // Aborting may announce the disconnection again: it is this loss.
    m_losing = true;
    m_socket.abort();
    m_losing = false;
    for (const auto &write : m_unconfirmed) {
        ++m_writesNotApplied;
        qCWarning(lcRemoteLink).noquote()
            << QStringLiteral("write %1 not applied, the connection went before the tester confirmed it: sid %2")
                   .arg(write.first).arg(sidList(write.second));
    }
    m_unconfirmed.clear();
    if (wasWelcomed) {
        // Nothing shown stays as if it were measured now.
        for (auto &entry : m_values) {
            entry.second->setDefined(false);
            emit parameterChanged(QSharedPointer<QcmaParameter>(entry.second->clone().release()));
        }
    }
    qCWarning(lcRemoteLink).noquote() << QStringLiteral("connection to %1 lost: %2; next attempt in %3 ms")
                                             .arg(peer(), reason).arg(m_retryMs);
    setState(State::Lost, reason);
    m_retry.start(m_retryMs);
    m_retryMs = qMin(m_retryMs * 2, m_lastRetryMs);
}
