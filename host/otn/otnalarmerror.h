#pragma once

#include <QList>
#include <QString>

#include "host/hostexport.h"

class OtnMapping;

// The alarms and errors the generator can insert (the values of parameter 14002), per ODU level, and
// whether one can be inserted for the configured signal.
class ZELOTNMODEL_EXPORT OtnAlarmError
{
public:
    static constexpr int itemNone = 0;

    // Item values offered on a level (0 = the line's ODU), in the order they are listed.
    static QList<int> getAlarms(int level);
    static QList<int> getErrors(int level);

    // Whether item can be inserted on level: portMode is parameter 11001 (0 off, 1 normal, 2 through,
    // 3 overhead overwrite through); otlSlice (PID::Otn::TX::OTLC_SLICE_NUMBER: 0 the first OTUC slice, which alone has STAT, TTI
    // and TCM overhead) and patternType (11206: 5 scrambled idle, no checkable pattern) matter for OTUCn
    // lane interfaces only. No application type of this host restricts the items.
    static bool valid(int applicationType, int level, int portMode, const OtnMapping &mapping, int otlSlice,
                      int patternType, int item);

    // Every item value in value order (with 0 = none), and the name a user reads.
    static QList<int> allItems();
    static QString itemName(int item);
    static bool isAlarm(int item);
    static bool isError(int item);
};
