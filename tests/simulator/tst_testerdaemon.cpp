#include <memory>
#include <vector>

#include <QCborArray>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtTest>

#include "apps/shared/sid.h"
#include "host/link/framecodec.h"
#include "host/link/linkmessage.h"
#include "host/link/remoteserverlink.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "simulator/daemon/testerserver.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/testerfixture.h"

namespace {

constexpr int waitMs = 10 * 1000;
const int offsetId = PID::Otn::STIMULI::FREQUENCY_OFFSET;

// A client of the tester: a link with a manager on it.
struct Client {
    explicit Client(quint16 port) : link(std::make_unique<RemoteServerLink>(QStringLiteral("127.0.0.1"), port))
    {
        // The manager is made on a welcomed link, as the application makes it.
        link->waitForConnected(waitMs);
        link->setRetryPauses(50, 200);
        manager = std::make_unique<zelServerManager>(link.get());
    }
    ~Client() { manager.reset(); }

    double offset(int port) const
    {
        const QcmaParameter *p = manager->cachedParameter(nsSID::otnSid(port, offsetId));
        return p && p->isDefined() ? p->getDouble() : qQNaN();
    }
    void setOffset(int port, double value) const
    {
        std::unique_ptr<QcmaParameter> copy = manager->GetQcmaParameter(nsSID::otnSid(port, offsetId));
        copy->setValue(value);
        manager->SetQcmaParameter(copy.get());
    }

    std::unique_ptr<RemoteServerLink> link;
    std::unique_ptr<zelServerManager> manager;
};

} // namespace

// The simulated tester served by the daemon to clients over TCP on 127.0.0.1.
class tst_TesterDaemon : public QObject
{
    Q_OBJECT

private slots:
    void malformedFramesCloseOnlyTheirConnection_data();
    void malformedFramesCloseOnlyTheirConnection();
    void clientsShareTheTesterUpToTheLimit();
    void restartKeepsConfirmedValuesAndReportsTheRest();
};

void tst_TesterDaemon::malformedFramesCloseOnlyTheirConnection_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("reason");
    const QByteArray hello = FrameCodec::encode(LinkMessage::hello(QStringLiteral("test")));
    QTest::newRow("zero length") << QByteArray(4, '\0') << "frame length 0";
    QCborMap badValue = LinkMessage::write(1, {});
    badValue.insert(QStringLiteral("values"), QCborArray{QCborMap{{QStringLiteral("sid"), QStringLiteral("x")}}});
    QTest::newRow("bad parameter") << hello + FrameCodec::encode(badValue) << "bad write: value 0";
}

void tst_TesterDaemon::malformedFramesCloseOnlyTheirConnection()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, reason);
    TesterServer server(TesterFixture::testOptions(1));
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    Client bystander(server.serverPort());
    QVERIFY(bystander.link->state() == ServerLink::State::Connected);

    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, server.serverPort());
    QVERIFY(socket.waitForConnected(waitMs));
    socket.write(bytes);
    QTRY_COMPARE_WITH_TIMEOUT(socket.state(), QAbstractSocket::UnconnectedState, waitMs);
    FrameCodec codec;
    codec.append(socket.readAll());
    QCborMap message;
    QString said;
    while (codec.next(&message) == FrameCodec::Result::Message) {
        if (LinkMessage::check(message, nullptr) == LinkMessage::Type::Close)
            said = message.value(QStringLiteral("reason")).toString();
    }
    QVERIFY2(said.contains(reason), qPrintable(said));
    QTRY_COMPARE_WITH_TIMEOUT(server.clientCount(), 1, waitMs);

    // The other client goes on as before.
    bystander.setOffset(1, 3.5);
    QTRY_COMPARE_WITH_TIMEOUT(bystander.offset(1), 3.5, waitMs);
    QCOMPARE(bystander.link->state(), ServerLink::State::Connected);
}

void tst_TesterDaemon::clientsShareTheTesterUpToTheLimit()
{
    constexpr int clientCount = 3;
    constexpr int rounds = 10;
    TesterServer server(TesterFixture::testOptions(clientCount));
    server.setMaxClients(clientCount);
    QVERIFY(server.listen(QHostAddress::LocalHost, 0));
    std::vector<std::unique_ptr<Client>> clients;
    std::vector<int> answers(clientCount, 0);
    int misrouted = 0;
    for (int i = 0; i < clientCount; ++i) {
        clients.push_back(std::make_unique<Client>(server.serverPort()));
        QVERIFY(clients.back()->link->state() == ServerLink::State::Connected);
        connect(clients.back()->link.get(), &ServerLink::intervalDataArrived, this,
                [&answers, &misrouted, i](QSharedPointer<IntervalData> data) {
                    ++answers[i];
                    misrouted += nsSID::portOf(data->sid()) != i + 1;
                });
    }
    RemoteServerLink refused(QStringLiteral("127.0.0.1"), server.serverPort());
    QTRY_VERIFY_WITH_TIMEOUT(refused.stateReason().contains(QLatin1String("the tester serves 3 clients already")),
                             waitMs);
    Client &a = *clients[0];
    Client &b = *clients[1];
    QCOMPARE(b.link->portCount(), clientCount);
    QCOMPARE(b.manager->catalogue().count(), server.tester()->catalogue().count());
    // Every value of every kind arrives as the tester holds it.
    for (const std::unique_ptr<QcmaParameter> &held : server.tester()->snapshot()) {
        const QcmaParameter *seen = b.manager->cachedParameter(held->getSID());
        QVERIFY2(seen && seen->sameValue(*held) && seen->isDefined() == held->isDefined(), qPrintable(held->describe()));
    }

    // Many writes and requests at once: each request is answered to its client alone.
    for (int round = 0; round < rounds; ++round) {
        for (int i = 0; i < clientCount; ++i) {
            clients[i]->setOffset(i + 1, i + round / 10.0);
            clients[i]->link->requestIntervalData(i + 1, nsSID::otn, currentIntervalSelector);
        }
        QCoreApplication::processEvents();
    }
    QTRY_COMPARE_WITH_TIMEOUT(server.confirmedWrites(), clientCount * rounds, waitMs);
    for (int i = 0; i < clientCount; ++i) {
        QTRY_COMPARE_WITH_TIMEOUT(clients[i]->link->unconfirmedWrites(), 0, waitMs);
        QTRY_VERIFY_WITH_TIMEOUT(answers[i] >= rounds, waitMs);
    }
    QCOMPARE(misrouted, 0);

    a.setOffset(1, 12.5);
    QTRY_COMPARE_WITH_TIMEOUT(b.offset(1), 12.5, waitMs);
    b.setOffset(2, -7.5);
    QTRY_COMPARE_WITH_TIMEOUT(a.offset(2), -7.5, waitMs);
    // A refused value comes back as the value the tester keeps, to every client.
    a.setOffset(1, 999.0);
    QTRY_COMPARE_WITH_TIMEOUT(a.link->unconfirmedWrites(), 0, waitMs);
    QCOMPARE(a.offset(1), 12.5);
    QCOMPARE(b.offset(1), 12.5);
}

void tst_TesterDaemon::restartKeepsConfirmedValuesAndReportsTheRest()
{
    QTemporaryDir dir;
    const QString state = dir.filePath(QStringLiteral("tester.state"));
    auto server = std::make_unique<TesterServer>(TesterFixture::testOptions(1), state);
    QVERIFY(server->listen(QHostAddress::LocalHost, 0));
    const quint16 port = server->serverPort();
    Client client(port);
    QList<ServerLink::State> states;
    connect(client.link.get(), &ServerLink::stateChanged, this, [&states](ServerLink::State s) { states.append(s); });

    client.setOffset(1, 42.5);
    QTRY_COMPARE_WITH_TIMEOUT(client.link->unconfirmedWrites(), 0, waitMs);
    // Sent, but the tester goes before it reads it.
    client.setOffset(1, -1.5);
    QCOMPARE(client.link->unconfirmedWrites(), 1);
    server.reset();

    QTRY_COMPARE_WITH_TIMEOUT(client.link->state(), ServerLink::State::Lost, waitMs);
    QCOMPARE(client.link->writesNotApplied(), 1);
    QVERIFY(qIsNaN(client.offset(1)));

    server = std::make_unique<TesterServer>(TesterFixture::testOptions(1), state);
    QVERIFY(server->listen(QHostAddress::LocalHost, port));
    QCOMPARE(server->tester()->value(nsSID::otnSid(1, offsetId))->getDouble(), 42.5);
    QTRY_COMPARE_WITH_TIMEOUT(client.link->state(), ServerLink::State::Connected, waitMs);
    QCOMPARE(client.offset(1), 42.5);
    QCOMPARE(states.first(), ServerLink::State::Lost);
    QCOMPARE(states.last(), ServerLink::State::Connected);
    QCOMPARE(client.link->writesNotApplied(), 1);
}

QTEST_GUILESS_MAIN(tst_TesterDaemon)
#include "tst_testerdaemon.moc"
