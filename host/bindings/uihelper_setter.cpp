#include "uihelper_setter.h"

#include "notifyinterface.h"

UiHelper_Setter::UiHelper_Setter(zelServerManager *manager, NotifyInterface *notify, int sid, int strategy)
    : UiHelper(manager), m_notify(notify)
{
    setSID_QcmaParameter(sid, strategy);
}

void UiHelper_Setter::setParameter(QcmaParameter *parameter)
{
    QcmaParameter_SetValue(parameter, false);
}

void UiHelper_Setter::QcmaParameter_Changed(QcmaParameter &parameter)
{
    if (m_notify)
        m_notify->qcmaParameterChanged(parameter);
}
