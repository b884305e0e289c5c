#pragma once

#include "insertioneffect.h"

// The container's alarms and errors (category 0): an item of the insertion catalogue (OtnAlarmError) on
// an ODU level, single, in a burst, alternating, continuously or at a rate, in the frames of that level.
// An alarm goes into what the transmitter sends; an error reaches the counters of its layer.
class AlarmErrorEffect : public InsertionEffect
{
public:
    AlarmErrorEffect(const ParameterStore &store, int applicationType);

    Choice choice(int port) const override;
    QString refusal(int port, const Choice &choice) const override;
    double framesPerSecond(int port, const Choice &choice) const override;
    TransmittedSignal::Insertion alarm(const Choice &choice) const override;
    QVector<Target> targets(int port, const Choice &choice) const override;

private:
    int m_applicationType = 0;
};
