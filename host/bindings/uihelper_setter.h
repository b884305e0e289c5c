#pragma once

#include "uihelper.h"

class NotifyInterface;

// Holds its parameter for code, reports changes to an optional NotifyInterface and writes new values.
class ZELBASE_EXPORT UiHelper_Setter : public UiHelper
{
    Q_OBJECT
public:
    UiHelper_Setter(zelServerManager *manager, NotifyInterface *notify, int sid, int strategy);

    // Writes a value of this binding's parameter (the caller keeps ownership).
    void setParameter(QcmaParameter *parameter);

    void QcmaParameter_Changed(QcmaParameter &parameter) override;

private:
    NotifyInterface *m_notify = nullptr;
};
