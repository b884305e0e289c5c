#pragma once

#include <vector>

#include <QHash>
#include <QList>

#include "host/otn/otnmapping.h"
#include "host/parameters/intervaldata.h"
#include "transmittedsignal.h"

class ParameterCatalogue;
class ParameterStore;

// The result counters of each port's receiver, counted second by second as a tester counts them: the
// seconds in which each alarm was current, the errors each error counter saw (the errors each frame of its
// layer brings, over the frames of that layer in the second), the names of what the receiver expects, and
// the G.8201 performance of the line, of every ODU path and of the six tandem connections (SES, BBE, UAS
// and the availability state). The current interval is the last second measured; the cumulative values run
// from the moment the port's received structure was last set.
class ResultCounters
{
public:
    using Values = QHash<int, IntervalDataCounters::Value>;

    ResultCounters(const ParameterCatalogue &catalogue, int portCount);
    ~ResultCounters();

    // One second of measurement on the port: the alarms current in it and the errors its receiver counts,
    // receiving what the port's transmitter sends with what its generator inserts.
    void measure(const ParameterStore &store, int port,
                 const TransmittedSignal::Insertion &insertion = TransmittedSignal::Insertion());
    // The port's receiver changed what it reports: an alarm current now counts in the second being
    // measured even when it has ended before the second is. A new received structure starts a new
    // measurement, and what the statuses kept as history of the old one is cleared.
    void follow(ParameterStore &store, int port);
    // Starts the port's measurement anew: the counters from zero, the statuses kept as history cleared.
    void reset(ParameterStore &store, int port);
    // The errors of each counter in the last second measured, by counter id.
    QHash<int, quint64> lastErrors(int port) const;
    // Errors per frame of its layer that the port's error insertion adds to a counter (0 ends them); the
    // receiver counts them as it counts what the overhead reports, not while the layer is lost.
    void insert(int port, int counterId, double errorsPerFrame);
    // Errors the port's error insertion adds to a counter once, in the next second measured (the errored
    // frames of a single, burst or alternating insertion, counted exactly); lost with the layer.
    void insertOnce(int port, int counterId, quint64 errors);
    // Justifications (pointer moves) the port's transmitter sends on an ODU level in the next second
    // measured, positive or negative, beyond those its payload's offset brings; lost with the level.
    void insertMoves(int port, int level, bool positive, quint64 moves);
    // The port's counters: of the last second (currentIntervalSelector) or of every second since the
    // structure was set (any other selector).
    Values values(const ParameterStore &store, int port, quint32 selector) const;
    // Seconds measured since the port's received structure was set.
    int seconds(int port) const;

private:
    struct Port;

    Port *portAt(int port);
    const Port *portAt(int port) const;
    void restart(Port &counters, const ParameterStore &store, int port, const OtnMapping &mapping) const;
    double bitsPerSecond(const Port &counters, int id) const;
    void latch(Port &counters, const ParameterStore &store, int port) const;
    void addNames(Values &values, const Port &counters) const;
    void addJustification(Values &values, const ParameterStore &store, int port, const Port &counters,
                          bool current) const;
    void addClient(Values &values, const Port &counters, bool current) const;

    const ParameterCatalogue &m_catalogue;
    // Status parameters of the receiver (Clear/Current/History): alarms count seconds, errors errors.
    QList<int> m_alarmIds;
    QList<int> m_errorIds;
    std::vector<Port> m_ports;   // port 1 first
};
