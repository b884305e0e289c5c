#pragma once

#include <QDateTime>
#include <QString>

// One line of the event log: an alarm's onset or clear, or a second in which a counter counted errors.
// The second is the port's measured interval since the run began (0 is the first); an alarm raised before
// a second is measured belongs to that second.
struct EventLogEntry {
    enum Kind { AlarmOn, AlarmClear, ErroredSecond };

    QDateTime time;
    qint64 second = 0;
    int port = 0;
    int level = 0;
    Kind kind = AlarmOn;
    // The status or counter id, and its name in the port's terminology when it was logged.
    int id = 0;
    QString name;
    // The errors of an errored second.
    quint64 count = 0;
    // The seconds a cleared alarm was active.
    qint64 duration = 0;
};
