#include <QtTest>

#include <QtCharts/QAreaSeries>
#include <QtCharts/QChart>
#include <QtCharts/QLineSeries>

#include "app/historypage.h"
#include "app/otneventclassifier.h"
#include "host/otn/otniid.h"
#include "host/otn/otnpid.h"
#include "host/server/eventlog.h"
#include "host/server/eventlogfilter.h"
#include "host/server/intervalpoller.h"
#include "host/server/zelservermanager.h"
#include "tests/simulator/simulatortesthelpers.h"
#include "tests/support/testerfixture.h"

using namespace PID::Otn;

namespace {

// One interval of every port, as the host's poller asks for it each second.
void pass(TesterFixture &f, IntervalPoller &poller, int seconds)
{
    for (int s = 0; s < seconds; ++s) {
        poller.poll();
        f.settle();
    }
}

bool insert(TesterFixture &f, const QString &item, const QString &mode, int burst = 0)
{
    return f.writeAndWait(1, STIMULI::LEVEL, 0)
           && f.writeAndWait(1, STIMULI::ITEM, SimTest::valueNamed(f, STIMULI::ITEM, item))
           && f.writeAndWait(1, STIMULI::MODE, SimTest::valueNamed(f, STIMULI::MODE, mode))
           && (burst == 0 || f.writeAndWait(1, STIMULI::BURST, burst))
           && f.writeAndWait(1, STIMULI::INSERTION, STIMULI::INSERTION_ON);
}

// The scripted run: SM-BDI for three seconds, then a burst of ten PM-BIP8 errors.
void scriptedRun(TesterFixture &f, IntervalPoller &poller)
{
    pass(f, poller, 1);
    QVERIFY(insert(f, QStringLiteral("SM-BDI"), QStringLiteral("Continuous")));
    pass(f, poller, 3);
    QVERIFY(f.writeAndWait(1, STIMULI::INSERTION, STIMULI::INSERTION_OFF));
    pass(f, poller, 1);
    QVERIFY(insert(f, QStringLiteral("PM-BIP8"), QStringLiteral("Burst"), 10));
    pass(f, poller, 2);
}

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

} // namespace

class tst_EventLog : public QObject
{
    Q_OBJECT
private slots:
    void alarmAndErrorBurstGiveOnsetClearAndOneErroredSecond();
    void alarmAlreadyActiveBeginsTheRun();
    void ringDropsTheOldestAndCountsThem();
    void chartHoldsTheSecondsOfTheLog();
    void filterHidesWhatIsNotPicked_data();
    void filterHidesWhatIsNotPicked();
};

void tst_EventLog::alarmAndErrorBurstGiveOnsetClearAndOneErroredSecond()
{
    TesterFixture f(TesterFixture::structureOptions(QStringLiteral("otu2-bulk")));
    OtnEventClassifier classifier;
    EventLog log(f.manager(), &classifier);
    IntervalPoller poller(f.manager());
    scriptedRun(f, poller);

    QCOMPARE(log.size(), 3);
    const EventLogEntry &on = log.entry(0);
    QCOMPARE(on.kind, EventLogEntry::AlarmOn);
    QCOMPARE(on.id, STATUS::SM_BDI);
    QCOMPARE(on.level, int(OtnEventClassifier::LevelLine));
    QCOMPARE(on.second, qint64(1));
    QVERIFY(!on.name.isEmpty());
    const EventLogEntry &clear = log.entry(1);
    QCOMPARE(clear.kind, EventLogEntry::AlarmClear);
    QCOMPARE(clear.id, STATUS::SM_BDI);
    QCOMPARE(clear.duration, qint64(3));
    const EventLogEntry &errored = log.entry(2);
    QCOMPARE(errored.kind, EventLogEntry::ErroredSecond);
    QCOMPARE(errored.id, nsIID::Otn::Error::PM_BIP8[0]);
    QCOMPARE(errored.level, int(OtnEventClassifier::LevelOdu1));
    QCOMPARE(errored.count, quint64(10));
    QCOMPARE(errored.port, 1);
    QCOMPARE(log.seconds(1), qint64(7));
    QCOMPARE(log.dropped(), quint64(0));

    log.clear();
    QCOMPARE(log.size(), 0);
    QCOMPARE(log.seconds(1), qint64(0));
}

void tst_EventLog::alarmAlreadyActiveBeginsTheRun()
{
    TesterFixture f(TesterFixture::structureOptions(QStringLiteral("otu2-bulk")));
    QVERIFY(insert(f, QStringLiteral("SM-BDI"), QStringLiteral("Continuous")));
    OtnEventClassifier classifier;
    EventLog log(f.manager(), &classifier);
    IntervalPoller poller(f.manager());
    QCOMPARE(log.size(), 1);
    QCOMPARE(log.entry(0).kind, EventLogEntry::AlarmOn);
    QCOMPARE(log.entry(0).id, STATUS::SM_BDI);

    pass(f, poller, 2);
    log.clear();
    QCOMPARE(log.size(), 1);
    QCOMPARE(log.entry(0).kind, EventLogEntry::AlarmOn);
    QCOMPARE(log.entry(0).second, qint64(0));
    pass(f, poller, 1);
    QVERIFY(f.writeAndWait(1, STIMULI::INSERTION, STIMULI::INSERTION_OFF));
    QCOMPARE(log.size(), 2);
    QCOMPARE(log.entry(1).duration, qint64(1));
}

void tst_EventLog::ringDropsTheOldestAndCountsThem()
{
    TesterFixture f(TesterFixture::structureOptions(QStringLiteral("otu2-bulk")));
    OtnEventClassifier classifier;
    EventLog log(f.manager(), &classifier, 2);
    IntervalPoller poller(f.manager());
    QSignalSpy dropped(&log, &EventLog::droppedChanged);
    scriptedRun(f, poller);

    QCOMPARE(log.size(), 2);
    QCOMPARE(log.dropped(), quint64(1));
    QCOMPARE(dropped.count(), 1);
    QCOMPARE(log.entry(0).kind, EventLogEntry::AlarmClear);
    QCOMPARE(log.entry(1).kind, EventLogEntry::ErroredSecond);
    QCOMPARE(log.rowCount(), 2);
}

void tst_EventLog::chartHoldsTheSecondsOfTheLog()
{
    TesterFixture f(TesterFixture::structureOptions(QStringLiteral("otu2-bulk")));
    OtnEventClassifier classifier;
    EventLog log(f.manager(), &classifier);
    IntervalPoller poller(f.manager());
    HistoryPage page;
    page.setLog(&log);
    page.showPort(1);
    page.show();
    scriptedRun(f, poller);

    QMap<qint64, qreal> alarmSeconds;
    QMap<qint64, qreal> errorSeconds;
    int bands = 0;
    const auto series = page.chart()->series();
    for (QAbstractSeries *s : series) {
        auto *area = qobject_cast<QAreaSeries *>(s);
        QVERIFY(area);
        if (area->name() == classifier.levelName(OtnEventClassifier::LevelLine)) {
            ++bands;
            const qreal base = area->lowerSeries()->at(0).y();
            alarmSeconds = raisedSeconds(area, base);
        } else if (!area->lowerSeries()) {
            errorSeconds = raisedSeconds(area, 0);
        }
    }
    QCOMPARE(bands, 1);
    const EventLogEntry &clear = log.entry(1);
    QCOMPARE(alarmSeconds.keys(), (QList<qint64>{clear.second - 3, clear.second - 2, clear.second - 1}));
    const EventLogEntry &errored = log.entry(2);
    QCOMPARE(errorSeconds.keys(), QList<qint64>{errored.second});
    QCOMPARE(errorSeconds.value(errored.second), 10.0);

    // Zoomed out beyond ten minutes, the bars count per minute, and the chart no longer scrolls.
    page.chart()->axes(Qt::Horizontal).constFirst()->setRange(0, 20 * 60);
    QTRY_COMPARE(page.binSeconds(), qint64(60));
    const auto minute = [&page] {
        const auto zoomed = page.chart()->series();
        for (QAbstractSeries *s : zoomed) {
            auto *area = qobject_cast<QAreaSeries *>(s);
            if (area && !area->lowerSeries())
                return raisedSeconds(area, 0);
        }
        return QMap<qint64, qreal>();
    }();
    QCOMPARE(minute.size(), 60);
    QCOMPARE(minute.value(errored.second / 60 * 60), 10.0);
    pass(f, poller, 1);
    QCOMPARE(page.chart()->axes(Qt::Horizontal).constFirst()->property("max").toDouble(), 20.0 * 60);
}

void tst_EventLog::filterHidesWhatIsNotPicked_data()
{
    QTest::addColumn<int>("port");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("shown");

    const int all = EventLogFilter::all;
    QTest::newRow("everything") << all << all << all << 3;
    QTest::newRow("port 1") << 1 << all << all << 3;
    QTest::newRow("port 2") << 2 << all << all << 0;
    QTest::newRow("the line") << all << int(OtnEventClassifier::LevelLine) << all << 2;
    QTest::newRow("the first ODU") << all << int(OtnEventClassifier::LevelOdu1) << all << 1;
    QTest::newRow("clears") << all << all << int(EventLogEntry::AlarmClear) << 1;
    QTest::newRow("onsets of the first ODU") << 1 << int(OtnEventClassifier::LevelOdu1) << int(EventLogEntry::AlarmOn) << 0;
}

void tst_EventLog::filterHidesWhatIsNotPicked()
{
    QFETCH(int, port);
    QFETCH(int, level);
    QFETCH(int, kind);
    QFETCH(int, shown);

    TesterFixture f(TesterFixture::structureOptions(QStringLiteral("otu2-bulk"), 2));
    OtnEventClassifier classifier;
    EventLog log(f.manager(), &classifier);
    IntervalPoller poller(f.manager());
    scriptedRun(f, poller);
    EventLogFilter filter;
    filter.setSourceModel(&log);
    filter.setPort(port);
    filter.setLevel(level);
    filter.setKind(kind);
    QCOMPARE(filter.rowCount(), shown);
}

QTEST_MAIN(tst_EventLog)
#include "tst_eventlog.moc"
