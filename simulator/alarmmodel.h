#pragma once

#include <QHash>

#include "transmittedsignal.h"

class ParameterStore;

// What a port's receiver reports while it receives the port's own transmitter (the loop), as the
// receiver's statuses: the alarms it raises (Reception decides them from what is sent and what is
// expected), whether each error counter counted in the last interval, and each level's summary. An alarm
// that ends, or a counter that stops counting, is kept as history.
class AlarmModel
{
public:
    static constexpr int clear = 0;
    static constexpr int current = 1;
    static constexpr int history = 2;

    // The alarms follow the configuration, and what the port's generator inserts, at once.
    static void update(ParameterStore &store, int port,
                       const TransmittedSignal::Insertion &insertion = TransmittedSignal::Insertion());
    // A new current interval: each error counter is current when it counted in it (counted, by id).
    static void countInterval(ParameterStore &store, int port, const QHash<int, quint64> &counted,
                              const TransmittedSignal::Insertion &insertion = TransmittedSignal::Insertion());
    // Whether id is one of the alarms, error counters or summaries the model decides.
    static bool models(int id);
};
