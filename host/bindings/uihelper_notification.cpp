#include "uihelper_notification.h"

#include "host/parameters/intervaldata.h"
#include "notifyinterface.h"

UiHelper_Notification::UiHelper_Notification(zelServerManager *manager, NotifyInterface *notify, int sid,
                                             int strategy)
    : UiHelper(manager), m_notify(notify)
{
    setSID_QcmaParameter(sid, strategy);
}

UiHelper_Notification::UiHelper_Notification(zelServerManager *manager, NotifyInterface *notify, int sid,
                                             quint32 intervalSelector, int strategy)
    : UiHelper(manager), m_notify(notify), m_selector(intervalSelector), m_intervalBound(true)
{
    setSID_QcmaParameter(sid, strategy);
}

void UiHelper_Notification::QcmaParameter_Changed(QcmaParameter &parameter)
{
    if (m_notify)
        m_notify->qcmaParameterChanged(parameter);
}

void UiHelper_Notification::intervalDataUpdated(const IntervalData &data)
{
    if (m_notify && isConnected() && (!m_intervalBound || data.selector() == m_selector))
        m_notify->intervalDataChanged(data);
}
