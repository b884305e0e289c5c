#pragma once

#include "host/hostexport.h"

class QcmaParameter;
class IntervalData;

// Receives the confirmed values of the SIDs it is registered for with the server manager.
class ZELCORE_EXPORT ParameterObserver
{
public:
    virtual ~ParameterObserver();
    virtual void parameterUpdated(const QcmaParameter &parameter) = 0;
    virtual void intervalDataUpdated(const IntervalData &) {}
    // An observer bound to interval data reads the values of the interval its selector names; while it
    // is registered, the host's interval poller asks the server for them.
    virtual bool isIntervalBound() const { return false; }
    virtual quint32 intervalSelector() const { return 0; }
};
