#include <QtTest>

#include "apps/shared/sid.h"
#include "host/otn/otniid.h"
#include "host/parameters/qcmaparameter.h"
#include "simulator/parameterstore.h"
#include "simulator/resultcounters.h"
#include "simulator/simulatedserverlink.h"

namespace {

constexpr int port = 1;
constexpr int lof = 102;
constexpr int smBip8 = 1107;
constexpr int clear = 0;
constexpr int current = 1;
constexpr int history = 2;
// G.709: an OTU2 frame lasts 12.191 µs (rounded to the nanosecond).
constexpr double otu2FramePeriod = 12.191e-6;

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

    void set(int id, const QVariant &value) { store.setValue(nsSID::otnSid(port, id), value); }
    void setStructure(const QVector<int> &values)
    {
        const int ids[5] = {12006, 12007, 12008, 12009, 12022};
        for (int i = 0; i < values.size(); ++i) {
            store.setDefined(nsSID::otnSid(port, ids[i]), true);
            set(ids[i], values.at(i));
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
    void alarmSecondsAndErrorCounts();
    void availability_data();
    void availability();
    void farEndDefectsMakeTheBothDirectionsUnavailable();
    void namesOfTheStructure();
    void aNewStructureStartsAnew();
    void laneSkewOfTheInsertedKind_data();
    void laneSkewOfTheInsertedKind();
};

void tst_ResultCounters::alarmSecondsAndErrorCounts()
{
    Receiver rx;
    rx.run(lof, QStringLiteral("110"));
    rx.set(lof, history);
    rx.set(smBip8, current);
    rx.counters.measure(rx.store, port);
    QCOMPARE(rx.counters.seconds(port), 4);
    // A history state is an alarm that ended: it counts no more seconds.
    QCOMPARE(rx.value(lof).count, quint64(2));
    QCOMPARE(rx.value(lof, currentIntervalSelector).count, quint64(0));
    QCOMPARE(rx.value(lof).rate, -1.0);
    // An error current for a second errs every frame of it.
    const IntervalDataCounters::Value errors = rx.value(smBip8, currentIntervalSelector);
    QVERIFY2(qAbs(double(errors.count) - 1.0 / otu2FramePeriod) < 10.0, qPrintable(QString::number(errors.count)));
    QVERIFY(qAbs(errors.rate - 1.0 / (4 * 4080 * 8)) < 1e-8);
    // Over four seconds the same errors give a quarter of the rate.
    QVERIFY(qAbs(rx.value(smBip8).rate - errors.rate / 4) < 1e-9);
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
    // Until the far end became unavailable both directions were available, and severely errored.
    QCOMPARE(rx.value(Performance::SES_ODU_BIDIRECTIONAL[0]).count, quint64(9));
    QCOMPARE(rx.value(Performance::UAS_ODU_BIDIRECTIONAL[0]).count, quint64(3));
    QCOMPARE(rx.value(Performance::UAS_ODU_BIDIRECTIONAL[0], currentIntervalSelector).count, quint64(1));
}

void tst_ResultCounters::namesOfTheStructure()
{
    using namespace nsIID::Otn::Mapping;
    Receiver rx;
    rx.set(12018, 111809973.568);
    rx.setStructure({3, 0, 16, 2, 0});   // OTU4 > ODU2 > ODU0, GMP on both stages
    rx.counters.measure(rx.store, port);
    QCOMPARE(rx.value(10001).text, QStringLiteral("OTU4"));
    QCOMPARE(rx.value(ODU_NAME[0]).text, QStringLiteral("ODU4"));
    QCOMPARE(rx.value(ODU_NAME[1]).text, QStringLiteral("ODU2"));
    QCOMPARE(rx.value(ODU_PER_NAME[2]).text, QStringLiteral("ODU0"));
    QCOMPARE(rx.value(GMP_NAME[0]).text, QStringLiteral("ODU4"));
    QVERIFY(!rx.counters.values(rx.store, port, cumulativeIntervalSelector).contains(ODU_NAME[3]));
    QVERIFY(!rx.counters.values(rx.store, port, cumulativeIntervalSelector).contains(AMP_NAME[0]));
    // GMP: the Cm of the ODU2 in the OPU4's tributary slots lies between its two bounds.
    const quint64 low = rx.value(nsIID::Otn::Pointer::CmtMin[0]).count;
    const quint64 high = rx.value(nsIID::Otn::Pointer::CmtMax[0]).count;
    QVERIFY2(low > 0 && high >= low && high - low <= 1, qPrintable(QStringLiteral("%1..%2").arg(low).arg(high)));
}

void tst_ResultCounters::aNewStructureStartsAnew()
{
    Receiver rx;
    rx.run(lof, QStringLiteral("111"));
    QCOMPARE(rx.value(lof).count, quint64(3));
    rx.setStructure({1, 1, 1, 0, 0});
    rx.run(lof, QStringLiteral("0"));
    QCOMPARE(rx.counters.seconds(port), 1);
    QCOMPARE(rx.value(lof).count, quint64(0));
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
