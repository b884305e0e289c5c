#include <QtTest>

#include <cmath>

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/otn/otnsettings.h"
#include "host/parameters/intervaldata.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "simulator/alarmmodel.h"
#include "simulator/simulatedserverlink.h"
#include "tests/simulator/simulatortesthelpers.h"
#include "tests/support/testerfixture.h"

using namespace PID::Otn;
using namespace nsSettings::Otn;
namespace Alarm = nsIID::Otn::Alarm;
namespace Error = nsIID::Otn::Error;
namespace Gfp = nsIID::Otn::Gfp;
namespace Lane = nsIID::Otn::Lane;
using Writes = QVector<QPair<int, QVariant>>;
using Expectation = QVector<QPair<int, int>>;
using Ids = QVector<int>;
using Counters = QHash<int, IntervalDataCounters::Value>;

namespace {

constexpr int clear = AlarmModel::clear, current = AlarmModel::current, history = AlarmModel::history;
const int sum0 = Alarm::SUM_ERRALARM[0];
const int sum1 = Alarm::SUM_ERRALARM[1];
const QString bulk = QStringLiteral("otu2-bulk");
const QString threeLevels = QStringLiteral("otu4-odu2-odu0");
// A trace identifier part (SAPI or DAPI) other than the tester's default one.
const QByteArray otherTrace = QByteArray("\0OTHER TRACE ID", 16);
// G.709 frame rates: the ODU bit rate over the 4 x 3824 bytes of a frame (ODU4 856 387.7, ODU2 82 025.3
// frames a second).
constexpr double odu4Frames = 239.0 / 227 * 99532800e3 / (4 * 3824 * 8);
constexpr double odu2Frames = 239.0 / 237 * 9953280e3 / (4 * 3824 * 8);

// One second measured on port 1 (a current or cumulative interval), and the counters answered for it.
Counters measure(TesterFixture &f, quint32 selector = cumulativeIntervalSelector)
{
    Counters counters;
    QObject context;
    QObject::connect(f.link(), &ServerLink::intervalDataArrived, &context, [&counters](QSharedPointer<IntervalData> d) {
        if (auto block = d.dynamicCast<IntervalDataCounters>())
            counters = block->values;
    });
    f.manager()->Interval_GetAndPost_Ex(1, nsSID::otn, selector);
    f.settle();
    return counters;
}

int state(const TesterFixture &f, int id)
{
    return f.cached(1, id)->getEnum();
}

// Writes port 1's parameters in order, one request each (a text: the enumerator so named); false when
// the tester refuses one.
bool write(TesterFixture &f, const Writes &writes)
{
    for (const auto &w : writes) {
        const bool named = w.second.userType() == QMetaType::QString;
        const QVariant value = named ? QVariant(SimTest::valueNamed(f, w.first, w.second.toString())) : w.second;
        if (!f.writeAndWait(1, w.first, value))
            return false;
    }
    return true;
}

// The insertion of the item named so on level, in the mode named so, after setup.
Writes inserted(int level, const char *item, const char *mode = "Continuous", const Writes &setup = {})
{
    return setup + Writes{{STIMULI::LEVEL, level}, {STIMULI::ITEM, QString(item)}, {STIMULI::MODE, QString(mode)},
                          {STIMULI::INSERTION, STIMULI::INSERTION_ON}};
}

QBitArray lanes(int count, int lane)
{
    QBitArray bits(count);
    bits.setBit(lane);
    return bits;
}

} // namespace

// The receiver of a port on the simulated tester, which sees its own port's transmitter: what it is sent
// or what is inserted, the defects and consequent actions it finds, the counts at the layer's frame rate.
class tst_Reception : public QObject
{
    Q_OBJECT
private slots:
    void aNewReceivedStructureHasNoHistory();
    void receiverReportsWhatItReceives_data();
    void receiverReportsWhatItReceives();
    void blockErrorsCountAtTheLayersFrameRate();
    void definesOnlyWhatTheStructureHas_data();
    void definesOnlyWhatTheStructureHas();
    void burstErrsExactlyItsFramesThenIsDone();
    void errorsOfAnotherCategory_data();
    void errorsOfAnotherCategory();
    void structureThatNoLongerOffersTheItemStopsIt();
    void appliedMoveSendsItsBurstOnce_data();
    void appliedMoveSendsItsBurstOnce();
    void skewBeyondWhatTheReceiverTakesOut_data();
    void skewBeyondWhatTheReceiverTakesOut();
};

void tst_Reception::aNewReceivedStructureHasNoHistory()
{
    TesterFixture f(TesterFixture::structureOptions(bulk));
    const int received = state(f, RX::MAPPING[0]);
    QVERIFY(write(f, {{RX::MAPPING[0], 3}}));
    QCOMPARE(state(f, STATUS::LOF), current);
    QCOMPARE(measure(f).value(STATUS::LOF).count, quint64(1));
    // Set again, the structure is measured anew: the LOF of the other one is neither counted nor history.
    QVERIFY(write(f, {{RX::MAPPING[0], received}}));
    QCOMPARE(state(f, STATUS::LOF), clear);
    QCOMPARE(state(f, sum0), clear);
    QCOMPARE(measure(f).value(STATUS::LOF).count, quint64(0));
}

void tst_Reception::receiverReportsWhatItReceives_data()
{
    QTest::addColumn<QString>("structure");
    QTest::addColumn<Writes>("writes");
    QTest::addColumn<int>("seconds");   // measured after the writes
    QTest::addColumn<Expectation>("expected");

    const QByteArray pt83 = QByteArray::fromHex("83");
    const QString otucn = QStringLiteral("otlc.4");

    QTest::newRow("multiplex as sent")
        << bulk << Writes{{TX::MAPPING[2], MUX_ODU1_ODU2_PT21}, {RX::MAPPING[2], MUX_ODU1_ODU2_PT21}} << 0
        << Expectation{{STATUS::LOS, 0}, {STATUS::LOF, 0}, {Alarm::PLM[0], 0}, {Alarm::MSIM[0], 0}, {sum0, 0},
                       {sum1, 0}};
    QTest::newRow("other multiplex expected")
        << bulk << Writes{{TX::MAPPING[2], MUX_ODU1_ODU2_PT21}, {RX::MAPPING[2], MUX_ODU0_ODU2}} << 0
        << Expectation{{Alarm::MSIM[0], 1}, {Alarm::PLM[0], 0}, {sum0, 1}, {Alarm::ODU_AIS[1], 1}, {sum1, 1}};
    QTest::newRow("port switched off") << bulk << Writes{{TX::PORT_MODE, 0}} << 0
                                       << Expectation{{STATUS::LOS, 1}, {STATUS::LOF, 0}, {sum0, 1},
                                                      {PHYSICAL::RX_LEVEL_STATUS, 3}};
    QTest::newRow("payload type set by hand")
        << bulk << Writes{{TX::OPU_PAYLOAD_TYPE[0], pt83}} << 0 << Expectation{{Alarm::PLM[0], 1}, {sum0, 1}};
    QTest::newRow("other interface expected: no frame")
        << bulk << Writes{{RX::MAPPING[0], 3}} << 0
        << Expectation{{STATUS::LOS, 0}, {STATUS::LOF, 1}, {STATUS::OOF, 1}, {Lane::LLD_LOF, 0}, {sum0, 1}};
    QTest::newRow("test pattern not the one expected")
        << bulk << Writes{{RX::BULK_PATTERN, 1}} << 0
        << Expectation{{nsIID::Otn::Client::PATTERN_LOSS, 1}, {sum0, 1}};

    // A trace mismatch replaces what the layer carries by ODU-AIS; the BDI the port's transmitter sends
    // back for it is not reported beside it.
    QTest::newRow("SM SAPI other than expected")
        << bulk << Writes{{RX::SM_TTI_DETECTION, 1}, {RX::SM_EXPECTED_SAPI, otherTrace}} << 0
        << Expectation{{STATUS::SM_TIM, 1}, {STATUS::SM_BDI, 0}, {Alarm::ODU_AIS[0], 1}, {sum0, 1}};
    QTest::newRow("SM SAPI other, TIM action off")
        << bulk << Writes{{RX::SM_TIM_ACTION, 0}, {RX::SM_TTI_DETECTION, 1}, {RX::SM_EXPECTED_SAPI, otherTrace}}
        << 0 << Expectation{{STATUS::SM_TIM, 1}, {STATUS::SM_BDI, 1}, {Alarm::ODU_AIS[0], 0}};
    QTest::newRow("PM trace of the middle level")
        << threeLevels << Writes{{RX::PM_TTI_DETECTION, 1}, {TX::ODU_PM_TTI_SAPI[1], otherTrace}} << 0
        << Expectation{{Alarm::PM_TIM[1], 1}, {Alarm::PM_BDI[1], 0}, {Alarm::ODU_AIS[2], 1}, {Alarm::PM_TIM[0], 0},
                       {Alarm::ODU_AIS[1], 0}, {sum0, 0}, {sum1, 1}, {Alarm::SUM_ERRALARM[2], 1}};
    // OTUCn: IAE and OTUCn-AIS in the SM's STAT.
    QTest::newRow("OTUCn SM STAT 111: OTUCn-AIS, ODU-AIS below")
        << otucn << Writes{{TX::OTU_SM_BITS, 0x0F}} << 0
        << Expectation{{STATUS::OTU_AIS, 1}, {Alarm::ODU_AIS[0], 1}, {STATUS::SM_BDI, 0}, {STATUS::SM_IAE, 0}};
    QTest::newRow("TCM2 with no source")
        << bulk << Writes{{RX::TCM, 1}, {TX::ODU_TCM_BITS[0][1], 0}} << 0
        << Expectation{{Alarm::TCMi_LTC[1], 1}, {Alarm::TCMi_LTC[0], 0}, {sum0, 1}};
    // The tester monitors the tandem connections: a TCM's trace mismatch replaces nothing.
    QTest::newRow("TCM3 DAPI other than expected, BDI sent")
        << bulk
        << Writes{{RX::TCM, 1}, {RX::TCM_TTI_DETECTION[2], 3}, {RX::TCM_EXPECTED_DAPI[2], otherTrace},
                  {TX::ODU_TCM_BITS[0][2], 0x09}}
        << 0 << Expectation{{Alarm::TCMi_TIM[2], 1}, {Alarm::TCMi_BDI[2], 0}, {Alarm::TCMi_TIM[1], 0},
                            {Alarm::ODU_AIS[0], 0}};

    // Inserted alarms: a continuous one lasts until the insertion is switched off, then is history.
    QTest::newRow("OTU-AIS inserted, no frame loss beside it")
        << bulk << inserted(0, "OTU-AIS") << 0
        << Expectation{{STATUS::OTU_AIS, current}, {STATUS::LOF, clear}, {Alarm::ODU_AIS[0], current}};
    QTest::newRow("one OOF frame is too short for LOF")
        << bulk << inserted(0, "OOF", "Single") << 1
        << Expectation{{STATUS::OOF, history}, {STATUS::LOF, clear}, {STIMULI::INSERTION, STIMULI::INSERTION_DONE}};
    QTest::newRow("LOM replaces the ODU") << bulk << inserted(0, "LOM") << 0
                                          << Expectation{{STATUS::LOM, current}, {STATUS::OOM, current},
                                                         {STATUS::LOF, clear}, {Alarm::ODU_AIS[0], current}};
    QTest::newRow("ODU-AIS on the middle level replaces the level below")
        << threeLevels << inserted(1, "ODU-AIS") << 0
        << Expectation{{Alarm::ODU_AIS[1], current}, {Alarm::ODU_AIS[2], current}, {Alarm::ODU_AIS[0], clear}};
    // One lane out of the others' alignment: the lanes, and with them the signal, cannot be aligned.
    QTest::newRow("LOR on one lane of an OTL4.4")
        << "otl4.4"
        << Writes{{STIMULI::CATEGORY, QStringLiteral("LLD Alarms/Errors")}, {STIMULI::LLD_TYPE, QStringLiteral("Alarm")},
                  {STIMULI::LLD_ALARM, QStringLiteral("LOR")}, {STIMULI::LLD_INSERTION, QStringLiteral("Continuous")},
                  {STIMULI::LLD_ERROR_LANES, lanes(20, 7)}, {STIMULI::INSERTION, STIMULI::INSERTION_ON}}
        << 0
        << Expectation{{Lane::LOR, current}, {Lane::SUMMARY, current}, {Lane::LLD_LOF, clear}, {STATUS::LOF, clear},
                       {Alarm::ODU_AIS[0], clear}};
    QTest::newRow("CSF in the GFP frames of a 1GbE")
        << "otu2-odu0"
        << Writes{{STIMULI::CATEGORY, QStringLiteral("GFP")},
                  {STIMULI::GFP_ITEM, QStringLiteral("CSF (Loss of Client Signal)")},
                  {STIMULI::GFP_MODE, QStringLiteral("Continuous")}, {STIMULI::INSERTION, STIMULI::INSERTION_ON}}
        << 0 << Expectation{{Gfp::CSF, current}, {nsIID::Otn::Client::CSF, clear}, {Alarm::ODU_AIS[1], clear}};
}

void tst_Reception::receiverReportsWhatItReceives()
{
    QFETCH(QString, structure);
    QFETCH(Writes, writes);
    QFETCH(int, seconds);
    QFETCH(Expectation, expected);

    TesterFixture f(TesterFixture::structureOptions(structure, 2));
    QVector<int> pmBits;
    for (int level = 0; level < 3; ++level)
        pmBits.append(f.cached(1, TX::ODU_PM_BITS[level])->getInt());
    QVERIFY(write(f, writes));
    for (int s = 0; s < seconds; ++s)
        measure(f, currentIntervalSelector);
    for (const auto &e : expected) {
        QVERIFY2(state(f, e.first) == e.second,
                 qPrintable(QStringLiteral("%1 is %2, expected %3").arg(e.first).arg(state(f, e.first)).arg(e.second)));
    }
    // The other port's receiver sees its own transmitter.
    QCOMPARE(f.cached(2, sum0)->getEnum(), 0);
    if (state(f, STIMULI::INSERTION) != STIMULI::INSERTION_ON)
        return;
    // The transmitter sends what is inserted; the user's setup stays as it was set.
    for (int level = 0; level < 3; ++level)
        QCOMPARE(f.cached(1, TX::ODU_PM_BITS[level])->getInt(), pmBits.at(level));
    QCOMPARE(measure(f, currentIntervalSelector).value(expected.first().first).count, quint64(1));
    QVERIFY(f.writeAndWait(1, STIMULI::INSERTION, STIMULI::INSERTION_OFF));
    for (const auto &e : expected)
        QCOMPARE(state(f, e.first), e.second == current ? history : e.second);
}

// The far end reports block errors in BEI, counted at the frame rate of their level from the next
// interval on; BEI 1001 and above counts none.
void tst_Reception::blockErrorsCountAtTheLayersFrameRate()
{
    TesterFixture f(TesterFixture::structureOptions(threeLevels));
    const int pmBei = Error::PM_BEI[1];
    QVERIFY(f.writeAndWait(1, TX::ODU_PM_BITS[1], 0x31u));
    QVERIFY(f.writeAndWait(1, TX::OTU_SM_BITS, 0x10u));
    QCOMPARE(state(f, pmBei), clear);
    Counters counters = measure(f, currentIntervalSelector);
    QCOMPARE(state(f, pmBei), current);
    QCOMPARE(state(f, sum1), current);
    // A second holds the floor or the ceiling of the frame rate.
    const double errors = double(counters.value(pmBei).count);
    QVERIFY2(errors >= 3 * std::floor(odu2Frames) && errors <= 3 * std::ceil(odu2Frames), qPrintable(QString::number(errors)));
    const double smErrors = double(counters.value(STATUS::SM_BEI).count);
    QVERIFY2(smErrors >= std::floor(odu4Frames) && smErrors <= std::ceil(odu4Frames), qPrintable(QString::number(smErrors)));
    // The rate is of the layer's bits.
    QVERIFY(qAbs(counters.value(pmBei).rate / (3.0 / (4 * 3824 * 8)) - 1.0) < 1e-3);
    for (int other : {Error::PM_BEI[0], Error::PM_BEI[2], Error::PM_BIP8[0], Error::PM_BIP8[1], Error::PM_BIP8[2]})
        QCOMPARE(counters.value(other).count, quint64(0));

    QVERIFY(f.writeAndWait(1, TX::ODU_PM_BITS[1], 0x91u));
    QCOMPARE(measure(f, currentIntervalSelector).value(pmBei).count, quint64(0));
    // The counter that stopped keeps its history.
    QCOMPARE(state(f, pmBei), history);
    QCOMPARE(state(f, sum1), history);
    QCOMPARE(state(f, Error::PM_BEI[0]), clear);
}

void tst_Reception::definesOnlyWhatTheStructureHas_data()
{
    using namespace nsIID::Otn;
    QTest::addColumn<QString>("structure");
    QTest::addColumn<Ids>("defined");
    QTest::addColumn<Ids>("undefined");

    const int fecCorrected = STATUS::FEC_CORRECTED, fecUncorrectable = 1112;
    const int otucnLol = 433, laneLof = 401;
    const int csf = 167, lofd = 168, patternLoss = 169, bitErrors = 1174, patternInSync = 2717;
    const int jcErrors = 2407, omfiErrorsOdu4 = 2411, omfiErrorsOdu2 = 2412;

    QTest::newRow("OPU4 multiplexing: OMFI on the ODU4, GMP CRCs on both GMP levels")
        << threeLevels
        << Ids{omfiErrorsOdu4, Error::CRC8[0], Error::CRC5[1], Alarm::MSIM[0], Alarm::MSIM[1], fecCorrected,
               patternLoss, bitErrors, patternInSync, Alarm::ODU_OCI[2]}
        << Ids{omfiErrorsOdu2, Error::CRC8[2], otucnLol, laneLof, csf, lofd, Alarm::SUM_ERRALARM[3], 1429};
    QTest::newRow("no multiplex stage, no lanes: no MSIM, no LOFD, no skew")
        << bulk << Ids{fecCorrected, fecUncorrectable, patternLoss}
        << Ids{Alarm::MSIM[0], lofd, csf, jcErrors, Error::CRC8[0], Alarm::ODU_AIS[1], Alarm::SUM_ERRALARM[1],
               Alarm::TCMi_TIM[0], Error::TCMi_BEI[5], Lane::SKEW_LOGICAL};
}

void tst_Reception::definesOnlyWhatTheStructureHas()
{
    QFETCH(QString, structure);
    QFETCH(Ids, defined);
    QFETCH(Ids, undefined);

    TesterFixture f(TesterFixture::structureOptions(structure));
    const Counters counters = measure(f);
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

// An ODU0 (1 244 160 kbit/s) sends 10 167.4 frames a second: a burst of 30 000 of them takes three seconds.
void tst_Reception::burstErrsExactlyItsFramesThenIsDone()
{
    TesterFixture f(TesterFixture::structureOptions(threeLevels));
    QVERIFY(write(f, inserted(2, "PM-BIP8", "Burst", {{STIMULI::BURST, 30000u}})));
    for (int s = 1; s <= 3; ++s) {
        QCOMPARE(state(f, STIMULI::INSERTION), STIMULI::INSERTION_ON);
        measure(f);
    }
    QCOMPARE(state(f, STIMULI::INSERTION), STIMULI::INSERTION_DONE);
    QCOMPARE(measure(f).value(Error::PM_BIP8[2]).count, quint64(30000));
}

// Errors of the GMP, GFP and FEC categories: counted at their own rate in the first second, in the
// counters they reach and no other, then history once the insertion ends.
void tst_Reception::errorsOfAnotherCategory_data()
{
    QTest::addColumn<QString>("structure");
    QTest::addColumn<Writes>("setup");
    QTest::addColumn<int>("counter");
    QTest::addColumn<Expectation>("counts");   // counter, count in the first second (-1: some)
    QTest::addColumn<bool>("burst");

    // The ODU2 sends 82 025.3 frames a second; the ODU0 in its ODTU2.1 takes one justification control
    // per 8-frame multiframe.
    QTest::newRow("GMP CRC-8 of the ODU0 in the ODU2")
        << threeLevels
        << Writes{{STIMULI::CATEGORY, QStringLiteral("GMP")}, {STIMULI::GMP_LEVEL, 1},
                  {STIMULI::GMP_ITEM, QStringLiteral("CRC-8")}, {STIMULI::GMP_ERROR_BITS, 3u}}
        << Error::CRC8[1] << Expectation{{Error::CRC5[1], 0}, {Error::CRC8[0], 0}} << false;
    QTest::newRow("GFP uncorrectable cHEC, a burst of 1000 client frames")
        << "otu4-oduflex-gfpf"
        << Writes{{STIMULI::CATEGORY, QStringLiteral("GFP")}, {STIMULI::GFP_ITEM, QStringLiteral("cHEC Uncorrectable")},
                  {STIMULI::GFP_MODE, QStringLiteral("Burst")}, {STIMULI::GFP_ERROR_LENGTH, 1000u}}
        << int(Gfp::CHEC_UNCORRECTABLE)
        << Expectation{{Gfp::CHEC_UNCORRECTABLE, 1000}, {Gfp::CLIENT_ERRORED_FRAMES, 1000},
                       {nsIID::Otn::Client::RX_ERRORED_FRAMES, 1000}, {Gfp::CHEC_CORRECTABLE, 0}}
        << true;
    const Expectation bip8Errors{{STATUS::SM_BIP8, -1}, {Error::PM_BIP8[0], -1}, {nsIID::Otn::Client::BIT_ERROR, -1},
                                 {STATUS::FAS_ERROR, 0}};
    const auto fec = [](const char *item) {
        return Writes{{STIMULI::CATEGORY, QStringLiteral("FEC")}, {STIMULI::FEC_ITEM, QString(item)},
                      {STIMULI::FEC_MODE, QStringLiteral("Continuous")}, {STIMULI::FEC_SUBROW, 2u}};
    };
    QTest::newRow("FEC uncorrectable sub-row: through the decoder to every BIP-8")
        << bulk << fec("Uncorrectable Sub-row") << int(STATUS::FEC_UNCORRECTABLE) << bip8Errors << false;
}

void tst_Reception::errorsOfAnotherCategory()
{
    QFETCH(QString, structure);
    QFETCH(Writes, setup);
    QFETCH(int, counter);
    QFETCH(Expectation, counts);
    QFETCH(bool, burst);

    TesterFixture f(TesterFixture::structureOptions(structure));
    QVERIFY(write(f, setup + Writes{{STIMULI::INSERTION, STIMULI::INSERTION_ON}}));
    const Counters first = measure(f, currentIntervalSelector);
    const quint64 counted = first.value(counter).count;
    if (counter == Error::CRC8[1])
        QVERIFY2(counted >= quint64(odu2Frames / 8) && counted <= quint64(odu2Frames / 8) + 1, qPrintable(QString::number(counted)));
    QVERIFY(counted > 0);
    for (const auto &c : counts) {
        const quint64 n = first.value(c.first).count;
        QVERIFY2(c.second < 0 ? n > 0 : n == quint64(c.second), qPrintable(QStringLiteral("%1: %2").arg(c.first).arg(n)));
        const QcmaParameter *status = f.cached(1, c.first);
        if (status && status->getType() == QcmaParameter::TypeEnum)
            QCOMPARE(status->getEnum(), n > 0 ? current : clear);
    }
    QCOMPARE(state(f, counter), current);
    if (burst)
        QCOMPARE(state(f, STIMULI::INSERTION), STIMULI::INSERTION_DONE);
    else
        QVERIFY(f.writeAndWait(1, STIMULI::INSERTION, STIMULI::INSERTION_OFF));
    QCOMPARE(measure(f, currentIntervalSelector).value(counter).count, quint64(0));
    QCOMPARE(state(f, counter), history);
    QCOMPARE(measure(f).value(counter).count, counted);
}

// The transmitter no longer carries the ODU0, in whose frames PM-BIP8 is inserted.
void tst_Reception::structureThatNoLongerOffersTheItemStopsIt()
{
    TesterFixture f(TesterFixture::structureOptions(threeLevels));
    QVERIFY(write(f, inserted(2, "PM-BIP8")));
    QVERIFY(measure(f).value(Error::PM_BIP8[2]).count > 0);
    QTest::ignoreMessage(QtInfoMsg, "insertion of port 1 stopped: PM-BIP8 is not offered on level 2");
    QVERIFY(write(f, {{TX::MAPPING[3], 0}}));
    QCOMPARE(state(f, STIMULI::INSERTION), STIMULI::INSERTION_STOPPED);
}

void tst_Reception::appliedMoveSendsItsBurstOnce_data()
{
    using namespace nsIID::Otn::Pointer;
    QTest::addColumn<QString>("structure");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("movement");
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("opposite");

    // Neither payload has an offset from its server: no justification but the moves.
    QTest::newRow("AMP ODU1 in the ODU2, negative") << "otu3-odu2-odu1-odu0" << 1 << "Negative" << NJC[1] << PJC[1];
    QTest::newRow("GMP ODU0 in the ODU2, positive") << threeLevels << 1 << "Positive" << Inc1[1] << Dec1[1];
}

void tst_Reception::appliedMoveSendsItsBurstOnce()
{
    QFETCH(QString, structure);
    QFETCH(int, level);
    QFETCH(QString, movement);
    QFETCH(int, counter);
    QFETCH(int, opposite);

    TesterFixture f(TesterFixture::structureOptions(structure));
    QVERIFY(write(f, {{STIMULI::JUSTIFICATION_LEVEL, level}, {STIMULI::JUSTIFICATION_BURST, 7u},
                      {STIMULI::JUSTIFICATION_MOVE, movement}, {STIMULI::JUSTIFICATION_APPLY, 1}}));
    const Counters counters = measure(f, currentIntervalSelector);
    QCOMPARE(counters.value(counter).count, quint64(7));
    QCOMPARE(counters.value(opposite).count, quint64(0));
    QCOMPARE(f.cached(1, STIMULI::JUSTIFICATION_APPLY)->getInt(), 0);

    QCOMPARE(measure(f, currentIntervalSelector).value(counter).count, quint64(0));
    QCOMPARE(measure(f).value(counter).count, quint64(7));
}

void tst_Reception::skewBeyondWhatTheReceiverTakesOut_data()
{
    QTest::addColumn<uint>("bits");
    QTest::addColumn<bool>("exceeded");

    // An OTL4.4 receiver takes out up to 1919 OTU4 frames (2.241 ms) of skew; a logical lane carries a
    // twentieth of 111.81 Gbit/s, 12.53 million bits in that time.
    QTest::newRow("within") << 12400000u << false;
    QTest::newRow("beyond") << 12700000u << true;
}

void tst_Reception::skewBeyondWhatTheReceiverTakesOut()
{
    QFETCH(uint, bits);
    QFETCH(bool, exceeded);

    TesterFixture f(TesterFixture::structureOptions(QStringLiteral("otl4.4")));
    QVERIFY(f.writeAndWait(1, STIMULI::SKEW_LOGICAL_LANES, lanes(20, 3)));
    QVERIFY(f.writeAndWait(1, STIMULI::SKEW_BITS, bits));
    QCOMPARE(state(f, Lane::SKEW_EXCEEDED), exceeded ? current : clear);
    // Lanes it cannot align leave no frame.
    QCOMPARE(state(f, Lane::LOR), exceeded ? current : clear);
    QCOMPARE(state(f, Alarm::PM_BDI[0]), clear);
    const Counters counters = measure(f, currentIntervalSelector);
    QCOMPARE(counters.value(Lane::SKEW_EXCEEDED).count, quint64(exceeded ? 1 : 0));
    // The skew is measured between the kind of lanes it was inserted on.
    QCOMPARE(counters.value(Lane::SKEW_LOGICAL).count, quint64(bits));
    QCOMPARE(counters.value(Lane::SKEW_PHYSICAL).count, quint64(0));

    QVERIFY(f.writeAndWait(1, STIMULI::SKEW_BITS, 0u));
    QCOMPARE(state(f, Lane::SKEW_EXCEEDED), exceeded ? history : clear);
}

QTEST_GUILESS_MAIN(tst_Reception)
#include "tst_reception.moc"
