#pragma once

#include "host/hostexport.h"

// Names one result view of the host (alarms/errors, performance, ...).
class ZELBASE_EXPORT TestResultIdentifier
{
public:
    enum View { ViewNone = 0, ViewAlarmsErrors = 17, ViewPerformance = 26 };

    TestResultIdentifier() = default;
    explicit TestResultIdentifier(int id) : m_id(id) {}

    int id() const { return m_id; }

    bool operator==(const TestResultIdentifier &other) const { return m_id == other.m_id; }
    bool operator!=(const TestResultIdentifier &other) const { return !(*this == other); }

private:
    int m_id = ViewNone;
};
