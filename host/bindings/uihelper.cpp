#include "uihelper.h"

#include <QWidget>

#include "apps/shared/sid.h"
#include "host/parameters/qcmaparameter.h"
#include "host/catalogue/parametercatalogue.h"
#include "host/server/zelservermanager.h"
#include "host/parameters/qcmaparametermap.h"
#include "notifyinterface.h"
#include "uihelperlist.h"

NotifyInterface::~NotifyInterface() = default;
void NotifyInterface::qcmaParameterChanged(const QcmaParameter &) {}
void NotifyInterface::intervalDataChanged(const IntervalData &) {}

UiHelper::UiHelper(zelServerManager *manager, QObject *parent) : QObject(parent), m_manager(manager)
{
    if (m_manager)
        m_accessState = m_manager->getGUIAccessState();
}

UiHelper::~UiHelper()
{
    disconnectNow();
}

void UiHelper::setSID_QcmaParameter(int sid, int strategy)
{
    if (m_connected)
        disconnectNow();
    m_sid = sid;
    m_strategy = strategy;
    if (m_manager && m_manager->catalogue().findBySid(sid))
        m_terminology = m_manager->GetTerminology(nsSID::portOf(sid));
    if (strategy == ConnectImmediately)
        connectNow();
}

void UiHelper::ConnectManual()
{
    connectNow();
}

void UiHelper::DisconnectManual()
{
    disconnectNow();
}

void UiHelper::connectNow()
{
    if (m_connected || !m_manager || m_strategy == ConnectNone)
        return;
    m_connected = true;
    m_manager->addObserver(m_sid, this);
    ConnectionStateChanged(true);
    if (const QcmaParameter *current = m_manager->cachedParameter(m_sid))
        deliver(*current);
    UpdateActiveWidgets();
}

void UiHelper::disconnectNow()
{
    if (!m_connected)
        return;
    m_connected = false;
    if (m_manager)
        m_manager->removeObserver(m_sid, this);
    ConnectionStateChanged(false);
}

void UiHelper::ChangePort(int port)
{
    if (nsSID::portOf(m_sid) == nsSID::noPort || nsSID::portOf(m_sid) == port)
        return;
    const bool wasConnected = m_connected;
    disconnectNow();
    m_sid = nsSID::setPort(m_sid, port);
    m_parameter.reset();
    if (wasConnected)
        connectNow();
}

std::unique_ptr<QcmaParameter> UiHelper::QcmaParameter_GetCopy() const
{
    return m_parameter ? m_parameter->clone() : nullptr;
}

void UiHelper::QcmaParameter_SetValue(QcmaParameter *value, bool local)
{
    if (!value)
        return;
    UiHelperList *root = m_owner ? m_owner->rootList() : nullptr;
    if (local) {
        deliverLocal(*value);
        return;
    }
    if (root && root->parameterMap()) {
        root->setPendingValue(*value);
        return;
    }
    if (m_manager)
        m_manager->SetQcmaParameter(value);
}

void UiHelper::parameterUpdated(const QcmaParameter &parameter)
{
    // A pending dialog value stays on screen until the dialog sends or drops it.
    UiHelperList *root = m_owner ? m_owner->rootList() : nullptr;
    if (root && root->parameterMap() && root->parameterMap()->find(parameter.getSID()))
        return;
    deliver(parameter);
}

void UiHelper::deliverLocal(const QcmaParameter &parameter)
{
    deliver(parameter);
}

void UiHelper::deliver(const QcmaParameter &parameter)
{
    // parameter may be the held value itself: copy before replacing.
    std::unique_ptr<QcmaParameter> copy = parameter.clone();
    m_parameter = std::move(copy);
    const bool wasUpdating = m_updating;
    m_updating = true;
    QcmaParameter_Changed(*m_parameter);
    m_updating = wasUpdating;
    UpdateActiveWidgets();
}

void UiHelper::QcmaParameter_Changed(QcmaParameter &) {}

void UiHelper::ConnectionStateChanged(bool) {}

bool UiHelper::dataWidgetsEnabled() const
{
    return m_parameter && m_parameter->isDefined() && m_dataEnabled && m_accessState == 0;
}

void UiHelper::UpdateActiveWidgets()
{
    const bool defined = m_parameter && m_parameter->isDefined();
    for (const ActiveWidget &w : qAsConst(m_activeWidgets)) {
        if (!w.widget)
            continue;
        const bool enabled = w.dataWidget ? dataWidgetsEnabled() : defined;
        w.widget->setEnabled(enabled);
    }
}

void UiHelper::SetDataEnabled(bool enabled)
{
    m_dataEnabled = enabled;
    UpdateActiveWidgets();
}

void UiHelper::SetGUIAccessState(int state)
{
    m_accessState = state;
    UpdateActiveWidgets();
}

void UiHelper::UpdateText() {}

void UiHelper::ChangeTerminology(int terminology)
{
    m_terminology = terminology;
    if (m_parameter)
        deliver(*m_parameter);
    UpdateText();
}

void UiHelper::SetHelperWidgetActive(QWidget *widget, bool active, bool dataWidget)
{
    if (!widget)
        return;
    for (int i = 0; i < m_activeWidgets.size(); ++i) {
        if (m_activeWidgets.at(i).widget == widget) {
            if (!active)
                m_activeWidgets.removeAt(i);
            else
                m_activeWidgets[i].dataWidget = dataWidget;
            return;
        }
    }
    if (active)
        m_activeWidgets.append({widget, dataWidget});
}

WidgetText UiHelper::texts() const
{
    return m_manager ? m_manager->texts() : WidgetText();
}

QString UiHelper::GetText_Name() const
{
    if (!m_manager)
        return {};
    const ParameterDefinition *d = m_manager->catalogue().findBySid(m_sid);
    return d ? d->name : QString();
}

QString UiHelper::GetText_Name(bool withUnit) const
{
    const QString name = GetText_Name();
    const QString unit = GetText_Unit();
    if (!withUnit || unit.isEmpty())
        return name;
    return QStringLiteral("%1 [%2]").arg(name, unit);
}

QString UiHelper::GetText_Unit() const
{
    if (!m_manager)
        return {};
    const ParameterDefinition *d = m_manager->catalogue().findBySid(m_sid);
    return d ? d->unit : QString();
}
