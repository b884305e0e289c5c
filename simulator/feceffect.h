#pragma once

#include "insertioneffect.h"

// FEC test errors (category 3) in the line's frames, while the port sends and decodes FEC: symbol errors,
// once or at a rate, which the decoder corrects; or errored sub-rows (RS(255,239) codewords) in each row of
// one frame or of every frame, with as many symbol errors as the decoder corrects, or one more, which it
// cannot correct and which then reach every BIP-8 over the payload.
class FecEffect : public InsertionEffect
{
public:
    using InsertionEffect::InsertionEffect;

    Choice choice(int port) const override;
    QString refusal(int port, const Choice &choice) const override;
    double framesPerSecond(int port, const Choice &choice) const override;
    QVector<Target> targets(int port, const Choice &choice) const override;
};
