#pragma once

#include <QList>
#include <QString>

#include "host/hostexport.h"

// What the event log knows of a technology: in which group its statuses and counters are, which ids are
// alarms and which count errors, and at which level. The log itself knows none of them.
class ZELCORE_EXPORT EventClassifier
{
public:
    enum class Kind { None, Alarm, ErrorCounter };
    struct Status {
        Kind kind = Kind::None;
        int level = 0;
    };

    virtual ~EventClassifier();
    // The parameter group of the statuses and of the counters block.
    virtual int group() const = 0;
    virtual Status classify(int id) const = 0;
    // Every id classify() knows as an alarm.
    virtual QList<int> alarmIds() const = 0;
    // Whether an alarm's status value says it is active now.
    virtual bool raised(int value) const = 0;
    virtual int levelCount() const = 0;
    virtual QString levelName(int level) const = 0;
};
