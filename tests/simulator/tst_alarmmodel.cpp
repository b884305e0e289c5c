#include <QtTest>

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/otn/otnsignalcatalogue.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "simulator/alarmmodel.h"
#include "simulator/poweronstructure.h"
#include "simulator/simulatedserverlink.h"
#include "tests/support/testerfixture.h"

using namespace nsSettings::Otn;
using Expectation = QVector<QPair<int, int>>;

namespace {

const int sum0 = nsIID::Otn::Alarm::SUM_ERRALARM[0];
const int sum1 = nsIID::Otn::Alarm::SUM_ERRALARM[1];

using Writes = QVector<QPair<int, QVariant>>;

// A trace identifier part (SAPI or DAPI) other than the tester's default one.
const QByteArray otherTrace = QByteArray("\0OTHER TRACE ID", 16);

SimulatorOptions optionsFor(const QString &structure)
{
    SimulatorOptions options = TesterFixture::testOptions(2);
    if (const PowerOnStructure *found = PowerOnStructure::find(structure)) {
        options.structure = structure;
        options.moduleTypes = {found->moduleType, found->moduleType};
    }
    return options;
}

// Sends the values as one request, each as a copy of the cached parameter.
bool writeBatch(TesterFixture &f, const Writes &values)
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

// The port's result counters since its received structure was set, as the tester answers them.
QHash<int, IntervalDataCounters::Value> cumulativeCounters(TesterFixture &f)
{
    QHash<int, IntervalDataCounters::Value> counters;
    QObject context;
    QObject::connect(f.link(), &ServerLink::intervalDataArrived, &context, [&counters](QSharedPointer<IntervalData> data) {
        if (auto block = data.dynamicCast<IntervalDataCounters>())
            counters = block->values;
    });
    f.manager()->Interval_GetAndPost_Ex(1, nsSID::otn, cumulativeIntervalSelector);
    f.settle();
    return counters;
}

} // namespace

class tst_AlarmModel : public QObject
{
    Q_OBJECT
private slots:
    void alarmSetByTheTesterStaysUntilTheConfigurationChanges();
    void aNewReceivedStructureHasNoHistory();
    void receiverReportsWhatItReceives_data();
    void receiverReportsWhatItReceives();
    void blockErrorsCountInEachInterval();
    void definesOnlyWhatTheStructureHas_data();
    void definesOnlyWhatTheStructureHas();
};

void tst_AlarmModel::alarmSetByTheTesterStaysUntilTheConfigurationChanges()
{
    TesterFixture f;
    const int los = PID::Otn::STATUS::LOS;
    QVERIFY(f.link()->serverChange(nsSID::otnSid(1, los), AlarmModel::current));
    QVERIFY(f.settle());
    QCOMPARE(f.cached(1, los)->getEnum(), int(AlarmModel::current));
    QVERIFY(f.writeAndWait(1, 11019, 0x20u));
    QCOMPARE(f.cached(1, los)->getEnum(), int(AlarmModel::history));
    QVERIFY(!f.link()->serverChange(nsSID::otnSid(1, 999), 1));
}

void tst_AlarmModel::aNewReceivedStructureHasNoHistory()
{
    TesterFixture f(optionsFor(QStringLiteral("otu2-bulk")));
    const int lof = PID::Otn::STATUS::LOF;
    const int received = f.cached(1, PID::Otn::RX::MAPPING[0])->getEnum();
    QVERIFY(writeBatch(f, {{PID::Otn::RX::MAPPING[0], 3}}));
    QCOMPARE(f.cached(1, lof)->getEnum(), int(AlarmModel::current));
    QCOMPARE(cumulativeCounters(f).value(lof).count, quint64(1));
    // Set again, the structure is measured anew: the LOF of the other one is neither counted nor history.
    QVERIFY(writeBatch(f, {{PID::Otn::RX::MAPPING[0], received}}));
    QCOMPARE(f.cached(1, lof)->getEnum(), int(AlarmModel::clear));
    QCOMPARE(f.cached(1, sum0)->getEnum(), int(AlarmModel::clear));
    QCOMPARE(cumulativeCounters(f).value(lof).count, quint64(0));
}

void tst_AlarmModel::receiverReportsWhatItReceives_data()
{
    QTest::addColumn<QString>("structure");
    QTest::addColumn<Writes>("writes");       // one request
    QTest::addColumn<Writes>("then");         // one request each, in order
    QTest::addColumn<Expectation>("expected");

    using namespace PID::Otn;
    namespace Alarm = nsIID::Otn::Alarm;
    const int smTim = STATUS::SM_TIM;
    const int smBdi = STATUS::SM_BDI;
    const int otuAis = 110;
    const QString bulk = QStringLiteral("otu2-bulk");
    const QString threeLevels = QStringLiteral("otu4-odu2-odu0");

    const Writes none;
    const QByteArray pt83 = QByteArray::fromHex("83");

    // The receiver sees its own port's transmitter.
    QTest::newRow("multiplex as sent")
        << bulk << Writes{{TX::MAPPING[2], MUX_ODU1_ODU2_PT21}, {RX::MAPPING[2], MUX_ODU1_ODU2_PT21}} << none
        << Expectation{{STATUS::LOS, 0}, {STATUS::LOF, 0}, {Alarm::PLM[0], 0}, {Alarm::MSIM[0], 0}, {sum0, 0},
                       {sum1, 0}};
    QTest::newRow("other multiplex expected")
        << bulk << Writes{{TX::MAPPING[2], MUX_ODU1_ODU2_PT21}, {RX::MAPPING[2], MUX_ODU0_ODU2}} << none
        << Expectation{{Alarm::MSIM[0], 1}, {Alarm::PLM[0], 0}, {sum0, 1}, {Alarm::ODU_AIS[1], 1}, {sum1, 1}};
    QTest::newRow("port switched off")
        << bulk << none << Writes{{TX::PORT_MODE, 0}} << Expectation{{STATUS::LOS, 1}, {STATUS::LOF, 0}, {sum0, 1}};
    QTest::newRow("payload type set by hand")
        << bulk << Writes{{TX::OPU_PAYLOAD_TYPE[0], pt83}} << none << Expectation{{Alarm::PLM[0], 1}, {sum0, 1}};
    QTest::newRow("payload type set by hand, PLM detection off")
        << bulk << Writes{{RX::PLM_DETECTION, 0}, {TX::OPU_PAYLOAD_TYPE[0], pt83}} << none
        << Expectation{{Alarm::PLM[0], 0}, {sum0, 0}};
    QTest::newRow("laser off")
        << bulk << Writes{{TX::LASER, 0}} << none
        << Expectation{{STATUS::LOS, 1}, {STATUS::LOF, 0}, {STATUS::OOF, 0}, {sum0, 1}};
    QTest::newRow("other interface expected: no frame")
        << bulk << Writes{{RX::MAPPING[0], 3}} << none
        << Expectation{{STATUS::LOS, 0}, {STATUS::LOF, 1}, {STATUS::OOF, 1}, {401, 0}, {sum0, 1}};
    QTest::newRow("test pattern not the one expected")
        << bulk << Writes{{RX::BULK_PATTERN, 1}} << none << Expectation{{169, 1}, {sum0, 1}};

    // A trace mismatch replaces what the layer carries by ODU-AIS; the BDI the port's transmitter sends
    // back for it is not reported beside it.
    QTest::newRow("SM SAPI other than expected")
        << bulk << Writes{{RX::SM_TTI_DETECTION, 1}, {RX::SM_EXPECTED_SAPI, otherTrace}} << none
        << Expectation{{smTim, 1}, {smBdi, 0}, {Alarm::ODU_AIS[0], 1}, {sum0, 1}};
    QTest::newRow("SM SAPI other, TIM action off")
        << bulk << Writes{{RX::SM_TTI_DETECTION, 1}, {RX::SM_EXPECTED_SAPI, otherTrace}, {RX::SM_TIM_ACTION, 0}}
        << none << Expectation{{smTim, 1}, {smBdi, 1}, {Alarm::ODU_AIS[0], 0}};
    QTest::newRow("SM DAPI other, both compared")
        << bulk << Writes{{RX::SM_TTI_DETECTION, 3}, {RX::SM_EXPECTED_DAPI, otherTrace}} << none
        << Expectation{{smTim, 1}};
    QTest::newRow("SM trace other, detection off")
        << bulk << Writes{{RX::SM_EXPECTED_SAPI, otherTrace}} << none << Expectation{{smTim, 0}, {sum0, 0}};
    QTest::newRow("SM BDI sent")
        << bulk << Writes{{TX::OTU_SM_BITS, 0x08}} << none << Expectation{{smBdi, 1}, {smTim, 0}};

    QTest::newRow("PM trace of the middle level")
        << threeLevels << Writes{{RX::PM_TTI_DETECTION, 1}, {TX::ODU_PM_TTI_SAPI[1], otherTrace}} << none
        << Expectation{{Alarm::PM_TIM[1], 1}, {Alarm::PM_BDI[1], 0}, {Alarm::ODU_AIS[2], 1}, {Alarm::PM_TIM[0], 0},
                       {Alarm::ODU_AIS[1], 0}, {sum0, 0}, {sum1, 1}, {Alarm::SUM_ERRALARM[2], 1}};
    QTest::newRow("PM trace of the middle level, TIM action off")
        << threeLevels
        << Writes{{RX::PM_TTI_DETECTION, 1}, {TX::ODU_PM_TTI_SAPI[1], otherTrace}, {RX::PM_TIM_ACTION, 0}} << none
        << Expectation{{Alarm::PM_TIM[1], 1}, {Alarm::PM_BDI[1], 1}, {Alarm::ODU_AIS[2], 0}};
    QTest::newRow("ODU-AIS sent on the middle level hides what it carries")
        << threeLevels
        << Writes{{TX::ODU_PM_BITS[1], 0x07}, {RX::PM_TTI_DETECTION, 1}, {TX::ODU_PM_TTI_SAPI[2], otherTrace}} << none
        << Expectation{{Alarm::ODU_AIS[1], 1}, {Alarm::ODU_AIS[2], 1}, {Alarm::PM_TIM[2], 0}, {sum0, 0}, {sum1, 1}};
    QTest::newRow("ODU-LCK on the line level")
        << threeLevels << Writes{{TX::ODU_PM_BITS[0], 0x05}} << none
        << Expectation{{Alarm::ODU_LCK[0], 1}, {Alarm::ODU_AIS[0], 0}, {Alarm::ODU_AIS[1], 1}, {Alarm::ODU_AIS[2], 1}};
    // The receiver looks for an ODU1 where the transmitter put an ODU0.
    int odu1InOdu2 = -1;
    for (int value : OtnSignalCatalogue::stage1Values()) {
        if (OtnSignalCatalogue::stage1Name(value) == QLatin1String("ODTU12 (PT=21)"))
            odu1InOdu2 = value;
    }
    QTest::newRow("multiplex taken apart otherwise, MSIM detection off")
        << threeLevels << Writes{{MEASUREMENT::MSIM_DETECTION[1], 0}, {RX::MAPPING[3], odu1InOdu2}} << none
        << Expectation{{Alarm::MSIM[1], 0}, {Alarm::PLM[1], 0}, {Alarm::ODU_LOF_LOM[2], 1}, {Alarm::ODU_AIS[2], 0},
                       {Alarm::SUM_ERRALARM[2], 1}, {sum1, 0}};
    QTest::newRow("multiplex taken apart otherwise")
        << threeLevels << Writes{{RX::MAPPING[3], odu1InOdu2}} << none
        << Expectation{{Alarm::MSIM[1], 1}, {Alarm::ODU_LOF_LOM[2], 0}, {Alarm::ODU_AIS[2], 1}, {sum1, 1}};

    // OTUCn: BDI in both SM and PM, IAE and OTUCn-AIS in the SM's STAT, LCK but no OCI in the ODUCn's.
    const QString otucn = QStringLiteral("otlc.4");
    QTest::newRow("OTUCn SM BDI") << otucn << Writes{{TX::OTU_SM_BITS, 0x09}} << none
                                  << Expectation{{smBdi, 1}, {STATUS::SM_IAE, 0}};
    QTest::newRow("OTUCn SM STAT 111: OTUCn-AIS, ODU-AIS below")
        << otucn << Writes{{TX::OTU_SM_BITS, 0x0F}} << none
        << Expectation{{otuAis, 1}, {Alarm::ODU_AIS[0], 1}, {smBdi, 0}, {STATUS::SM_IAE, 0}, {169, 0}};
    QTest::newRow("ODUCn-LCK") << otucn << Writes{{TX::ODU_PM_BITS[0], 0x05}} << none
                               << Expectation{{Alarm::ODU_LCK[0], 1}, {Alarm::PM_BDI[0], 0}};

    QTest::newRow("TCM2 with no source")
        << bulk << Writes{{RX::TCM, 1}, {TX::ODU_TCM_BITS[0][1], 0}} << none
        << Expectation{{Alarm::TCMi_LTC[1], 1}, {Alarm::TCMi_LTC[0], 0}, {sum0, 1}};
    // The tester monitors the tandem connections: a TCM's trace mismatch replaces nothing.
    QTest::newRow("TCM3 DAPI other than expected, BDI sent")
        << bulk
        << Writes{{RX::TCM, 1}, {RX::TCM_TTI_DETECTION[2], 3}, {RX::TCM_EXPECTED_DAPI[2], otherTrace},
                  {TX::ODU_TCM_BITS[0][2], 0x09}}
        << none << Expectation{{Alarm::TCMi_TIM[2], 1}, {Alarm::TCMi_BDI[2], 0}, {Alarm::TCMi_TIM[1], 0},
                               {Alarm::ODU_AIS[0], 0}};
    QTest::newRow("PM STAT AIS set on the line, TCMs monitored on")
        << bulk << Writes{{RX::TCM, 1}, {TX::ODU_PM_BITS[0], 0x07}, {TX::ODU_TCM_BITS[0][1], 0}} << none
        << Expectation{{Alarm::ODU_AIS[0], 1}, {Alarm::TCMi_LTC[1], 1}, {Alarm::TCMi_LTC[0], 0}};
}

void tst_AlarmModel::receiverReportsWhatItReceives()
{
    QFETCH(QString, structure);
    QFETCH(Writes, writes);
    QFETCH(Writes, then);
    QFETCH(Expectation, expected);

    TesterFixture f(optionsFor(structure));
    QVERIFY(writeBatch(f, writes));
    for (const auto &w : then)
        QVERIFY(writeBatch(f, {w}));
    for (const auto &e : expected) {
        QVERIFY2(f.cached(1, e.first)->getEnum() == e.second,
                 qPrintable(QStringLiteral("status %1 is %2, expected %3")
                                .arg(e.first).arg(f.cached(1, e.first)->getEnum()).arg(e.second)));
    }
    QCOMPARE(f.cached(2, sum0)->getEnum(), 0);
}

void tst_AlarmModel::blockErrorsCountInEachInterval()
{
    TesterFixture f(optionsFor(QStringLiteral("otu4-odu2-odu0")));
    const auto newInterval = [&f] {
        f.manager()->Interval_GetAndPost_Ex(1, nsSID::otn, currentIntervalSelector);
        return f.settle();
    };
    const int pmBei = nsIID::Otn::Error::PM_BEI[1];
    const int sum = nsIID::Otn::Alarm::SUM_ERRALARM[1];
    // The far end reports 3 block errors per frame on the middle level; counted from the next interval.
    QVERIFY(f.writeAndWait(1, PID::Otn::TX::ODU_PM_BITS[1], 0x31));
    QCOMPARE(f.cached(1, pmBei)->getEnum(), 0);
    QVERIFY(newInterval());
    QCOMPARE(f.cached(1, pmBei)->getEnum(), 1);
    QCOMPARE(f.cached(1, sum)->getEnum(), 1);
    QVERIFY(newInterval());
    QCOMPARE(f.cached(1, pmBei)->getEnum(), 1);

    // BEI 1001 counts nothing: the counter keeps its history.
    QVERIFY(f.writeAndWait(1, PID::Otn::TX::ODU_PM_BITS[1], 0x91));
    QVERIFY(newInterval());
    QCOMPARE(f.cached(1, pmBei)->getEnum(), 2);
    QCOMPARE(f.cached(1, sum)->getEnum(), 2);
    QCOMPARE(f.cached(1, nsIID::Otn::Error::PM_BEI[0])->getEnum(), 0);
}

void tst_AlarmModel::definesOnlyWhatTheStructureHas_data()
{
    using namespace PID::Otn;
    using namespace nsIID::Otn;
    using Ids = QVector<int>;
    QTest::addColumn<QString>("structure");
    QTest::addColumn<Writes>("writes");
    QTest::addColumn<Ids>("defined");
    QTest::addColumn<Ids>("undefined");

    const int fecCorrected = STATUS::FEC_CORRECTED, fecUncorrectable = 1112;
    const int otucnLol = 433, laneLof = 401, laneSummary = 405;
    const int csf = 167, lofd = 168, patternLoss = 169, bitErrors = 1174, patternInSync = 2717;
    const int jcErrors = 2407, omfiErrorsOdu4 = 2411, omfiErrorsOdu2 = 2412;
    const int gfpClientFrames = 1401, gfpFFrameLength = 1169, gfpTCodes = 1155;

    QTest::newRow("OPU4 multiplexing: OMFI on the ODU4, GMP CRCs on both GMP levels")
        << "otu4-odu2-odu0" << Writes{}
        << Ids{omfiErrorsOdu4, Error::CRC8[0], Error::CRC5[1], Alarm::MSIM[0], Alarm::MSIM[1], fecCorrected,
               patternLoss, bitErrors, patternInSync, Alarm::ODU_OCI[2]}
        << Ids{omfiErrorsOdu2, Error::CRC8[2], otucnLol, laneLof, csf, lofd, Alarm::SUM_ERRALARM[3], 1429};
    QTest::newRow("AMP stages: no GMP CRC but for the client's")
        << "otu3-odu2-odu1-odu0" << Writes{}
        << Ids{jcErrors, Alarm::MSIM[2], Error::CRC8[3], csf, Alarm::ODU_LOF_LOM[3]}
        << Ids{Error::CRC8[0], Error::CRC8[1], Error::CRC5[2], omfiErrorsOdu4, patternLoss, bitErrors, patternInSync};
    QTest::newRow("no multiplex stage: no MSIM, no LOFD")
        << "otu2-bulk" << Writes{} << Ids{fecCorrected, fecUncorrectable, patternLoss}
        << Ids{Alarm::MSIM[0], lofd, csf, jcErrors, Error::CRC8[0], Alarm::ODU_AIS[1], Alarm::SUM_ERRALARM[1],
               Alarm::TCMi_TIM[0], Error::TCMi_BEI[5]};
    QTest::newRow("OTUCn: lane alignment, no FEC; ODUCn: no OCI, no FTFL")
        << "otlc.4" << Writes{}
        << Ids{otucnLol, 1429, laneLof, laneSummary, STATUS::SM_BDI, STATUS::SM_IAE, Alarm::PM_BDI[0],
               Alarm::ODU_LCK[0]}
        << Ids{Alarm::ODU_OCI[0], Alarm::FSF[0], Alarm::BSD[0], fecCorrected, Alarm::MSIM[0]};
    QTest::newRow("Ethernet by GFP-F: GFP results, no pattern results")
        << "otu4-oduflex-gfpf" << Writes{} << Ids{lofd, gfpClientFrames, gfpFFrameLength, csf, Error::CRC8[0]}
        << Ids{patternLoss, bitErrors, patternInSync, gfpTCodes, Error::CRC8[1]};
}

void tst_AlarmModel::definesOnlyWhatTheStructureHas()
{
    using Ids = QVector<int>;
    QFETCH(QString, structure);
    QFETCH(Writes, writes);
    QFETCH(Ids, defined);
    QFETCH(Ids, undefined);

    TesterFixture f(optionsFor(structure));
    QVERIFY(writeBatch(f, writes));
    const QHash<int, IntervalDataCounters::Value> counters = cumulativeCounters(f);
    QVERIFY(!counters.isEmpty());
    // The status pages show the tester's definition, the result pages its counters.
    for (bool expected : {true, false}) {
        for (int id : expected ? defined : undefined) {
            const QcmaParameter *status = f.cached(1, id);
            if (status && status->getType() == QcmaParameter::TypeEnum)
                QVERIFY2(status->isDefined() == expected, qPrintable(QStringLiteral("status %1").arg(id)));
            QVERIFY2(counters.contains(id) == expected, qPrintable(QStringLiteral("counter %1").arg(id)));
        }
    }
}

QTEST_GUILESS_MAIN(tst_AlarmModel)
#include "tst_alarmmodel.moc"
