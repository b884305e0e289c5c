#pragma once

#include "host/hostexport.h"

class QcmaParameter;

// Decides the LED state of a status binding from its parameter (when the default rule does not fit).
class ZELBASE_EXPORT StatusJudge
{
public:
    enum State { StateOff = 0, StateOk = 1, StateAlarm = 2, StateHistory = 3 };
    virtual ~StatusJudge();
    virtual State judge(const QcmaParameter &parameter) const = 0;
};
