#include "eventlog.h"

#include <algorithm>

#include <QLoggingCategory>

#include "apps/shared/sid.h"
#include "eventclassifier.h"
#include "host/parameters/intervaldata.h"
#include "host/parameters/qcmaparameter.h"
#include "zelservermanager.h"

Q_LOGGING_CATEGORY(lcEventLog, "zel.eventlog")

EventLog::EventLog(zelServerManager *manager, const EventClassifier *classifier, int capacity, QObject *parent)
    : QAbstractTableModel(parent), m_manager(manager), m_classifier(classifier), m_capacity(qMax(1, capacity))
{
    if (capacity < 1)
        qCWarning(lcEventLog) << "capacity" << capacity << "is no size for the event log: it keeps 1 entry";
    if (!m_manager || !m_classifier) {
        qCWarning(lcEventLog) << "an event log without a server manager or a classifier logs nothing";
        return;
    }
    for (int port = 1; port <= m_manager->PortCount(); ++port) {
        m_ports.append(port);
        m_manager->addObserver(nsSID::build(port, m_classifier->group(), IntervalDataCounters::blockId), this);
    }
    connect(m_manager, &zelServerManager::parameterChanged, this, &EventLog::statusChanged);
    // The run begins with the alarms that are already there.
    const QList<int> alarms = m_classifier->alarmIds();
    for (int port : qAsConst(m_ports)) {
        for (int id : alarms) {
            if (const QcmaParameter *status = m_manager->cachedParameter(nsSID::build(port, m_classifier->group(), id)))
                statusChanged(*status);
        }
    }
}

EventLog::~EventLog()
{
    if (!m_manager || !m_classifier)
        return;
    for (int port : qAsConst(m_ports))
        m_manager->removeObserver(nsSID::build(port, m_classifier->group(), IntervalDataCounters::blockId), this);
}

quint32 EventLog::intervalSelector() const
{
    return currentIntervalSelector;
}

QHash<int, qint64> EventLog::activeAlarms(int port) const
{
    QHash<int, qint64> active;
    for (auto it = m_active.cbegin(); it != m_active.cend(); ++it) {
        if (nsSID::portOf(it.key()) == port)
            active.insert(nsSID::idOf(it.key()), it->since);
    }
    return active;
}

QString EventLog::kindName(EventLogEntry::Kind kind)
{
    switch (kind) {
    case EventLogEntry::AlarmOn:
        return tr("Alarm on");
    case EventLogEntry::AlarmClear:
        return tr("Alarm cleared");
    case EventLogEntry::ErroredSecond:
        return tr("Errored second");
    }
    return QString();
}

void EventLog::clear()
{
    beginResetModel();
    m_entries.clear();
    m_seconds.clear();
    endResetModel();
    // The new run begins with the alarms that are still there.
    QList<int> sids = m_active.keys();
    std::sort(sids.begin(), sids.end());
    for (int sid : qAsConst(sids)) {
        Active &active = m_active[sid];
        active.since = 0;
        EventLogEntry e;
        e.port = nsSID::portOf(sid);
        e.level = active.level;
        e.id = nsSID::idOf(sid);
        e.name = nameOf(sid);
        append(e);
    }
    if (m_dropped != 0) {
        m_dropped = 0;
        emit droppedChanged(0);
    }
}

int EventLog::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : size();
}

int EventLog::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant EventLog::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= size())
        return QVariant();
    const EventLogEntry &e = entry(index.row());
    switch (role) {
    case PortRole:
        return e.port;
    case LevelRole:
        return e.level;
    case KindRole:
        return int(e.kind);
    case SortRole:
        switch (index.column()) {
        case ColumnTime:
        case ColumnSecond:
            return e.second;
        case ColumnPort:
            return e.port;
        case ColumnLevel:
            return e.level;
        case ColumnKind:
            return int(e.kind);
        case ColumnValue:
            return e.kind == EventLogEntry::ErroredSecond ? qint64(e.count) : e.duration;
        default:
            return data(index, Qt::DisplayRole);
        }
    case Qt::TextAlignmentRole:
        return index.column() == ColumnName || index.column() == ColumnKind || index.column() == ColumnLevel
                   ? QVariant(int(Qt::AlignLeft | Qt::AlignVCenter))
                   : QVariant(int(Qt::AlignRight | Qt::AlignVCenter));
    case Qt::DisplayRole:
        break;
    default:
        return QVariant();
    }
    switch (index.column()) {
    case ColumnTime:
        return e.time.toString(QStringLiteral("HH:mm:ss"));
    case ColumnSecond:
        return e.second;
    case ColumnPort:
        return e.port;
    case ColumnLevel:
        return m_classifier ? m_classifier->levelName(e.level) : QString::number(e.level);
    case ColumnKind:
        return kindName(e.kind);
    case ColumnName:
        return e.name;
    case ColumnValue:
        if (e.kind == EventLogEntry::ErroredSecond)
            return tr("%n error(s)", nullptr, int(qMin<quint64>(e.count, quint64(INT_MAX))));
        if (e.kind == EventLogEntry::AlarmClear)
            return tr("%n s", nullptr, int(e.duration));
        return QString();
    }
    return QVariant();
}

QVariant EventLog::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (section) {
    case ColumnTime:
        return tr("Time");
    case ColumnSecond:
        return tr("Second");
    case ColumnPort:
        return tr("Port");
    case ColumnLevel:
        return tr("Level");
    case ColumnKind:
        return tr("Event");
    case ColumnName:
        return tr("Alarm/Counter");
    case ColumnValue:
        return tr("Count/Duration");
    }
    return QVariant();
}

void EventLog::intervalDataUpdated(const IntervalData &data)
{
    const auto *counters = dynamic_cast<const IntervalDataCounters *>(&data);
    if (!counters || data.selector() != currentIntervalSelector)
        return;
    const int port = nsSID::portOf(data.sid());
    if (!m_ports.contains(port)) {
        qCWarning(lcEventLog) << "counters of port" << port << "which the log does not follow";
        return;
    }
    const qint64 second = m_seconds.value(port);
    // One line per counter, in id order, so that a second reads the same however the block was hashed.
    QList<int> ids = counters->values.keys();
    std::sort(ids.begin(), ids.end());
    for (int id : qAsConst(ids)) {
        const quint64 count = counters->values.value(id).count;
        const EventClassifier::Status status = m_classifier->classify(id);
        if (count == 0 || status.kind != EventClassifier::Kind::ErrorCounter)
            continue;
        EventLogEntry e;
        e.second = second;
        e.port = port;
        e.level = status.level;
        e.kind = EventLogEntry::ErroredSecond;
        e.id = id;
        e.name = nameOf(nsSID::build(port, m_classifier->group(), id));
        e.count = count;
        append(e);
    }
    m_seconds[port] = second + 1;
    emit secondCounted(port, second + 1);
}

void EventLog::statusChanged(const QcmaParameter &parameter)
{
    const int sid = parameter.getSID() & ~int(nsSID::flagMask);
    const int port = nsSID::portOf(sid);
    if (nsSID::groupOf(sid) != m_classifier->group() || !m_ports.contains(port))
        return;
    const EventClassifier::Status status = m_classifier->classify(nsSID::idOf(sid));
    if (status.kind != EventClassifier::Kind::Alarm)
        return;
    const bool raised = parameter.isDefined() && m_classifier->raised(parameter.getEnum());
    const auto active = m_active.find(sid);
    if (raised == (active != m_active.end()))
        return;
    EventLogEntry e;
    e.second = m_seconds.value(port);
    e.port = port;
    e.level = status.level;
    e.id = nsSID::idOf(sid);
    e.name = nameOf(sid);
    if (raised) {
        e.kind = EventLogEntry::AlarmOn;
        m_active.insert(sid, Active{e.second, status.level});
    } else {
        e.kind = EventLogEntry::AlarmClear;
        e.duration = e.second - active->since;
        m_active.erase(active);
    }
    append(e);
}

void EventLog::append(EventLogEntry entry)
{
    entry.time = QDateTime::currentDateTime();
    if (size() >= m_capacity) {
        beginRemoveRows(QModelIndex(), 0, 0);
        m_entries.pop_front();
        endRemoveRows();
        ++m_dropped;
        emit droppedChanged(m_dropped);
    }
    beginInsertRows(QModelIndex(), size(), size());
    m_entries.push_back(std::move(entry));
    endInsertRows();
}

QString EventLog::nameOf(int sid) const
{
    const QString name = m_manager->texts().getSidName(sid, m_manager->GetTerminology(nsSID::portOf(sid)));
    return name.isEmpty() ? QString::number(nsSID::idOf(sid)) : name;
}
