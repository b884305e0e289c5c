#include "intervalpoller.h"

#include "zelservermanager.h"

IntervalPoller::IntervalPoller(zelServerManager *manager, QObject *parent) : QObject(parent), m_manager(manager)
{
    connect(&m_timer, &QTimer::timeout, this, &IntervalPoller::poll);
}

void IntervalPoller::start(int periodMs)
{
    m_timer.start(periodMs);
}

void IntervalPoller::stop()
{
    m_timer.stop();
}

int IntervalPoller::poll()
{
    if (!m_manager)
        return 0;
    const QList<IntervalRequest> requests = m_manager->intervalRequests();
    for (const IntervalRequest &r : requests)
        m_manager->Interval_GetAndPost_Ex(r.port, r.group, r.selector);
    return requests.size();
}
