#include <QtTest>

#include <QtCharts/QAreaSeries>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>

#include "app/eventsamplerun.h"
#include "app/historypage.h"
#include "app/measurementcontrol.h"
#include "app/otneventclassifier.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/eventlog.h"
#include "host/server/eventlogfilter.h"
#include "host/server/intervalpoller.h"
#include "host/server/zelservermanager.h"
#include "tests/simulator/simulatortesthelpers.h"
#include "tests/support/testerfixture.h"

using namespace PID::Otn;

namespace {

// The seconds a series covers above its base: the bands' tops, the bars' heights, by second.
QMap<qint64, qreal> raisedSeconds(const QAreaSeries *series, qreal base)
{
    QMap<qint64, qreal> seconds;
    const QVector<QPointF> points = series->upperSeries()->pointsVector();
    for (int i = 1; i < points.size(); ++i) {
        const QPointF &a = points.at(i - 1);
        const QPointF &b = points.at(i);
        if (a.y() > base && qFuzzyCompare(a.y(), b.y())) {
            for (qint64 s = qint64(a.x()); s < qint64(b.x()); ++s)
                seconds.insert(s, a.y());
        }
    }
    return seconds;
}

// The error bars of the chart (the one series without a lower edge).
QMap<qint64, qreal> errorBars(const HistoryPage &page)
{
    const auto series = page.chart()->series();
    for (QAbstractSeries *s : series) {
        auto *area = qobject_cast<QAreaSeries *>(s);
        if (area && !area->lowerSeries())
            return raisedSeconds(area, 0);
    }
    return {};
}

} // namespace

// The run's event log, its chart and filter, and the measurement control that clears it.
class tst_EventLog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void scriptedRunFillsLogRingAndChart();
    void alarmAlreadyActiveBeginsTheRun();
    void measurementStopsStartsAndResets();

private:
    // Seconds as the host's poller asks for them.
    void pass(int seconds);
    // The sample run: SM-BDI for three seconds, then a burst of ten PM-BIP8 errors.
    void scriptedRun();

    std::unique_ptr<TesterFixture> m_tester;
    std::unique_ptr<IntervalPoller> m_poller;
    OtnEventClassifier m_classifier;
    std::unique_ptr<EventLog> m_log;
};

void tst_EventLog::init()
{
    m_tester = std::make_unique<TesterFixture>(TesterFixture::structureOptions(QStringLiteral("otu2-bulk"), 2));
    m_poller = std::make_unique<IntervalPoller>(m_tester->manager());
    m_log = std::make_unique<EventLog>(m_tester->manager(), &m_classifier);
}

void tst_EventLog::cleanup()
{
    m_log.reset();
    m_poller.reset();
    m_tester.reset();
}

void tst_EventLog::pass(int seconds)
{
    for (int s = 0; s < seconds; ++s) {
        m_poller->poll();
        QVERIFY(m_tester->settle());
    }
}

void tst_EventLog::scriptedRun()
{
    QString problem;
    QVERIFY2(EventSampleRun::run(m_tester->manager(), m_poller.get(), 1, &problem), qPrintable(problem));
    QVERIFY(m_tester->settle());
}

// Onset, clear and one errored second in the log; a ring of two drops the oldest and counts it; the
// chart shows the alarm's seconds as a band and the burst as one bar, by minute when zoomed out.
void tst_EventLog::scriptedRunFillsLogRingAndChart()
{
    EventLog ring(m_tester->manager(), &m_classifier, 2);
    QSignalSpy dropped(&ring, &EventLog::droppedChanged);
    HistoryPage page;
    page.setLog(m_log.get());
    page.showPort(1);
    page.show();
    scriptedRun();

    EventLog &log = *m_log;
    QCOMPARE(log.size(), 3);
    const EventLogEntry &on = log.entry(0);
    QCOMPARE(on.kind, EventLogEntry::AlarmOn);
    QCOMPARE(on.id, STATUS::SM_BDI);
    QCOMPARE(on.level, int(OtnEventClassifier::LevelLine));
    QCOMPARE(on.second, qint64(0));
    const EventLogEntry &clear = log.entry(1);
    QCOMPARE(clear.kind, EventLogEntry::AlarmClear);
    QCOMPARE(clear.id, STATUS::SM_BDI);
    QCOMPARE(clear.duration, qint64(3));
    const EventLogEntry &errored = log.entry(2);
    QCOMPARE(errored.kind, EventLogEntry::ErroredSecond);
    QCOMPARE(errored.id, nsIID::Otn::Error::PM_BIP8[0]);
    QCOMPARE(errored.level, int(OtnEventClassifier::LevelOdu1));
    QCOMPARE(errored.count, quint64(10));
    QCOMPARE(log.seconds(1), qint64(8));
    QCOMPARE(log.dropped(), quint64(0));

    // The filter shows what is picked: port, level, kind.
    const int all = EventLogFilter::all;
    const struct {
        int port, level, kind, shown;
    } picks[] = {{2, all, all, 0},
                 {all, OtnEventClassifier::LevelLine, all, 2},
                 {all, all, EventLogEntry::AlarmClear, 1},
                 {1, OtnEventClassifier::LevelOdu1, EventLogEntry::AlarmOn, 0}};
    for (const auto &pick : picks) {
        EventLogFilter filter;
        filter.setSourceModel(&log);
        filter.setPort(pick.port);
        filter.setLevel(pick.level);
        filter.setKind(pick.kind);
        QCOMPARE(filter.rowCount(), pick.shown);
    }

    QCOMPARE(ring.size(), 2);
    QCOMPARE(ring.dropped(), quint64(1));
    QCOMPARE(dropped.count(), 1);
    QCOMPARE(ring.entry(0).kind, EventLogEntry::AlarmClear);
    QCOMPARE(ring.entry(1).kind, EventLogEntry::ErroredSecond);

    QMap<qint64, qreal> alarmSeconds;
    int bands = 0;
    const auto series = page.chart()->series();
    for (QAbstractSeries *s : series) {
        auto *area = qobject_cast<QAreaSeries *>(s);
        QVERIFY(area);
        if (area->name() == m_classifier.levelName(OtnEventClassifier::LevelLine)) {
            ++bands;
            alarmSeconds = raisedSeconds(area, area->lowerSeries()->at(0).y());
        }
    }
    QCOMPARE(bands, 1);
    QCOMPARE(alarmSeconds.keys(), (QList<qint64>{clear.second - 3, clear.second - 2, clear.second - 1}));
    const QMap<qint64, qreal> errorSeconds = errorBars(page);
    QCOMPARE(errorSeconds.keys(), QList<qint64>{errored.second});
    QCOMPARE(errorSeconds.value(errored.second), 10.0);

    // Zoomed out beyond ten minutes, the bars count per minute, and the chart no longer scrolls.
    page.chart()->axes(Qt::Horizontal).constFirst()->setRange(0, 20 * 60);
    QTRY_COMPARE(page.binSeconds(), qint64(60));
    const QMap<qint64, qreal> minute = errorBars(page);
    QCOMPARE(minute.size(), 60);
    QCOMPARE(minute.value(errored.second / 60 * 60), 10.0);
    pass(1);
    QCOMPARE(page.chart()->axes(Qt::Horizontal).constFirst()->property("max").toDouble(), 20.0 * 60);
}

void tst_EventLog::alarmAlreadyActiveBeginsTheRun()
{
    TesterFixture &f = *m_tester;
    QVERIFY(f.writeAndWait(1, STIMULI::ITEM, SimTest::valueNamed(f, STIMULI::ITEM, QStringLiteral("SM-BDI"))));
    QVERIFY(f.writeAndWait(1, STIMULI::MODE, SimTest::valueNamed(f, STIMULI::MODE, QStringLiteral("Continuous"))));
    QVERIFY(f.writeAndWait(1, STIMULI::INSERTION, STIMULI::INSERTION_ON));
    EventLog log(m_tester->manager(), &m_classifier);
    QCOMPARE(log.size(), 1);
    QCOMPARE(log.entry(0).kind, EventLogEntry::AlarmOn);
    QCOMPARE(log.entry(0).id, STATUS::SM_BDI);

    pass(2);
    log.clear();
    QCOMPARE(log.size(), 1);
    QCOMPARE(log.entry(0).kind, EventLogEntry::AlarmOn);
    QCOMPARE(log.entry(0).second, qint64(0));
    pass(1);
    QVERIFY(m_tester->writeAndWait(1, STIMULI::INSERTION, STIMULI::INSERTION_OFF));
    QCOMPARE(log.size(), 2);
    QCOMPARE(log.entry(1).duration, qint64(1));
}

// Stop freezes the elapsed time and start resumes it; the scripted run leaves history behind, in the
// tester and in the log, and a reset clears both.
void tst_EventLog::measurementStopsStartsAndResets()
{
    MeasurementControl measurement(m_tester->manager(), m_log.get());
    QVERIFY(measurement.isRunning());
    pass(2);
    QCOMPARE(measurement.elapsedSeconds(), 2u);
    QSignalSpy changed(&measurement, &MeasurementControl::changed);
    QVERIFY(measurement.stop());
    QVERIFY(m_tester->settle());
    QVERIFY(!measurement.isRunning());
    QVERIFY(!changed.isEmpty());
    pass(3);
    QCOMPARE(measurement.elapsedSeconds(), 2u);
    QVERIFY(measurement.start());
    QVERIFY(m_tester->settle());
    pass(1);
    QVERIFY(measurement.isRunning());
    QCOMPARE(measurement.elapsedSeconds(), 3u);
    QCOMPARE(MeasurementControl::elapsedText(3 * 3600 + 5 * 60 + 7), QStringLiteral("3:05:07"));

    scriptedRun();
    constexpr int history = 2;
    QCOMPARE(m_tester->cached(1, STATUS::SM_BDI)->getEnum(), history);
    QVERIFY(m_log->size() > 0);

    QVERIFY(measurement.reset());
    QVERIFY(m_tester->settle());
    QCOMPARE(m_tester->cached(1, STATUS::SM_BDI)->getEnum(), 0);
    QCOMPARE(measurement.elapsedSeconds(), 0u);
    QCOMPARE(m_log->size(), 0);
    pass(1);
    QCOMPARE(measurement.elapsedSeconds(), 1u);
    QCOMPARE(m_tester->cached(1, STATUS::SM_BDI)->getEnum(), 0);
}

QTEST_MAIN(tst_EventLog)
#include "tst_eventlog.moc"
