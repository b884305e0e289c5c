#include <QtTest>

#include "apps/shared/sid.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameterbytearray.h"
#include "host/parameters/qcmaparameterenum.h"
#include "host/parameters/qcmaparameteruint.h"
#include "host/server/zelservermanager.h"
#include "simulator/simulatedserverlink.h"
#include "tests/simulator/simulatortesthelpers.h"
#include "tests/support/testerfixture.h"

namespace {

QList<int> sidsOf(const QSignalSpy &spy)
{
    QList<int> sids;
    for (const QList<QVariant> &args : spy)
        sids.append(args.at(0).value<QSharedPointer<QcmaParameter>>()->getSID());
    return sids;
}

} // namespace

Q_DECLARE_METATYPE(QSharedPointer<QcmaParameter>)
Q_DECLARE_METATYPE(QSharedPointer<IntervalData>)

class tst_SimulatedServerLink : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void confirmationIsQueued();
    void batchIsAppliedInOrderAndConfirmedAsOne();
    void intervalDataCarriesPortSidAndSelector();

private:
    static SimulatorOptions options(int ports = 2) { return TesterFixture::testOptions(ports); }
};

void tst_SimulatedServerLink::initTestCase()
{
    qRegisterMetaType<QSharedPointer<QcmaParameter>>();
    qRegisterMetaType<QSharedPointer<IntervalData>>();
}

void tst_SimulatedServerLink::confirmationIsQueued()
{
    TesterFixture f(options());
    QSignalSpy spy(f.link(), &ServerLink::parameterChanged);
    QVERIFY(f.write(1, 11012, 0));
    // Nothing is answered while the write call runs.
    QCOMPARE(spy.count(), 0);
    QCOMPARE(f.cached(1, 11012)->getEnum(), 1);
    QCOMPARE(f.link()->pendingAnswers(), 1);
    QTRY_COMPARE(f.cached(1, 11012)->getEnum(), 0);
    QCOMPARE(sidsOf(spy), QList<int>({nsSID::otnSid(1, 11012)}));
    QCOMPARE(f.link()->value(nsSID::otnSid(2, 11012))->getEnum(), 1);
}

void tst_SimulatedServerLink::batchIsAppliedInOrderAndConfirmedAsOne()
{
    TesterFixture f(options());
    QSignalSpy spy(f.link(), &ServerLink::parameterChanged);
    // Two values of the SM third byte's reserved bits: nothing the receiver reports on.
    QcmaParameterUInt first(nsSID::otnSid(1, 11019), 1);
    QcmaParameterUInt second(nsSID::otnSid(1, 11019), 3);
    QcmaParameterUInt burst(nsSID::otnSid(1, 14004), 7);
    // Only the tester ends an insertion: refused, the value it keeps is announced again.
    const int insertion = nsSID::otnSid(1, PID::Otn::STIMULI::INSERTION);
    QcmaParameterEnum refused(insertion, PID::Otn::STIMULI::INSERTION_DONE);
    QcmaParameterByteArray gcc0(nsSID::otnSid(2, 11020), QByteArray("\x12\x34", 2));
    QTest::ignoreMessage(QtWarningMsg, qPrintable(SimTest::refusedLine(insertion, "only the tester ends an insertion")));
    f.manager()->SetQcmaParameterList({&first, &burst, &refused, &second, &gcc0});

    QCOMPARE(f.link()->writeRequests(), 1);
    QCOMPARE(f.link()->pendingAnswers(), 1);
    QVERIFY(f.settle());
    // One answer, each SID once, in the order of first mention; the later value of a SID wins.
    QCOMPARE(sidsOf(spy), QList<int>({nsSID::otnSid(1, 11019), nsSID::otnSid(1, 14004), insertion,
                                      nsSID::otnSid(2, 11020)}));
    QCOMPARE(f.cached(1, 11019)->getUInt(), 3u);
    QCOMPARE(f.cached(1, 14004)->getUInt(), 7u);
    QCOMPARE(f.cachedSid(insertion)->getEnum(), PID::Otn::STIMULI::INSERTION_OFF);
    QCOMPARE(f.cached(2, 11020)->getByteArray(), QByteArray("\x12\x34", 2));
}

void tst_SimulatedServerLink::intervalDataCarriesPortSidAndSelector()
{
    TesterFixture f(options());
    // Port 2 scans its tributaries, so its answer carries the scan's words too.
    QVERIFY(f.writeAndWait(2, PID::Otn::SCAN::RUNNING, 1));
    QSignalSpy spy(f.link(), &ServerLink::intervalDataArrived);
    f.manager()->Interval_GetAndPost_Ex(2, nsSID::otn, currentIntervalSelector);
    f.manager()->Interval_GetAndPost_Ex(3, nsSID::otn, currentIntervalSelector);
    f.manager()->Interval_GetAndPost_Ex(1, nsSID::general, currentIntervalSelector);
    QCOMPARE(spy.count(), 0);
    QVERIFY(f.settle());
    QCOMPARE(spy.count(), 3);
    QList<int> sids;
    for (const QList<QVariant> &args : spy) {
        const auto data = args.at(0).value<QSharedPointer<IntervalData>>();
        sids.append(data->sid());
        QCOMPARE(data->selector(), currentIntervalSelector);
        if (auto capture = data.dynamicCast<IntervalDataOtnCapture>()) {
            for (const QByteArray &record : capture->records)
                QCOMPARE(record.size(), IntervalDataOtnCapture::recordSize);
        }
    }
    QCOMPARE(sids, QList<int>({nsSID::otnSid(2, 7101), nsSID::otnSid(2, 3101),
                               nsSID::otnSid(2, IntervalDataCounters::blockId)}));
}

QTEST_GUILESS_MAIN(tst_SimulatedServerLink)
#include "tst_simulatedserverlink.moc"
