#include <QtTest>

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/parameters/intervaldata.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"
#include "simulator/simulatedserverlink.h"
#include "tests/simulator/simulatortesthelpers.h"
#include "tests/support/testerfixture.h"

using namespace PID::Otn;
namespace Alarm = nsIID::Otn::Alarm;
using Writes = QVector<QPair<int, QVariant>>;
using Expectation = QVector<QPair<int, int>>;

namespace {

constexpr int clear = 0, current = 1, history = 2;

// One second measured on port 1 (a current or cumulative interval), and the counters answered for it.
QHash<int, IntervalDataCounters::Value> measure(TesterFixture &f, quint32 selector = cumulativeIntervalSelector)
{
    QHash<int, IntervalDataCounters::Value> counters;
    QObject context;
    QObject::connect(f.link(), &ServerLink::intervalDataArrived, &context, [&counters](QSharedPointer<IntervalData> d) {
        if (auto block = d.dynamicCast<IntervalDataCounters>())
            counters = block->values;
    });
    f.manager()->Interval_GetAndPost_Ex(1, nsSID::otn, selector);
    f.settle();
    return counters;
}

// Sets up port 1's insertion of the item named so on level, in the mode named so, and switches it on.
bool insert(TesterFixture &f, int level, const QString &item, const QString &mode, const Writes &setup = {})
{
    for (const auto &w : setup) {
        if (!f.writeAndWait(1, w.first, w.second))
            return false;
    }
    return f.writeAndWait(1, STIMULI::LEVEL, level)
           && f.writeAndWait(1, STIMULI::ITEM, SimTest::valueNamed(f, STIMULI::ITEM, item))
           && f.writeAndWait(1, STIMULI::MODE, SimTest::valueNamed(f, STIMULI::MODE, mode))
           && f.writeAndWait(1, STIMULI::INSERTION, STIMULI::INSERTION_ON);
}

int state(const TesterFixture &f, int id)
{
    return f.cached(1, id)->getEnum();
}

// Writes port 1's parameters in order (a text: the enumerator so named).
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

bool switchOn(TesterFixture &f, const Writes &setup)
{
    return write(f, setup) && f.writeAndWait(1, STIMULI::INSERTION, STIMULI::INSERTION_ON);
}

QBitArray lanes(int count, int lane)
{
    QBitArray bits(count);
    bits.setBit(lane);
    return bits;
}

} // namespace

class tst_Generator : public QObject
{
    Q_OBJECT
private slots:
    void oduAisOnTheMiddleLevelReplacesTheLevelBelowUntilStopped();
    void receiverFindsTheInsertedAlarm_data();
    void receiverFindsTheInsertedAlarm();
    void burstErrsExactlyItsFramesThenIsDone_data();
    void burstErrsExactlyItsFramesThenIsDone();
    void rateGivesTheChosenErrorRatio();
    void structureThatNoLongerOffersTheItemStopsIt_data();
    void structureThatNoLongerOffersTheItemStopsIt();
    void gmpCrc8CountsEveryMultiframeUntilStopped();
    void gfpUncorrectableHeaderBurstErrsExactlyItsClientFrames();
    void fecSubRows_data();
    void fecSubRows();
    void alarmOfAnotherCategoryUntilStopped_data();
    void alarmOfAnotherCategoryUntilStopped();
    void appliedMoveSendsItsBurstOnce_data();
    void appliedMoveSendsItsBurstOnce();
    void skewBeyondWhatTheReceiverTakesOut_data();
    void skewBeyondWhatTheReceiverTakesOut();
};

void tst_Generator::oduAisOnTheMiddleLevelReplacesTheLevelBelowUntilStopped()
{
    TesterFixture f(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    const int pmBits = f.cached(1, TX::ODU_PM_BITS[1])->getInt();
    QVERIFY(insert(f, 1, QStringLiteral("ODU-AIS"), QStringLiteral("Continuous")));
    QCOMPARE(state(f, Alarm::ODU_AIS[1]), current);
    QCOMPARE(state(f, Alarm::ODU_AIS[2]), current);
    QCOMPARE(state(f, Alarm::ODU_AIS[0]), clear);
    // The transmitter sends AIS; the user's setup stays as it was set.
    QCOMPARE(f.cached(1, TX::ODU_PM_BITS[1])->getInt(), pmBits);

    measure(f, currentIntervalSelector);
    QCOMPARE(state(f, Alarm::ODU_AIS[1]), current);
    QVERIFY(f.writeAndWait(1, STIMULI::INSERTION, STIMULI::INSERTION_OFF));
    QCOMPARE(state(f, Alarm::ODU_AIS[1]), history);
    QCOMPARE(state(f, Alarm::ODU_AIS[2]), history);
    QCOMPARE(measure(f).value(Alarm::ODU_AIS[2]).count, quint64(1));
}

void tst_Generator::receiverFindsTheInsertedAlarm_data()
{
    QTest::addColumn<QString>("structure");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<Writes>("setup");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<Expectation>("expected");

    const QString bulk = QStringLiteral("otu2-bulk");
    const QString threeLevels = QStringLiteral("otu4-odu2-odu0");
    const QString continuous = QStringLiteral("Continuous");
    const int on = STIMULI::INSERTION_ON;

    QTest::newRow("SM-BDI") << bulk << 0 << "SM-BDI" << continuous << Writes{} << 0
                            << Expectation{{STATUS::SM_BDI, current}, {STIMULI::INSERTION, on}};
    QTest::newRow("OTU-AIS of an OTUk, no frame loss beside it")
        << bulk << 0 << "OTU-AIS" << continuous << Writes{} << 0
        << Expectation{{STATUS::OTU_AIS, current}, {STATUS::LOF, clear}, {Alarm::ODU_AIS[0], current}};
    QTest::newRow("LOF") << bulk << 0 << "LOF" << continuous << Writes{} << 0
                         << Expectation{{STATUS::LOF, current}, {STATUS::OOF, current}, {Alarm::ODU_AIS[0], clear}};
    QTest::newRow("one OOF frame is too short for LOF")
        << bulk << 0 << "OOF" << "Single" << Writes{} << 1
        << Expectation{{STATUS::OOF, history}, {STATUS::LOF, clear}, {STIMULI::INSERTION, STIMULI::INSERTION_DONE}};
    QTest::newRow("LOM replaces the ODU") << bulk << 0 << "LOM" << continuous << Writes{} << 0
                                          << Expectation{{STATUS::LOM, current}, {STATUS::OOM, current},
                                                         {STATUS::LOF, clear}, {Alarm::ODU_AIS[0], current}};
    QTest::newRow("LOS") << bulk << 0 << "LOS" << continuous << Writes{} << 0
                         << Expectation{{STATUS::LOS, current}, {STATUS::LOF, clear}, {PHYSICAL::RX_LEVEL_STATUS, 3}};
    QTest::newRow("TCM2-LTC") << bulk << 0 << "TCM2-LTC" << continuous << Writes{{RX::TCM, 1}} << 0
                              << Expectation{{Alarm::TCMi_LTC[1], current}, {Alarm::TCMi_LTC[0], clear}};
    QTest::newRow("PM-TIM on the middle level")
        << threeLevels << 1 << "PM-TIM" << continuous << Writes{{RX::PM_TTI_DETECTION, 3}} << 0
        << Expectation{{Alarm::PM_TIM[1], current}, {Alarm::PM_TIM[0], clear}, {Alarm::ODU_AIS[2], current}};
    QTest::newRow("PLM on the middle level") << threeLevels << 1 << "PLM" << continuous << Writes{} << 0
                                             << Expectation{{Alarm::PLM[1], current}, {Alarm::ODU_AIS[2], current}};
    QTest::newRow("LOFLOM of the ODU0")
        << threeLevels << 2 << "LOFLOM" << continuous << Writes{} << 0
        << Expectation{{Alarm::ODU_LOF_LOM[2], current}, {Alarm::ODU_OOF[2], current}, {Alarm::ODU_AIS[2], clear}};
    QTest::newRow("ODU-LCK in a burst of two frames")
        << threeLevels << 2 << "ODU-LCK" << "Burst" << Writes{{STIMULI::BURST, 2u}} << 1
        << Expectation{{Alarm::ODU_LCK[2], history}, {STIMULI::INSERTION, STIMULI::INSERTION_DONE}};
    QTest::newRow("LOL of the OTL4.4 lanes")
        << QStringLiteral("otl4.4") << 0 << "LOL" << continuous << Writes{} << 0
        << Expectation{{nsIID::Otn::Lane::LOR, current}, {nsIID::Otn::Lane::LLD_LOF, clear}, {STATUS::LOF, clear}};
}

void tst_Generator::receiverFindsTheInsertedAlarm()
{
    QFETCH(QString, structure);
    QFETCH(int, level);
    QFETCH(QString, item);
    QFETCH(QString, mode);
    QFETCH(Writes, setup);
    QFETCH(int, seconds);
    QFETCH(Expectation, expected);

    TesterFixture f(TesterFixture::structureOptions(structure));
    QVERIFY(insert(f, level, item, mode, setup));
    for (int s = 0; s < seconds; ++s)
        measure(f, currentIntervalSelector);
    for (const auto &e : expected) {
        QVERIFY2(state(f, e.first) == e.second,
                 qPrintable(QStringLiteral("%1 is %2, expected %3").arg(e.first).arg(state(f, e.first)).arg(e.second)));
    }
}

void tst_Generator::burstErrsExactlyItsFramesThenIsDone_data()
{
    QTest::addColumn<QString>("structure");
    QTest::addColumn<int>("level");
    QTest::addColumn<Writes>("setup");
    QTest::addColumn<uint>("burst");
    QTest::addColumn<int>("seconds");
    QTest::addColumn<uint>("counted");

    QTest::newRow("10 frames of the line") << "otu2-bulk" << 0 << Writes{} << 10u << 1 << 10u;
    // An ODU0 (1 244 160 kbit/s) sends 10 167.4 frames a second: 30 000 of them take three seconds.
    QTest::newRow("30000 frames of an ODU0") << "otu4-odu2-odu0" << 2 << Writes{} << 30000u << 3 << 30000u;
    // The ODU2 sends ODU-AIS: the receiver does not monitor the ODU0 it replaces.
    QTest::newRow("30000 frames of an ODU0 replaced from above")
        << "otu4-odu2-odu0" << 2 << Writes{{TX::ODU_PM_BITS[1], 0x07u}} << 30000u << 3 << 0u;
}

void tst_Generator::burstErrsExactlyItsFramesThenIsDone()
{
    QFETCH(QString, structure);
    QFETCH(int, level);
    QFETCH(Writes, setup);
    QFETCH(uint, burst);
    QFETCH(int, seconds);
    QFETCH(uint, counted);

    TesterFixture f(TesterFixture::structureOptions(structure));
    setup.append({STIMULI::BURST, burst});
    QVERIFY(insert(f, level, QStringLiteral("PM-BIP8"), QStringLiteral("Burst"), setup));
    const int counter = nsIID::Otn::Error::PM_BIP8[level];
    for (int s = 1; s <= seconds; ++s) {
        QCOMPARE(state(f, STIMULI::INSERTION), STIMULI::INSERTION_ON);
        measure(f);
    }
    QCOMPARE(state(f, STIMULI::INSERTION), STIMULI::INSERTION_DONE);
    QCOMPARE(measure(f).value(counter).count, quint64(counted));
}

void tst_Generator::rateGivesTheChosenErrorRatio()
{
    TesterFixture f(TesterFixture::structureOptions(QStringLiteral("otu2-bulk")));
    QVERIFY(insert(f, 0, QStringLiteral("SM-BIP8"), QStringLiteral("Rate"),
                   {{STIMULI::RATE, SimTest::valueNamed(f, STIMULI::RATE, QStringLiteral("1.0E-5"))}}));
    IntervalDataCounters::Value bip8;
    for (int s = 0; s < 5; ++s)
        bip8 = measure(f).value(STATUS::SM_BIP8);
    QVERIFY2(qAbs(bip8.rate - 1e-5) < 1e-7,
             qPrintable(QStringLiteral("ratio %1 of %2 errors").arg(bip8.rate).arg(bip8.count)));
    QCOMPARE(state(f, STIMULI::INSERTION), STIMULI::INSERTION_ON);
}

void tst_Generator::structureThatNoLongerOffersTheItemStopsIt_data()
{
    QTest::addColumn<Writes>("setup");
    QTest::addColumn<int>("counter");
    QTest::addColumn<Writes>("change");
    QTest::addColumn<QString>("message");

    const QString continuous = QStringLiteral("Continuous");
    // The transmitter no longer carries the ODU0, in whose frames PM-BIP8 is inserted and which the ODU2
    // maps by GMP; the receiver no longer decodes FEC.
    QTest::newRow("PM-BIP8 of the ODU0")
        << Writes{{STIMULI::LEVEL, 2}, {STIMULI::ITEM, QStringLiteral("PM-BIP8")}, {STIMULI::MODE, continuous}}
        << nsIID::Otn::Error::PM_BIP8[2] << Writes{{TX::MAPPING[3], 0}} << "PM-BIP8 is not offered on level 2";
    QTest::newRow("FEC symbol errors")
        << Writes{{STIMULI::CATEGORY, QStringLiteral("FEC")}, {STIMULI::FEC_ITEM, QStringLiteral("Symbol Errors")},
                  {STIMULI::FEC_MODE, continuous}}
        << int(STATUS::FEC_CORRECTED) << Writes{{RX::FEC_CONTROL, 0}}
        << "FEC item 1 is not offered: the port does not send and decode FEC";
}

void tst_Generator::structureThatNoLongerOffersTheItemStopsIt()
{
    QFETCH(Writes, setup);
    QFETCH(int, counter);
    QFETCH(Writes, change);
    QFETCH(QString, message);

    TesterFixture f(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    QVERIFY(switchOn(f, setup));
    QVERIFY(measure(f).value(counter).count > 0);
    QTest::ignoreMessage(QtInfoMsg, qPrintable(QStringLiteral("insertion of port 1 stopped: ") + message));
    QVERIFY(write(f, change));
    QCOMPARE(state(f, STIMULI::INSERTION), STIMULI::INSERTION_STOPPED);
}

void tst_Generator::gmpCrc8CountsEveryMultiframeUntilStopped()
{
    namespace Error = nsIID::Otn::Error;
    TesterFixture f(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    QVERIFY(switchOn(f, {{STIMULI::CATEGORY, QStringLiteral("GMP")}, {STIMULI::GMP_LEVEL, 1},
                         {STIMULI::GMP_ITEM, QStringLiteral("CRC-8")}, {STIMULI::GMP_ERROR_BITS, 3u}}));
    // The ODU2 sends 82 025.3 frames a second; the ODU0 in its ODTU2.1 takes one justification control
    // per 8-frame multiframe.
    const quint64 crc8 = measure(f, currentIntervalSelector).value(Error::CRC8[1]).count;
    QVERIFY2(crc8 >= 10253 && crc8 <= 10254, qPrintable(QString::number(crc8)));
    QCOMPARE(state(f, Error::CRC8[1]), current);
    QCOMPARE(state(f, Error::CRC5[1]), clear);
    QCOMPARE(state(f, Error::CRC8[0]), clear);

    QVERIFY(f.writeAndWait(1, STIMULI::INSERTION, STIMULI::INSERTION_OFF));
    QCOMPARE(measure(f, currentIntervalSelector).value(Error::CRC8[1]).count, quint64(0));
    QCOMPARE(state(f, Error::CRC8[1]), history);
}

void tst_Generator::gfpUncorrectableHeaderBurstErrsExactlyItsClientFrames()
{
    namespace Gfp = nsIID::Otn::Gfp;
    TesterFixture f(TesterFixture::structureOptions(QStringLiteral("otu4-oduflex-gfpf")));
    QVERIFY(switchOn(f, {{STIMULI::CATEGORY, QStringLiteral("GFP")},
                         {STIMULI::GFP_ITEM, QStringLiteral("cHEC Uncorrectable")},
                         {STIMULI::GFP_MODE, QStringLiteral("Burst")}, {STIMULI::GFP_ERROR_LENGTH, 1000u}}));
    QHash<int, IntervalDataCounters::Value> counters = measure(f, currentIntervalSelector);
    QCOMPARE(state(f, STIMULI::INSERTION), STIMULI::INSERTION_DONE);
    QCOMPARE(counters.value(Gfp::CHEC_UNCORRECTABLE).count, quint64(1000));
    QCOMPARE(counters.value(Gfp::CLIENT_ERRORED_FRAMES).count, quint64(1000));
    QCOMPARE(counters.value(nsIID::Otn::Client::RX_ERRORED_FRAMES).count, quint64(1000));
    QCOMPARE(counters.value(Gfp::CHEC_CORRECTABLE).count, quint64(0));
    QCOMPARE(state(f, Gfp::CHEC_UNCORRECTABLE), current);

    counters = measure(f, currentIntervalSelector);
    QCOMPARE(counters.value(Gfp::CHEC_UNCORRECTABLE).count, quint64(0));
    QCOMPARE(state(f, Gfp::CHEC_UNCORRECTABLE), history);
    QCOMPARE(measure(f).value(Gfp::CLIENT_ERRORED_FRAMES).count, quint64(1000));
}

void tst_Generator::fecSubRows_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("counter");
    QTest::addColumn<bool>("bip8");

    QTest::newRow("uncorrectable: through the decoder to every BIP-8")
        << "Uncorrectable Sub-row" << int(STATUS::FEC_UNCORRECTABLE) << true;
    QTest::newRow("correctable: corrected, nothing else")
        << "Correctable Sub-row" << int(STATUS::FEC_CORRECTED) << false;
}

void tst_Generator::fecSubRows()
{
    QFETCH(QString, item);
    QFETCH(int, counter);
    QFETCH(bool, bip8);

    TesterFixture f(TesterFixture::structureOptions(QStringLiteral("otu2-bulk")));
    QVERIFY(switchOn(f, {{STIMULI::CATEGORY, QStringLiteral("FEC")}, {STIMULI::FEC_ITEM, item},
                         {STIMULI::FEC_MODE, QStringLiteral("Continuous")}, {STIMULI::FEC_SUBROW, 2u}}));
    const QHash<int, IntervalDataCounters::Value> counters = measure(f, currentIntervalSelector);
    QVERIFY(counters.value(counter).count > 0);
    for (int id : {int(STATUS::SM_BIP8), nsIID::Otn::Error::PM_BIP8[0], int(nsIID::Otn::Client::BIT_ERROR)})
        QVERIFY2((counters.value(id).count > 0) == bip8, qPrintable(QString::number(id)));
    QCOMPARE(state(f, STATUS::SM_BIP8), bip8 ? current : clear);
    QCOMPARE(state(f, STATUS::FAS_ERROR), clear);

    QVERIFY(f.writeAndWait(1, STIMULI::INSERTION, STIMULI::INSERTION_OFF));
    QCOMPARE(measure(f, currentIntervalSelector).value(counter).count, quint64(0));
    QCOMPARE(state(f, counter), history);
}

void tst_Generator::alarmOfAnotherCategoryUntilStopped_data()
{
    namespace Lane = nsIID::Otn::Lane;
    using Ids = QVector<int>;
    QTest::addColumn<QString>("structure");
    QTest::addColumn<Writes>("setup");
    QTest::addColumn<Ids>("raised");
    QTest::addColumn<Ids>("notRaised");

    const QString continuous = QStringLiteral("Continuous");
    // One lane out of the others' alignment: the lanes, and with them the signal, cannot be aligned.
    QTest::newRow("LOR on one lane of an OTL4.4")
        << "otl4.4"
        << Writes{{STIMULI::CATEGORY, QStringLiteral("LLD Alarms/Errors")},
                  {STIMULI::LLD_TYPE, QStringLiteral("Alarm")},
                  {STIMULI::LLD_ALARM, QStringLiteral("LOR")},
                  {STIMULI::LLD_INSERTION, continuous},
                  {STIMULI::LLD_ERROR_LANES, lanes(20, 7)}}
        << Ids{Lane::LOR, Lane::SUMMARY} << Ids{Lane::LLD_LOF, STATUS::LOF, Alarm::ODU_AIS[0]};
    QTest::newRow("CSF in the GFP frames of a 1GbE")
        << "otu2-odu0"
        << Writes{{STIMULI::CATEGORY, QStringLiteral("GFP")},
                  {STIMULI::GFP_ITEM, QStringLiteral("CSF (Loss of Client Signal)")},
                  {STIMULI::GFP_MODE, continuous}}
        << Ids{nsIID::Otn::Gfp::CSF} << Ids{nsIID::Otn::Client::CSF, Alarm::ODU_AIS[1]};
}

void tst_Generator::alarmOfAnotherCategoryUntilStopped()
{
    using Ids = QVector<int>;
    QFETCH(QString, structure);
    QFETCH(Writes, setup);
    QFETCH(Ids, raised);
    QFETCH(Ids, notRaised);

    TesterFixture f(TesterFixture::structureOptions(structure));
    QVERIFY(switchOn(f, setup));
    for (int id : raised)
        QCOMPARE(state(f, id), current);
    for (int id : notRaised)
        QCOMPARE(state(f, id), clear);
    QCOMPARE(measure(f, currentIntervalSelector).value(raised.first()).count, quint64(1));

    QVERIFY(f.writeAndWait(1, STIMULI::INSERTION, STIMULI::INSERTION_OFF));
    for (int id : raised)
        QCOMPARE(state(f, id), history);
    QCOMPARE(measure(f, currentIntervalSelector).value(raised.first()).count, quint64(0));
}

void tst_Generator::appliedMoveSendsItsBurstOnce_data()
{
    using namespace nsIID::Otn::Pointer;
    QTest::addColumn<QString>("structure");
    QTest::addColumn<int>("level");
    QTest::addColumn<QString>("movement");
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("opposite");

    // Neither payload has an offset from its server: no justification but the moves.
    QTest::newRow("AMP ODU1 in the ODU2, negative") << "otu3-odu2-odu1-odu0" << 1 << "Negative" << NJC[1] << PJC[1];
    QTest::newRow("GMP ODU0 in the ODU2, positive") << "otu4-odu2-odu0" << 1 << "Positive" << Inc1[1] << Dec1[1];
}

void tst_Generator::appliedMoveSendsItsBurstOnce()
{
    QFETCH(QString, structure);
    QFETCH(int, level);
    QFETCH(QString, movement);
    QFETCH(int, counter);
    QFETCH(int, opposite);

    TesterFixture f(TesterFixture::structureOptions(structure));
    QVERIFY(write(f, {{STIMULI::JUSTIFICATION_LEVEL, level}, {STIMULI::JUSTIFICATION_BURST, 7u},
                      {STIMULI::JUSTIFICATION_MOVE, movement}, {STIMULI::JUSTIFICATION_APPLY, 1}}));
    QHash<int, IntervalDataCounters::Value> counters = measure(f, currentIntervalSelector);
    QCOMPARE(counters.value(counter).count, quint64(7));
    QCOMPARE(counters.value(opposite).count, quint64(0));
    QCOMPARE(f.cached(1, STIMULI::JUSTIFICATION_APPLY)->getInt(), 0);

    QCOMPARE(measure(f, currentIntervalSelector).value(counter).count, quint64(0));
    QCOMPARE(measure(f).value(counter).count, quint64(7));
}

void tst_Generator::skewBeyondWhatTheReceiverTakesOut_data()
{
    QTest::addColumn<uint>("bits");
    QTest::addColumn<bool>("exceeded");

    // An OTL4.4 receiver takes out up to 1919 OTU4 frames (2.241 ms) of skew; a logical lane carries a
    // twentieth of 111.81 Gbit/s, 12.53 million bits in that time.
    QTest::newRow("within") << 12400000u << false;
    QTest::newRow("beyond") << 12700000u << true;
}

void tst_Generator::skewBeyondWhatTheReceiverTakesOut()
{
    namespace Lane = nsIID::Otn::Lane;
    QFETCH(uint, bits);
    QFETCH(bool, exceeded);

    TesterFixture f(TesterFixture::structureOptions(QStringLiteral("otl4.4")));
    QVERIFY(f.writeAndWait(1, STIMULI::SKEW_LOGICAL_LANES, lanes(20, 3)));
    QVERIFY(f.writeAndWait(1, STIMULI::SKEW_BITS, bits));
    QCOMPARE(state(f, Lane::SKEW_EXCEEDED), exceeded ? current : clear);
    // Lanes it cannot align leave no frame.
    QCOMPARE(state(f, Lane::LOR), exceeded ? current : clear);
    QCOMPARE(state(f, Alarm::PM_BDI[0]), clear);
    QCOMPARE(measure(f, currentIntervalSelector).value(Lane::SKEW_EXCEEDED).count, quint64(exceeded ? 1 : 0));

    QVERIFY(f.writeAndWait(1, STIMULI::SKEW_BITS, 0u));
    QCOMPARE(state(f, Lane::SKEW_EXCEEDED), exceeded ? history : clear);
}

QTEST_GUILESS_MAIN(tst_Generator)
#include "tst_generator.moc"
