#pragma once

#include "host/hostexport.h"

class QcmaParameter;
class IntervalData;

// Receives the confirmed values of the SIDs it is registered for with the server manager.
class ZELBASE_EXPORT ParameterObserver
{
public:
    virtual ~ParameterObserver();
    virtual void parameterUpdated(const QcmaParameter &parameter) = 0;
    virtual void intervalDataUpdated(const IntervalData &) {}
};
