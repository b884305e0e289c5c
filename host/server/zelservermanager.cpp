#include "zelservermanager.h"

#include <algorithm>
#include <tuple>

#include <QLoggingCategory>

#include "apps/shared/sid.h"
#include "host/diagnostics/zeldiagnostics.h"
#include "host/parameters/qcmaparameter.h"
#include "host/parameters/qcmaparameterenum.h"
#include "modalrunner.h"
#include "parameterobserver.h"

Q_LOGGING_CATEGORY(lcServerManager, "zel.server")

namespace {

// What a binding would show differently: the value, whether it is defined, and an enumeration's active
// enumerators.
bool sameState(const QcmaParameter &a, const QcmaParameter &b)
{
    if (!a.sameValue(b))
        return false;
    const auto *enumA = dynamic_cast<const QcmaParameterEnum *>(&a);
    const auto *enumB = dynamic_cast<const QcmaParameterEnum *>(&b);
    return !enumA || !enumB || enumA->activeEnums() == enumB->activeEnums();
}

} // namespace

ParameterObserver::~ParameterObserver() = default;

zelServerManager::zelServerManager(ServerLink *link, QObject *parent)
    : QObject(parent), m_link(link), m_catalogue(link->sharedCatalogue()), m_texts(m_catalogue),
      m_linkState(link->state()), m_linkStateReason(link->stateReason())
{
    Q_ASSERT(link);
    // A link still connecting has nothing yet; its values come with the connection.
    for (std::unique_ptr<QcmaParameter> &p : link->snapshot()) {
        if (!p)
            continue;
        const int sid = keyOf(p->getSID());
        m_cache[sid] = std::move(p);
    }
    connect(link, &ServerLink::parameterChanged, this, &zelServerManager::onParameterChanged);
    connect(link, &ServerLink::intervalDataArrived, this, &zelServerManager::onIntervalData);
    connect(link, &ServerLink::stateChanged, this, &zelServerManager::onLinkStateChanged);
}

zelServerManager::~zelServerManager() = default;

std::unique_ptr<QcmaParameter> zelServerManager::GetQcmaParameter(int sid) const
{
    const QcmaParameter *p = cachedParameter(sid);
    return p ? p->clone() : nullptr;
}

int zelServerManager::keyOf(int sid)
{
    return int(unsigned(sid) & ~nsSID::flagMask);
}

const QcmaParameter *zelServerManager::cachedParameter(int sid) const
{
    const auto it = m_cache.find(keyOf(sid));
    return it == m_cache.end() ? nullptr : it->second.get();
}

int zelServerManager::terminologySid(int port)
{
    return nsSID::build(port, nsSID::general, terminologyId);
}

int zelServerManager::GetTerminology(int port) const
{
    const QcmaParameter *p = cachedParameter(terminologySid(port));
    return (p && p->getInt() != 0) ? 1 : 2;
}

void zelServerManager::SetQcmaParameter(const QcmaParameter *parameter)
{
    if (parameter)
        m_link->write({parameter});
}

void zelServerManager::SetQcmaParameterList(const QList<const QcmaParameter *> &parameters)
{
    QList<const QcmaParameter *> list;
    for (const QcmaParameter *p : parameters) {
        if (p)
            list.append(p);
    }
    if (!list.isEmpty())
        m_link->write(list);
}

int zelServerManager::executeQzelDialog(QDialog *dialog)
{
    ZEL_ASSERT(m_modalRunner, QStringLiteral("no modal runner installed; the dialog is not run"));
    return m_modalRunner ? m_modalRunner->run(dialog) : 0;
}

void zelServerManager::setGUIAccessState(int state)
{
    if (state == m_guiAccessState)
        return;
    m_guiAccessState = state;
    emit guiAccessStateChanged(state);
}

int zelServerManager::GetPortModuleType(int port) const
{
    return m_link->portModuleType(port);
}

int zelServerManager::GetApplicationType() const
{
    return m_link->applicationType();
}

int zelServerManager::PortCount() const
{
    return m_link->portCount();
}

const ParameterCatalogue &zelServerManager::catalogue() const
{
    return *m_catalogue;
}

void zelServerManager::Interval_GetAndPost_Ex(int port, int group, quint32 selector)
{
    m_link->requestIntervalData(port, group, selector);
}

QList<IntervalRequest> zelServerManager::intervalRequests() const
{
    QList<IntervalRequest> requests;
    for (auto it = m_observers.cbegin(); it != m_observers.cend(); ++it) {
        // A SID of no group names no data: its observer waits for the intervals others ask for.
        if (nsSID::groupOf(it.key()) == 0)
            continue;
        for (const ParameterObserver *observer : it.value()) {
            if (!observer->isIntervalBound())
                continue;
            const IntervalRequest request{nsSID::portOf(it.key()), nsSID::groupOf(it.key()),
                                          observer->intervalSelector()};
            if (!requests.contains(request))
                requests.append(request);
        }
    }
    // In a fixed order, whatever the order of registration.
    std::sort(requests.begin(), requests.end(), [](const IntervalRequest &a, const IntervalRequest &b) {
        return std::tie(a.port, a.group, a.selector) < std::tie(b.port, b.group, b.selector);
    });
    return requests;
}

void zelServerManager::addObserver(int sid, ParameterObserver *observer)
{
    QList<ParameterObserver *> &list = m_observers[keyOf(sid)];
    if (!list.contains(observer))
        list.append(observer);
}

void zelServerManager::removeObserver(int sid, ParameterObserver *observer)
{
    auto it = m_observers.find(keyOf(sid));
    if (it == m_observers.end())
        return;
    it->removeAll(observer);
    if (it->isEmpty())
        m_observers.erase(it);
}

bool zelServerManager::hasObserver(int sid, ParameterObserver *observer) const
{
    return m_observers.value(keyOf(sid)).contains(observer);
}

int zelServerManager::observerCount(int sid) const
{
    return m_observers.value(sid).size();
}

QList<int> zelServerManager::observedSids() const
{
    QList<int> sids = m_observers.keys();
    std::sort(sids.begin(), sids.end());
    return sids;
}

QList<ParameterObserver *> zelServerManager::observersOf(int sid) const
{
    return m_observers.value(keyOf(sid));
}

void zelServerManager::onParameterChanged(QSharedPointer<QcmaParameter> parameter)
{
    if (parameter && admitted(*parameter))
        publish(parameter->clone());
}

bool zelServerManager::admitted(const QcmaParameter &parameter) const
{
    const ParameterDefinition *definition = m_link->catalogue().findBySid(parameter.getSID());
    QString reason;
    if (!definition || definition->admits(parameter, &reason))
        return true;
    // The cache keeps the last value that fitted, so every screen goes on showing it.
    qCWarning(lcServerManager).noquote() << QStringLiteral("value refused: sid 0x%1: %2")
                                                .arg(uint(keyOf(parameter.getSID())), 8, 16, QLatin1Char('0'))
                                                .arg(reason);
    return false;
}

void zelServerManager::publish(std::unique_ptr<QcmaParameter> parameter)
{
    const int sid = keyOf(parameter->getSID());
    std::unique_ptr<QcmaParameter> &slot = m_cache[sid];
    slot = std::move(parameter);
    const QcmaParameter &current = *slot;
    // An observer may disconnect others while being told; only those still registered hear it.
    const QList<ParameterObserver *> observers = observersOf(sid);
    for (ParameterObserver *o : observers) {
        if (hasObserver(sid, o))
            o->parameterUpdated(current);
    }
    emit parameterChanged(current);
    if (nsSID::groupOf(sid) == nsSID::general && nsSID::idOf(sid) == terminologyId)
        emit terminologyChanged(nsSID::portOf(sid), GetTerminology(nsSID::portOf(sid)));
}

void zelServerManager::onIntervalData(QSharedPointer<IntervalData> data)
{
    if (!data)
        return;
    QString reason;
    if (!data->isWellFormed(&reason)) {
        qCWarning(lcServerManager).noquote()
            << QStringLiteral("interval data refused: sid 0x%1: %2").arg(uint(data->sid()), 8, 16, QLatin1Char('0')).arg(reason);
        return;
    }
    const QList<ParameterObserver *> observers = observersOf(data->sid());
    for (ParameterObserver *o : observers) {
        if (hasObserver(data->sid(), o))
            o->intervalDataUpdated(*data);
    }
    emit intervalDataChanged(*data);
}

void zelServerManager::onLinkStateChanged(ServerLink::State state, const QString &reason)
{
    const ServerLink::State previous = m_linkState;
    m_linkState = state;
    m_linkStateReason = reason;
    switch (state) {
    case ServerLink::State::Lost:
        qCWarning(lcServerManager).noquote() << "server link lost:" << reason;
        break;
    case ServerLink::State::Connecting:
        qCInfo(lcServerManager) << "server link connecting";
        break;
    case ServerLink::State::Connected:
        qCInfo(lcServerManager) << "server link connected";
        break;
    }
    // Whatever changed while the server could not tell us is in its snapshot.
    if (state == ServerLink::State::Connected && previous != ServerLink::State::Connected)
        refreshFromSnapshot();
    emit linkStateChanged(state, reason);
}

void zelServerManager::refreshFromSnapshot()
{
    for (std::unique_ptr<QcmaParameter> &p : m_link->snapshot()) {
        if (!p || !admitted(*p))
            continue;
        const QcmaParameter *cached = cachedParameter(p->getSID());
        if (!cached || !sameState(*cached, *p))
            publish(std::move(p));
    }
}
