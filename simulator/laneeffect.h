#pragma once

#include "insertioneffect.h"

// Alarms and errors of chosen logical lanes of a multi-lane interface (category 4), in the lanes' frames
// (each lane carries a frame alignment once in as many of the line's frames as there are lanes): a lane's
// frame lost or out of alignment, the lanes out of their alignment to the others (LOR), or their FAS,
// MFAS or logical lane marker errored; in a burst, alternating errored and normal frames, or continuously.
class LaneEffect : public InsertionEffect
{
public:
    using InsertionEffect::InsertionEffect;

    Choice choice(int port) const override;
    QString refusal(int port, const Choice &choice) const override;
    double framesPerSecond(int port, const Choice &choice) const override;
    TransmittedSignal::Insertion alarm(const Choice &choice) const override;
    QVector<Target> targets(int port, const Choice &choice) const override;

private:
    // The transmitter's interface signal and its logical lanes.
    int interfaceSignal(int port) const;
    int logicalLanes(int port) const;
};
