#pragma once

#include <QRandomGenerator>
#include <QVector>

#include "transmittedsignal.h"

class ParameterStore;

// The measured physical values of each port (signal levels, frequencies, offsets), which follow its
// port mode, laser, line rates and frequency offset; the receiver measures the port's own transmitter. Values wander a little around their nominal figures; the
// generator is seeded, so a seed always gives the same sequence.
class LiveValues
{
public:
    LiveValues(int portCount, quint32 seed);

    // Recomputes the values of a port from its configuration and what its generator inserts (a LOS
    // switches the light off); wander draws a new small deviation.
    void update(ParameterStore &store, int port, bool wander,
                const TransmittedSignal::Insertion &insertion = TransmittedSignal::Insertion());
    // Whether the port's transmitter sends light: a port switched off or a laser off sends none.
    static bool sendsLight(const ParameterStore &store, int port);

    // Nominal Tx signal level and Rx signal level (dBm) around which the values wander.
    static constexpr double txLevelNominal = -1.5;
    static constexpr double rxLevelNominal = -3.2;
    static constexpr double noSignalLevel = -40.0;

private:
    struct Deviation {
        double txLevel = 0;
        double rxLevel = 0;
        double txPpm = 0;
        double rxPpm = 0;
    };
    double step(double current, double limit, double stepSize);

    QRandomGenerator m_random;
    QVector<Deviation> m_deviation;
};
