#include <QtTest>

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/parameters/qcmaparameter.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/server/zelservermanager.h"
#include "simulator/alarmmodel.h"
#include "simulator/simulatedserverlink.h"
#include "tests/simulator/simulatortesthelpers.h"
#include "tests/support/testerfixture.h"

using namespace nsSettings::Otn;
using SimTest::valueNamed;
using Expectation = QVector<QPair<int, int>>;

namespace {

constexpr int los = 101;
constexpr int lof = 102;
constexpr int portMode = 11001;
constexpr int plmDetection = 12501;
const int plm0 = nsIID::Otn::Alarm::PLM[0];
const int msim0 = nsIID::Otn::Alarm::MSIM[0];
const int sum0 = nsIID::Otn::Alarm::SUM_ERRALARM[0];
const int sum1 = nsIID::Otn::Alarm::SUM_ERRALARM[1];

// Sends the values as one request, each as a copy of the cached parameter.
bool writeBatch(TesterFixture &f, const QVector<QPair<int, QVariant>> &values)
{
    std::vector<std::unique_ptr<QcmaParameter>> copies;
    QList<const QcmaParameter *> batch;
    for (const auto &v : values) {
        copies.push_back(f.cached(1, v.first)->clone());
        copies.back()->setValue(v.second);
        batch.append(copies.back().get());
    }
    const int refused = f.link()->refusedWrites();
    f.manager()->SetQcmaParameterList(batch);
    return f.settle() && f.link()->refusedWrites() == refused;
}

} // namespace

class tst_AlarmModel : public QObject
{
    Q_OBJECT
private slots:
    void receiverSeesItsOwnTransmitter_data();
    void receiverSeesItsOwnTransmitter();
    void alarmSetByTheTesterStaysUntilTheConfigurationChanges();
};

void tst_AlarmModel::receiverSeesItsOwnTransmitter_data()
{
    QTest::addColumn<int>("txStage0");
    QTest::addColumn<int>("rxStage0");
    QTest::addColumn<QString>("rxInterface");
    QTest::addColumn<QVector<int>>("portModes");
    QTest::addColumn<int>("plm");
    QTest::addColumn<QByteArray>("payloadType");
    QTest::addColumn<Expectation>("expected");

    const QByteArray structure;
    QTest::newRow("all as sent") << int(MUX_ODU1_ODU2_PT21) << int(MUX_ODU1_ODU2_PT21) << "OTU2" << QVector<int>{1}
                                 << 1 << structure
                                 << Expectation{{los, 0}, {lof, 0}, {plm0, 0}, {msim0, 0}, {sum0, 0}, {sum1, 0}};
    QTest::newRow("port switched off") << int(MUX_NONE) << int(MUX_NONE) << "OTU2" << QVector<int>{0} << 1
                                       << structure << Expectation{{los, 1}, {lof, 0}, {sum0, 1}};
    QTest::newRow("switched off and on again") << int(MUX_NONE) << int(MUX_NONE) << "OTU2" << QVector<int>{0, 1}
                                               << 1 << structure << Expectation{{los, 2}, {lof, 0}, {sum0, 2}};
    QTest::newRow("other interface expected") << int(MUX_NONE) << int(MUX_NONE) << "OTU4" << QVector<int>{1} << 1
                                              << structure << Expectation{{los, 0}, {lof, 1}, {sum0, 1}};
    QTest::newRow("other multiplex expected") << int(MUX_ODU1_ODU2_PT21) << int(MUX_ODU0_ODU2) << "OTU2"
                                              << QVector<int>{1} << 1 << structure
                                              << Expectation{{msim0, 1}, {plm0, 0}, {sum0, 1}, {sum1, 0}};
    QTest::newRow("payload type set by hand") << int(MUX_NONE) << int(MUX_NONE) << "OTU2" << QVector<int>{1} << 1
                                              << QByteArray::fromHex("83") << Expectation{{plm0, 1}, {sum0, 1}};
    QTest::newRow("payload type set by hand, PLM detection off")
        << int(MUX_NONE) << int(MUX_NONE) << "OTU2" << QVector<int>{1} << 0 << QByteArray::fromHex("83")
        << Expectation{{plm0, 0}, {sum0, 0}};
}

void tst_AlarmModel::receiverSeesItsOwnTransmitter()
{
    QFETCH(int, txStage0);
    QFETCH(int, rxStage0);
    QFETCH(QString, rxInterface);
    QFETCH(QVector<int>, portModes);
    QFETCH(int, plm);
    QFETCH(QByteArray, payloadType);
    QFETCH(Expectation, expected);

    TesterFixture f;
    using namespace PID::Otn;
    // The whole set-up is one request: the receiver judges its outcome.
    QVector<QPair<int, QVariant>> setup = {{TX::MAPPING[0], valueNamed(f, TX::MAPPING[0], QStringLiteral("OTU2"))},
                                           {TX::MAPPING[2], txStage0},
                                           {RX::MAPPING[0], valueNamed(f, RX::MAPPING[0], rxInterface)},
                                           {plmDetection, plm}};
    if (rxInterface == QLatin1String("OTU2"))
        setup.append({RX::MAPPING[2], rxStage0});
    if (!payloadType.isEmpty())
        setup.append({TX::OPU_PAYLOAD_TYPE[0], payloadType});
    QVERIFY(writeBatch(f, setup));
    for (int mode : portModes)
        QVERIFY(f.writeAndWait(1, portMode, mode));

    for (const auto &e : expected)
        QVERIFY2(f.cached(1, e.first)->getEnum() == e.second,
                 qPrintable(QStringLiteral("alarm %1 is %2, expected %3")
                                .arg(e.first).arg(f.cached(1, e.first)->getEnum()).arg(e.second)));
    // Port 2 keeps its own, clear alarms.
    QCOMPARE(f.cached(2, sum0)->getEnum(), 0);
}

void tst_AlarmModel::alarmSetByTheTesterStaysUntilTheConfigurationChanges()
{
    TesterFixture f;
    QVERIFY(f.link()->serverChange(nsSID::otnSid(1, los), AlarmModel::current));
    QVERIFY(f.settle());
    QCOMPARE(f.cached(1, los)->getEnum(), int(AlarmModel::current));
    QVERIFY(f.writeAndWait(1, 11019, 0x20u));
    QCOMPARE(f.cached(1, los)->getEnum(), int(AlarmModel::history));
    QVERIFY(!f.link()->serverChange(nsSID::otnSid(1, 999), 1));
}

QTEST_GUILESS_MAIN(tst_AlarmModel)
#include "tst_alarmmodel.moc"
