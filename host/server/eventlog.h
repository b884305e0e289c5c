#pragma once

#include <deque>

#include <QAbstractTableModel>
#include <QHash>
#include <QList>

#include "eventlogentry.h"
#include "host/hostexport.h"
#include "parameterobserver.h"

class EventClassifier;
class zelServerManager;

// The run's event log of every port, kept from what the server manager already receives: an entry per
// alarm onset and clear (from the alarm statuses) and per errored second (from the current interval's
// counters block, which the log follows on every port so the poller asks for it each interval). The
// seconds are the ports' measured intervals, so durations do not depend on when answers arrive. The log
// is a ring: beyond its capacity the oldest entries go, and dropped() counts them. As a table model it
// serves views and report writers alike.
class ZELCORE_EXPORT EventLog : public QAbstractTableModel, public ParameterObserver
{
    Q_OBJECT
public:
    enum Column { ColumnTime, ColumnSecond, ColumnPort, ColumnLevel, ColumnKind, ColumnName, ColumnValue, ColumnCount };
    // Raw values for filters and sorting; the display texts are for people.
    enum Role { PortRole = Qt::UserRole + 1, LevelRole, KindRole, SortRole };
    static constexpr int defaultCapacity = 10000;

    // The classifier must outlive the log.
    EventLog(zelServerManager *manager, const EventClassifier *classifier, int capacity = defaultCapacity,
             QObject *parent = nullptr);
    ~EventLog() override;

    int capacity() const { return m_capacity; }
    quint64 dropped() const { return m_dropped; }
    int size() const { return int(m_entries.size()); }
    const EventLogEntry &entry(int row) const { return m_entries.at(size_t(row)); }
    const EventClassifier *classifier() const { return m_classifier; }
    QList<int> ports() const { return m_ports; }
    // The seconds the port measured since the run began.
    qint64 seconds(int port) const { return m_seconds.value(port); }
    // The port's alarms active now: the second each began, by status id.
    QHash<int, qint64> activeAlarms(int port) const;
    static QString kindName(EventLogEntry::Kind kind);

    // A new run: the entries, the dropped count and the seconds start again; the alarms active now begin
    // it, as they begin a log made while they are active.
    void clear();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void parameterUpdated(const QcmaParameter &) override {}
    void intervalDataUpdated(const IntervalData &data) override;
    bool isIntervalBound() const override { return true; }
    quint32 intervalSelector() const override;

signals:
    void droppedChanged(quint64 dropped);
    // The port measured another second.
    void secondCounted(int port, qint64 seconds);

private:
    struct Active {
        qint64 since = 0;
        int level = 0;
    };

    void statusChanged(const QcmaParameter &parameter);
    void append(EventLogEntry entry);
    QString nameOf(int sid) const;

    zelServerManager *m_manager = nullptr;
    const EventClassifier *m_classifier = nullptr;
    int m_capacity = defaultCapacity;
    QList<int> m_ports;
    std::deque<EventLogEntry> m_entries;
    quint64 m_dropped = 0;
    QHash<int, qint64> m_seconds;
    // By the status's SID.
    QHash<int, Active> m_active;
};
