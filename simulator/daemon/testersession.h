#pragma once

#include <QObject>
#include <QPointer>
#include <QTcpSocket>

#include "host/link/framecodec.h"

class TesterServer;

// One client of the tester daemon: reads its frames, hands its requests to the server and sends what the
// server has for it. A frame it cannot read ends this connection, with the reason logged and sent.
class TesterSession : public QObject
{
    Q_OBJECT
public:
    TesterSession(QTcpSocket *socket, TesterServer *server);
    ~TesterSession() override;

    QString peer() const { return m_peer; }
    // Welcomed: the client said hello and got the tester's catalogue and values.
    bool isWelcomed() const { return m_welcomed; }
    void send(const QCborMap &message);
    // Tells the client why, and closes the connection.
    void close(const QString &reason);

signals:
    void finished(TesterSession *session);

private:
    void onReadyRead();
    void handle(const QCborMap &message);

    QPointer<QTcpSocket> m_socket;
    TesterServer *m_server = nullptr;
    FrameCodec m_codec;
    QString m_peer;
    bool m_welcomed = false;
    bool m_closing = false;
};
