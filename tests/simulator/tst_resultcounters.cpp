#include <QtTest>

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
    // The structure the receiver expects.
    void setStructure(const QVector<int> &values)
    {
        for (int i = 0; i < values.size(); ++i)
            set(PID::Otn::RX::MAPPING[i], values.at(i));
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
    void availability_data();
    void availability();
    void farEndDefectsMakeTheBothDirectionsUnavailable();
    void secondsThatEndUnavailableTimeKeepTheirBlockErrors();
    void skewInsertedOnPhysicalLanes();
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

// The skew of logical lanes is checked where it is inserted, on the simulated tester.
void tst_ResultCounters::skewInsertedOnPhysicalLanes()
{
    using namespace nsIID::Otn;
    Receiver rx;
    rx.setStructure({5, 7, 0, 0, 0});
    rx.set(PID::Otn::STIMULI::SKEW_BITS, 37u);
    rx.set(PID::Otn::STIMULI::SKEW_LANE_TYPE, 1);
    rx.counters.measure(rx.store, port);
    QCOMPARE(rx.value(Lane::SKEW_PHYSICAL, currentIntervalSelector).count, quint64(37));
    QCOMPARE(rx.value(Lane::SKEW_LOGICAL, currentIntervalSelector).count, quint64(0));
}

QTEST_MAIN(tst_ResultCounters)
#include "tst_resultcounters.moc"
