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
    void structureThatNoLongerOffersTheItemStopsIt();
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
    QTest::newRow("OOF sent on and on is LOF") << bulk << 0 << "OOF" << continuous << Writes{} << 1
                                               << Expectation{{STATUS::OOF, current}, {STATUS::LOF, current}};
    QTest::newRow("LOM replaces the ODU") << bulk << 0 << "LOM" << continuous << Writes{} << 0
                                          << Expectation{{STATUS::LOM, current}, {STATUS::OOM, current},
                                                         {STATUS::LOF, clear}, {Alarm::ODU_AIS[0], current}};
    QTest::newRow("LOS") << bulk << 0 << "LOS" << continuous << Writes{} << 0
                         << Expectation{{STATUS::LOS, current}, {STATUS::LOF, clear}, {PHYSICAL::RX_LEVEL_STATUS, 3}};
    QTest::newRow("SM-IAE of an OTUCn") << QStringLiteral("otlc.4") << 0 << "SM-IAE" << continuous << Writes{} << 0
                                        << Expectation{{STATUS::SM_IAE, current}};
    QTest::newRow("TCM2-LTC") << bulk << 0 << "TCM2-LTC" << continuous << Writes{{RX::TCM, 1}} << 0
                              << Expectation{{Alarm::TCMi_LTC[1], current}, {Alarm::TCMi_LTC[0], clear}};
    QTest::newRow("PM-TIM on the middle level")
        << threeLevels << 1 << "PM-TIM" << continuous << Writes{{RX::PM_TTI_DETECTION, 3}} << 0
        << Expectation{{Alarm::PM_TIM[1], current}, {Alarm::PM_TIM[0], clear}, {Alarm::ODU_AIS[2], current}};
    QTest::newRow("PLM on the middle level") << threeLevels << 1 << "PLM" << continuous << Writes{} << 0
                                             << Expectation{{Alarm::PLM[1], current}, {Alarm::ODU_AIS[2], current}};
    QTest::newRow("MSIM on the middle level") << threeLevels << 1 << "MSIM" << continuous << Writes{} << 0
                                              << Expectation{{Alarm::MSIM[1], current}, {Alarm::ODU_AIS[2], current}};
    QTest::newRow("LOFLOM of the ODU0")
        << threeLevels << 2 << "LOFLOM" << continuous << Writes{} << 0
        << Expectation{{Alarm::ODU_LOF_LOM[2], current}, {Alarm::ODU_OOF[2], current}, {Alarm::ODU_AIS[2], clear}};
    QTest::newRow("ODU-LCK in a burst of two frames")
        << threeLevels << 2 << "ODU-LCK" << "Burst" << Writes{{STIMULI::BURST, 2u}} << 1
        << Expectation{{Alarm::ODU_LCK[2], history}, {STIMULI::INSERTION, STIMULI::INSERTION_DONE}};
    QTest::newRow("LOOMFI loses the ODU0s of the OPU4")
        << QStringLiteral("otu4-odu0") << 0 << "LOOMFI" << continuous << Writes{} << 0
        << Expectation{{Alarm::ODU_AIS[1], current}, {Alarm::ODU_AIS[0], clear}};
    QTest::newRow("OPU-CSF of the STM-1")
        << QStringLiteral("otu3-odu2-odu1-odu0") << 3 << "OPU-CSF" << continuous << Writes{} << 0
        << Expectation{{nsIID::Otn::Client::CSF, current}, {Alarm::ODU_AIS[3], clear}};
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

void tst_Generator::structureThatNoLongerOffersTheItemStopsIt()
{
    TesterFixture f(TesterFixture::structureOptions(QStringLiteral("otu4-odu2-odu0")));
    QVERIFY(insert(f, 2, QStringLiteral("PM-BIP8"), QStringLiteral("Continuous")));
    QVERIFY(measure(f).value(nsIID::Otn::Error::PM_BIP8[2]).count > 0);
    // The transmitter no longer carries the ODU0.
    QTest::ignoreMessage(QtInfoMsg, "insertion of port 1 stopped: PM-BIP8 is not offered on level 2");
    QVERIFY(f.writeAndWait(1, TX::MAPPING[3], 0));
    QCOMPARE(state(f, STIMULI::INSERTION), STIMULI::INSERTION_STOPPED);
}

QTEST_GUILESS_MAIN(tst_Generator)
#include "tst_generator.moc"
