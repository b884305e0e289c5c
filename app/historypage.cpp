#include "historypage.h"

#include "ui_historypage.h"

#include <algorithm>
#include <iterator>

#include <QtCharts/QAreaSeries>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>

#include "host/server/eventclassifier.h"
#include "host/server/eventlog.h"

namespace {

constexpr int allLevels = -1;
constexpr int allCounters = -1;
// A band fills most of its level's row, so that neighbouring bands stay apart.
constexpr qreal bandMargin = 0.15;
// One colour per level's band, apart from the errors' red.
const QColor bandColours[] = {QColor(30, 120, 200), QColor(90, 170, 60),  QColor(230, 150, 20), QColor(120, 80, 200),
                              QColor(20, 160, 160), QColor(200, 90, 160), QColor(140, 110, 60), QColor(90, 90, 90)};

} // namespace

HistoryPage::HistoryPage(QWidget *parent) : QWidget(parent), ui(std::make_unique<Ui::HistoryPage>())
{
    ui->setupUi(this);
    m_chart = new QChart;
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_axisX = new QValueAxis;
    m_axisX->setTitleText(tr("Second of the run"));
    m_axisX->setLabelFormat(QStringLiteral("%d"));
    // Dynamic ticks need their interval first (Qt 5 fails on a range without one).
    m_axisX->setTickAnchor(0);
    m_axisX->setTickInterval(30);
    m_axisX->setTickType(QValueAxis::TicksDynamic);
    m_axisErrors = new QValueAxis;
    m_axisErrors->setTitleText(tr("Errors"));
    m_axisErrors->setLabelFormat(QStringLiteral("%d"));
    m_axisLevels = new QCategoryAxis;
    m_axisLevels->setLabelsPosition(QCategoryAxis::AxisLabelsPositionCenter);
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
    m_chart->addAxis(m_axisErrors, Qt::AlignLeft);
    m_chart->addAxis(m_axisLevels, Qt::AlignRight);
    m_view = new QChartView(m_chart, this);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setRubberBand(QChartView::HorizontalRubberBand);
    m_view->setMinimumHeight(300);
    ui->vLayoutChart->addWidget(m_view);

    connect(m_axisX, &QValueAxis::rangeChanged, this, &HistoryPage::xRangeChanged);
    connect(ui->cmbPort, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        fillCounters();
        redraw();
    });
    connect(ui->cmbLevel, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this] {
        fillCounters();
        redraw();
    });
    connect(ui->cmbCounter, QOverload<int>::of(&QComboBox::currentIndexChanged), this, &HistoryPage::redraw);
    connect(ui->btnLive, &QPushButton::toggled, this, &HistoryPage::setLive);
    connect(ui->btnWholeRun, &QPushButton::clicked, this, &HistoryPage::showWholeRun);
}

HistoryPage::~HistoryPage() = default;

QComboBox *HistoryPage::portCombo() const
{
    return ui->cmbPort;
}

QComboBox *HistoryPage::levelCombo() const
{
    return ui->cmbLevel;
}

QComboBox *HistoryPage::counterCombo() const
{
    return ui->cmbCounter;
}

QChart *HistoryPage::chart() const
{
    return m_chart;
}

void HistoryPage::setLog(EventLog *log)
{
    if (m_log)
        disconnect(m_log, nullptr, this, nullptr);
    m_log = log;
    const QSignalBlocker portBlocker(ui->cmbPort);
    const QSignalBlocker levelBlocker(ui->cmbLevel);
    ui->cmbPort->clear();
    ui->cmbLevel->clear();
    ui->cmbLevel->addItem(tr("All levels"), allLevels);
    if (log) {
        for (int port : log->ports())
            ui->cmbPort->addItem(tr("Port %1").arg(port), port);
        if (const EventClassifier *classifier = log->classifier()) {
            for (int level = 0; level < classifier->levelCount(); ++level)
                ui->cmbLevel->addItem(classifier->levelName(level), level);
        }
        const auto changed = [this] {
            fillCounters();
            redraw();
        };
        connect(log, &QAbstractItemModel::rowsInserted, this, changed);
        connect(log, &QAbstractItemModel::rowsRemoved, this, changed);
        connect(log, &QAbstractItemModel::modelReset, this, changed);
        connect(log, &EventLog::secondCounted, this, [this](int port) {
            if (port == this->port())
                redraw();
        });
    }
    fillCounters();
    redraw();
}

void HistoryPage::showPort(int port)
{
    const int index = ui->cmbPort->findData(port);
    if (index >= 0)
        ui->cmbPort->setCurrentIndex(index);
}

int HistoryPage::port() const
{
    return ui->cmbPort->currentData().toInt();
}

void HistoryPage::setLive(bool live)
{
    if (ui->btnLive->isChecked() != live)
        ui->btnLive->setChecked(live);   // comes back here through toggled
    else
        redraw();
}

void HistoryPage::showWholeRun()
{
    setLive(false);
    const qint64 now = m_log ? m_log->seconds(port()) : 0;
    setXRange(0, qMax<qint64>(now, 1));
    redraw();
}

void HistoryPage::fillCounters()
{
    // The counters that counted errors on the port and level, so that the user picks among what happened.
    const int previous = ui->cmbCounter->currentData().toInt();
    QMap<QString, int> counters;
    const int level = ui->cmbLevel->currentData().toInt();
    for (int row = 0; m_log && row < m_log->size(); ++row) {
        const EventLogEntry &e = m_log->entry(row);
        if (e.kind == EventLogEntry::ErroredSecond && e.port == port() && (level == allLevels || e.level == level))
            counters.insert(e.name, e.id);
    }
    if (ui->cmbCounter->count() == counters.size() + 1)
        return;
    const QSignalBlocker blocker(ui->cmbCounter);
    ui->cmbCounter->clear();
    ui->cmbCounter->addItem(tr("All counters"), allCounters);
    for (auto it = counters.cbegin(); it != counters.cend(); ++it)
        ui->cmbCounter->addItem(it.key(), it.value());
    ui->cmbCounter->setCurrentIndex(qMax(0, ui->cmbCounter->findData(previous)));
}

QMap<int, QVector<HistoryPage::Interval>> HistoryPage::activeIntervals(int port, qint64 now) const
{
    QMap<int, QVector<Interval>> byLevel;
    QHash<int, qint64> onsets;
    for (int row = 0; m_log && row < m_log->size(); ++row) {
        const EventLogEntry &e = m_log->entry(row);
        if (e.port != port)
            continue;
        if (e.kind == EventLogEntry::AlarmOn) {
            onsets.insert(e.id, e.second);
        } else if (e.kind == EventLogEntry::AlarmClear) {
            // The clear says how long: its onset may have left the ring already.
            onsets.remove(e.id);
            if (e.duration > 0)
                byLevel[e.level].append({e.second - e.duration, e.second});
        }
    }
    if (m_log) {
        const QHash<int, qint64> active = m_log->activeAlarms(port);
        for (auto it = active.cbegin(); it != active.cend(); ++it) {
            const int level = m_log->classifier()->classify(it.key()).level;
            if (now > it.value())
                byLevel[level].append({it.value(), now});
        }
    }
    // The band of a level: every second some alarm of the level was active, once.
    for (QVector<Interval> &intervals : byLevel) {
        std::sort(intervals.begin(), intervals.end(),
                  [](const Interval &a, const Interval &b) { return a.from < b.from; });
        QVector<Interval> merged;
        for (const Interval &i : qAsConst(intervals)) {
            if (!merged.isEmpty() && i.from <= merged.last().to)
                merged.last().to = qMax(merged.last().to, i.to);
            else
                merged.append(i);
        }
        intervals = merged;
    }
    return byLevel;
}

QMap<qint64, quint64> HistoryPage::errorBins(int port, qint64 binSeconds) const
{
    QMap<qint64, quint64> bins;
    const int level = ui->cmbLevel->currentData().toInt();
    const int counter = ui->cmbCounter->currentData().toInt();
    for (int row = 0; m_log && row < m_log->size(); ++row) {
        const EventLogEntry &e = m_log->entry(row);
        if (e.kind != EventLogEntry::ErroredSecond || e.port != port)
            continue;
        if ((level != allLevels && e.level != level) || (counter != allCounters && e.id != counter))
            continue;
        bins[e.second / binSeconds * binSeconds] += e.count;
    }
    return bins;
}

void HistoryPage::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_stale)
        redraw();
}

void HistoryPage::redraw()
{
    m_stale = !isVisible();
    if (m_stale)
        return;
    m_chart->removeAllSeries();
    const qint64 now = m_log ? m_log->seconds(port()) : 0;
    if (ui->btnLive->isChecked())
        setXRange(qMax<qint64>(0, now - liveSpan), qMax<qint64>(now, liveSpan));
    const qreal span = m_axisX->max() - m_axisX->min();
    m_binSeconds = span > widestBySecond ? 60 : 1;
    // Ticks on round seconds and minutes, about six of them.
    qreal tick = 1;
    for (qreal step : {1, 2, 5, 10, 15, 30, 60, 2 * 60, 5 * 60, 10 * 60, 30 * 60, 60 * 60, 2 * 60 * 60, 6 * 60 * 60}) {
        tick = step;
        if (step * 6 >= span)
            break;
    }
    m_axisX->setTickAnchor(0);
    m_axisX->setTickInterval(tick);

    // The levels shown, one row each on the right axis, the first at the bottom.
    QVector<int> levels;
    const int picked = ui->cmbLevel->currentData().toInt();
    const int levelCount = m_log && m_log->classifier() ? m_log->classifier()->levelCount() : 0;
    for (int level = 0; level < levelCount; ++level) {
        if (picked == allLevels || picked == level)
            levels.append(level);
    }
    for (const QString &label : m_axisLevels->categoriesLabels())
        m_axisLevels->remove(label);
    m_axisLevels->setRange(0, qMax(1, levels.size()));
    m_axisLevels->setStartValue(0);
    for (int row = 0; row < levels.size(); ++row)
        m_axisLevels->append(m_log->classifier()->levelName(levels.at(row)), row + 1);

    const QMap<int, QVector<Interval>> intervals = activeIntervals(port(), now);
    for (int row = 0; row < levels.size(); ++row) {
        const qreal base = row + bandMargin;
        const qreal top = row + 1 - bandMargin;
        // An area series does not own its lines: they are its children, so that removing the series
        // (every redraw) deletes them too.
        auto *band = new QAreaSeries;
        auto *upper = new QLineSeries(band);
        auto *lower = new QLineSeries(band);
        upper->append(0, base);
        for (const Interval &i : intervals.value(levels.at(row))) {
            upper->append(i.from, base);
            upper->append(i.from, top);
            upper->append(i.to, top);
            upper->append(i.to, base);
        }
        upper->append(qMax<qint64>(now, 1), base);
        lower->append(0, base);
        lower->append(qMax<qint64>(now, 1), base);
        band->setUpperSeries(upper);
        band->setLowerSeries(lower);
        band->setName(m_log->classifier()->levelName(levels.at(row)));
        const QColor colour = bandColours[levels.at(row) % int(std::size(bandColours))];
        band->setColor(colour);
        band->setBorderColor(colour.darker());
        m_chart->addSeries(band);
        band->attachAxis(m_axisX);
        band->attachAxis(m_axisLevels);
    }

    // Errors as bars: each bin a column as wide as the bin.
    auto *errors = new QAreaSeries;
    auto *errorLine = new QLineSeries(errors);
    const QMap<qint64, quint64> bins = errorBins(port(), m_binSeconds);
    quint64 most = 0;
    errorLine->append(0, 0);
    for (auto it = bins.cbegin(); it != bins.cend(); ++it) {
        errorLine->append(it.key(), 0);
        errorLine->append(it.key(), qreal(it.value()));
        errorLine->append(it.key() + m_binSeconds, qreal(it.value()));
        errorLine->append(it.key() + m_binSeconds, 0);
        most = qMax(most, it.value());
    }
    errorLine->append(qMax<qint64>(now, 1), 0);
    errors->setUpperSeries(errorLine);
    errors->setName(m_binSeconds == 1 ? tr("Errors per second") : tr("Errors per minute"));
    errors->setColor(QColor(200, 40, 40, 160));
    errors->setBorderColor(QColor(160, 20, 20));
    m_chart->addSeries(errors);
    errors->attachAxis(m_axisX);
    errors->attachAxis(m_axisErrors);
    m_axisErrors->setRange(0, qMax<quint64>(most + most / 5, 5));
}

void HistoryPage::setXRange(qreal min, qreal max)
{
    m_settingRange = true;
    m_axisX->setRange(min, max);
    m_settingRange = false;
}

void HistoryPage::xRangeChanged(qreal, qreal)
{
    if (m_settingRange)
        return;
    // The user zoomed: the chart stays where it was put, drawn at the span's resolution.
    const QSignalBlocker blocker(ui->btnLive);
    ui->btnLive->setChecked(false);
    QMetaObject::invokeMethod(this, &HistoryPage::redraw, Qt::QueuedConnection);
}
