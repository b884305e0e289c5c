#include <QtTest>

#include "app/measurementcontrol.h"
#include "app/otneventclassifier.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/eventlog.h"
#include "host/server/intervalpoller.h"
#include "host/server/zelservermanager.h"
#include "tests/simulator/simulatortesthelpers.h"
#include "tests/support/testerfixture.h"

using namespace PID::Otn;

class tst_MeasurementControl : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void stopFreezesTheElapsedTimeAndStartResumesIt();
    void resetClearsHistoryAndLogOnTheTester();

private:
    void pass(int seconds);

    std::unique_ptr<TesterFixture> m_tester;
    std::unique_ptr<IntervalPoller> m_poller;
    OtnEventClassifier m_classifier;
    std::unique_ptr<EventLog> m_log;
    std::unique_ptr<MeasurementControl> m_measurement;
};

void tst_MeasurementControl::init()
{
    m_tester = std::make_unique<TesterFixture>(TesterFixture::structureOptions(QStringLiteral("otu2-odu0")));
    m_poller = std::make_unique<IntervalPoller>(m_tester->manager());
    m_log = std::make_unique<EventLog>(m_tester->manager(), &m_classifier);
    m_measurement = std::make_unique<MeasurementControl>(m_tester->manager(), m_log.get());
}

void tst_MeasurementControl::cleanup()
{
    m_measurement.reset();
    m_log.reset();
    m_poller.reset();
    m_tester.reset();
}

// Seconds as the host polls them.
void tst_MeasurementControl::pass(int seconds)
{
    for (int s = 0; s < seconds; ++s) {
        m_poller->poll();
        QVERIFY(m_tester->settle());
    }
}

void tst_MeasurementControl::stopFreezesTheElapsedTimeAndStartResumesIt()
{
    QVERIFY(m_measurement->isRunning());
    pass(2);
    QCOMPARE(m_measurement->elapsedSeconds(), 2u);
    QSignalSpy changed(m_measurement.get(), &MeasurementControl::changed);
    QVERIFY(m_measurement->stop());
    QVERIFY(m_tester->settle());
    QVERIFY(!m_measurement->isRunning());
    QVERIFY(!changed.isEmpty());
    pass(3);
    QCOMPARE(m_measurement->elapsedSeconds(), 2u);
    QVERIFY(m_measurement->start());
    QVERIFY(m_tester->settle());
    pass(1);
    QVERIFY(m_measurement->isRunning());
    QCOMPARE(m_measurement->elapsedSeconds(), 3u);
    QCOMPARE(MeasurementControl::elapsedText(3 * 3600 + 5 * 60 + 7), QStringLiteral("3:05:07"));
}

void tst_MeasurementControl::resetClearsHistoryAndLogOnTheTester()
{
    // SM-BDI for two seconds leaves history behind, in the tester and in the log.
    QVERIFY(m_tester->writeAndWait(1, STIMULI::LEVEL, 0));
    QVERIFY(m_tester->writeAndWait(1, STIMULI::ITEM, SimTest::valueNamed(*m_tester, STIMULI::ITEM, QStringLiteral("SM-BDI"))));
    QVERIFY(m_tester->writeAndWait(1, STIMULI::MODE, SimTest::valueNamed(*m_tester, STIMULI::MODE, QStringLiteral("Continuous"))));
    QVERIFY(m_tester->writeAndWait(1, STIMULI::INSERTION, STIMULI::INSERTION_ON));
    pass(2);
    QVERIFY(m_tester->writeAndWait(1, STIMULI::INSERTION, STIMULI::INSERTION_OFF));
    pass(1);
    constexpr int history = 2;
    QCOMPARE(m_tester->cached(1, STATUS::SM_BDI)->getEnum(), history);
    QVERIFY(m_log->size() > 0);

    QVERIFY(m_measurement->reset());
    QVERIFY(m_tester->settle());
    QCOMPARE(m_tester->cached(1, STATUS::SM_BDI)->getEnum(), 0);
    QCOMPARE(m_measurement->elapsedSeconds(), 0u);
    QCOMPARE(m_log->size(), 0);
    pass(1);
    QCOMPARE(m_measurement->elapsedSeconds(), 1u);
    QCOMPARE(m_tester->cached(1, STATUS::SM_BDI)->getEnum(), 0);
}

QTEST_GUILESS_MAIN(tst_MeasurementControl)
#include "tst_measurementcontrol.moc"
