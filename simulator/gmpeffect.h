#pragma once

#include "insertioneffect.h"

// GMP errors (category 1): the justification control of every multiframe of a GMP-mapped level sent with
// errored bits, in Cm (the receiver's CRC-8 fails) or in the sum of CnD (its CRC-5 fails), until stopped.
class GmpEffect : public InsertionEffect
{
public:
    using InsertionEffect::InsertionEffect;

    Choice choice(int port) const override;
    QString refusal(int port, const Choice &choice) const override;
    double framesPerSecond(int port, const Choice &choice) const override;
    QVector<Target> targets(int port, const Choice &choice) const override;
};
