#include "testersession.h"

#include <QCborMap>
#include <QLoggingCategory>

#include "host/link/linkmessage.h"
#include "testerserver.h"

Q_LOGGING_CATEGORY(lcTesterSession, "zel.tester.session")

TesterSession::TesterSession(QTcpSocket *socket, TesterServer *server)
    : QObject(server), m_socket(socket), m_server(server),
      m_peer(QStringLiteral("%1:%2").arg(socket->peerAddress().toString()).arg(socket->peerPort()))
{
    socket->setParent(this);
    connect(socket, &QTcpSocket::readyRead, this, &TesterSession::onReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, [this] { emit finished(this); });
}

TesterSession::~TesterSession()
{
    if (m_socket)
        m_socket->disconnect(this);
}

void TesterSession::send(const QCborMap &message)
{
    if (m_socket && !m_closing)
        m_socket->write(FrameCodec::encode(message));
}

void TesterSession::close(const QString &reason)
{
    if (m_closing || !m_socket)
        return;
    qCWarning(lcTesterSession).noquote() << "closing" << m_peer << ":" << reason;
    m_socket->write(FrameCodec::encode(LinkMessage::close(reason)));
    m_closing = true;
    // What was written still goes out; the disconnection then ends the session.
    m_socket->disconnectFromHost();
    if (m_socket->state() == QAbstractSocket::UnconnectedState)
        emit finished(this);
}

void TesterSession::onReadyRead()
{
    if (m_closing) {
        m_socket->readAll();
        return;
    }
    const bool readable = m_codec.read(m_socket->readAll(), [this](const QCborMap &message) {
        handle(message);
        return !m_closing;
    });
    if (!readable)
        close(QStringLiteral("bad frame: %1").arg(m_codec.error()));
}

void TesterSession::handle(const QCborMap &message)
{
    QString error;
    const LinkMessage::Type type = LinkMessage::check(message, &error);
    if (type == LinkMessage::Type::Unknown) {
        close(error);
        return;
    }
    if (type == LinkMessage::Type::Hello) {
        if (m_welcomed) {
            close(QStringLiteral("hello said twice"));
            return;
        }
        qCInfo(lcTesterSession).noquote() << m_peer << "is" << message.value(QStringLiteral("client")).toString();
        m_welcomed = true;
        m_server->welcome(this);
        return;
    }
    if (!m_welcomed) {
        close(QStringLiteral("a request before hello"));
        return;
    }
    switch (type) {
    case LinkMessage::Type::Write:
        m_server->write(this, message);
        return;
    case LinkMessage::Type::Interval: {
        qint64 port = 0;
        qint64 group = 0;
        qint64 selector = 0;
        if (!LinkMessage::readNumber(message, QStringLiteral("port"), 0, 255, &port, &error)
            || !LinkMessage::readNumber(message, QStringLiteral("group"), 0, INT_MAX, &group, &error)
            || !LinkMessage::readNumber(message, QStringLiteral("selector"), 0, UINT_MAX, &selector, &error)) {
            close(QStringLiteral("bad interval request: %1").arg(error));
            return;
        }
        m_server->requestInterval(this, int(port), int(group), quint32(selector));
        return;
    }
    case LinkMessage::Type::Close:
        qCInfo(lcTesterSession).noquote() << m_peer << "leaves:" << message.value(QStringLiteral("reason")).toString();
        m_closing = true;
        m_socket->disconnectFromHost();
        return;
    default:
        close(QStringLiteral("a tester's message from a client"));
        return;
    }
}
