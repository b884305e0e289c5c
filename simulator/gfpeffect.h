#pragma once

#include "insertioneffect.h"

// GFP errors and client signal fail (category 2), in the GFP frames of a GFP-mapped client: a header check
// (core, type or extension header) errored in one frame, a burst of frames or every frame, or client
// management frames that signal the client's loss of signal or of character synchronisation.
class GfpEffect : public InsertionEffect
{
public:
    using InsertionEffect::InsertionEffect;

    Choice choice(int port) const override;
    QString refusal(int port, const Choice &choice) const override;
    double framesPerSecond(int port, const Choice &choice) const override;
    TransmittedSignal::Insertion alarm(const Choice &choice) const override;
    QVector<Target> targets(int port, const Choice &choice) const override;
};
