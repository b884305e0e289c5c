#pragma once

#include <memory>

#include <QMap>
#include <QVector>
#include <QWidget>
#include <QtCharts/QCategoryAxis>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QValueAxis>

class EventLog;
class QComboBox;

#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
// Qt 5 keeps the chart classes in a namespace of their own, Qt 6 does not.
using namespace QtCharts;
#endif

namespace Ui {
class HistoryPage;
}

// The results page of the run's history on one port: a band per level for the seconds its alarms were
// active, and bars of the errors counted per second (per minute when more than ten minutes are shown),
// both from the event log. Live, it shows the last two minutes and scrolls with the run; zoomed in, or
// over the whole run, it stays where the user put it until Live is picked again.
class HistoryPage : public QWidget
{
    Q_OBJECT
public:
    // Seconds shown while live, and the widest span drawn second by second.
    static constexpr qint64 liveSpan = 2 * 60;
    static constexpr qint64 widestBySecond = 10 * 60;

    explicit HistoryPage(QWidget *parent = nullptr);
    ~HistoryPage() override;

    // The log must outlive the page, or be set anew.
    void setLog(EventLog *log);
    void showPort(int port);
    void setLive(bool live);
    void showWholeRun();

    QComboBox *portCombo() const;
    QComboBox *levelCombo() const;
    QComboBox *counterCombo() const;
    QChart *chart() const;
    // The seconds a bar covers now (1 or 60).
    qint64 binSeconds() const { return m_binSeconds; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct Interval {
        qint64 from = 0;
        qint64 to = 0;
    };

    int port() const;
    void fillCounters();
    void redraw();
    void xRangeChanged(qreal min, qreal max);
    void setXRange(qreal min, qreal max);
    QMap<int, QVector<Interval>> activeIntervals(int port, qint64 now) const;
    QMap<qint64, quint64> errorBins(int port, qint64 binSeconds) const;

    std::unique_ptr<Ui::HistoryPage> ui;
    EventLog *m_log = nullptr;
    QChart *m_chart = nullptr;
    QChartView *m_view = nullptr;
    QValueAxis *m_axisX = nullptr;
    QValueAxis *m_axisErrors = nullptr;
    QCategoryAxis *m_axisLevels = nullptr;
    qint64 m_binSeconds = 1;
    bool m_settingRange = false;
    // A hidden page draws when it is shown again, not every second.
    bool m_stale = false;
};
