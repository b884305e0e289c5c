#pragma once

#include <map>
#include <memory>
#include <unordered_map>

#include <QHostAddress>
#include <QTcpSocket>
#include <QTimer>
#include <QVector>

#include "framecodec.h"
#include "serverlink.h"

// A tester reached over TCP (docs/protocol.md). It keeps a copy of every value the tester announced, so
// that a snapshot needs no round trip. A loss (the socket goes, or a frame it cannot read) makes every
// value undefined, reports each write the tester had not confirmed as not applied, and retries with a
// growing pause; the welcome of the new connection brings the catalogue and the values again. A write is
// never sent twice: after a loss the user sees what the tester holds and decides.
class ZELCORE_EXPORT RemoteServerLink : public ServerLink
{
    Q_OBJECT
public:
    RemoteServerLink(const QString &host, quint16 port, QObject *parent = nullptr);
    ~RemoteServerLink() override;

    QSharedPointer<const ParameterCatalogue> sharedCatalogue() const override { return m_catalogue; }
    std::vector<std::unique_ptr<QcmaParameter>> snapshot() const override;
    void write(const QList<const QcmaParameter *> &parameters) override;
    void requestIntervalData(int port, int group, quint32 selector) override;

    int portCount() const override { return m_moduleTypes.size(); }
    int portModuleType(int port) const override { return m_moduleTypes.value(port - 1, 0); }
    int applicationType() const override { return m_applicationType; }

    QString peer() const { return QStringLiteral("%1:%2").arg(m_host).arg(m_port); }
    // Runs the event loop until the tester welcomed the link or msecs passed; true when connected.
    bool waitForConnected(int msecs);
    // Writes sent and not yet confirmed.
    int unconfirmedWrites() const { return int(m_unconfirmed.size()); }
    // Writes reported as not applied since the link was made.
    int writesNotApplied() const { return m_writesNotApplied; }
    // The pause before the next attempt after a loss: from firstRetryMs doubling up to lastRetryMs.
    void setRetryPauses(int firstRetryMs, int lastRetryMs);

private:
    void connectToTester();
    void onReadyRead();
    void handle(const QCborMap &message);
    void welcome(const QCborMap &message);
    void send(const QCborMap &message);
    // The connection is gone: tells why, and tries again later.
    void lose(const QString &reason);

    QString m_host;
    quint16 m_port = 0;
    QTcpSocket m_socket;
    FrameCodec m_codec;
    QTimer m_retry;
    int m_firstRetryMs = 500;
    int m_lastRetryMs = 8000;
    int m_retryMs = 500;
    bool m_welcomed = false;
    bool m_losing = false;
    QSharedPointer<ParameterCatalogue> m_catalogue = QSharedPointer<ParameterCatalogue>::create();
    QByteArray m_catalogueJson;
    QVector<int> m_moduleTypes;
    int m_applicationType = 0;
    std::unordered_map<int, std::unique_ptr<QcmaParameter>> m_values;
    quint64 m_nextWrite = 0;
    // Write id -> the SIDs it carried, until the tester confirms it.
    std::map<quint64, QList<int>> m_unconfirmed;
    int m_writesNotApplied = 0;
};
