#include <QtTest>

#include <cmath>

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "simulator/parameterstore.h"
#include "simulator/resultcounters.h"
#include "simulator/simulatedserverlink.h"

namespace {

constexpr int port = 1;
constexpr int lof = 102;
constexpr int clear = 0;
constexpr int current = 1;
constexpr int history = 2;
// G.709 frame rates: the ODU bit rate over the 4 x 3824 bytes of a frame (ODU4 856 387.7, ODU0 10 167.4
// frames a second).
constexpr double odu4Frames = 239.0 / 227 * 99532800e3 / (4 * 3824 * 8);
constexpr double odu0Frames = 1244160e3 / (4 * 3824 * 8);

// What a port's receiver holds, on the tester's own catalogue: OTU2 bulk until the test sets another
// structure.
class Receiver
{
public:
    Receiver() : store(*link.sharedCatalogue(), 1), counters(*link.sharedCatalogue(), 1)
    {
        set(12018, 10709225.316);   // the OTU2 line rate, kbit/s
        setStructure({1, 0, 0, 0, 0});
    }

    void set(int id, const QVariant &value)
    {
        store.setDefined(nsSID::otnSid(port, id), true);
        store.setValue(nsSID::otnSid(port, id), value);
    }
    // The structure the receiver expects, and the transmitter sends when both is true.
    void setStructure(const QVector<int> &values, bool both = false)
    {
        for (const int *ids : {PID::Otn::RX::MAPPING, PID::Otn::TX::MAPPING}) {
            for (int i = 0; i < values.size(); ++i) {
                store.setDefined(nsSID::otnSid(port, ids[i]), true);
                set(ids[i], values.at(i));
            }
            if (!both)
                break;
        }
    }
    // Seconds in which the alarm is current ('1') or not ('0').
    void run(int alarm, const QString &seconds)
    {
        for (QChar second : seconds) {
            set(alarm, second == QLatin1Char('1') ? current : clear);
            counters.measure(store, port);
        }
    }
    IntervalDataCounters::Value value(int id, quint32 selector = cumulativeIntervalSelector) const
    {
        return counters.values(store, port, selector).value(id);
    }

    SimulatedServerLink link;
    ParameterStore store;
    ResultCounters counters;
};

} // namespace

class tst_ResultCounters : public QObject
{
    Q_OBJECT
private slots:
    void alarmSeconds();
    void errorsCountInTheFramesOfTheirLayer_data();
    void errorsCountInTheFramesOfTheirLayer();
    void aCleanLoopCountsNothingForHours();
    void availability_data();
    void availability();
    void farEndDefectsMakeTheBothDirectionsUnavailable();
    void secondsThatEndUnavailableTimeKeepTheirBlockErrors();
    void laneSkewOfTheInsertedKind_data();
    void laneSkewOfTheInsertedKind();
};

void tst_ResultCounters::alarmSeconds()
{
    Receiver rx;
    rx.run(lof, QStringLiteral("110"));
    rx.set(lof, history);
    rx.counters.measure(rx.store, port);
    QCOMPARE(rx.counters.seconds(port), 4);
    // A history state is an alarm that ended: it counts no more seconds.
    QCOMPARE(rx.value(lof).count, quint64(2));
    QCOMPARE(rx.value(lof, currentIntervalSelector).count, quint64(0));
    QCOMPARE(rx.value(lof).rate, -1.0);
    // An alarm that came and went between two seconds counts in the second it was seen in.
    rx.set(lof, current);
    rx.counters.follow(rx.store, port);
    rx.set(lof, history);
    rx.counters.measure(rx.store, port);
    QCOMPARE(rx.value(lof, currentIntervalSelector).count, quint64(1));
}

void tst_ResultCounters::errorsCountInTheFramesOfTheirLayer_data()
{
    using namespace nsIID::Otn::Error;
    using namespace PID::Otn;
    QTest::addColumn<int>("txByte");           // third byte sent (0: none)
    QTest::addColumn<uint>("value");
    QTest::addColumn<int>("inserted");         // counter given inserted errors (0: none)
    QTest::addColumn<double>("insertedPerFrame");
    QTest::addColumn<int>("counter");
    QTest::addColumn<double>("framesPerSecond");
    QTest::addColumn<double>("perFrame");

    // OTU4 > ODU2 > ODU0 in the loop.
    QTest::newRow("PM BEI 3 of the ODU4") << TX::ODU_PM_BITS[0] << 0x31u << 0 << 0.0 << PM_BEI[0] << odu4Frames << 3.0;
    QTest::newRow("PM BEI 3 of the ODU0 inside") << TX::ODU_PM_BITS[2] << 0x31u << 0 << 0.0 << PM_BEI[2]
                                                 << odu0Frames << 3.0;
    QTest::newRow("PM BEI 9 counts none") << TX::ODU_PM_BITS[2] << 0x91u << 0 << 0.0 << PM_BEI[2] << odu0Frames
                                          << 0.0;
    QTest::newRow("SM BEI 1 of the OTU4") << TX::OTU_SM_BITS << 0x10u << 0 << 0.0 << STATUS::SM_BEI << odu4Frames
                                          << 1.0;
    QTest::newRow("inserted BIP-8 errors of the ODU0") << 0 << 0u << PM_BIP8[2] << 0.25 << PM_BIP8[2] << odu0Frames
                                                       << 0.25;
    QTest::newRow("inserted BIP-8 errors under ODU-AIS count none")
        << TX::ODU_PM_BITS[1] << 0x07u << PM_BIP8[2] << 2.0 << PM_BIP8[2] << odu0Frames << 0.0;
}

void tst_ResultCounters::errorsCountInTheFramesOfTheirLayer()
{
    QFETCH(int, txByte);
    QFETCH(uint, value);
    QFETCH(int, inserted);
    QFETCH(double, insertedPerFrame);
    QFETCH(int, counter);
    QFETCH(double, framesPerSecond);
    QFETCH(double, perFrame);

    Receiver rx;
    rx.set(12018, 111809973.568);
    rx.setStructure({3, 0, 16, 2, 0}, true);
    // The bare store sends the catalogue's payload types, not the structure's.
    rx.set(PID::Otn::RX::PLM_DETECTION, 0);
    if (txByte)
        rx.set(txByte, value);
    if (inserted)
        rx.counters.insert(port, inserted, insertedPerFrame);
    constexpr int seconds = 3;
    for (int s = 1; s <= seconds; ++s) {
        rx.counters.measure(rx.store, port);
        // A second holds the floor or the ceiling of the frame rate.
        const double errors = double(rx.value(counter, currentIntervalSelector).count);
        QVERIFY2(errors >= std::floor(perFrame * std::floor(framesPerSecond))
                     && errors <= std::ceil(perFrame * std::ceil(framesPerSecond)),
                 qPrintable(QStringLiteral("second %1: %2 errors").arg(s).arg(errors)));
    }
    const double total = double(rx.value(counter).count);
    QVERIFY2(qAbs(total - perFrame * seconds * framesPerSecond) <= qMax(perFrame, 1.0),
             qPrintable(QStringLiteral("%1 errors in %2 s").arg(total).arg(seconds)));
    // The rate is of the layer's bits.
    if (perFrame > 0)
        QVERIFY(qAbs(rx.value(counter).rate / (perFrame / (4 * 3824 * 8)) - 1.0) < 1e-3);
    // No other counter of the levels counted.
    for (int level = 0; level < 3; ++level) {
        for (int other : {nsIID::Otn::Error::PM_BEI[level], nsIID::Otn::Error::PM_BIP8[level]}) {
            if (other != counter)
                QCOMPARE(rx.value(other).count, quint64(0));
        }
    }
}

void tst_ResultCounters::aCleanLoopCountsNothingForHours()
{
    using namespace nsIID::Otn;
    Receiver rx;
    rx.set(12018, 111809973.568);
    rx.setStructure({3, 0, 16, 2, 0}, true);
    rx.set(PID::Otn::RX::PLM_DETECTION, 0);
    rx.set(PID::Otn::RX::TCM, 1);
    constexpr int seconds = 2 * 3600;
    for (int s = 0; s < seconds; ++s)
        rx.counters.measure(rx.store, port);
    const ResultCounters::Values values = rx.counters.values(rx.store, port, cumulativeIntervalSelector);
    // The pattern is in sync every second; the GMP levels justify as their clocks differ.
    QSet<int> running{2717};
    for (int level = 0; level < 2; ++level) {
        for (const int *table : {Pointer::Inc1, Pointer::Dec1, Pointer::CmtMin, Pointer::CmtMax})
            running.insert(table[level]);
    }
    int counted = 0;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        if (it.value().text.isEmpty() && !running.contains(it.key())) {
            QVERIFY2(it.value().count == 0, qPrintable(QStringLiteral("counter %1: %2").arg(it.key()).arg(it.value().count)));
            ++counted;
        }
    }
    QVERIFY(counted > 100);
    QCOMPARE(values.value(2717).count, quint64(seconds));
    QCOMPARE(values.value(Performance::STAT_ODU_BIDIRECTIONAL[2]).text, QStringLiteral("Available"));
}

void tst_ResultCounters::availability_data()
{
    QTest::addColumn<QString>("seconds");   // the line's LOF per second
    QTest::addColumn<QString>("state");
    QTest::addColumn<int>("ses");
    QTest::addColumn<int>("uas");

    QTest::newRow("nine SES stay available") << "111111111" << "Available" << 9 << 0;
    QTest::newRow("ten SES begin unavailable time with the first") << "1111111111" << "Unavailable" << 0 << 10;
    QTest::newRow("SES before the run stay SES") << "1101111111111" << "Unavailable" << 2 << 10;
    QTest::newRow("nine clear seconds do not end it") << "1111111111000000000" << "Unavailable" << 0 << 19;
    QTest::newRow("ten clear seconds end it with the first")
        << "11111111110000000000" << "Available" << 0 << 10;
    QTest::newRow("an SES among the clear seconds starts their count again")
        << "111111111100000100000000001" << "Available" << 1 << 16;
}

void tst_ResultCounters::availability()
{
    QFETCH(QString, seconds);
    QFETCH(QString, state);
    QFETCH(int, ses);
    QFETCH(int, uas);
    using namespace nsIID::Otn::Performance;
    Receiver rx;
    rx.run(lof, seconds);
    // The line and every ODU path it carries.
    for (int stateId : {5222, STAT_ODU_NEAREND[0]})
        QCOMPARE(rx.value(stateId).text, state);
    QCOMPARE(rx.value(5132).count, quint64(ses));
    QCOMPARE(rx.value(5192).count, quint64(uas));
    QCOMPARE(rx.value(SES_ODU_NEAREND[0]).count, quint64(ses));
    QCOMPARE(rx.value(UAS_ODU_NEAREND[0]).count, quint64(uas));
    // The far end saw nothing.
    QCOMPARE(rx.value(UAS_ODU_FAREND[0]).count, quint64(0));
    QCOMPARE(rx.value(STAT_ODU_FAREND[0]).text, QStringLiteral("Available"));
}

void tst_ResultCounters::farEndDefectsMakeTheBothDirectionsUnavailable()
{
    using namespace nsIID::Otn;
    Receiver rx;
    rx.run(Alarm::PM_BDI[0], QStringLiteral("111111111111"));
    QCOMPARE(rx.value(Performance::STAT_ODU_FAREND[0]).text, QStringLiteral("Unavailable"));
    QCOMPARE(rx.value(Performance::STAT_ODU_NEAREND[0]).text, QStringLiteral("Available"));
    QCOMPARE(rx.value(Performance::STAT_ODU_BIDIRECTIONAL[0]).text, QStringLiteral("Unavailable"));
    QCOMPARE(rx.value(Performance::STAT_ODU_BIDIRECTIONAL[0]).count, quint64(1));
    // The far end's unavailable time began with its first SES: so did that of both directions.
    QCOMPARE(rx.value(Performance::SES_ODU_BIDIRECTIONAL[0]).count, quint64(0));
    QCOMPARE(rx.value(Performance::UAS_ODU_BIDIRECTIONAL[0]).count, quint64(12));
    QCOMPARE(rx.value(Performance::UAS_ODU_BIDIRECTIONAL[0], currentIntervalSelector).count, quint64(1));
}

void tst_ResultCounters::secondsThatEndUnavailableTimeKeepTheirBlockErrors()
{
    using namespace nsIID::Otn;
    Receiver rx;
    rx.run(lof, QStringLiteral("1111111111"));
    // One block in a hundred errs: no SES, background block errors.
    rx.counters.insert(port, Error::PM_BIP8[0], 0.01);
    rx.run(lof, QStringLiteral("000000000"));
    QCOMPARE(rx.value(Performance::STAT_ODU_NEAREND[0]).text, QStringLiteral("Unavailable"));
    QCOMPARE(rx.value(Performance::UAS_ODU_NEAREND[0]).count, quint64(19));
    QCOMPARE(rx.value(Performance::BBE_ODU_NEAREND[0]).count, quint64(0));
    // The tenth such second ends the unavailable time with the first: their errored blocks count.
    rx.run(lof, QStringLiteral("0"));
    const quint64 errors = rx.value(Error::PM_BIP8[0]).count;
    QVERIFY(errors > 0);
    QCOMPARE(rx.value(Performance::STAT_ODU_NEAREND[0]).text, QStringLiteral("Available"));
    QCOMPARE(rx.value(Performance::UAS_ODU_NEAREND[0]).count, quint64(10));
    QCOMPARE(rx.value(Performance::SES_ODU_NEAREND[0]).count, quint64(0));
    QCOMPARE(rx.value(Performance::BBE_ODU_NEAREND[0]).count, errors);
    QCOMPARE(rx.value(Performance::BBE_ODU_BIDIRECTIONAL[0]).count, errors);
    // Half the blocks err: a severely errored second, whose blocks are no background block errors.
    rx.counters.insert(port, Error::PM_BIP8[0], 0.5);
    rx.run(lof, QStringLiteral("0"));
    QVERIFY(rx.value(Error::PM_BIP8[0]).count > errors);
    QCOMPARE(rx.value(Performance::SES_ODU_NEAREND[0]).count, quint64(1));
    QCOMPARE(rx.value(Performance::BBE_ODU_NEAREND[0]).count, errors);
}

void tst_ResultCounters::laneSkewOfTheInsertedKind_data()
{
    QTest::addColumn<QVector<int>>("structure");
    QTest::addColumn<int>("laneType");
    QTest::addColumn<bool>("measured");   // false: a signal without lanes has no skew to measure
    QTest::addColumn<quint64>("logical");
    QTest::addColumn<quint64>("physical");
    QTest::newRow("logical lanes") << QVector<int>{5, 7, 0, 0, 0} << 0 << true << quint64(37) << quint64(0);
    QTest::newRow("physical lanes") << QVector<int>{5, 7, 0, 0, 0} << 1 << true << quint64(0) << quint64(37);
    QTest::newRow("no lanes") << QVector<int>{1, 0, 0, 0, 0} << 0 << false << quint64(0) << quint64(0);
}

void tst_ResultCounters::laneSkewOfTheInsertedKind()
{
    QFETCH(QVector<int>, structure);
    QFETCH(int, laneType);
    QFETCH(bool, measured);
    QFETCH(quint64, logical);
    QFETCH(quint64, physical);
    Receiver rx;
    rx.setStructure(structure);
    rx.set(14040, 37u);
    rx.set(14042, laneType);
    rx.counters.measure(rx.store, port);
    const ResultCounters::Values values = rx.counters.values(rx.store, port, currentIntervalSelector);
    QCOMPARE(values.contains(2140), measured);
    QCOMPARE(values.value(2140).count, logical);
    QCOMPARE(values.value(2141).count, physical);
}

QTEST_MAIN(tst_ResultCounters)
#include "tst_resultcounters.moc"
