#pragma once

#include "uihelper.h"

class NotifyInterface;

// Reports its parameter's values (or the interval data of its SID) to a NotifyInterface.
class ZELBASE_EXPORT UiHelper_Notification : public UiHelper
{
    Q_OBJECT
public:
    UiHelper_Notification(zelServerManager *manager, NotifyInterface *notify, int sid, int strategy);
    // Bound to interval data of the given selector (currentIntervalSelector: the current interval's).
    UiHelper_Notification(zelServerManager *manager, NotifyInterface *notify, int sid, quint32 intervalSelector,
                          int strategy);

    quint32 intervalSelector() const override { return m_selector; }
    bool isIntervalBound() const override { return m_intervalBound; }

    void QcmaParameter_Changed(QcmaParameter &parameter) override;
    void intervalDataUpdated(const IntervalData &data) override;

private:
    NotifyInterface *m_notify = nullptr;
    quint32 m_selector = 0;
    bool m_intervalBound = false;
};
