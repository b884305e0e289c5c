#pragma once

#include "host/hostexport.h"
#include "interfacesetupidentifier.h"

class StatusItemShowJudgeInterface;

// One indicator the host shows next to a status page's navigation entry.
class ZELBASE_EXPORT StatusItem
{
public:
    enum StatusType {
        StatusMode = 0,    // a setting whose value tells whether the port works at all (port mode)
        StatusAlarm = 1,   // an alarm or error status: off, ok, alarm, history
        StatusLevel = 2    // a measured value that must be present (optical signal level)
    };

    StatusItem() = default;
    StatusItem(int rate, StatusType type, int sid, bool followsPort, StatusItemShowJudgeInterface *judge)
        : m_rate(rate), m_type(type), m_sid(sid), m_followsPort(followsPort), m_judge(judge) {}

    int rate() const { return m_rate; }
    StatusType type() const { return m_type; }
    int sid() const { return m_sid; }
    // True: the host moves the SID to the port it shows (the SID is registered without a port).
    bool followsPort() const { return m_followsPort; }
    // Not owned; null shows the item always.
    StatusItemShowJudgeInterface *showJudge() const { return m_judge; }

private:
    int m_rate = InterfaceSetupIdentifier::RateDefault;
    StatusType m_type = StatusAlarm;
    int m_sid = 0;
    bool m_followsPort = true;
    StatusItemShowJudgeInterface *m_judge = nullptr;
};
