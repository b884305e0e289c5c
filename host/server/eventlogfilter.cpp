#include "eventlogfilter.h"

#include "eventlog.h"

EventLogFilter::EventLogFilter(QObject *parent) : QSortFilterProxyModel(parent)
{
    setSortRole(EventLog::SortRole);
}

void EventLogFilter::setPort(int port)
{
    change(m_port, port);
}

void EventLogFilter::setLevel(int level)
{
    change(m_level, level);
}

void EventLogFilter::setKind(int kind)
{
    change(m_kind, kind);
}

void EventLogFilter::change(int &field, int value)
{
    if (field == value)
        return;
    field = value;
    invalidateFilter();
}

bool EventLogFilter::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    const QModelIndex index = sourceModel()->index(sourceRow, 0, sourceParent);
    const auto passes = [&index](int picked, int role) {
        return picked == all || index.data(role).toInt() == picked;
    };
    return passes(m_port, EventLog::PortRole) && passes(m_level, EventLog::LevelRole)
           && passes(m_kind, EventLog::KindRole);
}
