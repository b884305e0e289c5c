#include "setuppagemanager.h"

#include <memory>

#include <QAbstractButton>

#include "apps/shared/sid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/server/zelservermanager.h"

SetupPageManager::SetupPageManager(QObject *parent) : QObject(parent) {}

SetupPageManager::~SetupPageManager() = default;

InterfaceSetupIdentifier *SetupPageManager::setupPage(const InterfaceSetupIdentifier &)
{
    return nullptr;
}

void SetupPageManager::setCurrentRate(int rate)
{
    m_rate = rate;
}

void SetupPageManager::refreshButtonLabel() {}

void SetupPageManager::setButtonLabelSID(int sid)
{
    if (!m_labelSids.contains(sid))
        m_labelSids.append(sid);
}

void SetupPageManager::setFollowsSID(int rate, int sid)
{
    const QPair<int, int> entry(rate, sid);
    if (!m_followsSids.contains(entry))
        m_followsSids.append(entry);
}

bool SetupPageManager::isFollowsSID(int sid) const
{
    for (const auto &entry : m_followsSids) {
        if (entry.second == sid)
            return true;
    }
    return false;
}

void SetupPageManager::attach(zelServerManager *manager, int port)
{
    if (m_connection)
        disconnect(m_connection);
    m_manager = manager;
    m_port = port;
    if (!manager)
        return;
    m_connection = connect(manager, &zelServerManager::parameterChanged, this, &SetupPageManager::parameterChanged);
    replay();
}

WidgetText SetupPageManager::texts() const
{
    return m_manager ? m_manager->texts() : WidgetText();
}

void SetupPageManager::setPort(int port)
{
    if (port == m_port)
        return;
    m_port = port;
    replay();
}

void SetupPageManager::deliver(const QcmaParameter &parameter)
{
    const int sid = nsSID::setPort(parameter.getSID(), 0);
    const bool label = isButtonLabelSID(sid);
    const bool follows = isFollowsSID(sid);
    if (!label && !follows)
        return;
    // The receivers take a modifiable parameter; they get a copy of their own.
    std::unique_ptr<QcmaParameter> copy(parameter.clone());
    if (label)
        updateButtonLabel(copy.get());
    if (follows)
        followsChanged(copy.get());
}

void SetupPageManager::updateButtonLabel(QcmaParameter *) {}

void SetupPageManager::followsChanged(QcmaParameter *) {}

void SetupPageManager::parameterChanged(const QcmaParameter &parameter)
{
    if (nsSID::portOf(parameter.getSID()) == m_port)
        deliver(parameter);
}

void SetupPageManager::replay()
{
    if (!m_manager)
        return;
    QList<int> sids = m_labelSids;
    for (const auto &entry : qAsConst(m_followsSids)) {
        if (!sids.contains(entry.second))
            sids.append(entry.second);
    }
    for (int sid : qAsConst(sids)) {
        if (const QcmaParameter *cached = m_manager->cachedParameter(nsSID::setPort(sid, m_port)))
            deliver(*cached);
    }
}
