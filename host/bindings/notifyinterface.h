#pragma once

#include "host/hostexport.h"

class QcmaParameter;
class IntervalData;

// Receiver of the values that notification bindings report (pages, dialogs, panels).
class ZELBASE_EXPORT NotifyInterface
{
public:
    virtual ~NotifyInterface();
    virtual void qcmaParameterChanged(const QcmaParameter &parameter);
    virtual void intervalDataChanged(const IntervalData &data);
};
